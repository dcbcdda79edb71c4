#include "graphics/lines.h"

#include <cstdint>
#include <cstdlib>

#include "graphics/raster_clip.h"

namespace {

// a x b / c, truncated toward zero, without overflowing on long lines.
int MulDivTrunc(int a, int b, int c) {
    return static_cast<int>(static_cast<int64_t>(a) * b / c);
}

// Moves the endpoint (x, y), outside the rectangle, to its border along the
// segment towards (ox, oy), which lies inside in x. False when the segment
// misses the rectangle.
bool ClipEndpoint(int& x, int& y, int ox, int oy, const RECT& r) {
    if (x < r.left) {
        if (ox < r.left) return false;
        y -= MulDivTrunc(x - r.left, oy - y, ox - x);
        x = r.left;
    } else if (x > r.right - 1) {
        if (ox > r.right - 1) return false;
        y -= MulDivTrunc(x - (r.right - 1), oy - y, ox - x);
        x = r.right - 1;
    }
    if (y < r.top) {
        if (oy < r.top) return false;
        x -= MulDivTrunc(y - r.top, ox - x, oy - y);
        y = r.top;
        if (x < r.left || x > r.right - 1) return false;
    } else if (y > r.bottom - 1) {
        if (oy > r.bottom - 1) return false;
        x -= MulDivTrunc(y - (r.bottom - 1), ox - x, oy - y);
        y = r.bottom - 1;
        if (x < r.left || x > r.right - 1) return false;
    }
    return true;
}

struct Canvas {
    Color32* pixels;
    int width;
    Color32& At(int x, int y) { return pixels[y * width + x]; }
};

Canvas CanvasOf(CMemorySurface& dest) {
    int width = 0, height = 0;
    dest.GetSize(width, height);
    return Canvas{dest.GetPixels(), width};
}

// Each colour byte (d x (255 - w) + c x w) / 255; the alpha byte likewise
// with the line's alpha as c.
Color32 Blend(Color32 d, Color32 colour, uint32_t alpha, uint32_t w) {
    Color32 out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t dc = (d >> shift) & 0xFF;
        const uint32_t cc = (colour >> shift) & 0xFF;
        out |= ((dc * (255 - w) + cc * w) / 255) << shift;
    }
    const uint32_t da = d >> 24;
    out |= ((da * (255 - w) + alpha * w) / 255) << 24;
    return out;
}

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Walks the pixels from (x1, y1) to (x2, y2) by Bresenham along the major
// axis (x when dx >= dy, diagonals included); visit(x, y, e, twiceMajor)
// sees each pixel with the error term before its step.
template <typename Visit>
void WalkLine(int x1, int y1, int x2, int y2, Visit visit) {
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    int x = x1, y = y1;
    if (dx < dy) {
        int e = -dy;
        for (int i = 0; i <= dy; ++i) {
            visit(x, y, e, 2 * dy);
            y += sy;
            e += 2 * dx;
            if (e >= 0) {
                x += sx;
                e -= 2 * dy;
            }
        }
    } else {
        int e = -dx;
        for (int i = 0; i <= dx; ++i) {
            visit(x, y, e, 2 * dx);
            x += sx;
            e += 2 * dy;
            if (e >= 0) {
                y += sy;
                e -= 2 * dx;
            }
        }
    }
}

}  // namespace

bool ClipLine(int& x1, int& y1, int& x2, int& y2, const RECT& rectangle) {
    return ClipEndpoint(x1, y1, x2, y2, rectangle) && ClipEndpoint(x2, y2, x1, y1, rectangle);
}

void DrawLineSolid(CMemorySurface& dest, int x1, int y1, int x2, int y2, Color32 colour,
                   const RECT* clip) {
    RECT area;
    if (!DrawableArea(dest, clip, area) || !ClipLine(x1, y1, x2, y2, area)) return;
    Canvas canvas = CanvasOf(dest);
    WalkLine(x1, y1, x2, y2, [&](int x, int y, int, int) { canvas.At(x, y) = colour; });
}

namespace {

// The anti-aliased line clipped to `walk`, writing only the pixels inside
// `plot` (which lies within `walk`).
void DrawBlendedLine(CMemorySurface& dest, int x1, int y1, int x2, int y2, Color32 colour, RECT walk,
                     const RECT& plot) {
    if (!ClipLine(x1, y1, x2, y2, walk)) return;
    const uint32_t alpha = colour >> 24;
    const bool straight = x1 == x2 || y1 == y2;
    Canvas canvas = CanvasOf(dest);
    if (straight) {
        WalkLine(x1, y1, x2, y2, [&](int px, int py, int, int) {
            if (!Inside(plot, px, py)) return;
            canvas.At(px, py) = alpha == 255 ? colour : Blend(canvas.At(px, py), colour, alpha, alpha);
        });
        return;
    }
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    // The weight of a pixel grows with its closeness to the ideal line; its
    // neighbour across the line (beside it on the minor axis, back towards
    // where the line comes from) takes the rest of the alpha.
    const bool yMajor = std::abs(x2 - x1) < std::abs(y2 - y1);
    WalkLine(x1, y1, x2, y2, [&](int px, int py, int e, int twice) {
        const uint32_t w = e < 0 ? alpha * (e + twice) / twice : alpha * e / twice;
        if (Inside(plot, px, py)) canvas.At(px, py) = Blend(canvas.At(px, py), colour, alpha, w);
        const int nx = yMajor ? px - sx : px;
        const int ny = yMajor ? py : py - sy;
        if (Inside(plot, nx, ny)) {
            canvas.At(nx, ny) = Blend(canvas.At(nx, ny), colour, alpha, alpha - w);
        }
    });
}

}  // namespace

void DrawLine(CMemorySurface& dest, int x1, int y1, int x2, int y2, Color32 colour,
              const RECT* clip) {
    RECT area;
    if (!DrawableArea(dest, clip, area)) return;
    DrawBlendedLine(dest, x1, y1, x2, y2, colour, area, area);
}

void DrawLinePiece(CMemorySurface& dest, int x1, int y1, int x2, int y2, Color32 colour,
                   const RECT* clip) {
    RECT whole;
    RECT piece;
    if (!DrawableArea(dest, nullptr, whole) || !DrawableArea(dest, clip, piece)) return;
    DrawBlendedLine(dest, x1, y1, x2, y2, colour, whole, piece);
}
