// A fade of a script page's content: the opacity inside the page goes from
// its value at the start to the target over the duration, whatever the
// page's own placement does meanwhile.
#pragma once

#include <cstdint>

#include "platform/progress_counter.h"
#include "scene/page_command.h"

class CPageOpacityFade : public CPageCommand {
public:
    CPageOpacityFade(uint32_t duration, double target);

    int GetKind() const override;  // kKindPageOpacityFade
    void Start(CScriptPageNode& page) override;
    // Redraws the page only when the value changes.
    void Step(CScriptPageNode& page, int milliseconds) override;
    bool IsRunning() const override;
    CPageCommand* Clone() const override;
    unsigned GetTimeLeft() const override;

private:
    double from_ = 0;
    double to_;
    CProgressCounter progress_;
};
