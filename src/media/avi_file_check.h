// AVIFile, DirectShow's AVI reader and the ACM codecs trust what a file says:
// a chunk that claims more than it holds, a file without an index, a stream
// count or an index entry that names a stream without a header, an index
// entry that points outside the movie data, a stream header that claims more
// samples than the index holds, or an ADPCM format whose block layout does
// not add up makes them read or write where they must not, and end the
// program. The check reads the file's structure first, so only files whose
// every part agrees reach them, and gives what it read: each stream's header
// values, format record and the chunks its index lists.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A four-character code as the file stores it (little-endian).
constexpr uint32_t AviFourCc(const char (&code)[5]) {
    return uint32_t(uint8_t(code[0])) | uint32_t(uint8_t(code[1])) << 8 | uint32_t(uint8_t(code[2])) << 16 |
           uint32_t(uint8_t(code[3])) << 24;
}

// Where the bytes of one chunk of a stream lie in the file.
struct AviChunk {
    uint32_t offset;
    uint32_t size;
};

struct AviStreamLayout {
    uint32_t type = 0;          // "vids", "auds", ...
    uint32_t start = 0;         // the sample the stream starts at
    uint32_t length = 0;        // samples
    // Bytes per sample: a sound stream's block size; 0 where each chunk is
    // one sample (pictures).
    uint32_t sampleSize = 0;
    std::vector<uint8_t> format;  // the "strf" record
    std::vector<AviChunk> chunks;  // in the index's order
};

// The picture size the file's main header gives; 0 where it gives none.
struct AviMovieSize {
    uint32_t width = 0;
    uint32_t height = 0;
};

struct AviLayout {
    AviMovieSize size;
    std::vector<AviStreamLayout> streams;
};

// Reads the layout of the file; false when any part of it disagrees with
// another or with the file (the layout is then incomplete).
bool ReadAviLayout(const std::string& path, AviLayout* layout);

// True when ReadAviLayout accepts the file and both movie players can show
// each of its picture streams.
bool IsWholeAviFile(const std::string& path);
