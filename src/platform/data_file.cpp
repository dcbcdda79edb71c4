#include "platform/data_file.h"

#include <windows.h>

#include <cstring>

#include "platform/archive_reader.h"
#include "platform/archive_scramble.h"
#include "platform/loose_file.h"
#include "platform/paths.h"

namespace {

// Seek places the read pointer anywhere, so the arithmetic is done on
// addresses rather than on pointers into the contents.
uint8_t* Displace(const uint8_t* pointer, intptr_t offset) {
    return reinterpret_cast<uint8_t*>(reinterpret_cast<uintptr_t>(pointer) + offset);
}

}  // namespace

CDataFile::CDataFile()
    : size_(0),
      stream_(nullptr),
      baseOffset_(0),
      scrambled_(0),
      buffer_(nullptr),
      readPointer_(nullptr),
      fromArchive_(0) {}

CDataFile::~CDataFile() { Close(); }

int CDataFile::OpenWhole(const std::string& path, bool allowLooseFile) {
    Close();
    name_ = NormalizePath(path);
    scrambled_ = 0;
    uint8_t* contents = nullptr;
    uint32_t size = 0;
    if (allowLooseFile && ReadLooseFile(name_, contents, size) == 0) {
        fromArchive_ = 0;
    } else if (ReadArchiveEntryV1(name_, contents, size) == 0 ||
               ReadArchiveEntryV2(name_, contents, size) == 0) {
        fromArchive_ = 1;
    } else {
        return 1;
    }
    buffer_ = readPointer_ = contents;
    size_ = size;
    return 0;
}

int CDataFile::OpenStream(const std::string& path, const std::string& mode, bool allowLooseFile) {
    Close();
    name_ = NormalizePath(path);
    scrambled_ = 0;
    if (mode.find('w') != std::string::npos) {
        stream_ = std::fopen(name_.c_str(), mode.c_str());
        return stream_ ? 0 : 1;
    }
    if (allowLooseFile && OpenLooseStream(name_, stream_, baseOffset_, size_) == 0) return 0;
    if (OpenArchiveStreamV2(name_, stream_, baseOffset_, size_, scrambled_) == 0) {
        fromArchive_ = 1;
        return 0;
    }
    return -1;
}

int CDataFile::Close() {
    int result = 0;
    if (stream_) {
        result = std::fclose(stream_);
        stream_ = nullptr;
    } else if (buffer_) {
        GlobalFree(buffer_);
    }
    buffer_ = readPointer_ = nullptr;
    size_ = 0;
    baseOffset_ = 0;
    fromArchive_ = 0;
    return result;
}

uint32_t CDataFile::Read(void* destination, uint32_t count) {
    if (!buffer_) return 0;
    uintptr_t start = reinterpret_cast<uintptr_t>(buffer_);
    uintptr_t at = reinterpret_cast<uintptr_t>(readPointer_);
    if (at < start || at >= start + size_) return 0;
    uint32_t left = static_cast<uint32_t>(start + size_ - at);
    uint32_t n = count < left ? count : left;
    std::memcpy(destination, readPointer_, n);
    readPointer_ += n;
    return n;
}

int CDataFile::Seek(int offset, int origin) {
    if (origin == 0) {
        readPointer_ = Displace(buffer_, offset);
    } else if (origin == 1) {
        readPointer_ = Displace(readPointer_, offset);
    } else if (origin == 2) {
        readPointer_ = Displace(buffer_, static_cast<intptr_t>(size_) + offset);
    }
    return 0;
}

uint32_t CDataFile::GetSize() const { return size_; }

uint8_t* CDataFile::GetData() const { return buffer_; }

uint8_t* CDataFile::GetReadPointer() const { return readPointer_; }

void CDataFile::SetReadPointer(uint8_t* pointer) { readPointer_ = pointer; }

int CDataFile::StreamSeek(int offset, int origin) {
    if (!stream_) return -1;
    switch (origin) {
        case 0:
            return std::fseek(stream_, static_cast<long>(int64_t{baseOffset_} + offset), SEEK_SET);
        case 1:
            return std::fseek(stream_, offset, SEEK_CUR);
        case 2:
            return std::fseek(stream_, static_cast<long>(int64_t{baseOffset_} + size_ + offset),
                              SEEK_SET);
        default:
            return 0;
    }
}

long CDataFile::StreamTell() const {
    if (!stream_) return -1;
    long position = std::ftell(stream_);
    return position < 0 ? position : position - static_cast<long>(baseOffset_);
}

uint32_t CDataFile::StreamRead(void* buffer, uint32_t count) {
    long position = StreamTell();
    if (position < 0 || static_cast<uint32_t>(position) >= size_) return 0;
    uint32_t left = size_ - static_cast<uint32_t>(position);
    if (count > left) count = left;
    if (std::fread(buffer, 1, count, stream_) != count) return 0;
    if (fromArchive_ && scrambled_) archive::ApplyBitTransform(static_cast<uint8_t*>(buffer), count);
    return count;
}

int CDataFile::WriteString(const std::string& text) {
    if (!stream_) return -1;
    return std::fwrite(text.data(), 1, text.size(), stream_) == text.size() ? 0 : 1;
}

int ReadFileToVector(const std::string& path, std::vector<uint8_t>& bytes, bool allowLooseFile) {
    CDataFile file;
    if (file.OpenWhole(path, allowLooseFile) != 0) return 1;
    bytes.assign(file.GetData(), file.GetData() + file.GetSize());
    file.Close();
    return 0;
}

int WriteVectorToFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    return WriteWholeFile(path, bytes.data(), static_cast<uint32_t>(bytes.size()));
}
