// The script's sound actions on real voices: when a play reloads its file,
// the values it applies, the empty name, and the volume, pan and frequency
// animators step by step.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "media/sound_group.h"
#include "script/sound_animators.h"
#include "script/sound_commands.h"
#include "voice_fixture.h"

namespace {

class SoundCommandTest : public VoiceTest {
public:
    CSoundVoice& Voice() { return *group_.GetOrCreateVoice(1); }

    void Run(CSoundCommand&& command) { group_.ApplyAction(1, &command); }

    static SoundPlayRequest Request(std::string file, bool continuePlaying) {
        SoundPlayRequest request;
        request.file = std::move(file);
        request.continuePlaying = continuePlaying;
        return request;
    }

    CSoundGroup group_{1};
};

// A reload closes the voice, which drops its animators: a long fade started
// before the play tells whether the play loaded its file again.
TEST_F(SoundCommandTest, APlayReloadsOnlyWhenTheFileDiffersOrTheSoundHasStopped) {
    struct Row {
        const char* state;
        std::function<void(SoundCommandTest&)> prepare;
        const char* file;
        bool continuePlaying;
        bool reloaded;
        bool playing;
    };
    auto playing = [](SoundCommandTest& t) { t.Run(CSoundPlayCommand(Request("D/long.wav", false))); };
    auto stopped = [](SoundCommandTest& t) {
        t.Run(CSoundPlayCommand(Request("D/long.wav", false)));
        t.Run(CSoundStopCommand());
    };
    auto loadedAhead = [](SoundCommandTest& t) { t.Run(CSoundLoadCommand("D/long.wav")); };
    auto endedByItself = [](SoundCommandTest& t) {
        t.Run(CSoundPlayCommand(Request("D/tone.wav", false)));
        for (int i = 0; i < 100 && t.Voice().IsPlaying(); ++i) Sleep(20);
        ASSERT_FALSE(t.Voice().IsPlaying());
        ASSERT_TRUE(t.Voice().IsStarted()) << "the voice's own flag stays set";
    };
    const Row rows[] = {
        {"same file playing", playing, "D/long.wav", false, false, true},
        {"same file playing", playing, "D/long.wav", true, false, true},
        {"other file playing", playing, "D/other.wav", false, true, true},
        {"other file playing", playing, "D/other.wav", true, true, true},
        {"same file stopped", stopped, "D/long.wav", false, true, true},
        {"same file stopped", stopped, "D/long.wav", true, false, true},
        {"same file loaded ahead", loadedAhead, "D/long.wav", false, false, true},
        {"other file loaded ahead", loadedAhead, "D/other.wav", false, true, true},
        {"one-shot ended", endedByItself, "D/tone.wav", false, true, true},
        // Kept, and the voice still counts as started, so nothing restarts.
        {"one-shot ended", endedByItself, "D/tone.wav", true, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.state) + " -> " + row.file + (row.continuePlaying ? " continue" : " play"));
        group_.Clear();
        row.prepare(*this);
        Run(CSoundVolumeCommand(-10000, 100000));
        ASSERT_TRUE(Voice().IsVolumeFading());
        Run(CSoundPlayCommand(Request(row.file, row.continuePlaying)));
        EXPECT_EQ(!Voice().IsVolumeFading(), row.reloaded);
        EXPECT_EQ(Voice().IsPlaying(), row.playing);
    }
}

TEST_F(SoundCommandTest, APlayAppliesLoopVolumePanAndFrequencyInThousandths) {
    struct Row {
        int32_t volume, pan, frequency;
        bool loop;
        long bufferVolume, bufferPan;
        DWORD rate;
    };
    const Row rows[] = {
        {1000, 0, 0, false, 0, 0, 22050},
        {500, -1000, 2000, true, -5000, -10000, 44100},
        {0, 1000, 500, false, -10000, 10000, 11025},
        {900, 250, 1000, true, -1000, 2500, 22050},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.volume);
        group_.Clear();
        SoundPlayRequest request = Request("D/long.wav", false);
        request.volume = ScriptSoundVolume(row.volume);
        request.pan = ScriptSoundPan(row.pan);
        request.frequency = row.frequency;
        request.loop = row.loop;
        Run(CSoundPlayCommand(request));
        EXPECT_TRUE(Voice().IsPlaying());
        EXPECT_EQ(Voice().IsLooping(), row.loop);
        EXPECT_EQ(Voice().GetVolume(), row.bufferVolume);
        EXPECT_EQ(BufferOf(Voice()).GetVolume(), row.bufferVolume);
        EXPECT_EQ(Voice().GetPan(), row.bufferPan);
        EXPECT_EQ(Voice().GetFrequency(), row.rate);
    }
}

