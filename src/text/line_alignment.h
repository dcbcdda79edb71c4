// After the layout: the glyphs and pictures of a line (consecutive ones that
// share the same top) are centred on the line's tallest, and with fill on,
// a line of two or more that ends before the box's right edge is spread
// over the box width.
#pragma once

#include "text/markup_tokens.h"

// Fill: gap = (box width - the line's right edge) / (count - 1) as a float;
// each left is the truncated pen, each right the truncated pen + width, and
// the laid-out width grows to the largest right.
void AlignLines(MarkupTokenList& tokens, bool fillLines, int boxWidth, int* laidOutWidth);
