// The frame step from a fake clock: stalls, impossible steps, time-critical
// mode, the short step after a scene change and the music-synchronised clock.
#include <gtest/gtest.h>

#include <vector>

#include "game_fixture.h"
#include "platform/frame_clock_flags.h"

namespace {

struct Step {
    int advance;  // clock movement since the last step (may be negative)
    bool timeCritical;
    bool shortStepOnce;
    int expected;
};

struct StepCase {
    const char* name;
    std::vector<Step> steps;
};

// A voice at a position the test moves; playing until told otherwise.
class CFakeVoices : public CSyncVoiceReader {
public:
    bool ReadPlayingPosition(int groupKind, int channel, uint32_t* position) override {
        asked.push_back(groupKind * 100 + channel);
        if (!playing) return false;
        *position = this->position;
        return true;
    }
    bool playing = true;
    uint32_t position = 0;
    std::vector<int> asked;
};

class FrameDeltaTest : public testing::Test {
protected:
    FrameDeltaTest() {
        rig_.clock.readCost = 0;
        rig_.clock.now = 0;
    }
    CGameStateScope state_;
    CGameRig rig_;
};

TEST_F(FrameDeltaTest, ClockRulesFromATable) {
    const StepCase cases[] = {
        {"one stall is one ordinary step", {{16, false, false, 16}, {1500, false, false, 17}}},
        {"a second stall in a row is real", {{1500, false, false, 17}, {1500, false, false, 1500}}},
        {"a short step between stalls clears the latch",
         {{1500, false, false, 17}, {16, false, false, 16}, {1500, false, false, 17}}},
        {"exactly 1000 passes", {{1000, false, false, 1000}, {1001, false, false, 17}}},
        {"exactly 10000 passes after a stall", {{1500, false, false, 17}, {10000, false, false, 10000}}},
        {"over 10000 is always 17",
         {{20000, false, false, 17}, {20000, false, false, 17}, {10001, false, false, 17}}},
        {"time-critical lets a stall pass",
         {{1500, true, false, 1500}, {10000, true, false, 10000}, {20000, true, false, 17}}},
        {"time-critical leaves the latch alone",
         {{1500, false, false, 17}, {1500, true, false, 1500}, {1500, false, false, 1500}}},
        {"a scene change makes one short step",
         {{5, false, true, 17}, {5, false, false, 5}, {40, false, true, 17}}},
        {"the clock never runs backwards", {{-50, false, false, 0}, {16, false, false, 16}}},
        {"a stall with a scene change", {{1500, false, true, 17}, {1500, false, false, 1500}}},
    };
    WithGameMain(rig_, [&](CGameMain& game, TestApplication&) {
        for (const StepCase& c : cases) {
            // A fresh start: one zero step clears the latch.
            FrameClockFlags() = CFrameClockFlags();
            game.GetFrameDelta();
            for (size_t i = 0; i < c.steps.size(); ++i) {
                const Step& step = c.steps[i];
                rig_.clock.now += step.advance;
                FrameClockFlags().timeCritical = step.timeCritical;
                FrameClockFlags().shortStepOnce = step.shortStepOnce;
                EXPECT_EQ(game.GetFrameDelta(), step.expected) << c.name << ", step " << i;
                EXPECT_FALSE(FrameClockFlags().shortStepOnce) << c.name;
            }
        }
    });
}

TEST_F(FrameDeltaTest, MusicSynchronisedStepsFollowTheVoiceUntilItStops) {
    CFakeVoices voices;
    rig_.voices = &voices;
    WithGameMain(rig_, [&](CGameMain& game, TestApplication&) {
        game.GetFrameDelta();
        CFrameClockFlags& flags = FrameClockFlags();
        flags.musicSync = true;
        flags.musicSyncGroup = 2;
        flags.musicSyncChannel = 7;
        flags.musicSyncLastPosition = 0;
        flags.shortStepOnce = true;

        // The voice's advance, whatever the clock says and however large.
        const struct {
            int clock;
            uint32_t position;
            int expected;
        } synced[] = {{16, 100, 100}, {16, 1600, 1500}, {3, 31600, 30000}, {16, 31000, 0}};
        for (const auto& s : synced) {
            rig_.clock.now += s.clock;
            voices.position = s.position;
            EXPECT_EQ(game.GetFrameDelta(), s.expected) << s.position;
            EXPECT_TRUE(flags.musicSync);
            EXPECT_EQ(flags.musicSyncLastPosition, s.position);
        }
        EXPECT_EQ(voices.asked, std::vector<int>(4, 207));
        // The short step waits for the mode to end.
        EXPECT_TRUE(flags.shortStepOnce);

        // The voice stops: the mode ends and the clock rules apply at once.
        voices.playing = false;
        rig_.clock.now += 40;
        EXPECT_EQ(game.GetFrameDelta(), 17);
        EXPECT_FALSE(flags.musicSync);
        EXPECT_FALSE(flags.shortStepOnce);
        rig_.clock.now += 40;
        EXPECT_EQ(game.GetFrameDelta(), 40);
        EXPECT_EQ(voices.asked.size(), 5u);
    });
}

TEST_F(FrameDeltaTest, WithoutAVoiceOfItsOwnTheSynchronisedClockEnds) {
    // The game main's own groups: an unknown group kind, and a group whose
    // channel has no voice.
    WithGameMain(rig_, [&](CGameMain& game, TestApplication&) {
        game.GetFrameDelta();
        for (int group : {0, 2, 4}) {
            FrameClockFlags().musicSync = true;
            FrameClockFlags().musicSyncGroup = group;
            rig_.clock.now += 1500;
            EXPECT_EQ(game.GetFrameDelta(), 17) << group;
            EXPECT_FALSE(FrameClockFlags().musicSync) << group;
            rig_.clock.now += 16;
            game.GetFrameDelta();
        }
    });
}

}  // namespace
