// The statement a host keeps running over several frames (the waits): the
// host starts it, steps it by the milliseconds of its script time and drops
// it when another one replaces it or the host stops. A statement may drop
// itself from inside its own Execute or Update; it is stopped at once, but
// deleted only once that call has returned, so its code never runs on in a
// deleted object.
#pragma once

#include <memory>
#include <vector>

#include "script/script_statement.h"

class CScriptCommand;
class CScriptExecutor;
class CScriptHost;

class CPendingStatement {
public:
    CPendingStatement();
    // A clone of the other's statement, not started again.
    CPendingStatement(const CPendingStatement& other);
    CPendingStatement& operator=(const CPendingStatement&) = delete;
    ~CPendingStatement();

    // Drops the held statement, then holds this one and calls its Execute.
    void Start(std::unique_ptr<CScriptStatement> statement, CScriptHost* host);
    // Update (ms) of the held statement, if any.
    void Update(int ms);
    // Stop of the held statement, if any, and lets go of it.
    void Drop();
    CScriptStatement* Get() const { return statement_.get(); }

private:
    // Runs call on the held statement, which counts as running meanwhile.
    template <class Call>
    void RunHeld(Call call);

    std::unique_ptr<CScriptStatement> statement_;
    // The statement whose Execute or Update runs now, or null.
    CScriptStatement* running_ = nullptr;
    // Running statements that were dropped, deleted once the outermost
    // call returns.
    std::vector<std::unique_ptr<CScriptStatement>> dropped_;
};

// What every script host does with the statements of its script: an instant
// statement runs at once against the host, any other becomes the host's
// pending statement, and a flow statement goes to the host's executor. False
// for commands of other categories, which the host handles itself.
bool RunHostStatement(CScriptCommand* command, CScriptHost* host, CScriptExecutor& executor,
                      CPendingStatement& pending);
