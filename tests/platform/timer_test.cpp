#include "platform/timer.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"

namespace {

TEST(Timer, CountsFromItsStartAndRestart) {
    FakeClock clock(1000);
    CTimer timer(clock);
    clock.now = 1250;
    EXPECT_EQ(timer.GetElapsed(), 250u);
    clock.now = 2000;
    EXPECT_EQ(timer.Restart(), 2000u);
    clock.now = 2040;
    EXPECT_EQ(timer.GetElapsed(), 40u);
}

TEST(Timer, PausedTimeDoesNotCount) {
    FakeClock clock(0);
    CTimer timer(clock);
    clock.now = 1000;
    timer.Pause();
    clock.now = 6000;
    EXPECT_EQ(timer.GetElapsed(), 1000u);
    timer.Resume();
    clock.now = 7000;
    EXPECT_EQ(timer.GetElapsed(), 2000u);  // 7 s of wall clock, 5 s of them paused
}

TEST(Timer, OnlyTheOutermostPauseAndResumeTakeTheTime) {
    FakeClock clock(0);
    CTimer timer(clock);
    clock.now = 100;
    timer.Pause();
    clock.now = 200;
    timer.Pause();
    clock.now = 300;
    timer.Resume();
    EXPECT_EQ(timer.GetElapsed(), 100u);  // still paused
    clock.now = 400;
    timer.Resume();
    clock.now = 450;
    EXPECT_EQ(timer.GetElapsed(), 150u);
}

TEST(Timer, RestartEndsAPause) {
    FakeClock clock(0);
    CTimer timer(clock);
    timer.Pause();
    clock.now = 500;
    timer.Restart();
    clock.now = 530;
    EXPECT_EQ(timer.GetElapsed(), 30u);
}

TEST(Timer, ElapsedTimeWrapsWithTheClock) {
    FakeClock clock(0xFFFFFF00u);
    CTimer timer(clock);
    clock.now = 0x100;
    EXPECT_EQ(timer.GetElapsed(), 0x200u);
}

}  // namespace
