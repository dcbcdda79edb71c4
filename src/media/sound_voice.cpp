#include "media/sound_voice.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "media/sound_group.h"
#include "platform/error_report.h"
#include "platform/frame_clock_flags.h"
#include "script/script_command.h"
#include "script/sound_command.h"

namespace {

constexpr long kSilent = -10000;
constexpr int kShortSyncPlace = 99;

}  // namespace

long EffectiveSoundVolume(long groupVolume, long ownVolume) {
    const int64_t product = (static_cast<int64_t>(groupVolume) + 10000) * (static_cast<int64_t>(ownVolume) + 10000);
    const int64_t effective = product / 10000 - 10000;
    return static_cast<long>(std::clamp<int64_t>(effective, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
}

CSoundVoice::CSoundVoice() = default;

CSoundVoice::~CSoundVoice() { CloseVoice(); }

void CSoundVoice::ApplyAction(CSoundCommand* command) {
    std::unique_ptr<CSoundCommand>* slot = nullptr;
    switch (command->GetCategory()) {
        case kCategorySoundPlayState:
            command->Start(this);
            return;
        case kCategorySoundVolume: slot = &volumeAnimator_; break;
        case kCategorySoundPan: slot = &panAnimator_; break;
        case kCategorySoundFrequency: slot = &frequencyAnimator_; break;
        default: return;
    }
    // The old animator goes before the new one reads its start value.
    slot->reset();
    *slot = command->Clone();
    (*slot)->Start(this);
    (*slot)->Step(this, 0);
}

void CSoundVoice::Play() { Play(false); }

void CSoundVoice::Play(bool sync) {
    ApplyVolume();
    if (playing_) return;
    playing_ = true;
    if (sync) {
        if (GetLength() < kOneShotLimitMs) ErrorReport(ErrorKind::Sound, kModuleChannelVoice, kShortSyncPlace);
        SetPauseWhenMuted(false);
        CFrameClockFlags& flags = FrameClockFlags();
        flags.musicSync = true;
        flags.musicSyncGroup = GroupKind();
        flags.musicSyncChannel = channel_;
        flags.musicSyncLastPosition = 0;
    } else {
        ReleaseSync();
    }
    CSoundHandle::Play();
}

void CSoundVoice::Stop() {
    CSoundHandle::Stop();
    playing_ = false;
    ReleaseSync();
}

void CSoundVoice::Pause() {
    CSoundHandle::Pause();
    playing_ = false;
    ReleaseSync();
}

void CSoundVoice::Resume() {
    CSoundHandle::Resume();
    playing_ = CSoundHandle::IsPlaying();
}

void CSoundVoice::SetGroupMute(bool muted) {
    groupMuted_ = muted;
    CSoundHandle::SetMute(GetEffectiveVolume() == kSilent || muted);
}

int CSoundVoice::Load(const char* name) {
    CloseVoice();
    playing_ = false;
    ownVolume_ = 0;
    ReleaseSync();
    return Open(name);
}

void CSoundVoice::SetVolume(long volume) {
    ownVolume_ = volume;
    ApplyVolume();
}

void CSoundVoice::SetGroupVolume(long volume) {
    groupVolume_ = volume;
    ApplyVolume();
}

void CSoundVoice::Update(int ms) {
    for (std::unique_ptr<CSoundCommand>* slot : {&volumeAnimator_, &panAnimator_, &frequencyAnimator_}) {
        if (*slot && !(*slot)->Step(this, ms)) slot->reset();
    }
}

int CSoundVoice::GroupKind() const { return group_ ? group_->GetKind() : 0; }

long CSoundVoice::GetEffectiveVolume() const { return EffectiveSoundVolume(groupVolume_, ownVolume_); }

void CSoundVoice::CloseVoice() {
    Stop();
    volumeAnimator_.reset();
    panAnimator_.reset();
    frequencyAnimator_.reset();
    playing_ = false;
    ReleaseSync();
    Close();
}

void CSoundVoice::ReleaseSync() {
    CFrameClockFlags& flags = FrameClockFlags();
    if (flags.musicSync && flags.musicSyncGroup == GroupKind() && flags.musicSyncChannel == channel_) {
        flags.musicSync = false;
    }
}

void CSoundVoice::ApplyVolume() {
    const long effective = GetEffectiveVolume();
    CSoundHandle::SetMute(effective == kSilent || groupMuted_);
    CSoundHandle::SetVolume(effective);
}
