// The text node's rendering into its text surface and its drawing into the
// scene.
#include <windows.h>

#include "graphics/blend_mode.h"
#include "graphics/draw_image.h"
#include "graphics/placement.h"
#include "scene/drawn_node_rules.h"
#include "text/font.h"
#include "text/glyph_renderer.h"
#include "text/text_node.h"
#include "text/typing_walk.h"
#include "transitions/screen_transition.h"

namespace {

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr int kBoostedUpTo = 16;

const char kSpace[] = " ";
const char kIdeographicSpace[] = "\x81\x40";

// Small Mincho glyphs come out thin: their coverage is boosted.
bool IsBoosted(const MarkupFontState& font) {
    return font.size <= kBoostedUpTo && (font.face == kMinchoFaceName || font.face == "M");
}

}  // namespace

void CTextNode::RenderTokens(std::size_t count) {
    const MarkupTokenList& tokens = parser_.GetTokens();
    MarkupFontState font = initialFont_;
    for (std::size_t i = 0; i < count && i < tokens.size(); ++i) {
        CMarkupToken& token = *tokens[i];
        switch (token.GetType()) {
            case kMarkupFont: font = static_cast<const CMarkupFontToken&>(token).state; break;
            case kMarkupChar:
                if (static_cast<long>(i) > lastRendered_) {
                    RenderGlyph(static_cast<const CMarkupCharToken&>(token), font);
                }
                break;
            case kMarkupImage:
                if (static_cast<long>(i) > lastRendered_) RenderPicture(static_cast<CMarkupImageToken&>(token));
                break;
            default: break;
        }
        if (static_cast<long>(i) > lastRendered_) lastRendered_ = static_cast<long>(i);
    }
}

void CTextNode::RenderAll() {
    if (allRendered_) return;
    RenderTokens(parser_.GetTokens().size());
    allRendered_ = true;
}

void CTextNode::RenderGlyph(const CMarkupCharToken& glyph, const MarkupFontState& state) {
    if (!surface_ || glyph.text == kSpace || glyph.text == kIdeographicSpace) return;
    CFont font;
    font.SetFace(state.face);
    font.SetWeight(state.bold ? kBoldWeight : kNormalWeight);
    font.SetItalic(state.italic);
    font.SetStrikeOut(state.strikeOut);
    font.SetUnderline(state.underline);
    font.SetText(glyph.text);
    const GlyphInk ink{state.size, state.color, state.rimColor, state.shadowColor};
    if (renderMethod_ == kRenderSupersampled) {
        RenderGlyphSupersampled(*surface_, glyph.rect, font, ink, IsBoosted(state));
    } else {
        RenderGlyphPlain(*surface_, glyph.rect, font, ink);
    }
}

void CTextNode::RenderPicture(CMarkupImageToken& picture) {
    const CMemorySurface* source = picture.picture.Get();
    if (!surface_ || !source || IsRectEmpty(source->GetBounds())) return;
    const RECT& rect = picture.rect;
    // Weighted by its own alpha when it has an alpha channel.
    DrawImageNormal(*surface_, *source, CTransform2D(rect.left, rect.top, 1, 1, 1, 0), source->HasAlpha(), nullptr,
                    nullptr);
    if (source->HasAlpha()) return;
    // A picture without alpha is opaque where it lies.
    RECT covered;
    if (!IntersectRect(&covered, &rect, surface_->GetBounds())) return;
    for (LONG y = covered.top; y < covered.bottom; ++y) {
        Color32* row = surface_->GetPixels() + static_cast<size_t>(y) * laidOutWidth_;
        for (LONG x = covered.left; x < covered.right; ++x) row[x] |= 0xFF000000u;
    }
}

void CTextNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    if (parser_.GetTokens().empty() || displayMode_ == kTextErase) return;
    const CTransform2D composed = ComposedPlacement(*this, parent);
    if (displayMode_ == kTextTyping) {
        DrawTyping(target, composed, clip);
        return;
    }
    RenderAll();
    if (!surface_) return;
    if (displayMode_ == kTextTransition && transition_.Get() && IsUntransformed(GetPlacement()) &&
        IsUntransformed(composed)) {
        const int level = OpacityByte(composed.opacity);
        if (level == 0) return;
        const DrawVariant variant = level < 255 ? kDrawSourceAlphaOpacity : kDrawSourceAlpha;
        transition_.Get()->Draw(&target, &composed, static_cast<uint32_t>(level), surface_.get(), nullptr,
                                clip, MakeDrawCode(kBlendNormal, variant));
        return;
    }
    DrawImageNormal(target, *surface_, composed, true, nullptr, clip);
}

void CTextNode::DrawTyping(CMemorySurface& target, const CTransform2D& composed, const RECT* clip) {
    if (!allRendered_) {
        MarkupTypeState type = initialType_;
        std::size_t reached = 0;
        const bool whole = WalkTypedTokens(parser_.GetTokens(), clock_, &type,
                                           [&](std::size_t i, CMarkupToken&, int) { reached = i + 1; });
        RenderTokens(reached);
        allRendered_ = whole;
    }
    if (!surface_) return;
    ForStartedGlyphs(composed, [&](const CMarkupCharToken& glyph, const CTransform2D& placement) {
        if (IsRectEmpty(&glyph.rect)) return;
        DrawImageNormal(target, *surface_, placement, true, &glyph.rect, clip);
    });
}
