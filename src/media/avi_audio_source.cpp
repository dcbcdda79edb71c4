#include "media/avi_audio_source.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "media/avi_file_check.h"
#include "platform/paths.h"

namespace {

// A format record larger than this is not a sound format.
constexpr LONG kMaxFormatBytes = 0x10000;

// The AVI file, released when the source has its stream.
struct AviFileRef {
    PAVIFILE file = nullptr;
    ~AviFileRef() {
        if (file) AVIFileRelease(file);
    }
};

}  // namespace

CAviAudioSource::CAviAudioSource()
    : stream_(nullptr), compressed_(false), firstSample_(0), endSample_(0), currentSample_(0) {
    AVIFileInit();
}

CAviAudioSource::~CAviAudioSource() {
    Release();
    AVIFileExit();
}

void CAviAudioSource::Release() {
    reader_.Close();
    if (stream_) AVIStreamRelease(stream_);
    stream_ = nullptr;
}

int CAviAudioSource::Open(const char* name) {
    Release();
    name_ = name;
    std::string path = NormalizePath(name_);
    if (!IsWholeAviFile(path)) return 0;
    AviFileRef file;
    if (AVIFileOpenA(&file.file, path.c_str(), OF_SHARE_DENY_WRITE, nullptr) != 0) {
        file.file = nullptr;
        return 0;
    }
    if (AVIFileGetStream(file.file, &stream_, streamtypeAUDIO, 0) != 0) {
        stream_ = nullptr;
        return 0;
    }
    firstSample_ = AVIStreamStart(stream_);
    LONG length = AVIStreamLength(stream_);
    endSample_ = firstSample_ + (length > 0 ? length : 0);

    LONG size = 0;
    if (AVIStreamReadFormat(stream_, firstSample_, nullptr, &size) != 0 || size <= 0 || size > kMaxFormatBytes) {
        Release();
        return 0;
    }
    // A record shorter than 18 bytes (PCM records are often 16) ends in a
    // zero cbSize; extra bytes are taken only as far as the record has them.
    std::vector<uint8_t> record(std::max<LONG>(size, sizeof(WAVEFORMATEX)), 0);
    if (AVIStreamReadFormat(stream_, firstSample_, record.data(), &size) != 0) {
        Release();
        return 0;
    }
    WAVEFORMATEX* streamFormat = reinterpret_cast<WAVEFORMATEX*>(record.data());
    if (size < static_cast<LONG>(sizeof(WAVEFORMATEX))) streamFormat->cbSize = 0;
    streamFormat->cbSize = static_cast<WORD>(std::min<LONG>(streamFormat->cbSize, record.size() - sizeof(WAVEFORMATEX)));

    bool opened;
    if (streamFormat->wFormatTag == WAVE_FORMAT_PCM) {
        opened = OpenPcm(*streamFormat);
    } else {
        compressed_ = true;
        opened = reader_.Open(stream_, *streamFormat);
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
    SetDataBytes(uint64_t(endSample_ - firstSample_) * format->nBlockAlign);
    return true;
}

int CAviAudioSource::Rewind() {
    if (compressed_)
        reader_.SeekToByte(0);
    else
        currentSample_ = firstSample_;
    consumedBytes_ = 0;
    return 1;
}

uint32_t CAviAudioSource::Read(void* dst, uint32_t bytes) {
    if (!stream_) return 0;
    uint32_t read = 0;
    if (compressed_) {
        read = reader_.Read(dst, bytes);
    } else if (currentSample_ < endSample_) {
        LONG bytesRead = 0;
        LONG samplesRead = 0;
        // Only as many samples as the buffer holds: asked for more, AVIFile
        // may answer an error.
        LONG samples = static_cast<LONG>(std::min<uint64_t>(endSample_ - currentSample_, bytes / GetBlockAlign()));
        if (samples > 0 &&
            AVIStreamRead(stream_, currentSample_, samples, dst, static_cast<LONG>(bytes), &bytesRead, &samplesRead) == 0 &&
            bytesRead > 0) {
            currentSample_ += samplesRead;
            read = static_cast<uint32_t>(bytesRead);
        }
    }
    consumedBytes_ += read;
    return read;
}

void CAviAudioSource::Skip(uint64_t bytes) {
    uint64_t target = consumedBytes_ + bytes;
    if (compressed_) {
        reader_.SeekToByte(target);
    } else {
        uint64_t frame = target / GetBlockAlign();
        currentSample_ = static_cast<LONG>(std::min<uint64_t>(firstSample_ + frame, endSample_));
    }
    consumedBytes_ = target;
}
