// A border around a width x height rectangle whose top-left corner is the
// node's origin. It draws nothing itself: when it enters a tree it builds
// children named "Up", "Bottom", "Left" and "Right" (two of them for some
// styles), colour rectangles for Vivide and pictures computed pixel by pixel
// for the others, all at the opacity of the colour's alpha byte. From then
// on they are ordinary children; the border never changes.
#pragma once

#include <memory>

#include "graphics/color32.h"
#include "scene/composite/outline_style.h"
#include "scene/scene_node.h"

class CNode;

class COutlineNode : public CSceneNode {
public:
    // Stores the border; builds nothing (Reset does).
    COutlineNode(int x, int y, int z, int width, int height, int style, Color32 color, int thickness);

    // Resets the node, then builds the style's children. A colour whose
    // alpha is 0, a thickness of 0 or less and an empty rectangle build
    // none; so does None. A style without a builder is an "Internal Error"
    // (2020-64).
    void Reset() override;
    // The border's fields without children: the clone builds its own.
    CNode* Clone() override;
    int GetNodeKind() override;

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    Color32 GetColor() const { return color_; }
    int GetThickness() const { return thickness_; }
    int GetStyle() const { return style_; }

protected:
    COutlineNode(const COutlineNode& other);

private:
    void BuildChildren();
    // Sets the border's opacity on the child and adds it under the name;
    // the child, or null when it could not be added.
    template <class Node>
    Node* AddBand(const char* name, std::unique_ptr<Node> child);

    int width_;
    int height_;
    Color32 color_;
    int thickness_;
    int style_;
};
