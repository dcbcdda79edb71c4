#include "platform/archive_lookup.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/archive_format.h"
#include "platform/archive_scramble.h"
#include "platform/lzss.h"
#include "platform/paths.h"

namespace archive {

namespace {

// Directory entries are read this many at a time.
constexpr uint32_t kEntriesPerRead = 64;

std::string LowerCaseText(const uint8_t* bytes, uint32_t limit) {
    const void* zero = std::memchr(bytes, 0, limit);
    uint32_t length = zero ? static_cast<uint32_t>(static_cast<const uint8_t*>(zero) - bytes) : limit;
    std::string text(reinterpret_cast<const char*>(bytes), length);
    MakeLowerCase(text);
    return text;
}

bool ReadU32(CArchiveInput& input, uint32_t& value) {
    uint8_t bytes[4];
    if (!input.Read(bytes, 4)) return false;
    value = LoadU32(bytes);
    return true;
}

EntryInfo ParseEntry(const uint8_t* e, uint32_t version) {
    if (version == kVersion1) {
        return {LoadU32(e + kV1OffsetField), LoadU32(e + kV1SizeField),
                LoadU32(e + kV1StoredSizeField), kScrambleKeyStream};
    }
    return {LoadU32(e + kV2OffsetField), LoadU32(e + kV2SizeField),
            LoadU32(e + kV2StoredSizeField), e[kV2ScrambleKindField]};
}

bool EntryFitsFile(const EntryInfo& entry, uint64_t fileSize) {
    if (static_cast<uint64_t>(entry.offset) + entry.storedSize > fileSize) return false;
    // The caller's buffer holds size + 1 bytes.
    if (entry.size == 0xFFFFFFFFu) return false;
    return entry.storedSize == entry.size || entry.size <= LzssMaxUnpackedSize(entry.storedSize);
}

}  // namespace

bool FindArchiveEntry(CArchiveInput& input, uint32_t version, const std::string& archiveFileName,
                      const std::string& wantedName, EntryInfo& entry) {
    uint64_t fileSize = 0;
    if (!input.GetSize(fileSize)) return false;

    char magic[kMagicSize];
    uint32_t fileVersion = 0, nameLength = 0;
    if (!input.Read(magic, kMagicSize) || std::memcmp(magic, kMagic, kMagicSize) != 0) return false;
    if (!ReadU32(input, fileVersion) || fileVersion != version) return false;
    if (!ReadU32(input, nameLength) || nameLength > kMaxNameBlockLength) return false;

    uint8_t nameBlock[kMaxNameBlockLength + 1] = {};
    if (!input.Read(nameBlock, nameLength)) return false;
    ApplyKeyStream(nameBlock, nameLength, kNameBlockKey, KeyStreamDirection::Descramble);
    std::string ownName = archiveFileName;
    MakeLowerCase(ownName);
    if (LowerCaseText(nameBlock, nameLength) != ownName) return false;

    uint32_t count = 0;
    if (!ReadU32(input, count)) return false;
    uint64_t directoryEnd = kNameBlockOffset + nameLength + 4 + static_cast<uint64_t>(count) * kEntrySize;
    if (directoryEnd > fileSize) return false;

    std::vector<uint8_t> entries;
    for (uint32_t first = 0; first < count; first += kEntriesPerRead) {
        uint32_t batch = std::min(kEntriesPerRead, count - first);
        entries.resize(batch * kEntrySize);
        if (!input.Read(entries.data(), batch * kEntrySize)) return false;
        for (uint32_t i = 0; i < batch; ++i) {
            uint8_t* e = &entries[i * kEntrySize];
            ApplyKeyStream(e, kEntrySize, kDirectoryEntryKey, KeyStreamDirection::Descramble);
            if (LowerCaseText(e, kEntryNameSize) != wantedName) continue;
            EntryInfo found = ParseEntry(e, version);
            if (!EntryFitsFile(found, fileSize)) return false;
            entry = found;
            return true;
        }
    }
    return false;
}

}  // namespace archive
