#include "script/sound_commands.h"

#include <algorithm>
#include <limits>

#include "media/sound_voice.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "script/script_command_kind.h"

namespace {

constexpr int kLoadAheadFailedPlace = 79;
constexpr int kContinueLoadFailedPlace = 123;
constexpr int kPlayLoadFailedPlace = 133;

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t ScriptSoundVolume(int32_t volume) { return Saturate(int64_t{10} * volume - 10000); }

int32_t ScriptSoundPan(int32_t pan) { return Saturate(int64_t{10} * pan); }

uint32_t ScaledSoundRate(uint32_t nativeRate, int32_t thousandths) {
    const uint64_t rate = uint64_t{nativeRate} * static_cast<uint32_t>(thousandths) / 1000;
    return static_cast<uint32_t>(std::min<uint64_t>(rate, std::numeric_limits<uint32_t>::max()));
}

int CSoundStateCommand::GetCategory() const { return kCategorySoundPlayState; }

bool CSoundStateCommand::Step(CSoundVoice*, int) { return false; }

int CSoundPlayCommand::GetKind() const { return kKindSoundPlay; }

std::unique_ptr<CSoundCommand> CSoundPlayCommand::Clone() const {
    return std::make_unique<CSoundPlayCommand>(*this);
}

bool CSoundPlayCommand::NeedsLoad(CSoundVoice& voice) const {
    if (NormalizePath(voice.GetFileName()) != NormalizePath(request_.file)) return true;
    if (request_.continuePlaying) return false;
    // The handle's answer, not the voice's flag, which stays set after a
    // short sound has ended by itself. A stream loaded ahead is primed.
    return !voice.IsPlaying() && !voice.IsPrimed();
}

void CSoundPlayCommand::Start(CSoundVoice* voice) {
    if (request_.file.empty()) {
        voice->Stop();
        return;
    }
    if (NeedsLoad(*voice) && !voice->Load(request_.file.c_str())) {
        ErrorReport(ErrorKind::Sound, kModuleSoundCommand,
                    request_.continuePlaying ? kContinueLoadFailedPlace : kPlayLoadFailedPlace);
    }
    voice->SetLoop(request_.loop);
    voice->SetVolume(request_.volume);
    voice->SetPan(request_.pan);
    if (request_.frequency != 0) {
        if (const WAVEFORMATEX* format = voice->GetFormat()) {
            voice->SetFrequency(ScaledSoundRate(format->nSamplesPerSec, request_.frequency));
        }
    }
    voice->Play(request_.synchronise);
}

int CSoundLoadCommand::GetKind() const { return kKindSoundLoad; }

std::unique_ptr<CSoundCommand> CSoundLoadCommand::Clone() const {
    return std::make_unique<CSoundLoadCommand>(*this);
}

void CSoundLoadCommand::Start(CSoundVoice* voice) {
    if (file_.empty()) return;
    if (!voice->Load(file_.c_str())) ErrorReport(ErrorKind::Sound, kModuleSoundCommand, kLoadAheadFailedPlace);
}

int CSoundStopCommand::GetKind() const { return kKindSoundStop; }

std::unique_ptr<CSoundCommand> CSoundStopCommand::Clone() const { return std::make_unique<CSoundStopCommand>(); }

void CSoundStopCommand::Start(CSoundVoice* voice) { voice->Stop(); }

int CSoundPauseCommand::GetKind() const { return kKindSoundPause; }

std::unique_ptr<CSoundCommand> CSoundPauseCommand::Clone() const {
    return std::make_unique<CSoundPauseCommand>();
}

void CSoundPauseCommand::Start(CSoundVoice* voice) { voice->Pause(); }

int CSoundResumeCommand::GetKind() const { return kKindSoundResume; }

std::unique_ptr<CSoundCommand> CSoundResumeCommand::Clone() const {
    return std::make_unique<CSoundResumeCommand>();
}

void CSoundResumeCommand::Start(CSoundVoice* voice) { voice->Resume(); }

int CSoundLoopCommand::GetKind() const { return kKindSoundLoop; }

std::unique_ptr<CSoundCommand> CSoundLoopCommand::Clone() const {
    return std::make_unique<CSoundLoopCommand>(*this);
}

void CSoundLoopCommand::Start(CSoundVoice* voice) { voice->SetLoop(loop_); }
