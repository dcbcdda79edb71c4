#include "script/scene_host.h"

#include <utility>

#include "app/application.h"
#include "platform/config.h"
#include "platform/frame_clock_flags.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "script/argument_kinds.h"
#include "script/scene.h"

namespace {

const char kSystemDataPath[] = "UserData/System.dat";

// A failed save does not stop the switch.
void SaveSystemData() { GetSystemData().Save(kSystemDataPath); }

}  // namespace

CSceneHost::CSceneHost() : voice_(kSoundChannelVoice), se_(kSoundChannelSE), bgm_(kSoundChannelBGM) {}

CSceneHost::~CSceneHost() {
    if (current_) {
        current_->Pause();
        current_->Close();
        current_.reset();
    }
    for (std::unique_ptr<CScene>& scene : stack_) {
        scene->Pause();
        scene->Close();
        scene.reset();
    }
    stack_.clear();
    for (std::unique_ptr<CScene>& scene : deleteQueue_) {
        scene->Close();
        scene.reset();
    }
    deleteQueue_.clear();
    voice_.Clear();
    se_.Clear();
    bgm_.Clear();
    RemoveAllListeners();
    if (listening_ && GetApplication()) RemoveAppMessageListener(this);
}

void CSceneHost::AttachScene(std::unique_ptr<CScene> scene) {
    // Without a current application (a host driven by a test alone) there
    // is no main window to listen to.
    if (GetApplication()) {
        AddAppMessageListener(this);
        listening_ = true;
    }
    const CConfig& config = GetConfig();
    se_.SetVolume(config.GetSEVolume());
    bgm_.SetVolume(config.GetBGMVolume());
    voice_.SetVolume(config.GetVoiceVolume());
    ApplyPlaySettings();
    OpenCurrent(std::move(scene));
}

void CSceneHost::ApplyPlaySettings() {
    const CConfig& config = GetConfig();
    se_.SetMute(!config.IsPlaySE());
    bgm_.SetMute(!config.IsPlayBGM());
    voice_.SetMute(!config.IsPlayVoice());
}

void CSceneHost::BeginFrame() { current_->BeginFrame(); }

void CSceneHost::Update(int ms) {
    // Taken out first: closing a scene must not see the queue change under it.
    std::vector<std::unique_ptr<CScene>> leaving;
    leaving.swap(deleteQueue_);
    for (std::unique_ptr<CScene>& scene : leaving) {
        scene->Close();
        scene.reset();
    }
    bgm_.Update(ms);
    se_.Update(ms);
    voice_.Update(ms);
    current_->Update(ms);
}

void CSceneHost::SetTransform(CTransform2D transform) { current_->UpdateTransform(transform); }

void CSceneHost::Draw(CMemorySurface& target, CTransform2D transform, const RECT* clip) {
    current_->Draw(target, transform, clip);
}

void CSceneHost::Present(CDisplayDevice& display) { current_->Present(display); }

void CSceneHost::OnPaint() { current_->Invalidate(); }

void CSceneHost::OpenCurrent(std::unique_ptr<CScene> next) {
    current_ = std::move(next);
    current_->Open(this);
}

void CSceneHost::RetireCurrent() {
    current_->OnLeave();
    current_->Pause();
    deleteQueue_.push_back(std::move(current_));
}

void CSceneHost::CallScene(std::unique_ptr<CScene> next) {
    SaveSystemData();
    FrameClockFlags().shortStepOnce = true;
    current_->Pause();
    stack_.push_back(std::move(current_));
    OpenCurrent(std::move(next));
}

void CSceneHost::ShiftScene(std::unique_ptr<CScene> next) {
    SaveSystemData();
    FrameClockFlags().shortStepOnce = true;
    RetireCurrent();
    OpenCurrent(std::move(next));
}

void CSceneHost::ReturnScene(std::string label) {
    if (stack_.empty()) return;
    FrameClockFlags().shortStepOnce = true;
    SaveSystemData();
    if (!stack_.back()->CanReturnTo(current_.get(), label)) return;
    RetireCurrent();
    current_ = std::move(stack_.back());
    stack_.pop_back();
    current_->Resume();
    current_->Invalidate();
    current_->OnReturned(current_.get(), label);
}

int CSceneHost::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CConfig& config = GetConfig();
    if (message == WM_ACTIVATE && config.IsAutoMute()) {
        if (wParam == WA_ACTIVE || wParam == WA_CLICKACTIVE) {
            ApplyPlaySettings();
        } else {
            voice_.SetMute(true);
            se_.SetMute(true);
            bgm_.SetMute(true);
        }
    } else if (message == kSettingChangedMessage) {
        const int32_t value = static_cast<int32_t>(lParam);
        switch (wParam) {
            case kSettingPlaySE: se_.SetMute(value == 0); break;
            case kSettingPlayVoice: voice_.SetMute(value == 0); break;
            case kSettingPlayBGM: bgm_.SetMute(value == 0); break;
            case kSettingSEVolume: se_.SetVolume(value); break;
            case kSettingVoiceVolume: voice_.SetVolume(value); break;
            case kSettingBGMVolume: bgm_.SetVolume(value); break;
            default: break;
        }
    }
    return CMessageBroadcaster::HandleMessage(window, message, wParam, lParam);
}
