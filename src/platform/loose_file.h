// Whole files on disk, outside the packed archives: the user files (settings,
// system data, saves) are read and written only this way.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Reads a file whole into a zeroed GlobalAlloc block of size + 1 bytes (the
// last one stays zero); the caller frees it with GlobalFree. 0 read; 1 the
// file cannot be opened or the block allocated; 2 the size cannot be read
// (or is 4 GB or more); 4 reading fails; 5 closing fails.
int ReadLooseFile(const std::string& path, uint8_t*& buffer, uint32_t& size);

// Opens a file as a C stream for reading ("rb"), with its size; the base
// offset is 0. 0 opened, 1 when it cannot be opened.
int OpenLooseStream(const std::string& path, FILE*& stream, uint32_t& baseOffset, uint32_t& size);

// Writes size bytes as the whole file at NormalizePath(path), through a
// temporary file beside it that replaces the target only once every byte is
// written and the file closed: a full disk or a crash leaves the previous
// file as it was. Reports nothing; the result says what failed.
enum ReplaceResult {
    kReplaceWritten = 0,
    kReplaceCannotCreate = 1,
    kReplaceCannotWrite = 2,
    kReplaceCannotClose = 3,
    kReplaceCannotReplace = 4,
};
int WriteFileReplacing(const std::string& path, const void* data, uint32_t size);

// WriteFileReplacing for files the game cannot do without: 0 written, 3
// when the temporary file cannot be closed. A file that cannot be created or replaced is a fatal
// "FileI/O Error" (1002, 343), one that cannot be written too (1002, 356).
int WriteWholeFile(const std::string& path, const void* data, uint32_t size);
