// One second of silence kept playing in a loop while the IsNoiseCut setting
// is on, so the sound hardware never powers down between sounds.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

class CNoiseCutBuffer {
public:
    CNoiseCutBuffer();
    ~CNoiseCutBuffer();
    CNoiseCutBuffer(const CNoiseCutBuffer&) = delete;
    CNoiseCutBuffer& operator=(const CNoiseCutBuffer&) = delete;

    // Makes the silent buffer on the device (an old one goes first); a
    // buffer that cannot be made is a box. 1.
    int Create(IDirectSound* device);
    void Play();
    // Stops it; the buffer stays for the next Play.
    void Stop();
    // 1.
    int Destroy();
    bool IsCreated() const { return created_; }
    IDirectSoundBuffer* GetBuffer() const { return buffer_; }

private:
    bool created_;
    IDirectSoundBuffer* buffer_;
};
