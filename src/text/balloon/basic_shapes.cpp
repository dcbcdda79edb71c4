#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "text/balloon/shape_generators.h"

namespace {

const double kPi = 3.141592653589793;

int Trunc(double value) { return static_cast<int>(value); }

double Radians(double degrees) { return degrees * kPi / 180.0; }

CGdiRegion Rectangle(CShapeBuilder& s) { return s.ShapeRectangle(0); }

CGdiRegion Ellipse(CShapeBuilder& s) { return s.ShapeEllipse(0); }

// A regular n-gon inscribed in the shape rectangle, corner 0 pointing away
// from the tail.
CGdiRegion RegularPolygon(CShapeBuilder& s, int n) {
    std::vector<POINT> points;
    for (int j = 0; j < n; ++j) {
        double t = j * 2 * kPi / n + Radians(180 - s.tailAngle);
        points.push_back(POINT{Trunc((std::cos(t) + 1) * s.halfW + s.x),
                               Trunc((std::sin(t) + 1) * s.halfH + s.y)});
    }
    return MakePolygonRegion(points);
}

CGdiRegion Pentagon(CShapeBuilder& s) { return RegularPolygon(s, 5); }
CGdiRegion Octagon(CShapeBuilder& s) { return RegularPolygon(s, 8); }
CGdiRegion Polygon12(CShapeBuilder& s) { return RegularPolygon(s, 12); }

CGdiRegion RoundRect(CShapeBuilder& s) {
    return MakeRoundRectRegion(s.x, s.y, s.x + s.w, s.y + s.h, 64, 64);
}

CGdiRegion AngleRect(CShapeBuilder& s) {
    const int w = s.w, h = s.h;
    const POINT corners[8] = {{64, 0}, {w - 64, 0}, {w, 64},     {w, h - 64},
                              {w - 64, h}, {64, h}, {0, h - 64}, {0, 64}};
    std::vector<POINT> points;
    for (POINT p : corners) points.push_back(POINT{p.x + s.x, p.y + s.y});
    return MakePolygonRegion(points);
}

CGdiRegion PolyRect(CShapeBuilder& s) {
    const int bw = std::max(s.w, 300), bh = std::max(s.h, 300);
    // Each coordinate counts from the near edge (base + j) or from the far
    // edge of the box (far - j - base).
    struct Corner {
        int xFar, xBase, yFar, yBase;
    };
    static const Corner kCorners[12] = {
        {0, 96, 0, 0},  {1, 96, 0, 0},   {1, 24, 0, 24}, {1, 0, 0, 96},
        {1, 0, 1, 96},  {1, 24, 1, 24},  {1, 96, 1, 0},  {0, 96, 1, 0},
        {0, 24, 1, 24}, {0, 0, 1, 96},   {0, 0, 0, 96},  {0, 24, 0, 24},
    };
    std::vector<POINT> points;
    for (const Corner& c : kCorners) {
        int jx = std::rand() % 16;
        int jy = std::rand() % 16;
        int px = c.xFar ? bw - jx - c.xBase : jx + c.xBase;
        int py = c.yFar ? bh - jy - c.yBase : jy + c.yBase;
        if (s.w < 300) px = px * s.w / 300;
        if (s.h < 300) py = py * s.h / 300;
        points.push_back(POINT{px + s.x, py + s.y});
    }
    return MakePolygonRegion(points);
}

// The rectangle's corners moved inward by rand() % reach, corner by corner,
// x then y, clockwise from the top left.
std::vector<POINT> StrainedCorners(const CShapeBuilder& s, int reach) {
    static const int kDirections[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    const POINT corners[4] = {
        {s.x, s.y}, {s.x + s.w, s.y}, {s.x + s.w, s.y + s.h}, {s.x, s.y + s.h}};
    std::vector<POINT> points;
    for (int c = 0; c < 4; ++c) {
        int dx = std::rand() % reach;
        int dy = std::rand() % reach;
        points.push_back(POINT{corners[c].x + kDirections[c][0] * dx,
                               corners[c].y + kDirections[c][1] * dy});
    }
    return points;
}

CGdiRegion StrainRect(CShapeBuilder& s) { return MakePolygonRegion(StrainedCorners(s, 24)); }

CGdiRegion Emerald(CShapeBuilder& s) {
    static const int kCuts[4][2][2] = {
        {{-16, 16}, {16, -16}}, {{-16, -16}, {16, 16}},
        {{16, -16}, {-16, 16}}, {{16, 16}, {-16, -16}}};
    std::vector<POINT> corners = StrainedCorners(s, 32);
    std::vector<POINT> points;
    for (int c = 0; c < 4; ++c) {
        for (const auto& cut : kCuts[c]) {
            points.push_back(POINT{corners[c].x + cut[0], corners[c].y + cut[1]});
        }
    }
    return MakePolygonRegion(points);
}

CGdiRegion Ice(CShapeBuilder& s) {
    std::vector<POINT> points;
    for (int j = 0; j < 7; ++j) {
        double t = j * 2 * kPi / 7 + Radians(180 - s.tailAngle);
        int px = Trunc(2 * (std::cos(t) * (s.W / 2 - 8) + s.W / 2));
        int py = Trunc(2 * (std::sin(t) * (s.H / 2 - 8) + s.H / 2));
        px += std::rand() % 33 - 16;
        py += std::rand() % 33 - 16;
        points.push_back(POINT{px, py});
    }
    return MakePolygonRegion(points);
}

// Point of Rock and Wart: relative radius k of the shape rectangle.
POINT ScaledEllipsePoint(const CShapeBuilder& s, double t, double k) {
    return POINT{Trunc(std::cos(t) * s.w * k * 0.5 + s.halfW + s.x),
                 Trunc(std::sin(t) * s.h * k * 0.5 + s.halfH + s.y)};
}

CGdiRegion Rock(CShapeBuilder& s) {
    std::vector<POINT> points;
    for (int j = 0; j < 32; ++j) {
        double k = (std::rand() % 10 + 90) / 100.0;
        points.push_back(ScaledEllipsePoint(s, j * kPi / 16, k));
    }
    return MakePolygonRegion(points);
}

CGdiRegion Wart(CShapeBuilder& s) {
    std::vector<POINT> points;
    for (int j = 0; j < 64; ++j) {
        double k = j % 4 < 2 ? 0.9 : 0.8;
        points.push_back(ScaledEllipsePoint(s, j * kPi / 32, k));
    }
    return MakePolygonRegion(points);
}

CGdiRegion Pool(CShapeBuilder& s) {
    int o = std::rand() % 18;
    std::vector<POINT> points;
    for (int j = 0; j < 128; ++j) {
        double k = (std::sin((j + o) * 0.3436116964863836) + 1) * 0.5 * 0.1f + 0.9f;
        double t = j * 2 * kPi / 128;
        points.push_back(POINT{Trunc(std::cos(t) * s.halfW * k + s.halfW + s.x),
                               Trunc(std::sin(t) * s.halfH * k + s.halfH + s.y)});
    }
    return MakePolygonRegion(points);
}

// Star and FatStar: 32 points in balloon pixels, doubled; the outer points
// (even o + j) draw their reach.
CGdiRegion StarFigure(CShapeBuilder& s, bool fat) {
    int o = std::rand() % 4;
    std::vector<POINT> points;
    for (int j = 0; j < 32; ++j) {
        double k;
        if ((o + j) % 2 == 0) {
            k = fat ? (std::rand() % 15 + 85) / 100.0
                    : (((o + j) % 4 == 0 ? 20 : 0) + std::rand() % 20 + 60) / 100.0;
        } else {
            k = fat ? 0.7 : 0.5;
        }
        double t = j * kPi / 16;
        points.push_back(POINT{Trunc(2 * (std::cos(t) * s.W * k * 0.5 + s.W / 2)),
                               Trunc(2 * (std::sin(t) * s.H * k * 0.5 + s.H / 2))});
    }
    return MakePolygonRegion(points);
}

CGdiRegion Star(CShapeBuilder& s) { return StarFigure(s, false); }
CGdiRegion FatStar(CShapeBuilder& s) { return StarFigure(s, true); }

CGdiRegion Lump(CShapeBuilder& s) {
    const int x = s.x, y = s.y, w = s.w, h = s.h;
    CGdiRegion region = MakeEllipseRegion(x, y, x + w, Trunc(y + h - 0.1 * h));
    region.Combine(MakeEllipseRegion(Trunc(x + 0.1 * w), Trunc(y + 0.2 * h),
                                     Trunc(x + w - 0.2 * w), y + h),
                   RGN_OR);
    return region;
}

// The central ellipse and eight puffs around it; the two puffs beside the
// tail take a second draw for their size.
CGdiRegion CloudFigure(CShapeBuilder& s, double step, double base, double sideStep,
                       double sideBase) {
    const int W = s.W, H = s.H;
    CGdiRegion region = MakeEllipseRegion(2 * W / 4, 2 * H / 4, 6 * W / 4, 6 * H / 4);
    for (int p = 0; p < 8; ++p) {
        double t = kPi / 8 - s.tailRadians + p * kPi / 4;
        int cx = Trunc(2 * (std::cos(t) * (W / 4) + W / 2));
        int cy = Trunc(2 * (std::sin(t) * (H / 4) + H / 2));
        double f = (std::rand() % 10) * step + base;
        if (p == 0 || p == 7) f = (std::rand() % 10) * sideStep + sideBase;
        int ax = Trunc((W / 2) * f), ay = Trunc((H / 2) * f);
        region.Combine(MakeEllipseRegion(cx - ax, cy - ay, cx + ax, cy + ay), RGN_OR);
    }
    return region;
}

CGdiRegion Cloud(CShapeBuilder& s) { return CloudFigure(s, 0.045, 0.55, 0.01, 0.7); }
CGdiRegion ThinkCloud(CShapeBuilder& s) { return CloudFigure(s, 0.05, 0.5, 0.01, 0.5); }

CGdiRegion ThinkEllipse(CShapeBuilder& s) { return s.ShapeEllipse(16); }

// An outer ring 4 wide, a gap of 4 and the inside.
CGdiRegion DoubleFigure(CShapeBuilder& s, CGdiRegion (CShapeBuilder::*figure)(int) const) {
    CGdiRegion region = (s.*figure)(0);
    region.Combine((s.*figure)(4), RGN_XOR);
    region.Combine((s.*figure)(8), RGN_OR);
    return region;
}

CGdiRegion DoubleEllipse(CShapeBuilder& s) { return DoubleFigure(s, &CShapeBuilder::ShapeEllipse); }
CGdiRegion DoubleRect(CShapeBuilder& s) { return DoubleFigure(s, &CShapeBuilder::ShapeRectangle); }

// A rim 4 wide with the tail, which is added before the inside is cut away.
CGdiRegion RimFigure(CShapeBuilder& s, CGdiRegion (CShapeBuilder::*figure)(int) const,
                     int tail) {
    s.Paint() = (s.*figure)(0);
    s.AddTail(tail);
    CGdiRegion region = std::move(s.Paint());
    region.Combine((s.*figure)(4), RGN_DIFF);
    return region;
}

CGdiRegion RimEllipse(CShapeBuilder& s) {
    return RimFigure(s, &CShapeBuilder::ShapeEllipse, kTailEllipse);
}
CGdiRegion RimRect(CShapeBuilder& s) {
    return RimFigure(s, &CShapeBuilder::ShapeRectangle, kTailRectangle);
}

CGdiRegion LackEllipse(CShapeBuilder& s) {
    double a = Radians(std::rand() % 270 + s.tailAngle + 45);
    double cx = s.x + s.halfW + (s.halfW - 16) * std::cos(a);
    double cy = s.y + s.halfH - (s.halfH - 16) * std::sin(a);
    static const double kNotch[3][2] = {{32, -12}, {-4, 0}, {32, 12}};
    std::vector<POINT> points;
    for (const auto& c : kNotch) points.push_back(CShapeBuilder::TurnCorner(c[0], c[1], a, cx, cy));
    CGdiRegion region = s.ShapeEllipse(0);
    region.Combine(MakePolygonRegion(points), RGN_DIFF);
    return region;
}

CGdiRegion LackRect(CShapeBuilder& s) {
    double a = Radians(std::rand() % 270 + s.tailAngle + 45);
    double cx, cy;
    s.RectangleAnchor(a, cx, cy);
    static const double kNotch[3][2] = {{32, -6}, {4, 0}, {32, 6}};
    std::vector<POINT> points;
    for (const auto& c : kNotch) {
        POINT p = CShapeBuilder::TurnCorner(c[0], c[1], a, cx, cy);
        p.x = std::min(std::max(p.x, 0L), static_cast<LONG>(s.W)) * 2;
        p.y = std::min(std::max(p.y, 0L), static_cast<LONG>(s.H)) * 2;
        points.push_back(p);
    }
    CGdiRegion region = s.ShapeRectangle(0);
    region.Combine(MakePolygonRegion(points), RGN_DIFF);
    return region;
}

}  // namespace

std::vector<ShapeRow> BasicShapeRows() {
    return {
        {kShapeRectangle, Rectangle, 1, kTailRectangle},
        {kShapePentagon, Pentagon, 0, kTailEllipse},
        {kShapeOctagon, Octagon, 0, kTailEllipse},
        {kShapePolygon, Polygon12, 1, kTailEllipse},
        {kShapeEllipse, Ellipse, 0, kTailEllipse},
        {kShapePolyRect, PolyRect, 1, kTailCorner},
        {kShapeIce, Ice, 0, kTailEllipse},
        {kShapeRock, Rock, 0, kTailEllipse},
        {kShapeStrainRect, StrainRect, 1, kTailRectangle},
        {kShapeEmerald, Emerald, 1, kTailRectangle},
        {kShapeRoundRect, RoundRect, 1, kTailRectangle},
        {kShapeAngleRect, AngleRect, 1, kTailCorner},
        {kShapeThinkEllipse, ThinkEllipse, 0, kThinkTail},
        {kShapeThinkCloud, ThinkCloud, 0, kThinkTail},
        {kShapeCloud, Cloud, 0, kTailEllipse},
        {kShapeStar, Star, 2, kNoTail},
        {kShapeFatStar, FatStar, 0, kNoTail},
        {kShapePool, Pool, 0, kTailEllipse},
        {kShapeWart, Wart, 0, kTailEllipse},
        {kShapeLump, Lump, 0, kTailEllipse},
        {kShapeLackEllipse, LackEllipse, 0, kTailEllipse},
        {kShapeLackRect, LackRect, 1, kTailRectangle},
        {kShapeDoubleEllipse, DoubleEllipse, 0, kTailEllipse},
        {kShapeDoubleRect, DoubleRect, 1, kTailRectangle},
        {kShapeRimEllipse, RimEllipse, 0, kNoTail},
        {kShapeRimRect, RimRect, 1, kNoTail},
    };
}
