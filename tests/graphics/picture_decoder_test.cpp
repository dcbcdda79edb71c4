#include "graphics/picture_decoder.h"

#include <gtest/gtest.h>

#include "graphics/bmp_layout.h"
#include "graphics/color32.h"
#include "graphics/dib_section.h"
#include "picture_bytes.h"

namespace {

int DrawIntoDibSection(CDibSection& dib, const Bytes& file) {
    return dib.DrawPicture(file.data(), static_cast<uint32_t>(file.size()), 32);
}

// The section's pixels without their fourth byte, which GDI fills as it
// pleases.
std::vector<Color32> Colours(const CDibSection& dib) {
    int width = 0;
    int height = 0;
    EXPECT_EQ(dib.GetSize(width, height), 0);
    const Color32* pixels = reinterpret_cast<const Color32*>(dib.GetBits());
    std::vector<Color32> colours(pixels, pixels + width * height);
    for (Color32& colour : colours) colour &= 0x00FFFFFF;
    return colours;
}

// Colour tables are B, G, R, 0 per entry.
const Bytes kFourColours = {0x30, 0x20, 0x10, 0, 0xFF, 0xFF, 0xFF, 0, 0x00, 0x00, 0xFF, 0, 0x80, 0x40, 0x00, 0};

struct BmpCase {
    const char* name;
    BmpPicture picture;
    std::vector<Color32> expected;  // 0x00RRGGBB, rows top-down
};

TEST(PictureDecoder, BmpsOfEveryDepthDrawTopDown) {
    Bytes table256(256 * 4, 0);
    table256[7 * 4] = 0x07;  // entry 7: blue 7
    table256[200 * 4 + 1] = 0xC8;  // entry 200: green 200
    const BmpCase cases[] = {
        {"1 bit", {3, 2, 1, kFourColours, {{0xA0}, {0x40}}},
         {0x00FFFFFF, 0x00102030, 0x00FFFFFF, 0x00102030, 0x00FFFFFF, 0x00102030}},
        {"4 bits", {3, 2, 4, kFourColours, {{0x01, 0x20}, {0x33, 0x10}}},
         {0x00102030, 0x00FFFFFF, 0x00FF0000, 0x00004080, 0x00004080, 0x00FFFFFF}},
        {"8 bits", {2, 2, 8, table256, {{7, 200}, {0, 7}}}, {0x00000007, 0x0000C800, 0x00000000, 0x00000007}},
        {"24 bits", {3, 2, 24, {}, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {0xA, 0xB, 0xC, 0xD, 0xE, 0xF, 0x10, 0x11, 0x12}}},
         {0x00030201, 0x00060504, 0x00090807, 0x000C0B0A, 0x000F0E0D, 0x00121110}},
        {"32 bits", {2, 2, 32, {}, {{1, 2, 3, 0, 4, 5, 6, 0}, {7, 8, 9, 0, 0xA, 0xB, 0xC, 0}}},
         {0x00030201, 0x00060504, 0x00090807, 0x000C0B0A}},
    };
    for (const BmpCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes file = EncodeBmp(c.picture);
        CPictureDecoder decoder;
        ASSERT_EQ(decoder.Load(file.data(), static_cast<uint32_t>(file.size())), 0);
        int width = 0;
        int height = 0;
        ASSERT_EQ(decoder.GetSize(width, height), 0);
        EXPECT_EQ(width, c.picture.width);
        EXPECT_EQ(height, c.picture.height);

        CDibSection dib;
        ASSERT_EQ(DrawIntoDibSection(dib, file), 0);
        EXPECT_EQ(Colours(dib), c.expected);
    }
}

TEST(PictureDecoder, TopDownBmpsReportTheirNegativeHeightAndDoNotLoad) {
    const Bytes file = EncodeBmp({2, -2, 24, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}});
    CPictureDecoder decoder;
    ASSERT_EQ(decoder.Load(file.data(), static_cast<uint32_t>(file.size())), 0);
    int width = 0;
    int height = 0;
    ASSERT_EQ(decoder.GetSize(width, height), 0);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, -2);
    CDibSection dib;
    EXPECT_EQ(DrawIntoDibSection(dib, file), 2);
}

