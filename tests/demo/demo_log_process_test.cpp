// The demo's log chapter played by the game program alone: a dynamic text
// over a pale panel gains its first line from left to right at the typing
// pace and goes on with a red phrase and an inline gem; at the key wait
// after the log is full a key empties the window, and the log begins again.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"

namespace {

// "S/Log.txt" puts the panel (680 x 220, a 4-pixel frame) at 60, 340 and
// the text area (640 x 150) at 80, 360.
constexpr RECT kArea = {80, 360, 720, 510};
constexpr RECT kPanelInside = {64, 344, 736, 556};
// The band of the first line, cut into a left part and a part that the
// first line reaches only after two thirds of its entries.
constexpr int kFirstLineTop = 360;
constexpr int kFirstLineBottom = 380;
constexpr int kLeftPartEnd = 200;
constexpr int kRightPartBegin = 400;
constexpr int kRightPartEnd = 520;
// How long a taken key takes at most to empty the window.
constexpr DWORD kClearMs = 1500;
constexpr int kKeyTries = 12;

bool AnyIn(const std::vector<Color32>& shown, RECT r, const std::function<bool(Color32)>& test) {
    if (shown.empty()) return false;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (test(PixelAt(shown, {x, y}))) return true;
        }
    }
    return false;
}

bool Ink(Color32 c) { return c != kDemoParchment; }

// Red clearly stronger than green: the red phrase's glyphs, not the black
// text nor the panel.
bool Red(Color32 c) { return static_cast<int>((c >> 16) & 0xFF) - static_cast<int>((c >> 8) & 0xFF) > 100; }

bool FirstLineInk(const std::vector<Color32>& shown, int left, int right) {
    return AnyIn(shown, {left, kFirstLineTop, right, kFirstLineBottom}, Ink);
}

// The first line has begun on the left and not yet reached the right part.
bool FirstLineBegun(const std::vector<Color32>& shown) {
    return FirstLineInk(shown, kArea.left, kLeftPartEnd) && !FirstLineInk(shown, kRightPartBegin, kRightPartEnd);
}

bool FirstLineReachedTheRight(const std::vector<Color32>& shown) {
    return FirstLineInk(shown, kRightPartBegin, kRightPartEnd);
}

// The panel shows no entry at all, only its own colour.
bool Empty(const std::vector<Color32>& shown) { return !shown.empty() && !AnyIn(shown, kPanelInside, Ink); }

TEST(DemoLogProcessTest, TheLogFillsLineByLineAndBeginsAgainAfterAKey) {
    CChapterGame game{"log"};
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(WaitUntilScreen(window, FirstLineBegun));
    ASSERT_TRUE(WaitUntilScreen(window, FirstLineReachedTheRight));
    EXPECT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) { return AnyIn(s, kArea, Red); }));
    EXPECT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) {
        return AnyIn(s, kArea, [](Color32 c) { return c == kDemoGem; });
    }));
    // The key wait comes once the last piece, which no longer fits, has run
    // through the queue; a key before it is lost and pressed again.
    bool cleared = false;
    for (int i = 0; i < kKeyTries && !cleared; ++i) {
        PressKey(window, VK_RETURN);
        cleared = WaitUntilScreen(window, Empty, kClearMs);
    }
    ASSERT_TRUE(cleared);
    EXPECT_TRUE(WaitUntilScreen(window, FirstLineBegun));
    EXPECT_FALSE(game.ErrorBoxShown());
}

}  // namespace
