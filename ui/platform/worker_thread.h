// One background job at a time on a thread of its own. The job hands its results to the GUI
// thread as queued calls; a job that has been stopped and joined delivers nothing more.
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
    explicit WorkerThread(QObject* parent = nullptr);
    ~WorkerThread() override;

    // Starts `job` on a new thread. Refused (false) while an earlier job has not been joined.
    bool start(std::function<void()> job);

    // Waits for the running job to return; the caller has asked it to stop first. Calls the job
    // posted but not yet delivered are dropped. Does nothing when no job was started.
    void join();

    bool hasJob() const { return thread_.joinable(); }

    // From the job's thread: run `call` on the GUI thread, after every call posted before it.
    void post(std::function<void()> call);

  private slots:
    void deliverPosted();

  private:
    std::thread thread_;
    std::mutex mutex_;  // guards posted_; it also orders what the job wrote before each post
    std::deque<std::function<void()>> posted_;
};

}  // namespace xq
