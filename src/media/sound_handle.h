// What every user of sound holds: one opened sound file, a decoder and an
// output buffer. Opening picks the decoder by the file's extension and the
// buffer by the sound's length (whole in one buffer under two seconds,
// streamed otherwise); every playback operation goes to the buffer, so users
// never see which kind they got. The channel voices derive from it.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>

#include <memory>
#include <string>

#include "media/sound_buffer.h"
#include "media/sound_source.h"

class CSoundHandle {
public:
    // Sounds shorter than this are decoded whole; longer ones stream.
    static constexpr DWORD kOneShotLimitMs = 2000;

    CSoundHandle();
    virtual ~CSoundHandle();
    CSoundHandle(const CSoundHandle&) = delete;
    CSoundHandle& operator=(const CSoundHandle&) = delete;

    // Opens a .wav, .ogg or .avi file (any letter case); 1. Every failure is
    // a box, after which the handle is closed.
    int Open(const char* name);
    // Closes buffer and decoder; the name and the mute flag stay. 1.
    int Close();
    std::string GetFileName() const { return fileName_; }
    // The decoder's PCM format, null while nothing is open.
    const WAVEFORMATEX* GetFormat() const;
    bool IsLoaded() const { return loaded_; }
    // The buffer the handle plays through, to look at.
    const CSoundBuffer& GetBuffer() const { return *buffer_; }

    void Play() { buffer_->Play(); }
    void Stop() { buffer_->Stop(); }
    void Pause() { buffer_->Pause(); }
    void Resume() { buffer_->Resume(); }
    // Remembered across Close and given to every buffer opened later.
    void SetMute(bool mute);
    int SetLoop(bool loop) { return buffer_->SetLoop(loop); }
    int SetPan(long pan) { return buffer_->SetPan(pan); }
    int SetVolume(long volume) { return buffer_->SetVolume(volume); }
    int SetFrequency(DWORD hz) { return buffer_->SetFrequency(hz); }
    int SetPauseWhenMuted(bool pause) { return buffer_->SetPauseWhenMuted(pause); }
    bool IsPrimed() { return buffer_->IsPrimed(); }
    bool IsPlaying() { return buffer_->IsPlaying(); }
    bool IsLooping() { return buffer_->IsLooping(); }
    long GetPan() { return buffer_->GetPan(); }
    DWORD GetFrequency() { return buffer_->GetFrequency(); }
    DWORD GetLength() { return buffer_->GetLength(); }
    DWORD GetPosition() { return buffer_->GetPosition(); }

private:
    std::unique_ptr<CSoundBuffer> buffer_;
    std::unique_ptr<CSoundSource> source_;
    bool loaded_;
    std::string fileName_;
    bool muted_;
};

// The decoder for a file name by its extension, null for any other.
std::unique_ptr<CSoundSource> MakeSoundSource(const std::string& name);
