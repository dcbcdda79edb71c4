#include "graphics/blit_clip.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kOne = 65536.0;
// Source coordinates in 16.16 stay within a signed 32-bit word.
constexpr int kMaxFixedCoordinate = 32767;

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// a cut by b; false when nothing is left.
bool Cut(RECT& a, const RECT& b) {
    a.left = std::max(a.left, b.left);
    a.top = std::max(a.top, b.top);
    a.right = std::min(a.right, b.right);
    a.bottom = std::min(a.bottom, b.bottom);
    return !IsEmpty(a);
}

struct DoubleRect {
    double left, top, right, bottom;

    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Cut(const DoubleRect& b) {
        left = std::max(left, b.left);
        top = std::max(top, b.top);
        right = std::min(right, b.right);
        bottom = std::min(bottom, b.bottom);
        return !IsEmpty();
    }
};

DoubleRect ToDouble(const RECT& r) { return {double(r.left), double(r.top), double(r.right), double(r.bottom)}; }

// Half away from zero: 10.5 becomes 11, -10.5 becomes -11.
LONG RoundHalfAway(double value) {
    return static_cast<LONG>(value >= 0 ? value + 0.5 : value - 0.5);
}

int ToFixed(double value) {
    return static_cast<int>(std::max<double>(INT32_MIN, std::min<double>(INT32_MAX, std::trunc(value))));
}

}  // namespace

bool IntersectBlitRects(const CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                        const RECT* sourceRect, const RECT* clip, RECT* destOut, RECT* sourceOut) {
    RECT d = *dest.GetBounds();
    if (clip && !Cut(d, *clip)) return false;
    if (IsEmpty(d)) return false;

    RECT s = *src.GetBounds();
    if (sourceRect && !Cut(s, *sourceRect)) return false;
    if (IsEmpty(s)) return false;
    const LONG dx = sourceRect ? x - sourceRect->left : x;
    const LONG dy = sourceRect ? y - sourceRect->top : y;
    OffsetRect(&s, dx, dy);

    if (!Cut(d, s)) return false;
    *destOut = d;
    *sourceOut = d;
    OffsetRect(sourceOut, -dx, -dy);
    return true;
}

int ClipBlitRects(const CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                  const RECT* sourceRect, const RECT* clip, RECT* destOut, RECT* sourceOut,
                  const Color32** firstSource, Color32** firstDest, int* sourceSkip,
                  int* destSkip) {
    if (!IntersectBlitRects(dest, x, y, src, sourceRect, clip, destOut, sourceOut)) return 0;
    const int sourceWidth = src.GetBounds()->right;
    const int destWidth = dest.GetBounds()->right;
    const int clippedWidth = destOut->right - destOut->left;
    *firstSource = src.GetPixels() + sourceOut->top * sourceWidth + sourceOut->left;
    *firstDest = dest.GetPixels() + destOut->top * destWidth + destOut->left;
    *sourceSkip = sourceWidth - clippedWidth;
    *destSkip = destWidth - clippedWidth;
    return 1;
}

bool ClipScaledBlitRects(const CMemorySurface& dest, const CMemorySurface& src,
                         const RECT* sourceRect, const double* destRect, const RECT* clip,
                         RECT* destOut, RECT* sourceOut, int* uStep, int* vStep, int* uStart,
                         int* vStart) {
    const DoubleRect r = destRect ? DoubleRect{destRect[0], destRect[1], destRect[2], destRect[3]}
                                  : ToDouble(*dest.GetBounds());
    const RECT s = sourceRect ? *sourceRect : *src.GetBounds();
    if (r.IsEmpty() || IsEmpty(s)) return false;
    RECT cutSource = s;
    if (!Cut(cutSource, *src.GetBounds())) return false;
    if (cutSource.right > kMaxFixedCoordinate || cutSource.bottom > kMaxFixedCoordinate ||
        s.right - s.left > kMaxFixedCoordinate || s.bottom - s.top > kMaxFixedCoordinate) {
        return false;
    }

    RECT bounds = *dest.GetBounds();
    if (clip && !Cut(bounds, *clip)) return false;
    DoubleRect c = ToDouble(bounds);
    if (c.IsEmpty() || !c.Cut(r)) return false;

    // Where the part of the source rectangle that lies inside the source
    // lands: both edges scaled from the source rectangle's corner, so that a
    // source rectangle reaching outside the source cuts the destination in
    // proportion.
    const double sourceWidth = s.right - s.left;
    const double sourceHeight = s.bottom - s.top;
    const DoubleRect landed = {r.left + (cutSource.left - s.left) * r.Width() / sourceWidth,
                               r.top + (cutSource.top - s.top) * r.Height() / sourceHeight,
                               r.left + (cutSource.right - s.left) * r.Width() / sourceWidth,
                               r.top + (cutSource.bottom - s.top) * r.Height() / sourceHeight};
    if (!c.Cut(landed)) return false;

    const RECT out = {RoundHalfAway(c.left), RoundHalfAway(c.top), RoundHalfAway(c.right),
                      RoundHalfAway(c.bottom)};
    if (IsEmpty(out)) return false;
    RECT source = {static_cast<LONG>(s.left + (c.left - r.left) / r.Width() * sourceWidth),
                   static_cast<LONG>(s.top + (c.top - r.top) / r.Height() * sourceHeight),
                   static_cast<LONG>(s.left + (c.right - r.left) / r.Width() * sourceWidth),
                   static_cast<LONG>(s.top + (c.bottom - r.top) / r.Height() * sourceHeight)};
    // Floating-point error never takes the source rectangle outside the
    // part of the source that exists.
    source.left = std::max(source.left, cutSource.left);
    source.top = std::max(source.top, cutSource.top);
    source.right = std::min(source.right, cutSource.right);
    source.bottom = std::min(source.bottom, cutSource.bottom);

    const int stepX = r.Width() < 1 ? 0 : ToFixed((sourceWidth * kOne - 1) / r.Width());
    const int stepY = r.Height() < 1 ? 0 : ToFixed((sourceHeight * kOne - 1) / r.Height());
    int startX = r.Width() < 1 ? 0
                               : ToFixed((out.left - r.left + 0.5) * stepX -
                                         double(source.left - s.left) * kOne);
    int startY = r.Height() < 1 ? ToFixed(source.top * kOne)
                                : ToFixed((out.top - r.top + 0.5) * stepY + s.top * kOne);
    // Rounding can put the first sample a hair before the first column or
    // row of the source rectangle; it starts on them instead.
    startX = std::max(startX, 0);
    startY = std::max(startY, ToFixed(source.top * kOne));

    *destOut = out;
    *sourceOut = source;
    *uStep = stepX;
    *vStep = stepY;
    *uStart = startX;
    *vStart = startY;
    return true;
}
