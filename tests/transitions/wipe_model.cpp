#include "wipe_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

// Marks every pixel for which visible(i, j) holds.
template <class Visible>
CCoverage Pixels(int w, int h, Visible visible) {
    CCoverage out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (visible(i, j)) out.Set(i, j, 1);
    return out;
}

// The doubles are stored before each truncation, as the routines must.
int TruncHypot(int a, int b) {
    volatile double v = std::hypot(double(a), double(b));
    return int(v);
}
double Root(int r, int dy) {
    volatile double v = std::sqrt(double(r * r - dy * dy));
    return v;
}

// Linear: the edge sits ⌊side·L/255⌋ in from its starting side.
CCoverage LinearUp(int w, int h, int L) {
    return Pixels(w, h, [&](int, int j) { return j < h - h * L / 255; });
}
CCoverage LinearDown(int w, int h, int L) {
    return Pixels(w, h, [&](int, int j) { return j >= h * L / 255; });
}
CCoverage LinearLeft(int w, int h, int L) {
    return Pixels(w, h, [&](int i, int) { return i < w - w * L / 255; });
}
CCoverage LinearRight(int w, int h, int L) {
    return Pixels(w, h, [&](int i, int) { return i >= w * L / 255; });
}

// Rect: one rectangle, sizes scaled by (255 − L)/256.
CCoverage RectCenter(int w, int h, int L) {
    const int k = 255 - L;
    int pw = w * k / 256, ph = h * k / 256;
    const int left = std::max(w / 2 - w * k / 512, 0), top = std::max(h / 2 - h * k / 512, 0);
    if (left + pw > w) pw = w - left;
    if (top + ph > h) ph = h - top;
    CCoverage out(w, h);
    out.Mark(left, top, left + pw, top + ph);
    return out;
}
int Side(int w, int h, int L) { return (255 - L) * std::max(w, h) / 256; }
CCoverage RectCorner(int w, int h, int L, bool right, bool bottom) {
    const int s = Side(w, h, L);
    return Pixels(w, h, [&](int i, int j) {
        const bool inColumns = right ? i >= w - s : i < s;
        const bool inRows = bottom ? j >= h - s : j < s;
        return inColumns && inRows;
    });
}
CCoverage RectTopLeft(int w, int h, int L) { return RectCorner(w, h, L, false, false); }
CCoverage RectTopRight(int w, int h, int L) { return RectCorner(w, h, L, true, false); }
CCoverage RectBottomLeft(int w, int h, int L) { return RectCorner(w, h, L, false, true); }
CCoverage RectBottomRight(int w, int h, int L) { return RectCorner(w, h, L, true, true); }

// Box: everything but the square hole. The centre hole's rows show nothing
// once the hole reaches the left edge; otherwise the columns right of the
// hole run to the right edge.
CCoverage BoxCenter(int w, int h, int L) {
    const int cx = w / 2, cy = h / 2;
    const int d = TruncHypot(cx, cy) * L / 256;
    return Pixels(w, h, [&](int i, int j) {
        if (j < cy - d || j >= cy + d) return true;
        return cx - d > 0 && (i < cx - d || i >= cx + d);
    });
}
CCoverage BoxCorner(int w, int h, int L, bool right, bool bottom) {
    const int d = TruncHypot(w, h) * L / 256;
    return Pixels(w, h, [&](int i, int j) {
        const bool inColumns = right ? i >= w - d : i < d;
        const bool inRows = bottom ? j >= h - d : j < d;
        return !(inColumns && inRows);
    });
}
CCoverage BoxTopLeft(int w, int h, int L) { return BoxCorner(w, h, L, false, false); }
CCoverage BoxTopRight(int w, int h, int L) { return BoxCorner(w, h, L, true, false); }
CCoverage BoxBottomLeft(int w, int h, int L) { return BoxCorner(w, h, L, false, true); }
CCoverage BoxBottomRight(int w, int h, int L) { return BoxCorner(w, h, L, true, true); }

// Circle: per picture row, the chord of a disc of radius R(255 − L)/256.
enum class Pivot { Top, Bottom, Left, Right, Center };

