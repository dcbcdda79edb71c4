// The steps every transition routine takes before its own geometry: levels
// outside 1..254 and calls without a size are settled here, and level 0
// draws the whole picture in one piece.
#pragma once

#include <windows.h>

#include "transitions/piece_drawer.h"
#include "transitions/transition_routine.h"

// What a kind's geometry works with.
struct WipeArea {
    int x;  // where the picture's top-left pixel lands
    int y;
    int width;  // of the picture, or of the coloured rectangle
    int height;
    int level;         // 1..254, or up to 255 for the kinds that draw there
    const RECT* clip;  // or null
};

// Most kinds draw nothing at 255; the kinds that still draw there say so.
constexpr int kLastWipeLevel = 254;
constexpr int kLastLevel = 255;

// What a size of zero width or height leaves to draw: nothing for the kinds
// that draw inside the picture's own rectangle, while the kinds that reach
// out to the destination's borders still draw there. A negative width or
// height draws nothing in either case.
enum class EmptySize { kDrawsNothing, kReachesBorders };

// The size comes from the picture when there is one, else from `size`.
// False, with nothing to draw, for a level outside 0..highestLevel, without a
// destination or a size, and for a size the rule leaves nothing to draw.
bool OpenTransitionFrame(const CMemorySurface* destination, const CMemorySurface* picture,
                         const TransitionSize* size, int level, int& width, int& height,
                         int highestLevel = kLastWipeLevel,
                         EmptySize empty = EmptySize::kDrawsNothing);

// The size alone, for a kind that checks no level: false without a
// destination or a size and for a size the rule leaves nothing to draw.
bool TransitionPictureSize(const CMemorySurface* destination, const CMemorySurface* picture,
                           const TransitionSize* size, int& width, int& height,
                           EmptySize empty = EmptySize::kDrawsNothing);

// Runs the frame and, at levels 1..highestLevel, geometry(area, pieces),
// which draws every part through the one drawer of this call.
template <class Geometry>
void RunTransitionFrame(MIRL_TRANSITION_PARAMETERS, Geometry geometry,
                        int highestLevel = kLastWipeLevel,
                        EmptySize empty = EmptySize::kDrawsNothing) {
    int width = 0;
    int height = 0;
    if (!OpenTransitionFrame(destination, picture, size, level, width, height, highestLevel,
                             empty))
        return;
    CPieceDrawer pieces(*destination, picture, x, y, clip, code, extra);
    if (level == 0) {
        if (width > 0 && height > 0) pieces.DrawWhole(width, height);
        return;
    }
    geometry(WipeArea{x, y, width, height, level, clip}, pieces);
}
