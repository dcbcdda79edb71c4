#include "media/avi_file_check.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

bool ReadHeader(FILE* file, uint64_t at, char id[4], uint32_t* size) {
    uint8_t bytes[8];
    if (std::fseek(file, static_cast<long>(at), SEEK_SET) != 0 || std::fread(bytes, 1, 8, file) != 8) return false;
    std::memcpy(id, bytes, 4);
    *size = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<uint32_t>(bytes[7]) << 24;
    return true;
}

// The chunks from `begin` to `end` fit; lists are entered to the given depth.
// *indexed is set on an index chunk (idx1, or the indx of a large file).
bool ChunksFit(FILE* file, uint64_t begin, uint64_t end, int depth, bool* indexed) {
    for (uint64_t at = begin; at < end;) {
        char id[4];
        uint32_t size = 0;
        if (at + 8 > end || !ReadHeader(file, at, id, &size)) return false;
        uint64_t next = at + 8 + size;
        if (next > end) return false;
        if (std::memcmp(id, "idx1", 4) == 0 || std::memcmp(id, "indx", 4) == 0) *indexed = true;
        bool list = std::memcmp(id, "LIST", 4) == 0 || std::memcmp(id, "RIFF", 4) == 0;
        if (list && (size < 4 || (depth > 0 && !ChunksFit(file, at + 12, next, depth - 1, indexed)))) return false;
        at = next + (size & 1);
        if (at > end) at = end;
    }
    return true;
}

}  // namespace

bool IsWholeAviFile(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    long size = std::ftell(file.get());
    if (size < 12) return false;
    // RIFF, its lists (hdrl, movi, ...) and what they hold: the stream
    // headers and the movi chunks.
    bool indexed = false;
    return ChunksFit(file.get(), 0, static_cast<uint64_t>(size), 3, &indexed) && indexed;
}
