// A short sound (under two seconds) decoded whole into one DirectSound buffer.
#pragma once

#include "media/clocked_sound_buffer.h"
#include "media/sound_clock.h"

class COneShotBuffer : public CClockedSoundBuffer {
public:
    explicit COneShotBuffer(CClock& clock = SoundClock());
    ~COneShotBuffer() override;

    // Creates the DirectSound buffer on the shared device and decodes the
    // whole source into it; a buffer that cannot be made is a box.
    int Open(CSoundSource* source) override;
    int Close() override;
    // Plays from where DirectSound's play cursor stands.
    void Play() override;
    void Stop() override;
    void Pause() override;
    void Resume() override;
    int SetLoop(bool loop) override;
    bool IsPlaying() override;
    DWORD GetPassPosition() override;
    DWORD GetPosition() override;

private:
    // Decodes the source into the buffer; the rest of the buffer, if the
    // source ends early, is silence. 1 when the source filled it.
    int Fill();
    bool DirectSoundPlaying();
    void Halt() override;
    // Moves the play cursor to the clock's position and plays on; stops a
    // sound whose end has passed.
    void Resynchronise() override;

    uint32_t bufferBytes_;
};
