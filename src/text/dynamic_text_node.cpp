#include "text/dynamic_text_node.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/sjis.h"
#include "scene/node_kind.h"
#include "script/data_actions.h"
#include "script/script_command_kind.h"
#include "text/font_faces.h"

namespace {

// Entries get a box no glyph or picture outgrows, so none wraps inside its
// own child.
constexpr int kEntryBox = 1000;

const char kEntryNames[] = "Text*";

MarkupFontState StartingFont() {
    MarkupFontState font;
    font.size = 20;
    font.face = kGothicFaceName;
    return font;
}

MarkupTypeState StartingType() {
    MarkupTypeState type;
    type.style = kTypeNormal;
    type.interval = 100;
    type.speed = 100;
    return type;
}

// The characters that may hang past the right edge, in Shift-JIS:
// "、", "。", "」", "）", "］", "』", "】", "？", "♪" and their ASCII kin.
std::vector<std::string> HangingCharacters() {
    return {"\x81\x41", "\x81\x42", "\x81\x76", "\x81\x6A", "\x81\x6E", "\x81\x78", "\x81\x7A", "\x81\x48",
            "\x81\xF4", ",",        ".",        ")",        "]",        ">",        "?"};
}

// The characters the markup would not show as themselves take the markup's
// own escape: "&" before them.
std::string EscapedEntry(const std::string& character) {
    if (character == "&" || character == "<" || character == ">" || character == "," || character == ".") {
        return "&" + character;
    }
    return character;
}

// "\" as a single-byte character becomes "/"; the second byte of a
// Shift-JIS pair stays.
std::string ForwardSlashes(std::string name) {
    for (std::size_t i = 0; i < name.size(); i += SjisCharacterLength(name, i)) {
        if (name[i] == '\\') name[i] = '/';
    }
    return name;
}

}  // namespace

CDynamicTextNode::CDynamicTextNode(int x, int y, int z, int width, int height)
    : CTextNode(x, y, z, 0, 0, std::string()), currentFont_(StartingFont()), currentType_(StartingType()),
      carriedFont_(currentFont_), carriedType_(currentType_), hangingSet_(HangingCharacters()),
      areaWidth_(width), areaHeight_(height) {}

CNode* CDynamicTextNode::Clone() { return new CDynamicTextNode(*this); }

void CDynamicTextNode::Update(int milliseconds) {
    budget_ += milliseconds;
    elapsed_ += milliseconds;
    const MarkupTokenList& tokens = Parser().GetTokens();
    while (budget_ > 0 && nextToken_ < tokens.size()) {
        ProcessToken(*tokens[nextToken_++]);
    }
    CSceneNode::Update(milliseconds);
}

void CDynamicTextNode::ProcessToken(const CMarkupToken& token) {
    switch (token.GetType()) {
        case kMarkupChar:
            AddCharacters(static_cast<const CMarkupCharToken&>(token).text);
            budget_ -= currentType_.interval;
            break;
        case kMarkupFont: currentFont_ = static_cast<const CMarkupFontToken&>(token).state; break;
        case kMarkupType: currentType_ = static_cast<const CMarkupTypeToken&>(token).state; break;
        case kMarkupWait: budget_ -= static_cast<const CMarkupWaitToken&>(token).time; break;
        case kMarkupBreak:
            cursorY_ += lineGap_ + lineHeight_;
            StartLine();
            cursorX_ = 0;
            break;
        case kMarkupImage:
            AddPicture(static_cast<const CMarkupImageToken&>(token).src);
            budget_ -= currentType_.interval;
            break;
        case kMarkupSound: AddSound(static_cast<const CMarkupSoundToken&>(token).src); break;
        default: break;
    }
}

void CDynamicTextNode::StartLine() {
    lineHeight_ = defaultLineHeight_;
    overflowCount_ = 0;
}

void CDynamicTextNode::UpdateTransform(CTransform2D parent) { CSceneNode::UpdateTransform(parent); }

void CDynamicTextNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    CSceneNode::DrawSelf(target, parent, clip);
}

void CDynamicTextNode::ReceiveMessage(std::string) {}

void CDynamicTextNode::ApplyCommand(CScriptCommand* command) {
    switch (command->GetKind()) {
        case kKindAddText: AddText(static_cast<CAddTextAction*>(command)->Text()); break;
        case kKindClearText: ClearText(); break;
        default: CSceneNode::ApplyCommand(command); break;
    }
}

