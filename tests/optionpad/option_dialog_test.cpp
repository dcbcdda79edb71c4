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

}  // namespace
