// Reading files out of the packed archives. A game path such as "S/Main.txt"
// is looked up in the archive named after the folder that holds it (S.dat in
// the base directory, as the entry main.txt; mn/sub/a.png in mn/sub.dat, not
// mn.dat), by file name alone and in any letter case. Nothing is cached:
// every open reads the archive's header and directory anew.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Reads an entry of a version-1 (or version-2) archive whole into a zeroed
// GlobalAlloc block of size + 1 bytes (the last one stays zero), unpacked and
// descrambled; the caller frees it with GlobalFree. 0 read, 1 not found or
// unreadable (missing, foreign, renamed or damaged archive, missing entry,
// packed data that end early).
int ReadArchiveEntryV1(const std::string& path, uint8_t*& buffer, uint32_t& size);
int ReadArchiveEntryV2(const std::string& path, uint8_t*& buffer, uint32_t& size);

// Opens a version-2 archive as a C stream placed at the entry's first byte:
// base offset is where the entry starts in the file, size its length, and
// the scramble flag is set when the bytes read have to go through the bit
// transform. Only entries that can be read in pieces open: stored unpacked,
// and plain or bit-transformed (the key stream runs over a whole block).
// 0 opened, 1 not found or not streamable.
int OpenArchiveStreamV2(const std::string& path, FILE*& stream, uint32_t& baseOffset,
                        uint32_t& size, uint8_t& scrambleFlag);
