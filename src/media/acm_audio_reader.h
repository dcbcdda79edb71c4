// Reads the sound stream of an AVI file as PCM through the audio compression
// manager: whole source blocks are converted straight into the caller's
// buffer, and the tail of a block that the caller had no room for is kept and
// delivered first by the next read. A stream that starts late reads as
// silence, one block's worth per sample, until its start.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <cstdint>
#include <vector>

#include "media/avi_sound_stream.h"

class CAcmAudioReader {
public:
    CAcmAudioReader();
    ~CAcmAudioReader();
    CAcmAudioReader(const CAcmAudioReader&) = delete;
    CAcmAudioReader& operator=(const CAcmAudioReader&) = delete;

    // Finds a PCM format for the stream's own and opens a converter to it.
    // The stream is used, not owned; it must outlive the reader. False when
    // no converter exists or the stream cannot be sized.
    bool Open(CAviSoundStream& stream);
    void Close();

    const WAVEFORMATEX& GetPcmFormat() const { return pcmFormat_; }
    // The PCM bytes of the whole stream, the silence before its start with.
    uint64_t GetTotalBytes() const { return totalBytes_; }
    // The PCM bytes one source block converts to.
    uint32_t GetBlockOutputBytes() const { return blockOutputBytes_; }

    // Up to `bytes` PCM bytes; fewer at the end of the stream.
    uint32_t Read(void* dst, uint32_t bytes);
    // Goes to the given PCM byte of the stream.
    void SeekToByte(uint64_t byte);

private:
    // Reads source blocks from nextSample_ and converts them, or makes the
    // silence before the stream's start; the PCM bytes made.
    uint32_t ReadBlocks(uint8_t* dst, uint32_t sourceBytes, uint32_t dstBytes);
    uint32_t Convert(uint8_t* src, uint32_t srcBytes, uint8_t* dst, uint32_t dstBytes);
    // One source block into the block buffer, kept as leftover.
    bool ConvertOneBlock();

    CAviSoundStream* stream_;
    std::vector<uint8_t> sourceFormat_;
    WAVEFORMATEX pcmFormat_;
    HACMSTREAM converter_;
    uint32_t sourceBlockAlign_;
    uint32_t blockOutputBytes_;
    uint64_t totalBytes_;
    uint32_t nextSample_;
    std::vector<uint8_t> sourceBuffer_;
    std::vector<uint8_t> blockBuffer_;
    uint32_t leftoverOffset_;
    uint32_t leftoverBytes_;
};
