// Channel voices and their groups: the effective volume and mute, the
// retrigger guard, the music-synchronised clock, loading, and a group that
// does nothing without a sound device.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/sound_group.h"
#include "platform/error_report.h"
#include "script/script_command.h"
#include "script/sound_animators.h"
#include "voice_fixture.h"

namespace {

TEST(SoundVoiceVolume, GroupAndOwnVolumesCombine) {
    struct Row {
        long group, own, effective;
    };
    const Row rows[] = {
        {0, 0, 0},
        {-5000, -5000, -7500},
        {0, -10000, -10000},
        {-10000, 0, -10000},
        {-2500, -1000, -3250},
        {-1, -1, -2},           // 9999 * 9999 / 10000 = 9998, truncated
        {-12000, 0, -12000},    // not clamped
        {-10001, -10001, -10000},
        {1000000000, 1000000000, INT_MAX},  // held to the 32-bit range
        {-1000000000, 1000000000, INT_MIN},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EffectiveSoundVolume(row.group, row.own), row.effective) << row.group << " " << row.own;
    }
}

TEST_F(VoiceTest, TheBufferGetsTheEffectiveVolumeAndIsMutedAtSilenceOrWithTheGroup) {
    struct Row {
        int32_t group;
        long own;
        bool groupMuted;
        long volume;
        bool muted;
    };
    const Row rows[] = {
        {0, 0, false, 0, false},
        {-5000, -5000, false, -7500, false},
        {0, -10000, false, -10000, true},
        {-10000, -3000, false, -10000, true},
        {-2000, 0, true, -2000, true},
        {-9999, 0, false, -9999, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.group) + " " + std::to_string(row.own));
        CSoundGroup group(1);
        group.SetVolume(row.group);
        group.SetMute(row.groupMuted);
        group.Load(4, "D/long.wav");
        CSoundVoice* voice = group.GetVoice(4);
        ASSERT_NE(voice, nullptr);
        voice->SetVolume(row.own);
        EXPECT_EQ(voice->GetEffectiveVolume(), row.volume);
        EXPECT_EQ(BufferOf(*voice).GetVolume(), row.volume);
        EXPECT_EQ(BufferOf(*voice).IsMuted(), row.muted);
    }
}

TEST_F(VoiceTest, AVoiceOfAMutedGroupStartsMutedAndFollowsTheGroup) {
    CSoundGroup group(2);
    group.SetMute(true);
    CSoundVoice* loud = group.GetOrCreateVoice(1);
    CSoundVoice* silent = group.GetOrCreateVoice(2);
    loud->Load("D/long.wav");
    silent->Load("D/long.wav");
    silent->SetVolume(-10000);
    EXPECT_TRUE(BufferOf(*loud).IsMuted());
    EXPECT_TRUE(BufferOf(*silent).IsMuted());
    group.SetMute(false);
    EXPECT_FALSE(BufferOf(*loud).IsMuted());
    EXPECT_TRUE(BufferOf(*silent).IsMuted()) << "its effective volume is -10000";
    group.SetVolume(-4000);
    EXPECT_EQ(BufferOf(*loud).GetVolume(), -4000);
    EXPECT_EQ(BufferOf(*silent).GetVolume(), -10000);
}

TEST_F(VoiceTest, ASecondPlayWithinTheGuardIsDroppedWhole) {
    CSoundGroup group(1);
    group.Load(3, "D/long.wav");
    CSoundVoice* voice = group.GetVoice(3);
    group.Play(3, false, -1000, 500);
    EXPECT_TRUE(voice->IsPlaying());
    EXPECT_EQ(voice->GetRetriggerGuard(), 17);
    group.Play(3, true, -3000, -500);
    EXPECT_EQ(BufferOf(*voice).GetVolume(), -1000);
    EXPECT_EQ(voice->GetPan(), 500);
    EXPECT_FALSE(voice->IsLooping());
    group.Update(16);
    EXPECT_EQ(voice->GetRetriggerGuard(), 1);
    group.Play(3, true, -3000, -500);
    EXPECT_EQ(voice->GetPan(), 500);
    group.Update(5);
    EXPECT_EQ(voice->GetRetriggerGuard(), 0) << "never below 0";
    group.Play(3, true, -3000, -500);
    EXPECT_EQ(BufferOf(*voice).GetVolume(), -3000);
    EXPECT_EQ(voice->GetPan(), -500);
    EXPECT_TRUE(voice->IsLooping());
    // Loading again clears the guard.
    group.Load(3, "D/long.wav");
    EXPECT_EQ(voice->GetRetriggerGuard(), 0);
}

