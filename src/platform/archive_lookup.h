// Finding an entry in a packed archive: the header, the name block and the
// directory are checked and descrambled the same way for whole and streamed
// reads; only where the bytes come from differs.
#pragma once

#include <cstdint>
#include <string>

namespace archive {

// The bytes of an open archive file.
class CArchiveInput {
public:
    virtual ~CArchiveInput() = default;
    // The file's length in bytes; false when it cannot be read.
    virtual bool GetSize(uint64_t& size) = 0;
    // Reads exactly count bytes at the current position; false otherwise.
    virtual bool Read(void* destination, uint32_t count) = 0;
    // Moves to offset from the start of the file.
    virtual bool SeekTo(uint32_t offset) = 0;
};

struct EntryInfo {
    uint32_t offset;      // of the stored bytes, from the start of the file
    uint32_t size;        // once unpacked
    uint32_t storedSize;  // in the file; equal to size when not packed
    uint8_t scrambleKind;
};

// Reads the archive from its start and finds the first directory entry named
// wantedName (lower case); archiveFileName is the archive's own file name,
// which its name block must repeat. Every count, offset and size read is
// checked against the file's length: the directory must lie in the file, the
// entry's stored bytes too, and a packed entry's size must be one its stored
// bytes can unpack to. False when the archive is not of this version, is
// damaged, or has no such entry.
bool FindArchiveEntry(CArchiveInput& input, uint32_t version, const std::string& archiveFileName,
                      const std::string& wantedName, EntryInfo& entry);

}  // namespace archive
