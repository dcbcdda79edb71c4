#include "graphics/png_image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "picture_bytes.h"
#include "surface_contents.h"

namespace {

struct PngCase {
    const char* name;
    PngPicture picture;
    Bytes expected;  // B, G, R, A of every pixel, rows top-down
    bool hasAlpha;
};

// Opaque pixels of pictures without alpha carry the filler byte 8.
const PngCase kCases[] = {
    {"grey 1 bit", {3, 1, 1, 0, {{0xA0}}, {}, {}},
     {0xFF, 0xFF, 0xFF, 8, 0, 0, 0, 8, 0xFF, 0xFF, 0xFF, 8}, false},
    {"grey 2 bits", {4, 1, 2, 0, {{0x1B}}, {}, {}},
     {0, 0, 0, 8, 0x55, 0x55, 0x55, 8, 0xAA, 0xAA, 0xAA, 8, 0xFF, 0xFF, 0xFF, 8}, false},
    {"grey 4 bits", {2, 1, 4, 0, {{0x3C}}, {}, {}}, {0x33, 0x33, 0x33, 8, 0xCC, 0xCC, 0xCC, 8}, false},
    {"grey 8 bits", {2, 1, 8, 0, {{0x12, 0xFE}}, {}, {}}, {0x12, 0x12, 0x12, 8, 0xFE, 0xFE, 0xFE, 8}, false},
    {"grey 16 bits", {2, 1, 16, 0, {{0x12, 0x34, 0xAB, 0xCD}}, {}, {}},
     {0x12, 0x12, 0x12, 8, 0xAB, 0xAB, 0xAB, 8}, false},
    {"grey and alpha 8 bits", {2, 1, 8, 4, {{0x40, 0x80, 0xC0, 0x00}}, {}, {}},
     {0x40, 0x40, 0x40, 0x80, 0xC0, 0xC0, 0xC0, 0x00}, true},
    {"grey and alpha 16 bits", {1, 1, 16, 4, {{0x40, 0x00, 0x80, 0xFF}}, {}, {}}, {0x40, 0x40, 0x40, 0x80}, true},
    {"colour 8 bits, two rows", {2, 2, 8, 2, {{0x11, 0x22, 0x33, 0xA1, 0xB2, 0xC3}, {1, 2, 3, 4, 5, 6}}, {}, {}},
     {0x33, 0x22, 0x11, 8, 0xC3, 0xB2, 0xA1, 8, 3, 2, 1, 8, 6, 5, 4, 8}, false},
    {"colour 16 bits", {1, 1, 16, 2, {{0x11, 0x22, 0x33, 0x44, 0x55, 0x66}}, {}, {}}, {0x55, 0x33, 0x11, 8}, false},
    {"colour and alpha 8 bits", {2, 1, 8, 6, {{0x11, 0x22, 0x33, 0x44, 0xA1, 0xB2, 0xC3, 0xFF}}, {}, {}},
     {0x33, 0x22, 0x11, 0x44, 0xC3, 0xB2, 0xA1, 0xFF}, true},
    {"colour and alpha 16 bits", {1, 1, 16, 6, {{0x11, 0, 0x22, 0, 0x33, 0, 0x44, 0xFF}}, {}, {}},
     {0x33, 0x22, 0x11, 0x44}, true},
    {"palette 8 bits", {2, 1, 8, 3, {{1, 0}}, {1, 2, 3, 250, 251, 252}, {}},
     {0xFC, 0xFB, 0xFA, 8, 3, 2, 1, 8}, false},
    {"palette 2 bits", {3, 1, 2, 3, {{0x24}}, {1, 2, 3, 250, 251, 252, 9, 8, 7}, {}},
     {3, 2, 1, 8, 7, 8, 9, 8, 0xFC, 0xFB, 0xFA, 8}, false},
    // Transparency turns into alpha, but the picture does not count as one
    // with alpha.
    // Passes 1, 6 and 7 hold pixels of a 2 x 2 picture: (0, 0), (1, 0), then
    // the second row.
    {"colour 8 bits, interlaced", {2, 2, 8, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9, 10, 11, 12}}, {}, {}, true},
     {3, 2, 1, 8, 6, 5, 4, 8, 9, 8, 7, 8, 12, 11, 10, 8}, false},
    {"palette 4 bits with transparency", {2, 1, 4, 3, {{0x01}}, {1, 2, 3, 250, 251, 252}, {0x80}},
     {3, 2, 1, 0x80, 0xFC, 0xFB, 0xFA, 0xFF}, false},
};

TEST(PngImage, EveryColourTypeAndDepthArrivesAsBgra) {
    for (const PngCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const Bytes file = EncodePng(c.picture);
        CMemorySurface surface;
        ASSERT_EQ(DecodePngImage(surface, file.data(), static_cast<uint32_t>(file.size())), 0);
        EXPECT_EQ(SizeOf(surface), Size(c.picture.width, c.picture.height));
        EXPECT_EQ(PixelBytesOf(surface), c.expected);
        EXPECT_EQ(surface.HasAlpha(), c.hasAlpha);
        EXPECT_EQ(surface.GetDC(), nullptr);
    }
}

PngPicture SmallColourPicture() { return {2, 2, 8, 2, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, {}, {}}; }

TEST(PngImage, WithoutTheSignatureTheSurfaceIsUntouched) {
    CMemorySurface surface;
    ASSERT_EQ(surface.Create(1, 1), 0);
    surface.Fill(0x12345678, nullptr);
    Bytes file = EncodePng(SmallColourPicture());
    file[1] = 'Q';
    EXPECT_EQ(DecodePngImage(surface, file.data(), static_cast<uint32_t>(file.size())), -1);
    EXPECT_EQ(DecodePngImage(surface, file.data(), 3), -1);
    EXPECT_EQ(surface.GetPixel(0, 0), 0x12345678u);
}

TEST(PngImage, DamagedOrTruncatedFilesFailCleanly) {
    const Bytes whole = EncodePng(SmallColourPicture());
    // Signature 8, IHDR 25, IDAT from 33: cuts inside the signature, the
    // header chunk, the compressed rows and the IDAT's CRC.
    const size_t idatEnd = whole.size() - 12;
    const size_t cuts[] = {4, 8, 20, 33, 40, idatEnd - 6, idatEnd - 1};
    for (size_t cut : cuts) {
        SCOPED_TRACE(cut);
        CMemorySurface surface;
        ASSERT_EQ(surface.Create(1, 1), 0);
        EXPECT_EQ(DecodePngImage(surface, whole.data(), static_cast<uint32_t>(cut)), -1);
        EXPECT_EQ(SizeOf(surface), Size(0, 0));
        EXPECT_FALSE(surface.HasAlpha());
    }
    // A broken CRC in the rows.
    Bytes broken = whole;
    broken[idatEnd - 1] ^= 0xFF;
    CMemorySurface surface;
    EXPECT_EQ(DecodePngImage(surface, broken.data(), static_cast<uint32_t>(broken.size())), -1);
    // The end chunk itself is not read.
    EXPECT_EQ(DecodePngImage(surface, whole.data(), static_cast<uint32_t>(idatEnd)), 0);
}

TEST(PngImage, PixelsThatCannotBeAllocatedGiveMinusTwo) {
    PngPicture huge = {60000, 60000, 8, 2, {}, {}, {}};
    const Bytes file = EncodePng(huge);
    CMemorySurface surface;
    EXPECT_EQ(DecodePngImage(surface, file.data(), static_cast<uint32_t>(file.size())), -2);
}

}  // namespace
