#include <cmath>
#include <cstdlib>

#include "text/balloon/shape_generators.h"

namespace {

const double kPi = 3.141592653589793;

int Normalized360(int degrees) { return ((degrees % 360) + 360) % 360; }

// The pointed tip of the drop shapes: a bulge on the first `head` points and
// the last `tail` ones, `step` being the angle of one point of the bulge.
double DropBulge(int i, int n, int head, int tail, double step) {
    double drop = 0;
    int j = n - i;
    if (j < tail) drop += 96 * std::pow(1 - std::sin(j * step), 4);
    if (i < head) drop += 96 * std::pow(1 - std::sin(i * step), 4);
    return drop;
}

// Dumpling: eight-pixel waves, D / 128 * 2 of them, from a random phase.
CGdiRegion DumplingFigure(CShapeBuilder& s, double shift, bool drop) {
    const int D = s.D;
    const int r = std::rand();
    const double start = drop ? -s.tailRadians : 0.0;
    return MakePolygonRegion(s.EllipseWalk(D, start, [&](int i) {
        double rho = D + 8 * std::sin((i + r) * (D / 128 * 2) * kPi / D) + shift;
        if (drop) rho += DropBulge(i, D, 16, 17, kPi / 32);
        return rho;
    }));
}

CGdiRegion Dumpling(CShapeBuilder& s) { return DumplingFigure(s, 0, false); }
CGdiRegion ThinkDumpling(CShapeBuilder& s) { return DumplingFigure(s, -24, false); }
CGdiRegion DropDumpling(CShapeBuilder& s) { return DumplingFigure(s, 0, true); }

// Potato: L lobes, the lobe pattern turned to the tail by the offset o.
CGdiRegion PotatoFigure(CShapeBuilder& s, double lift) {
    const int D = s.D;
    const int L = D / 64 / 2 + 2;
    const int N = 16 * L;
    const int o = Normalized360(s.tailAngle) * N / 360;
    return MakePolygonRegion(s.EllipseWalk(N, 0.0, [&](int i) {
        float u = std::fmod(static_cast<float>(i + o + 8) * static_cast<float>(L) /
                                static_cast<float>(N),
                            1.0f);
        return D - 32 * std::sin(u * kPi) + lift;
    }));
}

CGdiRegion Potato(CShapeBuilder& s) { return PotatoFigure(s, 48); }
CGdiRegion ThinkPotato(CShapeBuilder& s) { return PotatoFigure(s, -8); }

CGdiRegion DropPotato(CShapeBuilder& s) {
    const int D = s.D;
    const int L = D / 64 / 2 + 2;
    const int N = 32 * L;
    return MakePolygonRegion(s.EllipseWalk(N, -s.tailRadians, [&](int i) {
        float u = std::fmod(static_cast<float>(i + 16) * static_cast<float>(L) /
                                static_cast<float>(N),
                            1.0f);
        return D - 32 * std::sin(u * kPi) + DropBulge(i, N, 6, 7, kPi / 12);
    }));
}

// Clay: 2m half-waves of 16 pixels folded outward and inward in turn.
double ClayWave(double s) {
    double b = 16 * std::sin(2 * kPi * s);
    return static_cast<long long>(s) % 2 == 0 ? -b : b;
}

CGdiRegion ClayFigure(CShapeBuilder& s, double shift) {
    const int D = s.D;
    const int m = D / 64 / 2;
    const int N = 32 * m;
    const int p = std::rand() % 360;
    if (N == 0) return CGdiRegion();
    return MakePolygonRegion(s.EllipseWalk(N, 0.0, [&](int i) {
        double phase = static_cast<double>(p + i) * 2 * m / N;
        return D + ClayWave(phase) + shift;
    }));
}

CGdiRegion Clay(CShapeBuilder& s) { return ClayFigure(s, 0); }
CGdiRegion ThinkClay(CShapeBuilder& s) { return ClayFigure(s, -32); }

CGdiRegion DropClay(CShapeBuilder& s) {
    const int D = s.D;
    const int m = D / 64 / 2;
    const int N = 64 * m;
    if (N == 0) return CGdiRegion();
    return MakePolygonRegion(s.EllipseWalk(N, -s.tailRadians, [&](int i) {
        double phase = static_cast<double>(i) * 2 * m / N;
        return D + ClayWave(phase) + DropBulge(i, N, 8, 9, kPi / 16);
    }));
}

CGdiRegion DropEllipse(CShapeBuilder& s) {
    const int D = s.D;
    return MakePolygonRegion(s.EllipseWalk(D, -s.tailRadians, [&](int i) {
        int j = D - i;
        if (i < 16) return D + 96 * std::pow(1 - std::sin(i * kPi / 32), 4);
        if (j < 17) return D + 96 * std::pow(1 - std::sin(j * kPi / 32), 4);
        return static_cast<double>(D);
    }));
}

}  // namespace

std::vector<ShapeRow> BlobShapeRows() {
    return {
        {kShapeDumpling, Dumpling, 0, kTailEllipse},
        {kShapePotato, Potato, 0, kTailEllipse},
        {kShapeClay, Clay, 0, kTailEllipse},
        {kShapeDropEllipse, DropEllipse, 0, kNoTail},
        {kShapeDropDumpling, DropDumpling, 0, kNoTail},
        {kShapeDropPotato, DropPotato, 0, kNoTail},
        {kShapeDropClay, DropClay, 0, kNoTail},
        {kShapeThinkDumpling, ThinkDumpling, 0, kThinkTail},
        {kShapeThinkPotato, ThinkPotato, 0, kThinkTail},
        {kShapeThinkClay, ThinkClay, 0, kThinkTail},
    };
}
