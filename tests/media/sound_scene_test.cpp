// The sound statements and waits run by a scene under a scene host: the
// statements reach the host's groups, the channel waits hold the script
// while the sound plays or its animator runs, a synchronised start ends the
// frame, and the CD channel does nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "../script/scene_fixtures.h"
#include "platform/error_report.h"
#include "script/sound_animators.h"
#include "voice_fixture.h"

namespace {

class SoundSceneTest : public VoiceTest {
protected:
    void SetUp() override {
        VoiceTest::SetUp();
        SetVariable("@2", 0);
    }

    // Opens a scene of the text, which runs up to its first wait.
    void Open(const std::string& text) { host_.AttachScene(SceneOfText("page Main { " + text + " }")); }

    // Frames of 17 ms until @2 is 1; their number, or -1 after limit.
    int FramesUntilDone(int limit, bool realTime) {
        for (int frame = 1; frame <= limit; ++frame) {
            if (realTime) Sleep(17);
            host_.BeginFrame();
            host_.Update(17);
            if (ReadScriptVariable("@2") == 1) return frame;
        }
        return -1;
    }

    CSceneHost host_;
};

TEST_F(SoundSceneTest, StatementsReachTheGroupOfTheirChannelKind) {
    Open(R"(PlaySound("../D/tone.wav"); PlayMusic("../D/long.wav"); SoundPlay(VOICE3, "../D/long.wav");)"
         R"(SoundPlay(BGM4, "../D/long.wav"); SoundPlayEx(SE5, "../D/long.wav", 500, -1000, 2000, true);)");
    const struct {
        CSoundGroup* group;
        int channel;
        bool loop;
        long volume, pan;
        DWORD rate;
    } rows[] = {
        {host_.GetSEGroup(), 0, false, 0, 0, 22050},
        {host_.GetBGMGroup(), 0, true, 0, 0, 22050},
        {host_.GetVoiceGroup(), 3, false, 0, 0, 22050},
        {host_.GetBGMGroup(), 4, true, 0, 0, 22050},
        {host_.GetSEGroup(), 5, true, -5000, -10000, 44100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.group->GetKind()) + ":" + std::to_string(row.channel));
        CSoundVoice* voice = row.group->GetVoice(row.channel);
        ASSERT_NE(voice, nullptr);
        EXPECT_TRUE(voice->IsPlaying());
        EXPECT_EQ(voice->IsLooping(), row.loop);
        EXPECT_EQ(voice->GetVolume(), row.volume);
        EXPECT_EQ(voice->GetPan(), row.pan);
        EXPECT_EQ(voice->GetFrequency(), row.rate);
    }
    EXPECT_FALSE(host_.GetVoiceGroup()->HasChannel(0));
    EXPECT_FALSE(host_.GetSEGroup()->HasChannel(3));
}

TEST_F(SoundSceneTest, WaitPlayHoldsTheScriptUntilTheSoundHasEnded) {
    Open(R"(SoundPlay(SE1, "../D/tone.wav"); WaitPlay(SE1); Operate(@2 = 1);)");
    const DWORD start = timeGetTime();
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    ASSERT_GT(FramesUntilDone(200, true), 0);
    EXPECT_GE(timeGetTime() - start, 250u) << "the sound lasts 300 ms";
    EXPECT_FALSE(host_.GetSEGroup()->GetVoice(1)->IsPlaying());
}

TEST_F(SoundSceneTest, AChannelWaitWithoutAVoiceGoesOnAtOnce) {
    for (const char* wait : {"WaitPlay(SE9)", "WaitVolume(VOICE2)", "WaitPan(BGM0)", "WaitFrequency(CD)"}) {
        SCOPED_TRACE(wait);
        SetVariable("@2", 0);
        CSceneHost host;
        host.AttachScene(SceneOfText(std::string("page Main { ") + wait + "; Operate(@2 = 1); }"));
        EXPECT_EQ(ReadScriptVariable("@2"), 1);
    }
}

TEST_F(SoundSceneTest, WaitingForALoopingSoundToEndIsABox) {
    ExpectBox([&] { Open(R"(PlayMusic("../D/long.wav"); WaitPlay(BGM0);)"); }, ErrorKind::Internal,
              kModuleWaitStatement, 376);
}

TEST_F(SoundSceneTest, AnimatorWaitsHoldTheScriptUntilTheAnimatorEnds) {
    const char* rows[][2] = {
        {"SoundVolume(SE2, 200, 0)", "WaitVolume(SE2)"},
        {"SoundPan(SE2, 200, 1000)", "WaitPan(SE2)"},
        {"SoundFrequency(SE2, 200, 1500)", "WaitFrequency(SE2)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row[1]);
        SetVariable("@2", 0);
        CSceneHost host;
        host.AttachScene(SceneOfText(std::string(R"(page Main { SoundPlay(SE2, "../D/long.wav"); )") + row[0] +
                                     "; " + row[1] + "; Operate(@2 = 1); }"));
        // The animator reaches 200 ms in the group step of frame 12; the
        // wait lets go in that frame's script run, and the statement after
        // it runs in the next frame.
        int frame = 0;
        while (ReadScriptVariable("@2") == 0 && frame < 50) {
            host.BeginFrame();
            host.Update(17);
            ++frame;
        }
        EXPECT_EQ(frame, 13);
        CSoundVoice* voice = host.GetSEGroup()->GetVoice(2);
        EXPECT_EQ(voice->GetVolume(), row[1] == std::string("WaitVolume(SE2)") ? -10000 : 0);
    }
}

TEST_F(SoundSceneTest, ASynchronisedStartEndsTheFrameAndDrivesTheClock) {
    Open(R"(SoundSynchronizePlay(BGM1, "../D/long.wav"); Operate(@2 = 1); SoundUnsynchronize();)");
    EXPECT_EQ(ReadScriptVariable("@2"), 0) << "a Draw follows the start";
    EXPECT_TRUE(FrameClockFlags().musicSync);
    EXPECT_EQ(FrameClockFlags().musicSyncGroup, 2);
    EXPECT_EQ(FrameClockFlags().musicSyncChannel, 1);
    EXPECT_TRUE(host_.GetBGMGroup()->GetVoice(1)->IsLooping());
    EXPECT_EQ(FramesUntilDone(1, false), 1);
    EXPECT_FALSE(FrameClockFlags().musicSync);
}

TEST_F(SoundSceneTest, TheCDChannelDoesNothing) {
    Open(R"(SoundPlay(CD, "../D/tone.wav"); SoundVolume(CD, 100, 0); Operate(@2 = 1);)");
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    for (CSoundGroup* group : {host_.GetSEGroup(), host_.GetBGMGroup(), host_.GetVoiceGroup()}) {
        EXPECT_FALSE(group->HasChannel(0));
    }
}

TEST_F(SoundSceneTest, SoundContinueAcrossAPageKeepsTheMusicGoing) {
    Open(R"(SoundContinue(BGM0, "../D/long.wav"); Wait(300);)"
         R"(SoundContinue(BGM0, "../D/long.wav"); Operate(@2 = 1);)");
    CSoundVoice* voice = host_.GetBGMGroup()->GetVoice(0);
    ASSERT_NE(voice, nullptr);
    CSoundVolumeCommand fade(-100, 100000);
    host_.GetBGMGroup()->ApplyAction(0, &fade);
    ASSERT_GT(FramesUntilDone(30, true), 0);
    EXPECT_TRUE(voice->IsVolumeFading()) << "the second SoundContinue did not reload";
    EXPECT_TRUE(voice->IsPlaying());
    EXPECT_GE(voice->GetPosition(), 250u);
}

}  // namespace
