#include "script/wait_sound_statement.h"

#include "media/sound_group.h"
#include "platform/error_report.h"
#include "script/script_command_kind.h"
#include "script/script_host.h"
#include "script/sound_statement.h"

namespace {

constexpr int kLoopWaitPlace = 376;

bool IsBusy(CSoundVoice& voice, SoundWaitSelector selector) {
    switch (selector) {
        case kSoundWaitPlay: return voice.IsPlaying();
        case kSoundWaitVolume: return voice.IsVolumeFading();
        case kSoundWaitPan: return voice.IsPanMoving();
        case kSoundWaitFrequency: return voice.IsFrequencyMoving();
    }
    return false;
}

}  // namespace

int CWaitSoundStatement::GetKind() const { return kKindWaitSound; }

void CWaitSoundStatement::Execute(CScriptHost* host) {
    host_ = host;
    Update(0);
}

void CWaitSoundStatement::Update(int) {
    CSoundGroup* group = SoundGroupOf(host_, channelKind_);
    CSoundVoice* voice = group ? group->GetVoice(channel_) : nullptr;
    if (voice && selector_ == kSoundWaitPlay && voice->IsLooping()) {
        ErrorReport(ErrorKind::Internal, kModuleWaitStatement, kLoopWaitPlace);
    }
    if (voice && IsBusy(*voice, selector_)) {
        host_->SetScriptEnabled(false);
        return;
    }
    host_->SetScriptEnabled(true);
    host_->DropPendingStatement();
}

std::unique_ptr<CScriptStatement> CWaitSoundStatement::Clone() const {
    return std::make_unique<CWaitSoundStatement>(selector_, channelKind_, channel_);
}

bool CWaitSoundStatement::IsInstant() const { return false; }
