// An invisible width x height rectangle that only answers hit tests, so a
// script can tell whether the mouse is over an area without drawing it.
#pragma once

#include "scene/scene_node.h"

class CHitNode : public CSceneNode {
public:
    CHitNode(int x, int y, int z, int width, int height);

    CNode* Clone() override;
    int GetNodeKind() override;
    // Inside the placed rectangle (right and bottom edges excluded) while
    // hit tests are enabled, whatever the visibility and the opacity.
    bool HitTestSelf(double x, double y, CTransform2D parent) override;

    // The hit rectangle's size (GetSize answers 0 x 0: nothing is drawn).
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }

protected:
    CHitNode(const CHitNode& other);

private:
    int width_;
    int height_;
};
