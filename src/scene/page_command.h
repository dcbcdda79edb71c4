// A command that a script page node holds and steps every frame beside its
// script: a fade of the page's content or a timed pause of its script. The
// page keeps its own clone of the command it was handed, starts it at once,
// steps it with the frame's time and deletes it when it no longer runs; a
// new command of the same kind replaces the one the page held.
#pragma once

#include "script/script_command.h"

class CScriptPageNode;

class CPageCommand : public CScriptCommand {
public:
    int GetCategory() const override;  // kCategoryMenuCallback
    // Called once, right after the clone is made.
    virtual void Start(CScriptPageNode& page) = 0;
    virtual void Step(CScriptPageNode& page, int milliseconds) = 0;
    // Ends the command early; nothing by default.
    virtual void Finish(CScriptPageNode& page);
    virtual bool IsRunning() const = 0;
    // A new command of the same kind and parameters, not started.
    virtual CPageCommand* Clone() const = 0;
    // The milliseconds left, 0 when finished.
    virtual unsigned GetTimeLeft() const = 0;
};
