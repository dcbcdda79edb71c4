// The sound stream of an AVI file on disk. PCM streams are read as they are;
// compressed ones are converted to PCM on the way. A stream that starts late
// plays silence until its start.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "media/acm_audio_reader.h"
#include "media/avi_sound_stream.h"
#include "media/sound_source.h"

class CAviAudioSource : public CSoundSource {
public:
    CAviAudioSource();
    ~CAviAudioSource() override;

    // 0 when the file is damaged, or its sound stream or a converter for it
    // is missing, or its format cannot be played.
    int Open(const char* name) override;
    int Rewind() override;
    uint32_t Read(void* dst, uint32_t bytes) override;
    void Skip(uint64_t bytes) override;

private:
    bool OpenPcm(const WAVEFORMATEX& streamFormat);
    void Release();

    CAviSoundStream stream_;
    bool compressed_;
    CAcmAudioReader reader_;
    uint32_t currentSample_;
};
