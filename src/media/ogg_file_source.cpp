#include "media/ogg_file_source.h"

#include "platform/error_report.h"

COggFileSource::COggFileSource() : vorbis_(), vorbisOpen_(false), failed_(false), file_(nullptr) {}

COggFileSource::~COggFileSource() {
    if (vorbisOpen_) ov_clear(&vorbis_);
}

int COggFileSource::Open(const char* name) {
    name_ = name;
    file_ = std::fopen(name, "rb");
    if (!file_) ErrorReport(ErrorKind::FileIO, kModuleSoundSource, kOggFileOpenFailed);
    if (ov_open(file_, &vorbis_, nullptr, 0) < 0) {
        std::fclose(file_);
        file_ = nullptr;
        return 0;
    }
    // From here the decoder owns the file and closes it with ov_clear.
    vorbisOpen_ = true;
    if (!SetUpFormat()) ErrorReport(ErrorKind::Sound, kModuleSoundSource, kOggFileFormatUnusable);
    return 1;
}

bool COggFileSource::SetUpFormat() {
    vorbis_info* info = ov_info(&vorbis_, -1);
    if (!info || info->channels < 1 || info->channels > 8 || info->rate < 100 || info->rate > 200000) return false;
    ogg_int64_t frames = ov_pcm_total(&vorbis_, -1);
    if (frames < 0) return false;
    WAVEFORMATEX* format = AllocateFormat();
    MakePcmFormat(*format, static_cast<uint32_t>(info->channels), static_cast<uint32_t>(info->rate), 16);
    SetFormat(format);
    SetDataBytes(static_cast<uint64_t>(frames) * format->nBlockAlign);
    return Rewind() == 1;
}

bool COggFileSource::Succeeded(long answer) {
    if (answer < 0) failed_ = true;
    return answer >= 0;
}

int COggFileSource::Rewind() {
    if (!Decodable() || !Succeeded(ov_pcm_seek(&vorbis_, 0))) return 0;
    consumedBytes_ = 0;
    return 1;
}

uint32_t COggFileSource::Read(void* dst, uint32_t bytes) {
    if (!Decodable()) return 0;
    char* out = static_cast<char*>(dst);
    uint32_t done = 0;
    while (done < bytes) {
        int section = 0;
        int remaining = static_cast<int>(bytes - done > 0x40000000u ? 0x40000000u : bytes - done);
        long got = ov_read(&vorbis_, out + done, remaining, 0, 2, 1, &section);
        // A gap in the data (a lost page, garbage between pages): the decoder
        // has found the next whole page and goes on from there.
        if (got == OV_HOLE) continue;
        if (!Succeeded(got)) return 0;
        if (got == 0) break;
        done += static_cast<uint32_t>(got);
    }
    consumedBytes_ += done;
    return done;
}

void COggFileSource::Skip(uint64_t bytes) {
    uint32_t blockAlign = GetBlockAlign();
    if (!Decodable() || blockAlign == 0) return;
    ogg_int64_t frame = static_cast<ogg_int64_t>((consumedBytes_ + bytes) / blockAlign);
    if (Succeeded(ov_pcm_seek(&vorbis_, frame))) consumedBytes_ = static_cast<uint64_t>(frame) * blockAlign;
}
