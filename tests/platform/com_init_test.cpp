#include "platform/com_init.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <thread>

namespace {

// Each case runs on a thread of its own, so it starts without COM and leaves
// the test program's main thread as it was.
template <typename Body>
void OnFreshThread(Body body) {
    std::thread(body).join();
}

// True when COM is started on the calling thread. The probe's own start is
// undone at once.
bool ComIsStarted() {
    const HRESULT hr = CoInitialize(nullptr);
    if (SUCCEEDED(hr)) CoUninitialize();
    return hr != S_OK;
}

TEST(ComInit, FirstUserStartsComAndLastUserStopsIt) {
    OnFreshThread([] {
        ASSERT_FALSE(ComIsStarted());
        EXPECT_EQ(ComInit(), 0);
        EXPECT_TRUE(ComIsStarted());
        EXPECT_EQ(ComInit(), 0);
        ComUninit();
        EXPECT_TRUE(ComIsStarted());
        ComUninit();
        // Only one CoInitialize was made for the two users.
        EXPECT_FALSE(ComIsStarted());
        ComUninit();  // no user left: nothing happens
        EXPECT_FALSE(ComIsStarted());
    });
}

TEST(ComInit, ComAlreadyStartedOnTheThreadIsReady) {
    OnFreshThread([] {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        EXPECT_EQ(ComInit(), 0);
        ComUninit();
        // The thread's own start is still in force.
        EXPECT_TRUE(ComIsStarted());
        CoUninitialize();
        EXPECT_FALSE(ComIsStarted());
    });
}

TEST(ComInit, FailedStartCountsNoUser) {
    OnFreshThread([] {
        // A thread in the multithreaded apartment cannot enter a
        // single-threaded one.
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        EXPECT_EQ(ComInit(), 1);
        // Had the failed start been counted, this would end the thread's own
        // start of COM.
        ComUninit();
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    });
}

}  // namespace
