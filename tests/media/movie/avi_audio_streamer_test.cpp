// The sound worker of the AVIFile player: what it puts into the buffer, its
// position across pauses, the buffer flags it falls back through, and
// random controls while it runs.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "media/avi_damage.h"
#include "../fake_direct_sound.h"
#include "media/movie/avi_audio_streamer.h"
#include "movie_fixture.h"
#include "support/temp_folder.h"

namespace {

struct StreamCase {
    const char* movie;
    const char* reference;
    uint8_t silence;
    // A copy whose sound starts this many blocks late, each this many PCM
    // bytes, is played instead; the buffer holds that silence first.
    uint32_t lateBlocks = 0;
    uint32_t blockBytes = 0;
};

class AudioStreamerDecoding : public testing::TestWithParam<StreamCase> {};

TEST_P(AudioStreamerDecoding, TheBufferHoldsTheReferenceSoundThenSilence) {
    const StreamCase& c = GetParam();
    Bytes reference = ReadBytes(MoviePath(std::string("ref/") + c.reference));
    ASSERT_FALSE(reference.empty());
    std::string movie = MoviePath(c.movie);
    CTempFolder temp;
    if (c.lateBlocks) {
        Bytes late = ReadBytes(movie);
        avi_damage::DelaySound(late, c.lateBlocks);
        movie = temp.Write("late.avi", late);
        reference.insert(reference.begin(), size_t(c.lateBlocks) * c.blockBytes, 0);
    }
    CAviAudioStreamer streamer;
    ASSERT_EQ(streamer.OpenStream(movie), 0);
    ASSERT_EQ(streamer.Prepare(), 0);
    const uint32_t bytes = streamer.GetBufferBytes();
    const WAVEFORMATEX& pcm = streamer.GetPcmFormat();
    // About five seconds.
    EXPECT_GE(bytes, 5 * pcm.nAvgBytesPerSec);
    EXPECT_LT(bytes, 5 * pcm.nAvgBytesPerSec + 8192);
    ASSERT_LT(reference.size(), bytes / 8 * 7);
    // The converter gives 16-bit sound, also for 8-bit sources.
    EXPECT_EQ(pcm.wBitsPerSample, 16);

    EXPECT_EQ(streamer.Play(), 0);
    EXPECT_EQ(streamer.Pause(), 0);
    DWORD cursor = 0;
    ASSERT_EQ(streamer.GetBuffer()->GetCurrentPosition(&cursor, nullptr), DS_OK);
    // The worker may have refilled what was played before the pause.
    const uint32_t from = (cursor / 4096 + 2) * 4096;
    void* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(streamer.GetBuffer()->Lock(0, bytes, &data, &size, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    const uint8_t* held = static_cast<const uint8_t*>(data);
    EXPECT_EQ(std::memcmp(held + from, reference.data() + from, reference.size() - from), 0);
    bool silent = true;
    for (uint32_t i = reference.size(); i < bytes / 8 * 7; ++i) silent = silent && held[i] == c.silence;
    EXPECT_TRUE(silent);
    streamer.GetBuffer()->Unlock(data, size, nullptr, 0);
}

INSTANTIATE_TEST_SUITE_P(Generated, AudioStreamerDecoding,
                         testing::Values(StreamCase{"video1_pcm16.avi", "video1_pcm16.raw", 0},
                                         StreamCase{"video1_pcm8.avi", "video1_pcm8.raw", 0},
                                         StreamCase{"video1_msadpcm.avi", "video1_msadpcm.raw", 0},
                                         StreamCase{"cinepak_ima.avi", "cinepak_ima.raw", 0},
                                         StreamCase{"video1_pcm16.avi", "video1_pcm16.raw", 0, 17, 4},
                                         StreamCase{"cinepak_ima.avi", "cinepak_ima.raw", 0, 17, 4 * 1017}));

TEST(AudioStreamer, APausedSoundKeepsItsPositionAndCountsOnAfterResume) {
    CAviAudioStreamer streamer;
    ASSERT_EQ(streamer.OpenStream(MoviePath("video1_pcm16.avi")), 0);
    ASSERT_EQ(streamer.Prepare(), 0);
    EXPECT_EQ(streamer.GetPosition(), 0);
    const auto position = [&] { return streamer.GetPosition(); };
    streamer.Play();
    EXPECT_TRUE(streamer.IsWorkerRunning());
    EXPECT_TRUE(PositionPasses(position, 200));
    streamer.Pause();
    EXPECT_FALSE(streamer.IsWorkerRunning());
    const int paused = streamer.GetPosition();
    EXPECT_GT(paused, 200);
    EXPECT_LT(paused, 900);
    Sleep(300);
    EXPECT_EQ(streamer.GetPosition(), paused);
    streamer.Resume();
    EXPECT_GE(streamer.GetPosition(), paused);
    EXPECT_LT(streamer.GetPosition(), paused + 150);
    EXPECT_TRUE(PositionPasses(position, paused + 150));
    EXPECT_LT(streamer.GetPosition(), paused + 700);
    const int before = streamer.GetPosition();
    streamer.SetPosition(0);
    EXPECT_GE(streamer.GetPosition(), before);
    EXPECT_LT(streamer.GetPosition(), before + 150);
    streamer.Stop();
    EXPECT_FALSE(streamer.IsPlaying());
    EXPECT_FALSE(streamer.IsWorkerRunning());
}

class CFallbackFactory : public CDirectSoundFactory {
public:
    CFakeDirectSound device;
    int StartCom() override { return 0; }
    void EndCom() override {}
    HRESULT CreateDirectSound(IDirectSound** out) override {
        *out = &device;
        return DS_OK;
    }
};

TEST(AudioStreamer, TheBufferFallsBackThroughTheFlagSets) {
    IDirectSound* real = nullptr;
    CoInitialize(nullptr);
    ASSERT_EQ(CoCreateInstance(CLSID_DirectSound, nullptr, CLSCTX_INPROC_SERVER, IID_IDirectSound,
                               reinterpret_cast<void**>(&real)),
              S_OK);
    ASSERT_EQ(real->Initialize(nullptr), DS_OK);
    ASSERT_EQ(real->SetCooperativeLevel(GetDesktopWindow(), DSSCL_NORMAL), DS_OK);
    const std::vector<DWORD> all(std::begin(CAviAudioStreamer::kBufferFlags),
                                 std::end(CAviAudioStreamer::kBufferFlags));
    EXPECT_EQ(all, (std::vector<DWORD>{0x10180, 0x10080, 0x10000}));
    for (int refused = 0; refused <= 3; ++refused) {
        SCOPED_TRACE(refused);
        CFallbackFactory factory;
        factory.device.unavailableSets = refused;
        factory.device.real = real;
        CAviAudioStreamer streamer(factory);
        ASSERT_EQ(streamer.OpenStream(MoviePath("video1_pcm16.avi")), 0);
        EXPECT_EQ(streamer.Prepare(), refused < 3 ? 0 : -1);
        EXPECT_EQ(factory.device.flagsTried,
                  std::vector<DWORD>(all.begin(), all.begin() + std::min(refused + 1, 3)));
        EXPECT_EQ(streamer.GetBuffer() != nullptr, refused < 3);
        EXPECT_EQ(streamer.Play(), refused < 3 ? 0 : -1);
    }
    real->Release();
    CoUninitialize();
}

TEST(AudioStreamer, RandomControlsWhileItRunsRaiseNothingAndEndPromptly) {
    ClearRecordedErrors();
    CAviAudioStreamer streamer;
    ASSERT_EQ(streamer.OpenStream(MoviePath("cinepak_ima.avi")), 0);
    ASSERT_EQ(streamer.Prepare(), 0);
    std::mt19937 random(29);
    const DWORD start = GetTickCount();
    for (int i = 0; i < 300; ++i) {
        switch (random() % 4) {
            case 0: streamer.Play(); break;
            case 1: streamer.Pause(); break;
            case 2: streamer.Resume(); break;
            default: streamer.Stop(); break;
        }
        EXPECT_GE(streamer.GetPosition(), 0);
        if (random() % 8 == 0) Sleep(random() % 30);
    }
    EXPECT_EQ(streamer.Close(), 0);
    EXPECT_FALSE(streamer.IsWorkerRunning());
    EXPECT_LT(GetTickCount() - start, 20000u);
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
