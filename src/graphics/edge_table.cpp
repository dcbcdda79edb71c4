#include "graphics/edge_table.h"

#include <algorithm>

namespace {

EdgeRow g_rows[kEdgeTableRows];

int RowOf(int32_t y) { return y >> 16; }

// A value interpolated along an edge in 16.16, with 64-bit room so that far
// points cannot overflow.
struct Interpolant {
    int64_t value;
    int64_t step;
    Interpolant(int64_t start, int64_t end, int rows) : value(start), step((end - start) / rows) {}
    void Skip(int rows) { value += step * rows; }
    void Next() { value += step; }
};

int32_t Saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Walks the edge's rows inside the clip and the table; visit(row, pixel x)
// is told whether the pixel became the row's new left or right end.
template <typename Extra, typename Store>
void WalkEdge(FixedPoint p0, FixedPoint p1, const RECT& clip, Extra& extra, Store store) {
    const int row0 = RowOf(p0.y);
    const int dy = RowOf(p1.y) - row0;
    if (dy < 1) return;
    const int first = std::max({row0, static_cast<int>(clip.top), 0});
    const int last = std::min({RowOf(p1.y), static_cast<int>(clip.bottom) - 1, kEdgeTableRows - 1});
    Interpolant x(p0.x, p1.x, dy);
    extra.Start(dy);
    if (first > row0) {
        x.Skip(first - row0);
        extra.Skip(first - row0);
    }
    for (int row = first; row <= last; ++row) {
        EdgeRow& r = g_rows[row];
        const int32_t px = Saturate(x.value >> 16);
        if (px < r.leftX) {
            r.leftX = px;
            store(r, true, extra);
        }
        if (px > r.rightX) {
            r.rightX = px;
            store(r, false, extra);
        }
        x.Next();
        extra.Next();
    }
}

struct NoExtra {
    void Start(int) {}
    void Skip(int) {}
    void Next() {}
};

struct ColourExtra {
    Color32 c0, c1;
    Interpolant channel[4] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    void Start(int dy) {
        for (int i = 0; i < 4; ++i) {
            const int64_t a = (c0 >> (8 * i)) & 0xFF;
            const int64_t b = (c1 >> (8 * i)) & 0xFF;
            channel[i] = Interpolant(a << 16, b << 16, dy);
        }
    }
    void Skip(int rows) {
        for (Interpolant& c : channel) c.Skip(rows);
    }
    void Next() {
        for (Interpolant& c : channel) c.Next();
    }
    Color32 Value() const {
        Color32 out = 0;
        for (int i = 0; i < 4; ++i) out |= (static_cast<Color32>(channel[i].value >> 16) & 0xFF) << (8 * i);
        return out;
    }
};

struct TextureExtra {
    FixedPoint uv0, uv1;
    Interpolant u{0, 0, 1}, v{0, 0, 1};
    void Start(int dy) {
        u = Interpolant(uv0.x, uv1.x, dy);
        v = Interpolant(uv0.y, uv1.y, dy);
    }
    void Skip(int rows) {
        u.Skip(rows);
        v.Skip(rows);
    }
    void Next() {
        u.Next();
        v.Next();
    }
};

void OrderByY(FixedPoint& p0, FixedPoint& p1) {
    if (p1.y < p0.y) std::swap(p0, p1);
}

}  // namespace

const EdgeRow& GetEdgeRow(int row) { return g_rows[row]; }

void ResetEdgeTable(int firstRow, int lastRow) {
    for (int row = std::max(firstRow, 0); row <= std::min(lastRow, kEdgeTableRows - 1); ++row) {
        g_rows[row].leftX = kEmptyLeftX;
        g_rows[row].rightX = kEmptyRightX;
    }
}

void AddEdge(FixedPoint p0, FixedPoint p1, const RECT& clip) {
    OrderByY(p0, p1);
    NoExtra none;
    WalkEdge(p0, p1, clip, none, [](EdgeRow&, bool, NoExtra&) {});
}

void AddEdgeGouraud(FixedPoint p0, FixedPoint p1, Color32 colour0, Color32 colour1,
                    const RECT& clip) {
    if (p1.y < p0.y) {
        std::swap(p0, p1);
        std::swap(colour0, colour1);
    }
    ColourExtra colours{colour0, colour1};
    WalkEdge(p0, p1, clip, colours, [](EdgeRow& r, bool left, ColourExtra& c) {
        (left ? r.leftColour : r.rightColour) = c.Value();
    });
}

void AddEdgeTextured(FixedPoint p0, FixedPoint p1, FixedPoint uv0, FixedPoint uv1,
                     const RECT& clip) {
    if (p1.y < p0.y) {
        std::swap(p0, p1);
        std::swap(uv0, uv1);
    }
    TextureExtra texture{uv0, uv1};
    WalkEdge(p0, p1, clip, texture, [](EdgeRow& r, bool left, TextureExtra& t) {
        if (left) {
            r.leftU = Saturate(t.u.value);
            r.leftV = Saturate(t.v.value);
        } else {
            r.rightU = Saturate(t.u.value);
            r.rightV = Saturate(t.v.value);
        }
    });
}

void BuildQuadEdges(const RECT& clip, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                    FixedPoint p4) {
    ResetEdgeTable(clip.top, clip.bottom - 1);
    AddEdge(p1, p2, clip);
    AddEdge(p2, p3, clip);
    AddEdge(p3, p4, clip);
    AddEdge(p4, p1, clip);
}

void BuildTexturedQuadEdges(const RECT& clip, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                            FixedPoint p4, FixedPoint uv1, FixedPoint uv2, FixedPoint uv3,
                            FixedPoint uv4) {
    ResetEdgeTable(clip.top, clip.bottom - 1);
    AddEdgeTextured(p1, p2, uv1, uv2, clip);
    AddEdgeTextured(p2, p3, uv2, uv3, clip);
    AddEdgeTextured(p3, p4, uv3, uv4, clip);
    AddEdgeTextured(p4, p1, uv4, uv1, clip);
}

bool GetEdgeSpan(int row, const RECT& clip, int& left, int& right, int& count) {
    if (row < 0 || row >= kEdgeTableRows) return false;
    const EdgeRow& r = g_rows[row];
    left = std::max<int>(r.leftX, clip.left);
    right = std::min<int>(r.rightX, clip.right - 1);
    count = right - left + 1;
    return count > 0;
}

bool GetTexturedEdgeSpan(int row, const RECT& clip, int& left, int& right, int32_t& u,
                         int32_t& v, int32_t& uStep, int32_t& vStep, int& count) {
    if (row < 0 || row >= kEdgeTableRows) return false;
    const EdgeRow& r = g_rows[row];
    if (r.rightX < r.leftX) return false;
    u = r.leftU;
    v = r.leftV;
    const int64_t width = static_cast<int64_t>(r.rightX) - r.leftX;
    uStep = width ? Saturate((static_cast<int64_t>(r.rightU) - r.leftU) / width) : 0;
    vStep = width ? Saturate((static_cast<int64_t>(r.rightV) - r.leftV) / width) : 0;
    left = r.leftX;
    right = std::min<int>(r.rightX, clip.right - 1);
    if (left < clip.left) {
        u = Saturate(u + static_cast<int64_t>(clip.left - left) * uStep);
        v = Saturate(v + static_cast<int64_t>(clip.left - left) * vStep);
        left = clip.left;
    }
    count = right - left + 1;
    return count > 0;
}
