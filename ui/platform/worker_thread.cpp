#include "ui/platform/worker_thread.h"

#include <QMetaObject>

#include <system_error>

namespace xq {

WorkerThread::WorkerThread(QObject* parent) : QObject(parent) {}

WorkerThread::~WorkerThread() {
    join();
}

bool WorkerThread::start(std::function<void()> job) {
    if (thread_.joinable()) return false;
    try {
        thread_ = std::thread(std::move(job));
    } catch (const std::system_error&) {
        return false;  // no thread to be had: the job does not run
    }
    return true;
}

void WorkerThread::join() {
    if (thread_.joinable()) thread_.join();
    // Destroyed outside the lock: a call's captures may be large.
    std::deque<std::function<void()>> dropped;
    std::lock_guard lock(mutex_);
    dropped.swap(posted_);
}

void WorkerThread::post(std::function<void()> call) {
    bool wake;
    {
        std::lock_guard lock(mutex_);
        // A queue that already holds calls has a wake-up on its way, or is being drained by a
        // loop that will look at it again before it returns.
        wake = posted_.empty();
        posted_.push_back(std::move(call));
    }
    if (wake) QMetaObject::invokeMethod(this, "deliverPosted", Qt::QueuedConnection);
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
