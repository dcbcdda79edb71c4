#include <cmath>
#include <cstdlib>

#include "text/balloon/shape_generators.h"

namespace {

const double kPi = 3.141592653589793;

int Trunc(double value) { return static_cast<int>(value); }

const RectSide kAllSides[4] = {kSideTop, kSideRight, kSideBottom, kSideLeft};

// The points 1 to n - 1 of every side, each moved inward by inward(j); a
// side of n <= 1 segments adds nothing.
template <typename Segments, typename Inward>
std::vector<POINT> InnerSidePoints(const CShapeBuilder& s, int inset, Segments segments,
                                   Inward inward) {
    std::vector<POINT> points;
    for (RectSide side : kAllSides) {
        const int n = segments(s.SideLength(side));
        for (int j = 1; j < n; ++j) points.push_back(s.SidePoint(side, inset, j, n, inward(j)));
    }
    return points;
}

// The points 0 to n - 1 of every side (the corner at each side's start
// included), unmoved.
template <typename Segments>
std::vector<POINT> CornerSidePoints(const CShapeBuilder& s, int inset, Segments segments) {
    std::vector<POINT> points;
    for (RectSide side : kAllSides) {
        const int n = segments(s.SideLength(side));
        for (int j = 0; j < n; ++j) points.push_back(s.SidePoint(side, inset, j, n, 0));
    }
    return points;
}

// Every point moved by rand() % (2 reach + 1) - reach in x, then in y.
CGdiRegion Jittered(std::vector<POINT> points, int reach) {
    for (POINT& p : points) {
        p.x += std::rand() % (2 * reach + 1) - reach;
        p.y += std::rand() % (2 * reach + 1) - reach;
    }
    return MakePolygonRegion(points);
}

int EighthPairs(int side) { return side / 8 / 2 * 2; }

CGdiRegion JaggedRect(CShapeBuilder& s) {
    return MakePolygonRegion(
        InnerSidePoints(s, 4, EighthPairs, [](int j) { return j % 2 == 0 ? 4.0 : 0.0; }));
}

CGdiRegion RippleRect(CShapeBuilder& s) {
    return MakePolygonRegion(InnerSidePoints(s, 2, [](int side) { return side / 64 * 8; },
                                             [](int j) { return 2 * std::sin(j * kPi / 4); }));
}

int SpineSegments(int side) { return side / 32 * 8 / 2 * 2; }

CGdiRegion SpineRect(CShapeBuilder& s) {
    return MakePolygonRegion(InnerSidePoints(s, 16, SpineSegments, [](int j) {
        return -(1 - std::sin(std::fmod(j * kPi / 8, kPi))) * 16;
    }));
}

CGdiRegion SawRect(CShapeBuilder& s) {
    return MakePolygonRegion(InnerSidePoints(s, 16, SpineSegments, [](int j) {
        return -(1 - std::sin(std::fmod(j * kPi / 16, kPi / 2))) * 16;
    }));
}

CGdiRegion HollyRect(CShapeBuilder& s) {
    return MakePolygonRegion(
        InnerSidePoints(s, 0, [](int side) { return side / 32 / 2 * 34 + 17; }, [](int j) {
            double depth = (j / 17) % 2 != 0 ? 24 : 12;
            return -std::sin(std::fmod(j * 0.18479956785822313 + kPi / 2, kPi) + kPi) * depth;
        }));
}

CGdiRegion PlosiveRect(CShapeBuilder& s) {
    return MakePolygonRegion(
        InnerSidePoints(s, 24, [](int side) { return side / 32 / 2 * 32 + 16; }, [](int j) {
            double depth = (j / 16) % 2 != 0 ? 24 : 12;
            return -(std::sin(std::fmod(j * kPi / 16 + kPi / 2, kPi) + kPi) + 1) * depth;
        }));
}

// Petals along the sides and a quarter circle of radius 24 about each inset
// corner after its side.
CGdiRegion FlowerRect(CShapeBuilder& s) {
    const int inset = 24;
    const POINT corners[4] = {{s.x + s.w - inset, s.y + inset},
                              {s.x + s.w - inset, s.y + s.h - inset},
                              {s.x + inset, s.y + s.h - inset},
                              {s.x + inset, s.y + inset}};
    std::vector<POINT> points;
    for (int c = 0; c < 4; ++c) {
        RectSide side = kAllSides[c];
        const int n = (s.SideLength(side) / 64 * 16) / 2 * 2;
        for (int j = 1; j < n; ++j) {
            double outward = 24 * std::sin(std::fmod(j * kPi / 16 + kPi / 2, kPi));
            points.push_back(s.SidePoint(side, inset, j, n, -outward));
        }
        const double start = kPi / 2 - c * kPi / 2;
        for (int k = 1; k <= 7; ++k) {
            double a = start - k * kPi / 16;
            points.push_back(POINT{Trunc(24 * std::cos(a) + corners[c].x),
                                   Trunc(corners[c].y - 24 * std::sin(a))});
        }
    }
    return MakePolygonRegion(points);
}

CGdiRegion TearRect(CShapeBuilder& s) {
    return Jittered(CornerSidePoints(s, 12, [](int side) { return side / 8 + 1; }), 4);
}

CGdiRegion FlickerRect(CShapeBuilder& s) {
    return Jittered(CornerSidePoints(s, 2, [](int side) { return side / 32 + 1; }), 2);
}

CGdiRegion WormRect(CShapeBuilder& s) {
    std::vector<POINT> points;
    for (RectSide side : kAllSides) {
        const int n = s.SideLength(side) / 8 + 1;
        for (int j = 0; j < n; ++j) {
            int dent = std::rand() % 10 == 0 ? std::rand() % 6 : 0;
            points.push_back(s.SidePoint(side, 12, j, n, dent));
        }
    }
    return MakePolygonRegion(points);
}

CGdiRegion NumbRect(CShapeBuilder& s) {
    std::vector<POINT> points;
    for (RectSide side : kAllSides) {
        const bool across = side == kSideTop || side == kSideBottom;
        const int n = across ? s.w / 2 + 1 : s.h / 2 + 1;
        const int first = across ? 0 : 1;
        const int last = across ? n : n - 1;
        for (int j = first; j <= last; ++j) {
            points.push_back(s.SidePoint(side, 4, j, n, std::rand() % 4));
        }
    }
    return MakePolygonRegion(points);
}

// Two points at every inner segment boundary, the inward offset switching
// between 0 and 4 in between.
CGdiRegion BlockRect(CShapeBuilder& s) {
    std::vector<POINT> points;
    int offset = 0;
    for (RectSide side : kAllSides) {
        const int n = EighthPairs(s.SideLength(side)) + 1;
        for (int j = 1; j < n; ++j) {
            points.push_back(s.SidePoint(side, 4, j, n, offset));
            offset = 4 - offset;
            points.push_back(s.SidePoint(side, 4, j, n, offset));
        }
    }
    return MakePolygonRegion(points);
}

// An inward step of 2 that sets in rarely and ends soon.
CGdiRegion StepRect(CShapeBuilder& s) {
    std::vector<POINT> points;
    int offset = 0;
    for (RectSide side : kAllSides) {
        const int n = EighthPairs(s.SideLength(side));
        for (int j = 0; j < n; ++j) {
            int v = offset == 0 ? std::rand() % 20 : std::rand() % 2;
            if (v == 0) {
                points.push_back(s.SidePoint(side, 2, j, n, offset));
                offset = 2 - offset;
            }
            points.push_back(s.SidePoint(side, 2, j, n, offset));
        }
    }
    return MakePolygonRegion(points);
}

// The two sides a noise or shock rectangle walks; the other two stay straight.
struct SidePair {
    RectSide first, second;
    bool movesX;
};

const SidePair kUprightSides{kSideRight, kSideLeft, true};
const SidePair kLevelSides{kSideTop, kSideBottom, false};

// Points 0 to n of the two sides (inset 12), each moved along x or y by
// the offset move(j, n) returns.
template <typename Move>
std::vector<POINT> TwoSideWalk(const CShapeBuilder& s, const SidePair& pair, int n, Move move) {
    std::vector<POINT> points;
    for (RectSide side : {pair.first, pair.second}) {
        for (int j = 0; j <= n; ++j) {
            int offset = move(j, n);
            POINT p = s.SidePoint(side, 12, j, n, 0);
            (pair.movesX ? p.x : p.y) += offset;
            points.push_back(p);
        }
    }
    return points;
}

struct NoiseRectForm {
    SidePair sides;
    int segmentDivisor;  // n = h / divisor + 1
    int amplitude;
    bool halveNegative;
};

// Straight sides with rare bursts of eight noise offsets.
CGdiRegion NoiseRectFigure(CShapeBuilder& s, const NoiseRectForm& form) {
    int c = 0;
    const int n = s.h / form.segmentDivisor + 1;
    return MakePolygonRegion(TwoSideWalk(s, form.sides, n, [&](int j, int count) {
        if (c == 0 && std::rand() % 40 == 0 && j >= 9 && count - j >= 9) c = 8;
        if (c == 0) return 0;
        int v = std::rand() % (1 - Trunc(std::sin(c * kPi / 8) * -form.amplitude));
        if (c % 2 != 0) v = form.halveNegative ? -v / 2 : -v;
        --c;
        return v;
    }));
}

CGdiRegion HNoiseRect(CShapeBuilder& s) { return NoiseRectFigure(s, {kUprightSides, 4, 16, false}); }
CGdiRegion VNoiseRect(CShapeBuilder& s) { return NoiseRectFigure(s, {kLevelSides, 4, 16, false}); }
CGdiRegion ExactNoiseRect(CShapeBuilder& s) {
    return NoiseRectFigure(s, {kUprightSides, 2, 48, true});
}

struct ShockRectForm {
    SidePair sides;
    int segmentDivisor;
    int tremble;  // d = rand() % tremble
    int startChance;
    int fromStart, fromEnd;  // the least distance of a burst's start from the ends
    int burst;  // c, and the sine's step pi / c
    int amplitude;
    bool halvePositive;
};

CGdiRegion ShockRectFigure(CShapeBuilder& s, const ShockRectForm& form) {
    int c = 0;
    const int n = s.h / form.segmentDivisor + 1;
    return MakePolygonRegion(TwoSideWalk(s, form.sides, n, [&](int j, int count) {
        int d = std::rand() % form.tremble;
        if (c == 0 && std::rand() % form.startChance == 0 && j >= form.fromStart &&
            count - j >= form.fromEnd) {
            c = form.burst;
        }
        if (c > 0) {
            d += std::rand() % (1 - Trunc(std::sin(c * kPi / form.burst) * -form.amplitude));
            --c;
        }
        if (j % 2 != 0) d = -d;
        if (form.halvePositive && d > 0) d /= 2;
        return d;
    }));
}

CGdiRegion HShockRect(CShapeBuilder& s) {
    return ShockRectFigure(s, {kUprightSides, 4, 4, 20, 7, 7, 6, 24, false});
}
CGdiRegion VShockRect(CShapeBuilder& s) {
    return ShockRectFigure(s, {kLevelSides, 4, 12, 20, 9, 9, 8, 24, true});
}
CGdiRegion ExactShockRect(CShapeBuilder& s) {
    return ShockRectFigure(s, {kUprightSides, 2, 4, 10, 7, 6, 6, 32, false});
}

}  // namespace

