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
      firstSample_(0),
      endSample_(0),
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

bool CAcmAudioReader::Open(PAVISTREAM stream, const WAVEFORMATEX& sourceFormat) {
    Close();
    if (sourceFormat.nBlockAlign == 0 || sourceFormat.nChannels == 0) return false;
    sourceFormat_.assign(reinterpret_cast<const uint8_t*>(&sourceFormat),
                         reinterpret_cast<const uint8_t*>(&sourceFormat) + sizeof(WAVEFORMATEX) + sourceFormat.cbSize);
    WAVEFORMATEX* source = reinterpret_cast<WAVEFORMATEX*>(sourceFormat_.data());
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
    stream_ = stream;
    firstSample_ = AVIStreamStart(stream);
    endSample_ = firstSample_ + AVIStreamLength(stream);
    if (endSample_ < firstSample_) endSample_ = firstSample_;
    // Every sample of a compressed stream is one whole block.
    totalBytes_ = uint64_t(endSample_ - firstSample_) * blockOutputBytes_;
    blockBuffer_.resize(blockOutputBytes_);
    SeekToByte(0);
    return true;
}

void CAcmAudioReader::SeekToByte(uint64_t byte) {
    leftoverBytes_ = 0;
    leftoverOffset_ = 0;
    if (!converter_) return;
    uint64_t block = byte / blockOutputBytes_;
    nextSample_ = static_cast<LONG>(std::min<uint64_t>(firstSample_ + block, endSample_));
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
    if (nextSample_ >= endSample_) return 0;
    if (sourceBuffer_.size() < sourceBytes) sourceBuffer_.resize(sourceBytes);
    LONG bytesRead = 0;
    LONG samplesRead = 0;
    // Whole blocks, no more than fit: asked for more, AVIFile may answer an
    // error.
    LONG samples = static_cast<LONG>(std::min<uint64_t>(endSample_ - nextSample_, sourceBytes / sourceBlockAlign_));
    if (samples <= 0 ||
        AVIStreamRead(stream_, nextSample_, samples, sourceBuffer_.data(), static_cast<LONG>(sourceBytes), &bytesRead,
                      &samplesRead) != 0 ||
        bytesRead <= 0 || samplesRead <= 0)
        return 0;
    nextSample_ += samplesRead;
    return Convert(sourceBuffer_.data(), static_cast<uint32_t>(bytesRead), dst, dstBytes);
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
