// The glyph renderers against the test's own GDI drawing: the test draws the
// glyph with plain GDI and the IPA face that the face letter maps to, then
// applies the coverage and compositing rules itself, and the text surface
// must equal the result pixel for pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/memory_surface.h"
#include "text/font.h"
#include "text/glyph_renderer.h"

namespace {

const std::string kGlyph = "\x82\xA0";  // a hiragana "a"
const RECT kRect = {5, 7, 32, 34};      // 27 x 27, where a 24-pixel glyph with rim and shadow goes
constexpr int kW = 27;
constexpr int kH = 27;
constexpr int kTarget = 40;
constexpr Color32 kBackdrop = 0x11223344u;  // what the surface held before

struct Face {
    const char* letter;
    const char* gdiName;
};
const Face kFaces[] = {{"G", "IPAGothic"}, {"M", "IPAMincho"}};

// A width x height zero-filled DIB section with the glyph drawn by plain GDI
// at each offset in blue of the alpha (grey for the plain renderer, on black).
std::vector<Color32> Reference(const char* face, int height, int quality, int width, int rows,
                               COLORREF colour, bool opaqueBlack, std::vector<POINT> offsets) {
    CMemorySurface dib;
    dib.SetUseDibSection(true);
    EXPECT_EQ(dib.Create(width, rows), 0);
    HFONT font = CreateFontA(height, 0, 0, 0, 400, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, quality, FIXED_PITCH | FF_MODERN, face);
    HGDIOBJ previous = SelectObject(dib.GetDC(), font);
    SetBkMode(dib.GetDC(), opaqueBlack ? OPAQUE : TRANSPARENT);
    SetBkColor(dib.GetDC(), 0);
    SetTextColor(dib.GetDC(), colour);
    for (const POINT& p : offsets) TextOutA(dib.GetDC(), p.x, p.y, kGlyph.data(), int(kGlyph.size()));
    GdiFlush();
    SelectObject(dib.GetDC(), previous);
    DeleteObject(font);
    return std::vector<Color32>(dib.GetPixels(), dib.GetPixels() + width * rows);
}

int Low(Color32 c) { return int(c & 0xFF); }

std::vector<Color32> Backdrop() { return std::vector<Color32>(kTarget * kTarget, kBackdrop); }

void Prepare(CMemorySurface& target) {
    ASSERT_EQ(target.Create(kTarget, kTarget), 0);
    target.Fill(kBackdrop, nullptr);
}

std::vector<Color32> Contents(const CMemorySurface& target) {
    return std::vector<Color32>(target.GetPixels(), target.GetPixels() + kTarget * kTarget);
}

Color32& At(std::vector<Color32>& pixels, int x, int y) { return pixels[(kRect.top + y) * kTarget + kRect.left + x]; }

// The compositing-under rule worked out here: coverage c behind alpha d.
void Under(Color32& pixel, int c, Color32 colour) {
    const unsigned d = pixel >> 24;
    const unsigned add = unsigned(c) * (255 - d) / 255;
    const unsigned a = (d + add) & 0xFF;
    if (a == 0) return;
    Color32 out = a << 24;
    for (int s = 0; s < 24; s += 8) out |= (((pixel >> s & 0xFF) * d + (colour >> s & 0xFF) * add) / a) << s;
    pixel = out;
}

void UnderHalf(std::vector<Color32>& expected, const std::vector<Color32>& pass, Color32 colour) {
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const int pitch = 4 * kW;
            const int sum = Low(pass[2 * y * pitch + 2 * x]) + Low(pass[2 * y * pitch + 2 * x + 1]) +
                            Low(pass[(2 * y + 1) * pitch + 2 * x]) + Low(pass[(2 * y + 1) * pitch + 2 * x + 1]);
            Under(At(expected, x, y), sum / 4, colour);
        }
    }
}

// Renders a large full-block glyph with rim and shadow elsewhere, so that
// the glyph rendered next finds the renderers' scratch full of ink from a
// bigger glyph, and must come out as if drawn on a clean section.
void InkTheScratch() {
    CMemorySurface elsewhere;
    ASSERT_EQ(elsewhere.Create(80, 80), 0);
    CFont font;
    font.SetText("\x81\xA1");  // a black square
    RenderGlyphSupersampled(elsewhere, RECT{0, 0, 67, 67}, font, {64, 0xFF000000u, 0xFFFFFFFFu, 0xFF000000u}, false);
    RenderGlyphPlain(elsewhere, RECT{0, 0, 67, 67}, font, {64, 0xFF000000u, 0, 0});
}

TEST(GlyphRenderer, PlainIsGreyCoverageOfTheColour) {
    for (const Face& face : kFaces) {
        SCOPED_TRACE(face.letter);
        for (Color32 colour : {0xFF3366CCu, 0x80102030u, 0x00FFFFFFu}) {
            CMemorySurface target;
            Prepare(target);
            CFont font;
            font.SetFace(face.letter);
            font.SetText(kGlyph);
            InkTheScratch();
            RenderGlyphPlain(target, kRect, font, {24, colour, 0xFF000000u, 0xFF000000u});
            const int grey = int(colour >> 24);
            const auto gdi = Reference(face.gdiName, 24, PROOF_QUALITY, kW, kH, RGB(grey, grey, grey), true, {{0, 0}});
            std::vector<Color32> expected = Backdrop();
            int inked = 0;
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    At(expected, x, y) = (Color32(Low(gdi[y * kW + x])) << 24) + (colour & 0xFFFFFF);
                    inked += Low(gdi[y * kW + x]) != 0;
                }
            }
            EXPECT_EQ(inked > 20, grey != 0);  // the glyph was really drawn
            EXPECT_TRUE(Contents(target) == expected) << std::hex << colour;
        }
    }
}

