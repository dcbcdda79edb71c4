#include "platform/frame_limiter.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "platform/clock_source.h"
#include "support/fake_clock.h"

namespace {

// Runs `frames` frames that each take `workMs` of work before the wait, and
// returns how long each frame lasted, from the end of one wait to the end of
// the next. Each clock reading costs 1 ms, so the spin ends exactly when the
// frame is due.
std::vector<uint32_t> FrameLengths(FakeClock& clock, CFrameLimiter& limiter, int frames,
                                   uint32_t workMs = 0) {
    std::vector<uint32_t> lengths;
    uint32_t previousEnd = clock.lastRead;
    for (int i = 0; i < frames; ++i) {
        clock.now += workMs;
        limiter.WaitNextFrame();
        lengths.push_back(clock.lastRead - previousEnd);
        previousEnd = clock.lastRead;
    }
    return lengths;
}

uint32_t Sum(const std::vector<uint32_t>& values) {
    uint32_t sum = 0;
    for (uint32_t v : values) sum += v;
    return sum;
}

TEST(FrameLimiter, SixtyFramesPerSecondAlternateSixteenAndSeventeenMs) {
    FakeClock clock(1000, 1);
    CFrameLimiter limiter(clock);
    EXPECT_EQ(limiter.GetFrameRate(), 60u);
    EXPECT_EQ(limiter.GetPeriod(), 0x10AAAAu);
    limiter.SetFrameRate(60);
    const std::vector<uint32_t> lengths = FrameLengths(clock, limiter, 12, 5);
    EXPECT_EQ(lengths, (std::vector<uint32_t>{16, 17, 16, 17, 17, 16, 17, 17, 16, 17, 17, 16}));
    // Each wait began 6 ms into its frame (1 ms reading the clock after the
    // last wait, 5 ms of work) and slept until 3 ms before the frame was due.
    EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{7, 8, 7, 8, 8, 7, 8, 8, 7, 8, 8, 7}));
}

TEST(FrameLimiter, FramesOfOneSecondTakeNineHundredNinetyNineMs) {
    struct Case {
        uint32_t fps;
        uint32_t period;
    };
    const Case cases[] = {{60, 1092266}, {45, 1456355}, {30, 2184533}, {15, 4369066}};
    for (const Case& c : cases) {
        FakeClock clock(0, 1);
        CFrameLimiter limiter(clock);
        limiter.SetFrameRate(c.fps);
        EXPECT_EQ(limiter.GetPeriod(), c.period) << c.fps;
        // The period is truncated to whole 1/65536 ms, so a second of frames
        // comes out 1 ms short.
        EXPECT_EQ(Sum(FrameLengths(clock, limiter, static_cast<int>(c.fps))), 999u) << c.fps;
    }
    FakeClock clock(0, 1);
    CFrameLimiter limiter(clock);
    limiter.SetFrameRate(60);
    EXPECT_EQ(Sum(FrameLengths(clock, limiter, 600)), 9999u);
}

TEST(FrameLimiter, SleepsOnlyWhenFourMsOrMoreRemain) {
    struct Case {
        uint32_t remaining;
        std::vector<uint32_t> sleeps;
    };
    const Case cases[] = {{1, {}}, {2, {}}, {3, {}}, {4, {1}}, {5, {2}}, {16, {13}}};
    for (const Case& c : cases) {
        FakeClock clock(500, 1);
        CFrameLimiter limiter(clock);
        limiter.SetFrameRate(60);
        const uint32_t gridStart = clock.lastRead;
        clock.now = gridStart + 16 - c.remaining;
        limiter.WaitNextFrame();
        EXPECT_EQ(clock.sleeps, c.sleeps) << c.remaining;
        EXPECT_EQ(clock.lastRead, gridStart + 16) << c.remaining;
    }
}

TEST(FrameLimiter, LateFrameStartsTheGridFromItsEnd) {
    for (uint32_t elapsed : {16u, 20u, 300u}) {
        FakeClock clock(0, 1);
        CFrameLimiter limiter(clock);
        limiter.SetFrameRate(60);
        const uint32_t lateEnd = clock.lastRead + elapsed;
        clock.now = lateEnd;
        const int readsBefore = clock.reads;
        limiter.WaitNextFrame();
        EXPECT_EQ(clock.reads - readsBefore, 1) << elapsed;
        EXPECT_TRUE(clock.sleeps.empty()) << elapsed;
        // The next frame is neither skipped nor shortened: its 17 ms count
        // from the moment the late frame ended.
        limiter.WaitNextFrame();
        EXPECT_EQ(clock.lastRead, lateEnd + 17) << elapsed;
    }
}

TEST(FrameLimiter, OversleepingDoesNotMoveTheGrid) {
    FakeClock clock(0, 1);
    clock.oversleep = 4;
    CFrameLimiter limiter(clock);
    limiter.SetFrameRate(60);
    const uint32_t gridStart = clock.lastRead;
    limiter.WaitNextFrame();  // woke 2 ms after the frame was due at 16
    EXPECT_EQ(clock.lastRead - gridStart, 18u);
    limiter.WaitNextFrame();  // begins at 19, 3 ms after the grid's 16
    EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{12, 11}));
    EXPECT_EQ(clock.lastRead - gridStart, 35u);  // 2 ms after the frame was due at 33
}

TEST(FrameLimiter, FrameRateZeroTurnsPacingOffAndKeepsThePeriod) {
    FakeClock clock(0, 1);
    CFrameLimiter limiter(clock);
    limiter.SetFrameRate(30);
    FrameLengths(clock, limiter, 2);
    limiter.SetFrameRate(0);
    EXPECT_EQ(limiter.GetFrameRate(), 0u);
    EXPECT_EQ(limiter.GetPeriod(), 2184533u);
    const int readsBefore = clock.reads;
    const size_t sleepsBefore = clock.sleeps.size();
    for (int i = 0; i < 5; ++i) limiter.WaitNextFrame();
    EXPECT_EQ(clock.reads - readsBefore, 5);
    EXPECT_EQ(clock.sleeps.size(), sleepsBefore);

    // Pacing on again: the grid and the carried fraction start afresh.
    limiter.SetFrameRate(60);
    EXPECT_EQ(FrameLengths(clock, limiter, 3), (std::vector<uint32_t>{16, 17, 16}));
}

TEST(FrameLimiter, PacesFramesOnTheSystemClock) {
    BeginTimerPeriod();
    CFrameLimiter limiter;
    const DWORD start = timeGetTime();
    limiter.SetFrameRate(60);
    for (int i = 0; i < 6; ++i) limiter.WaitNextFrame();
    // 16 + 17 + 16 + 17 + 17 + 16 ms at the least; a frame is never shortened.
    EXPECT_GE(timeGetTime() - start, 99u);
}

}  // namespace
