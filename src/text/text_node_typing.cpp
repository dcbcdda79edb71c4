// The text node in time: the typing clock, the events the typing reaches,
// the animated areas of the started glyphs, the animation queries and the
// hit test.
#include <algorithm>
#include <climits>

#include "scene/drawn_node_rules.h"
#include "scene/rect_math.h"
#include "text/text_node.h"
#include "text/typing_walk.h"
#include "transitions/screen_transition.h"

void CTextNode::ForStartedGlyphs(
    const CTransform2D& base,
    const std::function<void(const CMarkupCharToken&, const CTransform2D&)>& visit) const {
    MarkupTypeState type = initialType_;
    int fontSize = initialFont_.size;
    WalkTypedTokens(parser_.GetTokens(), clock_, &type, [&](std::size_t, CMarkupToken& token, int elapsed) {
        if (token.GetType() == kMarkupFont) {
            fontSize = static_cast<const CMarkupFontToken&>(token).state.size;
            return;
        }
        if (!IsTypedGlyph(token)) return;
        const auto& glyph = static_cast<const CMarkupCharToken&>(token);
        CTransform2D placement = base;
        placement.Compose(CTransform2D(glyph.rect.left, glyph.rect.top, 1, 1, 1, 0));
        ApplyGlyphAnimation({type.style, type.speed, fontSize, clock_}, elapsed, &placement, glyph.rect);
        visit(glyph, placement);
    });
}

RECT CTextNode::TypingRect(const CTransform2D& base) const {
    RECT area = EmptyRect();
    ForStartedGlyphs(base, [&](const CMarkupCharToken& glyph, const CTransform2D& placement) {
        const RECT placed =
            PlacedRect(placement, glyph.rect.right - glyph.rect.left, glyph.rect.bottom - glyph.rect.top);
        area = UniteRects(area, placed);
    });
    return area;
}

bool CTextNode::IsTypingDone() const {
    MarkupTypeState type = initialType_;
    bool animating = false;
    const bool whole =
        WalkTypedTokens(parser_.GetTokens(), clock_, &type, [&](std::size_t, CMarkupToken& token, int elapsed) {
            if (!IsTypedGlyph(token)) return;
            const auto& glyph = static_cast<const CMarkupCharToken&>(token);
            CTransform2D scratch(0, 0, 1, 1, 1, 0);
            if (ApplyGlyphAnimation({type.style, type.speed, 0, clock_}, elapsed, &scratch, glyph.rect) > 0) {
                animating = true;
            }
        });
    return whole && !animating;
}

void CTextNode::Update(int milliseconds) {
    clock_ += milliseconds;
    if (displayMode_ == kTextTyping) {
        SetDirty();
        const bool done = totalTypingTime_ == -1 ? IsTypingDone() : totalTypingTime_ - clock_ <= 0;
        if (done) {
            SetDisplayMode(kTextTypeOut);
            RECT whole;
            GetLocalRect(&whole);
            AddDirtyRect(whole);
        }
    } else if (displayMode_ == kTextTransition) {
        transition_.Update(GetPlacement(), milliseconds);
    }
    CSceneNode::Update(milliseconds);
}

void CTextNode::UpdateTransform(CTransform2D parent) {
    CSceneNode::UpdateTransform(parent);
    if (displayMode_ == kTextTyping) FireTypingEvents();
}

void CTextNode::FireTypingEvents() {
    MarkupTypeState type = initialType_;
    WalkTypedTokens(parser_.GetTokens(), clock_, &type, [&](std::size_t i, CMarkupToken& token, int) {
        if (static_cast<long>(i) <= lastFired_) return;
        lastFired_ = static_cast<long>(i);
        switch (token.GetType()) {
            case kMarkupChar:
            case kMarkupImage: PlayTypeSound(type.sound); break;
            case kMarkupSound: PlaySoundTag(static_cast<const CMarkupSoundToken&>(token).src); break;
            case kMarkupRuby: Request(static_cast<const CMarkupRubyToken&>(token).childName, "Typing"); break;
            default: break;
        }
    });
}

void CTextNode::GetLocalRect(RECT* out) {
    switch (displayMode_) {
        case kTextErase: *out = EmptyRect(); return;
        case kTextTyping: *out = TypingRect(GetPlacement()); return;
        default: break;
    }
    *out = PlacedRect(GetPlacement(), laidOutWidth_, laidOutHeight_);
    if (CScreenTransition* transition = transition_.Get()) {
        if (displayMode_ == kTextTransition && surface_) {
            RECT reach;
            transition->GetSurfaceBounds(&reach, &GetPlacement(), surface_.get());
            *out = UniteRects(*out, reach);
        }
    }
}

void CTextNode::GetDrawnRect(const CTransform2D& parent, RECT* out) {
    const CTransform2D composed = ComposedPlacement(*this, parent);
    switch (displayMode_) {
        case kTextErase: *out = EmptyRect(); return;
        case kTextTyping: *out = TypingRect(composed); return;
        default: break;
    }
    *out = PlacedRect(composed, laidOutWidth_, laidOutHeight_);
    if (displayMode_ == kTextTransition && surface_) {
        // Either road may draw, whichever the placements choose.
        *out = UniteRects(*out, transition_.Reach(composed, laidOutWidth_, laidOutHeight_));
    }
}

void CTextNode::DirtyOwnArea(CTransform2D parent, const RECT*) {
    if (parser_.GetTokens().empty() || displayMode_ == kTextErase) return;
    RECT area;
    GetDrawnRect(parent, &area);
    AddDrawnRect(area);
}

bool CTextNode::IsAnimating(AnimatorSelector which) {
    if (CSceneNode::IsAnimating(which)) return true;
    if (which != kAnimatorAny && which != kAnimatorScript) return false;
    return transition_.IsAnimating(GetPlacement(), which) || displayMode_ == kTextTyping;
}

unsigned CTextNode::GetAnimationTimeLeft(AnimatorSelector which) {
    unsigned left = transition_.TimeLeft(GetPlacement(), which, CSceneNode::GetAnimationTimeLeft(which));
    if ((which != kAnimatorAny && which != kAnimatorScript) || displayMode_ != kTextTyping) return left;
    if (totalTypingTime_ == -1) return UINT_MAX;
    const long long typing = static_cast<long long>(totalTypingTime_) - clock_;
    if (typing > static_cast<long long>(left)) left = static_cast<unsigned>(typing);
    return left;
}

bool CTextNode::HitTestSelf(double x, double y, CTransform2D parent) {
    if (!IsHitEnabled() || parser_.GetTokens().empty() || !IsVisible(parent)) return false;
    ComposedPlacement(*this, parent).InverseMapPoint(x, y);
    if (displayMode_ == kTextTyping) {
        bool hit = false;
        ForStartedGlyphs(CTransform2D(0, 0, 1, 1, 1, 0), [&](const CMarkupCharToken& glyph, const CTransform2D& placement) {
            const RECT placed =
                PlacedRect(placement, glyph.rect.right - glyph.rect.left, glyph.rect.bottom - glyph.rect.top);
            hit = hit || (x >= placed.left && x < placed.right && y >= placed.top && y < placed.bottom);
        });
        return hit;
    }
    if (displayMode_ != kTextTypeOut) return false;
    const POINT point = {static_cast<LONG>(x), static_cast<LONG>(y)};
    for (const auto& token : parser_.GetTokens()) {
        if (IsTypedGlyph(*token) && PtInRect(&static_cast<const CMarkupCharToken&>(*token).rect, point)) return true;
    }
    return false;
}
