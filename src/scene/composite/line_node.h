// A line through the origins of its children, its vertices: moving them with
// the ordinary move commands bends the line. Drawn opaque in one colour; the
// node's opacity only decides whether it shows at all.
#pragma once

#include <windows.h>

#include <vector>

#include "graphics/color32.h"
#include "scene/scene_node.h"

// How the vertices are joined; any other value draws as an open polyline.
enum LineStyle : int {
    kLineOpen = 0,       // first to second, second to third, ...
    kLineClosed = 1,     // the same and the last back to the first
    kLineSegments = 2,   // first to second, third to fourth, ...
};

class CLineNode : public CSceneNode {
public:
    // Only the low 24 bits of the colour are kept.
    CLineNode(int x, int y, int z, int style, Color32 color);

    CNode* Clone() override;
    // The animators and children, then dirty when a vertex is.
    void Update(int milliseconds) override;
    // Nothing with fewer than two vertices.
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    void GetSize(int* width, int* height) override;
    // Each vertex's place under the own placement, grown by the pixels its
    // drawing can reach around it.
    void GetLocalRect(RECT* out) override;
    // The pixels the drawing joins on the screen, each grown by the
    // neighbour a sloped line blends: the vertices are placed by the parent
    // composed with the own placement and each vertex's, so under a parent
    // zoomed down the local margin would shrink below a pixel.
    void GetDrawnRect(const CTransform2D& parent, RECT* out) override;
    int GetNodeKind() override;
    bool IsVisible(const CTransform2D& parent) override;
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    int GetStyle() const { return style_; }
    Color32 GetColor() const { return color_; }

protected:
    CLineNode(const CLineNode& other);

private:
    // The vertices' pixels under the placement in drawing order, as the
    // drawing truncates them; none with fewer than two vertices.
    std::vector<POINT> JoinedPoints(const CTransform2D& placement) const;

    int style_;
    Color32 color_;
};
