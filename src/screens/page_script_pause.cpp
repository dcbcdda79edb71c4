#include "screens/page_script_pause.h"

#include "scene/script_page_node.h"
#include "script/script_command_kind.h"

CPageScriptPause::CPageScriptPause(uint32_t duration) { progress_.Set(duration, nullptr); }

int CPageScriptPause::GetKind() const { return kKindPageScriptPause; }

void CPageScriptPause::Start(CScriptPageNode& page) {
    page.SetScriptEnabled(false);
    done_ = false;
}

void CPageScriptPause::Step(CScriptPageNode& page, int milliseconds) {
    progress_.Advance(static_cast<uint32_t>(milliseconds));
    if (!progress_.IsRunning()) Finish(page);
}

void CPageScriptPause::Finish(CScriptPageNode& page) {
    if (done_) return;
    page.SetScriptEnabled(true);
    done_ = true;
}

bool CPageScriptPause::IsRunning() const { return progress_.IsRunning(); }

CPageCommand* CPageScriptPause::Clone() const { return new CPageScriptPause(*this); }

unsigned CPageScriptPause::GetTimeLeft() const { return progress_.Remaining(); }
