// The node that shows a piece of marked-up text in a box: it parses the text
// into tokens, lays every glyph and picture out, renders the glyphs with GDI
// into a text surface of its own (lazily, each glyph once per build) and
// draws that surface: glyph by glyph while the text is typed, each glyph
// appearing in the typing style in force, or whole once it is typed out.
//
// Display modes: Erase (nothing shown), Typing (the glyphs start one after
// another on the typing clock), TypeOut (the whole text) and Transition (the
// whole text through a screen transition that a script handed over). The
// named requests "Erase", "Typing" and "TypeOut" switch them and reach the
// ruby readings, child text nodes "RUBY0000" and on, as well.
//
// Every rectangle the node reports (local rectangle, dirty area) is in its
// parent's coordinates, like every other kind's.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "graphics/memory_surface.h"
#include "scene/scene_node.h"
#include "scene/transition_slot.h"
#include "text/glyph_animation.h"
#include "text/markup_layout.h"
#include "text/markup_parser.h"
#include "text/markup_state.h"

enum TextDisplayMode : int {
    kTextErase = 0,
    kTextTyping = 1,
    kTextTypeOut = 2,
    kTextTransition = 3,
};

// How glyphs are rendered: plain, four-times supersampled, or chosen from
// the IsAntiText setting at the first build and kept.
enum TextRenderMethod : int {
    kRenderPlain = 0,
    kRenderSupersampled = 2,
    kRenderBySetting = 3,
};

class CTextNode : public CSceneNode {
public:
    // The text statements' form: the size, style, interval and speed start
    // the text, everything else at its default; `ignored` is not used. A
    // negative width, height, interval or speed is an "Internal Error"
    // (2036, places 68, 69, 70, 71).
    CTextNode(int x, int y, int z, int width, int height, std::string text, int ignored, int size,
              int style, int interval, int speed);
    // Every text setting at its default; no checks.
    CTextNode(int x, int y, int z, int width, int height, std::string text);
    // Starting from the given text state. A negative width or height is an
    // "Internal Error" (2036, places 111, 112).
    CTextNode(int x, int y, int z, int width, int height, std::string text,
              const MarkupFontState& font, const MarkupTypeState& type);
    ~CTextNode() override;

    // Clear, then the build: parse, typing time, render method, layout and
    // an empty text surface of the laid-out size; in mode Typing at clock 0.
    void Reset() override;
    // Drops the tokens, the text surface and the transition, then clears
    // the node (animators and children).
    void Clear() override;
    // The configuration only: placement, text, box, render method, line
    // settings, base directory and initial state; no children.
    CNode* Clone() override;
    // Advances the typing clock; the typing ends by itself at the total
    // typing time (mode TypeOut). A transition advances while the own
    // placement is untransformed.
    void Update(int milliseconds) override;
    // While typing, fires the events of the tokens the typing has newly
    // reached: type sounds, SOUND tags and ruby readings.
    void UpdateTransform(CTransform2D parent) override;
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // "Erase", "Typing" and "TypeOut"; any other name is ignored.
    void ReceiveMessage(std::string name) override;
    // A screen transition is taken over (mode Transition); anything else
    // goes to the scene node.
    void ApplyCommand(CScriptCommand* command) override;
    // The laid-out size.
    void GetSize(int* width, int* height) override;
    // Empty in mode Erase; while typing the union of the started glyphs'
    // animated rectangles; otherwise the laid-out box (and a transition's
    // reach); all mapped by the own placement.
    void GetLocalRect(RECT* out) override;
    // The same areas under the composed placement, where the glyphs and the
    // text surface are drawn: zoomed and turned as a whole, not the local
    // rectangle mapped level by level.
    void GetDrawnRect(const CTransform2D& parent, RECT* out) override;
    int GetNodeKind() override;
    // Composed opacity and zooms above 0.001, and not in mode Erase.
    bool IsVisible(const CTransform2D& parent) override;
    // Besides the scene node's animators, for "any" and the effect
    // selector: a typing text, and a running transition on an untransformed
    // own placement.
    bool IsAnimating(AnimatorSelector which) override;
    // For "any" and the effect selector also the transition's time left and,
    // while typing, the typing time left (the largest value, no end, before
    // the first build).
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    // Typing: inside a started glyph's animated rectangle; TypeOut: inside
    // any glyph or picture; otherwise never.
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    // The mode, the clock back to 0 and the events to fire again; the ruby
    // readings are erased (Erase, Typing) or shown whole (TypeOut,
    // Transition).
    void SetDisplayMode(int mode);
    // Takes effect at the next build.
    void SetBoxSize(int width, int height);
    void SetRenderMethod(int method) { renderMethod_ = method; }
    // The directory against which IMG, SOUND and TYPE sound paths resolve.
    void SetBaseDirectory(const std::string& directory) { baseDirectory_ = directory; }
    // Spreads each line of two or more glyphs over the box width.
    void SetFillLines(bool fill) { fillLines_ = fill; }
    MarkupFontState& InitialFontState() { return initialFont_; }
    MarkupTypeState& InitialTypeState() { return initialType_; }
    const MarkupFontState& InitialFontState() const { return initialFont_; }
    const MarkupTypeState& InitialTypeState() const { return initialType_; }

