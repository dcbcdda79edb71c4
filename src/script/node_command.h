// A command that a node applies once, at the moment it receives it: create a
// node under it, delete it, switch its hit test. The node keeps nothing.
#pragma once

#include "script/script_command.h"

class CSceneNode;

class CNodeCommand : public CScriptCommand {
public:
    // Acts on the node that received the command.
    virtual void Apply(CSceneNode& node) = 0;
    // A new command of the same kind and parameters.
    virtual CNodeCommand* Clone() const = 0;
};
