#include "ui/platform/worker_thread.h"

#include <QMetaObject>

namespace xq {

WorkerThread::WorkerThread(QObject* parent) : QObject(parent) {}

WorkerThread::~WorkerThread() {
    join();
}

bool WorkerThread::start(std::function<void()> job) {
    if (thread_.joinable()) return false;
    thread_ = std::thread(std::move(job));
    return true;
}

void WorkerThread::join() {
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    posted_.clear();
}

void WorkerThread::post(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(std::move(call));
    }
    // The wake-up carries no data: the calls travel through posted_, under our own lock.
    QMetaObject::invokeMethod(this, "deliverPosted", Qt::QueuedConnection);
}

void WorkerThread::deliverPosted() {
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard lock(mutex_);
            if (posted_.empty()) return;
            call = std::move(posted_.front());
            posted_.pop_front();
        }
        call();
    }
}

}  // namespace xq