CCoverage Circle(int w, int h, int L, Pivot pivot) {
    const bool side = pivot == Pivot::Left || pivot == Pivot::Right;
    const bool edge = pivot == Pivot::Top || pivot == Pivot::Bottom;
    const int R = edge   ? TruncHypot(w / 2, h)
                  : side ? TruncHypot(w, h / 2)
                         : TruncHypot(w / 2, h / 2);
    const int r = R * (255 - L) / 256;
    CCoverage out(w, h);
    if (r <= 0) return out;
    for (int j = 0; j < h; ++j) {
        int dy;
        if (pivot == Pivot::Top) {
            if (j >= r) continue;
            dy = j;
        } else if (pivot == Pivot::Bottom) {
            if (j <= h - r) continue;
            dy = h - j;
        } else {
            dy = j - h / 2;
            if (dy < -r || dy >= r) continue;
        }
        int a, s;
        switch (pivot) {
            case Pivot::Top:
            case Pivot::Bottom: {
                volatile double chord = 2 * Root(r, dy);
                s = int(chord);
                a = std::max(w / 2 - s / 2, 0);
                break;
            }
            case Pivot::Left:
                s = int(Root(r, dy));
                a = 0;
                break;
            case Pivot::Right:
                s = int(Root(r, dy));
                a = std::max(w - s, 0);
                break;
            default:
                s = 2 * int(Root(r, dy));
                a = std::max(w / 2 - s / 2, 0);
                break;
        }
        out.MarkRow(j, a, std::min(a + s, w));
    }
    return out;
}
CCoverage CircleTop(int w, int h, int L) { return Circle(w, h, L, Pivot::Top); }
CCoverage CircleBottom(int w, int h, int L) { return Circle(w, h, L, Pivot::Bottom); }
CCoverage CircleLeft(int w, int h, int L) { return Circle(w, h, L, Pivot::Left); }
CCoverage CircleRight(int w, int h, int L) { return Circle(w, h, L, Pivot::Right); }
CCoverage CircleCenter(int w, int h, int L) { return Circle(w, h, L, Pivot::Center); }

// Hole: every row whole except the hole's, which lose the hole's chord of a
// radius R·L/255.
CCoverage Hole(int w, int h, int L, Pivot pivot) {
    const bool side = pivot == Pivot::Left || pivot == Pivot::Right;
    const bool edge = pivot == Pivot::Top || pivot == Pivot::Bottom;
    const int R = edge   ? TruncHypot(w / 2, h)
                  : side ? TruncHypot(w, h / 2)
                         : TruncHypot(w / 2, h / 2);
    const int r = R * L / 255;
    CCoverage out(w, h);
    for (int j = 0; j < h; ++j) {
        const int centre = pivot == Pivot::Top ? 0 : pivot == Pivot::Bottom ? h : h / 2;
        const int dy = j - centre;
        if (dy < -r || dy >= r) {
            out.MarkRow(j, 0, w);
            continue;
        }
        const int half = int(Root(r, dy));
        if (pivot == Pivot::Left) {
            out.MarkRow(j, half, w);
        } else if (pivot == Pivot::Right) {
            out.MarkRow(j, 0, w - half);
        } else {
            // The hole covers [⌊(w − s)/2⌋, ⌊(w + s)/2⌋) with s = 2·half.
            const int s = 2 * half;
            const int left = (w - s) >= 0 ? (w - s) / 2 : -1;
            out.MarkRow(j, 0, left);
            out.MarkRow(j, (w + s) / 2, w);
        }
    }
    return out;
}
CCoverage HoleTop(int w, int h, int L) { return Hole(w, h, L, Pivot::Top); }
CCoverage HoleBottom(int w, int h, int L) { return Hole(w, h, L, Pivot::Bottom); }
CCoverage HoleLeft(int w, int h, int L) { return Hole(w, h, L, Pivot::Left); }
CCoverage HoleRight(int w, int h, int L) { return Hole(w, h, L, Pivot::Right); }
CCoverage HoleCenter(int w, int h, int L) { return Hole(w, h, L, Pivot::Center); }

// Fan: the edge's column offset in a row at distance d from the pivot.
double Cot(double theta) {
    volatile double c = std::cos(theta);
    volatile double s = std::sin(theta);
    volatile double q = c / s;
    return q;
}
int T(int d, double c) {
    volatile double p = d * c;
    return int(p);
}
constexpr double kPi = 3.141592653589793;
constexpr double kStep = 0.012319971190548208;  // π/255

