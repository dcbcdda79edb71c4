// The game window's own messages in a running game: Tab; Escape and the
// close box with and without the exit question; the screen-saver, monitor
// and suspend refusals; paint and activation; the greyed items; the about
// box and the text editor.
#include <gtest/gtest.h>

#include <string>

#include "app/menu_ids.h"
#include "app/published_game.h"
#include "game_fixture.h"
#include "media/sound_available.h"
#include "platform/cpu_info.h"
#include "platform/global_state.h"
#include "support/error_recorder.h"
#include "platform/frame_clock_flags.h"
#include "platform/paths.h"

namespace {

bool IsGreyed(HWND window, int id) {
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

class GameWindowTest : public testing::Test {
protected:
    GameWindowTest() {
        GetConfig().SetDefaults();
        SetSoundAvailable(true);
    }
    CGameStateScope state_;
    CFixtureGame game_;
    CBoxRecorder boxes_;
    CGameRig rig_;
};

const char kExitText[] = "Lanternmoss-Sidelight- を終了してもよろしいですか？";
const char kExitCaption[] = "Lanternmoss-Sidelight- 終了確認";

// The three ways to ask for the end, as the test sends them.
enum class ExitWay { kEscape, kCloseBox, kMenu };

LRESULT AskToExit(HWND window, ExitWay way) {
    switch (way) {
        case ExitWay::kEscape:
            return SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        case ExitWay::kCloseBox:
            return SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        case ExitWay::kMenu:
            return SendMessageA(window, WM_COMMAND, kMenuExit, 0);
    }
    return -1;
}

TEST_F(GameWindowTest, WithTheQuestionFullScreenGoesBackFirstNoKeepsRunningYesEnds) {
    for (ExitWay way : {ExitWay::kEscape, ExitWay::kCloseBox, ExitWay::kMenu}) {
        SCOPED_TRACE(static_cast<int>(way));
        boxes_.boxes.clear();
        boxes_.answer = IDNO;
        int askedAt = -1;
        int lastFrame = -1;
        bool fullScreenAtBox = true;
        boxes_.onBox = [&](const MessageBoxRequest&) {
            fullScreenAtBox = GetDisplayDevice()->InFullScreen();
        };
        RunGame(rig_, [&](CGameMain& game, TestApplication& app, int frame) {
            const HWND window = app.MainWindow().Handle();
            lastFrame = frame;
            if (frame == 0) {
                SendMessageA(window, WM_COMMAND, kMenuFullScreen32, 0);
            } else if (frame == 2) {
                EXPECT_TRUE(game.GetDisplay().InFullScreen());
                EXPECT_EQ(AskToExit(window, way), 1);
                EXPECT_EQ(GetConfig().GetScreenMode(), kScreenWindow);
                EXPECT_TRUE(boxes_.boxes.empty());
            } else if (frame == 3) {
                // No: the game goes on.
                EXPECT_EQ(boxes_.boxes.size(), 1u);
                EXPECT_TRUE(app.IsRunning());
                boxes_.answer = IDYES;
                askedAt = frame;
                EXPECT_EQ(AskToExit(window, way), 1);
            }
            return frame < 20;
        });
        ASSERT_EQ(boxes_.boxes.size(), 2u);
        // Yes ends the loop: no frame runs after the one that asked.
        EXPECT_EQ(lastFrame, askedAt);
        EXPECT_FALSE(fullScreenAtBox);
        for (const MessageBoxRequest& box : boxes_.boxes) {
            EXPECT_EQ(box.text, kExitText);
            EXPECT_EQ(box.caption, kExitCaption);
            EXPECT_EQ(box.style, 0x40134u);
            EXPECT_NE(box.owner, nullptr);
        }
    }
}

TEST_F(GameWindowTest, WithoutTheQuestionEveryWayEndsAtOnce) {
    const struct {
        ExitWay way;
        LRESULT result;
    } rows[] = {{ExitWay::kEscape, 1}, {ExitWay::kMenu, 1}, {ExitWay::kCloseBox, 0}};
    for (const auto& row : rows) {
        GetConfig().SetValidExitDialog(false);
        int lastFrame = -1;
        bool windowAlive = false;
        RunGame(rig_, [&](CGameMain&, TestApplication& app, int frame) {
            lastFrame = frame;
            if (frame == 1) {
                EXPECT_EQ(AskToExit(app.MainWindow().Handle(), row.way), row.result);
                EXPECT_FALSE(app.IsRunning());
                windowAlive = IsWindow(app.MainWindow().Handle());
            }
            return frame < 20;
        });
        EXPECT_EQ(lastFrame, 1);
        EXPECT_TRUE(windowAlive);
        EXPECT_TRUE(boxes_.boxes.empty());
    }
}

TEST_F(GameWindowTest, TabReturnsToWindowMode) {
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int frame) {
        const HWND window = app.MainWindow().Handle();
        if (frame == 0) SendMessageA(window, WM_COMMAND, kMenuFullScreen16, 0);
        if (frame == 2) {
            EXPECT_TRUE(game.GetDisplay().InFullScreen());
            EXPECT_EQ(SendMessageA(window, WM_KEYDOWN, VK_TAB, 0), 1);
            EXPECT_EQ(GetConfig().GetScreenMode(), kScreenWindow);
        }
        if (frame == 4) {
            EXPECT_FALSE(game.GetDisplay().InFullScreen());
        }
        return frame < 4;
    });
}

