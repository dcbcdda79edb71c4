#include "screens/page_opacity_fade.h"

#include "scene/script_page_node.h"
#include "script/script_command_kind.h"

CPageOpacityFade::CPageOpacityFade(uint32_t duration, double target) : to_(target) { progress_.Set(duration, nullptr); }

int CPageOpacityFade::GetKind() const { return kKindPageOpacityFade; }

void CPageOpacityFade::Start(CScriptPageNode& page) { from_ = page.GetContentOpacity(); }

void CPageOpacityFade::Step(CScriptPageNode& page, int milliseconds) {
    progress_.Advance(static_cast<uint32_t>(milliseconds));
    page.SetContentOpacity(progress_.LerpDouble(from_, to_));
}

bool CPageOpacityFade::IsRunning() const { return progress_.IsRunning(); }

CPageCommand* CPageOpacityFade::Clone() const { return new CPageOpacityFade(*this); }

unsigned CPageOpacityFade::GetTimeLeft() const { return progress_.Remaining(); }
