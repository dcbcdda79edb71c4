#include "scene/node_3d.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "scene/drawn_node_rules.h"
#include "scene/3d/lwo_reader.h"
#include "scene/rect_math.h"
#include "scene/3d/sine_table.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr uint32_t kLightColour = 0xC0C0C0;
const CVector3 kCameraPosition(0, 0, -2);
// The projection origin is kept far inside int range, so the dirty
// rectangle relative to it cannot overflow.
constexpr double kOriginLimit = 1 << 24;

int OriginCoordinate(double value) {
    if (!(value > -kOriginLimit)) return static_cast<int>(-kOriginLimit);
    if (!(value < kOriginLimit)) return static_cast<int>(kOriginLimit);
    return static_cast<int>(value);
}

}  // namespace

CNode3D::CNode3D(int x, int y, int z, std::string file) : CSceneNode(x, y, z), file_(std::move(file)) {}

CNode3D::CNode3D(const CNode3D& other) : CSceneNode(other), file_(other.file_) {}

CNode3D::~CNode3D() { CNode3D::Clear(); }

void CNode3D::Reset() {
    Clear();
    BuildSineTable();
    auto mesh = std::make_unique<CMesh>();
    CLwoReader(mesh.get()).Load(file_);
    if (mesh->PointCount() > CMeshRenderer::kCapacity || mesh->PolygonCount() > CMeshRenderer::kCapacity) {
        mesh = std::make_unique<CMesh>();
    }
    renderer_.AllocateBuffers(CMeshRenderer::kCapacity);
    renderer_.SetCamera(kCameraPosition, CVector3());
    mesh->Position() = CVector3(0, 0, 0);
    mesh->Scale() = CVector3(1, 1, 1);
    renderer_.SetMesh(std::move(mesh));
    renderer_.SetLightColour(kLightColour);
    CSceneNode::Reset();
}

void CNode3D::Clear() {
    renderer_.FreeBuffers();
    positionAction_.reset();
    zoomAction_.reset();
    rotationAction_.reset();
    CSceneNode::Clear();
}

CNode* CNode3D::Clone() { return new CNode3D(*this); }

void CNode3D::Update(int milliseconds) {
    CSceneNode::Update(milliseconds);
    for (std::unique_ptr<CMeshAction>* slot : {&positionAction_, &zoomAction_, &rotationAction_}) {
        if (!*slot) continue;
        (*slot)->Step(*this, milliseconds);
        if (!(*slot)->IsRunning()) slot->reset();
    }
}

void CNode3D::UpdateTransform(CTransform2D parent) {
    if (GetDirtyFlag()) {
        const CTransform2D t = ComposedPlacement(*this, parent);
        renderer_.SetCamera(kCameraPosition, CVector3(0, 0, static_cast<float>(t.rotation * kRadiansPerDegree)));
        renderer_.ResetFrame();
        origin_ = {OriginCoordinate(t.x), OriginCoordinate(t.y)};
        renderer_.Project(origin_.x, origin_.y);
    }
    CSceneNode::UpdateTransform(parent);
}

void CNode3D::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    const double opacity = ComposedPlacement(*this, parent).opacity * 255.0;
    renderer_.SetOpacity(opacity > 0 ? static_cast<int>(std::min(opacity, 255.0)) : 0);
    renderer_.Draw(target, clip);
}

std::unique_ptr<CMeshAction>* CNode3D::ActionFor(int category) {
    switch (category) {
        case kCategoryMove3D: return &positionAction_;
        case kCategoryZoom3D: return &zoomAction_;
        case kCategoryRotate3D: return &rotationAction_;
        default: return nullptr;
    }
}

const CMeshAction* CNode3D::GetAction(int category) const {
    switch (category) {
        case kCategoryMove3D: return positionAction_.get();
        case kCategoryZoom3D: return zoomAction_.get();
        case kCategoryRotate3D: return rotationAction_.get();
        default: return nullptr;
    }
}

