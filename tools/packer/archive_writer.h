// Writing packed archives in the layout the game reads (platform/
// archive_format.h): the name block, the directory and each entry's data,
// packed and scrambled as asked for each entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace packer {

struct PackEntry {
    // The file name alone, in Shift-JIS: not empty, at most 63 bytes, no
    // "\", "/" or ":" outside double-byte characters.
    std::string name;
    std::vector<uint8_t> data;
    // LZSS-pack the data when that makes them smaller; otherwise (and for
    // entries that are to be streamed) they are stored as they are.
    bool pack;
    // Version 2 only: 0 plain, 1 key stream, 2 bit transform (other values
    // are written and read as plain). Version-1 data always go through the
    // key stream. Streamed entries must be stored unpacked with 0 or 2.
    uint8_t scrambleKind;
};

// The bytes of a whole archive of the given version whose own file name (the
// name block, which the reader compares with the archive's file name) is
// archiveFileName. The entries' data follow the directory in the order given.
// Throws std::invalid_argument for a version other than 1 or 2, an
// archiveFileName that is empty or longer than 255 bytes, a name that breaks
// the rules above or repeats another in any letter case (the reader finds
// entries by name alone, case-insensitively), and std::length_error when the
// archive would reach 4 GB.
std::vector<uint8_t> BuildArchive(uint32_t version, const std::string& archiveFileName,
                                  const std::vector<PackEntry>& entries);

// Undoes the reader's bit transform, so that the reader's transform of the
// result gives the data back.
void InvertBitTransform(uint8_t* data, size_t size);

}  // namespace packer
