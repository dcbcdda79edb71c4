#include "platform/archive_reader.h"

#include <windows.h>

#include <memory>
#include <new>

#include "platform/archive_format.h"
#include "platform/archive_lookup.h"
#include "platform/archive_scramble.h"
#include "platform/file_handles.h"
#include "platform/lzss.h"
#include "platform/paths.h"

namespace {

using archive::CArchiveInput;
using archive::EntryInfo;

class CWin32ArchiveInput : public CArchiveInput {
public:
    explicit CWin32ArchiveInput(const std::string& path)
        : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {}

    bool IsOpen() const { return file_.IsOpen(); }
    bool Close() { return file_.Close(); }

    bool GetSize(uint64_t& size) override {
        DWORD high = 0;
        DWORD low = GetFileSize(file_.Get(), &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
        size = (static_cast<uint64_t>(high) << 32) | low;
        return true;
    }

    bool Read(void* destination, uint32_t count) override {
        DWORD read = 0;
        return ReadFile(file_.Get(), destination, count, &read, nullptr) && read == count;
    }

    bool SeekTo(uint32_t offset) override {
        LONG high = 0;
        DWORD low = SetFilePointer(file_.Get(), static_cast<LONG>(offset), &high, FILE_BEGIN);
        return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
    }

private:
    CFileHandle file_;
};

class CStdioArchiveInput : public CArchiveInput {
public:
    explicit CStdioArchiveInput(FILE* file) : file_(file) {}

    bool GetSize(uint64_t& size) override {
        if (std::fseek(file_, 0, SEEK_END) != 0) return false;
        long end = std::ftell(file_);
        if (end < 0 || std::fseek(file_, 0, SEEK_SET) != 0) return false;
        size = static_cast<uint64_t>(end);
        return true;
    }

    bool Read(void* destination, uint32_t count) override {
        return std::fread(destination, 1, count, file_) == count;
    }

    bool SeekTo(uint32_t offset) override {
        return offset <= 0x7FFFFFFFu && std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
    }

private:
    FILE* file_;
};

// Where a game path is looked for: the archive beside its folder, and the
// entry name in lower case.
struct ArchiveLocation {
    std::string archivePath;
    std::string archiveFileName;
    std::string entryName;
};

ArchiveLocation LocateInArchive(const std::string& path) {
    std::string name = NormalizePath(path);
    ArchiveLocation location;
    location.archivePath = GetDirectoryPart(name) + ".dat";
    location.archiveFileName = GetFileNamePart(location.archivePath);
    location.entryName = GetFileNamePart(name);
    MakeLowerCase(location.entryName);
    return location;
}

void DescrambleEntryData(uint8_t* data, uint32_t size, uint32_t version, uint8_t kind) {
    if (version == archive::kVersion1 || kind == archive::kScrambleKeyStream) {
        archive::ApplyKeyStream(data, size, archive::kEntryDataKey,
                                archive::KeyStreamDirection::Descramble);
    } else if (kind == archive::kScrambleBitTransform) {
        archive::ApplyBitTransform(data, size);
    }
}

// Reads the entry's stored bytes, descrambles them and unpacks them when
// packed, into a block of size + 1 bytes.
GlobalBlock ReadEntryData(CArchiveInput& input, const EntryInfo& entry, uint32_t version) {
    if (!input.SeekTo(entry.offset)) return nullptr;
    GlobalBlock block = AllocateZeroedBlock(entry.size + 1);
    if (!block) return nullptr;
    if (entry.storedSize == entry.size) {
        if (!input.Read(block.get(), entry.size)) return nullptr;
        DescrambleEntryData(block.get(), entry.size, version, entry.scrambleKind);
        return block;
    }
    std::unique_ptr<uint8_t[]> packed(new (std::nothrow) uint8_t[entry.storedSize]);
    if (!packed || !input.Read(packed.get(), entry.storedSize)) return nullptr;
    DescrambleEntryData(packed.get(), entry.storedSize, version, entry.scrambleKind);
    uint8_t* destination = block.get();
    // An entry of size 0 unpacks to nothing (result 1); only data that end
    // early fail.
    if (LzssDecode(packed.get(), entry.storedSize, destination, entry.size, false) > 1) {
        return nullptr;
    }
    return block;
}

int ReadArchiveEntry(const std::string& path, uint32_t version, uint8_t*& buffer, uint32_t& size) {
    ArchiveLocation location = LocateInArchive(path);
    CWin32ArchiveInput input(location.archivePath);
    if (!input.IsOpen()) return 1;
    EntryInfo entry;
    if (!archive::FindArchiveEntry(input, version, location.archiveFileName, location.entryName,
                                   entry)) {
        return 1;
    }
    GlobalBlock block = ReadEntryData(input, entry, version);
    if (!block || !input.Close()) return 1;
    buffer = block.release();
    size = entry.size;
    return 0;
}

}  // namespace

int ReadArchiveEntryV1(const std::string& path, uint8_t*& buffer, uint32_t& size) {
    return ReadArchiveEntry(path, archive::kVersion1, buffer, size);
}

int ReadArchiveEntryV2(const std::string& path, uint8_t*& buffer, uint32_t& size) {
    return ReadArchiveEntry(path, archive::kVersion2, buffer, size);
}

int OpenArchiveStreamV2(const std::string& path, FILE*& stream, uint32_t& baseOffset,
                        uint32_t& size, uint8_t& scrambleFlag) {
    ArchiveLocation location = LocateInArchive(path);
    StdioFile file(std::fopen(location.archivePath.c_str(), "rb"));
    if (!file) return 1;
    CStdioArchiveInput input(file.get());
    EntryInfo entry;
    if (!archive::FindArchiveEntry(input, archive::kVersion2, location.archiveFileName,
                                   location.entryName, entry)) {
        return 1;
    }
    // A packed entry cannot be read in pieces, nor can the key stream be
    // undone from the middle of an entry.
    if (entry.storedSize != entry.size || entry.scrambleKind == archive::kScrambleKeyStream) {
        return 1;
    }
    if (!input.SeekTo(entry.offset)) return 1;
    stream = file.release();
    baseOffset = entry.offset;
    size = entry.size;
    scrambleFlag = entry.scrambleKind == archive::kScrambleBitTransform;
    return 0;
}
