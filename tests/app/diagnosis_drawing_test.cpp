// The start-up checks drawn for real with the font drawer on a GDI surface:
// each line's text appears in its colour at its place, nothing else is drawn.
#include <gtest/gtest.h>

#include <vector>

#include "app/system_diagnosis.h"
#include "fake_machine.h"
#include "graphics/memory_surface.h"
#include "media/sound_available.h"
#include "support/fake_clock.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// The same lines, remembered on their way to the real drawer.
class CRecordingFontDrawer : public CDiagnosisLineDrawer {
public:
    void Draw(HDC target, const DiagnosisLine& line) override {
        lines.push_back(line);
        FontLineDrawer().Draw(target, line);
    }
    std::vector<DiagnosisLine> lines;
};

// COLORREF 0x00BBGGRR as a surface pixel 0x00RRGGBB.
Color32 PixelOf(COLORREF colour) {
    return static_cast<Color32>(GetRValue(colour)) << 16 |
           static_cast<Color32>(GetGValue(colour)) << 8 | GetBValue(colour);
}

struct Band {
    int pixels = 0;  // pixels of the line's colour
    int left = kWidth;
};

// The pixels of the colour in the rows of a line (its 16-pixel cell).
Band ColourInRows(const CMemorySurface& surface, Color32 colour, int top) {
    Band band;
    for (int y = top; y < top + 16; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if ((surface.GetPixels()[y * kWidth + x] & 0xFFFFFF) != colour) continue;
            ++band.pixels;
            if (x < band.left) band.left = x;
        }
    }
    return band;
}

TEST(DiagnosisDrawing, LinesAppearInTheirColoursAtTheirPlaces) {
    CMemorySurface surface;
    surface.SetUseDibSection(true);
    ASSERT_EQ(surface.Create(kWidth, kHeight), 0);
    // A warning (31 MB) and an error (no DirectX) among the white lines.
    CFakeMachine machine;
    machine.totalMemory = uint64_t{31} << 20;
    machine.directX = 0;
    FakeClock clock;
    CRecordingFontDrawer drawer;
    CSystemDiagnosis diagnosis(machine, clock, drawer);
    diagnosis.RunStartupChecks(surface.GetDC());
    GdiFlush();
    SetSoundAvailable(false);

    ASSERT_FALSE(drawer.lines.empty());
    std::vector<bool> covered(kHeight, false);
    for (const DiagnosisLine& line : drawer.lines) {
        SCOPED_TRACE(line.text);
        const Band band = ColourInRows(surface, PixelOf(line.colour), line.y);
        EXPECT_GT(band.pixels, 10);
        EXPECT_GE(band.left, line.x);
        // Text that starts with a letter starts at the line's place.
        if (line.text[0] != ' ') {
            EXPECT_LT(band.left, line.x + 8);
        }
        for (int y = line.y; y < line.y + 16 && y < kHeight; ++y) covered[y] = true;
    }
    // Rows outside every line's cell stay black, and so does the margin left
    // of the headings.
    int stray = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Color32 pixel = surface.GetPixels()[y * kWidth + x] & 0xFFFFFF;
            if (pixel != 0 && (!covered[y] || x < 4)) ++stray;
        }
    }
    EXPECT_EQ(stray, 0);
}

}  // namespace
