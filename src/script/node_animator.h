// A command that moves, zooms, fades or turns a node over time. The node
// keeps a clone of the command the script handed over, starts it once, steps
// it every frame and deletes it when it no longer runs.
#pragma once

#include "script/script_command.h"

class CSceneNode;

class CNodeAnimator : public CScriptCommand {
public:
    // Reads the starting values from the node; called once, right after the
    // clone is made.
    virtual void Start(CSceneNode& node) = 0;
    // Advances by the milliseconds and moves the node through its placement
    // setters.
    virtual void Step(CSceneNode& node, int milliseconds) = 0;
    // False once the last step has been applied.
    virtual bool IsRunning() const = 0;
    // A new animator of the same kind and parameters, not started.
    virtual CNodeAnimator* Clone() const = 0;
    // The milliseconds left, 0 when finished.
    virtual unsigned GetTimeLeft() const = 0;
};
