// A timed pause of a script page's script: the script is switched off when
// the pause starts and on again when its time is up, or earlier when the
// page finishes the pause.
#pragma once

#include <cstdint>

#include "platform/progress_counter.h"
#include "scene/page_command.h"

class CPageScriptPause : public CPageCommand {
public:
    explicit CPageScriptPause(uint32_t duration);

    int GetKind() const override;  // kKindPageScriptPause
    void Start(CScriptPageNode& page) override;
    void Step(CScriptPageNode& page, int milliseconds) override;
    // Switches the script on unless that was done.
    void Finish(CScriptPageNode& page) override;
    bool IsRunning() const override;
    CPageCommand* Clone() const override;
    unsigned GetTimeLeft() const override;

private:
    CProgressCounter progress_;
    bool done_ = false;
};
