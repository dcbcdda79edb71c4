// An application whose main loop is the test's own code.
#pragma once

#include <functional>

#include "app/application.h"

class TestApplication : public CApplication {
public:
    std::function<void(TestApplication&)> body;
    DWORD style = kCaptionedWindowStyle;
    int configureResult = 0;
    int initializeResult = 0;

protected:
    int Configure(CWindowSettings& settings) override {
        settings.title = "test window";
        // One class per process: the tests share the game's class name.
        settings.className = "MIRLHOLLOW";
        settings.clientWidth = 800;
        settings.clientHeight = 600;
        settings.style = style;
        return configureResult;
    }
    int Initialize() override { return initializeResult; }
    void RunMainLoop() override {
        if (body) body(*this);
    }
};
