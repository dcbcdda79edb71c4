// The demo's choice chapter played by the game program itself, the story
// archive holding the chapter alone: one run chooses "Lake" by moving the
// mouse onto it and clicking, a second chooses "Hill" with the arrow keys
// and Return; the window then shows the branch's picture.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "demo_colours.h"
#include "demo_game.h"
#include "game_process.h"
#include "platform/config.h"
#include "platform/paths.h"
#include "support/real_cursor.h"

namespace {

constexpr DWORD kStartMs = 30000;
constexpr DWORD kShownMs = 20000;
constexpr DWORD kPollMs = 20;

// Inside each choice's picture ("Lake" at 140, 200 and "Hill" at 460, 200,
// both 200 x 150), and between them on the sky.
constexpr POINT kLake = {240, 275};
constexpr POINT kHill = {560, 275};
constexpr POINT kBetween = {400, 275};
constexpr POINT kBranchProbes[] = {{20, 20}, {400, 300}, {700, 500}, {240, 275}, {560, 275}};

Color32 At(const std::vector<Color32>& shown, POINT p) { return shown.empty() ? 0 : shown[p.y * 800 + p.x]; }

// Polls the window until the test holds; false on a time-out.
template <class Test>
bool WaitUntil(HWND window, Test test) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (test(ReadScreenOf(window))) return true;
        if (GetTickCount() - start >= kShownMs) return false;
        Sleep(kPollMs);
    }
}

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// The cursor settled on a point of the client area; the game is told it
// moved until the test holds (the display server may report an earlier
// cursor position a moment later). False on a time-out.
template <class Test>
bool HoverUntil(HWND window, POINT p, Test test) {
    if (!PlaceCursor(window, p.x, p.y)) return false;
    return WaitUntil(window, [&](const std::vector<Color32>& shown) {
        if (test(shown)) return true;
        PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        return false;
    });
}

class DemoChoiceProcessTest : public testing::Test {
protected:
    // The game started over the chapter alone; its window, null when none
    // appears.
    HWND Start() {
        const std::string folder = game_.Path();
        const std::string program = folder + "mirlwood.exe";
        EXPECT_TRUE(CopyFileA((GetProgramDirectory() + "mirlwood.exe").c_str(), program.c_str(), FALSE));
        EXPECT_TRUE(CopyFileA((GetProgramDirectory() + "choice\\S.dat").c_str(), (folder + "S.dat").c_str(), FALSE));
        CConfig prepared;
        prepared.SetDiagnosis(false);
        prepared.SetAutoPause(false);
        prepared.Save("UserData/Config.ini");
        process_ = std::make_unique<CGameProcess>(program, folder);
        if (!process_->Started()) return nullptr;
        const HWND window = process_->WaitForWindow("MIRLHOLLOW", kStartMs);
        if (window) SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
        return window;
    }

    CDemoFolder game_;
    std::unique_ptr<CGameProcess> process_;
};

// Both choices wait dimmed over the sky.
bool ChoicesShown(const std::vector<Color32>& shown) {
    return At(shown, kBetween) == kDemoSky && At(shown, kLake) != kDemoSky && At(shown, kLake) != kDemoLake &&
           At(shown, kHill) != kDemoSky && At(shown, kHill) != kDemoHill;
}

bool BranchShown(const std::vector<Color32>& shown, uint32_t colour) {
    for (POINT p : kBranchProbes) {
        if (At(shown, p) != colour) return false;
    }
    return true;
}

TEST_F(DemoChoiceProcessTest, TheMouseChoosesTheLake) {
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil(window, ChoicesShown));
    ASSERT_TRUE(HoverUntil(window, kLake, [](const std::vector<Color32>& s) { return At(s, kLake) == kDemoLake; }));
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kLake.x, kLake.y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(kLake.x, kLake.y));
    EXPECT_TRUE(WaitUntil(window, [](const std::vector<Color32>& s) { return BranchShown(s, kDemoShore); }));
}

TEST_F(DemoChoiceProcessTest, TheKeysChooseTheHill) {
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil(window, ChoicesShown));
    // The first arrow focuses the first choice by name, "Hill"; left moves
    // to "Lake" and right back.
    PressKey(window, VK_RIGHT);
    ASSERT_TRUE(WaitUntil(window, [](const std::vector<Color32>& s) { return At(s, kHill) == kDemoHill; }));
    PressKey(window, VK_LEFT);
    ASSERT_TRUE(WaitUntil(window, [](const std::vector<Color32>& s) {
        return At(s, kLake) == kDemoLake && At(s, kHill) != kDemoHill;
    }));
    PressKey(window, VK_RIGHT);
    ASSERT_TRUE(WaitUntil(window, [](const std::vector<Color32>& s) {
        return At(s, kHill) == kDemoHill && At(s, kLake) != kDemoLake;
    }));
    PressKey(window, VK_RETURN);
    EXPECT_TRUE(WaitUntil(window, [](const std::vector<Color32>& s) { return BranchShown(s, kDemoSummit); }));
}

}  // namespace
