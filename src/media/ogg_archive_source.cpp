#include "media/ogg_archive_source.h"

#include "platform/error_report.h"

namespace {

// The decoder reads the archive entry through these.
size_t ReadCallback(void* ptr, size_t size, size_t count, void* source) {
    return static_cast<CDataFile*>(source)->StreamRead(ptr, static_cast<uint32_t>(size * count));
}

int SeekCallback(void* source, ogg_int64_t offset, int whence) {
    return static_cast<CDataFile*>(source)->StreamSeek(static_cast<int>(offset), whence);
}

int CloseCallback(void* source) { return static_cast<CDataFile*>(source)->Close(); }

long TellCallback(void* source) { return static_cast<CDataFile*>(source)->StreamTell(); }

}  // namespace

COggArchiveSource::COggArchiveSource() = default;

COggArchiveSource::~COggArchiveSource() {
    // The decoder closes the entry through its callback while file_ lives.
    if (vorbisOpen_) ov_clear(&vorbis_);
    vorbisOpen_ = false;
}

int COggArchiveSource::Open(const char* name) {
    name_ = name;
    if (file_.OpenStream(name_, "rb", false) < 0)
        ErrorReport(ErrorKind::FileIO, kModuleSoundSource, kOggArchiveOpenFailed);
    ov_callbacks callbacks = {ReadCallback, SeekCallback, CloseCallback, TellCallback};
    if (ov_open_callbacks(&file_, &vorbis_, nullptr, 0, callbacks) != 0)
        ErrorReport(ErrorKind::Sound, kModuleSoundSource, kOggArchiveNotVorbis);
    vorbisOpen_ = true;
    if (!SetUpFormat()) ErrorReport(ErrorKind::Sound, kModuleSoundSource, kOggArchiveFormatUnusable);
    return 1;
}
