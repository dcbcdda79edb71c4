#include <gtest/gtest.h>

#include "buffer_fixture.h"
#include "media/one_shot_buffer.h"
#include "media/stream_buffer.h"

namespace {

constexpr uint32_t kRingFrames = 44100;  // two seconds at 22050 Hz

// A source that breaks for good after a number of bytes, as a damaged file
// or a lost drive would: from then on every read, also after a rewind, gives
// nothing.
class CFailingSource : public CWaveSource {
public:
    uint64_t failAfter = ~0ull;
    uint32_t Read(void* dst, uint32_t bytes) override {
        if (broken_ || GetConsumedBytes() >= failAfter) {
            broken_ = true;
            return 0;
        }
        uint64_t left = failAfter - GetConsumedBytes();
        uint32_t read = CWaveSource::Read(dst, bytes > left ? static_cast<uint32_t>(left) : bytes);
        broken_ = GetConsumedBytes() >= failAfter;
        return read;
    }

private:
    bool broken_ = false;
};


class StreamBufferTest : public BufferTest {
protected:
    IDirectSoundBuffer* Open(uint32_t ms) {
        Ramp(ms);
        EXPECT_EQ(stream_.Open(source_.get()), 1);
        return stream_.GetDirectSoundBuffer();
    }
    // Plays, then holds DirectSound still so that the test moves its cursor.
    IDirectSoundBuffer* PlayHeld() {
        stream_.Play();
        IDirectSoundBuffer* ds = stream_.GetDirectSoundBuffer();
        EXPECT_TRUE(IsDirectSoundPlaying(ds));
        ds->Stop();
        return ds;
    }
    void TickAtFrame(IDirectSoundBuffer* ds, uint32_t frame) {
        ASSERT_EQ(ds->SetCurrentPosition(frame * 4), DS_OK);
        timer_.Tick();
    }
    // The ramp frame stored at each ring frame of the range.
    static void ExpectRing(const Bytes& ring, uint32_t from, uint32_t to, const std::function<uint32_t(uint32_t)>& frame) {
        for (uint32_t i = from; i < to; ++i)
            if (RampFrame(&ring[i * 4]) != frame(i)) {
                ADD_FAILURE() << "ring frame " << i << " holds " << RampFrame(&ring[i * 4]) << ", not " << frame(i);
                return;
            }
    }