std::vector<ShapeRow> TexturedRectRows() {
    return {
        {kShapeRippleRect, RippleRect, 1, kTailRectangle},
        {kShapeFlickerRect, FlickerRect, 1, kTailRectangle},
        {kShapeWormRect, WormRect, 1, kTailRectangle},
        {kShapeStepRect, StepRect, 1, kTailRectangle},
        {kShapeNumbRect, NumbRect, 1, kTailRectangle},
        {kShapeHNoiseRect, HNoiseRect, 1, kTailRectangle},
        {kShapeVNoiseRect, VNoiseRect, 1, kTailRectangle},
        {kShapeExactNoiseRect, ExactNoiseRect, 1, kTailRectangle},
        {kShapeHShockRect, HShockRect, 1, kTailRectangle},
        {kShapeVShockRect, VShockRect, 1, kTailRectangle},
        {kShapeExactShockRect, ExactShockRect, 1, kTailRectangle},
        {kShapeBlockRect, BlockRect, 1, kTailRectangle},
        {kShapeJaggedRect, JaggedRect, 1, kTailRectangle},
        {kShapeTearRect, TearRect, 1, kTailRectangle},
        {kShapeSpineRect, SpineRect, 1, kTailRectangle},
        {kShapeSawRect, SawRect, 1, kTailRectangle},
        {kShapeFlowerRect, FlowerRect, 1, kTailRectangle},
        {kShapeHollyRect, HollyRect, 1, kTailRectangle},
        {kShapePlosiveRect, PlosiveRect, 1, kTailRectangle},
    };
}
