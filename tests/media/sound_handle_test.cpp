#include <gtest/gtest.h>

#include "buffer_fixture.h"
#include "media/one_shot_buffer.h"
#include "media/sound_handle.h"
#include "media/stream_buffer.h"

namespace {

class SoundHandleTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(GetDirectSound(), nullptr);
        Bytes ogg = MediaBytes("Snd/mono.ogg");
        archive_.PutAll({{"short.wav", RampWave(22050, 1999)},
                         {"edge.wav", RampWave(22050, 2000)},
                         {"tone.OGG", ogg},
                         {"tone.Wav", RampWave(22050, 500)}},
                        2);
        avi_ = temp_.Write("movie.AVI", MediaBytes("avi/pcm8.avi"));
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    template <typename T>
    const T* BufferAs(const CSoundHandle& handle) {
        return dynamic_cast<const T*>(&handle.GetBuffer());
    }

    CSoundDeviceUse use_;
    CSoundArchive archive_;
    CTempFolder temp_;
    std::string avi_;
};

TEST_F(SoundHandleTest, TheExtensionInAnyCasePicksTheDecoderAndTheLengthTheBuffer) {
    struct Row {
        std::string name;
        uint16_t bits;
        uint32_t rate;
        bool streamed;
    };
    const Row rows[] = {
        {"D/short.wav", 16, 22050, false},
        {"D/edge.wav", 16, 22050, true},
        {"D/tone.OGG", 16, 22050, true},
        {"D/tone.Wav", 16, 22050, false},
        {avi_, 8, 22050, true},
    };
    CSoundHandle handle;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(handle.Open(row.name.c_str()), 1);
        EXPECT_TRUE(handle.IsLoaded());
        EXPECT_EQ(handle.GetFileName(), row.name);
        ASSERT_NE(handle.GetFormat(), nullptr);
        EXPECT_EQ(handle.GetFormat()->wBitsPerSample, row.bits);
        EXPECT_EQ(handle.GetFormat()->nSamplesPerSec, row.rate);
        EXPECT_EQ(BufferAs<CStreamBuffer>(handle) != nullptr, row.streamed);
        EXPECT_EQ(BufferAs<COneShotBuffer>(handle) != nullptr, !row.streamed);
        EXPECT_EQ(handle.IsPrimed(), row.streamed) << "a one-shot buffer is never primed";
    }
    EXPECT_EQ(handle.GetLength(), 2500u);
}

TEST_F(SoundHandleTest, BadNamesAreBoxesAndLeaveTheHandleClosed) {
    struct Row {
        const char* name;
        int place;
    };
    const Row rows[] = {
        {nullptr, 49},
        {"D/noextension", 65},
        {"D/tone.mp3", 65},
        {"D/dot.wav/folder", 65},
        {"missing.avi", 74},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name ? row.name : "null");
        CSoundHandle handle;
        ASSERT_EQ(handle.Open("D/edge.wav"), 1);
        ExpectBox([&] { handle.Open(row.name); }, ErrorKind::Sound, kModuleSoundHandle, row.place);
        // A null name is refused before anything is touched.
        EXPECT_EQ(handle.IsLoaded(), row.place == 49);
        if (row.place != 49) {
            EXPECT_EQ(handle.GetFormat(), nullptr);
            EXPECT_EQ(handle.GetFileName(), row.name);
            EXPECT_NE(dynamic_cast<const CNullSoundBuffer*>(&handle.GetBuffer()), nullptr);
        }
    }
}

TEST_F(SoundHandleTest, AClosedHandleAnswersFromTheNullBuffer) {
    CSoundHandle handle;
    handle.Play();
    EXPECT_EQ(handle.SetLoop(true), 1);
    EXPECT_EQ(handle.SetPan(100), 1);
    EXPECT_EQ(handle.SetVolume(-100), 1);
    EXPECT_EQ(handle.SetFrequency(11025), 1);
    EXPECT_EQ(handle.SetPauseWhenMuted(false), 1);
    EXPECT_FALSE(handle.IsPrimed());
    EXPECT_FALSE(handle.IsPlaying());
    EXPECT_FALSE(handle.IsLooping());
    EXPECT_EQ(handle.GetPan(), 0);
    EXPECT_EQ(handle.GetFrequency(), 0u);
    EXPECT_EQ(handle.GetLength(), 0u);
    EXPECT_EQ(handle.GetPosition(), 0u);
    EXPECT_EQ(handle.GetFormat(), nullptr);
    EXPECT_EQ(handle.Close(), 1);
}

TEST_F(SoundHandleTest, TheMuteFlagOutlivesCloseAndMutesEveryNewBuffer) {
    CSoundHandle handle;
    handle.SetMute(true);
    ASSERT_EQ(handle.Open("D/short.wav"), 1);
    EXPECT_TRUE(const_cast<CSoundBuffer&>(handle.GetBuffer()).IsMuted());
    handle.Close();
    ASSERT_EQ(handle.Open("D/edge.wav"), 1);
    EXPECT_TRUE(const_cast<CSoundBuffer&>(handle.GetBuffer()).IsMuted());
    handle.SetMute(false);
    ASSERT_EQ(handle.Open("D/tone.Wav"), 1);
    EXPECT_FALSE(const_cast<CSoundBuffer&>(handle.GetBuffer()).IsMuted());
    EXPECT_EQ(handle.GetFileName(), "D/tone.Wav");
}

TEST_F(SoundHandleTest, ForwardsPlaybackToItsBuffer) {
    CSoundHandle handle;
    ASSERT_EQ(handle.Open("D/edge.wav"), 1);
    EXPECT_EQ(handle.SetPan(-2000), DS_OK);
    EXPECT_EQ(handle.GetPan(), -2000);
    EXPECT_EQ(handle.SetFrequency(30000), DS_OK);
    EXPECT_EQ(handle.GetFrequency(), 30000u);
    EXPECT_EQ(handle.SetLoop(true), 0);
    EXPECT_TRUE(handle.IsLooping());
    handle.Play();
    EXPECT_TRUE(handle.IsPlaying());
    EXPECT_FALSE(handle.IsPrimed());
    handle.Pause();
    EXPECT_FALSE(handle.IsPlaying());
    handle.Resume();
    EXPECT_TRUE(handle.IsPlaying());
    handle.Stop();
    EXPECT_FALSE(handle.IsPlaying());
}

}  // namespace
