// The demo's balloon chapter played by the game program alone: the first
// balloon pops in with its fill over the sky and a dark crisp edge, and
// leaves the sky behind once it has faded out; after the four balloons that
// come and go, the arrow key focuses the first answer of the select, which
// zooms past its own picture, Return chooses it, both answers leave and the
// reply appears.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"

namespace {

// The fills and edge that "S/Balloons.txt" gives its balloons, 0xRRGGBB.
constexpr Color32 kFirstFill = 0xFFF6E0;
constexpr Color32 kRestFill = 0xE0F0D0;
constexpr Color32 kWalkFill = 0xF8E0D0;

// "Say1", an ellipse of 300 x 150 at 60, 50: its shape fills from 16 pixels
// inside the picture. On its middle row, left of its text, and the columns
// across its left edge.
constexpr POINT kFirstInside = {96, 125};
constexpr int kFirstEdgeFrom = 70;
constexpr int kFirstEdgeTo = 86;
constexpr int kFirstRow = 125;
// The answers, 240 x 120 at 90, 120 ("Rest") and 470, 120 ("Walk"): a point
// inside each, and one right of "Rest"'s picture that its focus zoom (1.5
// about its centre) covers.
constexpr POINT kRestInside = {120, 180};
constexpr POINT kWalkInside = {500, 180};
constexpr POINT kRestZoomed = {345, 180};
// The reply, 320 x 140 at 240, 60: a stretch of its middle row.
constexpr RECT kReplyRow = {256, 130, 320, 131};

constexpr int kKeyTries = 6;
constexpr DWORD kStepMs = 3000;

bool Near(Color32 a, Color32 b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

int Brightest(Color32 c) {
    int most = 0;
    for (int shift = 0; shift <= 16; shift += 8) most = std::max(most, static_cast<int>((c >> shift) & 0xFF));
    return most;
}

int Darkest(Color32 c) {
    int least = 255;
    for (int shift = 0; shift <= 16; shift += 8) least = std::min(least, static_cast<int>((c >> shift) & 0xFF));
    return least;
}

// Some pixel of the row from..to passes the test.
bool AnyOnRow(const std::vector<Color32>& shown, int y, int from, int to, const std::function<bool(Color32)>& test) {
    for (int x = from; x < to; ++x) {
        if (test(PixelAt(shown, {x, y}))) return true;
    }
    return false;
}

bool FirstShown(const std::vector<Color32>& shown) {
    return PixelAt(shown, kFirstInside) == kFirstFill &&
           AnyOnRow(shown, kFirstRow, kFirstEdgeFrom, kFirstEdgeTo, [](Color32 c) { return Brightest(c) < 64; });
}

bool FirstGone(const std::vector<Color32>& shown) {
    return PixelAt(shown, kFirstInside) == kDemoSky &&
           !AnyOnRow(shown, kFirstRow, kFirstEdgeFrom, kFirstEdgeTo, [](Color32 c) { return c != kDemoSky; });
}

bool AnswersShown(const std::vector<Color32>& shown) {
    return Near(PixelAt(shown, kRestInside), kRestFill, 2) && Near(PixelAt(shown, kWalkInside), kWalkFill, 2) &&
           PixelAt(shown, kRestZoomed) == kDemoSky;
}

bool RestFocused(const std::vector<Color32>& shown) {
    return Near(PixelAt(shown, kRestZoomed), kRestFill, 8) && Near(PixelAt(shown, kWalkInside), kWalkFill, 2);
}

bool Replied(const std::vector<Color32>& shown) {
    return PixelAt(shown, kRestInside) == kDemoSky && PixelAt(shown, kWalkInside) == kDemoSky &&
           AnyOnRow(shown, kReplyRow.top, kReplyRow.left, kReplyRow.right, [](Color32 c) { return Darkest(c) > 220; });
}

// Presses Return until the screen shows what the key leads to: a key
// before the chapter's key wait is lost.
bool KeyUntil(HWND window, const ScreenTest& test) {
    for (int i = 0; i < kKeyTries; ++i) {
        PressKey(window, VK_RETURN);
        if (WaitUntilScreen(window, test, kStepMs)) return true;
    }
    return false;
}

TEST(DemoBalloonsProcessTest, BalloonsComeAndGoAndTheSelectChoosesAnAnswer) {
    CChapterGame game{"balloons"};
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(WaitUntilScreen(window, FirstShown));
    ASSERT_TRUE(KeyUntil(window, FirstGone));
    // The four balloons come and float until the key; the answers follow.
    ASSERT_TRUE(KeyUntil(window, AnswersShown));

    // The first arrow focuses the first answer by name, "Rest".
    PressKey(window, VK_RIGHT);
    ASSERT_TRUE(WaitUntilScreen(window, RestFocused));
    PressKey(window, VK_RETURN);
    EXPECT_TRUE(WaitUntilScreen(window, Replied));
    EXPECT_FALSE(game.ErrorBoxShown());
}

}  // namespace
