#include "text/markup_layout.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

#include "platform/paths.h"
#include "platform/sjis.h"
#include "text/font.h"
#include "text/markup_errors.h"
#include "text/measure_string.h"

namespace {

constexpr int kPlaceUnreadablePng = 1883;
constexpr int kPlaceRubyInsideRuby = 1930;
constexpr int kPlaceRubyEndWithoutRun = 1948;
constexpr int kPlaceRubyWithoutSpacing = 1952;
constexpr int kPlaceVerticalRuby = 1974;

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;

bool HasAlpha(Color32 color) { return (color >> 24) != 0; }

// The sizes of the glyphs a layout has measured, by the font attributes
// that shape a glyph and the character: a text asks for the same character
// in the same font again and again, and GDI need measure it only once.
class CGlyphSizes {
public:
    // The glyph's size as the font of the state measures it, grown for its
    // shadow and rim.
    void Measure(const MarkupFontState& state, const std::string& character, int* width, int* height) {
        const Key key{state.face, state.size, state.bold, state.italic, state.strikeOut, state.underline, character};
        auto found = sizes_.find(key);
        if (found == sizes_.end()) found = sizes_.emplace(key, MeasureWithGdi(state, character)).first;
        int grow = 0;
        if (HasAlpha(state.shadowColor)) grow += 1;
        if (HasAlpha(state.rimColor)) grow += 2;
        *width = found->second.cx + grow;
        *height = found->second.cy + grow;
    }

private:
    using Key = std::tuple<std::string, int, bool, bool, bool, bool, std::string>;

    static SIZE MeasureWithGdi(const MarkupFontState& state, const std::string& character) {
        CFont font;
        font.SetFace(state.face);
        font.SetSize(state.size);
        font.SetColor(0);
        font.SetWeight(state.bold ? kBoldWeight : kNormalWeight);
        font.SetItalic(state.italic);
        font.SetStrikeOut(state.strikeOut);
        font.SetUnderline(state.underline);
        font.SetQuality(0);
        font.SetText(character);
        int width = 0;
        int height = 0;
        font.Measure(&width, &height);
        return {width, height};
    }

    std::map<Key, SIZE> sizes_;
};

// The picture from the resource cache, which decodes each file once for all
// its users. A PNG that cannot be read ends the game; any other picture that
// cannot be loaded is left out (no size, nothing drawn).
void LoadPicture(CMarkupImageToken& image) {
    if (image.picture.Acquire(image.src)) return;
    std::string extension = GetExtension(image.src);
    MakeLowerCase(extension);
    if (extension == "png") LayoutError(kPlaceUnreadablePng);
}

class CLayoutPass {
public:
    CLayoutPass(MarkupFontState& font, MarkupTypeState& type, MarkupLayoutBox& box, const RubyChildMaker& makeRubyChild)
        : font_(font),
          type_(type),
          box_(box),
          makeRubyChild_(makeRubyChild),
          vertical_(box.direction == 1),
          lineExtent_(box.minimumLineHeight) {}

    void Visit(CMarkupToken& token) {
        switch (token.GetType()) {
            case kMarkupFont:
                font_ = static_cast<CMarkupFontToken&>(token).state;
                break;
            case kMarkupType:
                type_ = static_cast<CMarkupTypeToken&>(token).state;
                break;
            case kMarkupWait:
                if (runOpen_) runTime_ += static_cast<CMarkupWaitToken&>(token).time;
                break;
            case kMarkupBreak:
                NewLine();
                break;
            case kMarkupChar: {
                auto& glyph = static_cast<CMarkupCharToken&>(token);
                int width = 0;
                int height = 0;
                glyphSizes_.Measure(font_, glyph.text, &width, &height);
                Place(glyph, width, height);
                break;
            }
            case kMarkupImage: {
                auto& image = static_cast<CMarkupImageToken&>(token);
                LoadPicture(image);
                int width = 0;
                int height = 0;
                if (image.picture.Get()) image.picture.Get()->GetSize(width, height);
                Place(image, width, height);
                break;
            }
            case kMarkupRuby:
                OpenRun(static_cast<CMarkupRubyToken&>(token));
                break;
            case kMarkupRubyEnd:
                CloseRun();
                break;
            case kMarkupSound:
                break;
        }
    }

