#include "scene/effect_node.h"

#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "scene/drawn_node_rules.h"
#include "scene/effects/effect_painter_factory.h"
#include "scene/rect_math.h"
#include "script/script_host.h"

namespace {

constexpr int kNoPainterPlace = 68;

}  // namespace

CEffectNode::CEffectNode(int x, int y, int z, int width, int height, int kind)
    : CSceneNode(x, y, z), kind_(kind), width_(width), height_(height) {}

CEffectNode::CEffectNode(const CEffectNode& other)
    : CSceneNode(other), CMessageListener(), kind_(other.kind_), width_(other.width_),
      height_(other.height_) {}

CEffectNode::~CEffectNode() {
    painter_.reset();
    StopListening();
}

void CEffectNode::StopListening() {
    if (listeningTo_) listeningTo_->RemoveMessageListener(this);
    listeningTo_ = nullptr;
}

void CEffectNode::Reset() {
    std::unique_ptr<CEffectPainter> painter = MakeEffectPainter(kind_, width_, height_);
    if (!painter) ErrorReport(ErrorKind::Internal, kModuleEffectNode, kNoPainterPlace);
    painter_ = std::move(painter);
    painter_->Load();
    running_ = 1;
    if (!listeningTo_) {
        listeningTo_ = GetOwner();
        if (listeningTo_) listeningTo_->AddMessageListener(this);
    }
    CSceneNode::Reset();
}

void CEffectNode::Clear() {
    painter_.reset();
    StopListening();
    CSceneNode::Clear();
}

void CEffectNode::Detach() {
    StopListening();
    CSceneNode::Detach();
}

CNode* CEffectNode::Clone() { return new CEffectNode(*this); }

void CEffectNode::Update(int milliseconds) {
    if (running_ && painter_ && GetConfig().IsUseEffect()) {
        painter_->Update(milliseconds);
        if (painter_->IsAnimated()) SetDirty();
    }
    CSceneNode::Update(milliseconds);
}

void CEffectNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    if (!painter_ || !GetConfig().IsUseEffect() || !IsVisible(parent)) return;
    RECT area;
    GetLocalRect(&area);
    parent.MapRect(area);
    if (clip) area = IntersectRects(area, *clip);
    if (IsEmptyRect(area)) return;
    painter_->Draw(ComposedPlacement(*this, parent), target, &area);
}

void CEffectNode::ReceiveMessage(std::string name) {
    if (name == "Stop") running_ = 0;
    else if (name == "Start") running_ = 1;
    CSceneNode::ReceiveMessage(std::move(name));
}

void CEffectNode::GetSize(int* width, int* height) {
    *width = width_;
    *height = height_;
}

void CEffectNode::GetLocalRect(RECT* out) { *out = PlacedRect(GetPlacement(), width_, height_); }

int CEffectNode::GetNodeKind() { return kNodeKindEffect; }

bool CEffectNode::IsVisible(const CTransform2D& parent) { return IsDrawnVisible(*this, parent); }

bool CEffectNode::IsOpaque(const CTransform2D&) { return false; }

bool CEffectNode::HitTestSelf(double x, double y, CTransform2D parent) {
    if (!IsHitEnabled() || !IsVisible(parent)) return false;
    ComposedPlacement(*this, parent).InverseMapPoint(x, y);
    return x >= 0 && x < width_ && y >= 0 && y < height_;
}

void CEffectNode::DirtyOwnArea(CTransform2D parent, const RECT*) { DirtyVisibleArea(*this, parent); }

int CEffectNode::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == kSettingChangedMessage && wParam == static_cast<WPARAM>(kSettingUseEffect)) {
        SetDirty();
    }
    return 0;
}
