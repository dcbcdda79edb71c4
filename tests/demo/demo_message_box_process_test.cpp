// The game program's message boxes as a player sees them, read from the
// display's screen: the exit question and the About box over the demo's first
// picture and an error box in play over a chapter's last one show their faces
// with dark text on them, and the game's picture around the box stays as it
// was; the error box of a start without a story comes up above the game's
// window, and beside "Please Wait ..." with its text.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "app/menu_ids.h"
#include "process_steps.h"

namespace {

// A channel sum below this is text, above the other one the box's face.
constexpr uint32_t kDarkSum = 3 * 0x60;
constexpr uint32_t kLightSum = 3 * 0xC0;

uint32_t ChannelSum(Color32 c) { return ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF); }

// The box's face is mostly light, and its upper half, where the text is
// (the buttons are below it), carries dark strokes.
bool FaceShowsText(HWND box) {
    SIZE size;
    const std::vector<Color32> face = ReadClientOf(box, &size);
    if (face.empty()) return false;
    size_t textDark = 0;
    size_t light = 0;
    for (size_t i = 0; i < face.size(); ++i) {
        const uint32_t sum = ChannelSum(face[i]);
        if (sum < kDarkSum && static_cast<LONG>(i / size.cx) < size.cy / 2) ++textDark;
        if (sum > kLightSum) ++light;
    }
    return light * 2 > face.size() && textDark >= 150;
}

