// What every transition routine draws through: parts of the picture (source
// rectangles) blitted with the routine's draw code, or the same rectangles
// filled with the colour of its fill code; in the scaled form a part is
// stretched into a rectangle of doubles. The blits and the fill are looked up
// once, when the drawer is made, not for each part.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/draw_codes.h"
#include "graphics/fill_codes.h"
#include "graphics/memory_surface.h"

class CPieceDrawer {
public:
    // A draw code draws only with a picture; a code that names neither a
    // blit nor a fill draws nothing.
    CPieceDrawer(CMemorySurface& destination, const CMemorySurface* picture, int x, int y,
                 const RECT* clip, int code, uint32_t extra);

    // The part {left, top, right, bottom} of the picture with its top-left
    // pixel at (px, py): the blit of that source rectangle, or the fill of a
    // rectangle of its size there. A part without area is skipped.
    void Draw(const RECT& part, int px, int py);
    // The part at its own place in the picture, that is at (x + left, y + top).
    void DrawInPlace(LONG left, LONG top, LONG right, LONG bottom) {
        Draw(RECT{left, top, right, bottom}, x_ + left, y_ + top);
    }
    // The whole picture at (x, y) without a source rectangle, or the fill of
    // a width x height rectangle there.
    void DrawWhole(int width, int height);
    // The part stretched into the destination rectangle {left, top, right,
    // bottom} of doubles by the scaled blit of the draw code (nothing for a
    // part without area), or that rectangle, each side truncated toward
    // zero, filled with the colour of the fill code whatever the part.
    void DrawScaled(const RECT& part, double left, double top, double right, double bottom);

private:
    // The blit of the source rectangle (the whole picture when null) at
    // (px, py), or the fill of width x height there; counted when handed on.
    void Hand(const RECT* sourceRect, int px, int py, int width, int height);

    CMemorySurface& destination_;
    const CMemorySurface* picture_;
    int x_;
    int y_;
    const RECT* clip_;
    uint32_t extra_;
    int opacity_;
    DrawRoutine blit_;
    ScaledDrawRoutine scaledBlit_;
    FillRoutine fill_;
};

// How many parts the drawers have handed to a blit or fill since the last
// reset (the tests and the benchmark read it). Main thread only.
long TransitionPartCount();
void ResetTransitionPartCount();