CCoverage FanCenter(int w, int h, int L) {
    const int cx = w / 2, cy = h / 2;
    volatile double turned = L * 2 * kStep;
    const double c = Cot(kPi / 2 - turned);
    CCoverage out(w, h);
    if (L <= 64) {
        out.Mark(0, 0, cx, cy);
        out.Mark(0, cy, w, 2 * cy);
        if (L < 64)
            for (int j = 0; j < cy; ++j) out.MarkRow(j, cx + T(cy - j, c), 2 * cx);
    } else if (L < 128) {
        out.Mark(0, 0, cx, h);
        for (int j = cy; j < h; ++j) out.MarkRow(j, cx, cx + T(cy - j, c));
    } else if (L <= 192) {
        out.Mark(0, 0, cx, cy);
        if (L < 192)
            for (int j = cy; j < h; ++j) out.MarkRow(j, 0, cx + T(cy - j, c));
    } else {
        for (int j = 0; j < cy; ++j) out.MarkRow(j, cx - std::min(T(j - cy, c), cx), cx);
    }
    return out;
}
CCoverage FanCenterDouble(int w, int h, int L) {
    const int cx = w / 2, cy = h / 2;
    volatile double turned = L * kStep;
    const double c = Cot(kPi / 2 - turned);
    CCoverage out(w, h);
    if (L <= 128) {
        out.Mark(0, 0, cx, cy);
        out.Mark(cx, cy, 2 * cx, 2 * cy);
        if (L < 128) {
            for (int j = 0; j < cy; ++j) out.MarkRow(j, cx + T(cy - j, c), 2 * cx);
            for (int j = cy; j < h; ++j) out.MarkRow(j, 0, cx + T(cy - j, c));
        }
    } else {
        for (int j = cy; j < h; ++j) out.MarkRow(j, cx, cx + T(cy - j, c));
        for (int j = 0; j < cy; ++j) out.MarkRow(j, cx - std::min(T(j - cy, c), cx), cx);
    }
    return out;
}
CCoverage FanLeft(int w, int h, int L) {
    const int cy = h / 2;
    volatile double turned = L * kStep;
    const double c = Cot(kPi / 2 - turned);
    CCoverage out(w, h);
    if (L <= 128) {
        out.Mark(0, cy, w, 2 * cy);
        if (L < 128)
            for (int j = 0; j < cy; ++j) out.MarkRow(j, T(cy - j, c), w);
    } else {
        for (int j = cy; j < h; ++j) out.MarkRow(j, 0, T(cy - j, c));
    }
    return out;
}
CCoverage FanRight(int w, int h, int L) {
    const int cy = h / 2;
    volatile double turned = L * kStep;
    const double c = Cot(kPi / 2 - turned);
    CCoverage out(w, h);
    if (L <= 128) {
        out.Mark(0, 0, w, cy);
        if (L < 128)
            for (int j = cy; j < h; ++j) out.MarkRow(j, 0, w + T(cy - j, c));
    } else {
        for (int j = 0; j < cy; ++j) out.MarkRow(j, w - std::min(T(j - cy, c), w), w);
    }
    return out;
}
// FanTop and FanBottom: the right half less the wedge the edge has passed.
CCoverage FanEdge(int w, int h, int L, bool bottom) {
    const int cx = w / 2;
    volatile double turned = L * kStep;
    const double c = bottom ? Cot(turned) : Cot(kPi - turned);
    CCoverage out(w, h);
    for (int j = 0; j < h; ++j) {
        const int d = bottom ? h - j : j;
        if (L < 128) {
            out.MarkRow(j, cx, 2 * cx);
            out.MarkRow(j, cx - std::min(T(bottom ? d : -d, c), cx), cx);
        } else {
            out.MarkRow(j, cx + T(bottom ? -d : d, c), 2 * cx);
        }
    }
    return out;
}
CCoverage FanTop(int w, int h, int L) { return FanEdge(w, h, L, false); }
CCoverage FanBottom(int w, int h, int L) { return FanEdge(w, h, L, true); }

// Tereco: per line, by its parity (or place in a group of four).
CCoverage Tereco(int w, int h, int L, bool rows, bool twoStage) {
    const int length = rows ? w : h;
    return Pixels(w, h, [&](int i, int j) {
        const int line = rows ? j : i;
        const int along = rows ? i : j;
        int kept;
        bool fromStart;
        if (!twoStage) {
            kept = (255 - L) * length / 256;
            fromStart = line % 2 == 0;
        } else {
            const int place = line % 4;
            if (place == 0 || place == 2) {
                kept = (255 - L) * length / 128;
            } else {
                kept = 255 - L > 128 ? (127 - L) * length / 128 : 0;
            }
            fromStart = place < 2;
        }
        return fromStart ? along < kept : along >= length - kept;
    });
}
CCoverage TerecoH(int w, int h, int L) { return Tereco(w, h, L, true, false); }
CCoverage TerecoV(int w, int h, int L) { return Tereco(w, h, L, false, false); }
CCoverage TerecoHDouble(int w, int h, int L) { return Tereco(w, h, L, true, true); }
CCoverage TerecoVDouble(int w, int h, int L) { return Tereco(w, h, L, false, true); }

