#include "text/text_node.h"

#include <algorithm>

#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "scene/drawn_node_rules.h"
#include "script/script_command.h"
#include "text/line_alignment.h"
#include "text/typing_walk.h"

namespace {

constexpr int kPlaceNegativeWidth = 68;
constexpr int kPlaceNegativeHeight = 69;
constexpr int kPlaceNegativeInterval = 70;
constexpr int kPlaceNegativeSpeed = 71;
constexpr int kPlaceStateNegativeWidth = 111;
constexpr int kPlaceStateNegativeHeight = 112;
constexpr int kPlaceNoSurface = 102;

const char kRubyChildren[] = "RUBY*";

void Check(bool fails, int place) {
    if (fails) ErrorReport(ErrorKind::Internal, kModuleTextNode, place);
}

MarkupTypeState TypeStateOf(int style, int interval, int speed) {
    MarkupTypeState type;
    type.style = style;
    type.interval = interval;
    type.speed = speed;
    return type;
}

}  // namespace

CTextNode::CTextNode(int x, int y, int z, int width, int height, std::string text, int, int size,
                     int style, int interval, int speed)
    : CSceneNode(x, y, z), text_(std::move(text)), boxWidth_(width), boxHeight_(height),
      initialType_(TypeStateOf(style, interval, speed)) {
    Check(width < 0, kPlaceNegativeWidth);
    Check(height < 0, kPlaceNegativeHeight);
    Check(interval < 0, kPlaceNegativeInterval);
    Check(speed < 0, kPlaceNegativeSpeed);
    initialFont_.size = size;
}

CTextNode::CTextNode(int x, int y, int z, int width, int height, std::string text)
    : CSceneNode(x, y, z), text_(std::move(text)), boxWidth_(width), boxHeight_(height) {}

CTextNode::CTextNode(int x, int y, int z, int width, int height, std::string text,
                     const MarkupFontState& font, const MarkupTypeState& type)
    : CSceneNode(x, y, z), text_(std::move(text)), boxWidth_(width), boxHeight_(height),
      initialFont_(font), initialType_(type) {
    Check(width < 0, kPlaceStateNegativeWidth);
    Check(height < 0, kPlaceStateNegativeHeight);
}

CTextNode::CTextNode(const CTextNode& other)
    : CSceneNode(other), text_(other.text_), boxWidth_(other.boxWidth_),
      boxHeight_(other.boxHeight_), renderMethod_(other.renderMethod_),
      lineSpacing_(other.lineSpacing_), minimumLineHeight_(other.minimumLineHeight_),
      fillLines_(other.fillLines_), baseDirectory_(other.baseDirectory_),
      initialFont_(other.initialFont_), initialType_(other.initialType_) {}

CTextNode::~CTextNode() = default;

CNode* CTextNode::Clone() { return new CTextNode(*this); }

void CTextNode::Reset() {
    Clear();
    Build();
    CSceneNode::Reset();
}

void CTextNode::Clear() {
    parser_.Release();
    surface_.reset();
    transition_.Remove();
    CSceneNode::Clear();
}

void CTextNode::Build() {
    lastRendered_ = -1;
    lastFired_ = -1;
    allRendered_ = false;
    laidOutWidth_ = boxWidth_;
    laidOutHeight_ = boxHeight_;
    displayMode_ = kTextTyping;
    clock_ = 0;
    parser_.SetBaseDirectory(baseDirectory_);
    parser_.ParseMarkup(text_, initialFont_, initialType_);
    totalTypingTime_ = ComputeTotalTypingTime();
    if (renderMethod_ == kRenderBySetting) {
        renderMethod_ = GetConfig().IsAntiText() ? kRenderSupersampled : kRenderPlain;
    }
    LayOut();
    if (laidOutWidth_ != 0 && laidOutHeight_ != 0) {
        auto surface = std::make_unique<CMemorySurface>();
        // A node never keeps a surface without pixels to draw from.
        if (surface->Create(laidOutWidth_, laidOutHeight_) != 0)
            ErrorReport(ErrorKind::Graphic, kModuleTextNode, kPlaceNoSurface);
        surface_ = std::move(surface);
    }
}

void CTextNode::LayOut() {
    // No creator makes a vertical text: the box stays horizontal.
    MarkupLayoutBox box;
    box.lineSpacing = lineSpacing_;
    box.minimumLineHeight = minimumLineHeight_;
    box.width = laidOutWidth_;
    box.height = laidOutHeight_;
    LayoutTokens(parser_.GetTokens(), parser_.GetFontState(), parser_.GetTypeState(), box,
                 [this](const RubyChildSpec& spec) { AddRubyReading(spec); });
    laidOutWidth_ = box.width;
    laidOutHeight_ = box.height;
    AlignLines(parser_.GetTokens(), fillLines_, boxWidth_, &laidOutWidth_);
}

void CTextNode::AddRubyReading(const RubyChildSpec& spec) {
    auto reading = std::make_unique<CTextNode>(spec.x, spec.y, 0, spec.width, spec.height, spec.reading,
                                               spec.font, spec.type);
    reading->SetFillLines(true);
    reading->Reset();
    // Hidden until this text's typing reaches the run.
    reading->ReceiveMessage("Erase");
    if (AddChild(spec.name, reading.get())) reading.release();
}

int CTextNode::ComputeTotalTypingTime() const {
    long long total = 0;
    long long tail = 0;
    MarkupTypeState type = initialType_;
    for (const auto& token : parser_.GetTokens()) {
        switch (token->GetType()) {
            case kMarkupType: type = static_cast<const CMarkupTypeToken&>(*token).state; break;
            case kMarkupWait: total += static_cast<const CMarkupWaitToken&>(*token).time; break;
            case kMarkupChar:
            case kMarkupImage: {
                const auto& glyph = static_cast<const CMarkupCharToken&>(*token);
                // How long a glyph appears depends on its style and speed alone.
                const GlyphMotion motion{type.style, type.speed, 0, 0};
                total += type.interval;
                tail = std::max<long long>(tail, GlyphAnimationTime(motion, glyph.rect)) - type.interval;
                break;
            }
            default: break;
        }
    }
    return static_cast<int>(std::min<long long>(total + tail, 0x7FFFFFFF));
}

void CTextNode::ReceiveMessage(std::string name) {
    if (name == "Erase") {
        SetDisplayMode(kTextErase);
    } else if (name == "Typing") {
        SetDisplayMode(kTextTyping);
    } else if (name == "TypeOut") {
        SetDisplayMode(kTextTypeOut);
    }
}

void CTextNode::SetDisplayMode(int mode) {
    displayMode_ = mode;
    clock_ = 0;
    lastFired_ = -1;
    const bool hidden = mode == kTextErase || mode == kTextTyping;
    Request(kRubyChildren, hidden ? "Erase" : "TypeOut");
    SetDirty();
}

void CTextNode::ApplyCommand(CScriptCommand* command) {
    if (command->GetCategory() != kCategoryTransition) {
        CSceneNode::ApplyCommand(command);
        return;
    }
    transition_.Attach(*command, *this);
    SetDisplayMode(kTextTransition);
    SetDirty();
}

void CTextNode::SetBoxSize(int width, int height) {
    boxWidth_ = width;
    boxHeight_ = height;
}

void CTextNode::GetSize(int* width, int* height) {
    *width = laidOutWidth_;
    *height = laidOutHeight_;
}

int CTextNode::GetNodeKind() { return kNodeKindText; }

bool CTextNode::IsVisible(const CTransform2D& parent) {
    return displayMode_ != kTextErase && IsDrawnVisible(*this, parent);
}
