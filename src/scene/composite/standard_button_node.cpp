#include "scene/composite/standard_button_node.h"

#include <utility>

#include "media/sound_group.h"
#include "scene/image_node.h"
#include "scene/node_kind.h"
#include "screens/menu_opacity_fade.h"
#include "script/script_host.h"

namespace {

const char kNormal[] = "Normal";
const char kHighlight[] = "Highlight";
const char kDown[] = "Down";
const char kInvalid[] = "Invalid";

constexpr uint32_t kStateFade = 300;
constexpr uint32_t kPressFade = 500;

}  // namespace

CStandardButtonNode::CStandardButtonNode(int x, int y, int z, std::string className, std::string command,
                                         std::string normalImage, std::string highlightImage,
                                         std::string downImage, std::string invalidImage, std::string pressSound)
    : CButtonNode(x, y, z, std::move(className)),
      normalImage_(std::move(normalImage)),
      highlightImage_(std::move(highlightImage)),
      downImage_(std::move(downImage)),
      invalidImage_(std::move(invalidImage)),
      pressSound_(std::move(pressSound)),
      command_(std::move(command)) {}

CStandardButtonNode::CStandardButtonNode(const CStandardButtonNode& other)
    : CButtonNode(other),
      normalImage_(other.normalImage_),
      highlightImage_(other.highlightImage_),
      downImage_(other.downImage_),
      invalidImage_(other.invalidImage_),
      pressSound_(other.pressSound_),
      command_(other.command_) {}

void CStandardButtonNode::Reset() {
    CButtonNode::Reset();
    const struct {
        const char* name;
        const std::string& file;
        double opacity;
    } states[] = {
        {kNormal, normalImage_, 1.0},
        {kHighlight, highlightImage_, 0.0},
        {kDown, downImage_, 0.0},
        {kInvalid, invalidImage_, 0.0},
    };
    for (const auto& state : states) {
        if (state.file.empty()) continue;
        auto* image = new CImageNode(0, 0, 0, state.file, 0);
        image->Reset();
        image->SetOpacity(state.opacity);
        AddChild(state.name, image);
    }
}

CNode* CStandardButtonNode::Clone() { return new CStandardButtonNode(*this); }

int CStandardButtonNode::GetNodeKind() { return kNodeKindStandardButton; }

void CStandardButtonNode::Fade(const char* state, double target, uint32_t duration, EasingCurve easing) {
    CMenuOpacityFade fade(duration, target, easing);
    ApplyCommandAt(state, &fade);
}

void CStandardButtonNode::OnHover() {
    Fade(kDown, 0.0, kStateFade);
    Fade(kHighlight, 1.0, kStateFade);
    CButtonNode::OnHover();
}

void CStandardButtonNode::OnOutside() {
    Fade(kDown, 0.0, kStateFade);
    Fade(kHighlight, 0.0, kStateFade);
    CButtonNode::OnOutside();
}

void CStandardButtonNode::PlayPressSound() {
    if (pressSound_.empty() || !GetOwner()) return;
    CScriptHost* target = GetOwner()->GetCommandTarget();
    // A scene outside a scene host has no sound groups.
    CSoundGroup* group = target ? target->GetSESoundGroup() : nullptr;
    if (!group) return;
    group->Load(kPressSoundChannel, pressSound_);
    group->Play(kPressSoundChannel, false, 0, 0);
}

void CStandardButtonNode::OnDown() {
    PlayPressSound();
    Fade(kDown, 1.0, 0);
    Fade(kHighlight, IsHovering() ? 1.0 : 0.0, 0);
    Fade(kDown, 0.0, kPressFade, EaseAcc4);
    if (!command_.empty() && GetOwner()) {
        if (CScriptHost* target = GetOwner()->GetCommandTarget()) target->SendMessage(command_);
    }
    CButtonNode::OnDown();
}

void CStandardButtonNode::OnDisable() {
    Fade(kDown, 0.0, kStateFade);
    Fade(kHighlight, 0.0, kStateFade);
    Fade(kInvalid, 1.0, kStateFade);
    CButtonNode::OnDisable();
}

void CStandardButtonNode::OnEnable() {
    Fade(kInvalid, 0.0, kStateFade);
    CButtonNode::OnEnable();
}

void CStandardButtonNode::OnPress() {
    Fade(kDown, 1.0, 0);
    Fade(kHighlight, 0.0, 0);
    CButtonNode::OnPress();
}

void CStandardButtonNode::OnRelease() {
    Fade(kDown, 0.0, 0);
    CButtonNode::OnRelease();
}
