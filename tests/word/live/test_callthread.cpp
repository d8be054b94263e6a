// The call thread's end: a thread that closing leaves to finish on its own is joined at the program's
// end, and one that still runs is reported, not waited for beyond the limit.

#include "word/live/uno/callthread.h"

#include <QDir>

#include <gtest/gtest.h>

#include <future>
#include <memory>

namespace word::live {
namespace {

using namespace std::chrono_literals;

int threadCount() {
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

TEST(CallThreadEnd, AThreadThatEndedItsOwnCallThreadIsJoined) {
    const int before = threadCount();
    std::promise<void> ended;
    {
        auto thread = std::make_shared<CallThread>();
        CallThread* const raw = thread.get();
        // The last holder of the CallThread is the task itself: the thread ends its own CallThread.
        raw->post([owner = std::move(thread), &ended]() mutable {
            owner.reset();
            ended.set_value();
        });
    }
    ended.get_future().wait();
    EXPECT_EQ(CallThread::joinLeftThreads(5s), 0);
    EXPECT_EQ(threadCount(), before);
}

TEST(CallThreadEnd, AHangingTaskIsLeftAndJoinedOnceItReturns) {
    const int before = threadCount();
    auto release = std::make_shared<std::promise<void>>();
    std::shared_future<void> released = release->get_future().share();
    std::promise<void> started;
    {
        CallThread thread;
        thread.post([released, &started] {
            started.set_value();
            released.wait();
        });
        started.get_future().wait();
        // Closing waits its grace for the task in hand, then leaves the thread to finish on its own.
    }
    EXPECT_EQ(CallThread::joinLeftThreads(100ms), 1);
    EXPECT_EQ(threadCount(), before + 1);
    release->set_value();
    EXPECT_EQ(CallThread::joinLeftThreads(5s), 0);
    EXPECT_EQ(threadCount(), before);
}

TEST(CallThreadEnd, AClosedIdleThreadIsJoinedAtOnce) {
    const int before = threadCount();
    {
        CallThread thread;
        EXPECT_EQ(thread.run<int>([] { return 7; }, 5s), 7);
    }
    EXPECT_EQ(threadCount(), before);
    EXPECT_EQ(CallThread::joinLeftThreads(0ms), 0);
}

} // namespace
} // namespace word::live
