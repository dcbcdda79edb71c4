// AVIFile, DirectShow's AVI reader and the ACM codecs trust what a file says:
// a chunk that claims more than it holds, a file without an index, a stream
// count or an index entry that names a stream without a header, an index
// entry that points outside the movie data, a stream header that claims more
// samples than the index holds, or an ADPCM format whose block layout does
// not add up makes them read or write where they must not, and end the
// program. The check reads the file's structure first, so only files whose
// every part agrees reach them, and gives what it read: each stream's header
// values, format record and the chunks its index lists. A file larger than
// one RIFF list (OpenDML) continues in further "RIFF AVIX" parts and lists
// its chunks in per-stream indexes ("indx", "ix##"); those are read and
// checked the same way.
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
    uint64_t offset;
    uint32_t size;
};

struct AviStreamLayout {
    uint32_t type = 0;          // "vids", "auds", ...
    uint32_t start = 0;         // the sample the stream starts at
    uint32_t length = 0;        // samples
    // Bytes per sample: a sound stream's block size; 0 where each chunk is
    // one sample (pictures, and sound whose blocks vary in size, such as
    // MP3's).
    uint32_t sampleSize = 0;
    std::vector<uint8_t> format;  // the "strf" record
    // In the index's order: the OpenDML indexes' where the file has them,
    // else the "idx1" index's.
    std::vector<AviChunk> chunks;
};

// The picture size the file's main header gives; 0 where it gives none.
struct AviMovieSize {
    uint32_t width = 0;
    uint32_t height = 0;
};

struct AviLayout {
    AviMovieSize size;
    std::vector<AviStreamLayout> streams;
    // True when the first part's "idx1" index alone lists every sample the
    // stream headers claim, which is all that AVIFile reads. An OpenDML file
    // of several parts lists the later ones only in its own indexes.
    bool firstIndexHoldsAll = false;
};

// Reads the layout of the file; false when any part of it disagrees with
// another or with the file (the layout is then incomplete).
bool ReadAviLayout(const std::string& path, AviLayout* layout);

// Which index a reader of the file goes by.
enum class AviIndexUse {
    kAny,         // the OpenDML indexes where the file has them (DirectShow)
    kFirstIndex,  // the first part's "idx1" (AVIFile)
};

// True when ReadAviLayout accepts the file, the index the reader goes by
// lists every sample, and both movie players can show each of its picture
// streams.
bool IsWholeAviFile(const std::string& path, AviIndexUse use);

// True when the file begins as an AVI file ("RIFF", size, "AVI "), whole or
// not: what the AVI readers take for theirs.
bool IsRiffAviFile(const std::string& path);
