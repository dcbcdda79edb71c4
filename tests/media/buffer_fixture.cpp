#include "buffer_fixture.h"

DWORD StatusOf(IDirectSoundBuffer* buffer) {
    DWORD status = 0;
    EXPECT_EQ(buffer->GetStatus(&status), DS_OK);
    return status;
}

bool IsDirectSoundPlaying(IDirectSoundBuffer* buffer) { return (StatusOf(buffer) & DSBSTATUS_PLAYING) != 0; }

DWORD PlayCursor(IDirectSoundBuffer* buffer) {
    DWORD play = 0;
    EXPECT_EQ(buffer->GetCurrentPosition(&play, nullptr), DS_OK);
    return play;
}

LONG VolumeOf(IDirectSoundBuffer* buffer) {
    LONG volume = 1;
    EXPECT_EQ(buffer->GetVolume(&volume), DS_OK);
    return volume;
}

Bytes BufferBytes(IDirectSoundBuffer* buffer) {
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    Bytes out;
    if (buffer->Lock(0, 0, &part1, &bytes1, &part2, &bytes2, DSBLOCK_ENTIREBUFFER) != DS_OK) return out;
    out.assign(static_cast<uint8_t*>(part1), static_cast<uint8_t*>(part1) + bytes1);
    buffer->Unlock(part1, bytes1, part2, bytes2);
    return out;
}

CWaveSource& BufferTest::Ramp(uint32_t ms) {
    std::string path = archive_.Put("ramp" + std::to_string(++files_) + ".wav", RampWave(22050, ms), 2);
    source_ = std::make_unique<CWaveSource>();
    EXPECT_EQ(source_->Open(path.c_str()), 1);
    return *source_;
}
