#include "platform/clock_source.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"

namespace {

class FakeMultimediaTimer : public CMultimediaTimer {
public:
    FakeMultimediaTimer(bool available, uint32_t minPeriod)
        : available_(available), minPeriod_(minPeriod) {}

    bool QueryMinPeriod(uint32_t* periodMs) override {
        if (!available_) return false;
        *periodMs = minPeriod_;
        return true;
    }
    void BeginPeriod(uint32_t periodMs) override { begun.push_back(periodMs); }

    std::vector<uint32_t> begun;

private:
    bool available_;
    uint32_t minPeriod_;
};

struct ChoiceCase {
    bool available;
    uint32_t reportedPeriod;
    bool timeGetTime;
    uint32_t minPeriod;
};

const ChoiceCase kChoices[] = {
    {false, 1, false, 1},  // no multimedia timer
    {true, 1, true, 1},
    {true, 5, true, 5},
    {true, 9, true, 9},
    {true, 10, false, 1},
    {true, 16, false, 1},
};

TEST(ClockChoice, TimeGetTimeOnlyWhenItsTimerIsFinerThanTenMs) {
    for (const ChoiceCase& c : kChoices) {
        FakeMultimediaTimer timer(c.available, c.reportedPeriod);
        CClockChoice choice(timer);
        choice.Select();
        EXPECT_EQ(choice.UsesTimeGetTime(), c.timeGetTime) << c.reportedPeriod;
        EXPECT_EQ(choice.MinPeriod(), c.minPeriod) << c.reportedPeriod;
        EXPECT_TRUE(timer.begun.empty());
    }
}

TEST(ClockChoice, FirstTimerPeriodUserRaisesTheResolutionOnce) {
    for (const ChoiceCase& c : kChoices) {
        FakeMultimediaTimer timer(c.available, c.reportedPeriod);
        CClockChoice choice(timer);
        // No Select first: BeginTimerPeriod makes the choice itself.
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(choice.BeginTimerPeriod(), c.minPeriod) << c.reportedPeriod;
        }
        EXPECT_EQ(choice.UsesTimeGetTime(), c.timeGetTime) << c.reportedPeriod;
        const std::vector<uint32_t> expected =
            c.timeGetTime ? std::vector<uint32_t>{c.minPeriod} : std::vector<uint32_t>{};
        EXPECT_EQ(timer.begun, expected) << c.reportedPeriod;
    }
}

TEST(ClockChoice, ProgramClockIsChosenBeforeMainAndAdvances) {
    // Wine's multimedia timer resolves 1 ms.
    EXPECT_TRUE(ProgramClockChoice().UsesTimeGetTime());
    EXPECT_EQ(ProgramClockChoice().MinPeriod(), 1u);
    EXPECT_EQ(BeginTimerPeriod(), 1u);
    const uint32_t before = SystemClock().Now();
    SystemClock().Sleep(30);
    const uint32_t slept = SystemClock().Now() - before;
    EXPECT_GE(slept, 29u);
    EXPECT_LT(slept, 2000u);
}

}  // namespace
