// The rows of the shape generators: for each code 1 to 80 the outline, the
// text-area mode and the tail. An outline function makes the paint region
// (before the tail is added) and draws its rand() numbers in a fixed order.
#pragma once

#include <vector>

#include "text/balloon/balloon_shape.h"
#include "text/balloon/shape_builder.h"

struct ShapeRow {
    int code;
    CGdiRegion (*outline)(CShapeBuilder& shape);
    int textMode;  // 0 inscribed in the shape rectangle, 1 inset box, 2 from W x H
    int tail;  // TailKind
};

// Rectangles, polygons, ellipses, clouds, stars, rings and notched figures.
std::vector<ShapeRow> BasicShapeRows();
// Ellipse walks whose radius wobbles, with drop tips and think forms.
std::vector<ShapeRow> BlobShapeRows();
// Ellipses with a textured outline.
std::vector<ShapeRow> TexturedEllipseRows();
// Rectangles with a textured outline.
std::vector<ShapeRow> TexturedRectRows();
