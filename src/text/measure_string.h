// Measures a text one character at a time with a font object (a Shift-JIS
// pair is one character): the width is the sum of the characters' widths,
// the height the tallest; 0 and 0 for an empty text. A text that ends in a
// lone lead byte is an "Internal Error" (2036, 1801).
#pragma once

#include <string>

#include "text/font.h"

void MeasureString(CFont* font, const std::string& text, int* width, int* height);
