#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "text/balloon/shape_generators.h"

namespace {

const double kPi = 3.141592653589793;

int Trunc(double value) { return static_cast<int>(value); }

int Normalized360(int degrees) { return ((degrees % 360) + 360) % 360; }

// trunc(hypot(w, h) * factor): the point count of many walks.
int CountFrom(const CShapeBuilder& s, double factor) { return Trunc(s.Diagonal() * factor); }

// One point per step, each step's angle and offsets given by the caller.
template <typename Step>
std::vector<POINT> Walk(const CShapeBuilder& s, int count, Step step) {
    std::vector<POINT> points;
    if (s.D == 0) return points;
    for (int i = 0; i < count; ++i) step(i, i * 2 * kPi / count, points);
    return points;
}

CGdiRegion NumbEllipse(CShapeBuilder& s) {
    return MakePolygonRegion(
        s.EllipseWalk(s.D, 0.0, [&](int) { return static_cast<double>(s.D - std::rand() % 16); }));
}

CGdiRegion JaggedCircle(CShapeBuilder& s) {
    const int n = CountFrom(s, 0.25) / 2 * 2;
    return MakePolygonRegion(s.EllipseWalk(
        n, 0.0, [&](int i) { return static_cast<double>(i % 2 == 0 ? s.D : s.D - 16); }));
}

// Two points at every step, the radius switching between D and D - 16.
CGdiRegion BlockEllipse(CShapeBuilder& s) {
    const int n = CountFrom(s, 0.25) / 2 * 2;
    int offset = 0;
    return MakePolygonRegion(Walk(s, n, [&](int, double t, std::vector<POINT>& points) {
        points.push_back(s.EllipsePoint(t, s.D + offset));
        offset = offset == 0 ? -16 : 0;
        points.push_back(s.EllipsePoint(t, s.D + offset));
    }));
}

CGdiRegion TearEllipse(CShapeBuilder& s) {
    return MakePolygonRegion(
        Walk(s, CountFrom(s, 0.25), [&](int, double t, std::vector<POINT>& points) {
            POINT p = s.EllipsePoint(t, s.D);
            p.x += std::rand() % 9 - 4;
            p.y += std::rand() % 9 - 4;
            points.push_back(p);
        }));
}

// 32 points with a jittered angle and a drift that wanders within
// -reach..reach.
std::vector<POINT> FlickerOutline(const CShapeBuilder& s, int reach) {
    std::vector<POINT> points;
    int e = 0;
    for (int j = 0; j < 32; ++j) {
        double t = (j + (std::rand() % 5 - 2) * 0.1) * kPi / 16;
        points.push_back(POINT{Trunc(std::cos(t) * s.halfW + e + s.halfW + s.x),
                               Trunc(std::sin(t) * s.halfH + s.halfH + e + s.y)});
        e += std::rand() % 2 == 0 ? -1 : 1;
        e = std::min(std::max(e, -reach), reach);
    }
    return points;
}

CGdiRegion FlickerEllipse(CShapeBuilder& s) { return MakePolygonRegion(FlickerOutline(s, 8)); }

CGdiRegion RippleEllipse(CShapeBuilder& s) {
    const int D = s.D;
    const int r = std::rand();
    const int k = D / 32 * 2;
    return MakePolygonRegion(
        s.EllipseWalk(D, 0.0, [&](int i) { return D + 8 * std::sin((i + r) * k * kPi / D); }));
}

CGdiRegion WormEllipse(CShapeBuilder& s) {
    return MakePolygonRegion(
        Walk(s, CountFrom(s, 0.25), [&](int, double t, std::vector<POINT>& points) {
            int d = std::rand() % 10 == 0 ? -(std::rand() % 6) : 0;
            points.push_back(POINT{Trunc(std::cos(t) * (s.halfW + d) + s.halfW + s.x),
                                   Trunc(std::sin(t) * (s.halfH + d) + s.halfH + s.y)});
        }));
}

CGdiRegion StepEllipse(CShapeBuilder& s) {
    int offset = 0;
    return MakePolygonRegion(
        Walk(s, CountFrom(s, 0.25), [&](int, double t, std::vector<POINT>& points) {
            int v = offset == 0 ? std::rand() % 20 : std::rand() % 2;
            if (v == 0) {
                points.push_back(s.EllipsePoint(t, s.D + offset));
                offset = offset == 0 ? -16 : 0;
            }
            points.push_back(s.EllipsePoint(t, s.D + offset));
        }));
}

// Spines, saw teeth and petals: a periodic radius turned with the tail.
CGdiRegion SpineEllipse(CShapeBuilder& s) {
    const int D = s.D, k = D / 32;
    const double phase = s.tailRadians * k;
    return MakePolygonRegion(s.EllipseWalk(D, 0.0, [&](int i) {
        return D + 64 * std::sin(std::fmod(i * k * kPi / D + phase + kPi / 2, kPi) + kPi);
    }));
}

CGdiRegion SawEllipse(CShapeBuilder& s) {
    const int D = s.D, k = D / 32 / 2 * 2;
    const double phase = s.tailRadians * k;
    return MakePolygonRegion(s.EllipseWalk(D, 0.0, [&](int i) {
        return D + 32 * std::sin(std::fmod(i * k * kPi / D + phase + kPi / 2, kPi) + kPi / 2);
    }));
}

CGdiRegion FlowerEllipse(CShapeBuilder& s) {
    const int D = s.D, k = D / 64 * 2;
    const double phase = s.tailRadians * (D / 64);
    return MakePolygonRegion(s.EllipseWalk(D, 0.0, [&](int i) {
        return D - 64 + 64 * std::sin(std::fmod(i * k * kPi / D + phase, kPi));
    }));
}

// Holly and Prickle: P periods over N points, their depth alternating.
CGdiRegion HollyEllipse(CShapeBuilder& s) {
    const int D = s.D, P = D / 32 / 2 * 4, N = D / 32 / 2 * 64 + 1;
    return MakePolygonRegion(s.EllipseWalk(N, 0.0, [&](int i) {
        int q = i * P / N;
        double u = std::fmod(static_cast<double>(i) * P * kPi / N + kPi / 2, kPi) + kPi;
        return D + (q % 2 != 0 ? 64 : 32) * std::sin(u);
    }));
}

CGdiRegion PrickleEllipse(CShapeBuilder& s) {
    const int D = s.D, P = D / 32 / 2 * 4, N = D / 32 / 2 * 64 + 1;
    return MakePolygonRegion(s.EllipseWalk(N, 0.0, [&](int i) {
        int q = i * P / N;
        double u = std::fmod(static_cast<double>(i) * P * kPi / N, kPi);
        double v = q % 2 == 0 ? 64 * std::sin(u) : 16 * std::sin(u) + 48;
        return D - v;
    }));
}

// Plosive and Strike: 2m lobes of alternating depth; the lobe shape turns
// sharper in Strike.
CGdiRegion LobedFigure(CShapeBuilder& s, int m, double start, bool strike) {
    const int D = s.D, N = 32 * m;
    return MakePolygonRegion(s.EllipseWalk(N, start, [&](int i) {
        float phase = static_cast<float>(i) * static_cast<float>(2 * m) / static_cast<float>(N);
        float u = std::fmod(phase, 1.0f);
        double theta = (u >= 0.5f ? (u - 0.5) * 2 + 1 : 2.0 * u) * kPi / 2;
        double e = std::sin(theta);
        if (strike) e = 1 - (1 - e) * (1 - e);
        double v = static_cast<long long>(phase + 0.5) % 2 == 0 ? e * 128 : e * 48 + 80;
        return D - v + 48;
    }));
}

CGdiRegion PlosiveEllipse(CShapeBuilder& s) { return LobedFigure(s, s.D / 16 / 2, 0.0, false); }
CGdiRegion Strike(CShapeBuilder& s) { return LobedFigure(s, s.D / 32 / 2, -s.tailRadians, true); }

CGdiRegion Explode(CShapeBuilder& s) {
    const int D = s.D, k = D / 96, N = 2 * D;
    const double phase = Normalized360(s.tailAngle) * kPi / 180 * k + kPi / 2;
    return MakePolygonRegion(s.EllipseWalk(N, 0.0, [&](int i) {
        double q = 1 - std::sin(std::fmod(2.0 * k * i * kPi / N + phase, kPi));
        q *= q;
        return D + (2 * q - 1) * 64;
    }));
}

// Where a noise burst lands: on the radius, or on x or y alone.
enum NoiseAxis { kOnRadius, kOnX, kOnY };

struct NoiseForm {
    double countFactor;
    int amplitude;
    double negative;  // the factor of every other burst offset
    NoiseAxis axis;
};

// Plain ellipse points; one in forty starts a burst of eight offsets whose
// size follows half a sine wave.
CGdiRegion NoiseFigure(CShapeBuilder& s, const NoiseForm& form) {
    int k = -1;
    return MakePolygonRegion(
        Walk(s, CountFrom(s, form.countFactor), [&](int, double t, std::vector<POINT>& points) {
            if (k < 0) {
                if (std::rand() % 40 != 0) {
                    points.push_back(s.EllipsePoint(t, s.D));
                    return;
                }
                k = 0;
            }
            double v = std::rand() % (1 - Trunc(std::sin(k * kPi / 8) * -form.amplitude));
            if (k % 2 != 0) v *= form.negative;
            k = k == 7 ? -1 : k + 1;
            if (form.axis == kOnRadius) {
                points.push_back(s.EllipsePoint(t, s.D + v));
            } else {
                points.push_back(s.EllipsePoint(t, s.D, form.axis == kOnX ? v : 0,
                                                form.axis == kOnY ? v : 0));
            }
        }));
}

CGdiRegion NoiseEllipse(CShapeBuilder& s) { return NoiseFigure(s, {0.5, 32, -1, kOnRadius}); }
CGdiRegion HNoiseEllipse(CShapeBuilder& s) { return NoiseFigure(s, {0.5, 16, -1, kOnX}); }
CGdiRegion VNoiseEllipse(CShapeBuilder& s) { return NoiseFigure(s, {0.5, 16, -1, kOnY}); }
CGdiRegion ExactNoiseEllipse(CShapeBuilder& s) {
    return NoiseFigure(s, {1.0, 92, -0.5, kOnRadius});
}

struct ShockForm {
    double countFactor;
    int startChance;  // a burst starts when rand() % startChance is 0
    int tremble;  // d = rand() % tremble
    int amplitude;
    NoiseAxis axis;
};

// A trembling outline; bursts of eight growing and shrinking shocks.
CGdiRegion ShockFigure(CShapeBuilder& s, const ShockForm& form) {
    int c = 0;
    return MakePolygonRegion(
        Walk(s, CountFrom(s, form.countFactor), [&](int i, double t, std::vector<POINT>& points) {
            if (c == 0 && std::rand() % form.startChance == 0) c = 8;
            int d = std::rand() % form.tremble;
            if (c > 0) {
                d += std::rand() % (1 - Trunc(std::sin(c * kPi / 8) * -form.amplitude));
                --c;
            }
            if (i % 2 != 0) d = -d;
            if (form.axis == kOnRadius) {
                points.push_back(s.EllipsePoint(t, s.D + d));
            } else {
                points.push_back(s.EllipsePoint(t, s.D, form.axis == kOnX ? d : 0,
                                                form.axis == kOnY ? d : 0));
            }
        }));
}

CGdiRegion ShockEllipse(CShapeBuilder& s) { return ShockFigure(s, {0.5, 5, 16, 96, kOnRadius}); }
CGdiRegion HShockEllipse(CShapeBuilder& s) { return ShockFigure(s, {0.5, 10, 6, 32, kOnX}); }
CGdiRegion VShockEllipse(CShapeBuilder& s) { return ShockFigure(s, {0.5, 10, 6, 32, kOnY}); }
CGdiRegion ExactShockEllipse(CShapeBuilder& s) {
    return ShockFigure(s, {1.0, 5, 8, 64, kOnRadius});
}

// A flickering outline with a fan of eleven splash rays on the side away
// from the tail.
CGdiRegion SplashEllipse(CShapeBuilder& s) {
    CGdiRegion region = MakePolygonRegion(FlickerOutline(s, 5));
    const int S = CountFrom(s, 0.03125);
    const int qw = s.w / 4, qh = s.h / 4;
    const double b = (135 - s.tailAngle) * kPi / 180;
    const int cx = Trunc(std::cos(b) * qw + s.halfW + s.x);
    const int cy = Trunc(std::sin(b) * qh + s.halfH + s.y);
    std::vector<POINT> fan{POINT{cx, cy}};
    for (int j = 1; j <= 11; ++j) {
        double a = (7.5 * j + 90 - s.tailAngle) * kPi / 180;
        int L = Trunc(std::rand() % 16 + std::sin(j * 0.2243994752564138) * (j % 2 != 0 ? 3 : 1) * S);
        fan.push_back(POINT{Trunc(std::cos(a) * (qw + L) + cx), Trunc(std::sin(a) * (qh + L) + cy)});
    }
    region.Combine(MakePolygonRegion(fan), RGN_OR);
    return region;
}

}  // namespace