    void Finish() {
        box_.width = right_;
        box_.height = bottom_;
    }

private:
    void NewLine() {
        if (vertical_) {
            y_ = 0;
            x_ += box_.lineSpacing + lineExtent_;
        } else {
            x_ = 0;
            y_ += box_.lineSpacing + lineExtent_;
        }
        lineExtent_ = box_.minimumLineHeight;
    }

    void Place(CMarkupCharToken& token, int width, int height) {
        if (runOpen_) runTime_ += type_.interval;
        if (vertical_ ? y_ + height >= box_.height : x_ + width >= box_.width) NewLine();
        lineExtent_ = std::max(lineExtent_, vertical_ ? width : height);
        token.rect = {x_, y_, x_ + width, y_ + height};
        right_ = std::max(right_, x_ + width);
        bottom_ = std::max(bottom_, y_ + height);
        if (runOpen_ && !runAnchored_) {
            runX_ = x_;
            runY_ = y_;
            runAnchored_ = true;
        }
        if (vertical_)
            y_ += height;
        else
            x_ += width;
    }

    void OpenRun(CMarkupRubyToken& ruby) {
        if (runOpen_) LayoutError(kPlaceRubyInsideRuby);
        runOpen_ = true;
        runAnchored_ = false;
        runX_ = x_;
        runY_ = y_;
        runReading_ = ruby.reading;
        char name[32];
        std::snprintf(name, sizeof name, "RUBY%04d", rubyCount_++);
        ruby.childName = name;
        runName_ = name;
    }

    void CloseRun() {
        if (!runOpen_) LayoutError(kPlaceRubyEndWithoutRun);
        if (box_.lineSpacing <= 0) LayoutError(kPlaceRubyWithoutSpacing);
        CFont font;
        font.SetSize(box_.lineSpacing);
        font.SetColor(0);
        font.SetFace("G");
        font.SetWeight(font_.bold ? kBoldWeight : kNormalWeight);
        int readingWidth = 0;
        int readingHeight = 0;
        MeasureString(&font, runReading_, &readingWidth, &readingHeight);
        if (vertical_) LayoutError(kPlaceVerticalRuby);

        const int baseWidth = x_ - runX_;
        const int characters = CountSjisCharacters(runReading_);
        int interval = 0;
        if (characters > 1) interval = std::max(0, (runTime_ - type_.interval) / (characters - 1));

        RubyChildSpec child;
        child.name = runName_;
        child.x = runX_;
        child.y = runY_ - box_.lineSpacing;
        child.width = readingWidth >= baseWidth ? readingWidth + 1 : baseWidth;
        child.height = readingHeight;
        child.reading = runReading_;
        child.font = font_;
        child.font.size = box_.lineSpacing;
        child.font.face = "G";
        child.type = type_;
        child.type.interval = interval;
        child.type.speed = interval;
        makeRubyChild_(child);

        runOpen_ = false;
        runTime_ = 0;
    }

    MarkupFontState& font_;
    MarkupTypeState& type_;
    MarkupLayoutBox& box_;
    const RubyChildMaker& makeRubyChild_;
    CGlyphSizes glyphSizes_;
    const bool vertical_;
    int x_ = 0;
    int y_ = 0;
    int lineExtent_;
    int right_ = 0;
    int bottom_ = 0;
    int rubyCount_ = 0;
    // The open ruby run: where its reading is anchored (the pen where it
    // opened until its first glyph is placed), its reading, its child's
    // name and the typing time of its glyphs and pauses.
    bool runOpen_ = false;
    bool runAnchored_ = false;
    int runX_ = 0;
    int runY_ = 0;
    std::string runReading_;
    std::string runName_;
    int runTime_ = 0;
};

}  // namespace

void LayoutTokens(MarkupTokenList& tokens, MarkupFontState& font, MarkupTypeState& type, MarkupLayoutBox& box,
                  const RubyChildMaker& makeRubyChild) {
    CLayoutPass pass(font, type, box, makeRubyChild);
    for (auto& token : tokens) pass.Visit(*token);
    pass.Finish();
}