TEST(PictureDecoder, RunLengthPackedBmpsAreLeftToGdi) {
    // 8 bits, BI_RLE8: a run of 2 of entry 1, end of line, a run of 2 of
    // entry 2, end of picture.
    const Bytes rle = {2, 1, 0, 0, 2, 2, 0, 1};
    Bytes file = EncodeBmp({2, 2, 8, kFourColours, {}});
    PutWord(file, 30, BI_RLE8);
    PutWord(file, 34, static_cast<uint32_t>(rle.size()));
    file.insert(file.end(), rle.begin(), rle.end());
    PutWord(file, 2, static_cast<uint32_t>(file.size()));
    CDibSection dib;
    ASSERT_EQ(DrawIntoDibSection(dib, file), 0);
    // Bottom-up: the first line is the bottom row.
    EXPECT_EQ(Colours(dib), std::vector<Color32>({0x00FF0000, 0x00FF0000, 0x00FFFFFF, 0x00FFFFFF}));
}

TEST(PictureDecoder, OtherPicturesGoThroughOle) {
    const Bytes colours = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    const Bytes gif = EncodeGif(3, 2, colours, {0, 1, 2, 3, 3, 0});
    CPictureDecoder decoder;
    ASSERT_EQ(decoder.ParseBmp(gif.data(), static_cast<uint32_t>(gif.size())), 1);
    ASSERT_EQ(decoder.LoadOlePicture(gif.data(), static_cast<uint32_t>(gif.size())), 0);
    int width = 0;
    int height = 0;
    ASSERT_EQ(decoder.GetSize(width, height), 0);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    PALETTEENTRY palette[256];
    EXPECT_EQ(decoder.BuildPalette(palette), 1);

    CDibSection dib;
    ASSERT_EQ(DrawIntoDibSection(dib, gif), 0);
    EXPECT_EQ(Colours(dib), std::vector<Color32>({0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF, 0x00FFFFFF,
                                            0x00FF0000}));
}

TEST(PictureDecoder, WhatNeitherReadsIsRefused) {
    // 53 bytes that begin with "BM" are not a BMP, nor anything OLE reads.
    Bytes shortBmp(53, 0);
    shortBmp[0] = 'B';
    shortBmp[1] = 'M';
    const Bytes noise(300, 0x5A);
    for (const Bytes& file : {shortBmp, noise, Bytes()}) {
        CPictureDecoder decoder;
        EXPECT_EQ(decoder.ParseBmp(file.data(), static_cast<uint32_t>(file.size())), 1);
        EXPECT_EQ(decoder.LoadOlePicture(file.data(), static_cast<uint32_t>(file.size())), file.empty() ? 1 : 2);
        EXPECT_EQ(decoder.Load(file.data(), static_cast<uint32_t>(file.size())), 1);
        int width = 0;
        int height = 0;
        EXPECT_EQ(decoder.GetSize(width, height), 1);
        CDibSection dib;
        EXPECT_EQ(DrawIntoDibSection(dib, file), 1);
    }
}

// Every part GDI reads lies inside the file; a file that claims otherwise
// is not taken for a BMP.
TEST(BmpLayout, DamagedBmpsAreRefused) {
    const Bytes good = EncodeBmp({3, 2, 8, kFourColours, {{0, 1, 2}, {3, 2, 1}}});
    struct Damage {
        const char* name;
        size_t offset;
        uint32_t value;
        int bytes;  // 2 or 4
    };
    const Damage damages[] = {
        {"magic", 0, 0x4D43, 2},
        {"core header (12 bytes)", 14, 12, 4},
        {"info header beyond the file", 14, 200, 4},
        {"bits offset beyond the file", 10, 5000, 4},
        {"rows beyond the file", 22, 3, 4},
        {"width beyond the file", 18, 0x7FFFFFFF, 4},
        {"negative width", 18, 0xFFFFFFFE, 4},
        {"more colours named than lie in the file", 46, 30, 4},
        {"no bit count", 28, 0, 2},
        {"bit count 33", 28, 33, 2},
        {"compression of another kind (JPEG)", 30, 4, 4},
    };
    BmpLayout layout;
    ASSERT_TRUE(ReadBmpLayout(good.data(), static_cast<uint32_t>(good.size()), layout));
    EXPECT_EQ(layout.tableEntries, 4u);
    EXPECT_EQ(layout.bits, good.data() + 54 + 16);
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.name);
        Bytes file = good;
        if (d.bytes == 2) {
            PutHalf(file, d.offset, static_cast<uint16_t>(d.value));
        } else {
            PutWord(file, d.offset, d.value);
        }
        EXPECT_FALSE(ReadBmpLayout(file.data(), static_cast<uint32_t>(file.size()), layout));
    }
    EXPECT_FALSE(ReadBmpLayout(good.data(), static_cast<uint32_t>(good.size() - 1), layout));

    // A table shorter than the bit count allows is read only as far as the
    // header names it.
    Bytes named = good;
    PutWord(named, 46, 2);
    ASSERT_TRUE(ReadBmpLayout(named.data(), static_cast<uint32_t>(named.size()), layout));
    EXPECT_EQ(layout.tableEntries, 2u);
    // Run-length data must have a size and lie inside the file.
    Bytes rle = good;
    PutWord(rle, 30, BI_RLE8);
    PutWord(rle, 34, 0);
    EXPECT_FALSE(ReadBmpLayout(rle.data(), static_cast<uint32_t>(rle.size()), layout));
    PutWord(rle, 34, static_cast<uint32_t>(rle.size() - 70 + 1));
    EXPECT_FALSE(ReadBmpLayout(rle.data(), static_cast<uint32_t>(rle.size()), layout));
    PutWord(rle, 34, static_cast<uint32_t>(rle.size() - 70));
    EXPECT_TRUE(ReadBmpLayout(rle.data(), static_cast<uint32_t>(rle.size()), layout));
}

