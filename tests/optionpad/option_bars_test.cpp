#include "optionpad/option_bars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Puts the setting of a bar to a value (volumes in hundredths of a decibel,
// the game speed as a factor, the rest as they are stored).
void SetSetting(CConfig& config, OptionBar bar, double value) {
    switch (bar) {
        case OptionBar::kSEVolume:
            config.SetSEVolume(static_cast<int32_t>(value));
            break;
        case OptionBar::kBGMVolume:
            config.SetBGMVolume(static_cast<int32_t>(value));
            break;
        case OptionBar::kBaseFPS:
            config.SetBaseFPS(static_cast<int32_t>(value));
            break;
        case OptionBar::kGameSpeed:
            config.SetGameSpeed(static_cast<float>(value));
            break;
        case OptionBar::kSkipWait:
            config.SetSkipWait(static_cast<int32_t>(value));
            break;
    }
}

double GetSetting(const CConfig& config, OptionBar bar) {
    switch (bar) {
        case OptionBar::kSEVolume:
            return config.GetSEVolume();
        case OptionBar::kBGMVolume:
            return config.GetBGMVolume();
        case OptionBar::kBaseFPS:
            return config.GetBaseFPS();
        case OptionBar::kGameSpeed:
            return config.GetGameSpeed();
        case OptionBar::kSkipWait:
            break;
    }
    return config.GetSkipWait();
}

// The setters post a notice to this thread for every change; a test that
// makes thousands of changes takes them out of the queue now and then, before
// it fills.
void DropSettingNotices() {
    MSG message;
    while (PeekMessageA(&message, nullptr, kSettingChangedMessage, kSettingChangedMessage,
                        PM_REMOVE)) {
    }
}

const OptionBar kAllBars[] = {OptionBar::kSEVolume, OptionBar::kBGMVolume, OptionBar::kBaseFPS,
                              OptionBar::kGameSpeed, OptionBar::kSkipWait};

struct ShowRow {
    OptionBar bar;
    double setting;
    int position;
    const char* label;  // Shift-JIS
};

TEST(OptionBars, SettingsShowAsBarPositionsAndLabels) {
    const ShowRow rows[] = {
        {OptionBar::kSEVolume, 0, 5, "5"},
        {OptionBar::kSEVolume, -500, 4, "4"},
        {OptionBar::kSEVolume, -1000, 3, "3"},
        {OptionBar::kSEVolume, -1500, 2, "2"},
        {OptionBar::kSEVolume, -2000, 1, "1"},
        {OptionBar::kSEVolume, -10000, 0, "0-OFF"},
        {OptionBar::kSEVolume, -3000, 0, "0-OFF"},
        {OptionBar::kSEVolume, -1, 0, "0-OFF"},
        {OptionBar::kBGMVolume, -10000, 0, "0-OFF"},
        {OptionBar::kBGMVolume, -2000, 1, "1"},
        {OptionBar::kBGMVolume, -1500, 2, "2"},
        {OptionBar::kBGMVolume, -1000, 3, "3"},
        {OptionBar::kBGMVolume, -500, 4, "4"},
        {OptionBar::kBGMVolume, 0, 5, "5"},
        {OptionBar::kBGMVolume, -3000, 5, "5"},
        {OptionBar::kBGMVolume, -9999, 5, "5"},
        {OptionBar::kBaseFPS, 60, 60, "60FPS"},
        {OptionBar::kBaseFPS, 15, 15, "15FPS"},
        {OptionBar::kBaseFPS, 45, 45, "45FPS"},
        {OptionBar::kGameSpeed, 1.0, 1000, "1.00倍"},
        {OptionBar::kGameSpeed, 0.5, 500, "0.50倍"},
        {OptionBar::kGameSpeed, 0.6, 600, "0.60倍"},
        {OptionBar::kGameSpeed, 16.0, 16000, "16.00倍"},
        {OptionBar::kGameSpeed, 32.0, 32000, "32.00倍"},
        // 1.05 is stored as 1.0499999...: the position is cut, the label rounded.
        {OptionBar::kGameSpeed, 1.05, 1049, "1.05倍"},
        {OptionBar::kSkipWait, 0, 0, "0.0秒"},
        {OptionBar::kSkipWait, 500, 500, "0.5秒"},
        {OptionBar::kSkipWait, 1234, 1234, "1.2秒"},
        {OptionBar::kSkipWait, 10000, 10000, "10.0秒"},
    };
    for (const ShowRow& row : rows) {
        CConfig config;
        SetSetting(config, row.bar, row.setting);
        EXPECT_EQ(GetBarPosition(config, row.bar), row.position)
            << static_cast<int>(row.bar) << " " << row.setting;
        EXPECT_EQ(GetBarLabel(config, row.bar), row.label)
            << static_cast<int>(row.bar) << " " << row.setting;
    }
}

