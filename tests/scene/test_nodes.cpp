#include "test_nodes.h"

#include "graphics/rectangle_fill.h"

CRectNode::CRectNode(int x, int y, int z, int width, int height, Color32 colour, bool opaque)
    : CSceneNode(x, y, z), width_(width), height_(height), colour_(colour), opaque_(opaque) {}

void CRectNode::GetSize(int* width, int* height) {
    *width = width_;
    *height = height_;
}

void CRectNode::GetLocalRect(RECT* out) {
    *out = {0, 0, width_, height_};
    GetPlacement().MapRect(*out);
}

bool CRectNode::IsVisible(const CTransform2D& parent) {
    CTransform2D composed = parent;
    composed.Compose(GetPlacement());
    return composed.opacity > 0.001 && composed.zoomX > 0.001 && composed.zoomY > 0.001;
}

bool CRectNode::IsOpaque(const CTransform2D& parent) {
    return opaque_ && parent.opacity * GetPlacement().opacity >= 1.0;
}

void CRectNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    draws_.push_back(clip ? *clip : RECT{0, 0, 0, 0});
    if (!IsVisible(parent)) return;
    RECT area;
    GetLocalRect(&area);
    parent.MapRect(area);
    const double opacity = parent.opacity * GetPlacement().opacity;
    if (IsOpaque(parent)) {
        FillNormal(target, area.left, area.top, area.right, area.bottom, colour_ | 0xFF000000u,
                   clip);
        return;
    }
    const Color32 weight = static_cast<Color32>(opacity * (opaque_ ? 255.0 : 128.0));
    FillNormalAlpha(target, area.left, area.top, area.right, area.bottom,
                    (colour_ & 0xFFFFFFu) | weight << 24, clip);
}

bool CRectNode::HitTestSelf(double x, double y, CTransform2D parent) {
    RECT area;
    GetLocalRect(&area);
    parent.MapRect(area);
    const POINT point = {static_cast<LONG>(x), static_cast<LONG>(y)};
    return PtInRect(&area, point) != 0;
}

void CRectNode::DirtyOwnArea(CTransform2D parent, const RECT*) {
    if (!IsVisible(parent)) return;
    RECT area;
    GetLocalRect(&area);
    AddDirtyRect(area);
}

CLoggingNode::~CLoggingNode() { log_.push_back(label_ + " delete"); }

void CLoggingNode::ReceiveMessage(std::string name) {
    log_.push_back(label_ + " msg " + name);
    if (onMessage) onMessage(*this);
}

void CLoggingNode::DrawSelf(CMemorySurface&, CTransform2D, const RECT*) {
    log_.push_back(label_ + " draw");
}

void CLoggingNode::Detach() {
    log_.push_back(label_ + " detach");
    CSceneNode::Detach();
}

void CLoggingNode::Deactivate() {
    log_.push_back(label_ + " deactivate");
    CSceneNode::Deactivate();
}

void CLoggingAnimator::Step(CSceneNode&, int milliseconds) {
    log_.push_back(label_ + " step " + std::to_string(milliseconds));
    elapsed_ += static_cast<unsigned>(milliseconds);
}

CNodeAnimator* CLoggingAnimator::Clone() const {
    return new CLoggingAnimator(category_, label_, duration_, log_);
}

void CHitOffCommand::Apply(CSceneNode& node) {
    log_.push_back("apply " + std::to_string(node.GetNodeKind()));
    node.SetHitEnabled(false);
}
