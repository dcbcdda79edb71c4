// A statement that runs against the script host of its script: a scene, a
// class node, a button or a script page node. Instant statements finish
// inside Execute; the others stay with the host as its pending statement,
// which the host advances with Update and ends with Stop.
#pragma once

#include <memory>

#include "script/script_command.h"

class CScriptHost;

class CScriptStatement : public CScriptCommand {
public:
    int GetCategory() const override;  // kCategoryStatement
    // Performs the statement, or starts it when it is not instant.
    virtual void Execute(CScriptHost* host) = 0;
    // Ends a running statement; nothing by default.
    virtual void Stop();
    // Advances a running statement by ms milliseconds; nothing by default.
    virtual void Update(int ms);
    // A new copy, the caller's from now on.
    virtual std::unique_ptr<CScriptStatement> Clone() const = 0;
    // True when the statement is done once Execute returns.
    virtual bool IsInstant() const = 0;
};