// Blind: each 16-line slat keeps n = (255 − L)/16 lines.
CCoverage BlindLeft(int w, int h, int L) {
    return Pixels(w, h, [&](int i, int) { return i % 16 < (255 - L) / 16; });
}
CCoverage BlindRight(int w, int h, int L) {
    return Pixels(w, h, [&](int i, int) { return i % 16 >= 16 - (255 - L) / 16; });
}
CCoverage BlindUp(int w, int h, int L) {
    return Pixels(w, h, [&](int, int j) { return j % 16 < (255 - L) / 16; });
}
CCoverage BlindDown(int w, int h, int L) {
    return Pixels(w, h, [&](int, int j) { return j % 16 >= 16 - (255 - L) / 16; });
}
CCoverage BlindSlant(int w, int h, int L) {
    return Pixels(w, h, [&](int i, int j) { return (i + j % 16) % 16 < (255 - L) / 16; });
}

// Curtain: column (row) p, counted from the starting side, lies in stripe
// p / 16, of which min(16, T − k) lines stay while k < min(N, T).
bool InCurtain(int p, int stripes, int L) {
    const int drawn = (stripes + 16) * (255 - L) / 256;
    const int k = p / 16;
    return k < stripes && k < drawn && p % 16 < std::min(16, drawn - k);
}
CCoverage CurtainLeft(int w, int h, int L) {
    return Pixels(w, h, [&](int i, int) { return InCurtain(i, (w + 16) / 16, L); });
}
CCoverage CurtainRight(int w, int h, int L) {
    return Pixels(w, h, [&](int i, int) { return InCurtain(w - 1 - i, (w + 16) / 16, L); });
}
CCoverage CurtainUp(int w, int h, int L) {
    return Pixels(w, h, [&](int, int j) { return InCurtain(j, (h + 17) / 16, L); });
}
CCoverage CurtainDown(int w, int h, int L) {
    return Pixels(w, h, [&](int, int j) { return InCurtain(h - 1 - j, (h + 17) / 16, L); });
}

struct NamedModel {
    const char* name;
    WipeModel model;
};

#define MODEL(name) \
    { #name, &name }
const NamedModel kModels[] = {
    MODEL(LinearDown),      MODEL(LinearUp),       MODEL(LinearLeft),      MODEL(LinearRight),
    MODEL(RectCenter),      MODEL(RectTopLeft),    MODEL(RectTopRight),    MODEL(RectBottomLeft),
    MODEL(RectBottomRight), MODEL(BoxCenter),      MODEL(BoxTopLeft),      MODEL(BoxTopRight),
    MODEL(BoxBottomLeft),   MODEL(BoxBottomRight), MODEL(CircleTop),       MODEL(CircleBottom),
    MODEL(CircleLeft),      MODEL(CircleRight),    MODEL(CircleCenter),    MODEL(HoleTop),
    MODEL(HoleBottom),      MODEL(HoleLeft),       MODEL(HoleRight),       MODEL(HoleCenter),
    MODEL(BlindRight),      MODEL(BlindLeft),      MODEL(BlindUp),         MODEL(BlindDown),
    MODEL(BlindSlant),      MODEL(CurtainLeft),    MODEL(CurtainRight),    MODEL(CurtainUp),
    MODEL(CurtainDown),     MODEL(TerecoH),        MODEL(TerecoV),         MODEL(TerecoHDouble),
    MODEL(TerecoVDouble),   MODEL(FanCenter),      MODEL(FanTop),          MODEL(FanBottom),
    MODEL(FanLeft),         MODEL(FanRight),       MODEL(FanCenterDouble),
};
#undef MODEL

}  // namespace

WipeModel FindWipeModel(const std::string& kind) {
    for (const NamedModel& entry : kModels)
        if (kind == entry.name) return entry.model;
    return nullptr;
}
