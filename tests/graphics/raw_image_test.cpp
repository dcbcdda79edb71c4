#include "graphics/raw_image.h"

#include <gtest/gtest.h>

#include "expect_box.h"
#include "picture_bytes.h"
#include "surface_contents.h"

namespace {

// A raw image file: the header words, then the data as given.
Bytes RawFile(uint32_t width, uint32_t height, uint32_t packed, uint32_t pixelBytes, const Bytes& data) {
    Bytes file(24, 0xEE);  // the words at 0 and 20 are not read
    PutWord(file, 4, width);
    PutWord(file, 8, height);
    PutWord(file, 12, packed);
    PutWord(file, 16, pixelBytes);
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

int Decode(CMemorySurface& surface, const Bytes& file) {
    return DecodeRawImage(surface, file.data(), static_cast<uint32_t>(file.size()));
}

const Bytes kTwoByTwo = {0x01, 0x02, 0x03, 0x04, 0x11, 0x12, 0x13, 0x14,
                         0x21, 0x22, 0x23, 0x24, 0x31, 0x32, 0x33, 0x34};

TEST(RawImage, StoredPixelsAreCopiedUnchanged) {
    CMemorySurface surface;
    // Bytes after the pixels are ignored.
    Bytes data = kTwoByTwo;
    data.push_back(0x99);
    ASSERT_EQ(Decode(surface, RawFile(2, 2, 0, 16, data)), 0);
    EXPECT_EQ(SizeOf(surface), Size(2, 2));
    EXPECT_EQ(PixelBytesOf(surface), kTwoByTwo);
    EXPECT_EQ(surface.GetPixel(1, 1), 0x34333231u);
}

TEST(RawImage, PackedPixelsAreUnpacked) {
    // Four literals (flag bits 0-3), then a reference to the ring's write
    // start 4078 (0xFEE) of 12 bytes, which repeats them three times.
    const Bytes packed = {0x0F, 0x01, 0x02, 0x03, 0x04, 0xEE, 0xF9};
    CMemorySurface surface;
    ASSERT_EQ(Decode(surface, RawFile(4, 1, 1, 16, packed)), 0);
    const Bytes expected = {1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4};
    EXPECT_EQ(PixelBytesOf(surface), expected);

    // Any non-zero flag means packed; eight literals after a flag byte of
    // 0xFF.
    const Bytes literals = {0xFF, 9, 8, 7, 6, 5, 4, 3, 2};
    ASSERT_EQ(Decode(surface, RawFile(2, 1, 0x100, 8, literals)), 0);
    EXPECT_EQ(PixelBytesOf(surface), Bytes({9, 8, 7, 6, 5, 4, 3, 2}));
}

struct DamagedCase {
    const char* name;
    Bytes file;
};

TEST(RawImage, DamagedFilesAreRefused) {
    const DamagedCase cases[] = {
        {"shorter than the header", Bytes(23, 0)},
        {"size field too big", RawFile(2, 2, 0, 20, Bytes(20, 1))},
        {"size field too small", RawFile(2, 2, 0, 12, kTwoByTwo)},
        {"fewer stored bytes than pixels", RawFile(2, 2, 0, 16, Bytes(15, 1))},
        // 65536 x 65536 x 4 is 0 in 32 bits, like the size field.
        {"overflowing dimensions", RawFile(0x10000, 0x10000, 0, 0, {})},
        {"overflowing width", RawFile(0x40000000, 1, 0, 0, {})},
        {"packed data ending early", RawFile(4, 1, 1, 16, {0x0F, 0x01, 0x02, 0x03, 0x04, 0xEE})},
        {"packed data far too short for the size", RawFile(1000, 1000, 1, 4000000, Bytes(10, 0xFF))},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.name);
        CMemorySurface surface;
        ASSERT_EQ(surface.Create(3, 3), 0);
        EXPECT_EQ(Decode(surface, c.file), 3);
        EXPECT_FALSE(surface.HasImage());
    }
}

TEST(RawImage, SizesThatAreNotPositiveEndInTheSurfaceWarning) {
    const Bytes files[] = {RawFile(0, 2, 0, 0, {}), RawFile(2, 0xFFFFFFFF, 0, 0, {})};
    for (const Bytes& file : files) {
        CMemorySurface surface;
        EXPECT_THROW(Decode(surface, file), CInternalError);
        ExpectOneBox(ErrorKind::Warning, 1010, 66);
    }
}

}  // namespace
