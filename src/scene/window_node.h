// A clipping container: an invisible width x height rectangle whose children
// are drawn, redrawn and hit-tested only inside it. It draws nothing and is
// never hit itself. With childrenFollow the window's placement also places
// its children (a window that carries its content); without, it places only
// the rectangle (a viewport over content positioned in the parent's space).
#pragma once

#include "scene/scene_node.h"

class CWindowNode : public CSceneNode {
public:
    // A negative width or height is an "Internal Error" (2039-19, 2039-20).
    CWindowNode(int x, int y, int z, int width, int height, bool childrenFollow);
    CWindowNode(const CWindowNode& other);
    bool ChildrenFollow() const { return childrenFollow_; }

    CNode* Clone() override;
    // The children, clipped to the window's rectangle on the screen.
    void Draw(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    void GetSize(int* width, int* height) override;
    // The window's rectangle: (0, 0, width, height) mapped by the own
    // placement, whatever childrenFollow says.
    void GetLocalRect(RECT* out) override;
    // The own placement with childrenFollow, else the identity.
    CTransform2D* GetTransform(CTransform2D* out) override;
    int GetNodeKind() override;
    // Only a child inside the window's rectangle can be hit.
    bool HitTestPath(double x, double y, CTransform2D parent, std::string* path) override;
    // The children cull inside the window's rectangle; the window takes
    // nothing from what lies beneath it.
    void CullOccluded(CTransform2D parent, std::vector<RECT>* pending, const RECT* clip) override;
    // The window's own areas as any node's; the children's cut to the
    // window, so the old areas they leave lie inside it too.
    void SubmitDirtyRects(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip) override;

private:
    // The window's rectangle on the screen under the parent transform, cut
    // by the clip when there is one (possibly empty).
    RECT ScreenRect(const CTransform2D& parent, const RECT* clip);

    int width_;
    int height_;
    bool childrenFollow_;
};
