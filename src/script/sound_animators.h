// The sound animators: a voice's volume, pan or frequency moved from where
// it stands to a target over a duration. The voice keeps one of each kind
// and steps it with the frame's milliseconds until it reaches the target.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/progress_counter.h"
#include "script/sound_command.h"

// The part the three share: the counter, the start value read by Start and
// the target as the statement wrote it.
class CSoundAnimator : public CSoundCommand {
public:
    void Start(CSoundVoice* voice) override;
    // Advances the counter, writes the value between start and target;
    // false once the counter has finished.
    bool Step(CSoundVoice* voice, int ms) override;

    const CProgressCounter& Counter() const { return counter_; }
    int32_t Target() const { return target_; }
    int32_t StartValue() const { return start_; }

protected:
    // A negative duration counts as 0: the target is set in the first step.
    CSoundAnimator(int32_t target, int32_t duration);
    // The voice's current value.
    virtual int32_t Read(CSoundVoice& voice) const = 0;
    // Writes the value at this point of the counter; the frequency kind
    // writes nothing for a voice without a sound.
    virtual void Write(CSoundVoice& voice) const = 0;

    CProgressCounter counter_;
    int32_t target_;
    int32_t start_ = 0;
};

// The voice's own volume, to a target in hundredths of a decibel.
class CSoundVolumeCommand : public CSoundAnimator {
public:
    CSoundVolumeCommand(int32_t target, int32_t duration) : CSoundAnimator(target, duration) {}
    int GetCategory() const override;
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;

protected:
    int32_t Read(CSoundVoice& voice) const override;
    void Write(CSoundVoice& voice) const override;
};

// The pan, to a target in DirectSound pan units.
class CSoundPanCommand : public CSoundAnimator {
public:
    CSoundPanCommand(int32_t target, int32_t duration) : CSoundAnimator(target, duration) {}
    int GetCategory() const override;
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;

protected:
    int32_t Read(CSoundVoice& voice) const override;
    void Write(CSoundVoice& voice) const override;
};

// The playback rate in Hz, to a target in thousandths of the sound's own
// rate.
class CSoundFrequencyCommand : public CSoundAnimator {
public:
    CSoundFrequencyCommand(int32_t target, int32_t duration) : CSoundAnimator(target, duration) {}
    int GetCategory() const override;
    int GetKind() const override;
    std::unique_ptr<CSoundCommand> Clone() const override;

protected:
    int32_t Read(CSoundVoice& voice) const override;
    void Write(CSoundVoice& voice) const override;
};
