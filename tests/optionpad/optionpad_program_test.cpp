// The editor itself, started as its own process and driven through its
// dialog's controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialog_layout.h"
#include "optionpad/option_ids.h"
#include "optionpad_process.h"
#include "support/temp_folder.h"

namespace {

// Files written by hand, to compare the editor's output with.
Bytes DataFile(const char* name) { return ReadBytes(std::string(MIRL_TEST_DATA_DIR) + "/" + name); }

Bytes DefaultConfigFile() {
    return ReadBytes(std::string(MIRL_PLATFORM_TEST_DATA_DIR) + "/default_config.ini");
}

// What the five bars and their labels show.
struct BarView {
    int seBar, bgmBar, fpsBar, speedBar, skipBar;
    const char *se, *bgm, *fps, *speed, *skip;
};

class OptionpadProgram : public testing::Test {
protected:
    void Start() {
        program_ = CopyOptionpadInto(folder_.Path());
        process_ = std::make_unique<COptionpadProcess>(program_);
        ASSERT_TRUE(process_->IsStarted()) << program_;
        dialog_ = process_->WaitForDialog();
        ASSERT_NE(dialog_, nullptr);
    }
    void WriteConfig(const Bytes& bytes) { folder_.Write("UserData/Config.ini", bytes); }
    std::string ConfigPath() const { return folder_.Path() + "UserData\\Config.ini"; }

    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void Command(int id) const {
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                            reinterpret_cast<LPARAM>(Item(id)));
    }
    void Scroll(int barId, int code, int thumb = 0) const {
        SendMessageA(dialog_, WM_HSCROLL, MAKEWPARAM(code, thumb),
                            reinterpret_cast<LPARAM>(Item(barId)));
    }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::string Text(int id) const {
        char text[256] = {};
        GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    int Position(int barId) const { return GetScrollPos(Item(barId), SB_CTL); }
    void ExpectBars(const BarView& view) const {
        EXPECT_EQ(Position(kOptionSEBar), view.seBar);
        EXPECT_EQ(Position(kOptionBGMBar), view.bgmBar);
        EXPECT_EQ(Position(kOptionFPSBar), view.fpsBar);
        EXPECT_EQ(Position(kOptionSpeedBar), view.speedBar);
        EXPECT_EQ(Position(kOptionSkipWaitBar), view.skipBar);
        EXPECT_EQ(Text(kOptionSELabel), view.se);
        EXPECT_EQ(Text(kOptionBGMLabel), view.bgm);
        EXPECT_EQ(Text(kOptionFPSLabel), view.fps);
        EXPECT_EQ(Text(kOptionSpeedLabel), view.speed);
        EXPECT_EQ(Text(kOptionSkipWaitLabel), view.skip);
    }
    void ExpectEndsWithZero() const {
        const std::optional<DWORD> code = process_->WaitForExit();
        ASSERT_TRUE(code.has_value()) << "still running";
        EXPECT_EQ(*code, 0u);
    }

    CTempFolder folder_;
    std::string program_;
    std::unique_ptr<COptionpadProcess> process_;
    HWND dialog_ = nullptr;
};

TEST_F(OptionpadProgram, ShowsItsControlsWithTheDefaultsAndTheCloseBoxWritesNoFile) {
    Start();
    char caption[64] = {};
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, kOptionpadCaption);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(dialog_, GWL_STYLE));
    const DWORD wanted = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD), 0u);
    EXPECT_TRUE(GetWindowLongPtrA(dialog_, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetParent(dialog_), nullptr);

    // Every control in resource order: class, id, text and styles.
    HWND child = GetWindow(dialog_, GW_CHILD);
    for (const ExpectedControl& control : ExpectedDialogControls()) {
        SCOPED_TRACE(control.text);
        ASSERT_NE(child, nullptr);
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        EXPECT_STREQ(className, control.className);
        EXPECT_EQ(LOWORD(GetDlgCtrlID(child)), control.id);
        DWORD childStyle = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE));
        // The dialog manager keeps one default push button at a time and
        // turns the others into plain push buttons.
        if ((control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) childStyle |= BS_DEFPUSHBUTTON;
        EXPECT_EQ(childStyle, control.style);
        // The value labels show values by now; they are read below.
        if (control.id < kOptionSELabel || control.id > kOptionSkipWaitLabel) {
            char text[256] = {};
            GetWindowTextA(child, text, sizeof text);
            EXPECT_STREQ(text, control.text);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);

    // The defaults: every switch on but auto-mute and short skip.
    for (int id = kOptionUseSSE; id <= kOptionPlayMovie; ++id) {
        if (id == 1005) continue;
        const bool off = id == kOptionAutoMute || id == kOptionValidShortSkip;
        EXPECT_EQ(Checked(id), !off) << id;
    }
    EXPECT_TRUE(IsWindowEnabled(Item(kOptionUseSSE)));
    ExpectBars({5, 5, 60, 1000, 0, "5", "5", "60FPS", "1.00倍", "0.0秒"});

    // The close box ends without a word and writes nothing; the missing
    // "UserData" was made all the same.
    EXPECT_TRUE(FileExists(folder_.Path() + "UserData"));
    PostMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectEndsWithZero();
    EXPECT_FALSE(FileExists(ConfigPath()));
}

