// The game window's messages and menu commands, sent through the window of
// a running game: every command id with its setting, result, reaction and
// check marks; Tab, Escape and the close box with and without the exit
// question; the refusals; paint and activation; the greyed items; the about
// box and the text editor's command lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/menu_ids.h"
#include "game_fixture.h"
#include "media/sound_available.h"
#include "platform/global_state.h"
#include "support/error_recorder.h"

namespace {

bool IsChecked(HWND window, int id) {
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// The items of each sub-menu whose marks exclude each other.
const std::vector<std::vector<int>> kItemGroups = {
    {kMenuWindow, kMenuFullScreen16, kMenuFullScreen24, kMenuFullScreen32},
    {kMenuEffectOff, kMenuEffectOn},
    {kMenuSEOff, kMenuSEVolume1, kMenuSEVolume2, kMenuSEVolume3, kMenuSEVolume4, kMenuSEVolume5},
    {kMenuBGMOff, kMenuBGMVolume1, kMenuBGMVolume2, kMenuBGMVolume3, kMenuBGMVolume4,
     kMenuBGMVolume5},
    {kMenuSpeed050, kMenuSpeed075, kMenuSpeed090, kMenuSpeed100, kMenuSpeed110, kMenuSpeed125,
     kMenuSpeed150, kMenuSpeed175, kMenuSpeed200, kMenuSpeed250, kMenuSpeed300, kMenuSpeed400,
     kMenuSpeed800, kMenuSpeed1600},
    {kMenuSkipWait00, kMenuSkipWait05, kMenuSkipWait10, kMenuSkipWait15, kMenuSkipWait20,
     kMenuSkipWait25, kMenuSkipWait30, kMenuSkipWait40, kMenuSkipWait50},
    {kMenuFps60, kMenuFps45, kMenuFps30, kMenuFps15},
};

const std::vector<int>* GroupOf(int id) {
    for (const std::vector<int>& group : kItemGroups) {
        for (int member : group) {
            if (member == id) return &group;
        }
    }
    return nullptr;
}

// A setting read back as a number.
double ReadSetting(const CConfig& c, const std::string& key) {
    if (key == "ScreenMode") return c.GetScreenMode();
    if (key == "UseEffect") return c.IsUseEffect();
    if (key == "PlaySE") return c.IsPlaySE();
    if (key == "SEVolume") return c.GetSEVolume();
    if (key == "PlayBGM") return c.IsPlayBGM();
    if (key == "BGMVolume") return c.GetBGMVolume();
    if (key == "GameSpeed") return c.GetGameSpeed();
    if (key == "SkipWait") return c.GetSkipWait();
    if (key == "BaseFPS") return c.GetBaseFPS();
    if (key == "AntiText") return c.IsAntiText();
    if (key == "NoiseCut") return c.IsNoiseCut();
    if (key == "CancelScreenSave") return c.IsCancelScreenSave();
    if (key == "CancelSleep") return c.IsCancelSleep();
    if (key == "CancelMonitorOff") return c.IsCancelMonitorOff();
    if (key == "Diagnosis") return c.IsDiagnosis();
    if (key == "AutoPause") return c.IsAutoPause();
    if (key == "AutoMute") return c.IsAutoMute();
    if (key == "ShortSkip") return c.IsValidShortSkip();
    if (key == "ExitDialog") return c.IsValidExitDialog();
    if (key == "PlayMovie") return c.IsPlayMovie();
    if (key == "UseMMX") return c.IsUseMMX();
    if (key == "UseSSE") return c.IsUseSSE();
    ADD_FAILURE() << "no setting " << key;
    return 0;
}

struct CommandRow {
    int id;
    int result;
    const char* key;
    // The setting afterwards; the second key (when any) too.
    double value;
    const char* key2;
    double value2;
};

// From the default settings, in this order: each toggle flips its default.
const CommandRow kCommandRows[] = {
    {kMenuFullScreen16, 0, "ScreenMode", 5, nullptr, 0},
    {kMenuFullScreen24, 0, "ScreenMode", 6, nullptr, 0},
    {kMenuFullScreen32, 0, "ScreenMode", 7, nullptr, 0},
    {kMenuWindow, 0, "ScreenMode", 1, nullptr, 0},
    {kMenuEffectOff, 0, "UseEffect", 0, nullptr, 0},
    {kMenuEffectOn, 0, "UseEffect", 1, nullptr, 0},
    {kMenuSEVolume1, 0, "SEVolume", -2000, "PlaySE", 1},
    {kMenuSEVolume2, 0, "SEVolume", -1500, "PlaySE", 1},
    {kMenuSEVolume3, 0, "SEVolume", -1000, "PlaySE", 1},
    {kMenuSEVolume4, 0, "SEVolume", -500, "PlaySE", 1},
    {kMenuSEOff, 0, "PlaySE", 0, "SEVolume", -500},
    {kMenuSEVolume5, 0, "SEVolume", 0, "PlaySE", 1},
    {kMenuBGMVolume1, 0, "BGMVolume", -2000, "PlayBGM", 1},
    {kMenuBGMVolume2, 0, "BGMVolume", -1500, "PlayBGM", 1},
    {kMenuBGMOff, 0, "PlayBGM", 0, "BGMVolume", -1500},
    {kMenuBGMVolume3, 0, "BGMVolume", -1000, "PlayBGM", 1},
    {kMenuBGMVolume4, 0, "BGMVolume", -500, "PlayBGM", 1},
    {kMenuBGMVolume5, 0, "BGMVolume", 0, "PlayBGM", 1},
    {kMenuSpeed050, 0, "GameSpeed", 0.5, nullptr, 0},
    {kMenuSpeed075, 0, "GameSpeed", 0.75, nullptr, 0},
    {kMenuSpeed090, 0, "GameSpeed", 0.9f, nullptr, 0},
    {kMenuSpeed100, 0, "GameSpeed", 1.0, nullptr, 0},
    {kMenuSpeed110, 0, "GameSpeed", 1.1f, nullptr, 0},
    {kMenuSpeed125, 0, "GameSpeed", 1.25, nullptr, 0},
    {kMenuSpeed150, 0, "GameSpeed", 1.5, nullptr, 0},
    {kMenuSpeed175, 0, "GameSpeed", 1.75, nullptr, 0},
    {kMenuSpeed200, 0, "GameSpeed", 2.0, nullptr, 0},
    {kMenuSpeed250, 0, "GameSpeed", 2.5, nullptr, 0},
    {kMenuSpeed300, 0, "GameSpeed", 3.0, nullptr, 0},
    {kMenuSpeed400, 0, "GameSpeed", 4.0, nullptr, 0},
    {kMenuSpeed800, 0, "GameSpeed", 8.0, nullptr, 0},
    {kMenuSpeed1600, 0, "GameSpeed", 16.0, nullptr, 0},
    {kMenuSkipWait05, 0, "SkipWait", 500, nullptr, 0},
    {kMenuSkipWait10, 0, "SkipWait", 1000, nullptr, 0},
    {kMenuSkipWait15, 0, "SkipWait", 1500, nullptr, 0},
    {kMenuSkipWait20, 0, "SkipWait", 2000, nullptr, 0},
    {kMenuSkipWait25, 0, "SkipWait", 2500, nullptr, 0},
    {kMenuSkipWait30, 0, "SkipWait", 3000, nullptr, 0},
    {kMenuSkipWait40, 0, "SkipWait", 4000, nullptr, 0},
    {kMenuSkipWait50, 0, "SkipWait", 5000, nullptr, 0},
    {kMenuSkipWait00, 0, "SkipWait", 0, nullptr, 0},
    {kMenuFps45, 0, "BaseFPS", 45, nullptr, 0},
    {kMenuFps30, 0, "BaseFPS", 30, nullptr, 0},
    {kMenuFps15, 0, "BaseFPS", 15, nullptr, 0},
    {kMenuFps60, 0, "BaseFPS", 60, nullptr, 0},
    {kMenuAntiText, 0, "AntiText", 0, nullptr, 0},
    {kMenuNoiseCut, 1, "NoiseCut", 0, nullptr, 0},
    {kMenuCancelScreenSave, 1, "CancelScreenSave", 0, nullptr, 0},
    {kMenuCancelSleep, 1, "CancelSleep", 0, nullptr, 0},
    {kMenuCancelMonitorOff, 1, "CancelMonitorOff", 0, nullptr, 0},
    {kMenuDiagnosis, 1, "Diagnosis", 0, nullptr, 0},
    {kMenuAutoPause, 1, "AutoPause", 0, nullptr, 0},
    {kMenuAutoMute, 1, "AutoMute", 1, nullptr, 0},
    {kMenuShortSkip, 1, "ShortSkip", 1, nullptr, 0},
    {kMenuExitDialog, 1, "ExitDialog", 0, nullptr, 0},
    {kMenuPlayMovie, 1, "PlayMovie", 0, nullptr, 0},
    {kMenuUseMMX, 1, "UseMMX", 0, nullptr, 0},
    {kMenuUseSSE, 1, "UseSSE", 0, nullptr, 0},
    {kMenuNoiseCut, 1, "NoiseCut", 1, nullptr, 0},
};

// Counts the notices posted to the window after a display-mode switch.
struct CMovieNoticeCounter : CMessageListener {
    int HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
        if (message == kMovieNotifyMessage) ++count;
        return 0;
    }
    int count = 0;
};

class GameMessagesTest : public testing::Test {
protected:
    GameMessagesTest() {
        GetConfig().SetDefaults();
        SetSoundAvailable(true);
    }
    CGameStateScope state_;
    CFixtureGame game_;
    CBoxRecorder boxes_;
    CGameRig rig_;
};

TEST_F(GameMessagesTest, EveryCommandStoresItsSettingAndTheMarksFollow) {
    size_t row = 0;
    bool sent = false;
    std::vector<std::string> driverCallsBefore;
    CMovieNoticeCounter movieNotices;
    int movieNoticesBefore = 0;
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int frame) {
        const HWND window = app.MainWindow().Handle();
        if (frame == 0) AddAppMessageListener(&movieNotices);
        if (!sent) {
            const CommandRow& r = kCommandRows[row];
            driverCallsBefore = rig_.driver.calls;
            movieNoticesBefore = movieNotices.count;
            EXPECT_EQ(SendMessageA(window, WM_COMMAND, r.id, 0), r.result) << r.id;
            EXPECT_DOUBLE_EQ(ReadSetting(GetConfig(), r.key), r.value) << r.id;
            if (r.key2) {
                EXPECT_DOUBLE_EQ(ReadSetting(GetConfig(), r.key2), r.value2) << r.id;
            }
            sent = true;
            return true;
        }
        // The next frame: the notification has been handled.
        const CommandRow& r = kCommandRows[row];
        SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(window)), 0);
        if (const std::vector<int>* group = GroupOf(r.id)) {
            for (int member : *group) {
                EXPECT_EQ(IsChecked(window, member), member == r.id) << r.id << " / " << member;
            }
        } else {
            EXPECT_EQ(IsChecked(window, r.id), r.value != 0) << r.id;
        }
        if (std::string(r.key) == "BaseFPS") {
            EXPECT_EQ(game.GetFrameLimiter().GetFrameRate(), static_cast<uint32_t>(r.value));
        }
        if (std::string(r.key) == "ScreenMode") {
            const std::vector<std::string> calls(driverCallsBefore.size() <= rig_.driver.calls.size()
                                                     ? rig_.driver.calls.begin() +
                                                           driverCallsBefore.size()
                                                     : rig_.driver.calls.end(),
                                                 rig_.driver.calls.end());
            const int bits[] = {0, 0, 0, 0, 0, 16, 24, 32};
            const int mode = static_cast<int>(r.value);
            EXPECT_FALSE(calls.empty()) << r.id;
            if (calls.empty()) {
            } else if (mode == 1) {
                EXPECT_EQ(calls.back(), "SetCooperativeLevel 0x8");
                EXPECT_FALSE(game.GetDisplay().InFullScreen());
            } else {
                EXPECT_EQ(calls.back(), "SetDisplayMode 800 600 " + std::to_string(bits[mode]));
                EXPECT_TRUE(game.GetDisplay().InFullScreen());
            }
            EXPECT_EQ(movieNotices.count, movieNoticesBefore + 1) << r.id;
        }
        if (std::string(r.key) == "NoiseCut" && game.GetNoiseCutBuffer().IsCreated()) {
            DWORD status = 0;
            game.GetNoiseCutBuffer().GetBuffer()->GetStatus(&status);
            EXPECT_EQ((status & DSBSTATUS_PLAYING) != 0, r.value != 0);
        }
        sent = false;
        if (++row < sizeof kCommandRows / sizeof kCommandRows[0]) return true;
        RemoveAppMessageListener(&movieNotices);
        return false;
    });
    EXPECT_EQ(row, sizeof kCommandRows / sizeof kCommandRows[0]);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(GameMessagesTest, MarksOfValuesTheMenuDoesNotOffer) {
    struct MarkCase {
        float speed;
        int32_t bgmVolume;
        int32_t skipWait;
        int checkedSpeed;  // 0: none
        int checkedBgm;
        int checkedSkip;
    };
    const MarkCase cases[] = {
        {1.0004f, -1000, 1500, kMenuSpeed100, kMenuBGMVolume3, kMenuSkipWait15},
        {1.0011f, -1200, 1499, 0, 0, 0},
        {0.9991f, -500, 5000, kMenuSpeed100, kMenuBGMVolume4, kMenuSkipWait50},
        {0.9985f, 0, 0, 0, kMenuBGMVolume5, kMenuSkipWait00},
    };
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int) {
        const HWND window = app.MainWindow().Handle();
        for (const MarkCase& c : cases) {
            GetConfig().SetGameSpeed(c.speed);
            GetConfig().SetBGMVolume(c.bgmVolume);
            GetConfig().SetSkipWait(c.skipWait);
            game.RefreshMenuChecks();
            for (size_t g = 4; g < 6; ++g) {
                const int expected = g == 4 ? c.checkedSpeed : c.checkedSkip;
                for (int id : kItemGroups[g]) EXPECT_EQ(IsChecked(window, id), id == expected) << c.speed << " " << id;
            }
            for (int id : kItemGroups[3]) {
                EXPECT_EQ(IsChecked(window, id), id == c.checkedBgm) << c.bgmVolume << " " << id;
            }
        }
        // Music off keeps its volume and checks only "0 - OFF".
        SendMessageA(window, WM_COMMAND, kMenuBGMOff, 0);
        for (int id : kItemGroups[3]) EXPECT_EQ(IsChecked(window, id), id == kMenuBGMOff);
        return false;
    });
}

}  // namespace
