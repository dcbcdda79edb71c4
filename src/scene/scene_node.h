// The concrete node that scripts handle: a group that draws nothing itself,
// with the defaults every node kind starts from, and the four animators
// through which scripts move, zoom, fade and turn a node over time. Each
// animator is the node's own clone of the command the script handed over.
#pragma once

#include <memory>
#include <string>

#include "scene/node.h"
#include "script/node_animator.h"

class CSceneNode : public CNode {
public:
    CSceneNode(int x, int y, int z);
    // Deletes the animators and the children.
    ~CSceneNode() override;

    void Reset() override;
    // Deletes the animators (position, zoom, opacity, rotation), then clears
    // the node.
    void Clear() override;
    void Detach() override;
    // A copy of this node's own state, without children or animators.
    CNode* Clone() override;
    void PurgeRemoved() override;
    // Steps the animators (position, zoom, opacity, rotation), deleting each
    // after its last step, then updates the children.
    void Update(int milliseconds) override;
    void UpdateTransform(CTransform2D parent) override;
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    void ReceiveMessage(std::string name) override;
    // A node command acts at once; an animator replaces the running one of
    // its kind and is started and stepped by 0, so its starting value shows
    // in the same frame; other commands are ignored.
    void ApplyCommand(CScriptCommand* command) override;
    void GetSize(int* width, int* height) override;
    void GetLocalRect(RECT* out) override;
    int GetNodeKind() override;
    bool IsVisible(const CTransform2D& parent) override;
    bool IsOpaque(const CTransform2D& parent) override;
    // Whether a child, or a selected animator of this node, still runs.
    bool IsAnimating(AnimatorSelector which) override;
    // The longest time left among the children and the selected animators.
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

protected:
    // The node state of the original; no children and no animators.
    CSceneNode(const CSceneNode& other);

private:
    // The animator slot a command category fills; null for other categories.
    std::unique_ptr<CNodeAnimator>* AnimatorFor(int category);
    // The slot's animator exists and still runs.
    static bool Runs(const std::unique_ptr<CNodeAnimator>& animator);

    std::unique_ptr<CNodeAnimator> zoomAnimator_;
    std::unique_ptr<CNodeAnimator> positionAnimator_;
    std::unique_ptr<CNodeAnimator> opacityAnimator_;
    std::unique_ptr<CNodeAnimator> rotationAnimator_;
};
