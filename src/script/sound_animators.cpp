#include "script/sound_animators.h"

#include <algorithm>
#include <limits>

#include "media/sound_voice.h"
#include "script/script_command_kind.h"
#include "script/sound_commands.h"

CSoundAnimator::CSoundAnimator(int32_t target, int32_t duration) : target_(target) {
    counter_.Set(duration < 0 ? 0u : static_cast<uint32_t>(duration), nullptr);
}

void CSoundAnimator::Start(CSoundVoice* voice) { start_ = Read(*voice); }

bool CSoundAnimator::Step(CSoundVoice* voice, int ms) {
    counter_.Advance(ms < 0 ? 0u : static_cast<uint32_t>(ms));
    Write(*voice);
    return counter_.IsRunning();
}

int CSoundVolumeCommand::GetCategory() const { return kCategorySoundVolume; }

int CSoundVolumeCommand::GetKind() const { return kKindSoundVolume; }

std::unique_ptr<CSoundCommand> CSoundVolumeCommand::Clone() const {
    return std::make_unique<CSoundVolumeCommand>(*this);
}

int32_t CSoundVolumeCommand::Read(CSoundVoice& voice) const { return static_cast<int32_t>(voice.GetVolume()); }

void CSoundVolumeCommand::Write(CSoundVoice& voice) const { voice.SetVolume(counter_.LerpInt(start_, target_)); }

int CSoundPanCommand::GetCategory() const { return kCategorySoundPan; }

int CSoundPanCommand::GetKind() const { return kKindSoundPan; }

std::unique_ptr<CSoundCommand> CSoundPanCommand::Clone() const { return std::make_unique<CSoundPanCommand>(*this); }

int32_t CSoundPanCommand::Read(CSoundVoice& voice) const { return static_cast<int32_t>(voice.GetPan()); }

void CSoundPanCommand::Write(CSoundVoice& voice) const { voice.SetPan(counter_.LerpInt(start_, target_)); }

int CSoundFrequencyCommand::GetCategory() const { return kCategorySoundFrequency; }

int CSoundFrequencyCommand::GetKind() const { return kKindSoundFrequency; }

std::unique_ptr<CSoundCommand> CSoundFrequencyCommand::Clone() const {
    return std::make_unique<CSoundFrequencyCommand>(*this);
}

// Rates stay far below 2^31 Hz; the start value is held there all the same.
int32_t CSoundFrequencyCommand::Read(CSoundVoice& voice) const {
    return static_cast<int32_t>(std::min<DWORD>(voice.GetFrequency(), std::numeric_limits<int32_t>::max()));
}

void CSoundFrequencyCommand::Write(CSoundVoice& voice) const {
    const WAVEFORMATEX* format = voice.GetFormat();
    if (!format) return;
    const uint32_t end = std::min<uint32_t>(ScaledSoundRate(format->nSamplesPerSec, target_),
                                            std::numeric_limits<int32_t>::max());
    voice.SetFrequency(static_cast<DWORD>(counter_.LerpInt(start_, static_cast<int32_t>(end))));
}
