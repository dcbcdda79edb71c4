// One decoded sound in a DirectSound buffer, as the sound handle sees it:
// play, stop, pause, mute, loop, pan, volume, frequency, and a position in
// milliseconds counted on the clock rather than by DirectSound, so it stays
// right while a sound is muted and not actually playing.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

class CSoundSource;

class CSoundBuffer {
public:
    virtual ~CSoundBuffer() = default;
    // The source is used, not owned; it must outlive the buffer's Close.
    virtual int Open(CSoundSource* source) = 0;
    virtual int Close() = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void SetMute(bool mute) = 0;
    virtual int SetLoop(bool loop) = 0;
    // DirectSound pan units, -10000 (left) to 10000 (right).
    virtual int SetPan(long pan) = 0;
    // Hundredths of a decibel, -10000 to 0.
    virtual int SetVolume(long volume) = 0;
    virtual int SetFrequency(DWORD hz) = 0;
    virtual int SetPauseWhenMuted(bool pause) = 0;
    virtual bool IsOpen() = 0;
    // The buffer holds the start of the sound and nothing has played yet.
    virtual bool IsPrimed() = 0;
    virtual bool IsPaused() = 0;
    virtual bool IsMuted() = 0;
    virtual bool IsPlaying() = 0;
    virtual bool IsLooping() = 0;
    virtual long GetPan() = 0;
    virtual long GetVolume() = 0;
    virtual DWORD GetFrequency() = 0;
    virtual DWORD GetLength() = 0;
    // The position within the current pass.
    virtual DWORD GetPassPosition() = 0;
    // Milliseconds since the sound started, loops unwrapped.
    virtual DWORD GetPosition() = 0;
};

// The buffer of a handle with nothing open: setters answer 1, tests false,
// getters 0, and nothing plays.
class CNullSoundBuffer : public CSoundBuffer {
public:
    int Open(CSoundSource*) override { return 0; }
    int Close() override { return 0; }
    void Play() override {}
    void Stop() override {}
    void Pause() override {}
    void Resume() override {}
    void SetMute(bool) override {}
    int SetLoop(bool) override { return 1; }
    int SetPan(long) override { return 1; }
    int SetVolume(long) override { return 1; }
    int SetFrequency(DWORD) override { return 1; }
    int SetPauseWhenMuted(bool) override { return 1; }
    bool IsOpen() override { return false; }
    bool IsPrimed() override { return false; }
    bool IsPaused() override { return false; }
    bool IsMuted() override { return false; }
    bool IsPlaying() override { return false; }
    bool IsLooping() override { return false; }
    long GetPan() override { return 0; }
    long GetVolume() override { return 0; }
    DWORD GetFrequency() override { return 0; }
    DWORD GetLength() override { return 0; }
    DWORD GetPassPosition() override { return 0; }
    DWORD GetPosition() override { return 0; }
};