// Colour, rim and shadow on and off: the main pass at four times the size
// (inset by one pixel with a rim) reduced 4 x 4, then the rim's eight
// offsets and the shadow at twice the size put behind it.
TEST(GlyphRenderer, SupersampledWithRimAndShadow) {
    const struct {
        const char* name;
        Color32 colour, rim, shadow;
    } kInks[] = {
        {"plain", 0xFF204080u, 0, 0},
        {"rim", 0xFF204080u, 0xC0FFFFFFu, 0},
        {"shadow", 0xE0204080u, 0, 0x80000000u},
        {"rim and shadow", 0xFF204080u, 0xFFFFEE00u, 0x90101010u},
        {"rim only", 0x00204080u, 0xFFFF0000u, 0},
    };
    for (const Face& face : kFaces) {
        for (const auto& ink : kInks) {
            SCOPED_TRACE(std::string(face.letter) + " " + ink.name);
            CMemorySurface target;
            Prepare(target);
            CFont font;
            font.SetFace(face.letter);
            font.SetText(kGlyph);
            InkTheScratch();
            RenderGlyphSupersampled(target, kRect, font, {24, ink.colour, ink.rim, ink.shadow}, false);

            std::vector<Color32> expected = Backdrop();
            const bool rim = ink.rim >> 24 != 0;
            if (ink.colour >> 24) {
                const int inset = rim ? 4 : 0;
                const auto main = Reference(face.gdiName, 96, DEFAULT_QUALITY, 4 * kW, 4 * kH,
                                            RGB(0, 0, ink.colour >> 24), false, {{inset, inset}});
                for (int y = 0; y < kH; ++y) {
                    for (int x = 0; x < kW; ++x) {
                        int s = 0;
                        for (int v = 0; v < 4; ++v)
                            for (int u = 0; u < 4; ++u) s += Low(main[(4 * y + v) * 4 * kW + 4 * x + u]);
                        At(expected, x, y) = (Color32(s / 16) << 24) + (ink.colour & 0xFFFFFF);
                    }
                }
            }
            if (rim) {
                UnderHalf(expected,
                          Reference(face.gdiName, 48, DEFAULT_QUALITY, 4 * kW, 4 * kH, RGB(0, 0, ink.rim >> 24), false,
                                    {{0, 2}, {4, 2}, {2, 0}, {2, 4}, {1, 1}, {3, 1}, {3, 3}, {1, 3}}),
                          ink.rim);
            }
            if (ink.shadow >> 24) {
                const int d = rim ? 4 : 2;
                UnderHalf(expected,
                          Reference(face.gdiName, 48, DEFAULT_QUALITY, 4 * kW, 4 * kH, RGB(0, 0, ink.shadow >> 24),
                                    false, {{d, d}}),
                          ink.shadow);
            }
            const auto actual = Contents(target);
            EXPECT_TRUE(actual == expected);
            // The rectangle really changed, and nothing outside it did.
            int changed = 0;
            for (int y = 0; y < kTarget; ++y) {
                for (int x = 0; x < kTarget; ++x) {
                    const bool inside = x >= kRect.left && x < kRect.right && y >= kRect.top && y < kRect.bottom;
                    if (!inside) {
                        EXPECT_EQ(actual[y * kTarget + x], kBackdrop);
                    }
                    changed += actual[y * kTarget + x] != kBackdrop;
                }
            }
            EXPECT_GT(changed, 50);
        }
    }
}

// Small Mincho glyphs are boosted: (s + s / 4) / 16, held to 255.
TEST(GlyphRenderer, BoostedCoverage) {
    const RECT rect = {0, 0, 14, 14};
    CMemorySurface target;
    ASSERT_EQ(target.Create(kTarget, kTarget), 0);
    CFont font;
    font.SetFace("M");
    font.SetText(kGlyph);
    InkTheScratch();
    RenderGlyphSupersampled(target, rect, font, {12, 0xFF000000u, 0, 0}, true);
    const auto main = Reference("IPAMincho", 48, DEFAULT_QUALITY, 56, 56, RGB(0, 0, 255), false, {{0, 0}});
    int boostedPixels = 0;
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 14; ++x) {
            int s = 0;
            for (int v = 0; v < 4; ++v)
                for (int u = 0; u < 4; ++u) s += Low(main[(4 * y + v) * 56 + 4 * x + u]);
            const int value = std::min((s + s / 4) / 16, 255);
            EXPECT_EQ(target.GetPixel(x, y) >> 24, Color32(value));
            boostedPixels += value != s / 16;
        }
    }
    EXPECT_GT(boostedPixels, 0);
}

// A glyph measured without width or height is placed but never rendered.
TEST(GlyphRenderer, EmptyRectangleRendersNothing) {
    CMemorySurface target;
    Prepare(target);
    CFont font;
    font.SetText(kGlyph);
    RenderGlyphPlain(target, RECT{3, 3, 3, 20}, font, {24, 0xFF000000u, 0, 0});
    RenderGlyphSupersampled(target, RECT{3, 3, 20, 3}, font, {24, 0xFF000000u, 0xFF000000u, 0xFF000000u}, false);
    EXPECT_TRUE(Contents(target) == Backdrop());
}

}  // namespace
