// The sound group's own state: kind, volume and mute, which change only
// while the process has a sound device.
#include <gtest/gtest.h>

#include "media/sound_available.h"
#include "media/sound_group.h"
#include "media_fixture.h"

namespace {

TEST(SoundGroup, StartsAtFullVolumeUnmutedOfItsKind) {
    CSoundGroup group(3);
    EXPECT_EQ(group.GetKind(), 3);
    EXPECT_EQ(group.GetVolume(), 0);
    EXPECT_FALSE(group.IsMuted());
}

TEST(SoundGroup, TheFlagStartsFalse) { EXPECT_FALSE(IsSoundAvailable()); }

TEST(SoundGroup, SettingsChangeOnlyWhileSoundIsAvailable) {
    CSoundGroup group(1);
    {
        SoundAvailableScope scope(false);
        group.SetVolume(-2500);
        group.SetMute(true);
        group.Update(17);
        group.Clear();
        EXPECT_EQ(group.GetVolume(), 0);
        EXPECT_FALSE(group.IsMuted());
    }
    {
        SoundAvailableScope scope(true);
        group.SetVolume(-2500);
        group.SetMute(true);
        EXPECT_EQ(group.GetVolume(), -2500);
        EXPECT_TRUE(group.IsMuted());
        group.SetMute(false);
        EXPECT_FALSE(group.IsMuted());
    }
}

}  // namespace
