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

#include "platform/save_data.h"
#include "process_steps.h"

namespace {

TEST(DemoProcess, PlaysTheStoryAndEndsWithTheSettingsAndCounterSaved) {
    CChapterGame game;
    const std::string folder = game.Path();
    const HWND window = game.Start();
    ASSERT_NE(window, nullptr);
    const CGameProcess& process = game.Process();
    const std::string settings = ReadText(folder + "UserData\\Config.ini");
    ASSERT_FALSE(settings.empty());

    ASSERT_EQ(WaitUntilShown(window, kFirstWait, std::size(kFirstWait)), "");
    ASSERT_TRUE(GoOn(window, kFirstWait, std::size(kFirstWait), [&] { PressKey(window, VK_SPACE); }));
    ASSERT_EQ(WaitUntilShown(window, kSecondWait, std::size(kSecondWait)), "");
    ASSERT_TRUE(GoOn(window, kSecondWait, std::size(kSecondWait), [&] { ClickAt(window, 400, 300); }));
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