TEST(PictureDecoder, PalettesPointAtTheStaticColoursAndTakeThePictureColours) {
    Bytes table(256 * 4, 0);
    for (int i = 0; i < 256; ++i) {
        table[i * 4] = static_cast<uint8_t>(i);          // blue
        table[i * 4 + 1] = static_cast<uint8_t>(i ^ 0xFF);  // green
        table[i * 4 + 2] = 0x40;                          // red
    }
    struct PaletteCase {
        const char* name;
        BmpPicture picture;
        uint32_t colorsUsed;
        int colours;  // entries from 10 taken from the table
    };
    const PaletteCase cases[] = {
        {"1 bit", {1, 1, 1, Bytes(table.begin(), table.begin() + 8), {{0}}}, 0, 2},
        {"4 bits", {1, 1, 4, Bytes(table.begin(), table.begin() + 64), {{0}}}, 0, 16},
        {"8 bits", {1, 1, 8, table, {{0}}}, 0, 236},
        {"8 bits, 3 colours named and stored", {1, 1, 8, Bytes(table.begin(), table.begin() + 12), {{0}}}, 3, 3},
    };
    for (const PaletteCase& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes file = EncodeBmp(c.picture);
        PutWord(file, 46, c.colorsUsed);
        CPictureDecoder decoder;
        ASSERT_EQ(decoder.Load(file.data(), static_cast<uint32_t>(file.size())), 0);
        PALETTEENTRY palette[256];
        for (PALETTEENTRY& entry : palette) entry = {0xEE, 0xEE, 0xEE, 0xEE};
        ASSERT_EQ(decoder.BuildPalette(palette), 0);
        for (int i = 0; i < 256; ++i) {
            SCOPED_TRACE(i);
            const PALETTEENTRY& e = palette[i];
            if (i < 10 || i >= 246) {
                EXPECT_EQ(e.peRed, i);
                EXPECT_EQ(e.peGreen, 0);
                EXPECT_EQ(e.peBlue, 0);
                EXPECT_EQ(e.peFlags, PC_EXPLICIT);
            } else if (i < 10 + c.colours) {
                const int k = i - 10;
                EXPECT_EQ(e.peRed, 0x40);
                EXPECT_EQ(e.peGreen, k ^ 0xFF);
                EXPECT_EQ(e.peBlue, k);
                EXPECT_EQ(e.peFlags, PC_RESERVED | PC_NOCOLLAPSE);
            } else {
                EXPECT_EQ(e.peRed + e.peGreen + e.peBlue + e.peFlags, 0);
            }
        }
    }
    const Bytes deep = EncodeBmp({1, 1, 24, {}, {{1, 2, 3}}});
    CPictureDecoder decoder;
    ASSERT_EQ(decoder.Load(deep.data(), static_cast<uint32_t>(deep.size())), 0);
    PALETTEENTRY palette[256];
    EXPECT_EQ(decoder.BuildPalette(palette), 2);
    decoder.Close();
    EXPECT_EQ(decoder.BuildPalette(palette), 1);
}

}  // namespace
