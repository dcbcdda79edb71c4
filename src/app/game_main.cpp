#include "app/game_main.h"

#include <mmsystem.h>

#include <cstdlib>
#include <memory>

#include "app/application.h"
#include "app/game_application.h"
#include "app/diagnosis_lines.h"
#include "app/diagnosis_report.h"
#include "app/ime_context.h"
#include "app/machine_facts.h"
#include "app/published_game.h"
#include "app/system_diagnosis.h"
#include "app/window_dc.h"
#include "graphics/display_modes.h"
#include "media/sound_available.h"
#include "media/sound_device.h"
#include "media/sound_handle.h"
#include "platform/config.h"
#include "platform/frame_clock_flags.h"
#include "platform/global_state.h"
#include "platform/message_box.h"
#include "screens/in_game_menu.h"
#include "script/argument_kinds.h"

namespace {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;
constexpr RECT kFrameClip = {0, 0, kFrameWidth, kFrameHeight};
const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// The step that stands in for a stall, a scene change and a step too long
// to be true.
constexpr int kShortStepMs = 17;
constexpr int kLongStepMs = 1000;
constexpr int kImpossibleStepMs = 10000;

const char kDiagnosisReportPath[] = "UserData/Debug.txt";

const char kNoDirectDrawText[] =
    "DirectDraw がインストールされていないか正常ではありません。\n"
    "システムの起動を中断します。";

}  // namespace

CGameMain::CGameMain(CApplication* application, const CGameServices& services)
    : clock_(*services.clock),
      displayDriver_(*services.displayDriver),
      processes_(*services.processes),
      machine_(*services.machine),
      syncVoices_(services.syncVoices),
      application_(application),
      started_(false),
      active_(false),
      startupScreen_(FontLineDrawer()),
      display_(kFrameWidth, kFrameHeight, *services.displayDriver, *services.clock,
               *services.cursor),
      lastFrameTime_(0),
      limiter_(*services.clock),
      longStepLatch_(false) {
    AddAppMessageListener(this);
    SetGameMain(this);
    soundUse_ = std::make_unique<CSoundDeviceUse>(machine_.SoundFactory());
}

CGameMain::~CGameMain() {
    noiseCut_.Destroy();
    SetGameMain(nullptr);
    RemoveAppMessageListener(this);
}

void CGameMain::Run() {
    if (!Start()) return;
    while (application_->PumpMessages()) {
        RunFrame();
    }
    noiseCut_.Destroy();
}

bool CGameMain::Start() {
    const HWND window = application_->MainWindow().Handle();
    const CConfig& config = GetConfig();
    RunDiagnosis();
    AnswerPendingMessages();
    if (!displayDriver_.IsAvailable()) {
        ShowWindow(window, SW_HIDE);
        MessageBoxRequest box;
        box.owner = window;
        box.text = kNoDirectDrawText;
        box.caption = kGameWindowTitle;
        box.style = MB_ICONHAND | MB_TOPMOST;
        ShowMessageBox(box);
        return false;
    }
    // The game always starts in a window; the result is not needed: the
    // frame draws only once the display has a back buffer.
    display_.SetMode(false, 0, 0, 0);
    if (IsSoundAvailable() && config.IsNoiseCut() && GetDirectSound()) {
        noiseCut_.Create(GetDirectSound());
        noiseCut_.Play();
    }
    CFullScreenModeFlags& modes = FullScreenModeFlags();
    modes.full16 = IsDisplayModeSupported(kFrameWidth, kFrameHeight, 16);
    modes.full24 = IsDisplayModeSupported(kFrameWidth, kFrameHeight, 24);
    modes.full32 = IsDisplayModeSupported(kFrameWidth, kFrameHeight, 32);
    srand(clock_.Now());
    timeBeginPeriod(1);
    DetachImeContext();
    EnableMenuItems();
    AnswerPendingMessages();
    sceneHost_.AttachScene(std::make_unique<CInGameMenu>("S/Main.txt"));
    ShowCursor(TRUE);
    limiter_.SetFrameRate(config.GetBaseFPS());
    started_ = true;
    active_ = true;
    // A screen mode chosen from the window's menu while start-up showed its
    // screen was stored then, but the display could not take it yet.
    if (config.GetScreenMode() != kScreenWindow) ApplyScreenMode(config.GetScreenMode());
    lastFrameTime_ = clock_.Now();
    return true;
}