    CStreamBuffer stream_{clock_, timer_};
};

TEST_F(StreamBufferTest, OpenFillsTheRingFromTheStartAndTheFirstPlayUsesIt) {
    IDirectSoundBuffer* ds = Open(5000);
    EXPECT_EQ(stream_.GetRingBytes(), kRingFrames * 4);
    EXPECT_TRUE(stream_.IsPrimed());
    ExpectRing(BufferBytes(ds), 0, kRingFrames, [](uint32_t i) { return i; });
    EXPECT_EQ(source_->GetConsumedBytes(), kRingFrames * 4);
    PlayHeld();
    EXPECT_FALSE(stream_.IsPrimed());
    EXPECT_EQ(source_->GetConsumedBytes(), kRingFrames * 4) << "the ring was not made again";
    EXPECT_EQ(timer_.period, 100u);
    EXPECT_TRUE(timer_.Running());
}

TEST_F(StreamBufferTest, EachTickRefillsWhatWasPlayedAndThePositionFollowsTheCursor) {
    IDirectSoundBuffer* ds = Open(5000);
    PlayHeld();
    TickAtFrame(ds, 10000);
    EXPECT_EQ(stream_.GetWriteOffset(), 40000u);
    ExpectRing(BufferBytes(ds), 0, 10000, [](uint32_t i) { return kRingFrames + i; });
    ExpectRing(BufferBytes(ds), 10000, kRingFrames, [](uint32_t i) { return i; });
    EXPECT_EQ(stream_.GetPosition(), 10000u * 1000 / 22050);
    TickAtFrame(ds, 30000);
    TickAtFrame(ds, 5000);  // the cursor went round the ring
    ExpectRing(BufferBytes(ds), 0, 5000, [](uint32_t i) { return 2 * kRingFrames + i; });
    ExpectRing(BufferBytes(ds), 5000, kRingFrames, [](uint32_t i) { return kRingFrames + i; });
    EXPECT_EQ(stream_.GetPosition(), (kRingFrames + 5000) * 1000 / 22050);
}

TEST_F(StreamBufferTest, ALoopingStreamGoesOnFromTheStartWithinOneFill) {
    IDirectSoundBuffer* ds = Open(2500);  // 55125 frames
    stream_.SetLoop(true);
    PlayHeld();
    TickAtFrame(ds, 20000);
    Bytes ring = BufferBytes(ds);
    ExpectRing(ring, 0, 11025, [](uint32_t i) { return kRingFrames + i; });
    ExpectRing(ring, 11025, 20000, [](uint32_t i) { return i - 11025; });
    EXPECT_TRUE(stream_.IsPlaying());
}

TEST_F(StreamBufferTest, AfterTheEndOfAStreamThatDoesNotLoopComesSilenceUntilItsEnd) {
    IDirectSoundBuffer* ds = Open(2500);
    PlayHeld();
    TickAtFrame(ds, 20000);
    Bytes ring = BufferBytes(ds);
    ExpectRing(ring, 0, 11025, [](uint32_t i) { return kRingFrames + i; });
    EXPECT_EQ(Bytes(ring.begin() + 11025 * 4, ring.begin() + 20000 * 4), Bytes(8975 * 4, 0));
    // The position counts the silence played; at the end the tick stops it.
    TickAtFrame(ds, 40000);
    TickAtFrame(ds, 11024);  // 55124 frames played: just under 2500 ms
    EXPECT_TRUE(stream_.IsPlaying());
    EXPECT_EQ(stream_.GetPosition(), 2499u);
    ASSERT_EQ(ds->SetCurrentPosition(11026 * 4), DS_OK);  // 55126 frames: past it
    EXPECT_EQ(stream_.GetPosition(), 2500u);
    EXPECT_FALSE(stream_.IsPlaying()) << "over from the moment the end is reached";
    timer_.Tick();
    EXPECT_FALSE(timer_.Running()) << "the tick at the end killed its own timer";
    EXPECT_FALSE(stream_.IsPlaying());
    EXPECT_EQ(stream_.GetPosition(), 0u);
}

TEST_F(StreamBufferTest, ALoopingStreamWhoseSourceBreaksGoesOnInSilence) {
    CFailingSource source;
    std::string path = archive_.Put("ramp.wav", RampWave(22050, 5000));
    ASSERT_EQ(source.Open(path.c_str()), 1);
    source.failAfter = (kRingFrames + 3000) * 4;
    ASSERT_EQ(stream_.Open(&source), 1);
    IDirectSoundBuffer* ds = stream_.GetDirectSoundBuffer();
    stream_.SetLoop(true);
    PlayHeld();
    TickAtFrame(ds, 10000);
    Bytes ring = BufferBytes(ds);
    ExpectRing(ring, 0, 3000, [](uint32_t i) { return kRingFrames + i; });
    EXPECT_EQ(Bytes(ring.begin() + 3000 * 4, ring.begin() + 10000 * 4), Bytes(7000 * 4, 0))
        << "after the break and a rewind that gave nothing: silence";
    EXPECT_EQ(stream_.GetPosition(), 10000u * 1000 / 22050) << "the silence counts as played";
    TickAtFrame(ds, 20000);
    EXPECT_TRUE(stream_.IsPlaying());
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(StreamBufferTest, ResumingAt3700MsRestartsTheDecoderAtThatWholeBlock) {
    IDirectSoundBuffer* ds = Open(5000);  // 110250 frames
    stream_.SetMute(true);  // the clock alone gives the position
    stream_.Play();
    EXPECT_FALSE(timer_.Running());
    clock_.now += 3700;
    stream_.Pause();
    EXPECT_EQ(stream_.GetPosition(), 3700u);
    stream_.SetMute(false);
    clock_.now += 1234;
    stream_.Resume();
    EXPECT_TRUE(timer_.Running());
    ds->Stop();
    Bytes ring = BufferBytes(ds);
    // 88200 x 3.7 = 326340 bytes, 81585 whole frames.
    ExpectRing(ring, 0, 110250 - 81585, [](uint32_t i) { return 81585 + i; });
    EXPECT_EQ(Bytes(ring.begin() + (110250 - 81585) * 4, ring.end()), Bytes((kRingFrames - 28665) * 4, 0));
    EXPECT_EQ(PlayCursor(ds), 0u);
    EXPECT_EQ(stream_.GetPosition(), 3700u);
}

TEST_F(StreamBufferTest, PlayingAgainRewindsAndRebuildsTheRing) {
    IDirectSoundBuffer* ds = Open(5000);
    PlayHeld();
    TickAtFrame(ds, 30000);
    stream_.Stop();
    EXPECT_FALSE(timer_.Running());
    stream_.Play();
    ds->Stop();
    ExpectRing(BufferBytes(ds), 0, kRingFrames, [](uint32_t i) { return i; });
    EXPECT_EQ(stream_.GetPosition(), 0u);
}

TEST_F(StreamBufferTest, AFailedStartLeavesTheStreamStopped) {
    IDirectSoundBuffer* ds = Open(3000);
    timer_.refuse = true;
    stream_.Play();
    EXPECT_FALSE(IsDirectSoundPlaying(ds));
    EXPECT_FALSE(stream_.IsPlaying());
    EXPECT_EQ(stream_.GetPosition(), 0u);
    timer_.refuse = false;
    stream_.Play();
    EXPECT_TRUE(stream_.IsPlaying());
}

TEST_F(StreamBufferTest, ABadPositionIsABoxOnTheCallersThreadButNeverInATick) {
    IDirectSoundBuffer* ds = Open(3000);
    stream_.SetLoop(true);
    stream_.SetMute(true);
    stream_.Play();
    clock_.now += 0x90000000u;  // a clock position past what 32 signed bits hold
    stream_.SetMute(false);
    ASSERT_TRUE(timer_.Running());
    ds->Stop();
    TickAtFrame(ds, 1000);
    EXPECT_TRUE(RecordedErrors().empty());
    ExpectBox([&] { stream_.GetPosition(); }, ErrorKind::Warning, kModuleStreamingBuffer, 430);
}

TEST_F(StreamBufferTest, ASoundUnderTwoSecondsIsRefusedAndTwoSecondsIsAccepted) {
    Ramp(1999);
    ExpectBox([&] { stream_.Open(source_.get()); }, ErrorKind::Sound, kModuleStreamingBuffer, 66);
    Ramp(2000);
    EXPECT_EQ(stream_.Open(source_.get()), 1);
}

TEST(SoundBuffersWithoutADevice, OpenIsTheirCreationBox) {
    ASSERT_EQ(GetDirectSound(), nullptr);
    CSoundArchive archive;
    std::string path = archive.Put("ramp.wav", RampWave(22050, 2500));
    CWaveSource source;
    ASSERT_EQ(source.Open(path.c_str()), 1);
    COneShotBuffer oneShot;
    ExpectBox([&] { oneShot.Open(&source); }, ErrorKind::Sound, kModuleOneShotBuffer, 485);
    CStreamBuffer stream;
    ExpectBox([&] { stream.Open(&source); }, ErrorKind::Sound, kModuleStreamingBuffer, 589);
}

TEST(StreamUnderTheRealTimer, AStreamStopsItselfAtItsEndAndAFailingSourceEndsInSilence) {
    CSoundDeviceUse use;
    CSoundArchive archive;
    std::string path = archive.Put("ramp.wav", RampWave(22050, 2300));
    for (bool failing : {false, true}) {
        SCOPED_TRACE(failing ? "failing" : "whole");
        CFailingSource source;
        ASSERT_EQ(source.Open(path.c_str()), 1);
        if (failing) source.failAfter = 88200 * 2 + 4000;
        CStreamBuffer stream;
        ASSERT_EQ(stream.Open(&source), 1);
        stream.Play();
        DWORD start = timeGetTime();
        while (stream.IsPlaying() && timeGetTime() - start < 5000) Sleep(10);
        DWORD took = timeGetTime() - start;
        EXPECT_GE(took, 2250u);
        EXPECT_LT(took, 2600u);
        Sleep(250);  // the tick after the end
        EXPECT_FALSE(IsDirectSoundPlaying(stream.GetDirectSoundBuffer())) << "the tick stopped DirectSound";
        EXPECT_EQ(stream.GetPosition(), 0u);
        EXPECT_TRUE(RecordedErrors().empty());
    }
}

TEST(StreamUnderTheRealTimer, ClosingRightAfterStopNeverMeetsARunningTick) {
    CSoundDeviceUse use;
    CSoundArchive archive;
    std::string path = archive.Put("ramp.wav", RampWave(22050, 3000));
    CWaveSource source;
    ASSERT_EQ(source.Open(path.c_str()), 1);
    for (int i = 0; i < 200; ++i) {
        source.Rewind();
        auto stream = std::make_unique<CStreamBuffer>();
        stream->Open(&source);
        stream->SetLoop(i % 2 == 0);
        stream->Play();
        if (i % 5 == 0) Sleep(100 + i % 3);
        stream->Stop();
        stream->Close();
        stream.reset();
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