TEST_F(GameWindowTest, RefusalsFollowTheirSettings) {
    struct Refusal {
        UINT message;
        WPARAM wParam;
        void (CConfig::*set)(bool);
        LRESULT refused;
        LRESULT allowed;
    };
    const Refusal rows[] = {
        {WM_SYSCOMMAND, SC_SCREENSAVE, &CConfig::SetCancelScreenSave, 1, 0},
        {WM_SYSCOMMAND, SC_MONITORPOWER, &CConfig::SetCancelMonitorOff, 1, 0},
        {WM_POWER, PWR_SUSPENDREQUEST, &CConfig::SetCancelSleep, PWR_FAIL, PWR_OK},
        {WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, &CConfig::SetCancelSleep, BROADCAST_QUERY_DENY, 0},
    };
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int) {
        const HWND window = app.MainWindow().Handle();
        for (const Refusal& row : rows) {
            (GetConfig().*row.set)(true);
            EXPECT_EQ(game.HandleMessage(window, row.message, row.wParam, 0), row.refused)
                << row.message << " " << row.wParam;
            (GetConfig().*row.set)(false);
            EXPECT_EQ(game.HandleMessage(window, row.message, row.wParam, 0), row.allowed)
                << row.message << " " << row.wParam;
        }
        // Other power events are left alone.
        GetConfig().SetCancelSleep(true);
        EXPECT_EQ(game.HandleMessage(window, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0), 0);
        return false;
    });
}

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

void PaintWhite(HWND window) {
    HDC dc = GetDC(window);
    RECT all = {0, 0, 800, 600};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(window, dc);
}

TEST_F(GameWindowTest, PaintAndActivationDrawTheWholeScreenAgain) {
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int frame) {
        const HWND window = app.MainWindow().Handle();
        if (frame < 3) return true;
        // The fixture's root scene is black; nothing changes between frames.
        EXPECT_EQ(WindowPixel(window, 400, 300), RGB(0, 0, 0));
        PaintWhite(window);
        EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, 0, 0), 1);
        EXPECT_EQ(WindowPixel(window, 400, 300), RGB(0, 0, 0));
        EXPECT_EQ(WindowPixel(window, 790, 590), RGB(0, 0, 0));

        PaintWhite(window);
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        EXPECT_EQ(WindowPixel(window, 10, 10), RGB(0, 0, 0));

        const struct {
            WPARAM wParam;
            bool active;
        } activations[] = {{WA_INACTIVE, false},
                           {WA_ACTIVE, true},
                           {MAKEWPARAM(WA_ACTIVE, 1), false},
                           {WA_CLICKACTIVE, true}};
        for (const auto& a : activations) {
            PaintWhite(window);
            EXPECT_EQ(game.HandleMessage(window, WM_ACTIVATE, a.wParam, 0), 0);
            EXPECT_EQ(game.IsActive(), a.active) << a.wParam;
            EXPECT_EQ(WindowPixel(window, 400, 300), RGB(0, 0, 0)) << a.wParam;
        }
        return false;
    });
}

TEST_F(GameWindowTest, PausedWhileInactiveOnlyTimeCriticalScenesRun) {
    // Once deactivated, frames draw nothing: white painted over the window
    // stays. Without auto-pause, the next frames draw again.
    GetConfig().SetAutoPause(true);
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int frame) {
        const HWND window = app.MainWindow().Handle();
        if (frame == 2) {
            game.HandleMessage(window, WM_ACTIVATE, WA_INACTIVE, 0);
            PaintWhite(window);
        }
        if (frame == 4) {
            EXPECT_EQ(WindowPixel(window, 400, 300), RGB(255, 255, 255));
            game.GetSceneHost().OnPaint();
            FrameClockFlags().timeCritical = true;
        }
        if (frame == 6) {
            // Updated, still not drawn.
            EXPECT_EQ(WindowPixel(window, 400, 300), RGB(255, 255, 255));
            FrameClockFlags().timeCritical = false;
            GetConfig().SetAutoPause(false);
        }
        if (frame == 8) {
            EXPECT_EQ(WindowPixel(window, 400, 300), RGB(0, 0, 0));
        }
        return frame < 8;
    });
}

