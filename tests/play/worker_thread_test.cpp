// The hand-over from a background job to the GUI thread.
#include <gtest/gtest.h>

#include <QTest>

#include <atomic>
#include <vector>

#include "ui/platform/worker_thread.h"

namespace xq::testing {
namespace {

TEST(WorkerThreadTest, deliversPostedCallsOnTheGuiThreadInTheOrderTheyWerePosted) {
    WorkerThread worker;
    std::vector<int> delivered;
    std::vector<bool> onGuiThread;
    const auto gui = std::this_thread::get_id();
    ASSERT_TRUE(worker.start([&worker, &delivered, &onGuiThread, gui] {
        for (int i = 0; i < 500; ++i)
            worker.post([i, &delivered, &onGuiThread, gui] {
                delivered.push_back(i);
                onGuiThread.push_back(std::this_thread::get_id() == gui);
            });
    }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.size() == 500; }, 10000));
    worker.join();
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(delivered[i], i);
        ASSERT_TRUE(onGuiThread[i]);
    }
}

TEST(WorkerThreadTest, joinDropsTheCallsThatWereNotYetDelivered) {
    WorkerThread worker;
    int delivered = 0;
    ASSERT_TRUE(worker.start([&] {
        for (int i = 0; i < 10; ++i) worker.post([&] { ++delivered; });
    }));
    worker.join();  // the GUI thread has not turned its event loop since
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, 0);
    EXPECT_FALSE(worker.hasJob());
}

TEST(WorkerThreadTest, refusesASecondJobUntilTheFirstIsJoined) {
    WorkerThread worker;
    std::atomic<bool> release{false};
    int ran = 0;
    ASSERT_TRUE(worker.start([&] {
        while (!release.load()) std::this_thread::yield();
    }));
    EXPECT_TRUE(worker.hasJob());
    EXPECT_FALSE(worker.start([&] { ++ran; }));
    release.store(true);
    worker.join();
    EXPECT_EQ(ran, 0);  // the refused job never ran

    // Joined, the worker takes a new job, and its calls arrive even though the earlier job's
    // wake-ups may still be on their way.
    bool second = false;
    ASSERT_TRUE(worker.start([&] { worker.post([&] { second = true; }); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return second; }, 10000));
    worker.join();
}

TEST(WorkerThreadTest, aDeliveredCallMayJoinTheJobThatPostedIt) {
    WorkerThread worker;
    bool joined = false;
    ASSERT_TRUE(worker.start([&] {
        worker.post([&] {
            worker.join();
            joined = !worker.hasJob();
        });
    }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return joined; }, 10000));
}

}  // namespace
}  // namespace xq::testing
