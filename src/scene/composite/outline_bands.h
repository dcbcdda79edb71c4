// The bands an outline style is made of: where each of the outline's
// children lies and what each pixel of its picture holds. Depths and
// angles are worked out in double precision, so the pictures are the same
// wherever they are made.
#pragma once

#include <vector>

#include "graphics/color32.h"
#include "scene/composite/outline_style.h"

enum class BandSide { Up, Bottom, Left, Right };

// The child's name: "Up", "Bottom", "Left" or "Right".
const char* BandName(BandSide side);

// The decorated rectangle, the band width and the colour bits of the border.
struct OutlineShape {
    int width;
    int height;
    int thickness;
    Color32 rgb;
};

// One child: its side and its rectangle in the outline's coordinates.
struct OutlineBand {
    BandSide side;
    int x;
    int y;
    int width;
    int height;
};

// The children of the styles from Vivide to InnerShadow in the order they
// are added; none for any other style.
std::vector<OutlineBand> OutlineBands(OutlineStyle style, const OutlineShape& shape);

// The alpha ramp over the band: the truncation of
// (1 - cos(depth x pi / (2 x thickness))) x 232; 0 at depth 0 and 231 or 232
// at the full thickness.
int OutlineRamp(double depth, int thickness);

// The pixel at the column and row of a band picture of an image style
// (every style but Vivide and None). Noise draws from the C runtime's rand,
// so its pixels must be asked for in picture order: bands in their order,
// rows top to bottom, columns left to right.
Color32 OutlinePixel(OutlineStyle style, BandSide side, int column, int row, const OutlineShape& shape);
