#include "media/acm_audio_reader.h"

#include <algorithm>
#include <cstring>

CAcmAudioReader::CAcmAudioReader()
    : stream_(nullptr),
      pcmFormat_(),
      converter_(nullptr),
      sourceBlockAlign_(0),
      blockOutputBytes_(0),
      totalBytes_(0),
      nextSample_(0),
      leftoverOffset_(0),
      leftoverBytes_(0) {}

CAcmAudioReader::~CAcmAudioReader() { Close(); }

void CAcmAudioReader::Close() {
    if (converter_) acmStreamClose(converter_, 0);
    converter_ = nullptr;
    stream_ = nullptr;
    leftoverBytes_ = 0;
}

bool CAcmAudioReader::Open(CAviSoundStream& stream) {
    Close();
    const WAVEFORMATEX& format = stream.GetFormat();
    sourceFormat_.assign(reinterpret_cast<const uint8_t*>(&format),
                         reinterpret_cast<const uint8_t*>(&format) + sizeof(WAVEFORMATEX) + format.cbSize);
    WAVEFORMATEX* source = reinterpret_cast<WAVEFORMATEX*>(sourceFormat_.data());
    if (source->nBlockAlign == 0 || source->nChannels == 0) return false;
    std::memset(&pcmFormat_, 0, sizeof pcmFormat_);
    pcmFormat_.wFormatTag = WAVE_FORMAT_PCM;
    if (acmFormatSuggest(nullptr, source, &pcmFormat_, sizeof pcmFormat_, ACM_FORMATSUGGESTF_WFORMATTAG) != 0)
        return false;
    pcmFormat_.cbSize = 0;
    if (acmStreamOpen(&converter_, nullptr, source, &pcmFormat_, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME) != 0) {
        converter_ = nullptr;
        return false;
    }
    sourceBlockAlign_ = source->nBlockAlign;
    DWORD size = 0;
    if (acmStreamSize(converter_, sourceBlockAlign_, &size, ACM_STREAMSIZEF_SOURCE) != 0 || size == 0) {
        Close();
        return false;
    }
    blockOutputBytes_ = size;
    stream_ = &stream;
    // Every sample of a sound stream is one whole block.
    totalBytes_ = uint64_t(stream.GetEnd()) * blockOutputBytes_;
    blockBuffer_.resize(blockOutputBytes_);
    SeekToByte(0);
    return true;
}

void CAcmAudioReader::SeekToByte(uint64_t byte) {
    leftoverBytes_ = 0;
    leftoverOffset_ = 0;
    if (!converter_) return;
    uint64_t block = byte / blockOutputBytes_;
    nextSample_ = static_cast<uint32_t>(std::min<uint64_t>(block, stream_->GetEnd()));
    uint32_t within = static_cast<uint32_t>(byte % blockOutputBytes_);
    if (within && ConvertOneBlock()) {
        uint32_t skipped = std::min(within, leftoverBytes_);
        leftoverOffset_ += skipped;
        leftoverBytes_ -= skipped;
    }
}

uint32_t CAcmAudioReader::Read(void* dst, uint32_t bytes) {
    if (!converter_ || !dst) return 0;
    uint8_t* out = static_cast<uint8_t*>(dst);
    uint32_t done = 0;
    while (done < bytes) {
        if (leftoverBytes_) {
            uint32_t part = std::min(leftoverBytes_, bytes - done);
            std::memcpy(out + done, blockBuffer_.data() + leftoverOffset_, part);
            leftoverOffset_ += part;
            leftoverBytes_ -= part;
            done += part;
            continue;
        }
        uint32_t wanted = bytes - done;
        DWORD sourceBytes = 0;
        if (wanted >= blockOutputBytes_ &&
            acmStreamSize(converter_, wanted, &sourceBytes, ACM_STREAMSIZEF_DESTINATION) == 0 &&
            sourceBytes >= sourceBlockAlign_) {
            sourceBytes -= sourceBytes % sourceBlockAlign_;
            uint32_t made = ReadBlocks(out + done, sourceBytes, wanted);
            if (made == 0) break;
            done += made;
        } else if (!ConvertOneBlock()) {
            break;
        }
    }
    return done;
}

uint32_t CAcmAudioReader::ReadBlocks(uint8_t* dst, uint32_t sourceBytes, uint32_t dstBytes) {
    uint32_t start = stream_->GetStart();
    if (nextSample_ < start) {
        uint32_t blocks = std::min(start - nextSample_, dstBytes / blockOutputBytes_);
        std::memset(dst, pcmFormat_.wBitsPerSample == 8 ? 0x80 : 0, size_t(blocks) * blockOutputBytes_);
        nextSample_ += blocks;
        return blocks * blockOutputBytes_;
    }
    if (sourceBuffer_.size() < sourceBytes) sourceBuffer_.resize(sourceBytes);
    uint32_t blocks = stream_->Read(nextSample_ - start, sourceBytes / sourceBlockAlign_, sourceBuffer_.data(), sourceBytes);
    if (blocks == 0) return 0;
    nextSample_ += blocks;
    return Convert(sourceBuffer_.data(), blocks * sourceBlockAlign_, dst, dstBytes);
}

bool CAcmAudioReader::ConvertOneBlock() {
    uint32_t made = ReadBlocks(blockBuffer_.data(), sourceBlockAlign_, blockOutputBytes_);
    leftoverOffset_ = 0;
    leftoverBytes_ = made;
    return made != 0;
}

uint32_t CAcmAudioReader::Convert(uint8_t* src, uint32_t srcBytes, uint8_t* dst, uint32_t dstBytes) {
    ACMSTREAMHEADER header;
    std::memset(&header, 0, sizeof header);
    header.cbStruct = sizeof header;
    header.pbSrc = src;
    header.cbSrcLength = srcBytes;
    header.pbDst = dst;
    header.cbDstLength = dstBytes;
    if (acmStreamPrepareHeader(converter_, &header, 0) != 0) return 0;
    MMRESULT result = acmStreamConvert(converter_, &header, ACM_STREAMCONVERTF_BLOCKALIGN);
    uint32_t made = result == 0 ? header.cbDstLengthUsed : 0;
    acmStreamUnprepareHeader(converter_, &header, 0);
    return made;
}
