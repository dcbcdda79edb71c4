// Straight lines between integer pixel positions: solid (the colour written
// as it is) and anti-aliased (blended by the colour's alpha byte), clipped to
// the destination and an optional clip rectangle.
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/memory_surface.h"

// Clips the segment in place to the pixels of the rectangle (right and
// bottom exclusive); false when nothing is left.
bool ClipLine(int& x1, int& y1, int& x2, int& y2, const RECT& rectangle);

void DrawLineSolid(CMemorySurface& dest, int x1, int y1, int x2, int y2, Color32 colour,
                   const RECT* clip);
// Alpha A = the colour's top byte. Horizontal and vertical lines blend every
// pixel with A (opaque ones are solid); sloped lines spread A between each
// pixel and its neighbour across the line by the distance to the ideal line.
void DrawLine(CMemorySurface& dest, int x1, int y1, int x2, int y2, Color32 colour,
              const RECT* clip);
// The pixels inside the clip of the line that DrawLine draws without one:
// the line is clipped to the destination alone, so drawing it piece by piece
// under any clips gives the pixels of one whole draw. (DrawLine clips the
// endpoints to the clip, which moves the slope's rounding with the clip.)
void DrawLinePiece(CMemorySurface& dest, int x1, int y1, int x2, int y2, Color32 colour,
                   const RECT* clip);
