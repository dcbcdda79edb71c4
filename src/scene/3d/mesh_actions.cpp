#include "scene/3d/mesh_actions.h"

#include "scene/3d/mesh.h"
#include "scene/node_3d.h"
#include "script/script_command_kind.h"

CMeshAction::CMeshAction(double x, double y, double z, int32_t duration, EasingCurve easing) : to_{x, y, z} {
    counter_.Set(duration < 0 ? 0u : static_cast<uint32_t>(duration), easing);
}

void CMeshAction::Start(CNode3D& node) {
    if (const CVector3* triple = Triple(node)) {
        from_[0] = triple->x;
        from_[1] = triple->y;
        from_[2] = triple->z;
    }
}

void CMeshAction::Step(CNode3D& node, int milliseconds) {
    counter_.Advance(milliseconds < 0 ? 0u : static_cast<uint32_t>(milliseconds));
    CVector3* triple = Triple(node);
    if (!triple) return;
    triple->x = static_cast<float>(counter_.LerpDouble(from_[0], to_[0]));
    triple->y = static_cast<float>(counter_.LerpDouble(from_[1], to_[1]));
    triple->z = static_cast<float>(counter_.LerpDouble(from_[2], to_[2]));
    node.InvalidateAll();
}

int CMove3DAnimator::GetCategory() const { return kCategoryMove3D; }
int CMove3DAnimator::GetKind() const { return kKindMove3D; }
CVector3* CMove3DAnimator::Triple(CNode3D& node) const {
    CMesh* mesh = node.GetMesh();
    return mesh ? &mesh->Position() : nullptr;
}

int CRotate3DAnimator::GetCategory() const { return kCategoryRotate3D; }
int CRotate3DAnimator::GetKind() const { return kKindRotate3D; }
CVector3* CRotate3DAnimator::Triple(CNode3D& node) const {
    CMesh* mesh = node.GetMesh();
    return mesh ? &mesh->Rotation() : nullptr;
}

int CZoom3DAnimator::GetCategory() const { return kCategoryZoom3D; }
int CZoom3DAnimator::GetKind() const { return kKindZoom3D; }
CVector3* CZoom3DAnimator::Triple(CNode3D& node) const {
    CMesh* mesh = node.GetMesh();
    return mesh ? &mesh->Scale() : nullptr;
}
