// Voices and groups on the real DirectSound, with sound available and a few
// ramp sounds in D.dat: D/tone.wav (300 ms, one-shot), D/short.wav (1500 ms,
// one-shot), D/long.wav and D/other.wav (2500 ms, streamed).
#pragma once

#include <gtest/gtest.h>

#include "media/sound_buffer.h"
#include "media/sound_device.h"
#include "media/sound_voice.h"
#include "media_fixture.h"
#include "platform/frame_clock_flags.h"

class VoiceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(GetDirectSound(), nullptr);
        archive_.PutAll({{"tone.wav", RampWave(22050, 300)},
                         {"short.wav", RampWave(22050, 1500)},
                         {"long.wav", RampWave(22050, 2500)},
                         {"other.wav", RampWave(22050, 2500)}},
                        2);
        FrameClockFlags() = CFrameClockFlags();
        ClearRecordedErrors();
    }
    void TearDown() override {
        EXPECT_TRUE(RecordedErrors().empty());
        FrameClockFlags() = CFrameClockFlags();
    }

    static CSoundBuffer& BufferOf(CSoundVoice& voice) { return const_cast<CSoundBuffer&>(voice.GetBuffer()); }

    CSoundDeviceUse use_;
    CSoundArchive archive_;
    SoundAvailableScope available_{true};
};
