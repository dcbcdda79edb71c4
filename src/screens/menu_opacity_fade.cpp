#include "screens/menu_opacity_fade.h"

#include "scene/scene_node.h"
#include "script/script_command_kind.h"

CMenuOpacityFade::CMenuOpacityFade(uint32_t duration, double target, EasingCurve easing) : to_(target) {
    progress_.Set(duration, easing);
}

int CMenuOpacityFade::GetCategory() const { return kCategoryOpacityAnimator; }

int CMenuOpacityFade::GetKind() const { return kKindMenuOpacityFade; }

void CMenuOpacityFade::Start(CSceneNode& node) { node.GetOpacity(&from_); }

void CMenuOpacityFade::Step(CSceneNode& node, int milliseconds) {
    progress_.Advance(static_cast<uint32_t>(milliseconds));
    node.SetOpacity(progress_.LerpDouble(from_, to_));
}

bool CMenuOpacityFade::IsRunning() const { return progress_.IsRunning(); }

CNodeAnimator* CMenuOpacityFade::Clone() const { return new CMenuOpacityFade(*this); }

unsigned CMenuOpacityFade::GetTimeLeft() const { return progress_.Remaining(); }
