#include <gtest/gtest.h>

#include "media/mixer_volume.h"

namespace {

TEST(MixerVolume, PercentOfTheControlsRangeRoundedToTheNearest) {
    struct Row {
        DWORD minimum, maximum, value, percent;
    };
    const Row rows[] = {
        {0, 65535, 32768, 50}, {0, 65535, 0, 0},    {0, 65535, 65535, 100}, {0, 65535, 655, 1},
        {0, 65535, 327, 0},    {100, 200, 150, 50}, {100, 200, 104, 4},     {0, 100, 5, 5},
    };
    for (const Row& row : rows) {
        DWORD percent = 999;
        ASSERT_TRUE(MixerPercent(row.minimum, row.maximum, row.value, &percent));
        EXPECT_EQ(percent, row.percent) << row.minimum << ".." << row.maximum << " at " << row.value;
    }
}

TEST(MixerVolume, AnEmptyRangeHasNoPercentage) {
    DWORD percent = 7;
    EXPECT_FALSE(MixerPercent(500, 500, 500, &percent));
    EXPECT_EQ(percent, 7u);
}

TEST(MixerVolume, TheSystemMixerAnswersAPercentageOrAnError) {
    for (int line : {0, 1}) {
        CMixerVolume mixer(line);
        DWORD percent = 1000;
        int result = mixer.GetVolume(&percent);
        if (result == 1)
            EXPECT_LE(percent, 100u);
        else
            EXPECT_EQ(percent, 1000u) << "a failed read leaves the value alone";
        DWORD mute = 2;
        int muteResult = mixer.GetMute(&mute);
        if (muteResult == 1)
            EXPECT_LE(mute, 1u);
        else
            EXPECT_EQ(mute, 2u);
        mixer.Close();
        EXPECT_EQ(mixer.GetVolume(&percent), 0) << "a closed mixer reads nothing";
    }
}

}  // namespace