TEST_F(OptionpadProgram, ApplyWritesTheDefaultsWhenNothingChanged) {
    Start();
    Click(kOptionApply);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadBytes(ConfigPath()), DefaultConfigFile());
}

TEST_F(OptionpadProgram, CheckBoxesAndBarsChangeWhatApplyWrites) {
    Start();
    Click(kOptionDiagnosis);
    Click(kOptionAutoMute);
    Click(kOptionNoiseCut);
    Click(kOptionValidShortSkip);
    Click(kOptionPlayMovie);
    EXPECT_FALSE(Checked(kOptionDiagnosis));
    EXPECT_TRUE(Checked(kOptionAutoMute));
    EXPECT_FALSE(Checked(kOptionPlayMovie));

    // Without MMX the SSE box keeps its mark but cannot be used.
    Click(kOptionUseMMX);
    EXPECT_FALSE(Checked(kOptionUseMMX));
    EXPECT_TRUE(Checked(kOptionUseSSE));
    EXPECT_FALSE(IsWindowEnabled(Item(kOptionUseSSE)));
    Click(kOptionUseMMX);
    EXPECT_TRUE(IsWindowEnabled(Item(kOptionUseSSE)));
    Click(kOptionUseSSE);
    EXPECT_FALSE(Checked(kOptionUseSSE));

    // The switch follows the settings, not the box: a command without a
    // click turns the effects off and the box with them.
    Command(kOptionUseEffect);
    EXPECT_FALSE(Checked(kOptionUseEffect));

    Scroll(kOptionSEBar, SB_LINELEFT);
    Scroll(kOptionSEBar, SB_LINELEFT);
    Scroll(kOptionBGMBar, SB_THUMBPOSITION, 0);
    Scroll(kOptionFPSBar, SB_LINERIGHT);
    ExpectBars({3, 0, 60, 1000, 0, "3", "0-OFF", "60FPS", "1.00倍", "0.0秒"});
    Scroll(kOptionFPSBar, SB_THUMBTRACK, 44);
    Scroll(kOptionSpeedBar, SB_LINERIGHT);
    Scroll(kOptionSkipWaitBar, SB_PAGERIGHT);
    // Codes other than steps and the thumb change nothing.
    Scroll(kOptionSkipWaitBar, SB_ENDSCROLL);
    Scroll(kOptionSpeedBar, SB_BOTTOM);
    ExpectBars({3, 0, 30, 1100, 1000, "3", "0-OFF", "30FPS", "1.10倍", "1.0秒"});

    Click(kOptionApply);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadBytes(ConfigPath()), DataFile("changed_config.ini"));
}

TEST_F(OptionpadProgram, SettingsWithoutAPlaceOnTheBarsShowAtTheEndsAndCancelKeepsTheFile) {
    const Bytes file = BytesOf("SEVolume = -3000\r\nBGMVolume = -3000\r\nGameSpeed = 32.0\r\n");
    WriteConfig(file);
    Start();
    ExpectBars({0, 5, 60, 16000, 0, "0-OFF", "5", "60FPS", "32.00倍", "0.0秒"});
    // Touching the speed bar stores at most 16.0; a step from 500 gives 0.6.
    Scroll(kOptionSpeedBar, SB_LINERIGHT);
    EXPECT_EQ(Text(kOptionSpeedLabel), "16.00倍");
    Scroll(kOptionSpeedBar, SB_THUMBPOSITION, 500);
    Scroll(kOptionSpeedBar, SB_LINERIGHT);
    EXPECT_EQ(Position(kOptionSpeedBar), 600);
    EXPECT_EQ(Text(kOptionSpeedLabel), "0.60倍");
    Scroll(kOptionSpeedBar, SB_THUMBTRACK, 16000);
    EXPECT_EQ(Text(kOptionSpeedLabel), "16.00倍");

    Click(kOptionCancel);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadBytes(ConfigPath()), file);
}

