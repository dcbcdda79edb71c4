// The demo's choice chapter played by the game program itself, the story
// archive holding the chapter alone: one run chooses "Lake" by moving the
// mouse onto it and clicking, a second chooses "Hill" with the arrow keys
// and Return; the window then shows the branch's picture. A pointer that
// leaves the window lets go of the choice under it.
#include <gtest/gtest.h>

#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"
#include "support/real_cursor.h"

namespace {

// Inside each choice's picture ("Lake" at 140, 200 and "Hill" at 460, 200,
// both 200 x 150), and between them on the sky.
constexpr POINT kLake = {240, 275};
constexpr POINT kHill = {560, 275};
constexpr POINT kBetween = {400, 275};
constexpr POINT kBranchProbes[] = {{20, 20}, {400, 300}, {700, 500}, {240, 275}, {560, 275}};

class DemoChoiceProcessTest : public testing::Test {
protected:
    // The game started over the chapter alone; its window, null when none
    // appears.
    HWND Start() { return game_.Start(); }

    CChapterGame game_{"choice"};
};

// Both choices wait dimmed over the sky.
bool ChoicesShown(const std::vector<Color32>& shown) {
    return PixelAt(shown, kBetween) == kDemoSky && PixelAt(shown, kLake) != kDemoSky && PixelAt(shown, kLake) != kDemoLake &&
           PixelAt(shown, kHill) != kDemoSky && PixelAt(shown, kHill) != kDemoHill;
}

bool BranchShown(const std::vector<Color32>& shown, uint32_t colour) {
    for (POINT p : kBranchProbes) {
        if (PixelAt(shown, p) != colour) return false;
    }
    return true;
}

TEST_F(DemoChoiceProcessTest, TheMouseChoosesTheLake) {
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilScreen(window, ChoicesShown));
    ASSERT_TRUE(HoverUntil(window, kLake, [](const std::vector<Color32>& s) { return PixelAt(s, kLake) == kDemoLake; }));
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kLake.x, kLake.y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(kLake.x, kLake.y));
    EXPECT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) { return BranchShown(s, kDemoShore); }));
}

TEST_F(DemoChoiceProcessTest, TheKeysChooseTheHill) {
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    // The keys alone move the focus: the cursor goes beside the window from
    // wherever an earlier test left it, and no choice keeps it.
    ASSERT_TRUE(LeaveUntil(window, BesideWindow(window), ChoicesShown));
    // The first arrow focuses the first choice by name, "Hill"; left moves
    // to "Lake" and right back.
    PressKey(window, VK_RIGHT);
    ASSERT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) { return PixelAt(s, kHill) == kDemoHill; }));
    PressKey(window, VK_LEFT);
    ASSERT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) {
        return PixelAt(s, kLake) == kDemoLake && PixelAt(s, kHill) != kDemoHill;
    }));
    PressKey(window, VK_RIGHT);
    ASSERT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) {
        return PixelAt(s, kHill) == kDemoHill && PixelAt(s, kLake) != kDemoLake;
    }));
    PressKey(window, VK_RETURN);
    EXPECT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) { return BranchShown(s, kDemoSummit); }));
}

TEST_F(DemoChoiceProcessTest, ThePointerLeavingTheWindowTakesTheFocusAway) {
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilScreen(window, ChoicesShown));
    ASSERT_TRUE(HoverUntil(window, kLake, [](const std::vector<Color32>& s) { return PixelAt(s, kLake) == kDemoLake; }));
    // Out beside the window: both choices wait dimmed again.
    EXPECT_TRUE(LeaveUntil(window, BesideWindow(window), ChoicesShown));
    // The tests that follow start with the cursor on a game's window.
    PlaceCursor(window, kLake.x, kLake.y);
}

}  // namespace
