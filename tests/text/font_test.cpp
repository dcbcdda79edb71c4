// The font object against plain GDI: the pixels it draws into a DIB section
// equal those drawn by the test with the IPA faces that the Japanese face
// names map to, and its extents equal the test's own measurements at twice
// the height, halved.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "graphics/dib_section.h"
#include "support/error_recorder.h"
#include "text/font.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 160;

struct FontAttributes {
    int height;
    int weight;
    bool italic;
    bool underline;
    bool strikeOut;
    int gdiQuality;
};

HFONT MakeReferenceFont(const FontAttributes& a, int height, const char* face) {
    return CreateFontA(height, 0, 0, 0, a.weight, a.italic, a.underline, a.strikeOut, SHIFTJIS_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, a.gdiQuality, FIXED_PITCH | FF_MODERN, face);
}

std::vector<uint8_t> Pixels(const CDibSection& dib) {
    return std::vector<uint8_t>(dib.GetBits(), dib.GetBits() + kWidth * kHeight * 4);
}

int InkPixels(const std::vector<uint8_t>& pixels) {
    int count = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        if (pixels[i] | pixels[i + 1] | pixels[i + 2]) ++count;
    return count;
}

// Draws the lines with plain GDI, one TextOutA each, line i at y + i * pitch.
std::vector<uint8_t> DrawReference(const FontAttributes& a, const char* face, const std::vector<std::string>& lines,
                                   int x, int y, int pitch, COLORREF color, COLORREF background) {
    CDibSection dib;
    EXPECT_EQ(dib.Create(kWidth, kHeight, 32), 0);
    HFONT font = MakeReferenceFont(a, a.height, face);
    HGDIOBJ previous = SelectObject(dib.GetDC(), font);
    if (background != CFont::kTransparentBackground) {
        SetBkMode(dib.GetDC(), OPAQUE);
        SetBkColor(dib.GetDC(), background);
    } else {
        SetBkMode(dib.GetDC(), TRANSPARENT);
    }
    SetTextColor(dib.GetDC(), color);
    for (std::size_t i = 0; i < lines.size(); ++i)
        TextOutA(dib.GetDC(), x, y + static_cast<int>(i) * pitch, lines[i].data(), static_cast<int>(lines[i].size()));
    GdiFlush();
    SelectObject(dib.GetDC(), previous);
    DeleteObject(font);
    return Pixels(dib);
}

std::vector<uint8_t> DrawWithFont(const CFont& font, int x, int y) {
    CDibSection dib;
    EXPECT_EQ(dib.Create(kWidth, kHeight, 32), 0);
    font.Draw(dib.GetDC(), x, y);
    GdiFlush();
    return Pixels(dib);
}

// The quality codes as the font object takes them, by the GDI constant.
int QualityCode(int gdiQuality) {
    switch (gdiQuality) {
        case DRAFT_QUALITY: return 1;
        case PROOF_QUALITY: return 2;
        case ANTIALIASED_QUALITY: return 3;
        case NONANTIALIASED_QUALITY: return 4;
        default: return 0;
    }
}

CFont MakeFont(const FontAttributes& a, const std::string& face, const std::string& text) {
    CFont font;
    font.SetSize(a.height);
    font.SetWeight(a.weight);
    font.SetItalic(a.italic);
    font.SetUnderline(a.underline);
    font.SetStrikeOut(a.strikeOut);
    font.SetQuality(QualityCode(a.gdiQuality));
    font.SetFace(face);
    font.SetText(text);
    return font;
}

struct DrawCase {
    const char* name;
    FontAttributes attributes;
    const char* letter;
    const char* referenceFace;
    std::string text;
    std::vector<std::string> lines;
    COLORREF color;
    COLORREF background;
};

