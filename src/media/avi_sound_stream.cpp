#include "media/avi_sound_stream.h"

#include <algorithm>
#include <cstdio>

#include "media/avi_file_check.h"

CAviSoundStream::CAviSoundStream() : format_(sizeof(WAVEFORMATEX), 0), sampleSize_(0), start_(0), length_(0) {}

bool CAviSoundStream::Open(const std::string& path) {
    Close();
    AviLayout layout;
    if (!ReadAviLayout(path, &layout)) return false;
    auto sound = std::find_if(layout.streams.begin(), layout.streams.end(),
                              [](const AviStreamLayout& stream) { return stream.type == AviFourCc("auds"); });
    // Blocks of varying size (MP3) cannot be read as samples of one size,
    // which is what the converter works in.
    if (sound == layout.streams.end() || sound->sampleSize == 0) return false;
    format_ = sound->format;
    if (format_.size() < sizeof(WAVEFORMATEX)) format_.resize(sizeof(WAVEFORMATEX), 0);
    auto* format = reinterpret_cast<WAVEFORMATEX*>(format_.data());
    size_t extra = sound->format.size() < sizeof(WAVEFORMATEX) ? 0 : sound->format.size() - sizeof(WAVEFORMATEX);
    format->cbSize = static_cast<WORD>(std::min<size_t>(format->cbSize, extra));
    uint64_t end = 0;
    for (const AviChunk& chunk : sound->chunks) {
        end += chunk.size;
        chunks_.push_back({chunk.offset, chunk.size, end});
    }
    sampleSize_ = sound->sampleSize;
    start_ = sound->start;
    length_ = sound->length;
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!IsOpen()) Close();
    return IsOpen();
}

void CAviSoundStream::Close() {
    file_.reset();
    chunks_.clear();
    format_.assign(sizeof(WAVEFORMATEX), 0);
    sampleSize_ = 0;
    start_ = 0;
    length_ = 0;
}

uint32_t CAviSoundStream::Read(uint32_t sample, uint32_t count, void* dst, uint32_t bytes) {
    if (!file_ || sample >= length_) return 0;
    uint32_t samples = std::min({count, length_ - sample, bytes / sampleSize_});
    uint64_t at = uint64_t(sample) * sampleSize_;
    uint64_t end = at + uint64_t(samples) * sampleSize_;
    auto* out = static_cast<uint8_t*>(dst);
    auto chunk = std::upper_bound(chunks_.begin(), chunks_.end(), at,
                                  [](uint64_t byte, const Chunk& c) { return byte < c.end; });
    uint64_t done = 0;
    for (; at < end && chunk != chunks_.end(); ++chunk) {
        uint64_t within = at - (chunk->end - chunk->size);
        size_t part = static_cast<size_t>(std::min<uint64_t>(chunk->size - within, end - at));
        if (_fseeki64(file_.get(), static_cast<int64_t>(chunk->offset + within), SEEK_SET) != 0 ||
            std::fread(out + done, 1, part, file_.get()) != part)
            break;
        at += part;
        done += part;
    }
    return static_cast<uint32_t>(done / sampleSize_);
}
