// The text state of marked-up text: how glyphs look (the font state) and how
// they are typed (the typing state). A text starts from its node's initial
// state; FONT, B, I, S, U and TYPE change the current one and their closers
// restore what they saved. The defaults are a text node's defaults.
#pragma once

#include <string>

#include "graphics/color32.h"
#include "text/font_faces.h"
#include "text/type_style.h"

struct MarkupFontState {
    int size = 24;
    Color32 color = 0xFF000000;
    Color32 shadowColor = 0;  // alpha 0: no shadow
    Color32 rimColor = 0;     // alpha 0: no rim
    std::string face = kMinchoFaceName;  // a face name or the letter G or M, as written
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;

    bool operator==(const MarkupFontState& other) const;
    bool operator!=(const MarkupFontState& other) const { return !(*this == other); }
};

struct MarkupTypeState {
    int style = kTypeNormal;  // a TypeStyle
    int interval = 0;         // ms of typing time between two glyphs
    int speed = 0;            // ms each glyph's appearing lasts; 0: none
    std::string sound;        // resolved path played as glyphs are typed; empty: none

    bool operator==(const MarkupTypeState& other) const;
    bool operator!=(const MarkupTypeState& other) const { return !(*this == other); }
};

// The tags that stay open until their closer, as the open-tag stack holds
// them.
enum MarkupTagKind : int {
    kTagBold = 1,
    kTagItalic = 2,
    kTagStrikeOut = 3,
    kTagUnderline = 4,
    kTagFont = 5,
    kTagType = 6,
    kTagRuby = 7,
};
