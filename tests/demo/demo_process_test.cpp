// The demo played by the game program itself: a copy of mirlwood.exe and the
// demo's archives in a temporary folder with a prepared settings file. At
// each key wait the screen shows, at fixed points of the window, the colours
// worked out from the scripts; a key, a click and a key go on; Escape and
// "Yes" in the confirmation box end the game with exit code 0, the settings
// file as it was and the system data holding the chapter's counter.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "demo_game.h"
#include "demo_probes.h"
#include "game_process.h"
#include "platform/config.h"
#include "platform/save_data.h"

namespace {

constexpr DWORD kStartMs = 30000;
constexpr DWORD kShownMs = 20000;
constexpr DWORD kPollMs = 20;
constexpr DWORD kLeaveMs = 300;
constexpr int kInputTries = 20;

// The probes that the screen does not show as expected, one line each.
std::string Mismatches(HWND window, const DemoProbe* probes, size_t count) {
    const std::vector<Color32> shown = ReadScreenOf(window);
    std::string wrong;
    for (size_t i = 0; i < count; ++i) {
        const DemoProbe& p = probes[i];
        const Color32 seen = shown.empty() ? 0 : shown[p.y * 800 + p.x];
        if (seen != p.colour) {
            char line[160];
            std::snprintf(line, sizeof line, "%s at %d, %d: %06X, not %06X\n", p.what, p.x, p.y,
                          static_cast<unsigned>(seen), static_cast<unsigned>(p.colour));
            wrong += line;
        }
    }
    return wrong;
}

// Polls the screen until every probe shows its colour; on a time-out, the
// probes that did not, as they were last seen.
std::string WaitUntilShown(HWND window, const DemoProbe* probes, size_t count) {
    const DWORD start = GetTickCount();
    for (;;) {
        const std::string wrong = Mismatches(window, probes, count);
        if (wrong.empty() || GetTickCount() - start >= kShownMs) return wrong;
        Sleep(kPollMs);
    }
}

// Goes on from a key wait: the picture can be complete a little before the
// wait begins, and a key pressed before it is not remembered, so the input
// is repeated until the picture changes (the story goes on at once: the
// probes leave their colours within a few frames). False when it never does.
template <class Input>
bool GoOn(HWND window, const DemoProbe* probes, size_t count, Input input) {
    for (int tries = 0; tries < kInputTries; ++tries) {
        input();
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kLeaveMs) {
            if (!Mismatches(window, probes, count).empty()) return true;
            Sleep(kPollMs);
        }
    }
    return false;
}

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// A left click in the middle of the window, the cursor there first: buttons
// read the cursor, not the message.
void ClickMiddle(HWND window) {
    POINT middle = {400, 300};
    ClientToScreen(window, &middle);
    SetCursorPos(middle.x, middle.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 300));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(400, 300));
}

std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(DemoProcess, PlaysTheStoryAndEndsWithTheSettingsAndCounterSaved) {
    CDemoFolder game;
    const std::string folder = game.Path();
    const std::string program = folder + "mirlwood.exe";
    ASSERT_TRUE(CopyFileA((GetProgramDirectory() + "mirlwood.exe").c_str(), program.c_str(), FALSE));
    // The settings the game would write itself, with the start-up checks
    // and the pause of an inactive window off.
    CConfig prepared;
    prepared.SetDiagnosis(false);
    prepared.SetAutoPause(false);
    prepared.Save("UserData/Config.ini");
    const std::string settings = ReadText(folder + "UserData\\Config.ini");
    ASSERT_FALSE(settings.empty());

    CGameProcess process(program, folder);
    ASSERT_TRUE(process.Started());
    const HWND window = process.WaitForWindow("MIRLHOLLOW", kStartMs);
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);

    ASSERT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");
    ASSERT_TRUE(GoOn(window, kFirstWait, std::size(kFirstWait), [&] { PressKey(window, VK_SPACE); }));
    ASSERT_EQ(WaitUntilShown(window, kSecondWait, std::size(kSecondWait)), "");
    ASSERT_TRUE(GoOn(window, kSecondWait, std::size(kSecondWait), [&] { ClickMiddle(window); }));
    ASSERT_EQ(WaitUntilShown(window, kThirdWait, std::size(kThirdWait)), "");
    ASSERT_TRUE(GoOn(window, kThirdWait, std::size(kThirdWait), [&] { PressKey(window, VK_SPACE); }));

    // Escape asks first; "Yes" ends the game.
    PressKey(window, VK_ESCAPE);
    const HWND box = process.WaitForWindow("#32770", kStartMs);
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(process.WaitForExit(kStartMs), 0u);

    EXPECT_EQ(ReadText(folder + "UserData\\Config.ini"), settings);
    CSystemData saved;
    ASSERT_TRUE(saved.Load("UserData/System.dat"));
    EXPECT_EQ(saved.vars.values[10], 1);
}

}  // namespace
