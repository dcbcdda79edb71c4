// "WaitAction", "WaitMove", "WaitZoom", "WaitRotate", "WaitOpaque" and
// "WaitEffect": the script waits until the selected animations of every
// node the path reaches have ended. A known time left goes onto the
// executor's wait counter, so the script resumes in the very millisecond
// the animation ends (and checks again then, for animations started
// meanwhile); an animation without an end switches the script off until
// no node reports it any more.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "scene/node_kind.h"
#include "script/script_statement.h"

class CWaitActionStatement : public CScriptStatement {
public:
    CWaitActionStatement(std::string path, AnimatorSelector selector)
        : path_(std::move(path)), selector_(selector) {}
    int GetKind() const override;  // kKindWaitAction
    // Keeps the host and looks at the nodes at once.
    void Execute(CScriptHost* host) override;
    void Update(int ms) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    bool IsInstant() const override;

    const std::string& Path() const { return path_; }
    AnimatorSelector Selector() const { return selector_; }

private:
    std::string path_;
    AnimatorSelector selector_;
    CScriptHost* host_ = nullptr;
    // This wait switched the script off for an endless animation.
    bool disabledScript_ = false;
};
