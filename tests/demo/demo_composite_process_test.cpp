// The demo's composite chapter played by the game program itself, the story
// archive holding the chapter alone: the framed panel, the porthole mask
// and the button shown; the real cursor over the invisible hit area lights
// the bell, over the standard button its "Highlight" picture; a click on the
// button flashes its "Down" picture and its "OnDown" page turns the lamp on;
// the real cursor leaving the window turns the bell and the highlight off.
#include <gtest/gtest.h>

#include <vector>

#include "chapter_game.h"
#include "demo_colours.h"

namespace {

// The chapter's stage colour, a colour node of the script.
constexpr Color32 kStage = 0x203048;
// Inside the button's faces ("Go" at 300, 470, 160 x 50), its lamp (at 480,
// 475), the bell over the hit area (580, 40, 180 x 100), the panel below the
// boat's course, and the porthole's middle and corner (330, 40, 200 x 150).
constexpr POINT kButton = {380, 495};
constexpr POINT kLamp = {500, 495};
constexpr POINT kBell = {670, 90};
constexpr POINT kPanel = {60, 180};
constexpr POINT kPortholeMiddle = {430, 115};
constexpr POINT kPortholeCorner = {333, 43};
// Off the client area over the window's menu bar.
constexpr POINT kOverMenuBar = {380, -10};

uint32_t Red(Color32 c) { return (c >> 16) & 0xFF; }

bool StageShown(const std::vector<Color32>& shown) {
    return PixelAt(shown, kButton) == kDemoKnob && PixelAt(shown, kPanel) == kDemoPanel &&
           PixelAt(shown, kPortholeCorner) == kStage && PixelAt(shown, kPortholeMiddle) != kStage &&
           PixelAt(shown, kBell) == kStage && PixelAt(shown, kLamp) == kStage;
}

TEST(DemoCompositeProcessTest, TheCursorLightsTheBellAndTheButtonAndAClickTurnsTheLampOn) {
    CChapterGame game{"composite"};
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilScreen(window, StageShown));

    ASSERT_TRUE(HoverUntil(window, kBell, [](const std::vector<Color32>& s) { return PixelAt(s, kBell) == kDemoBell; }));
    ASSERT_TRUE(HoverUntil(window, kButton, [](const std::vector<Color32>& s) {
        return PixelAt(s, kButton) == kDemoBeam && PixelAt(s, kBell) == kStage;
    }));

    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kButton.x, kButton.y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(kButton.x, kButton.y));
    // "Down" shows at once and fades out over 500 ms, above half for about
    // 420 ms: the red of its face leads over the highlight's green.
    EXPECT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) {
        return Red(PixelAt(s, kButton)) > 0xA0 && PixelAt(s, kLamp) == kDemoLamp;
    }));
    EXPECT_TRUE(WaitUntilScreen(window, [](const std::vector<Color32>& s) {
        return PixelAt(s, kButton) == kDemoBeam && PixelAt(s, kLamp) == kDemoLamp;
    }));
    EXPECT_FALSE(game.ErrorBoxShown());
}

TEST(DemoCompositeProcessTest, ThePointerLeavingTheWindowTurnsTheBellAndTheButtonOff) {
    CChapterGame game{"composite"};
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilScreen(window, StageShown));
    for (POINT outside : {BesideWindow(window), kOverMenuBar}) {
        ASSERT_TRUE(HoverUntil(window, kBell, [](const std::vector<Color32>& s) { return PixelAt(s, kBell) == kDemoBell; }));
        EXPECT_TRUE(LeaveUntil(window, outside, [](const std::vector<Color32>& s) { return PixelAt(s, kBell) == kStage; }))
            << outside.x << ", " << outside.y;
        ASSERT_TRUE(HoverUntil(window, kButton, [](const std::vector<Color32>& s) { return PixelAt(s, kButton) == kDemoBeam; }));
        EXPECT_TRUE(LeaveUntil(window, outside, [](const std::vector<Color32>& s) { return PixelAt(s, kButton) == kDemoKnob; }))
            << outside.x << ", " << outside.y;
    }
    EXPECT_FALSE(game.ErrorBoxShown());
}

}  // namespace
