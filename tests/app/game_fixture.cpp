#include "game_fixture.h"

#include "app/published_game.h"
#include "media/sound_available.h"
#include "platform/frame_clock_flags.h"
#include "platform/global_state.h"
#include "platform/paths.h"

namespace {

CBoxRecorder* g_recorder = nullptr;

int RecordBox(const MessageBoxRequest& request) {
    g_recorder->boxes.push_back(request);
    if (g_recorder->onBox) g_recorder->onBox(request);
    return g_recorder->answer;
}

}  // namespace

CFixtureGame::CFixtureGame(const std::string& game) : base_(folder_.Path()) {
    for (const char* archive : {"S.dat", "mn.dat"}) {
        folder_.Write(archive,
                      ReadBytes(GetProgramDirectory() + "game_" + game + "\\" + archive));
    }
    CreateDirectoryA((folder_.Path() + "UserData").c_str(), nullptr);
}

CGameStateScope::CGameStateScope()
    : config_(GetConfig()), soundAvailable_(IsSoundAvailable()) {
    FrameClockFlags() = CFrameClockFlags();
}

CGameStateScope::~CGameStateScope() {
    GetConfig() = config_;
    SetSoundAvailable(soundAvailable_);
    FrameClockFlags() = CFrameClockFlags();
    FullScreenModeFlags() = CFullScreenModeFlags();
}

CBoxRecorder::CBoxRecorder() : previous_(SetMessageBoxFunction(RecordBox)) {
    g_recorder = this;
}

CBoxRecorder::~CBoxRecorder() {
    SetMessageBoxFunction(previous_);
    g_recorder = nullptr;
}

void RunGame(CGameRig& rig,
             const std::function<bool(CGameMain& game, TestApplication& app, int frame)>& frame) {
    TestApplication app;
    app.body = [&](TestApplication& self) {
        SetConfigNotifyWindowProvider(GetMainWindowHandle);
        CGameMain game(&self, rig.Services());
        int frames = 0;
        rig.clock.onSleep = [&] {
            if (game.IsStarted() && self.IsRunning() && !frame(game, self, frames++)) {
                self.ClearRunning();
            }
        };
        game.Run();
        rig.clock.onSleep = nullptr;
        SetConfigNotifyWindowProvider(nullptr);
    };
    app.Run();
}

void WithGameMain(CGameRig& rig,
                  const std::function<void(CGameMain& game, TestApplication& app)>& body) {
    TestApplication app;
    app.body = [&](TestApplication& self) {
        CGameMain game(&self, rig.Services());
        body(game, self);
    };
    app.Run();
}