void CGameMain::RunDiagnosis() {
    CWindowDc dc(application_->MainWindow().Handle());
    CSystemDiagnosis diagnosis(machine_, clock_, startupScreen_);
    if (GetConfig().IsDiagnosis()) {
        diagnosis.RunStartupChecks(dc.Get());
        WriteDiagnosisReport(kDiagnosisReportPath, machine_);
    } else {
        diagnosis.ShowPleaseWait(dc.Get());
    }
}

void CGameMain::AnswerPendingMessages() {
    // A close asked for meanwhile clears the running flag; the frame loop
    // then ends at once.
    application_->PumpMessages();
}

void CGameMain::RunFrame() {
    sceneHost_.BeginFrame();
    const int step = GetFrameDelta();
    const CFrameClockFlags& flags = FrameClockFlags();
    if (GetConfig().IsAutoPause() && !active_) {
        // Paused: only what runs against the clock goes on, unseen.
        if (flags.timeCritical || flags.musicSync) sceneHost_.Update(step);
    } else {
        sceneHost_.Update(step);
        sceneHost_.SetTransform(kIdentity);
        DrawAndPresent();
    }
    limiter_.WaitNextFrame();
}

void CGameMain::DrawAndPresent() {
    CMemorySurface* backBuffer = display_.GetBackBuffer();
    if (!backBuffer) return;
    sceneHost_.Draw(*backBuffer, kIdentity, &kFrameClip);
    sceneHost_.Present(display_);
}

void CGameMain::Repaint() {
    sceneHost_.OnPaint();
    if (!display_.InFullScreen()) DrawAndPresent();
}

int CGameMain::GetFrameDelta() {
    const uint32_t now = clock_.Now();
    int step = static_cast<int32_t>(now - lastFrameTime_);
    if (step < 0) step = 0;
    lastFrameTime_ = now;

    CFrameClockFlags& flags = FrameClockFlags();
    if (flags.musicSync) {
        uint32_t position = 0;
        const bool playing =
            syncVoices_ ? syncVoices_->ReadPlayingPosition(flags.musicSyncGroup,
                                                           flags.musicSyncChannel, &position)
                        : ReadHostVoice(flags.musicSyncGroup, flags.musicSyncChannel, &position);
        if (playing) {
            int advance = static_cast<int32_t>(position - flags.musicSyncLastPosition);
            if (advance < 0) advance = 0;
            flags.musicSyncLastPosition = position;
            return advance;
        }
        flags.musicSync = false;
    }
    if (!flags.timeCritical) {
        // One stall is one ordinary step; a second one in a row is real.
        if (step > kLongStepMs && !longStepLatch_) {
            longStepLatch_ = true;
            step = kShortStepMs;
        } else {
            longStepLatch_ = false;
        }
    }
    if (step > kImpossibleStepMs) step = kShortStepMs;
    if (flags.shortStepOnce) {
        flags.shortStepOnce = false;
        return kShortStepMs;
    }
    return step;
}

bool CGameMain::ReadHostVoice(int groupKind, int channel, uint32_t* position) {
    CSoundGroup* group = nullptr;
    switch (groupKind) {
        case kSoundChannelSE:
            group = sceneHost_.GetSEGroup();
            break;
        case kSoundChannelBGM:
            group = sceneHost_.GetBGMGroup();
            break;
        case kSoundChannelVoice:
            group = sceneHost_.GetVoiceGroup();
            break;
        default:
            return false;
    }
    if (!group->HasChannel(channel)) return false;
    CSoundHandle* voice = group->GetVoice(channel);
    if (!voice || !voice->IsPlaying()) return false;
    *position = voice->GetPosition();
    return true;
}
