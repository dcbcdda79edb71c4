#include "media/avi_audio_source.h"

#include <algorithm>
#include <cstring>

#include "platform/paths.h"

CAviAudioSource::CAviAudioSource() : compressed_(false), currentSample_(0) {}

CAviAudioSource::~CAviAudioSource() { Release(); }

void CAviAudioSource::Release() {
    reader_.Close();
    stream_.Close();
}

int CAviAudioSource::Open(const char* name) {
    Release();
    name_ = name;
    if (!stream_.Open(NormalizePath(name_))) return 0;
    const WAVEFORMATEX& streamFormat = stream_.GetFormat();
    bool opened;
    if (streamFormat.wFormatTag == WAVE_FORMAT_PCM) {
        opened = OpenPcm(streamFormat);
    } else {
        compressed_ = true;
        opened = reader_.Open(stream_);
        if (opened) {
            WAVEFORMATEX* format = AllocateFormat();
            *format = reader_.GetPcmFormat();
            SetFormat(format);
            opened = IsUsableFormat(*format);
            SetDataBytes(reader_.GetTotalBytes());
        }
    }
    if (!opened) {
        Release();
        return 0;
    }
    Rewind();
    return 1;
}

bool CAviAudioSource::OpenPcm(const WAVEFORMATEX& streamFormat) {
    compressed_ = false;
    WAVEFORMATEX* format = AllocateFormat();
    MakePcmFormat(*format, streamFormat.nChannels, streamFormat.nSamplesPerSec, streamFormat.wBitsPerSample < 12 ? 8 : 16);
    SetFormat(format);
    // A layout other than whole 8- or 16-bit samples would play as noise.
    if (!IsUsableFormat(*format) || streamFormat.nBlockAlign != format->nBlockAlign) return false;
    SetDataBytes(uint64_t(stream_.GetEnd()) * format->nBlockAlign);
    return true;
}

int CAviAudioSource::Rewind() {
    if (compressed_)
        reader_.SeekToByte(0);
    else
        currentSample_ = 0;
    consumedBytes_ = 0;
    return 1;
}

uint32_t CAviAudioSource::Read(void* dst, uint32_t bytes) {
    if (!stream_.IsOpen()) return 0;
    uint32_t read = 0;
    if (compressed_) {
        read = reader_.Read(dst, bytes);
    } else {
        auto* out = static_cast<uint8_t*>(dst);
        uint32_t block = GetBlockAlign();
        uint32_t start = stream_.GetStart();
        while (bytes - read >= block) {
            uint32_t samples;
            if (currentSample_ < start) {
                samples = std::min(start - currentSample_, (bytes - read) / block);
                std::memset(out + read, GetSilenceByte(), size_t(samples) * block);
            } else {
                samples = stream_.Read(currentSample_ - start, (bytes - read) / block, out + read, bytes - read);
                if (samples == 0) break;
            }
            currentSample_ += samples;
            read += samples * block;
        }
    }
    consumedBytes_ += read;
    return read;
}

void CAviAudioSource::Skip(uint64_t bytes) {
    uint64_t target = consumedBytes_ + bytes;
    if (compressed_)
        reader_.SeekToByte(target);
    else
        currentSample_ = static_cast<uint32_t>(std::min<uint64_t>(target / GetBlockAlign(), stream_.GetEnd()));
    consumedBytes_ = target;
}