TEST_F(GameWindowTest, ItemsAreGreyedByWhatTheMachineOffers) {
    for (bool sound : {true, false}) {
        SetSoundAvailable(sound);
        RunGame(rig_, [&](CGameMain&, TestApplication& app, int) {
            const HWND window = app.MainWindow().Handle();
            const CFullScreenModeFlags& modes = FullScreenModeFlags();
            EXPECT_FALSE(IsGreyed(window, kMenuWindow));
            EXPECT_EQ(IsGreyed(window, kMenuFullScreen16), !modes.full16);
            EXPECT_EQ(IsGreyed(window, kMenuFullScreen24), !modes.full24);
            EXPECT_EQ(IsGreyed(window, kMenuFullScreen32), !modes.full32);
            for (int id : {kMenuSEOff, kMenuSEVolume1, kMenuSEVolume2, kMenuSEVolume3,
                           kMenuSEVolume4, kMenuSEVolume5, kMenuBGMOff, kMenuBGMVolume1,
                           kMenuBGMVolume2, kMenuBGMVolume3, kMenuBGMVolume4, kMenuBGMVolume5}) {
                EXPECT_EQ(IsGreyed(window, id), !sound) << id;
            }
            EXPECT_EQ(IsGreyed(window, kMenuUseMMX), !HasMMX());
            EXPECT_EQ(IsGreyed(window, kMenuUseSSE), !HasSSE());
            EXPECT_FALSE(IsGreyed(window, kMenuAbout));
            return false;
        });
    }
}

TEST_F(GameWindowTest, AboutBoxAndEditorCommandLines) {
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int frame) {
        const HWND window = app.MainWindow().Handle();
        if (frame == 0) SendMessageA(window, WM_COMMAND, kMenuFullScreen24, 0);
        if (frame == 2) {
            EXPECT_TRUE(game.GetDisplay().InFullScreen());
            EXPECT_EQ(SendMessageA(window, WM_COMMAND, kMenuAbout, 0), 1);
            EXPECT_EQ(GetConfig().GetScreenMode(), kScreenWindow);
            EXPECT_EQ(SendMessageA(window, WM_COMMAND, kMenuReadMe, 0), 1);
            EXPECT_EQ(SendMessageA(window, WM_COMMAND, kMenuDiagnosisReport, 0), 1);
        }
        return frame < 3;
    });
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    const MessageBoxRequest& about = boxes_.boxes[0];
    EXPECT_EQ(about.caption, "バージョン情報");
    EXPECT_EQ(about.style, 0x10080u);
    EXPECT_EQ(about.iconId, 139);
    EXPECT_EQ(about.languageId, 0x2411u);
    EXPECT_EQ(about.instance, GetModuleHandleA(nullptr));
    EXPECT_NE(about.owner, nullptr);
    EXPECT_EQ(about.text.rfind("Lanternmoss-Sidelight- Wrenfield Winter\n"
                               "Lumenfold System version 2.0.6\n", 0),
              0u);
    // Eight lines: title, version, maker, a blank line, the heading and the
    // three libraries in order.
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = about.text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(about.text.substr(start, end - start));
    }
    lines.push_back(about.text.substr(start));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_NE(lines[2].find("Harrowmere Inc."), std::string::npos);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Using Library:");
    EXPECT_EQ(lines[5].rfind("Ogg Vorbis", 0), 0u);
    EXPECT_EQ(lines[6].rfind("zlib", 0), 0u);
    EXPECT_EQ(lines[7].rfind("libpng", 0), 0u);
    // The icon exists in the program's resources.
    EXPECT_NE(FindResourceA(about.instance, MAKEINTRESOURCEA(139), RT_GROUP_ICON), nullptr);

    const std::string dir = GetProgramDirectory();
    EXPECT_EQ(rig_.starter.commandLines,
              (std::vector<std::string>{"notepad " + dir + "ReadMe.txt",
                                        "notepad " + dir + "UserData\\Debug.txt"}));
    EXPECT_EQ(rig_.starter.waits, (std::vector<bool>{false, false}));
}

}  // namespace
