// Every sound statement of the script: a channel (kind and number) and the
// sound action for it, handed at run time to the host's sound group of that
// kind. A "CD" channel has no group, and the statement does nothing there.
#pragma once

#include <memory>

#include "script/small_statements.h"
#include "script/sound_command.h"

class CSoundGroup;

// The host's group for a SoundChannelKind: SE, BGM or VOICE; null for CD
// and for a host that has no groups.
CSoundGroup* SoundGroupOf(CScriptHost* host, int channelKind);

class CSoundStatement : public CInstantStatement {
public:
    CSoundStatement(int channelKind, int channel, std::unique_ptr<CSoundCommand> command)
        : channelKind_(channelKind), channel_(channel), command_(std::move(command)) {}
    int GetKind() const override;  // kKindSound
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;

    int ChannelKind() const { return channelKind_; }
    int Channel() const { return channel_; }
    const CSoundCommand& Command() const { return *command_; }

private:
    int channelKind_;
    int channel_;
    std::unique_ptr<CSoundCommand> command_;
};
