// The demo's text chapter played by the game program alone, read from the
// window: the text box shows empty before the first glyph (the text begins
// with a pause of a second), the first text's glyphs are there on both of
// its lines once it is typed and stay until a key; the key brings the
// second text, white with its small picture among the glyphs, in place of
// the first.
#include <gtest/gtest.h>

#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"

namespace {

// "S/Text.txt": the box picture at (40, 360), 720 x 190 inside a 6-pixel
// frame; the texts at (64, 384) in a 672 x 150 box, their ruby readings
// up to 8 pixels above it. The area read is the inside of the frame.
constexpr RECT kInside = {46, 366, 754, 544};
// The two halves of the area, one line of the first text in each.
constexpr LONG kMiddle = 416;
// The first text's colour, "#F0E6D2", and the second's, white.
constexpr uint32_t kFirstInk = 0xF0E6D2;
constexpr uint32_t kSecondInk = 0xFFFFFF;
constexpr POINT kBoxCorners[] = {{48, 368}, {751, 368}, {48, 541}, {751, 541}};

constexpr DWORD kKeyMs = 1500;
constexpr int kKeyTries = 5;
constexpr DWORD kSteadyMs = 300;
// A typed line of the first text: its glyphs mark far more pixels than
// this, and the inside of their strokes shows the text's colour itself.
constexpr int kMarkedPerLine = 800;
constexpr int kSolidPerLine = 30;
// The second text's thick strokes and the picture's inside (20 x 20).
constexpr int kSolidPixels = 150;

uint32_t Rgb(Color32 c) { return c & 0xFFFFFF; }

// Pixels of the colour inside the box, between the rows.
int CountColour(const std::vector<Color32>& shown, uint32_t colour, LONG top = kInside.top,
                LONG bottom = kInside.bottom) {
    if (shown.empty()) return 0;
    int count = 0;
    for (LONG y = top; y < bottom; ++y)
        for (LONG x = kInside.left; x < kInside.right; ++x) count += Rgb(shown[y * 800 + x]) == colour;
    return count;
}

// Pixels inside the box, between the rows, that are not the box's colour.
int Marked(const std::vector<Color32>& shown, LONG top = kInside.top, LONG bottom = kInside.bottom) {
    const LONG area = (kInside.right - kInside.left) * (bottom - top);
    return area - CountColour(shown, kDemoTextbox, top, bottom);
}

bool LineTyped(const std::vector<Color32>& shown, LONG top, LONG bottom) {
    return Marked(shown, top, bottom) > kMarkedPerLine && CountColour(shown, kFirstInk, top, bottom) > kSolidPerLine;
}

bool BoxShown(const std::vector<Color32>& shown) {
    for (POINT p : kBoxCorners)
        if (Rgb(PixelAt(shown, p)) != kDemoTextbox) return false;
    return true;
}

bool FirstTextShown(const std::vector<Color32>& shown) {
    return LineTyped(shown, kInside.top, kMiddle) && LineTyped(shown, kMiddle, kInside.bottom);
}

bool SecondTextShown(const std::vector<Color32>& shown) {
    return CountColour(shown, kFirstInk) == 0 && CountColour(shown, kSecondInk) > kSolidPixels &&
           CountColour(shown, kDemoGlow) > kSolidPixels;
}

// Polls until the screen holds the test and then shows the same for a
// while (the typing has ended); that screen, empty on a time-out.
std::vector<Color32> WaitUntilSteady(HWND window, const ScreenTest& test) {
    std::vector<Color32> steady;
    WaitUntilScreen(window, [&](const std::vector<Color32>& shown) {
        if (!test(shown)) return false;
        Sleep(kSteadyMs);
        const std::vector<Color32> later = ReadScreenOf(window);
        if (later != shown) return false;
        steady = later;
        return true;
    });
    return steady;
}

TEST(DemoTextProcess, TypesIntoAnEmptyBoxAndGoesOnToTheNextTextOnAKey) {
    CChapterGame game{"text"};
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);

    std::vector<Color32> first;
    ASSERT_TRUE(WaitUntilScreen(window, [&](const std::vector<Color32>& shown) {
        first = shown;
        return BoxShown(shown);
    }));
    EXPECT_EQ(Marked(first), 0) << "the box is not empty when it first shows";

    const std::vector<Color32> typed = WaitUntilSteady(window, FirstTextShown);
    ASSERT_FALSE(typed.empty()) << "the first text is not typed on both lines";
    EXPECT_TRUE(BoxShown(typed));

    // Nothing goes on without a key; a key taken before the key wait began
    // is lost, so it is pressed again while the first text stays.
    Sleep(kSteadyMs);
    EXPECT_TRUE(ReadScreenOf(window) == typed);
    bool next = false;
    for (int tries = 0; tries < kKeyTries && !next; ++tries) {
        PressKey(window, VK_SPACE);
        next = WaitUntilScreen(
            window, [](const std::vector<Color32>& shown) { return CountColour(shown, kFirstInk) == 0; }, kKeyMs);
    }
    ASSERT_TRUE(next) << "the first text stays after the keys";
    EXPECT_FALSE(WaitUntilSteady(window, SecondTextShown).empty()) << "the second text is not typed";
    EXPECT_FALSE(game.ErrorBoxShown());
}

}  // namespace
