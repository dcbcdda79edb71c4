// The speech balloon node: a shape with an optional tail, painted once into
// a picture of its own in its edge style and colours, and a child text node
// "Text" that lays out and types the balloon's marked-up text inside the
// shape. Named requests start its appearance animations, its exits, the
// focus zoom of a select's choices and a floating motion; all of them come
// from the balloon's own clocks (CBalloonMotion) and are composed onto the
// node's placement, so the script animators still act on it as on any node.
// A screen transition handed to the balloon draws its picture while the
// animated placement is neither turned nor zoomed.
#pragma once

#include <memory>
#include <string>

#include "graphics/color32.h"
#include "graphics/memory_surface.h"
#include "scene/scene_node.h"
#include "scene/transition_slot.h"
#include "text/balloon/balloon_motion.h"
#include "text/balloon/shape_regions.h"
#include "text/text_node.h"

class CBalloonNode : public CSceneNode {
public:
    // The text prototype is built first with its own checks (text node
    // constructor); then a width or height below 0 (places 31, 32) or
    // below 32 (33, 34) or a text size below 1 (35) is an "Internal Error"
    // (2004). No regions, picture or transition yet.
    CBalloonNode(int x, int y, int z, int width, int height, int shapeCode, bool tailSwitch, int tailAngle,
                 std::string text, int textIgnored, int textSize, int textStyle, int textInterval,
                 int textSpeed, int edgeStyle, Color32 fillColour, Color32 edgeColour);
    ~CBalloonNode() override;

    // Attach: the tap pop-in with every clock at 0, the child "Text" cloned
    // from the prototype, the regions, the picture and the text centred in
    // it. What an earlier attach built is released first, so a second one
    // rebuilds instead of failing on the taken child name. An unknown shape
    // is fatal (2004, 811), and so is a picture that cannot be made (2004,
    // 127).
    void Reset() override;
    // Releases the regions, the picture's pixels and the transition, then
    // clears the node (animators and children).
    void Clear() override;
    // The configuration and the text prototype; no picture, regions or
    // transition.
    CNode* Clone() override;
    // The state timer and a held transition advance first, then the
    // animators and children; then the state's end (typing starts, or the
    // balloon leaves its parent) and the focus clocks.
    void Update(int milliseconds) override;
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // The request names, compared exactly; any other name is ignored.
    void ReceiveMessage(std::string name) override;
    // A screen transition replaces the held one; anything else goes to the
    // scene node.
    void ApplyCommand(CScriptCommand* command) override;
    void GetSize(int* width, int* height) override;
    // The picture's box under the animated placement, or the held
    // transition's reach.
    void GetLocalRect(RECT* out) override;
    // Empty while hidden; otherwise the picture's box under the parent
    // composed with the animated placement, united with the transition's
    // reach there.
    void GetDrawnRect(const CTransform2D& parent, RECT* out) override;
    // The placement composed with the zoom about the centre, the opacity and
    // the downward shift of the balloon's clocks.
    CTransform2D* GetTransform(CTransform2D* out) override;
    int GetNodeKind() override;
    bool IsVisible(const CTransform2D& parent) override;
    // Besides the scene node's animators, for "any" and the effect
    // selector: the pop-ins, and a running transition on an untransformed
    // animated placement.
    bool IsAnimating(AnimatorSelector which) override;
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    // Only once shown (states 6 and 7), inside the hit region.
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    // The child "Text" when it is a text node, else null.
    CTextNode* GetTextNode();
    // The box of the child "Text"; nothing without that child.
    void SetTextArea(int width, int height);
    // Where the pictures and sounds named in the text resolve; the child
    // cloned at attach keeps it.
    void SetBaseDirectory(const std::string& directory) { textPrototype_->SetBaseDirectory(directory); }

    int GetShapeCode() const { return shapeCode_; }
    int GetEdgeStyle() const { return edgeStyle_; }
    Color32 GetFillColour() const { return fillColour_; }
    Color32 GetEdgeColour() const { return edgeColour_; }
    bool GetTailSwitch() const { return tailSwitch_; }
    int GetTailAngle() const { return tailAngle_; }
    const CTextNode& GetTextPrototype() const { return *textPrototype_; }
    const CBalloonMotion& GetMotion() const { return motion_; }
    const CMemorySurface& GetPicture() const { return picture_; }
    // Null before attach and after Clear.
    const BalloonShapeRegions* GetRegions() const { return regions_.get(); }
    CScreenTransition* GetTransition() const { return transition_.Get(); }

protected:
    CBalloonNode(const CBalloonNode& other);

private:
    void Release();
    CTransform2D AnimatedPlacement() const;
    // The parent placement composed with the animated placement.
    CTransform2D Composed(CTransform2D parent) const;
    // A transition is held and the animated placement neither turns nor
    // zooms.
    bool TransitionCounts() const;
    void TellText(const char* request);

    int shapeCode_;
    int edgeStyle_;
    Color32 fillColour_;
    Color32 edgeColour_;
    int width_;
    int height_;
    bool tailSwitch_;
    int tailAngle_;
    CMemorySurface picture_;
    std::unique_ptr<BalloonShapeRegions> regions_;
    CBalloonMotion motion_;
    CTransitionSlot transition_;
    // Never drawn: the template of the child "Text".
    std::unique_ptr<CTextNode> textPrototype_;
};