void CDynamicTextNode::GetSize(int* width, int* height) { CSceneNode::GetSize(width, height); }

void CDynamicTextNode::GetLocalRect(RECT* out) { CSceneNode::GetLocalRect(out); }

int CDynamicTextNode::GetNodeKind() { return kNodeKindDynamicText; }

bool CDynamicTextNode::IsVisible(const CTransform2D&) { return false; }

bool CDynamicTextNode::IsAnimating(AnimatorSelector which) {
    return elapsed_ < ComputeTotalTypingTime() || CSceneNode::IsAnimating(which);
}

unsigned CDynamicTextNode::GetAnimationTimeLeft(AnimatorSelector which) {
    const unsigned left = CSceneNode::GetAnimationTimeLeft(which);
    const int total = ComputeTotalTypingTime();
    if (elapsed_ >= total) return left;
    return std::max(left, static_cast<unsigned>(total - elapsed_));
}

bool CDynamicTextNode::HitTestSelf(double x, double y, CTransform2D parent) {
    return CSceneNode::HitTestSelf(x, y, parent);
}

void CDynamicTextNode::DirtyOwnArea(CTransform2D parent, const RECT* clip) {
    CSceneNode::DirtyOwnArea(parent, clip);
}

void CDynamicTextNode::AddText(const std::string& text) {
    CMarkupParser& parser = Parser();
    if (nextToken_ >= parser.GetTokens().size()) {
        elapsed_ = ComputeTotalTypingTime();
        budget_ = 0;
    }
    InitialFontState() = carriedFont_;
    InitialTypeState() = carriedType_;
    parser.SetBaseDirectory(GetBaseDirectory());
    parser.ParseMarkup(text, carriedFont_, carriedType_);
    carriedFont_ = parser.GetFontState();
    carriedType_ = parser.GetTypeState();
}

void CDynamicTextNode::ClearText() {
    RemoveAt(kEntryNames);
    entryCounter_ = 0;
    cursorX_ = 0;
    cursorY_ = 0;
    nextToken_ = 0;
    budget_ = 0;
    elapsed_ = 0;
    accepting_ = true;
    StartLine();
    Parser().Release();
}

void CDynamicTextNode::AddCharacters(const std::string& text) {
    for (std::size_t i = 0; accepting_ && i < text.size();) {
        const std::size_t length = SjisCharacterLength(text, i);
        const std::string character = text.substr(i, length);
        i += length;
        PlaceChild(new CTextNode(cursorX_, cursorY_, 0, kEntryBox, kEntryBox, EscapedEntry(character),
                                 currentFont_, currentType_),
                   IsHanging(character));
    }
}

void CDynamicTextNode::AddPicture(const std::string& name) { AddFileEntry("IMG", name); }

void CDynamicTextNode::AddSound(const std::string& name) { AddFileEntry("SOUND", name); }

void CDynamicTextNode::AddFileEntry(const char* tag, const std::string& name) {
    if (!accepting_) return;
    const std::string text = std::string("<") + tag + "\tsrc='" + ForwardSlashes(name) + "'>";
    PlaceChild(new CTextNode(cursorX_, cursorY_, 0, kEntryBox, kEntryBox, text, currentFont_, currentType_), false);
}

void CDynamicTextNode::PlaceChild(CTextNode* child, bool hanging) {
    std::unique_ptr<CTextNode> owned(child);
    if (!accepting_) return;
    owned->Reset();
    int width = 0, height = 0;
    owned->GetSize(&width, &height);
    cursorX_ += width;
    if (cursorX_ > areaWidth_) {
        ++overflowCount_;
        if (!hanging || overflowCount_ >= 2) {
            cursorY_ += lineGap_ + lineHeight_;
            cursorX_ = width;
            StartLine();
            owned->SetPosition(0, cursorY_);
        }
    }
    lineHeight_ = std::max(lineHeight_, height);
    if (cursorY_ > areaHeight_) {
        accepting_ = false;
        return;
    }
    char name[16];
    std::snprintf(name, sizeof name, "Text%03d", entryCounter_);
    if (AddChild(name, owned.get())) owned.release();
    ++entryCounter_;
}

bool CDynamicTextNode::IsHanging(const std::string& character) const {
    return std::find(hangingSet_.begin(), hangingSet_.end(), character) != hangingSet_.end();
}
