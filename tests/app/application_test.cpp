#include "app/application.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/config.h"
#include "platform/error_report.h"
#include "support/test_application.h"

namespace {

TEST(Application, IsCurrentOnlyDuringRunAndPostsQuitAtTheEnd) {
    TestApplication app;
    EXPECT_EQ(GetApplication(), nullptr);
    EXPECT_EQ(GetMainWindowHandle(), nullptr);
    HWND during = nullptr;
    app.body = [&](TestApplication& self) {
        EXPECT_EQ(GetApplication(), &self);
        during = GetMainWindowHandle();
    };
    EXPECT_EQ(app.Run(), CApplication::kRunFinished);
    EXPECT_NE(during, nullptr);
    EXPECT_EQ(during, app.MainWindow().Handle());
    EXPECT_EQ(GetApplication(), nullptr);
    EXPECT_EQ(GetMainWindowHandle(), nullptr);
    // The window stays until the application is destroyed.
    EXPECT_TRUE(IsWindow(during));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Application, RefusalsEndRunWithTheirCodes) {
    TestApplication refusesConfigure;
    refusesConfigure.configureResult = 1;
    EXPECT_EQ(refusesConfigure.Run(), CApplication::kRunConfigureRefused);
    EXPECT_EQ(refusesConfigure.MainWindow().Handle(), nullptr);

    TestApplication refusesInitialize;
    refusesInitialize.initializeResult = 7;
    bool ran = false;
    refusesInitialize.body = [&](TestApplication&) { ran = true; };
    EXPECT_EQ(refusesInitialize.Run(), CApplication::kRunInitializeRefused);
    EXPECT_FALSE(ran);
    EXPECT_EQ(GetApplication(), nullptr);
}

TEST(Application, CloseRequestClearsRunningWithoutDestroyingTheWindow) {
    TestApplication app;
    app.body = [](TestApplication& self) {
        HWND window = GetMainWindowHandle();
        EXPECT_TRUE(self.PumpMessages());
        EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 1);
        EXPECT_FALSE(self.IsRunning());
        EXPECT_FALSE(self.PumpMessages());
        EXPECT_TRUE(IsWindow(window));
    };
    app.Run();
}

// Throws the internal error on one message.
struct ThrowingListener : CMessageListener {
    int HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
        if (message == WM_USER + 50) throw CInternalError();
        return 0;
    }
};

TEST(Application, ErrorRaisedInsideAMessageReachesThePump) {
    TestApplication app;
    ThrowingListener listener;
    app.body = [&](TestApplication& self) {
        AddAppMessageListener(&listener);
        PostMessageA(GetMainWindowHandle(), WM_USER + 50, 0, 0);
        EXPECT_THROW(self.PumpMessages(), CInternalError);
        // The window goes on working afterwards.
        EXPECT_TRUE(self.PumpMessages());
        RemoveAppMessageListener(&listener);
    };
    app.Run();
}

TEST(Application, SettingChangesArePostedToTheMainWindow) {
    TestApplication app;
    app.body = [](TestApplication& self) {
        SetConfigNotifyWindowProvider(GetMainWindowHandle);
        CConfig config;
        config.SetBaseFPS(30);
        config.SetBGMVolume(-1500);
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, GetMainWindowHandle(), kSettingChangedMessage,
                                 kSettingChangedMessage, PM_REMOVE));
        EXPECT_EQ(msg.wParam, static_cast<WPARAM>(kSettingBaseFPS));
        EXPECT_EQ(msg.lParam, 30);
        ASSERT_TRUE(PeekMessageA(&msg, GetMainWindowHandle(), kSettingChangedMessage,
                                 kSettingChangedMessage, PM_REMOVE));
        EXPECT_EQ(msg.wParam, static_cast<WPARAM>(kSettingBGMVolume));
        EXPECT_EQ(msg.lParam, -1500);
        SetConfigNotifyWindowProvider(nullptr);
        self.PumpMessages();
    };
    app.Run();
}

}  // namespace
