#include <gtest/gtest.h>

#include "buffer_fixture.h"
#include "media/one_shot_buffer.h"

namespace {

// Milliseconds of a 22050 Hz 16-bit stereo play cursor.
uint32_t CursorMs(IDirectSoundBuffer* buffer) { return PlayCursor(buffer) / 4 * 1000 / 22050; }

class OneShotBufferTest : public BufferTest {
protected:
    IDirectSoundBuffer* Open(uint32_t ms) {
        Ramp(ms);
        EXPECT_EQ(buffer_.Open(source_.get()), 1);
        return buffer_.GetDirectSoundBuffer();
    }

    COneShotBuffer buffer_{clock_};
};

TEST_F(OneShotBufferTest, OpenDecodesTheWholeSoundAndTheClockGivesThePosition) {
    IDirectSoundBuffer* ds = Open(1500);
    Bytes contents = BufferBytes(ds);
    ASSERT_EQ(contents.size(), 33075u * 4);
    for (uint32_t frame : {0u, 1u, 20000u, 33074u}) EXPECT_EQ(RampFrame(&contents[frame * 4]), frame);
    EXPECT_TRUE(buffer_.IsOpen());
    EXPECT_FALSE(buffer_.IsPrimed());
    EXPECT_EQ(buffer_.GetLength(), 1500u);
    EXPECT_EQ(buffer_.GetPosition(), 0u);

    buffer_.Play();
    EXPECT_TRUE(IsDirectSoundPlaying(ds));
    EXPECT_TRUE(buffer_.IsPlaying());
    clock_.now += 300;
    EXPECT_EQ(buffer_.GetPosition(), 300u);
    clock_.now += 5000;
    EXPECT_EQ(buffer_.GetPosition(), 1500u) << "a sound that does not loop stops at its end";
    EXPECT_FALSE(buffer_.IsPrimed());
    buffer_.Stop();
    EXPECT_FALSE(IsDirectSoundPlaying(ds));
    EXPECT_EQ(buffer_.GetPosition(), 0u);
}

TEST_F(OneShotBufferTest, MutedFor700MsItResumes700MsFurtherOn) {
    IDirectSoundBuffer* ds = Open(1900);
    buffer_.Play();
    clock_.now += 300;
    buffer_.SetMute(true);
    EXPECT_FALSE(IsDirectSoundPlaying(ds)) << "muting with pause-when-muted stops DirectSound";
    EXPECT_TRUE(buffer_.IsPlaying()) << "the clock runs on";
    clock_.now += 700;
    EXPECT_EQ(buffer_.GetPosition(), 1000u);
    buffer_.SetMute(false);
    EXPECT_TRUE(IsDirectSoundPlaying(ds));
    uint32_t at = CursorMs(ds);
    EXPECT_GE(at, 1000u);
    EXPECT_LT(at, 1100u);
}

TEST_F(OneShotBufferTest, ASoundWhoseEndPassedWhileMutedIsStoppedOnUnmute) {
    IDirectSoundBuffer* ds = Open(1000);
    buffer_.Play();
    buffer_.SetMute(true);
    clock_.now += 999;
    EXPECT_TRUE(buffer_.IsPlaying());
    clock_.now += 1;
    EXPECT_FALSE(buffer_.IsPlaying()) << "the clock reached the end";
    buffer_.SetMute(false);
    EXPECT_FALSE(IsDirectSoundPlaying(ds));
    EXPECT_EQ(buffer_.GetPosition(), 0u) << "stopped";
}

TEST_F(OneShotBufferTest, MutedWithoutPausePlaysAt5000BelowAndSetVolumeOnlyStores) {
    IDirectSoundBuffer* ds = Open(1500);
    EXPECT_EQ(buffer_.SetPauseWhenMuted(false), 0);
    buffer_.SetMute(true);
    buffer_.Play();
    EXPECT_TRUE(IsDirectSoundPlaying(ds));
    EXPECT_EQ(VolumeOf(ds), -5000);
    EXPECT_EQ(buffer_.SetVolume(-300), 0);
    EXPECT_EQ(VolumeOf(ds), -5000);
    EXPECT_EQ(buffer_.GetVolume(), -300);
    buffer_.SetMute(false);
    EXPECT_EQ(VolumeOf(ds), -300);
    EXPECT_EQ(buffer_.SetVolume(-600), DS_OK);
    EXPECT_EQ(VolumeOf(ds), -600);
}

TEST_F(OneShotBufferTest, ANonNativeFrequencySwitchesPauseWhenMutedOffForGood) {
    IDirectSoundBuffer* ds = Open(1500);
    buffer_.Play();
    EXPECT_EQ(buffer_.SetFrequency(22050), DS_OK);
    buffer_.SetMute(true);
    EXPECT_FALSE(IsDirectSoundPlaying(ds)) << "the native rate keeps pause-when-muted";
    buffer_.SetMute(false);
    EXPECT_EQ(buffer_.SetFrequency(30000), DS_OK);
    EXPECT_EQ(buffer_.GetFrequency(), 30000u);
    buffer_.SetMute(true);
    EXPECT_TRUE(IsDirectSoundPlaying(ds));
    EXPECT_EQ(VolumeOf(ds), -5000);
    buffer_.SetFrequency(22050);
    buffer_.SetMute(false);
    buffer_.SetMute(true);
    EXPECT_TRUE(IsDirectSoundPlaying(ds)) << "switched off for good";
}

TEST_F(OneShotBufferTest, LoopingGrowsPastTheLengthAndSwitchingItOffEndsTheRunningPass) {
    Open(1000);
    buffer_.SetMute(true);  // the clock alone decides
    EXPECT_EQ(buffer_.SetLoop(true), 0);
    buffer_.Play();
    clock_.now += 2500;
    EXPECT_EQ(buffer_.GetPosition(), 2500u);
    EXPECT_EQ(buffer_.GetPassPosition(), 500u);
    EXPECT_EQ(buffer_.SetLoop(false), 0);
    clock_.now += 499;
    EXPECT_TRUE(buffer_.IsPlaying());
    EXPECT_EQ(buffer_.GetPosition(), 2999u);
    clock_.now += 1;
    EXPECT_FALSE(buffer_.IsPlaying());
    clock_.now += 1000;
    EXPECT_EQ(buffer_.GetPosition(), 3000u);
}

TEST_F(OneShotBufferTest, ChangingTheLoopFlagWhilePlayingPlaysOnWithTheNewFlag) {
    IDirectSoundBuffer* ds = Open(1500);
    buffer_.Play();
    EXPECT_EQ(StatusOf(ds) & DSBSTATUS_LOOPING, 0u);
    EXPECT_EQ(buffer_.SetLoop(true), 0);
    EXPECT_NE(StatusOf(ds) & DSBSTATUS_LOOPING, 0u);
    EXPECT_TRUE(buffer_.IsLooping());
    EXPECT_EQ(buffer_.SetLoop(false), 0);
    EXPECT_EQ(StatusOf(ds) & DSBSTATUS_LOOPING, 0u);
    EXPECT_TRUE(buffer_.IsPlaying());
}

TEST_F(OneShotBufferTest, PauseKeepsThePositionAndResumePlaysOnFromIt) {
    IDirectSoundBuffer* ds = Open(1500);
    buffer_.Play();
    clock_.now += 400;
    buffer_.Pause();
    EXPECT_TRUE(buffer_.IsPaused());
    EXPECT_FALSE(buffer_.IsPlaying());
    EXPECT_FALSE(IsDirectSoundPlaying(ds));
    clock_.now += 5000;
    EXPECT_EQ(buffer_.GetPosition(), 400u);
    buffer_.Resume();
    EXPECT_FALSE(buffer_.IsPaused());
    EXPECT_TRUE(IsDirectSoundPlaying(ds));
    uint32_t at = CursorMs(ds);
    EXPECT_GE(at, 400u);
    EXPECT_LT(at, 500u);
    clock_.now += 100;
    EXPECT_EQ(buffer_.GetPosition(), 500u);
}

TEST_F(OneShotBufferTest, ASoundUnderOneMillisecondDividesByOne) {
    std::string path = archive_.Put("tiny.wav", MakeWave({{"fmt ", FormatChunk(1, 2, 22050, 16)}, {"data", RampPcm(10)}}));
    CWaveSource source;
    ASSERT_EQ(source.Open(path.c_str()), 1);
    ASSERT_EQ(source.GetLengthMs(), 0u);
    ASSERT_EQ(buffer_.Open(&source), 1);
    Bytes contents = BufferBytes(buffer_.GetDirectSoundBuffer());
    ASSERT_GE(contents.size(), 40u);
    EXPECT_EQ(RampFrame(&contents[9 * 4]), 9u);
    buffer_.SetMute(true);
    buffer_.SetLoop(true);
    buffer_.Play();
    clock_.now += 5;
    EXPECT_EQ(buffer_.GetPassPosition(), 0u);
    buffer_.SetLoop(false);
    EXPECT_FALSE(buffer_.IsPlaying());
    buffer_.Pause();
    buffer_.Resume();
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