TEST(OptionBars, VolumeBarsIgnoreThePlaySwitches) {
    CConfig config;
    config.SetPlaySE(false);
    config.SetPlayBGM(false);
    EXPECT_EQ(GetBarPosition(config, OptionBar::kSEVolume), 5);
    EXPECT_EQ(GetBarPosition(config, OptionBar::kBGMVolume), 5);
    EXPECT_EQ(GetBarLabel(config, OptionBar::kSEVolume), "5");
}

constexpr int kNoCode = -1;
constexpr int kUnchanged = -2;

struct ScrollRow {
    OptionBar bar;
    double setting;  // before the action
    int code;
    int thumb;
    int position;   // after the action, or kUnchanged for codes that do nothing
    double stored;  // the bar's setting then
    int play;       // the volume bar's play switch then, or -1
};

TEST(OptionBars, ScrollActionsMoveWithinTheRangeAndStoreTheBarsSetting) {
    const ScrollRow rows[] = {
        {OptionBar::kGameSpeed, 0.5, SB_LINERIGHT, 0, 600, 0.6f, -1},
        {OptionBar::kGameSpeed, 1.0, SB_THUMBPOSITION, 16000, 16000, 16.0f, -1},
        {OptionBar::kGameSpeed, 1.0, SB_THUMBTRACK, 1049, 1049, 1.0f, -1},
        {OptionBar::kGameSpeed, 1.0, SB_THUMBTRACK, 1050, 1050, 1.1f, -1},
        {OptionBar::kGameSpeed, 1.0, SB_PAGELEFT, 0, 500, 0.5f, -1},
        {OptionBar::kGameSpeed, 1.0, SB_PAGERIGHT, 0, 2000, 2.0f, -1},
        // From 32.0 the bar stands at its end: touching it stores at most 16.0.
        {OptionBar::kGameSpeed, 32.0, SB_LINERIGHT, 0, 16000, 16.0f, -1},
        {OptionBar::kGameSpeed, 32.0, SB_LINELEFT, 0, 15900, 15.9f, -1},
        {OptionBar::kBaseFPS, 60, SB_LINERIGHT, 0, 60, 60, -1},
        {OptionBar::kBaseFPS, 60, SB_THUMBPOSITION, 44, 44, 30, -1},
        {OptionBar::kBaseFPS, 60, SB_PAGELEFT, 0, 45, 45, -1},
        {OptionBar::kBaseFPS, 15, SB_LINELEFT, 0, 15, 15, -1},
        {OptionBar::kBaseFPS, 15, SB_THUMBTRACK, 59, 59, 45, -1},
        {OptionBar::kSkipWait, 0, SB_LINERIGHT, 0, 500, 500, -1},
        {OptionBar::kSkipWait, 0, SB_THUMBPOSITION, 1234, 1234, 1000, -1},
        {OptionBar::kSkipWait, 9500, SB_PAGERIGHT, 0, 10000, 10000, -1},
        {OptionBar::kSkipWait, 10000, SB_THUMBTRACK, 9999, 9999, 9500, -1},
        {OptionBar::kSkipWait, 500, SB_PAGELEFT, 0, 0, 0, -1},
        {OptionBar::kSEVolume, 0, SB_LINELEFT, 0, 4, -500, 1},
        {OptionBar::kSEVolume, 0, SB_PAGELEFT, 0, 3, -1000, 1},
        {OptionBar::kSEVolume, 0, SB_THUMBPOSITION, 0, 0, -10000, 0},
        // The thumb as the signed high word: below the range clamps to 0.
        {OptionBar::kSEVolume, 0, SB_THUMBTRACK, -1, 0, -10000, 0},
        {OptionBar::kSEVolume, -3000, SB_LINELEFT, 0, 0, -10000, 0},
        {OptionBar::kSEVolume, -3000, SB_LINERIGHT, 0, 1, -2000, 1},
        {OptionBar::kBGMVolume, -3000, SB_LINERIGHT, 0, 5, 0, 1},
        {OptionBar::kBGMVolume, -10000, SB_PAGERIGHT, 0, 2, -1500, 1},
        {OptionBar::kBGMVolume, 0, SB_THUMBPOSITION, 0, 0, -10000, 0},
        {OptionBar::kBGMVolume, 0, SB_THUMBPOSITION, 7, 5, 0, 1},
        {OptionBar::kSEVolume, 0, SB_TOP, 0, kUnchanged, 0, -1},
        {OptionBar::kBaseFPS, 60, SB_BOTTOM, 0, kUnchanged, 60, -1},
        {OptionBar::kSkipWait, 500, SB_ENDSCROLL, 0, kUnchanged, 500, -1},
        {OptionBar::kGameSpeed, 1.0, kNoCode, 0, kUnchanged, 1.0f, -1},
    };
    for (const ScrollRow& row : rows) {
        CConfig config;
        SetSetting(config, row.bar, row.setting);
        const BarRange range = GetBarRange(row.bar);
        // Where the bar stands: its own position, held within its range.
        const int standing =
            std::clamp(GetBarPosition(config, row.bar), range.minimum, range.maximum);
        const std::optional<int> moved =
            GetScrolledPosition(GetBarSteps(row.bar), range, standing, row.code, row.thumb);
        const std::string where = std::to_string(static_cast<int>(row.bar)) + " " +
                                  std::to_string(row.setting) + " code " + std::to_string(row.code);
        if (row.position == kUnchanged) {
            EXPECT_FALSE(moved.has_value()) << where;
            continue;
        }
        ASSERT_TRUE(moved.has_value()) << where;
        EXPECT_EQ(*moved, row.position) << where;
        StoreBarPosition(config, row.bar, *moved);
        EXPECT_EQ(GetSetting(config, row.bar), row.stored) << where;
        if (row.play >= 0) {
            const bool play =
                row.bar == OptionBar::kSEVolume ? config.IsPlaySE() : config.IsPlayBGM();
            EXPECT_EQ(play, row.play == 1) << where;
        }
    }
}