TEST(FontTest, DrawsTheSamePixelsAsGdiWithTheMappedFace) {
    const FontAttributes plain{24, 300, false, false, false, NONANTIALIASED_QUALITY};
    const FontAttributes smooth{32, 700, false, false, false, ANTIALIASED_QUALITY};
    const FontAttributes styled{20, 400, true, true, true, DEFAULT_QUALITY};
    const COLORREF none = CFont::kTransparentBackground;
    const DrawCase cases[] = {
        {"gothic letter", plain, "G", "IPAGothic", "漢字かなAg", {"漢字かなAg"}, 0xFFFFFF, none},
        {"mincho letter", plain, "M", "IPAMincho", "漢字かなAg", {"漢字かなAg"}, 0xFFFFFF, none},
        {"anti-aliased, bold, coloured", smooth, "M", "IPAMincho", "明朝体", {"明朝体"}, 0x2080F0, none},
        {"italic, underline, strike-out", styled, "G", "IPAGothic", "ゴシック", {"ゴシック"}, 0x00FFFF, none},
        {"opaque background", plain, "G", "IPAGothic", "背景", {"背景"}, 0x000000, 0x40C020},
        {"two lines", plain, "G", "IPAGothic", "あい\nうえ", {"あい", "うえ"}, 0xFFFFFF, none},
        {"three lines, an empty one", smooth, "M", "IPAMincho", "一\n\n三", {"一", "", "三"}, 0xFFFFFF, 0x101010},
        {"a CR stays in its line", plain, "G", "IPAGothic", "AB\r\nCD", {"AB\r", "CD"}, 0xFFFFFF, 0x303030},
        {"a face name used as given", plain, "IPAMincho", "IPAMincho", "名前", {"名前"}, 0xFFFFFF, none},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        CFont font = MakeFont(c.attributes, c.letter, c.text);
        font.SetColor(c.color);
        font.SetBackgroundColor(c.background);
        const std::vector<uint8_t> drawn = DrawWithFont(font, 7, 5);
        const std::vector<uint8_t> expected =
            DrawReference(c.attributes, c.referenceFace, c.lines, 7, 5, c.attributes.height, c.color, c.background);
        EXPECT_GT(InkPixels(drawn), 0);
        EXPECT_TRUE(drawn == expected);
    }
}

TEST(FontTest, TheGothicAndMinchoLettersDrawDifferentFaces) {
    const FontAttributes a{32, 300, false, false, false, NONANTIALIASED_QUALITY};
    const std::vector<uint8_t> gothic = DrawWithFont(MakeFont(a, "G", "永東"), 0, 0);
    const std::vector<uint8_t> mincho = DrawWithFont(MakeFont(a, "M", "永東"), 0, 0);
    EXPECT_GT(InkPixels(gothic), 0);
    EXPECT_GT(InkPixels(mincho), 0);
    EXPECT_FALSE(gothic == mincho);
}

TEST(FontTest, DrawSelectsTheDcsFontBack) {
    CDibSection dib;
    ASSERT_EQ(dib.Create(kWidth, kHeight, 32), 0);
    HFONT own = CreateFontA(12, 0, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "IPAGothic");
    HGDIOBJ previous = SelectObject(dib.GetDC(), own);
    CFont font;
    font.SetText("a\nb");
    font.Draw(dib.GetDC(), 0, 0);
    EXPECT_EQ(GetCurrentObject(dib.GetDC(), OBJ_FONT), own);
    SelectObject(dib.GetDC(), previous);
    DeleteObject(own);
}

TEST(FontTest, AnEmptyTextDrawsNothing) {
    CFont font;
    font.SetBackgroundColor(0xFFFFFF);
    EXPECT_EQ(InkPixels(DrawWithFont(font, 0, 0)), 0);
}

// A line far longer than any fixed buffer: its end, drawn from a point well
// left of the section, lands inside and matches GDI drawing the whole line.
TEST(FontTest, DrawsA2000ByteLineWhole) {
    const FontAttributes a{16, 300, false, false, false, NONANTIALIASED_QUALITY};
    const std::string head(1996, 'x');
    const std::string line = head + "終り";
    ASSERT_EQ(line.size(), 2000u);
    CDibSection probe;
    ASSERT_EQ(probe.Create(1, 1, 32), 0);
    HFONT reference = MakeReferenceFont(a, a.height, "IPAGothic");
    HGDIOBJ previous = SelectObject(probe.GetDC(), reference);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(probe.GetDC(), head.data(), static_cast<int>(head.size()), &extent);
    SelectObject(probe.GetDC(), previous);
    DeleteObject(reference);
    const int x = 10 - extent.cx;

    const std::vector<uint8_t> drawn = DrawWithFont(MakeFont(a, "G", line), x, 20);
    EXPECT_GT(InkPixels(drawn), 0);
    EXPECT_TRUE(drawn == DrawReference(a, "IPAGothic", {line}, x, 20, a.height, 0xFFFFFF, CFont::kTransparentBackground));
}

struct MeasureCase {
    const char* name;
    FontAttributes attributes;
    const char* letter;
    const char* referenceFace;
    std::string text;
    std::vector<std::string> lines;
};

// The test's own rule: each line measured at twice the height and halved,
// plus a quarter of the height when italic; every line but the last adds the
// pitch, the last half its measured height.
void MeasureReference(const MeasureCase& c, int* width, int* height) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = MakeReferenceFont(c.attributes, c.attributes.height * 2, c.referenceFace);
    HGDIOBJ previous = SelectObject(dc, font);
    *width = 0;
    *height = 0;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(dc, c.lines[i].data(), static_cast<int>(c.lines[i].size()), &extent);
        const int w = extent.cx / 2 + (c.attributes.italic ? c.attributes.height / 4 : 0);
        if (w > *width) *width = w;
        *height += i + 1 < c.lines.size() ? c.attributes.height : extent.cy / 2;
    }
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
}

