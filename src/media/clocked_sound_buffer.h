// What the one-shot and the streaming buffer share: the DirectSound buffer,
// the settings that go straight to it, and the clock model of the position.
//
// While a sound plays its position is now - startTime on the clock. passEnd
// marks where a pass that does not loop ends on that clock: the length at
// Play, moved to the end of the running pass when looping is switched off.
// A clock position t before it lies at (length - passEnd) + t in the sound.
#pragma once

#include <atomic>

#include "media/direct_sound_buffer.h"
#include "media/sound_device.h"
#include "media/sound_buffer.h"
#include "media/sound_source.h"
#include "platform/clock.h"

class CClockedSoundBuffer : public CSoundBuffer {
public:
    explicit CClockedSoundBuffer(CClock& clock);
    ~CClockedSoundBuffer() override;

    // The value is stored; DirectSound hears it unless the sound is muted.
    int SetVolume(long volume) override;
    // A rate other than the source's own switches pause-when-muted off for
    // good: the clock could not follow the sound any more.
    int SetFrequency(DWORD hz) override;
    int SetPan(long pan) override;
    // Muting pauses the sound or only silences it, as pause-when-muted says;
    // a paused sound resumes where the clock stands when it is heard again.
    void SetMute(bool mute) override;
    int SetPauseWhenMuted(bool pause) override;
    bool IsOpen() override { return open_; }
    bool IsPrimed() override { return primed_; }
    bool IsPaused() override { return playing_ && paused_; }
    bool IsMuted() override { return muted_; }
    bool IsLooping() override { return looping_; }
    long GetPan() override;
    long GetVolume() override { return dsBuffer_ ? volume_ : 0; }
    DWORD GetFrequency() override;
    DWORD GetLength() override { return lengthMs_; }
    IDirectSoundBuffer* GetDirectSoundBuffer() const { return dsBuffer_; }

protected:
    // Stops DirectSound's playing of a sound that goes on on the clock.
    virtual void Halt() = 0;
    // Moves the play cursor to the clock's position and plays on; stops a
    // sound whose end has passed.
    virtual void Resynchronise() = 0;
    // The position in the sound to resume from after a pause or a mute.
    uint32_t ResumePosition() const;
    // The length as a divisor: a sound under 1 ms counts as 1 ms.
    uint32_t LengthDivisor() const { return lengthMs_ ? lengthMs_ : 1; }
    void ReleaseBuffer();

    CClock& clock_;
    IDirectSoundBuffer* dsBuffer_;
    CSoundSource* source_;
    uint32_t lengthMs_;
    std::atomic<bool> looping_;
    uint32_t startTime_;
    uint32_t savedPosition_;
    std::atomic<uint32_t> passEnd_;
    bool primed_;
    bool open_;
    std::atomic<bool> playing_;
    bool paused_;
    bool muted_;
    bool pauseWhenMuted_;
    long volume_;
};
