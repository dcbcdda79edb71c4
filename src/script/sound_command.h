// The script's sound actions: what a sound statement hands to a channel's
// voice. Category 13 actions (play, stop, pause, resume, loop, load) act
// once on the voice; categories 14, 15 and 16 (volume, pan, frequency) are
// animators that the voice keeps, starts and steps every sound update until
// Step answers false.
#pragma once

#include <memory>

#include "script/script_command.h"

class CSoundVoice;

class CSoundCommand : public CScriptCommand {
public:
    // A new copy, the caller's from now on.
    virtual std::unique_ptr<CSoundCommand> Clone() const = 0;
    // Acts on the voice (category 13), or reads the animator's start value
    // from it.
    virtual void Start(CSoundVoice* voice) = 0;
    // Moves an animator on by ms and writes the value; false once it has
    // reached its target, and at once for the category 13 actions.
    virtual bool Step(CSoundVoice* voice, int ms) = 0;
};