void CNode3D::ApplyCommand(CScriptCommand* command) {
    std::unique_ptr<CMeshAction>* slot = ActionFor(command->GetCategory());
    if (!slot) {
        CSceneNode::ApplyCommand(command);
        return;
    }
    slot->reset();
    slot->reset(static_cast<CMeshAction*>(command)->Clone());
    (*slot)->Start(*this);
    (*slot)->Step(*this, 0);
}

void CNode3D::GetSize(int* width, int* height) {
    const RECT& r = renderer_.GetDirtyRect();
    *width = r.right - r.left;
    *height = r.bottom - r.top;
}

void CNode3D::GetLocalRect(RECT* out) {
    const RECT& r = renderer_.GetDirtyRect();
    if (IsEmptyRect(r)) {
        *out = EmptyRect();
        return;
    }
    const CTransform2D& placement = GetPlacement();
    const int x = OriginCoordinate(placement.x);
    const int y = OriginCoordinate(placement.y);
    *out = RECT{r.left + x - 1, r.top + y - 1, r.right + x + 1, r.bottom + y + 1};
}

// The projection already holds the parent's place and turn and no zoom: the
// drawn area is the projected one where it was projected, one pixel wider
// all round for the edges the triangles' spans reach.
void CNode3D::GetDrawnRect(const CTransform2D&, RECT* out) {
    const RECT& r = renderer_.GetDirtyRect();
    if (IsEmptyRect(r)) {
        *out = EmptyRect();
        return;
    }
    *out = RECT{r.left + origin_.x - 1, r.top + origin_.y - 1, r.right + origin_.x + 1, r.bottom + origin_.y + 1};
}

int CNode3D::GetNodeKind() { return kNodeKind3D; }

bool CNode3D::IsVisible(const CTransform2D& parent) { return IsDrawnVisible(*this, parent); }

bool CNode3D::IsOpaque(const CTransform2D&) { return false; }

bool CNode3D::Runs(const std::unique_ptr<CMeshAction>& action) { return action && action->IsRunning(); }

bool CNode3D::IsAnimating(AnimatorSelector which) {
    if (CSceneNode::IsAnimating(which)) return true;
    switch (which) {
        case kAnimatorAny: return Runs(positionAction_) || Runs(zoomAction_) || Runs(rotationAction_);
        case kAnimatorPosition: return Runs(positionAction_);
        case kAnimatorZoom: return Runs(zoomAction_);
        case kAnimatorRotation: return Runs(rotationAction_);
        default: return false;
    }
}

unsigned CNode3D::GetAnimationTimeLeft(AnimatorSelector which) {
    unsigned longest = CSceneNode::GetAnimationTimeLeft(which);
    const std::unique_ptr<CMeshAction>* selected[3] = {};
    switch (which) {
        case kAnimatorAny:
            selected[0] = &positionAction_;
            selected[1] = &zoomAction_;
            selected[2] = &rotationAction_;
            break;
        case kAnimatorPosition: selected[0] = &positionAction_; break;
        case kAnimatorZoom: selected[0] = &zoomAction_; break;
        case kAnimatorRotation: selected[0] = &rotationAction_; break;
        default: break;
    }
    for (const std::unique_ptr<CMeshAction>* slot : selected) {
        if (slot && *slot) longest = std::max(longest, (*slot)->GetTimeLeft());
    }
    return longest;
}

bool CNode3D::HitTestSelf(double x, double y, CTransform2D parent) {
    if (!IsHitEnabled() || !IsVisible(parent)) return false;
    int width = 0, height = 0;
    GetSize(&width, &height);
    ComposedPlacement(*this, parent).InverseMapPoint(x, y);
    return x >= 0 && x < width && y >= 0 && y < height;
}

void CNode3D::DirtyOwnArea(CTransform2D parent, const RECT*) {
    RECT area;
    GetDrawnRect(parent, &area);
    AddDrawnRect(area);
}
