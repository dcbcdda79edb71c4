#include "platform/thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

// What the bodies report; kept outside the thread objects, which may already
// be destroyed when a body writes its last line.
struct Journal {
    std::atomic<int> passes{0};
    std::atomic<bool> bodyReturned{false};
    std::atomic<DWORD> bodyThread{0};
    std::mutex mutex;
    std::vector<std::string> events;
    void Add(const std::string& e) {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(e);
    }
    size_t EventCount() {
        std::lock_guard<std::mutex> lock(mutex);
        return events.size();
    }
};

class LoopingThread : public CThread {
public:
    LoopingThread(Journal* journal, int stopAfterPasses = -1)
        : journal_(journal), stopAfterPasses_(stopAfterPasses) {}

protected:
    void Run() override {
        Journal* journal = journal_;
        const int generation = ++generation_;
        const int stopAfter = stopAfterPasses_;
        journal->bodyThread = GetCurrentThreadId();
        journal->Add("start" + std::to_string(generation));
        int passes = 0;
        while (KeepGoing()) {
            ++journal->passes;
            if (stopAfter >= 0 && ++passes >= stopAfter) {
                break;
            }
            Sleep(1);
        }
        Sleep(30);  // a body that takes its time to wind down
        journal->Add("end" + std::to_string(generation));
        journal->bodyReturned = true;
    }

private:
    Journal* journal_;
    int stopAfterPasses_;
    int generation_ = 0;
};

bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 500; ++i) {
        if (condition()) return true;
        Sleep(10);
    }
    return condition();
}

TEST(Thread, StartsAndStopsByTheKeepGoingFlag) {
    Journal journal;
    LoopingThread thread(&journal);
    EXPECT_FALSE(thread.IsRunning());
    thread.Start();
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_TRUE(thread.KeepGoing());
    ASSERT_TRUE(WaitFor([&] { return journal.passes > 2; }));
    EXPECT_NE(journal.bodyThread.load(), GetCurrentThreadId());

    EXPECT_EQ(thread.Stop(), 0);
    // Stop returns only when the body has returned.
    EXPECT_TRUE(journal.bodyReturned);
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_FALSE(thread.KeepGoing());
}

TEST(Thread, BodyThatEndsByItselfLeavesKeepGoingSet) {
    Journal journal;
    LoopingThread thread(&journal, 3);
    thread.Start();
    ASSERT_TRUE(WaitFor([&] { return !thread.IsRunning(); }));
    EXPECT_TRUE(journal.bodyReturned);
    EXPECT_TRUE(thread.KeepGoing());
    EXPECT_EQ(journal.passes, 3);

    // Stop on an idle object returns at once and only clears keep-going.
    EXPECT_EQ(thread.Stop(), 0);
    EXPECT_FALSE(thread.KeepGoing());
    EXPECT_FALSE(thread.IsRunning());
}

TEST(Thread, StartOnARunningObjectEndsTheOldBodyFirst) {
    Journal journal;
    LoopingThread thread(&journal);
    thread.Start();
    ASSERT_TRUE(WaitFor([&] { return journal.passes > 0; }));
    thread.Start();
    ASSERT_TRUE(WaitFor([&] { return journal.EventCount() >= 3; }));
    thread.Stop();
    EXPECT_EQ(journal.events, (std::vector<std::string>{"start1", "end1", "start2", "end2"}));
}

TEST(Thread, DestroyingARunningThreadWaitsForItsBody) {
    Journal journal;
    auto thread = std::make_unique<LoopingThread>(&journal);
    thread->Start();
    ASSERT_TRUE(WaitFor([&] { return journal.passes > 0; }));
    thread->RequestStop();
    EXPECT_FALSE(thread->KeepGoing());
    thread.reset();
    EXPECT_TRUE(journal.bodyReturned);
}

TEST(Thread, RunInlineRunsTheBodyOnTheCallingThread) {
    Journal journal;
    LoopingThread thread(&journal, 2);
    EXPECT_EQ(thread.RunInline(), 0);
    EXPECT_EQ(journal.bodyThread.load(), GetCurrentThreadId());
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_TRUE(thread.KeepGoing());
}

}  // namespace
