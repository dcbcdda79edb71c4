// The dialog procedure inside this test program, on the dialog template of
// the editor's own program file, so its answers and the settings object it
// changes can be read directly.
#include "optionpad/option_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "optionpad/option_ids.h"
#include "optionpad_process.h"
#include "platform/config.h"
#include "platform/program_instance.h"

namespace {

class OptionDialogInProcess : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(OptionpadBesideThisTest().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
        // The icon comes from the program instance: here the editor's file.
        SetProgramInstance(module_, nullptr, commandLine_, SW_SHOWNORMAL);
        dialog_ = CreateDialogParamA(module_, MAKEINTRESOURCEA(OPTIONPAD_DIALOG), nullptr,
                                     OptionDialogProc, reinterpret_cast<LPARAM>(&config_));
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        SetProgramInstance(GetModuleHandleA(nullptr), nullptr, commandLine_, SW_SHOWNORMAL);
        FreeLibrary(module_);
    }

    INT_PTR Send(UINT message, WPARAM wParam, LPARAM lParam) {
        return OptionDialogProc(dialog_, message, wParam, lParam);
    }
    LPARAM Bar(int id) const { return reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)); }

    char commandLine_[1] = {};
    HMODULE module_ = nullptr;
    CConfig config_;
    HWND dialog_ = nullptr;
};

TEST_F(OptionDialogInProcess, ItsIconIsBothTheSmallAndTheBigOne) {
    const LRESULT small = SendMessageA(dialog_, WM_GETICON, ICON_SMALL, 0);
    EXPECT_NE(small, 0);
    EXPECT_EQ(SendMessageA(dialog_, WM_GETICON, ICON_BIG, 0), small);
}

TEST_F(OptionDialogInProcess, AnswersItsOwnMessagesAndChangesTheSettingsItWasGiven) {
    const std::string loaded = config_.FormatText();
    EXPECT_EQ(Send(WM_COMMAND, MAKEWPARAM(999, BN_CLICKED), 0), 1);
    EXPECT_EQ(Send(WM_COMMAND, MAKEWPARAM(kOptionSELabel, BN_CLICKED), 0), 1);
    EXPECT_EQ(config_.FormatText(), loaded);

    EXPECT_EQ(Send(WM_COMMAND, MAKEWPARAM(kOptionUseEffect, BN_CLICKED), 0), 1);
    EXPECT_FALSE(config_.IsUseEffect());
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog_, kOptionUseEffect), BM_GETCHECK, 0, 0),
              BST_UNCHECKED);

    EXPECT_EQ(Send(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), 0), 0);
    EXPECT_EQ(config_.GetBaseFPS(), 60);
    EXPECT_EQ(Send(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), Bar(kOptionFPSBar)), 1);
    EXPECT_EQ(config_.GetBaseFPS(), 45);
    EXPECT_EQ(Send(WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), Bar(kOptionFPSBar)), 1);
    EXPECT_EQ(config_.GetBaseFPS(), 45);
    // The thumb position is the signed high word.
    EXPECT_EQ(Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0xFFFF), Bar(kOptionSkipWaitBar)), 1);
    EXPECT_EQ(config_.GetSkipWait(), 0);
    EXPECT_EQ(GetScrollPos(GetDlgItem(dialog_, kOptionSkipWaitBar), SB_CTL), 0);

    // The settings' own notices reach nothing here.
    EXPECT_EQ(Send(kSettingChangedMessage, kSettingBaseFPS, 45), 0);
    EXPECT_EQ(Send(WM_TIMER, 1, 0), 0);
    EXPECT_EQ(Send(WM_CLOSE, 0, 0), 1);
}

// Every label shows its whole text in the dialog's font: check boxes beside
// their box, the value labels with the widest value each can show.
TEST_F(OptionDialogInProcess, EveryLabelFitsItsControl) {
    config_.SetBaseFPS(60);
    config_.SetGameSpeed(16.0f);
    config_.SetSkipWait(10000);
    config_.SetSEVolume(-10000);
    config_.SetBGMVolume(-10000);
    ASSERT_EQ(Send(WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&config_)), 1);
    HDC dc = GetDC(dialog_);
    // The check box's square and the gap before its text, at this display's
    // resolution.
    const int boxWidth = 12 * GetDeviceCaps(dc, LOGPIXELSX) / 96 + 1 + 4;
    int measured = 0;
    for (HWND control = GetWindow(dialog_, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(control, className, sizeof className);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const bool checkBox = lstrcmpiA(className, "Button") == 0 && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        const bool text = lstrcmpiA(className, "Static") == 0;
        if (!checkBox && !text) continue;
        char label[256] = {};
        GetWindowTextA(control, label, sizeof label);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32A(dc, label, lstrlenA(label), &extent);
        SelectObject(dc, old);
        RECT client{};
        GetClientRect(control, &client);
        EXPECT_LE(extent.cx + (checkBox ? boxWidth : 0), client.right)
            << "control " << GetDlgCtrlID(control) << " " << label;
        ++measured;
    }
    ReleaseDC(dialog_, dc);
    EXPECT_EQ(measured, 24);
}

}  // namespace
