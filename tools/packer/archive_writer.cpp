#include "packer/archive_writer.h"

#include <cstring>
#include <set>
#include <stdexcept>

#include "packer/lzss_encoder.h"
#include "platform/archive_format.h"
#include "platform/archive_scramble.h"
#include "platform/paths.h"
#include "platform/sjis.h"

namespace packer {

using namespace archive;

namespace {

void CheckEntryName(const std::string& name) {
    if (name.empty() || name.size() >= kEntryNameSize) {
        throw std::invalid_argument("entry name must have 1 to 63 bytes: " + name);
    }
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (IsSjisLeadByte(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '\\' || c == '/' || c == ':' || c == '\0') {
            throw std::invalid_argument("entry name holds a path character: " + name);
        }
    }
}

void CheckNamesDiffer(const std::vector<PackEntry>& entries) {
    std::set<std::string> seen;
    for (const PackEntry& entry : entries) {
        CheckEntryName(entry.name);
        std::string lower = entry.name;
        MakeLowerCase(lower);
        if (!seen.insert(lower).second) {
            throw std::invalid_argument("two entries named " + entry.name + " in any letter case");
        }
    }
}

// What the archive stores for one entry.
struct StoredEntry {
    std::vector<uint8_t> bytes;
    uint32_t size;
};

StoredEntry StoreEntry(uint32_t version, const PackEntry& entry) {
    StoredEntry stored{entry.data, static_cast<uint32_t>(entry.data.size())};
    if (entry.pack) {
        std::vector<uint8_t> packed = LzssEncode(entry.data.data(), entry.data.size());
        // Packed data exactly as long as the original would be read as
        // stored, so only data that actually shrink are kept packed.
        if (packed.size() < entry.data.size()) stored.bytes = std::move(packed);
    }
    uint8_t* bytes = stored.bytes.data();
    uint32_t count = static_cast<uint32_t>(stored.bytes.size());
    if (version == kVersion1 || entry.scrambleKind == kScrambleKeyStream) {
        ApplyKeyStream(bytes, count, kEntryDataKey, KeyStreamDirection::Scramble);
    } else if (entry.scrambleKind == kScrambleBitTransform) {
        InvertBitTransform(bytes, count);
    }
    return stored;
}

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[4];
    StoreU32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

std::vector<uint8_t> MakeDirectoryEntry(uint32_t version, const std::string& name,
                                        uint32_t offset, const StoredEntry& stored,
                                        uint8_t scrambleKind) {
    std::vector<uint8_t> e(kEntrySize, 0);
    std::memcpy(e.data(), name.data(), name.size());
    uint32_t storedSize = static_cast<uint32_t>(stored.bytes.size());
    if (version == kVersion1) {
        StoreU32(&e[kV1OffsetField], offset);
        StoreU32(&e[kV1SizeField], stored.size);
        StoreU32(&e[kV1StoredSizeField], storedSize);
    } else {
        StoreU32(&e[kV2OffsetField], offset);
        StoreU32(&e[kV2SizeField], stored.size);
        StoreU32(&e[kV2StoredSizeField], storedSize);
        StoreU32(&e[kV2ScrambleKindField], scrambleKind);
    }
    ApplyKeyStream(e.data(), kEntrySize, kDirectoryEntryKey, KeyStreamDirection::Scramble);
    return e;
}

}  // namespace

std::vector<uint8_t> BuildArchive(uint32_t version, const std::string& archiveFileName,
                                  const std::vector<PackEntry>& entries) {
    if (version != kVersion1 && version != kVersion2) {
        throw std::invalid_argument("archive version must be 1 or 2");
    }
    if (archiveFileName.empty() || archiveFileName.size() > kMaxNameBlockLength) {
        throw std::invalid_argument("archive file name must have 1 to 255 bytes");
    }
    CheckNamesDiffer(entries);

    std::vector<StoredEntry> stored;
    uint64_t offset = kNameBlockOffset + archiveFileName.size() + 4 +
                      uint64_t{kEntrySize} * entries.size();
    std::vector<uint32_t> offsets;
    for (const PackEntry& entry : entries) {
        if (entry.data.size() >= 0xFFFFFFFFu) throw std::length_error("entry of 4 GB: " + entry.name);
        stored.push_back(StoreEntry(version, entry));
        offsets.push_back(static_cast<uint32_t>(offset));
        offset += stored.back().bytes.size();
        if (offset > 0xFFFFFFFFu) throw std::length_error("archive would reach 4 GB");
    }

    std::vector<uint8_t> out(kMagic, kMagic + kMagicSize);
    AppendU32(out, version);
    AppendU32(out, static_cast<uint32_t>(archiveFileName.size()));
    std::vector<uint8_t> nameBlock(archiveFileName.begin(), archiveFileName.end());
    ApplyKeyStream(nameBlock.data(), static_cast<uint32_t>(nameBlock.size()), kNameBlockKey,
                   KeyStreamDirection::Scramble);
    out.insert(out.end(), nameBlock.begin(), nameBlock.end());
    AppendU32(out, static_cast<uint32_t>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        std::vector<uint8_t> e =
            MakeDirectoryEntry(version, entries[i].name, offsets[i], stored[i], entries[i].scrambleKind);
        out.insert(out.end(), e.begin(), e.end());
    }
    for (const StoredEntry& s : stored) out.insert(out.end(), s.bytes.begin(), s.bytes.end());
    return out;
}

void InvertBitTransform(uint8_t* data, size_t size) {
    // The reader's transform rotates each byte right by two places and XORs
    // it with its mask M2 (the masks are chosen so, see archive_format.h):
    // XOR with M2, then rotate left by two.
    for (size_t i = 0; i < size; ++i) {
        unsigned b = data[i] ^ kBitMask2;
        data[i] = static_cast<uint8_t>((b << 2) | (b >> 6));
    }
}

}  // namespace packer
