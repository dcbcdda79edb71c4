// The values of markup attributes: integers, colours and typing style names.
// A value that fails its syntax is a "Script Error" (2036) at the place of
// the failure.
#pragma once

#include <string>

#include "graphics/color32.h"
#include "platform/tokenizer.h"

// "0" is 0; anything else reads as the C library reads an int (leading
// blanks, a sign, the leading digits; beyond the int range clamped to it),
// and a result of 0 is an error (1770): "00", "px" and "" are errors.
int ParseMarkupInteger(const std::string& value);
// A FONT size: an integer as above whose magnitude (GDI reads a negative
// height as the glyph's own height) is at most the screen's height; a larger
// one is an error (1771), as it would take far more time and memory to
// measure and draw than a screen can show.
int ParseFontSize(const std::string& value);

// One colour from a tokenizer over the value with the symbols of
// AddColorSymbols: a colour name, "#" and 3, 4, 6 or 8 hex digits,
// "RGB(r,g,b)" or "RGBA(r,g,b,a)". What follows a complete colour is left
// unread.
Color32 ParseMarkupColor(CTokenizer& reader);
// Registers "#", "(", ")" and ",", the symbols colours are read with.
void AddColorSymbols(CTokenizer& reader);
// The value of one RGB or RGBA component: the next token, which must begin
// with a decimal digit. Range checks are the caller's.
int ReadColorComponent(CTokenizer& reader);

// The TypeStyle code of a style name, compared exactly (1757 when none).
int ParseTypeStyle(const std::string& name);
