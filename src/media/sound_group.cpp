#include "media/sound_group.h"

#include <algorithm>

#include "media/sound_available.h"
#include "platform/error_report.h"

namespace {

constexpr int kLoadFailedPlace = 210;
constexpr int kNoVoicePlace = 225;

}  // namespace

CSoundGroup::CSoundGroup(int kind) : kind_(kind) {}

CSoundGroup::~CSoundGroup() = default;

void CSoundGroup::Update(int ms) {
    if (!IsSoundAvailable()) return;
    for (auto& entry : voices_) {
        CSoundVoice& voice = *entry.second;
        voice.SetRetriggerGuard(std::max(0, voice.GetRetriggerGuard() - ms));
        voice.Update(ms);
    }
}

void CSoundGroup::SetMute(bool muted) {
    if (!IsSoundAvailable() || muted == muted_) return;
    muted_ = muted;
    for (auto& entry : voices_) entry.second->SetGroupMute(muted);
}

void CSoundGroup::SetVolume(int32_t volume) {
    if (!IsSoundAvailable()) return;
    volume_ = volume;
    for (auto& entry : voices_) entry.second->SetGroupVolume(volume);
}

void CSoundGroup::Clear() {
    if (!IsSoundAvailable()) return;
    voices_.clear();
}

bool CSoundGroup::HasChannel(int channel) const { return GetVoice(channel) != nullptr; }

CSoundVoice* CSoundGroup::GetVoice(int channel) const {
    if (!IsSoundAvailable()) return nullptr;
    const auto found = voices_.find(channel);
    return found == voices_.end() ? nullptr : found->second.get();
}

CSoundVoice* CSoundGroup::GetOrCreateVoice(int channel) {
    if (!IsSoundAvailable()) return nullptr;
    std::unique_ptr<CSoundVoice>& slot = voices_[channel];
    if (!slot) {
        slot = std::make_unique<CSoundVoice>();
        Enrol(*slot, channel);
    }
    return slot.get();
}

void CSoundGroup::Load(int channel, const std::string& name) {
    if (!IsSoundAvailable()) return;
    CSoundVoice* voice = GetOrCreateVoice(channel);
    Enrol(*voice, channel);
    if (!voice->Load(name.c_str())) ErrorReport(ErrorKind::Sound, kModuleSoundGroup, kLoadFailedPlace);
}

void CSoundGroup::Play(int channel, bool loop, long volume, long pan) {
    if (!IsSoundAvailable()) return;
    CSoundVoice* voice = GetVoice(channel);
    if (!voice) ErrorReport(ErrorKind::Sound, kModuleSoundGroup, kNoVoicePlace);
    if (voice->GetRetriggerGuard() != 0) return;
    voice->SetVolume(volume);
    voice->SetPan(pan);
    voice->SetLoop(loop);
    voice->Play();
    voice->SetRetriggerGuard(kRetriggerTime);
}

void CSoundGroup::ApplyAction(int channel, CSoundCommand* command) {
    if (!IsSoundAvailable()) return;
    GetOrCreateVoice(channel)->ApplyAction(command);
}

void CSoundGroup::Stop(int channel) {
    if (CSoundVoice* voice = GetVoice(channel)) voice->Stop();
}

void CSoundGroup::Enrol(CSoundVoice& voice, int channel) {
    voice.SetGroup(this);
    voice.SetChannel(channel);
    if (muted_) voice.SetGroupMute(true);
    voice.SetGroupVolume(volume_);
    voice.SetRetriggerGuard(0);
}
