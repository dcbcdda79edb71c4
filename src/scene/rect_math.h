// Rectangle arithmetic of the dirty tracking, with the Windows meaning of
// "empty" (no area) and all-zero rectangles for emptied ones.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

inline RECT EmptyRect() { return RECT{0, 0, 0, 0}; }

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The common part of a and b, all-zero when they do not overlap.
inline RECT IntersectRects(const RECT& a, const RECT& b) {
    const RECT r = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
    return IsEmptyRect(r) ? EmptyRect() : r;
}

// The bounding box of a and b; an empty one does not count.
inline RECT UniteRects(const RECT& a, const RECT& b) {
    if (IsEmptyRect(a)) return IsEmptyRect(b) ? EmptyRect() : b;
    if (IsEmptyRect(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// Appends the parts of r that lie outside cut: up to four bands, below,
// above, left and right of cut in that order. Rectangles that only touch
// count as overlapping, so a band may be empty; an empty piece never
// intersects anything and does no harm.
void SubtractRectInto(const RECT& r, const RECT& cut, std::vector<RECT>& out);

// Unites neighbours of the list: two rectangles with the same left and right
// that touch vertically, or with the same top and bottom that touch
// horizontally, become one (the later one is removed), until no pair is
// left.
void CompactRects(std::vector<RECT>& rects);
