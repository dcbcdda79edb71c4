// "WaitKey": the script of its host stops until a key is pressed or the left
// mouse button goes down while the wait listens. The host's command target
// hears "OnKeyWaitBegin" when the wait starts and "OnKeyWaitEnd" exactly
// once when it ends, whether by the press or because the host let go of it
// (a skip, a page that takes control away).
#pragma once

#include <memory>

#include "platform/message_listener.h"
#include "script/script_statement.h"

class CWaitKeyStatement : public CScriptStatement, public CMessageListener {
public:
    CWaitKeyStatement() = default;
    // Leaves the host's listeners if still among them.
    ~CWaitKeyStatement() override;
    CWaitKeyStatement(const CWaitKeyStatement&) = delete;
    CWaitKeyStatement& operator=(const CWaitKeyStatement&) = delete;

    int GetKind() const override;  // kKindWaitKey
    // Switches the host's script off, listens to its messages and raises
    // "OnKeyWaitBegin".
    void Execute(CScriptHost* host) override;
    // Once pressed, asks the host to let go of the wait.
    void Update(int ms) override;
    // Raises "OnKeyWaitEnd", stops listening and switches the script on.
    void Stop() override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    bool IsInstant() const override;

    // A key press or a left button press is taken (1); the rest passes (0).
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    bool IsPressed() const { return pressed_; }

private:
    CScriptHost* host_ = nullptr;
    bool pressed_ = false;
    // Between Execute and Stop.
    bool waiting_ = false;
};
