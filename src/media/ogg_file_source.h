// An Ogg Vorbis sound read from a plain file; also the decoding half of the
// archive source, which only brings its own data source.
#pragma once

#include <cstdio>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include "media/sound_source.h"

class COggFileSource : public CSoundSource {
public:
    COggFileSource();
    // Clears the decoder, which closes its data source.
    ~COggFileSource() override;

    // A file that cannot be opened is a box; one that is not Vorbis answers 0.
    int Open(const char* name) override;
    // After the decoder has answered any error but a gap, Rewind and Read
    // answer 0 and Skip does nothing: the sound has ended. A gap is read past.
    int Rewind() override;
    // 16-bit little-endian signed samples; 0 on a decoding error. The sound
    // after a gap follows the sound before it.
    uint32_t Read(void* dst, uint32_t bytes) override;
    // Whole sample frames from the current position; nothing when the
    // decoder cannot seek there.
    void Skip(uint64_t bytes) override;

protected:
    // The PCM format of the opened stream, then Rewind. False when the stream
    // cannot be played: channels or rate out of range, no known length, or
    // no way back to its start.
    bool SetUpFormat();

    OggVorbis_File vorbis_;
    bool vorbisOpen_;

private:
    // True while the decoder may still be called.
    bool Decodable() const { return vorbisOpen_ && !failed_; }
    // Keeps a decoder call's answer; after the first error the decoder is
    // never called again, as a failed set-up leaves its state half built and
    // the next call would decode with it.
    bool Succeeded(long answer);

    bool failed_;
    FILE* file_;
};
