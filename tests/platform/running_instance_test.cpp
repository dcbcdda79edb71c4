#include "platform/running_instance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string OwnProgramPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Two top-level windows of this program: a shown one, minimised, and a hidden
// one made after it, so the hidden one comes first in the window order.
class RunningInstanceWindows : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "MirlRunningInstanceTest";
        RegisterClassA(&windowClass);
        shown_ = CreateWindowExA(0, windowClass.lpszClassName, "shown", WS_OVERLAPPEDWINDOW, 10,
                                 10, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(shown_, SW_SHOWNORMAL);
        ShowWindow(shown_, SW_MINIMIZE);
        hidden_ = CreateWindowExA(0, windowClass.lpszClassName, "hidden", WS_OVERLAPPEDWINDOW, 30,
                                  30, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(shown_, nullptr);
        ASSERT_NE(hidden_, nullptr);
        ASSERT_TRUE(IsIconic(shown_));
    }
    void TearDown() override {
        DestroyWindow(hidden_);
        DestroyWindow(shown_);
        UnregisterClassA("MirlRunningInstanceTest", GetModuleHandleA(nullptr));
    }

    HWND shown_ = nullptr;
    HWND hidden_ = nullptr;
};

TEST_F(RunningInstanceWindows, TheFirstShownWindowOfTheSameFileNameIsRestoredInFront) {
    // Another folder, the same file name.
    const std::string path = "C:\\Elsewhere\\" + OwnProgramPath().substr(
                                                     OwnProgramPath().find_last_of('\\') + 1);
    EXPECT_EQ(ActivateRunningInstance(path), kActivatedRunningWindow);
    EXPECT_FALSE(IsIconic(shown_));
    EXPECT_TRUE(IsWindowVisible(shown_));
    EXPECT_EQ(GetForegroundWindow(), shown_);
    EXPECT_FALSE(IsWindowVisible(hidden_));
}

TEST_F(RunningInstanceWindows, AnotherFileNameOrLetterCaseFindsNoWindow) {
    std::string upper = OwnProgramPath();
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(ActivateRunningInstance("C:\\Games\\no-such-program.exe"), kNoRunningWindow);
    EXPECT_EQ(ActivateRunningInstance(upper), kNoRunningWindow);
    EXPECT_TRUE(IsIconic(shown_));
    EXPECT_FALSE(IsWindowVisible(hidden_));
}

}  // namespace
