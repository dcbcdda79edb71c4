#include "text/glyph_renderer.h"

#include "graphics/memory_surface.h"
#include "text/font.h"
#include "text/glyph_pixels.h"
#include "text/glyph_scratch.h"

namespace {

constexpr int kProofQuality = 2;
constexpr int kDefaultQuality = 0;

int Alpha(Color32 colour) { return static_cast<int>(colour >> 24); }
Color32 Rgb(Color32 colour) { return colour & 0x00FFFFFFu; }
// Only the blue byte of what GDI draws is read back.
COLORREF BlueInk(int alpha) { return RGB(0, 0, alpha); }

// The scratch's row length in pixels.
int PitchOf(const CMemorySurface& scratch) { return scratch.GetPitch() / 4; }

void DrawAt(CFont& font, HDC dc, int x, int y) {
    font.Draw(dc, x, y);
    GdiFlush();
}

// Clears the top-left 2w x 2h of the scratch, draws the glyph at twice the
// size at each offset and puts its 2 x 2 reduction behind the rectangle.
void DrawBehind(CMemorySurface& target, const RECT& rect, CMemorySurface& scratch, CFont& font,
                Color32 colour, const POINT* offsets, int count) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const RECT half = {0, 0, 2 * width, 2 * height};
    scratch.Fill(0, &half);
    font.SetColor(BlueInk(Alpha(colour)));
    for (int i = 0; i < count; ++i) DrawAt(font, scratch.GetDC(), offsets[i].x, offsets[i].y);
    const Color32* source = scratch.GetPixels();
    const int pitch = PitchOf(scratch);
    for (int y = 0; y < height; ++y) {
        Color32* row = target.GetPixels() + static_cast<size_t>(rect.top + y) * target.GetPitch() / 4;
        for (int x = 0; x < width; ++x) {
            CompositeUnder(&row[rect.left + x], HalfCoverage(source, pitch, x, y), colour);
        }
    }
}

}  // namespace

void RenderGlyphPlain(CMemorySurface& target, const RECT& rect, CFont& font, const GlyphInk& ink) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    CMemorySurface* prepared = SharedGlyphScratch().Prepare(width, height);
    if (!prepared) return;
    CMemorySurface& scratch = *prepared;
    const int grey = Alpha(ink.colour);
    font.SetSize(ink.size);
    font.SetQuality(kProofQuality);
    font.SetBackgroundColor(0);
    font.SetColor(RGB(grey, grey, grey));
    DrawAt(font, scratch.GetDC(), 0, 0);
    const Color32* source = scratch.GetPixels();
    const int pitch = PitchOf(scratch);
    for (int y = 0; y < height; ++y) {
        Color32* row = target.GetPixels() + static_cast<size_t>(rect.top + y) * target.GetPitch() / 4;
        for (int x = 0; x < width; ++x) {
            row[rect.left + x] = ((source[y * pitch + x] & 0xFFu) << 24) + Rgb(ink.colour);
        }
    }
}

void RenderGlyphSupersampled(CMemorySurface& target, const RECT& rect, CFont& font,
                             const GlyphInk& ink, bool boosted) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    CMemorySurface* prepared = SharedGlyphScratch().Prepare(4 * width, 4 * height);
    if (!prepared) return;
    CMemorySurface& scratch = *prepared;
    const bool rim = Alpha(ink.rim) != 0;
    font.SetQuality(kDefaultQuality);
    font.SetBackgroundColor(CFont::kTransparentBackground);
    if (Alpha(ink.colour) != 0) {
        font.SetSize(4 * ink.size);
        font.SetColor(BlueInk(Alpha(ink.colour)));
        const int inset = rim ? 4 : 0;
        DrawAt(font, scratch.GetDC(), inset, inset);
        const Color32* source = scratch.GetPixels();
        for (int y = 0; y < height; ++y) {
            Color32* row = target.GetPixels() + static_cast<size_t>(rect.top + y) * target.GetPitch() / 4;
            for (int x = 0; x < width; ++x) {
                const auto value = static_cast<Color32>(SupersampledCoverage(source, PitchOf(scratch), x, y, boosted));
                row[rect.left + x] = (value << 24) + Rgb(ink.colour);
            }
        }
    }
    font.SetSize(2 * ink.size);
    if (rim) {
        static const POINT kRim[] = {{0, 2}, {4, 2}, {2, 0}, {2, 4}, {1, 1}, {3, 1}, {3, 3}, {1, 3}};
        DrawBehind(target, rect, scratch, font, ink.rim, kRim, 8);
    }
    if (Alpha(ink.shadow) != 0) {
        const int drop = rim ? 4 : 2;
        const POINT shadow[] = {{drop, drop}};
        DrawBehind(target, rect, scratch, font, ink.shadow, shadow, 1);
    }
}
