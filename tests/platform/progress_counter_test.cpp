#include "platform/progress_counter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ProgressCounter, IsFinishedUntilSet) {
    CProgressCounter counter;
    EXPECT_FALSE(counter.IsRunning());
    EXPECT_EQ(counter.Remaining(), 0u);
    EXPECT_EQ(counter.Ratio(), 1.0);
    EXPECT_EQ(counter.LerpInt(10, 20), 20);
    EXPECT_EQ(counter.LerpDouble(1.5, -2.5), -2.5);

    counter.Set(0, EaseAccSin);  // a zero duration is finished at once
    EXPECT_FALSE(counter.IsRunning());
    EXPECT_EQ(counter.Ratio(), 1.0);
    EXPECT_EQ(counter.LerpInt(-7, 3), 3);
}

TEST(ProgressCounter, AdvanceStopsAtTheEnd) {
    CProgressCounter counter;
    counter.Set(100, nullptr);
    EXPECT_TRUE(counter.IsRunning());
    counter.Advance(70);
    EXPECT_EQ(counter.Remaining(), 30u);
    EXPECT_DOUBLE_EQ(counter.Ratio(), 0.7);
    counter.Advance(70);
    EXPECT_EQ(counter.GetElapsed(), 100u);
    EXPECT_EQ(counter.Remaining(), 0u);
    EXPECT_FALSE(counter.IsRunning());
    EXPECT_EQ(counter.Ratio(), 1.0);

    counter.Set(100, nullptr);
    counter.Advance(60);
    counter.Advance(UINT32_MAX);  // would wrap past the end if added first
    EXPECT_EQ(counter.GetElapsed(), 100u);

    counter.Reset();
    EXPECT_EQ(counter.GetDuration(), 0u);
    EXPECT_EQ(counter.GetEasing(), nullptr);
}

TEST(ProgressCounter, EasedRatioAndValues) {
    CProgressCounter counter;
    counter.Set(100, EaseDec2);
    counter.Advance(50);
    EXPECT_DOUBLE_EQ(counter.Ratio(), 0.75);
    EXPECT_DOUBLE_EQ(counter.LerpDouble(0, 200), 150);
    EXPECT_EQ(counter.LerpInt(0, 200), 150);
    EXPECT_EQ(counter.LerpInt(200, 0), 50);
}

TEST(ProgressCounter, LerpIntRoundsHalfAwayFromZero) {
    struct Case {
        int from, to;
        uint32_t elapsed, duration;
        int expected;
    };
    const Case cases[] = {
        {0, 255, 1, 2, 128},    {0, -255, 1, 2, -128}, {0, 10, 1, 4, 3},
        {0, -10, 1, 4, -3},     {0, 10, 1, 3, 3},      {0, -10, 1, 3, -3},
        {0, 10, 2, 3, 7},       {0, -10, 2, 3, -7},    {-5, -6, 1, 2, -6},
        {5, 6, 1, 2, 6},        {100, 0, 1, 4, 75},    {-1, 0, 1, 2, -1},
        {0, 1, 1, 2, 1},        {1, -1, 1, 2, 0},
        // The span of two far ends does not fit an int.
        {-2000000000, 2000000000, 1, 2, 0},
        {-2000000000, 2000000000, 1, 4, -1000000000},
        {2000000000, -2000000000, 3, 4, -1000000000},
    };
    for (const Case& c : cases) {
        CProgressCounter counter;
        counter.Set(c.duration, nullptr);
        counter.Advance(c.elapsed);
        EXPECT_EQ(counter.LerpInt(c.from, c.to), c.expected)
            << c.from << " -> " << c.to << " at " << c.elapsed << "/" << c.duration;
    }
}

TEST(ProgressCounter, FinishedCounterGivesExactlyItsEnd) {
    // These curves need not reach exactly 1 in floating point.
    for (EasingCurve curve : {EaseAccSin, EaseDecSin, EaseAccSig, EaseDecSig, EaseLinear}) {
        CProgressCounter counter;
        counter.Set(300, curve);
        counter.Advance(299);
        EXPECT_TRUE(counter.IsRunning());
        counter.Advance(1);
        EXPECT_EQ(counter.Ratio(), 1.0);
        EXPECT_EQ(counter.LerpDouble(0.1, 0.7), 0.7);
        EXPECT_EQ(counter.LerpDouble(123456.789, -0.3), -0.3);
        EXPECT_EQ(counter.LerpInt(-99, 1234567), 1234567);
    }
}

TEST(ProgressCounter, StraightProgressIsLinearInTheElapsedTime) {
    CProgressCounter counter;
    counter.Set(3, nullptr);
    counter.Advance(1);
    EXPECT_DOUBLE_EQ(counter.LerpDouble(0, 3), 1.0);
    EXPECT_DOUBLE_EQ(counter.LerpDouble(10, 40), 20.0);
    counter.Advance(1);
    EXPECT_DOUBLE_EQ(counter.LerpDouble(10, 40), 30.0);
    EXPECT_DOUBLE_EQ(counter.Ratio(), 2.0 / 3.0);
}

}  // namespace
