// The geometry of a speech balloon: from its shape code, size and tail, the
// paint region at double resolution, the hit region at the balloon's own
// resolution and the size of the area left for its text.
#pragma once

#include "text/balloon/gdi_region.h"

struct BalloonShapeInput {
    int shape = 0;  // BalloonShape
    int width = 0;  // W, pixels
    int height = 0;  // H, pixels
    bool tail = false;
    int tailAngle = 0;  // degrees, 0 right, counter-clockwise on screen
};

struct BalloonShapeRegions {
    CGdiRegion paint;  // in the 2W x 2H space
    CGdiRegion hit;  // in the W x H space
    bool hasTextArea = false;
    int textWidth = 0;
    int textHeight = 0;
};

// The k of the text areas inscribed in an ellipse, a stored value a little
// above 1 / (2 sqrt 2).
constexpr double kInscribedTextFactor = 0.3535533911865475;

// Builds both regions and the text area. Shapes that draw from rand() take
// their numbers in a fixed order, so a seeded generator repeats a build. A
// balloon whose shape rectangle is negative (W or H below 32) gets empty
// regions and no text area. A code outside 1 to 87 is a fatal "Internal
// Error" (2004, 811).
BalloonShapeRegions BuildShapeRegion(const BalloonShapeInput& input);
