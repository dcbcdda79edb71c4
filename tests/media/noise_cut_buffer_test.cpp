#include <gtest/gtest.h>

#include "media/noise_cut_buffer.h"
#include "media/sound_device.h"
#include "media_fixture.h"

namespace {

DWORD Status(IDirectSoundBuffer* buffer) {
    DWORD status = 0;
    EXPECT_EQ(buffer->GetStatus(&status), DS_OK);
    return status;
}

TEST(NoiseCutBuffer, LoopsOneSecondOfSilenceAndStopKeepsIt) {
    CSoundDeviceUse use;
    ASSERT_NE(GetDirectSound(), nullptr);
    CNoiseCutBuffer noiseCut;
    noiseCut.Play();  // nothing yet
    ASSERT_EQ(noiseCut.Create(GetDirectSound()), 1);
    IDirectSoundBuffer* buffer = noiseCut.GetBuffer();
    WAVEFORMATEX format = {};
    ASSERT_EQ(buffer->GetFormat(&format, sizeof format, nullptr), DS_OK);
    EXPECT_EQ(format.nChannels, 2);
    EXPECT_EQ(format.nSamplesPerSec, 22050u);
    EXPECT_EQ(format.wBitsPerSample, 16);
    DSBCAPS caps = {};
    caps.dwSize = sizeof caps;
    ASSERT_EQ(buffer->GetCaps(&caps), DS_OK);
    EXPECT_EQ(caps.dwBufferBytes, 88200u);
    void* part = nullptr;
    DWORD bytes = 0;
    ASSERT_EQ(buffer->Lock(0, 0, &part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    EXPECT_EQ(Bytes(static_cast<uint8_t*>(part), static_cast<uint8_t*>(part) + bytes), Bytes(88200, 0));
    buffer->Unlock(part, bytes, nullptr, 0);

    noiseCut.Play();
    EXPECT_EQ(Status(buffer) & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING), DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    noiseCut.Stop();
    EXPECT_EQ(Status(buffer) & DSBSTATUS_PLAYING, 0u);
    EXPECT_TRUE(noiseCut.IsCreated());
    noiseCut.Play();
    EXPECT_EQ(noiseCut.GetBuffer(), buffer) << "the same buffer plays again";
    EXPECT_NE(Status(buffer) & DSBSTATUS_PLAYING, 0u);
    EXPECT_EQ(noiseCut.Destroy(), 1);
    EXPECT_FALSE(noiseCut.IsCreated());
}

TEST(NoiseCutBuffer, WithoutADeviceIsASoundBox) {
    CNoiseCutBuffer noiseCut;
    ExpectBox([&] { noiseCut.Create(nullptr); }, ErrorKind::Sound, kModuleNoiseCutBuffer, 59);
    EXPECT_FALSE(noiseCut.IsCreated());
}

}  // namespace
