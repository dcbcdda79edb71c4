#include "media/avi_picture_format.h"

#include <cstdio>

#include "platform/file_handles.h"

namespace {

constexpr uint32_t kBitmapHeaderBytes = 40;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;
// The colour masks of a bit-field picture follow a 40-byte header; a longer
// header holds them itself.
constexpr uint32_t kMasks = 3;
// No movie the game plays is wider or taller: past this the picture surfaces
// are not made.
constexpr int32_t kLargestSide = 4096;
// The block codecs code 4 x 4 pixels at a time and write whole blocks.
constexpr int32_t kBlockSide = 4;

struct Bitmap {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t coloursUsed;
};

uint16_t Get16(const uint8_t* at) { return uint16_t(at[0] | at[1] << 8); }
uint32_t Get32(const uint8_t* at) { return Get16(at) | uint32_t(Get16(at + 2)) << 16; }

Bitmap ReadBitmap(const uint8_t* at) {
    return {Get32(at),      static_cast<int32_t>(Get32(at + 4)), static_cast<int32_t>(Get32(at + 8)),
            Get16(at + 12), Get16(at + 14), Get32(at + 16), Get32(at + 32)};
}

// How a compression stores a picture: each frame whole, row by row, or in
// blocks of 4 x 4 pixels; Cinepak's frames start with a header of their own.
enum class Coding { Rows, Blocks, HeadedBlocks };

// What a compression asks of a picture: its coding and the bit counts it is
// coded in. Only compressions that both players decode are here: DirectShow
// waits for a decoder of any other without end.
struct Compression {
    uint32_t code;
    Coding coding;
    std::vector<uint16_t> bitCounts;
};

const std::vector<Compression>& Compressions() {
    static const std::vector<Compression> known = {
        {kRgb, Coding::Rows, {1, 4, 8, 16, 24, 32}},
        {kBitFields, Coding::Rows, {16, 32}},
        // MS Video 1, under each of its names.
        {AviFourCc("CRAM"), Coding::Blocks, {8, 16}},
        {AviFourCc("cram"), Coding::Blocks, {8, 16}},
        {AviFourCc("MSVC"), Coding::Blocks, {8, 16}},
        {AviFourCc("msvc"), Coding::Blocks, {8, 16}},
        // Cinepak.
        {AviFourCc("cvid"), Coding::HeadedBlocks, {8, 24, 32}},
        {AviFourCc("CVID"), Coding::HeadedBlocks, {8, 24, 32}},
    };
    return known;
}

const Compression* FindCompression(uint32_t code) {
    for (const Compression& compression : Compressions())
        if (compression.code == code) return &compression;
    return nullptr;
}

bool Allows(const Compression& compression, uint16_t bitCount) {
    for (uint16_t allowed : compression.bitCounts)
        if (allowed == bitCount) return true;
    return false;
}

uint32_t Side(int32_t value) { return static_cast<uint32_t>(value < 0 ? -int64_t(value) : value); }

bool IsMovieSized(const Bitmap& bitmap, AviMovieSize size) {
    const uint32_t height = Side(bitmap.height);
    if (bitmap.width <= 0 || bitmap.width > kLargestSide || height == 0 || height > uint32_t(kLargestSide)) return false;
    return (size.width == 0 || size.width == uint32_t(bitmap.width)) && (size.height == 0 || size.height == height);
}

// The colour table (and the masks of a bit-field picture) lie inside the
// record, and a paletted picture names no more colours than its bits can.
bool ColourTableFits(const Bitmap& bitmap, size_t recordBytes) {
    uint64_t entries = bitmap.coloursUsed;
    if (bitmap.bitCount <= 8) {
        const uint32_t most = 1u << bitmap.bitCount;
        if (entries > most) return false;
        if (entries == 0) entries = most;
    }
    if (bitmap.compression == kBitFields && bitmap.size == kBitmapHeaderBytes) entries += kMasks;
    return bitmap.size + 4 * entries <= recordBytes;
}

bool IsWholeBlocks(const Bitmap& bitmap) {
    return bitmap.width % kBlockSide == 0 && Side(bitmap.height) % kBlockSide == 0;
}

// Each frame of an uncompressed picture holds its every row, each row padded
// to 4 bytes; an empty chunk repeats the frame before.
bool FramesHoldPicture(const Bitmap& bitmap, const std::vector<AviChunk>& chunks) {
    const uint64_t row = (uint64_t(uint32_t(bitmap.width)) * bitmap.bitCount + 31) / 32 * 4;
    const uint64_t picture = row * Side(bitmap.height);
    for (const AviChunk& chunk : chunks)
        if (chunk.size != 0 && chunk.size < picture) return false;
    return true;
}

// A Cinepak frame starts with its flags, its length (24 bits) and the
// picture's width and height (16 bits each), all big-endian. The first frame
// must be one of this picture: a decoder handed another codec's frames under
// the Cinepak name reads them as its own and crashes.
constexpr uint32_t kCinepakHeadBytes = 10;

uint32_t GetBig(const uint8_t* at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | at[i];
    return value;
}

bool IsCinepakFirstFrame(const std::string& path, const Bitmap& bitmap, const std::vector<AviChunk>& chunks) {
    auto first = chunks.begin();
    while (first != chunks.end() && first->size == 0) ++first;
    if (first == chunks.end()) return true;
    uint8_t head[kCinepakHeadBytes];
    StdioFile file(std::fopen(path.c_str(), "rb"));
    if (first->size < kCinepakHeadBytes || !file || _fseeki64(file.get(), first->offset, SEEK_SET) != 0 ||
        std::fread(head, 1, sizeof head, file.get()) != sizeof head) {
        return false;
    }
    const uint32_t length = GetBig(head + 1, 3);
    return length >= kCinepakHeadBytes && length <= first->size && GetBig(head + 4, 2) == uint32_t(bitmap.width) &&
           GetBig(head + 6, 2) == Side(bitmap.height);
}

}  // namespace

bool IsShowablePicture(const std::string& path, const AviStreamLayout& stream, AviMovieSize size) {
    const std::vector<uint8_t>& format = stream.format;
    if (format.size() < kBitmapHeaderBytes) return false;
    const Bitmap bitmap = ReadBitmap(format.data());
    if (bitmap.size < kBitmapHeaderBytes || bitmap.size > format.size()) return false;
    if (!IsMovieSized(bitmap, size) || bitmap.planes != 1) return false;
    const Compression* compression = FindCompression(bitmap.compression);
    if (!compression || !Allows(*compression, bitmap.bitCount)) return false;
    if (!ColourTableFits(bitmap, format.size())) return false;
    switch (compression->coding) {
        case Coding::Rows: return FramesHoldPicture(bitmap, stream.chunks);
        case Coding::Blocks: return IsWholeBlocks(bitmap);
        case Coding::HeadedBlocks: return IsWholeBlocks(bitmap) && IsCinepakFirstFrame(path, bitmap, stream.chunks);
    }
    return false;
}