TEST_F(OptionpadProgram, MovingOneBarLeavesTheOtherSettingsAsLoaded) {
    // Sound effects off at full volume, BGM between two places, a speed
    // above the bar's end and a skip wait off its steps.
    WriteConfig(DataFile("unplaced_config.ini"));
    Start();
    ExpectBars({5, 5, 60, 16000, 1234, "5", "5", "60FPS", "32.00倍", "1.2秒"});
    Scroll(kOptionFPSBar, SB_LINELEFT);
    Click(kOptionApply);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadBytes(ConfigPath()), DataFile("unplaced_config_fps45.ini"));
}

TEST_F(OptionpadProgram, DefaultsThenCancelLeaveTheFileAsItWas) {
    WriteConfig(DataFile("changed_config.ini"));
    Start();
    EXPECT_FALSE(Checked(kOptionDiagnosis));
    ExpectBars({3, 0, 30, 1100, 1000, "3", "0-OFF", "30FPS", "1.10倍", "1.0秒"});
    Click(kOptionDefaults);
    EXPECT_TRUE(Checked(kOptionDiagnosis));
    EXPECT_TRUE(Checked(kOptionUseSSE));
    ExpectBars({5, 5, 60, 1000, 0, "5", "5", "60FPS", "1.00倍", "0.0秒"});
    Click(kOptionCancel);
    ExpectEndsWithZero();
    EXPECT_EQ(ReadBytes(ConfigPath()), DataFile("changed_config.ini"));
}

// A window of the test's own, put in front of the editor.
class CFrontWindow {
public:
    CFrontWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "MirlOptionpadTestFront";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, "front",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
        SetForegroundWindow(window_);
        PumpMessagesUntil([this] { return GetForegroundWindow() == window_; });
    }
    ~CFrontWindow() {
        DestroyWindow(window_);
        UnregisterClassA("MirlOptionpadTestFront", GetModuleHandleA(nullptr));
    }
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

TEST_F(OptionpadProgram, ASecondStartOfTheSameFileBringsTheFirstDialogBackAndEnds) {
    Start();
    // The dialog can still be finishing its own showing when it is found,
    // which undoes an earlier minimise: ask until it stays minimised.
    ASSERT_TRUE(PumpMessagesUntil([this] {
        if (IsIconic(dialog_)) {
            PumpMessagesFor(200);
            if (IsIconic(dialog_)) return true;
        }
        ShowWindowAsync(dialog_, SW_MINIMIZE);
        return false;
    }));
    CFrontWindow front;
    ASSERT_EQ(GetForegroundWindow(), front.Handle());

    COptionpadProcess second(program_);
    ASSERT_TRUE(second.IsStarted());
    std::optional<DWORD> code;
    bool secondDialog = false;
    const DWORD start = GetTickCount();
    while (!code && GetTickCount() - start < 10000) {
        secondDialog = secondDialog || FindOptionpadDialog(second.Id()) != nullptr;
        code = second.WaitForExit(10);
    }
    ASSERT_TRUE(code.has_value()) << "the second start still runs";
    EXPECT_EQ(*code, 0u);
    EXPECT_FALSE(secondDialog);
    PumpMessagesUntil([this] { return !IsIconic(dialog_) && GetForegroundWindow() == dialog_; });
    EXPECT_FALSE(IsIconic(dialog_));
    EXPECT_EQ(GetForegroundWindow(), dialog_);
    EXPECT_FALSE(process_->WaitForExit(0).has_value());

    // A copy in another folder is another program file: it starts beside.
    CTempFolder elsewhere;
    COptionpadProcess other(CopyOptionpadInto(elsewhere.Path()));
    HWND otherDialog = other.WaitForDialog();
    ASSERT_NE(otherDialog, nullptr);
    EXPECT_NE(otherDialog, dialog_);
    PostMessageA(otherDialog, WM_CLOSE, 0, 0);
    const std::optional<DWORD> otherCode = other.WaitForExit();
    ASSERT_TRUE(otherCode.has_value());
    EXPECT_EQ(*otherCode, 0u);

    PostMessageA(dialog_, WM_CLOSE, 0, 0);
    ExpectEndsWithZero();
}

}  // namespace
