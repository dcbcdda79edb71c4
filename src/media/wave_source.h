// A RIFF/WAVE sound read as a stream from the game's archives.
#pragma once

#include "media/sound_source.h"
#include "platform/data_file.h"

class CWaveSource : public CSoundSource {
public:
    CWaveSource();
    ~CWaveSource() override;

    // Refuses nothing quietly: every fault of the file is a box.
    int Open(const char* name) override;
    int Rewind() override;
    uint32_t Read(void* dst, uint32_t bytes) override;
    void Skip(uint64_t bytes) override;

private:
    // Reads exactly `count` bytes; false on a short read.
    bool ReadExactly(void* dst, uint32_t count);
    // Skips chunks until one with the id; its size in *size. Each fault is
    // a box at the given place.
    void FindChunk(const char* id, uint32_t* size, int endPlace, int sizePlace);
    void ReadFormatChunk(uint32_t size);

    CDataFile file_;
    uint32_t dataStart_;
    uint32_t entrySize_;
};
