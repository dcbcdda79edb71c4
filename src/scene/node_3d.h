// A LightWave object in the scene. Reset loads the object file into a mesh
// that the node's software renderer projects and fills; the projection sits
// at the node's on-screen position, the node's 2D rotation turns the camera
// about the viewing axis and its opacity fades the triangles, while its zoom
// leaves the picture alone. The three 3D actions ("Move3D", "Rotate3D",
// "Zoom3D") move, turn and scale the object in space over time, one of each
// at a time. Scripts make it with "Create3D".
#pragma once

#include <memory>
#include <string>

#include "scene/3d/mesh_actions.h"
#include "scene/3d/mesh_renderer.h"
#include "scene/scene_node.h"

class CNode3D : public CSceneNode {
public:
    // Nothing is loaded until Reset.
    CNode3D(int x, int y, int z, std::string file);
    ~CNode3D() override;

    // Loads the object and readies the renderer. An object that cannot be
    // read, or holds more points or triangles than the renderer's capacity,
    // shows nothing, without an error.
    void Reset() override;
    // Frees the renderer's buffers and mesh and deletes the actions.
    void Clear() override;
    // The file name and the scene-node state; an empty renderer, no actions.
    CNode* Clone() override;
    // The animators and children, then each 3D action, deleted after its
    // last step.
    void Update(int milliseconds) override;
    // While the node is dirty: the camera turned by the composed rotation
    // and the object projected at the composed position.
    void UpdateTransform(CTransform2D parent) override;
    // The projection with the composed opacity.
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // A 3D action replaces the running one of its category, started and
    // stepped by 0; other commands go to the scene node.
    void ApplyCommand(CScriptCommand* command) override;
    // The size of the projected area.
    void GetSize(int* width, int* height) override;
    // The projected area at the node's position, one pixel wider on every
    // side for the truncation of the projection origin.
    void GetLocalRect(RECT* out) override;
    void GetDrawnRect(const CTransform2D& parent, RECT* out) override;
    int GetNodeKind() override;
    bool IsVisible(const CTransform2D& parent) override;
    bool IsOpaque(const CTransform2D& parent) override;
    bool IsAnimating(AnimatorSelector which) override;
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    // The area (0, 0, width, height) from the node's origin, as the colour
    // node tests it.
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    const std::string& GetFile() const { return file_; }
    // The loaded object; null before Reset.
    CMesh* GetMesh() const { return renderer_.GetMesh(); }
    const CMeshRenderer& GetRenderer() const { return renderer_; }
    // The running action of a category (8, 9 or 10), or null.
    const CMeshAction* GetAction(int category) const;

private:
    CNode3D(const CNode3D& other);
    std::unique_ptr<CMeshAction>* ActionFor(int category);
    static bool Runs(const std::unique_ptr<CMeshAction>& action);

    std::string file_;
    CMeshRenderer renderer_;
    // The screen point of the last projection, which the renderer's dirty
    // rectangle is relative to.
    POINT origin_ = {0, 0};
    std::unique_ptr<CMeshAction> positionAction_;
    std::unique_ptr<CMeshAction> zoomAction_;
    std::unique_ptr<CMeshAction> rotationAction_;
};
