// A picture with a clipped content area and a border. When it enters a tree
// it loads its picture and adds a window named "Window" exactly over it,
// which carries its content (scripts place nodes under "Window/..."), and
// an outline named "Outline" around it, both at z 0: the picture lies
// below the content and the border above it.
#pragma once

#include <string>

#include "graphics/color32.h"
#include "scene/image_node.h"

class CFrameNode : public CImageNode {
public:
    // Loads nothing; the border is kept for Reset.
    CFrameNode(int x, int y, int z, std::string file, int style, Color32 color, int thickness);

    // Resets the image (loading the picture), then adds "Window" and
    // "Outline" of the picture's size, each reset before it is added.
    void Reset() override;
    // The image part and the border without children: the clone builds its
    // own.
    CNode* Clone() override;
    int GetNodeKind() override;

    int GetStyle() const { return style_; }
    Color32 GetColor() const { return color_; }
    int GetThickness() const { return thickness_; }

protected:
    CFrameNode(const CFrameNode& other);

private:
    Color32 color_;
    int thickness_;
    int style_;
};
