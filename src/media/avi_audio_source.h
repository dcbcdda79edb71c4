// The sound stream of an AVI file on disk, read through AVIFile. PCM streams
// are read as they are; compressed ones are converted to PCM on the way.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <vfw.h>

#include "media/acm_audio_reader.h"
#include "media/sound_source.h"

class CAviAudioSource : public CSoundSource {
public:
    CAviAudioSource();
    ~CAviAudioSource() override;

    // 0 when the file, its sound stream or a converter for it is missing, or
    // its format cannot be played.
    int Open(const char* name) override;
    int Rewind() override;
    uint32_t Read(void* dst, uint32_t bytes) override;
    void Skip(uint64_t bytes) override;

private:
    bool OpenPcm(const WAVEFORMATEX& streamFormat);
    void Release();

    PAVISTREAM stream_;
    bool compressed_;
    CAcmAudioReader reader_;
    LONG firstSample_;
    LONG endSample_;
    LONG currentSample_;
};