TEST_F(VoiceTest, PlayOnAChannelWithoutAVoiceIsABox) {
    CSoundGroup group(1);
    ExpectBox([&] { group.Play(9, false, 0, 0); }, ErrorKind::Sound, kModuleSoundGroup, 225);
}

TEST_F(VoiceTest, LoadingResetsTheOwnVolumeAndDropsTheAnimators) {
    CSoundGroup group(3);
    group.Load(0, "D/long.wav");
    CSoundVoice* voice = group.GetVoice(0);
    voice->SetVolume(-3000);
    CSoundVolumeCommand fade(-10000, 5000);
    CSoundPanCommand pan(10000, 5000);
    group.ApplyAction(0, &fade);
    group.ApplyAction(0, &pan);
    EXPECT_TRUE(voice->IsVolumeFading());
    EXPECT_TRUE(voice->IsPanMoving());
    group.Load(0, "D/other.wav");
    EXPECT_EQ(voice->GetVolume(), 0);
    EXPECT_FALSE(voice->IsVolumeFading());
    EXPECT_FALSE(voice->IsPanMoving());
    EXPECT_EQ(voice->GetFileName(), "D/other.wav");
}

TEST_F(VoiceTest, ASynchronisedPlayDrivesTheClockUntilTheVoiceStopsBeingItsSource) {
    const struct {
        const char* action;
        std::function<void(CSoundVoice&)> run;
        bool stillSync;
    } rows[] = {
        {"Stop", [](CSoundVoice& v) { v.Stop(); }, false},
        {"Pause", [](CSoundVoice& v) { v.Pause(); }, false},
        {"Load", [](CSoundVoice& v) { v.Load("D/long.wav"); }, false},
        // Already playing: nothing but the volume happens.
        {"plain Play while playing", [](CSoundVoice& v) { v.Play(); }, true},
        {"Resume", [](CSoundVoice& v) { v.Resume(); }, true},
        {"SetVolume", [](CSoundVoice& v) { v.SetVolume(-100); }, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action);
        CSoundGroup group(2);
        group.Load(5, "D/long.wav");
        group.Load(6, "D/long.wav");
        CSoundVoice* voice = group.GetVoice(5);
        FrameClockFlags().musicSyncLastPosition = 1234;
        voice->Play(true);
        EXPECT_TRUE(FrameClockFlags().musicSync);
        EXPECT_EQ(FrameClockFlags().musicSyncGroup, 2);
        EXPECT_EQ(FrameClockFlags().musicSyncChannel, 5);
        EXPECT_EQ(FrameClockFlags().musicSyncLastPosition, 0u);
        // Another channel stopping leaves the clock alone.
        group.GetVoice(6)->Play();
        group.GetVoice(6)->Stop();
        EXPECT_TRUE(FrameClockFlags().musicSync);
        row.run(*voice);
        EXPECT_EQ(FrameClockFlags().musicSync, row.stillSync);
        FrameClockFlags().musicSync = false;
    }
}

TEST_F(VoiceTest, ASynchronisedPlayOfASoundUnderTwoSecondsIsABox) {
    CSoundGroup group(2);
    group.Load(0, "D/short.wav");
    ExpectBox([&] { group.GetVoice(0)->Play(true); }, ErrorKind::Sound, kModuleChannelVoice, 99);
    EXPECT_FALSE(FrameClockFlags().musicSync);
}

