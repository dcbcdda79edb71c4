#include "media/wave_source.h"

#include <cstring>

#include "platform/error_report.h"

namespace {

uint32_t LoadU32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

[[noreturn]] void Fail(int place) { ErrorReport(ErrorKind::Sound, kModuleSoundSource, place); }

}  // namespace

CWaveSource::CWaveSource() : dataStart_(0), entrySize_(0) {}

CWaveSource::~CWaveSource() { file_.Close(); }

bool CWaveSource::ReadExactly(void* dst, uint32_t count) { return file_.StreamRead(dst, count) == count; }

int CWaveSource::Open(const char* name) {
    name_ = name;
    if (file_.OpenStream(name_, "rb", false) < 0) ErrorReport(ErrorKind::FileIO, kModuleSoundSource, kWaveOpenFailed);
    // The entry's size: chunk sizes are measured against it, never trusted.
    file_.StreamSeek(0, 2);
    entrySize_ = static_cast<uint32_t>(file_.StreamTell());
    file_.StreamSeek(0, 0);

    uint8_t word[4];
    if (!ReadExactly(word, 4)) Fail(kWaveRiffUnreadable);
    if (std::memcmp(word, "RIFF", 4) != 0) Fail(kWaveNotRiff);
    if (!ReadExactly(word, 4)) Fail(kWaveSizeUnreadable);
    if (!ReadExactly(word, 4)) Fail(kWaveTypeUnreadable);
    if (std::memcmp(word, "WAVE", 4) != 0) Fail(kWaveNotWave);

    uint32_t size = 0;
    FindChunk("fmt ", &size, kWaveNoFormat, kWaveFormatSizeUnreadable);
    ReadFormatChunk(size);
    FindChunk("data", &size, kWaveNoData, kWaveDataSizeUnreadable);

    dataStart_ = static_cast<uint32_t>(file_.StreamTell());
    // A data chunk that claims more than the entry holds ends with the entry.
    uint32_t available = entrySize_ - dataStart_;
    if (size > available) size = available;
    Rewind();
    SetDataBytes(size);
    return 1;
}

void CWaveSource::FindChunk(const char* id, uint32_t* size, int endPlace, int sizePlace) {
    uint8_t header[4];
    uint8_t sizeBytes[4];
    for (;;) {
        if (!ReadExactly(header, 4)) Fail(endPlace);
        if (!ReadExactly(sizeBytes, 4)) Fail(sizePlace);
        *size = LoadU32(sizeBytes);
        if (std::memcmp(header, id, 4) == 0) return;
        // Odd chunks carry one pad byte.
        int64_t next = int64_t{file_.StreamTell()} + *size + (*size & 1);
        if (next >= entrySize_) Fail(endPlace);
        file_.StreamSeek(static_cast<int>(next), 0);
    }
}

void CWaveSource::ReadFormatChunk(uint32_t size) {
    // The size decides an allocation: it must fit a PCM record and the entry
    // before anything is made of it.
    if (size < 16) Fail(kWaveFormatTooShort);
    if (size > entrySize_ - static_cast<uint32_t>(file_.StreamTell())) Fail(kWaveFormatPastEnd);
    WAVEFORMATEX* format = AllocateFormat(size);
    if (!ReadExactly(format, size)) {
        FreeFormat(format);
        Fail(kWaveFormatUnreadable);
    }
    if (size < sizeof(WAVEFORMATEX)) format->cbSize = 0;
    SetFormat(format);
    if (size & 1) file_.StreamSeek(1, 1);
    if (!IsUsableFormat(*format)) Fail(kWaveFormatUnusable);
}

int CWaveSource::Rewind() {
    file_.StreamSeek(static_cast<int>(dataStart_), 0);
    consumedBytes_ = 0;
    return 1;
}

uint32_t CWaveSource::Read(void* dst, uint32_t bytes) {
    // Never past the data chunk: whatever follows it is not sound.
    uint64_t left = GetDataBytes() > consumedBytes_ ? GetDataBytes() - consumedBytes_ : 0;
    if (bytes > left) bytes = static_cast<uint32_t>(left);
    uint32_t read = bytes ? file_.StreamRead(dst, bytes) : 0;
    consumedBytes_ += read;
    return read;
}

void CWaveSource::Skip(uint64_t bytes) {
    file_.StreamSeek(static_cast<int>(bytes), 1);
    consumedBytes_ += bytes;
}
