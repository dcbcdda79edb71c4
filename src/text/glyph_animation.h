// How a glyph appears while a text is typed: each of the thirteen typing
// styles moves, fades and zooms the glyph about its centre over the speed
// (the milliseconds its appearing lasts), and leaves it untouched from then
// on.
#pragma once

#include <windows.h>

#include "platform/transform2d.h"
#include "text/type_style.h"

// The text state a glyph's appearing reads: its style and speed, the font
// size in force (Spring and Splash move by it) and the typing clock
// (OffCenter reseeds the C library's generator with it, so every glyph drawn
// in one frame shakes from the same sequence).
struct GlyphMotion {
    int style;
    int speed;
    int fontSize;
    int clock;
};

// Composes the glyph's appearing at `elapsed` ms since it started onto the
// placement, which puts the glyph's top-left corner: scaled and faded about
// the centre of `glyph` and moved by its offset (scaled by the zoom). At or
// after the speed, or with speed 0, the placement is left alone and the
// answer is 0; otherwise the answer is the time the glyph still animates:
// speed - elapsed, 250 ms more for Bang. A style outside 1..13 is an
// "Internal Error" (2036, 2955).
int ApplyGlyphAnimation(const GlyphMotion& motion, int elapsed, CTransform2D* placement,
                        const RECT& glyph);

// How long a glyph of this motion animates from its start: speed (Bang 250
// more), 0 without a speed.
int GlyphAnimationTime(const GlyphMotion& motion, const RECT& glyph);
