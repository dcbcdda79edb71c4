#include "graphics/triangle_fill.h"

#include <algorithm>
#include <cstdint>

#include "graphics/lines.h"
#include "graphics/raster_clip.h"

namespace {

struct Vertex {
    FixedPoint p;
    Color32 colour;
};

// Fills the edge table with the Gouraud edges of the triangle inside the
// work area; false when nothing is left. The area's bottom is cut to the
// table's rows. Both end rows of every edge are covered.
bool BuildGouraudEdges(CMemorySurface& dest, Vertex v1, Vertex v2, Vertex v3, const RECT* clip,
                       RECT& area) {
    if (!DrawableArea(dest, clip, area)) return false;
    area.bottom = std::min<LONG>(area.bottom, kEdgeTableRows);
    Vertex v[3] = {v1, v2, v3};
    std::sort(v, v + 3, [](const Vertex& a, const Vertex& b) { return a.p.y < b.p.y; });
    const int first = std::max<int>(v[0].p.y >> 16, area.top);
    const int last = std::min<int>(v[2].p.y >> 16, area.bottom - 1);
    if (first > last) return false;
    ResetEdgeTable(first, last);
    const int edges[3][2] = {{0, 1}, {1, 2}, {0, 2}};
    for (const auto& e : edges) {
        AddEdgeGouraud(v[e[0]].p, v[e[1]].p, v[e[0]].colour, v[e[1]].colour, area);
    }
    area.top = first;
    area.bottom = last + 1;
    return true;
}

uint32_t BlendChannel(uint32_t d, uint32_t c, uint32_t a) {
    return (d * (255 - a) >> 8) + (c * a >> 8);
}

Color32 BlendColour(Color32 d, Color32 colour, uint32_t a) {
    Color32 out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= (BlendChannel((d >> shift) & 0xFF, (colour >> shift) & 0xFF, a) & 0xFF) << shift;
    }
    return out;
}

// The column where an edge crosses the top of pixel row `row`: the first
// column whose left side lies on or right of the edge, ceil(x / 65536) of the
// exact crossing. The edge runs down from `upper` to `lower`, and the row's
// top lies in [upper.y, lower.y). Worked exactly in 64 bits (no stepping
// error), so the two triangles on either side of an edge split each row at
// the same column.
int CrossingColumn(FixedPoint upper, FixedPoint lower, int row) {
    const uint64_t down = static_cast<uint64_t>(int64_t(row) * 65536 - upper.y);  // < 2^32
    const uint64_t height = static_cast<uint64_t>(int64_t(lower.y) - upper.y);    // > 0
    const int64_t across = int64_t(lower.x) - upper.x;                           // |.| < 2^32
    const uint64_t product = down * static_cast<uint64_t>(across < 0 ? -across : across);
    const int64_t quotient = static_cast<int64_t>(product / height);
    const bool fraction = product % height != 0;
    // x = whole + a fraction in [0, 1) of a 16.16 unit.
    const int64_t whole = across < 0 ? upper.x - quotient - (fraction ? 1 : 0) : upper.x + quotient;
    const bool onColumn = (whole & 0xFFFF) == 0 && !fraction;
    return static_cast<int>((whole >> 16) + (onColumn ? 0 : 1));
}

// ceil(y / 65536): the first row whose top lies at or below y.
int FirstRowFrom(int32_t y) { return static_cast<int>((int64_t(y) + 0xFFFF) >> 16); }

