#include "media/sound_source.h"

#include <cstdlib>
#include <new>

CSoundSource::CSoundSource()
    : consumedBytes_(0), format_(nullptr), lengthMs_(0), blockAlign_(0), avgBytesPerSec_(0), dataBytes_(0) {}

CSoundSource::~CSoundSource() { FreeFormat(format_); }

uint8_t CSoundSource::GetSilenceByte() const {
    return format_ && format_->wBitsPerSample == 8 ? 0x80 : 0;
}

void CSoundSource::SetFormat(WAVEFORMATEX* format) {
    FreeFormat(format_);
    format_ = format;
    blockAlign_ = format->nBlockAlign;
    avgBytesPerSec_ = format->nAvgBytesPerSec;
}

void CSoundSource::SetDataBytes(uint64_t dataBytes) {
    dataBytes_ = dataBytes;
    lengthMs_ = avgBytesPerSec_ ? static_cast<uint32_t>(dataBytes * 1000 / avgBytesPerSec_) : 0;
}

bool IsUsableFormat(const WAVEFORMATEX& format) {
    return format.nChannels != 0 && format.nBlockAlign != 0 && format.nAvgBytesPerSec != 0 &&
           format.nSamplesPerSec >= 100 && format.nSamplesPerSec <= 200000 &&
           uint64_t{format.nSamplesPerSec} * format.nBlockAlign == format.nAvgBytesPerSec;
}

WAVEFORMATEX* AllocateFormat(uint32_t size) {
    if (size < sizeof(WAVEFORMATEX)) size = sizeof(WAVEFORMATEX);
    void* block = std::calloc(1, size);
    if (!block) throw std::bad_alloc();
    return static_cast<WAVEFORMATEX*>(block);
}

void FreeFormat(WAVEFORMATEX* format) { std::free(format); }

void MakePcmFormat(WAVEFORMATEX& format, uint32_t channels, uint32_t rate, uint32_t bits) {
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(channels);
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = static_cast<WORD>(bits);
    format.nBlockAlign = static_cast<WORD>(bits * channels / 8);
    format.nAvgBytesPerSec = format.nBlockAlign * rate;
    format.cbSize = 0;
}
