#include "media/sound_group.h"

#include "media/sound_available.h"

CSoundGroup::CSoundGroup(int kind) : kind_(kind) {}

CSoundGroup::~CSoundGroup() = default;

void CSoundGroup::Update(int) {}

void CSoundGroup::SetMute(bool muted) {
    if (!IsSoundAvailable()) return;
    muted_ = muted;
}

void CSoundGroup::SetVolume(int32_t volume) {
    if (!IsSoundAvailable()) return;
    volume_ = volume;
}

void CSoundGroup::Clear() {}

bool CSoundGroup::HasChannel(int) const { return false; }

CSoundHandle* CSoundGroup::GetVoice(int) { return nullptr; }
