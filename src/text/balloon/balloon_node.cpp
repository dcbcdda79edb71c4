#include "text/balloon/balloon_node.h"

#include "platform/error_report.h"
#include "script/script_command.h"
#include "text/balloon/balloon_painting.h"
#include "transitions/screen_transition.h"

namespace {

constexpr int kPlaceNegativeWidth = 31;
constexpr int kPlaceNegativeHeight = 32;
constexpr int kPlaceNarrow = 33;
constexpr int kPlaceLow = 34;
constexpr int kPlaceTextSize = 35;
constexpr int kPlacePicture = 127;
constexpr int kSmallestSide = 32;

const char kTextChild[] = "Text";

void Check(bool fails, int place) {
    if (fails) ErrorReport(ErrorKind::Internal, kModuleBalloon, place);
}

}  // namespace

CBalloonNode::CBalloonNode(int x, int y, int z, int width, int height, int shapeCode, bool tailSwitch,
                           int tailAngle, std::string text, int textIgnored, int textSize, int textStyle,
                           int textInterval, int textSpeed, int edgeStyle, Color32 fillColour,
                           Color32 edgeColour)
    : CSceneNode(x, y, z), shapeCode_(shapeCode), edgeStyle_(edgeStyle), fillColour_(fillColour),
      edgeColour_(edgeColour), width_(width), height_(height), tailSwitch_(tailSwitch), tailAngle_(tailAngle),
      textPrototype_(std::make_unique<CTextNode>(0, 0, 1, width, height, std::move(text), textIgnored, textSize,
                                                 textStyle, textInterval, textSpeed)) {
    Check(width < 0, kPlaceNegativeWidth);
    Check(height < 0, kPlaceNegativeHeight);
    Check(width < kSmallestSide, kPlaceNarrow);
    Check(height < kSmallestSide, kPlaceLow);
    Check(textSize < 1, kPlaceTextSize);
}

CBalloonNode::CBalloonNode(const CBalloonNode& other)
    : CSceneNode(other), shapeCode_(other.shapeCode_), edgeStyle_(other.edgeStyle_),
      fillColour_(other.fillColour_), edgeColour_(other.edgeColour_), width_(other.width_),
      height_(other.height_), tailSwitch_(other.tailSwitch_), tailAngle_(other.tailAngle_),
      textPrototype_(static_cast<CTextNode*>(other.textPrototype_->Clone())) {}

CBalloonNode::~CBalloonNode() { Release(); }

CNode* CBalloonNode::Clone() { return new CBalloonNode(*this); }

void CBalloonNode::Release() {
    regions_.reset();
    picture_.Destroy();
    transition_.Remove();
}

void CBalloonNode::Clear() {
    Release();
    CSceneNode::Clear();
}

void CBalloonNode::Reset() {
    // A second attach rebuilds: the child, regions and picture of the first
    // go first.
    if (CNode* old = FindNode(kTextChild)) RemoveChild(old);
    Release();
    motion_.Start();

    auto text = std::unique_ptr<CTextNode>(static_cast<CTextNode*>(textPrototype_->Clone()));
    if (AddChild(kTextChild, text.get())) text.release()->Reset();

    regions_ = std::make_unique<BalloonShapeRegions>(
        BuildShapeRegion(BalloonShapeInput{shapeCode_, width_, height_, tailSwitch_, tailAngle_}));
    if (regions_->hasTextArea) SetTextArea(regions_->textWidth, regions_->textHeight);

    if (picture_.Create(width_, height_) != 0) ErrorReport(ErrorKind::Graphic, kModuleBalloon, kPlacePicture);
    BalloonPaintInput paint;
    paint.shape = shapeCode_;
    paint.style = edgeStyle_;
    paint.fill = fillColour_;
    paint.edge = edgeColour_;
    paint.paint = &regions_->paint;
    paint.hit = &regions_->hit;
    PaintBalloonShape(picture_, paint);

    if (CTextNode* child = GetTextNode()) {
        child->Reset();
        child->ReceiveMessage("Erase");
        int tw = 0, th = 0;
        child->GetSize(&tw, &th);
        child->SetPosition(width_ / 2 - tw / 2, height_ / 2 - th / 2);
    }
    CSceneNode::Reset();
}

CTextNode* CBalloonNode::GetTextNode() {
    CNode* child = FindNode(kTextChild);
    if (!child || child->GetNodeKind() != kNodeKindText) return nullptr;
    return static_cast<CTextNode*>(child);
}

void CBalloonNode::SetTextArea(int width, int height) {
    if (CTextNode* child = GetTextNode()) child->SetBoxSize(width, height);
}

void CBalloonNode::TellText(const char* request) {
    if (!request) return;
    if (CTextNode* child = GetTextNode()) child->ReceiveMessage(request);
}

void CBalloonNode::ReceiveMessage(std::string name) {
    const BalloonRequest request = motion_.Request(name);
    if (request.dirty) SetDirty();
    TellText(request.textRequest);
}

void CBalloonNode::ApplyCommand(CScriptCommand* command) {
    if (command->GetCategory() != kCategoryTransition) {
        CSceneNode::ApplyCommand(command);
        return;
    }
    transition_.Attach(*command, *this);
    SetDirty();
}

void CBalloonNode::Update(int milliseconds) {
    motion_.AddStateTime(milliseconds);
    if (CScreenTransition* transition = transition_.Get()) {
        transition->Update(static_cast<unsigned>(milliseconds < 0 ? 0 : milliseconds));
    }
    CSceneNode::Update(milliseconds);
    const BalloonStep step = motion_.Advance(milliseconds);
    if (step.remove) {
        if (CNode* parent = GetParent()) parent->RemoveChild(this);
        return;
    }
    if (step.beginChange) BeginChange();
    if (step.invalidate) InvalidateAll();
    if (step.startTyping) TellText("Typing");
}

void CBalloonNode::GetSize(int* width, int* height) {
    *width = width_;
    *height = height_;
}

int CBalloonNode::GetNodeKind() { return kNodeKindBalloon; }
