// What the transformed draws and fills read from a placement before they
// choose a routine: whether anything can be seen at all, the opacity as a
// byte, and the corners of a rotated box in 16.16 fixed point.
#pragma once

#include <cstdint>

#include "graphics/edge_table.h"
#include "platform/transform2d.h"

// Opacity, zoom x and zoom y all above 0.001 (a NaN is not).
bool IsPlacementVisible(const CTransform2D& placement);

// trunc(opacity x 255), 255 at most; 0, which draws nothing, for anything
// that is not above 0.
int OpacityByte(double opacity);

// The corners of a width x height box (both in 16.16 units) whose top-left
// corner lands on the placement point: zoomed, then turned about that point
// (clockwise on the screen for a positive angle). In the order top-left,
// top-right, bottom-right, bottom-left; each coordinate truncated towards
// zero and held inside the 32-bit range.
void ComputeRotatedCorners(const CTransform2D& placement, double width, double height,
                           FixedPoint corners[4]);
