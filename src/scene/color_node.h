// A filled rectangle of one colour, width x height pixels at the node's
// placement, drawn in one of six blend modes with the placement's opacity.
// Every scene's canvas is a white 800 x 600 one in mode Normal; scripts make
// them with "CreateColor" and "CreateColorEx". A screen transition that a
// script attaches ("DrawEffect") takes over the drawing while the node is
// neither turned nor zoomed.
#pragma once

#include "graphics/color32.h"
#include "scene/scene_node.h"
#include "scene/transition_slot.h"

// The colour node's mode numbers: the blend mode's number minus one. Any
// other value draws nothing.
enum ColorBlendMode : int {
    kColorBlendNormal = 0,
    kColorBlendAdd = 1,
    kColorBlendSub = 2,
    kColorBlendMultiply = 3,
    kColorBlendScreen = 4,
    kColorBlendOverlay = 5,
};

class CColorNode : public CSceneNode {
public:
    // Only the low 24 bits of the colour are kept: translucency comes from
    // the node's opacity alone.
    CColorNode(int x, int y, int z, int width, int height, Color32 color, int blendMode);
    // The node's own state (size, colour, mode and the scene-node part),
    // without children or animators.
    CColorNode(const CColorNode& other);

    // Stops and deletes the transition.
    ~CColorNode() override;

    // Clears the node, then stops and deletes the transition.
    void Clear() override;
    CNode* Clone() override;
    // Animators and children, then the transition (held still while the own
    // placement is turned or zoomed).
    void Update(int milliseconds) override;
    // A transition command replaces the attached transition with a started
    // clone of itself; other commands go to the scene node.
    void ApplyCommand(CScriptCommand* command) override;
    // The scene node's answer, or for "any" and the effect selector a
    // running transition on an untransformed own placement.
    bool IsAnimating(AnimatorSelector which) override;
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    // Through the transition when one is attached and the composed placement
    // is untransformed: the colour with the opacity byte in its top byte and
    // the fill code of the mode. Otherwise the transformed fill of the mode
    // at the composed placement.
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    void GetSize(int* width, int* height) override;
    // (0, 0, width, height) mapped by the node's own placement.
    void GetLocalRect(RECT* out) override;
    void GetDrawnRect(const CTransform2D& parent, RECT* out) override;
    int GetNodeKind() override;
    // Composed opacity and zooms above 0.001.
    bool IsVisible(const CTransform2D& parent) override;
    // Unturned at full opacity, and in a mode whose result does not depend on
    // what lies below: Normal, or Add and Sub of white (which fill white and
    // black); with a transition, only on its road while it shows the
    // rectangle untouched.
    bool IsOpaque(const CTransform2D& parent) override;
    // The point (in the root's parent's coordinates) lies inside the
    // rectangle, right and bottom edges excluded; never while the hit test is
    // off or the node is invisible.
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;
    Color32 GetColor() const { return color_; }
    int GetBlendMode() const { return blendMode_; }

private:
    int width_;
    int height_;
    Color32 color_;
    int blendMode_;
    CTransitionSlot transition_;
};
