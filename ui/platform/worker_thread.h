// One background job at a time on a thread of its own. The job hands its results to the GUI
// thread as queued calls; a job that has been joined delivers nothing more.
//
// The calls travel through a queue under our own mutex, and the GUI thread is woken by a queued
// invocation that carries no data. So every hand-over from the job to the GUI thread goes through
// a lock that ThreadSanitizer sees, even though Qt's own event queue is not instrumented.
#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace xq {

class WorkerThread : public QObject {
    Q_OBJECT

  public:
    // Lives on the GUI thread; start, join and hasJob are called there only.
    explicit WorkerThread(QObject* parent = nullptr);
    // Joins: the owner asks the job to stop before it lets this go.
    ~WorkerThread() override;

    // Starts `job` on a new thread. Refused (false) while an earlier job has not been joined,
    // and when the system cannot start a thread.
    bool start(std::function<void()> job);

    // Waits for the job to return; the caller has asked it to stop first, or knows that it is
    // ending. The calls the job posted and that were not yet delivered are dropped. Does nothing
    // when no job was started. May be called from inside a delivered call.
    void join();

    bool hasJob() const { return thread_.joinable(); }

    // From the job's thread: run `call` on the GUI thread, after every call posted before it.
    void post(std::function<void()> call);

  private slots:
    void deliverPosted();

  private:
    std::thread thread_;
    std::mutex mutex_;  // guards posted_; it also orders what the job wrote before each post
    // Not empty only while a wake-up is on its way or deliverPosted is draining it.
    std::deque<std::function<void()>> posted_;
};

}  // namespace xq