TEST(OptionBars, StoringThePositionShownForAStoredSettingKeepsIt) {
    // Whatever a bar stored, the position it is then shown at stores the same
    // setting again, so a redrawn bar never drifts.
    for (OptionBar bar : kAllBars) {
        const BarRange range = GetBarRange(bar);
        for (int position = range.minimum; position <= range.maximum; ++position) {
            CConfig config;
            StoreBarPosition(config, bar, position);
            const double stored = GetSetting(config, bar);
            const int shown = GetBarPosition(config, bar);
            ASSERT_GE(shown, range.minimum);
            ASSERT_LE(shown, range.maximum);
            StoreBarPosition(config, bar, shown);
            ASSERT_EQ(GetSetting(config, bar), stored) << static_cast<int>(bar) << " " << position;
            if (position % 1000 == 0) DropSettingNotices();
        }
    }
}

TEST(OptionBars, RangesAndStepsOfTheFiveBars) {
    struct Row {
        OptionBar bar;
        BarRange range;
        BarSteps steps;
    };
    const Row rows[] = {
        {OptionBar::kSEVolume, {0, 5}, {1, 2}},
        {OptionBar::kBGMVolume, {0, 5}, {1, 2}},
        {OptionBar::kBaseFPS, {15, 60}, {15, 15}},
        {OptionBar::kGameSpeed, {500, 16000}, {100, 1000}},
        {OptionBar::kSkipWait, {0, 10000}, {500, 1000}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GetBarRange(row.bar).minimum, row.range.minimum);
        EXPECT_EQ(GetBarRange(row.bar).maximum, row.range.maximum);
        EXPECT_EQ(GetBarSteps(row.bar).line, row.steps.line);
        EXPECT_EQ(GetBarSteps(row.bar).page, row.steps.page);
    }
}

}  // namespace
