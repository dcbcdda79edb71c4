// The common base of the picture kinds (image, animation, movie): it draws,
// measures, hit-tests and reasons about the opacity of a picture that the
// kind supplies (GetSurface), optionally cut to a rectangle of it
// (GetSourceRect), at the node's placement in one of six draw modes. A
// screen transition that a script attaches ("DrawEffect") takes over the
// drawing while the node is neither turned nor zoomed.
#pragma once

#include "scene/scene_node.h"
#include "scene/transition_slot.h"

class CMemorySurface;

// The draw-mode numbers of the picture kinds. They equal the blend-mode
// numbers from Add on, but Normal is 0 here; every value other than 2 to 6
// draws as Normal.
enum PictureDrawMode : int {
    kPictureDrawNormal = 0,
    kPictureDrawAdd = 2,
    kPictureDrawSub = 3,
    kPictureDrawMultiply = 4,
    kPictureDrawScreen = 5,
    kPictureDrawOverlay = 6,
};

class CPictureNode : public CSceneNode {
public:
    // Stops and deletes the transition.
    ~CPictureNode() override;

    // Stops and deletes the transition, then clears the node.
    void Clear() override;
    // Steps the transition (held still while the own placement is turned or
    // zoomed), then the animators and children.
    void Update(int milliseconds) override;
    // A transition command replaces the attached transition with a started
    // clone of itself; other commands go to the scene node.
    void ApplyCommand(CScriptCommand* command) override;
    // The scene node's answer, or for "any" and the effect selector a
    // running transition on an untransformed own placement.
    bool IsAnimating(AnimatorSelector which) override;
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;

    // Through the transition when one is attached and the composed placement
    // is untransformed: the whole picture at the opacity byte with the draw
    // code of the mode, its alpha and its opacity. Otherwise the transformed draw of the mode at the composed placement, weighted by
    // the picture's alpha when it has one; nothing without a picture.
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // The source rectangle's size, else the picture's, else 0 x 0.
    void GetSize(int* width, int* height) override;
    // (0, 0, width, height) mapped by the own placement, united with the
    // transition's bounds when one is attached; empty without a picture.
    void GetLocalRect(RECT* out) override;
    void GetDrawnRect(const CTransform2D& parent, RECT* out) override;
    // Composed opacity and zooms above 0.001.
    bool IsVisible(const CTransform2D& parent) override;
    // Unturned, at an opacity of 0.999 or more, with a picture without alpha
    // drawn in mode Normal, and on the transition's road only while the
    // transition shows the picture untouched.
    bool IsOpaque(const CTransform2D& parent) override;
    // Inside the placed rectangle (right and bottom edges excluded); on a
    // picture with alpha, only where the pixel's alpha times the composed
    // opacity is above 128.
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    // The picture the kind shows, null when it has none.
    virtual CMemorySurface* GetSurface() = 0;
    // The part of the picture that is shown, null for all of it.
    virtual const RECT* GetSourceRect() = 0;

    int GetDrawMode() const { return drawMode_; }

protected:
    CPictureNode(int x, int y, int z, int drawMode);
    // The scene-node part and the draw mode.
    CPictureNode(const CPictureNode& other);

private:
    int drawMode_;
    CTransitionSlot transition_;
};