    int GetDisplayMode() const { return displayMode_; }
    int GetClock() const { return clock_; }
    int GetTotalTypingTime() const { return totalTypingTime_; }
    int GetRenderMethod() const { return renderMethod_; }
    int GetBoxWidth() const { return boxWidth_; }
    int GetBoxHeight() const { return boxHeight_; }
    int GetLineSpacing() const { return lineSpacing_; }
    int GetMinimumLineHeight() const { return minimumLineHeight_; }
    bool GetFillLines() const { return fillLines_; }
    const std::string& GetText() const { return text_; }
    const std::string& GetBaseDirectory() const { return baseDirectory_; }
    const MarkupTokenList& GetTokens() const { return parser_.GetTokens(); }
    // The rendered glyphs; null while the node has no laid-out area.
    const CMemorySurface* GetTextSurface() const { return surface_.get(); }
    CScreenTransition* GetTransition() const { return transition_.Get(); }

protected:
    CTextNode(const CTextNode& other);

    // For kinds that feed the parser themselves, text by text.
    CMarkupParser& Parser() { return parser_; }
    // The sum of the waits and intervals plus the last appearing's tail.
    int ComputeTotalTypingTime() const;

private:
    void Build();
    // Places the glyphs and pictures, makes the ruby readings and centres
    // each line on its tallest glyph; sets the laid-out size.
    void LayOut();
    void AddRubyReading(const RubyChildSpec& spec);
    // Renders the glyphs and pictures among the first `count` tokens that
    // are not rendered yet.
    void RenderTokens(std::size_t count);
    void RenderAll();
    void RenderGlyph(const CMarkupCharToken& glyph, const MarkupFontState& font);
    void RenderPicture(CMarkupImageToken& picture);
    void DrawTyping(CMemorySurface& target, const CTransform2D& composed, const RECT* clip);
    // Calls visit (glyph, placement) for every started glyph and picture,
    // with the placement that draws it: `base` with the glyph's corner and
    // its appearing composed on.
    void ForStartedGlyphs(const CTransform2D& base,
                          const std::function<void(const CMarkupCharToken&, const CTransform2D&)>& visit) const;
    // The union of the started glyphs' animated rectangles under `base`.
    RECT TypingRect(const CTransform2D& base) const;
    // Whether the typing has reached every token and every appearing ended.
    bool IsTypingDone() const;
    // The events of the tokens the typing reached since the last call: a
    // glyph or picture plays the type sound in force, a SOUND tag its file,
    // a ruby run starts its reading typing.
    void FireTypingEvents();
    void PlayTypeSound(const std::string& sound);
    void PlaySoundTag(const std::string& file);

    // Configuration.
    std::string text_;
    int boxWidth_;
    int boxHeight_;
    int renderMethod_ = kRenderBySetting;
    int lineSpacing_ = 8;
    int minimumLineHeight_ = 16;
    bool fillLines_ = false;
    std::string baseDirectory_;
    MarkupFontState initialFont_;
    MarkupTypeState initialType_;

    // Built by Reset.
    CMarkupParser parser_;
    std::unique_ptr<CMemorySurface> surface_;
    int laidOutWidth_ = 0;
    int laidOutHeight_ = 0;
    bool allRendered_ = false;
    long lastRendered_ = -1;

    // Display state.
    int displayMode_ = kTextTyping;
    int clock_ = 0;
    int totalTypingTime_ = -1;
    long lastFired_ = -1;
    CTransitionSlot transition_;
};
