#include "script/sound_statement.h"

#include "media/sound_group.h"
#include "script/argument_kinds.h"
#include "script/script_command_kind.h"
#include "script/script_host.h"

CSoundGroup* SoundGroupOf(CScriptHost* host, int channelKind) {
    switch (channelKind) {
        case kSoundChannelSE: return host->GetSESoundGroup();
        case kSoundChannelBGM: return host->GetBGMSoundGroup();
        case kSoundChannelVoice: return host->GetVoiceSoundGroup();
        default: return nullptr;
    }
}

int CSoundStatement::GetKind() const { return kKindSound; }

void CSoundStatement::Execute(CScriptHost* host) {
    if (CSoundGroup* group = SoundGroupOf(host, channelKind_)) group->ApplyAction(channel_, command_.get());
}

std::unique_ptr<CScriptStatement> CSoundStatement::Clone() const {
    return std::make_unique<CSoundStatement>(channelKind_, channel_, command_->Clone());
}