TEST_F(VoiceTest, PlayOnAPausedVoiceMarksItPlayingButTheBufferWaitsForResume) {
    CSoundGroup group(1);
    group.Load(0, "D/long.wav");
    CSoundVoice* voice = group.GetVoice(0);
    voice->Play();
    voice->Pause();
    EXPECT_FALSE(voice->IsStarted());
    voice->Play();
    EXPECT_TRUE(voice->IsStarted());
    EXPECT_TRUE(BufferOf(*voice).IsPaused());
    EXPECT_FALSE(voice->IsPlaying());
    voice->Resume();
    EXPECT_TRUE(voice->IsPlaying());
    EXPECT_TRUE(voice->IsStarted());
}

TEST_F(VoiceTest, AnAnimatorOfAKindReplacesTheRunningOneAndEndsInTheUpdateAfterItsTarget) {
    CSoundGroup group(1);
    group.Load(0, "D/long.wav");
    CSoundVoice* voice = group.GetVoice(0);
    CSoundVolumeCommand slow(-8000, 1000);
    CSoundVolumeCommand quick(-2000, 0);
    group.ApplyAction(0, &slow);
    group.Update(500);
    EXPECT_EQ(voice->GetVolume(), -4000);
    group.ApplyAction(0, &quick);
    EXPECT_EQ(voice->GetVolume(), -2000) << "no duration: the target in the first step";
    EXPECT_TRUE(voice->IsVolumeFading()) << "dropped by the next update";
    group.Update(17);
    EXPECT_FALSE(voice->IsVolumeFading());
    EXPECT_EQ(voice->GetVolume(), -2000);
}

TEST_F(VoiceTest, WithoutASoundDeviceTheGroupDoesNothing) {
    CSoundGroup group(1);
    group.Load(1, "D/long.wav");
    {
        SoundAvailableScope off(false);
        group.Load(2, "D/missing.wav");
        group.Play(7, false, 0, 0);
        CSoundVolumeCommand fade(-10000, 100);
        group.ApplyAction(3, &fade);
        group.Stop(1);
        group.Update(17);
        EXPECT_EQ(group.GetOrCreateVoice(4), nullptr);
        for (int channel : {1, 2, 3, 4, 7}) {
            EXPECT_FALSE(group.HasChannel(channel));
            EXPECT_EQ(group.GetVoice(channel), nullptr);
        }
        EXPECT_TRUE(RecordedErrors().empty());
    }
    EXPECT_TRUE(group.HasChannel(1));
    for (int channel : {2, 3, 4, 7}) EXPECT_FALSE(group.HasChannel(channel));
}

TEST_F(VoiceTest, VoicesAreSteppedInChannelOrderAfterTheirGuards) {
    // An animator that logs the channel and guard of the voice stepping it.
    class CLogAnimator : public CSoundCommand {
    public:
        explicit CLogAnimator(std::vector<std::string>& log) : log_(log) {}
        int GetCategory() const override { return kCategorySoundPan; }
        int GetKind() const override { return 0; }
        std::unique_ptr<CSoundCommand> Clone() const override { return std::make_unique<CLogAnimator>(log_); }
        void Start(CSoundVoice*) override {}
        bool Step(CSoundVoice* voice, int ms) override {
            if (ms > 0) {
                log_.push_back(std::to_string(voice->GetChannel()) + "/" +
                               std::to_string(voice->GetRetriggerGuard()));
            }
            return true;
        }

    private:
        std::vector<std::string>& log_;
    };
    std::vector<std::string> log;
    CLogAnimator animator(log);
    CSoundGroup group(1);
    for (int channel : {30, 2, 17}) {
        group.Load(channel, "D/long.wav");
        group.ApplyAction(channel, &animator);
    }
    group.Play(17, false, 0, 0);
    group.Update(10);
    EXPECT_EQ(log, (std::vector<std::string>{"2/0", "17/7", "30/0"}));
}

}  // namespace