TEST(FontTest, MeasuresAtTwiceTheHeightHalved) {
    const FontAttributes plain{32, 300, false, false, false, DEFAULT_QUALITY};
    const FontAttributes odd{21, 300, false, false, false, DEFAULT_QUALITY};
    const FontAttributes italic{23, 300, true, false, false, DEFAULT_QUALITY};
    const MeasureCase cases[] = {
        {"one character", plain, "G", "IPAGothic", "字", {"字"}},
        {"odd height", odd, "M", "IPAMincho", "Mi明", {"Mi明"}},
        {"italic adds a quarter of the height", italic, "G", "IPAGothic", "斜体", {"斜体"}},
        {"two lines", odd, "G", "IPAGothic", "ab\nxyzw", {"ab", "xyzw"}},
        {"the wider line first", plain, "M", "IPAMincho", "一二三\n四", {"一二三", "四"}},
        {"a final LF adds an empty line", plain, "G", "IPAGothic", "ab\n", {"ab", ""}},
        {"a CR stays in its line", plain, "G", "IPAGothic", "ab\r\ncd", {"ab\r", "cd"}},
        {"a 2000-byte line", odd, "G", "IPAGothic", std::string(2000, 'w'), {std::string(2000, 'w')}},
    };
    for (const MeasureCase& c : cases) {
        SCOPED_TRACE(c.name);
        int expectedWidth = 0;
        int expectedHeight = 0;
        MeasureReference(c, &expectedWidth, &expectedHeight);
        int width = -1;
        int height = -1;
        EXPECT_EQ(MakeFont(c.attributes, c.letter, c.text).Measure(&width, &height), 0);
        EXPECT_GT(width, 0);
        EXPECT_EQ(width, expectedWidth);
        EXPECT_EQ(height, expectedHeight);
    }
}

TEST(FontTest, MeasuringAnEmptyTextLeavesTheOutputs) {
    CFont font;
    int width = 77;
    int height = 88;
    EXPECT_EQ(font.Measure(&width, &height), 1);
    EXPECT_EQ(width, 77);
    EXPECT_EQ(height, 88);
}

TEST(FontTest, NewFontHasTheDefaults) {
    const CFont font;
    EXPECT_EQ(font.GetText(), "");
    EXPECT_EQ(font.GetQuality(), DEFAULT_QUALITY);
    EXPECT_EQ(font.GetColor(), 0xFFFFFFu);
    EXPECT_EQ(font.GetBackgroundColor(), 0xFFFFFFFFu);
    EXPECT_EQ(font.GetHeight(), 16);
    EXPECT_EQ(font.GetFace(), "ＭＳ ゴシック");
    EXPECT_EQ(font.GetLinePitch(), 20);
    EXPECT_EQ(font.GetWeight(), 300);
    EXPECT_FALSE(font.IsItalic());
    EXPECT_FALSE(font.IsUnderline());
    EXPECT_FALSE(font.IsStrikeOut());
}

TEST(FontTest, SetSizeSetsHeightAndPitch) {
    CFont font;
    font.SetSize(28);
    EXPECT_EQ(font.GetHeight(), 28);
    EXPECT_EQ(font.GetLinePitch(), 28);
}

TEST(FontTest, FaceLetters) {
    const struct {
        const char* name;
        const char* stored;
    } cases[] = {
        {"G", "ＭＳ ゴシック"}, {"M", "ＭＳ 明朝"},   {"Gothic", "Gothic"},
        {"g", "g"},               {"MM", "MM"},         {"", ""},
    };
    for (const auto& c : cases) {
        CFont font;
        font.SetFace(c.name);
        EXPECT_EQ(font.GetFace(), c.stored) << c.name;
    }
}

TEST(FontTest, QualityCodesMapToGdiQualities) {
    const int expected[] = {DEFAULT_QUALITY, DRAFT_QUALITY, PROOF_QUALITY, ANTIALIASED_QUALITY,
                            NONANTIALIASED_QUALITY};
    for (int code = 0; code < 5; ++code) {
        CFont font;
        font.SetQuality(code);
        EXPECT_EQ(font.GetQuality(), expected[code]) << code;
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(FontTest, AnUnknownQualityCodeIsAnInternalError) {
    for (int code : {5, -1}) {
        ClearRecordedErrors();
        CFont font;
        font.SetQuality(2);
        EXPECT_THROW(font.SetQuality(code), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, 1008);
        EXPECT_EQ(RecordedErrors()[0].place, 43);
        EXPECT_EQ(font.GetQuality(), PROOF_QUALITY);
    }
}

}  // namespace