bool WaitUntilFaceShowsText(HWND box) {
    const DWORD start = GetTickCount();
    while (!FaceShowsText(box)) {
        if (GetTickCount() - start >= kShownMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

// The probes of the game window that the box does not cover.
std::vector<DemoProbe> ProbesBesideBox(HWND window, HWND box, const DemoProbe* probes, size_t count) {
    RECT covered;
    GetWindowRect(box, &covered);
    std::vector<DemoProbe> beside;
    for (size_t i = 0; i < count; ++i) {
        POINT p = {probes[i].x, probes[i].y};
        ClientToScreen(window, &p);
        if (!PtInRect(&covered, p)) beside.push_back(probes[i]);
    }
    return beside;
}

// The box's face lit with its text on the display, and the picture of the
// probes around it as it was.
void ExpectShownOver(HWND window, HWND box, const DemoProbe* probes, size_t count) {
    EXPECT_TRUE(WaitUntilFaceShowsText(box));
    const std::vector<DemoProbe> beside = ProbesBesideBox(window, box, probes, count);
    ASSERT_FALSE(beside.empty());
    EXPECT_EQ(Mismatches(window, beside.data(), beside.size()), "");
}

TEST(DemoMessageBoxProcess, TheExitQuestionShowsItsTextOverTheGamesPicture) {
    CChapterGame game;
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    const CGameProcess& process = game.Process();
    ASSERT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");

    PressKey(window, VK_ESCAPE);
    const HWND box = process.WaitForWindow("#32770", kStartMs);
    ASSERT_NE(box, nullptr);
    ExpectShownOver(window, box, kFirstWait, std::size(kFirstWait));

    // "No" keeps the game; the question asked again, "Yes" ends it.
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(process.WaitForExit(1000), static_cast<DWORD>(STILL_ACTIVE));
    PressKey(window, VK_ESCAPE);
    const HWND again = process.WaitForWindow("#32770", kStartMs);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(WaitUntilFaceShowsText(again));
    PostMessageA(again, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(process.WaitForExit(kStartMs), 0u);
}

// The About box, from the window's menu, is shown the same way; closing it
// goes back to the game.
TEST(DemoMessageBoxProcess, TheAboutBoxShowsItsTextOverTheGamesPicture) {
    CChapterGame game;
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    const CGameProcess& process = game.Process();
    ASSERT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");

    PostMessageA(window, WM_COMMAND, kMenuAbout, 0);
    const HWND box = process.WaitForWindow("#32770", kStartMs);
    ASSERT_NE(box, nullptr);
    ExpectShownOver(window, box, kFirstWait, std::size(kFirstWait));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");
    EXPECT_EQ(process.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
}

// An error in play: from the chapter's last key wait the story creates a
// picture under a name its stage holds, and the error box comes up over the
// chapter's last picture; answering it ends the game.
TEST(DemoMessageBoxProcess, AnErrorInPlayShowsItsTextOverTheGamesPicture) {
    CChapterGame game("motion_then_name_taken");
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    const CGameProcess& process = game.Process();
    ASSERT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");
    ASSERT_TRUE(GoOn(window, kFirstWait, std::size(kFirstWait), [&] { PressKey(window, VK_SPACE); }));
    ASSERT_EQ(WaitUntilShown(window, kSecondWait, std::size(kSecondWait)), "");
    ASSERT_TRUE(GoOn(window, kSecondWait, std::size(kSecondWait), [&] { PressKey(window, VK_SPACE); }));
    ASSERT_EQ(WaitUntilShown(window, kThirdWait, std::size(kThirdWait)), "");

    // The picture stays when the story goes on, so the key is repeated until
    // the box comes (a key before the wait begins is not remembered).
    HWND box = nullptr;
    for (int tries = 0; tries < kInputTries && !box; ++tries) {
        PressKey(window, VK_SPACE);
        box = process.WaitForWindow("#32770", kLeaveMs);
    }
    ASSERT_NE(box, nullptr);
    ExpectShownOver(window, box, kThirdWait, std::size(kThirdWait));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_NE(process.WaitForExit(kStartMs), static_cast<DWORD>(STILL_ACTIVE));
}

// Whether the box lies above the window: the window comes after it in the
// order of the top-level windows.
bool Above(HWND box, HWND window) {
    for (HWND w = GetWindow(box, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == window) return true;
    }
    return false;
}

// Start makes the window topmost, a raise that the game handles while it
// starts or, should it get to it only then, in the box's own loop. The game
// started without its story archive, which it reports in an error box at
// start-up; the box once it is up and the window has been made topmost (null
// when no box came or the raise was never handled).
HWND StartWithoutStory(CChapterGame& game, HWND* window) {
    if (!DeleteFileA((game.Path() + "S.dat").c_str())) return nullptr;
    *window = game.Start();
    if (!*window) return nullptr;
    const HWND box = game.Process().WaitForWindow("#32770", kStartMs);
    const DWORD start = GetTickCount();
    while (box && !(GetWindowLongA(*window, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        if (GetTickCount() - start >= kStartMs) return nullptr;
        Sleep(kPollMs);
    }
    return box;
}

TEST(DemoMessageBoxProcess, AnErrorAtTheStartComesUpAboveTheGameWindow) {
    CChapterGame game;
    HWND window = nullptr;
    const HWND box = StartWithoutStory(game, &window);
    ASSERT_NE(box, nullptr);
    const CGameProcess& process = game.Process();
    EXPECT_TRUE(Above(box, window));
    // Raised again while the box is up: a raise of another program's window
    // returns once that program has handled it.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(Above(box, window));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(process.WaitForExit(kStartMs), 0u);
}

// Where start-up writes "Please Wait ..." on the window's client area.
constexpr RECT kPleaseWaitArea = {0, 0, 160, 40};

// The white strokes of "Please Wait ..." on the window, which the box must
// not cover.
size_t PleaseWaitStrokes(HWND window) {
    const std::vector<Color32> shown = ReadScreenOf(window);
    if (shown.empty()) return 0;
    size_t strokes = 0;
    for (LONG y = kPleaseWaitArea.top; y < kPleaseWaitArea.bottom; ++y) {
        for (LONG x = kPleaseWaitArea.left; x < kPleaseWaitArea.right; ++x) {
            if (ChannelSum(shown[y * 800 + x]) > kLightSum) ++strokes;
        }
    }
    return strokes;
}

bool BoxCoversPleaseWait(HWND window, HWND box) {
    RECT area = kPleaseWaitArea;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    RECT covered;
    GetWindowRect(box, &covered);
    RECT overlap;
    return IntersectRect(&overlap, &area, &covered) != 0;
}

// The same raise while the game is still starting: once it has been handled,
// the error box's face carries its text and the window still says
// "Please Wait ..." around the box.
TEST(DemoMessageBoxProcess, AnErrorAtTheStartShowsItsTextOverPleaseWait) {
    CChapterGame game;
    HWND window = nullptr;
    const HWND box = StartWithoutStory(game, &window);
    ASSERT_NE(box, nullptr);
    const CGameProcess& process = game.Process();
    EXPECT_TRUE(WaitUntilFaceShowsText(box));
    ASSERT_FALSE(BoxCoversPleaseWait(window, box));
    EXPECT_GE(PleaseWaitStrokes(window), 40u);

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(process.WaitForExit(kStartMs), 0u);
}

}  // namespace