// The flat fills sample each pixel at its top-left corner: pixel (x, y) is
// filled when the point (x, y) lies inside the triangle or on its left or
// top edge, never on its right or bottom edge. Triangles that share an edge
// or a corner therefore fill every pixel along it exactly once, which a
// blended mesh needs.
template <typename PixelRule>
void FillFlat(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3, const RECT* clip,
              PixelRule rule) {
    RECT area;
    if (!DrawableArea(dest, clip, area)) return;
    FixedPoint v[3] = {p1, p2, p3};
    std::sort(v, v + 3, [](const FixedPoint& a, const FixedPoint& b) { return a.y < b.y; });
    const int first = std::max<int>(FirstRowFrom(v[0].y), area.top);
    const int end = std::min<int>(FirstRowFrom(v[2].y), area.bottom);
    int width = 0, height = 0;
    dest.GetSize(width, height);
    Color32* pixels = dest.GetPixels();
    for (int row = first; row < end; ++row) {
        // The long edge and the short one beside this row; as the edges meet
        // only at corners, the smaller column is the left edge's.
        const bool upperHalf = int64_t(row) * 65536 < v[1].y;
        const int a = CrossingColumn(v[0], v[2], row);
        const int b = upperHalf ? CrossingColumn(v[0], v[1], row) : CrossingColumn(v[1], v[2], row);
        const int left = std::max<int>(std::min(a, b), area.left);
        const int right = std::min<int>(std::max(a, b), area.right);
        Color32* p = pixels + row * width;
        for (int x = left; x < right; ++x) p[x] = rule(p[x]);
    }
}

// Walks each row from its left colour to its right colour in 16.16 and
// hands every pixel its interpolated colour.
template <typename PixelRule>
void FillShaded(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3, Color32 c1,
                Color32 c2, Color32 c3, const RECT* clip, PixelRule rule) {
    RECT area;
    if (!BuildGouraudEdges(dest, {p1, c1}, {p2, c2}, {p3, c3}, clip, area)) return;
    int width = 0, height = 0;
    dest.GetSize(width, height);
    Color32* pixels = dest.GetPixels();
    for (int row = area.top; row < area.bottom; ++row) {
        const EdgeRow& r = GetEdgeRow(row);
        if (r.rightX <= r.leftX) continue;
        const int left = std::max<int>(r.leftX, area.left);
        const int right = std::min<int>(r.rightX, area.right - 1);
        if (right < left) continue;
        const int64_t span = static_cast<int64_t>(r.rightX) - r.leftX;
        int64_t value[4], step[4];
        for (int i = 0; i < 4; ++i) {
            const int64_t a = (r.leftColour >> (8 * i)) & 0xFF;
            const int64_t b = (r.rightColour >> (8 * i)) & 0xFF;
            step[i] = ((b - a) << 16) / span;
            value[i] = (a << 16) + step[i] * (left - r.leftX);
        }
        Color32* p = pixels + row * width + left;
        for (int x = left; x <= right; ++x, ++p) {
            Color32 c = 0;
            for (int i = 0; i < 4; ++i) {
                c |= (static_cast<Color32>(value[i] >> 16) & 0xFF) << (8 * i);
                value[i] += step[i];
            }
            *p = rule(*p, c);
        }
    }
}

}  // namespace

void FillTriangle(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                  Color32 colour, const RECT* clip) {
    FillFlat(dest, p1, p2, p3, clip, [colour](Color32) { return colour; });
}

void FillTriangleAlpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                       Color32 colour, const RECT* clip) {
    const uint32_t a = colour >> 24;
    FillFlat(dest, p1, p2, p3, clip,
             [colour, a](Color32 d) { return (d & 0xFF000000) | BlendColour(d, colour, a); });
}

void FillTriangleGouraud(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                         Color32 colour1, Color32 colour2, Color32 colour3, const RECT* clip) {
    FillShaded(dest, p1, p2, p3, colour1, colour2, colour3, clip,
               [](Color32, Color32 c) { return c & 0x00FFFFFF; });
}

void FillTriangleGouraudAlpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                              Color32 colour1, Color32 colour2, Color32 colour3,
                              const RECT* clip) {
    FillShaded(dest, p1, p2, p3, colour1, colour2, colour3, clip,
               [](Color32 d, Color32 c) { return BlendColour(d, c, c >> 24); });
}

void DrawTriangleOutline(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                         Color32 colour, const RECT* clip) {
    DrawLine(dest, p1.x >> 16, p1.y >> 16, p2.x >> 16, p2.y >> 16, colour, clip);
    DrawLine(dest, p2.x >> 16, p2.y >> 16, p3.x >> 16, p3.y >> 16, colour, clip);
    DrawLine(dest, p3.x >> 16, p3.y >> 16, p1.x >> 16, p1.y >> 16, colour, clip);
}
