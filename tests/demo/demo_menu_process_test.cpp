// The demo's menu played by the game program itself, with keys and the real
// cursor: Control skips the first chapter and a right click ends skipping;
// Shift hides and a click shows again; the save point enables Clip, which
// quick-saves;
// the save and load panel's quick-load entry asks with the slot's
// thumbnail, comment and date; a music volume is chosen on its panel; the
// exit panel's question ends the game, and the chosen volume is in the
// settings file afterwards. Each entry of the configuration row clicked
// twice keeps the game going.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/save_data.h"
#include "process_steps.h"

namespace {

// Whether the rectangle shows anything but the colour: text drawn on it.
bool ShowsOtherThan(HWND window, const RECT& area, Color32 colour) {
    const std::vector<Color32> shown = ReadScreenOf(window);
    for (int y = area.top; y < area.bottom && !shown.empty(); ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (shown[y * 800 + x] != colour) return true;
        }
    }
    return false;
}

// Waits until the probe's point shows another colour; false on a time-out.
bool WaitUntilGone(HWND window, const DemoProbe& probe) {
    const DWORD start = GetTickCount();
    while (Mismatches(window, &probe, 1).empty()) {
        if (GetTickCount() - start >= kShownMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

void RightClickAt(HWND window, int x, int y) {
    SendMouse(window, WM_RBUTTONDOWN, MK_RBUTTON, x, y);
    SendMouse(window, WM_RBUTTONUP, 0, x, y);
}

// Clicks there, then waits until the probe shows.
void ClickThenSee(HWND window, int x, int y, const DemoProbe& probe) {
    ClickAt(window, x, y);
    ASSERT_EQ(WaitUntilShown(window, &probe, 1), "") << "after the click at " << x << ", " << y;
}

TEST(DemoMenuProcess, QuickSaveQuickLoadQuestionVolumeAndExitByTheMenu) {
    CChapterGame game;
    const std::string folder = game.Path();
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    const CGameProcess& process = game.Process();

    // Control skips: the first level's mark shows above Skip and the first
    // chapter's key waits pass by themselves, up into the second chapter;
    // a right click ends skipping.
    ASSERT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");
    const DemoProbe skipMark = {526, 558, kDemoSkip, "the first skip level's mark"};
    ASSERT_TRUE(GoOn(window, kFirstWait, std::size(kFirstWait), [&] { PressKey(window, VK_CONTROL); }));
    ASSERT_EQ(WaitUntilShown(window, &skipMark, 1), "");
    const DemoProbe dawn = {20, 20, kDemoDawn, "the second chapter's sky"};
    ASSERT_EQ(WaitUntilShown(window, &dawn, 1), "");
    RightClickAt(window, 400, 300);
    EXPECT_TRUE(WaitUntilGone(window, skipMark));

    // Shift hides the menu and the story: the black background alone; a
    // click brings them back.
    PressKey(window, VK_SHIFT);
    const DemoProbe hidden = {20, 580, 0x000000, "the background where the bar was"};
    ASSERT_EQ(WaitUntilShown(window, &hidden, 1), "");
    ClickAt(window, 400, 300);
    const DemoProbe bar = {20, 580, kDemoMenuBar, "the bar back"};
    ASSERT_EQ(WaitUntilShown(window, &bar, 1), "");

    // The second chapter's save point enables Clip; Clip writes the quick save.
    const DemoProbe clipEnabled = {650, 580, kDemoClip, "Clip, enabled"};
    ASSERT_EQ(WaitUntilShown(window, &clipEnabled, 1), "");
    ClickAt(window, 650, 580);
    const DWORD start = GetTickCount();
    while (!FileExists(folder + "UserData\\Play0001.dat") && GetTickCount() - start < kShownMs) Sleep(kPollMs);
    CPlayData quickSave;
    ASSERT_TRUE(quickSave.Load("UserData/Play0001.dat"));
    EXPECT_EQ(quickSave.vars.caption, "Transitions");

    // System opens the menu; its save and load entry the panel with the
    // quick-load entry, which asks with the slot's details.
    ClickThenSee(window, 740, 580, {31, 90, kDemoPanelConfig, "configuration panel"});
    ClickThenSee(window, 502, 90, {525, 200, kDemoPanelSaveload, "save and load panel"});
    ClickThenSee(window, 644, 277, {201, 280, kDemoPanelQuestion, "quick-load caution"});
    const DemoProbe thumbnail = {293, 229, kDemoDusk, "the slot's thumbnail at half size"};
    EXPECT_EQ(WaitUntilShown(window, &thumbnail, 1), "");
    EXPECT_TRUE(ShowsOtherThan(window, {320, 222, 560, 236}, kDemoCautionBack)) << "comment";
    EXPECT_TRUE(ShowsOtherThan(window, {320, 239, 560, 253}, kDemoCautionBack)) << "date";
    // "No" takes the caution away.
    ClickThenSee(window, 470, 326, {201, 280, kDemoDawn, "the story where the caution was"});

    // The music panel: the third level.
    ClickThenSee(window, 190, 90, {226, 200, kDemoPanelBgm, "music panel"});
    ClickAt(window, 372, 345);

    // The exit panel's "Exit" asks; "Yes" closes the window, which ends the
    // game (answering "Yes" should the program ask once more).
    ClickThenSee(window, 606, 90, {26, 200, kDemoPanelExit, "exit panel"});
    ClickThenSee(window, 186, 402, {251, 290, kDemoPanelQuestion, "the question"});
    ClickAt(window, 330, 326);
    DWORD exitCode = STILL_ACTIVE;
    for (DWORD waited = 0; waited < kStartMs && exitCode == STILL_ACTIVE; waited += kPollMs) {
        if (const HWND box = process.WaitForWindow("#32770", 0)) PostMessageA(box, WM_COMMAND, IDYES, 0);
        exitCode = process.WaitForExit(kPollMs);
    }
    EXPECT_EQ(exitCode, 0u);

    CConfig settings;
    ASSERT_TRUE(settings.Load("UserData/Config.ini"));
    EXPECT_TRUE(settings.IsPlayBGM());
    EXPECT_EQ(settings.GetBGMVolume(), -1000);
}

// Every entry of the configuration row clicked twice, going along the row
// and back: each time its panel shows and the game goes on, with no error
// box (a second click on an entry finds its panel already built).
TEST(DemoMenuProcess, EachConfigurationEntryClickedTwiceKeepsTheGameGoing) {
    CChapterGame game;
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    const CGameProcess& process = game.Process();
    ASSERT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");

    struct Entry {
        int x;
        DemoProbe panel;
    };
    const Entry row[] = {
        {86, {126, 200, kDemoPanelSe, "sound panel"}},
        {190, {226, 200, kDemoPanelBgm, "music panel"}},
        {294, {326, 200, kDemoPanelGraphic, "effects panel"}},
        {398, {426, 200, kDemoPanelScreen, "screen panel"}},
        {502, {525, 200, kDemoPanelSaveload, "save and load panel"}},
        {606, {26, 200, kDemoPanelExit, "exit panel"}},
    };
    std::vector<const Entry*> order;
    for (const Entry& entry : row) order.push_back(&entry);
    for (auto it = std::rbegin(row); it != std::rend(row); ++it) order.push_back(&*it);

    // A click that comes while the menu changes from one panel to the next
    // is not taken: the entry is clicked until its panel shows.
    auto open = [&](const Entry& entry) {
        for (int tries = 0; tries < kInputTries; ++tries) {
            ClickAt(window, entry.x, 90);
            const DWORD start = GetTickCount();
            while (GetTickCount() - start < 1000) {
                if (Mismatches(window, &entry.panel, 1).empty()) return true;
                Sleep(kPollMs);
            }
        }
        return false;
    };
    ClickThenSee(window, 740, 580, {31, 90, kDemoPanelConfig, "configuration panel"});
    for (const Entry* entry : order) {
        SCOPED_TRACE(entry->panel.what);
        ASSERT_TRUE(open(*entry));
        ClickAt(window, entry->x, 90);
        EXPECT_EQ(process.WaitForWindow("#32770", 1000), nullptr);
        ASSERT_EQ(process.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
        ASSERT_EQ(WaitUntilShown(window, &entry->panel, 1), "");
    }
}

}  // namespace