std::vector<ShapeRow> TexturedEllipseRows() {
    return {
        {kShapeExplode, Explode, 0, kTailEllipse},
        {kShapeStrike, Strike, 0, kNoTail},
        {kShapeRippleEllipse, RippleEllipse, 0, kTailEllipse},
        {kShapeFlickerEllipse, FlickerEllipse, 0, kTailEllipse},
        {kShapeWormEllipse, WormEllipse, 0, kTailEllipse},
        {kShapeStepEllipse, StepEllipse, 0, kTailEllipse},
        {kShapeNumbEllipse, NumbEllipse, 0, kTailEllipse},
        {kShapeNoiseEllipse, NoiseEllipse, 0, kTailEllipse},
        {kShapeHNoiseEllipse, HNoiseEllipse, 0, kTailEllipse},
        {kShapeVNoiseEllipse, VNoiseEllipse, 0, kTailEllipse},
        {kShapeExactNoiseEllipse, ExactNoiseEllipse, 0, kTailEllipse},
        {kShapeShockEllipse, ShockEllipse, 0, kTailEllipse},
        {kShapeHShockEllipse, HShockEllipse, 0, kTailEllipse},
        {kShapeVShockEllipse, VShockEllipse, 0, kTailEllipse},
        {kShapeExactShockEllipse, ExactShockEllipse, 0, kTailEllipse},
        {kShapeBlockEllipse, BlockEllipse, 0, kTailEllipse},
        {kShapeJaggedCircle, JaggedCircle, 0, kTailEllipse},
        {kShapeTearEllipse, TearEllipse, 0, kTailEllipse},
        {kShapeSpineEllipse, SpineEllipse, 0, kTailEllipse},
        {kShapeSawEllipse, SawEllipse, 0, kNoTail},
        {kShapeFlowerEllipse, FlowerEllipse, 0, kTailEllipse},
        {kShapeHollyEllipse, HollyEllipse, 0, kTailEllipse},
        {kShapePlosiveEllipse, PlosiveEllipse, 0, kNoTail},
        {kShapePrickleEllipse, PrickleEllipse, 0, kTailEllipse},
        {kShapeSplashEllipse, SplashEllipse, 0, kTailEllipse},
    };
}
