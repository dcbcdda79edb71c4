// Buffers under test on the real DirectSound, with a clock and a timer that
// the test moves by hand, and a look into the DirectSound buffer.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "media/sound_device.h"
#include "media/stream_timer.h"
#include "media/wave_source.h"
#include "media_fixture.h"
#include "support/fake_clock.h"

// A timer that ticks only when the test says so, and can refuse to start.
class FakeStreamTimer : public CStreamTimer {
public:
    bool refuse = false;
    CTimerTarget* target = nullptr;
    uint32_t period = 0;
    int starts = 0;
    int kills = 0;

    uint32_t Start(uint32_t periodMs, CTimerTarget* timerTarget) override {
        if (refuse) return 0;
        ++starts;
        target = timerTarget;
        period = periodMs;
        return 77;
    }
    void Kill(uint32_t id) override {
        EXPECT_EQ(id, 77u);
        ++kills;
        target = nullptr;
    }
    bool Running() const { return target != nullptr; }
    void Tick() {
        ASSERT_NE(target, nullptr);
        target->OnTimer();
    }
};

DWORD StatusOf(IDirectSoundBuffer* buffer);
bool IsDirectSoundPlaying(IDirectSoundBuffer* buffer);
DWORD PlayCursor(IDirectSoundBuffer* buffer);
LONG VolumeOf(IDirectSoundBuffer* buffer);
// The whole DirectSound buffer's bytes.
Bytes BufferBytes(IDirectSoundBuffer* buffer);

class BufferTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(GetDirectSound(), nullptr); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    // A ramp WAV of that length at 22050 Hz, 16-bit stereo, opened as a source.
    CWaveSource& Ramp(uint32_t ms);

    CSoundDeviceUse use_;
    CSoundArchive archive_;
    FakeClock clock_{100000};
    FakeStreamTimer timer_;
    std::unique_ptr<CWaveSource> source_;
    int files_ = 0;
};
