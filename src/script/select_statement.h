// "select": the script stops until the player picks one of several nodes
// with the mouse or the keyboard, then goes on in that node's case. The
// choices are named by node paths relative to the host's root node; the
// statement moves a focus between them and tells them what happens with the
// requests "SetFocus", "KillFocus", "Select" and "Unselect". The compiled
// case bodies follow the statement in its page; each case's offset counts
// from the record after the statement.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/message_listener.h"
#include "script/script_statement.h"

class CNode;

class CSelectStatement : public CScriptStatement, public CMessageListener {
public:
    enum class State { kWaiting, kChosen };
    // Case name -> offset of its first record, byte-wise ordered by name.
    using CaseTable = std::map<std::string, int32_t>;

    explicit CSelectStatement(CaseTable cases);
    // Leaves the host's listeners if still among them.
    ~CSelectStatement() override;
    CSelectStatement(const CSelectStatement&) = delete;
    CSelectStatement& operator=(const CSelectStatement&) = delete;

    int GetKind() const override;  // kKindSelect
    // Switches the host's script off, listens to its messages and raises
    // "OnSelectBegin".
    void Execute(CScriptHost* host) override;
    // Once a choice is made, asks the host to let go of the statement.
    void Update(int ms) override;
    // Raises "OnSelectEnd", stops listening and switches the script on; the
    // script goes on in the chosen case, or after the select without one.
    void Stop() override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    bool IsInstant() const override;

    // Mouse moves focus, a left click selects, Return and Space select the
    // focus, the arrows and the numeric pad's 6, 8, 4, 2 move the focus.
    // 1 when a selection happened, else 0; only while waiting.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Moves the focus towards direction degrees (0 right, 90 up, 180 left,
    // 270 down) to the nearest choice within 50 degrees of it, else within
    // 90 degrees. Only while waiting.
    void MoveFocus(int direction);

    const CaseTable& Cases() const { return cases_; }
    const std::string& Focus() const { return focus_; }
    State GetState() const { return state_; }

private:
    // The longest case name that is a byte-wise prefix of the path of the
    // node under the cursor; empty when none.
    std::string ChoiceAtCursor() const;
    // KillFocus on the old focus, SetFocus on the new one.
    void SetFocus(const std::string& name);
    // The mouse's selection: the focus becomes name without requests; true
    // when name is a case and the statement still waited.
    bool Select(const std::string& name);
    // The keyboard's selection of the focus.
    bool SelectFocus();
    // Moves the executor into the case and tells every choice its fate.
    void Choose(const std::string& name);
    // A case with a node to take a position from: present, and no pattern.
    bool IsPresent(const std::string& name) const;
    // The nearest present case within window degrees of direction from
    // (x, y), passing over the focus; the scan ends at the first absent case
    // when stopAtAbsent is set. Empty when there is none.
    std::string Nearest(int direction, int x, int y, int window, bool stopAtAbsent) const;

    State state_ = State::kWaiting;
    CaseTable cases_;
    std::string focus_;
    CNode* root_ = nullptr;
    CScriptHost* host_ = nullptr;
    // Between Execute and Stop.
    bool listening_ = false;
};
