// Shows its children through a mask picture: they are drawn off screen into
// a work picture, the mask's blue byte becomes the work picture's alpha
// (white shows, black hides, greys blend) and the result is drawn at the
// mask's placement. With childrenFollow the children move, zoom and turn
// with the mask; without, they keep their places in the mask's parent and
// the mask moves over them like a window.
#pragma once

#include <string>

#include "graphics/memory_surface.h"
#include "scene/scene_node.h"
#include "scene/transition_slot.h"

class CMaskNode : public CSceneNode {
public:
    CMaskNode(int x, int y, int z, std::string file, bool childrenFollow);
    // Stops and deletes the transition.
    ~CMaskNode() override;

    // Loads the mask picture from the file ("Graphic Error" 2017-46) and
    // makes the work picture of its size (2017-55).
    void Reset() override;
    // Destroys both pictures and the transition, then clears the node.
    void Clear() override;
    // The file name and the follow flag; no pictures, no transition.
    CNode* Clone() override;
    // The animators and children, the transition whatever the placement;
    // a changed child, or a changed node below one, has the composition
    // made again.
    void Update(int milliseconds) override;
    // Composes the work picture when a child changed, then draws it with
    // its alpha, through the transition while the placement is untransformed.
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // The children show only through the work picture.
    void Draw(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // A transition command attaches a started clone; the rest as any node.
    void ApplyCommand(CScriptCommand* command) override;
    void GetSize(int* width, int* height) override;
    // The mask picture's rectangle under the own placement, or the
    // transition's bounds of the work picture.
    void GetLocalRect(RECT* out) override;
    void GetDrawnRect(const CTransform2D& parent, RECT* out) override;
    // The own placement when the children follow, else the identity.
    CTransform2D* GetTransform(CTransform2D* out) override;
    int GetNodeKind() override;
    bool IsVisible(const CTransform2D& parent) override;
    bool IsOpaque(const CTransform2D& parent) override;
    // The scene node's answer, or for "any" and the effect selector a
    // running transition whatever the placement.
    bool IsAnimating(AnimatorSelector which) override;
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    // Only a child inside the mask's rectangle can be hit.
    bool HitTestPath(double x, double y, CTransform2D parent, std::string* path) override;
    // The mask alone takes its pieces: the children never draw on screen.
    void CullOccluded(CTransform2D parent, std::vector<RECT>* pending, const RECT* clip) override;
    void DrawRects(CMemorySurface& target, CTransform2D parent) override;
    // The children are seen only through the mask: what they submit is cut
    // to the mask's drawn area, and so is what they leave when removed.
    void SubmitDirtyRects(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;
    // A removed child leaves the composition: it is made again.
    void RemoveChildAt(ChildMap::iterator position) override;

    const std::string& GetFileName() const { return file_; }
    bool ChildrenFollow() const { return childrenFollow_; }
    const CMemorySurface& GetWorkPicture() const { return work_; }

protected:
    CMaskNode(const CMaskNode& other);

private:
    // The children drawn into the cleared work picture, the mask as alpha.
    void Compose();

    std::string file_;
    bool childrenFollow_;
    CMemorySurface mask_;
    CMemorySurface work_;
    bool composed_ = false;
    CTransitionSlot transition_;
};
