// "WaitPlay", "WaitVolume", "WaitPan" and "WaitFrequency": the script stops
// until the channel's sound has ended, or its volume, pan or frequency
// animator has finished. A channel that has no voice (never used, no sound
// device, a CD channel) lets the script go on at once. Waiting for a
// looping sound to end is refused: box Internal 2011-376.
#pragma once

#include <memory>

#include "script/script_statement.h"

// What the wait watches.
enum SoundWaitSelector : int {
    kSoundWaitPlay = 0,
    kSoundWaitVolume = 1,
    kSoundWaitPan = 2,
    kSoundWaitFrequency = 3,
};

class CWaitSoundStatement : public CScriptStatement {
public:
    CWaitSoundStatement(SoundWaitSelector selector, int channelKind, int channel)
        : selector_(selector), channelKind_(channelKind), channel_(channel) {}
    int GetKind() const override;  // kKindWaitSound
    // Keeps the host and looks at the channel at once.
    void Execute(CScriptHost* host) override;
    // While the channel is busy the host's script stays switched off; once
    // it is not, the script is switched on and the wait lets go.
    void Update(int ms) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    bool IsInstant() const override;

    SoundWaitSelector Selector() const { return selector_; }
    int ChannelKind() const { return channelKind_; }
    int Channel() const { return channel_; }

private:
    SoundWaitSelector selector_;
    int channelKind_;
    int channel_;
    CScriptHost* host_ = nullptr;
};
