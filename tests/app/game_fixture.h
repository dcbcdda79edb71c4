// What the game tests share: the small fixture game in a folder of its own,
// a recorder of the program's own message boxes, a recorder of started
// programs, a clock that hands each frame's wait to the test, and a run of
// CGameMain in a test window over stand-ins for the display and the cursor.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/game_main.h"
#include "display_fakes.h"
#include "platform/config.h"
#include "platform/message_box.h"
#include "platform/process_start.h"
#include "support/fake_clock.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

// A copy of a packed fixture game ("fixture" or "loop_fixture") with an
// empty "UserData", the base directory pointing at it.
class CFixtureGame {
public:
    explicit CFixtureGame(const std::string& game = "fixture");
    const std::string& Path() const { return folder_.Path(); }

private:
    CTempFolder folder_;
    CBaseDirectoryScope base_;
};

// The settings, the frame clock flags, the sound flag and the published
// full-screen modes as they were, put back at the end of a test.
class CGameStateScope {
public:
    CGameStateScope();
    ~CGameStateScope();

private:
    CConfig config_;
    bool soundAvailable_;
};

// Every box of the program's own while it lives; each is answered with
// `answer`.
class CBoxRecorder {
public:
    CBoxRecorder();
    ~CBoxRecorder();
    CBoxRecorder(const CBoxRecorder&) = delete;
    CBoxRecorder& operator=(const CBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> boxes;
    int answer = IDYES;
    // Called while each box is up, before it is answered.
    std::function<void(const MessageBoxRequest&)> onBox;

private:
    MessageBoxFunction previous_;
};

class CRecordingStarter : public CProcessStarter {
public:
    int Start(const std::string& commandLine, bool wait) override {
        commandLines.push_back(commandLine);
        waits.push_back(wait);
        return 0;
    }
    std::vector<std::string> commandLines;
    std::vector<bool> waits;
};

// A fake clock that calls `onSleep` after each frame's sleep: the frame
// limiter sleeps once per frame, less than 100 ms; the longer pauses of the
// display's mode switch and of the start-up are not frames.
class CFrameHookClock : public FakeClock {
public:
    static constexpr uint32_t kLongestFrameSleepMs = 100;
    CFrameHookClock() : FakeClock(1000, 1) {}
    void Sleep(uint32_t ms) override {
        FakeClock::Sleep(ms);
        if (onSleep && ms < kLongestFrameSleepMs) onSleep();
    }
    std::function<void()> onSleep;
};

// The stand-ins a game main is built over.
struct CGameRig {
    FakeDisplayDriver driver;
    CFrameHookClock clock;
    FakeCursor cursor;
    CRecordingStarter starter;
    CSyncVoiceReader* voices = nullptr;

    CGameServices Services() {
        return CGameServices{&clock, &driver, &cursor, &starter, voices};
    }
};

// Runs CGameMain::Run in a test application. `frame` is called at the wait
// of every frame once the game has started, with the frame's number; the
// game ends when it returns false. Settings changes reach the game window.
void RunGame(CGameRig& rig,
             const std::function<bool(CGameMain& game, TestApplication& app, int frame)>& frame);

// Builds a game main in a test application without running it.
void WithGameMain(CGameRig& rig, const std::function<void(CGameMain& game, TestApplication& app)>& body);
