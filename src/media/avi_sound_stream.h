// The first sound stream of an AVI file, read straight from the file through
// the file's own index once the structural check has accepted it. AVIFile
// cannot be asked for the samples: Wine's reader aborts the program on every
// read of a stream whose header lets it start late, and such streams are
// legal. A stream that starts late is silent until its start.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_handles.h"

class CAviSoundStream {
public:
    CAviSoundStream();

    // False when the file is damaged or has no sound stream of blocks of
    // one size.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    // The stream's format record: at least a whole WAVEFORMATEX, its cbSize
    // limited to the extra bytes the record holds.
    const WAVEFORMATEX& GetFormat() const { return *reinterpret_cast<const WAVEFORMATEX*>(format_.data()); }
    // Samples are the format's blocks. The stream's sound begins at sample
    // GetStart and holds GetLength samples.
    uint32_t GetStart() const { return start_; }
    uint32_t GetLength() const { return length_; }
    uint32_t GetEnd() const { return start_ + length_; }

    // Up to `count` whole samples from `sample` (counted from the sound's
    // first), as many as fit in `bytes`, into dst; the samples read.
    uint32_t Read(uint32_t sample, uint32_t count, void* dst, uint32_t bytes);

private:
    struct Chunk {
        uint64_t offset;
        uint32_t size;
        uint64_t end;  // the stream's bytes up to and with this chunk
    };

    StdioFile file_;
    std::vector<uint8_t> format_;
    std::vector<Chunk> chunks_;
    uint32_t sampleSize_;
    uint32_t start_;
    uint32_t length_;
};