TEST_F(SoundCommandTest, AnEmptyNameStopsTheChannelAndReleasesTheClock) {
    SoundPlayRequest request = Request("D/long.wav", false);
    request.synchronise = true;
    Run(CSoundPlayCommand(request));
    EXPECT_TRUE(FrameClockFlags().musicSync);
    Run(CSoundPlayCommand(Request("", false)));
    EXPECT_FALSE(Voice().IsPlaying());
    EXPECT_FALSE(Voice().IsStarted());
    EXPECT_FALSE(FrameClockFlags().musicSync);
    EXPECT_EQ(Voice().GetFileName(), "D/long.wav") << "stopped, not unloaded";
}

TEST_F(SoundCommandTest, StopPauseResumeLoopAndLoadAct) {
    Run(CSoundLoadCommand("D/long.wav"));
    EXPECT_TRUE(Voice().IsPrimed());
    EXPECT_FALSE(Voice().IsPlaying());
    Run(CSoundLoadCommand(""));
    EXPECT_TRUE(Voice().IsPrimed()) << "an empty name loads nothing";
    Run(CSoundPlayCommand(Request("D/long.wav", true)));
    EXPECT_TRUE(Voice().IsPlaying());
    EXPECT_FALSE(Voice().IsLooping());
    Run(CSoundLoopCommand(true));
    EXPECT_TRUE(Voice().IsLooping());
    Run(CSoundPauseCommand());
    EXPECT_FALSE(Voice().IsPlaying());
    EXPECT_TRUE(BufferOf(Voice()).IsPaused());
    Run(CSoundResumeCommand());
    EXPECT_TRUE(Voice().IsPlaying());
    Run(CSoundLoopCommand(false));
    EXPECT_FALSE(Voice().IsLooping());
    Run(CSoundStopCommand());
    EXPECT_FALSE(Voice().IsPlaying());
}

TEST_F(SoundCommandTest, AnimatorsMoveFromTheCurrentValueToTheTarget) {
    struct Row {
        const char* name;
        std::function<std::unique_ptr<CSoundCommand>()> make;
        std::function<long(CSoundVoice&)> read;
        long at0, at50, at100;
        bool (CSoundVoice::*running)() const;
    };
    const Row rows[] = {
        {"volume", [] { return std::make_unique<CSoundVolumeCommand>(ScriptSoundVolume(500), 100); },
         [](CSoundVoice& v) { return v.GetVolume(); }, -2000, -3500, -5000, &CSoundVoice::IsVolumeFading},
        {"pan", [] { return std::make_unique<CSoundPanCommand>(ScriptSoundPan(-1000), 100); },
         [](CSoundVoice& v) { return v.GetPan(); }, 3000, -3500, -10000, &CSoundVoice::IsPanMoving},
        // 22050 Hz to half of the sound's own rate: 16537.5 rounds away from 0.
        {"frequency", [] { return std::make_unique<CSoundFrequencyCommand>(500, 100); },
         [](CSoundVoice& v) { return static_cast<long>(v.GetFrequency()); }, 22050, 16538, 11025,
         &CSoundVoice::IsFrequencyMoving},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        group_.Clear();
        SoundPlayRequest request = Request("D/long.wav", false);
        request.volume = -2000;
        request.pan = 3000;
        Run(CSoundPlayCommand(request));
        std::unique_ptr<CSoundCommand> animator = row.make();
        group_.ApplyAction(1, animator.get());
        EXPECT_EQ(row.read(Voice()), row.at0);
        EXPECT_TRUE((Voice().*row.running)());
        group_.Update(50);
        EXPECT_EQ(row.read(Voice()), row.at50);
        EXPECT_TRUE((Voice().*row.running)());
        group_.Update(50);
        EXPECT_EQ(row.read(Voice()), row.at100);
        EXPECT_FALSE((Voice().*row.running)());
    }
}

TEST_F(SoundCommandTest, AFrequencyAnimatorOnAVoiceWithoutASoundWritesNothing) {
    Run(CSoundFrequencyCommand(2000, 0));
    EXPECT_EQ(Voice().GetFrequency(), 0u);
    EXPECT_TRUE(Voice().IsFrequencyMoving());
    group_.Update(17);
    EXPECT_FALSE(Voice().IsFrequencyMoving());
}

}  // namespace
