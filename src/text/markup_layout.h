// Places the glyphs and inline pictures of a parsed text in its node's own
// pixels, breaking lines where the text does not fit or where BR asks, loads
// the pictures, and turns each ruby run into a description of the small text
// node that shows its reading above the run.
#pragma once

#include <functional>
#include <string>

#include "text/markup_state.h"
#include "text/markup_tokens.h"

// What the layout reads of its text node, and the extent it leaves there.
struct MarkupLayoutBox {
    int direction = 0;  // 1 vertical (columns run down, each new one to the right); else horizontal
    int lineSpacing = 8;         // the gap between lines or columns; the size of ruby readings
    int minimumLineHeight = 16;  // the extent a line or column starts with
    // In: the wrap edges (the box). Out: the largest right and bottom edges
    // of all rectangles, 0 and 0 when there are none.
    int width = 0;
    int height = 0;
};

// The text node that shows a ruby reading: made at (x, y), z 0, with a box
// of width x height, the reading as its marked-up text and this initial
// state, its lines spread over its box; it is built, sent "Erase" and added
// to the laid-out node under the name.
struct RubyChildSpec {
    std::string name;  // "RUBY0000" and on, counting from 0 in every layout
    int x;
    int y;
    int width;
    int height;
    std::string reading;
    MarkupFontState font;
    MarkupTypeState type;
};
using RubyChildMaker = std::function<void(const RubyChildSpec&)>;

// Visits the tokens in order, keeping the current font and typing states up
// to date from the Font and Type tokens. A glyph is measured with a font of
// the current state (1 more each way with a shadow, 2 more with a rim); a
// glyph fits on its line only when it ends strictly before the wrap edge. A
// ruby run's reading is anchored at the run's first glyph or picture (at the
// pen where the run starts when it has none), so a run that wraps keeps its
// reading above it. Errors are "Internal Error" (2036): 1883 a PNG picture
// that cannot be read, 1930 a ruby run inside another, 1948 a ruby end
// without a run, 1952 a ruby end with a line spacing of 0 or less, 1974 a
// ruby end in vertical writing. A run still open at the end makes no child.
void LayoutTokens(MarkupTokenList& tokens, MarkupFontState& font, MarkupTypeState& type, MarkupLayoutBox& box,
                  const RubyChildMaker& makeRubyChild);
