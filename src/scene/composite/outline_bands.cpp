#include "scene/composite/outline_bands.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRampScale = 232;
constexpr Color32 kWhite = 0xFFFFFF;
constexpr Color32 kOpaque = 0xFF000000u;

// The ramp of a whole depth from 0 to the thickness. The straight parts of
// a band ask for the same few depths over and over, so the values of the
// last thickness are kept (the scene runs on the main thread alone).
int WholeRamp(int depth, int thickness) {
    static int keptThickness = 0;
    static std::vector<int> kept;
    if (thickness != keptThickness) {
        kept.clear();
        for (int d = 0; d <= thickness; ++d) kept.push_back(OutlineRamp(d, thickness));
        keptThickness = thickness;
    }
    return kept[depth];
}

Color32 WithAlpha(int alpha, Color32 rgb) { return static_cast<Color32>(alpha) << 24 | rgb; }

// depth x pi / (2 x thickness): a quarter turn over the band.
double QuarterAngle(double depth, int thickness) { return depth * kPi / (2 * thickness); }

// The depth inside a round corner of radius thickness whose centre lies dx
// and dy whole pixels away; 0 or less outside the quarter circle.
double CornerDepth(int thickness, int dx, int dy) {
    return thickness - std::sqrt(static_cast<double>(dx * dx + dy * dy));
}

// A pixel's depth into a band outside the rectangle, counted from the
// band's outer border, and whether it lies in a corner square.
struct BandDepth {
    double depth;
    bool corner;
};

BandDepth OuterDepth(BandSide side, int column, int row, const OutlineShape& shape) {
    const int t = shape.thickness;
    switch (side) {
        case BandSide::Up:
        case BandSide::Bottom: {
            const int dy = side == BandSide::Up ? t - row : row + 1;
            if (column < t) return {CornerDepth(t, t - column, dy), true};
            if (column >= shape.width + t) return {CornerDepth(t, column - (shape.width + t) + 1, dy), true};
            return {static_cast<double>(side == BandSide::Up ? row : t - 1 - row), false};
        }
        case BandSide::Left: return {static_cast<double>(column), false};
        case BandSide::Right: break;
    }
    return {static_cast<double>(t - 1 - column), false};
}

Color32 FadePixel(const BandDepth& d, const OutlineShape& shape) {
    if (!d.corner) return WithAlpha(WholeRamp(static_cast<int>(d.depth), shape.thickness), shape.rgb);
    if (d.depth <= 0) return 0;
    return WithAlpha(OutlineRamp(d.depth, shape.thickness), shape.rgb);
}

Color32 RoundPixel(const BandDepth& d, const OutlineShape& shape) {
    if (d.corner && d.depth <= 0) return 0;
    return kOpaque | shape.rgb;
}

// A random alpha below a sine envelope: the first draw decides whether the
// pixel shows, the second (only then) its alpha.
Color32 NoisePixel(const BandDepth& d, const OutlineShape& shape) {
    const int envelope = static_cast<int>(std::sin(QuarterAngle(d.depth, shape.thickness)) * 255);
    if (envelope < 1) return 0;
    if (std::rand() % 255 < envelope) return WithAlpha(std::rand() % envelope, shape.rgb);
    return shape.rgb;
}

// The rounded ends of the shadow: the ramp inside a quarter circle.
Color32 ShadowEnd(int dx, int dy, const OutlineShape& shape) {
    const double depth = CornerDepth(shape.thickness, dx, dy);
    if (depth <= 0) return 0;
    return WithAlpha(OutlineRamp(depth, shape.thickness), shape.rgb);
}

// The shadow's straight part, strongest next to the rectangle.
Color32 ShadowFalloff(int across, const OutlineShape& shape) {
    const int alpha = static_cast<int>((1 - std::sin(QuarterAngle(across, shape.thickness))) * kRampScale);
    return WithAlpha(alpha, shape.rgb);
}

Color32 ShadowPixel(BandSide side, int column, int row, const OutlineShape& shape) {
    const int t = shape.thickness;
    if (side == BandSide::Right) return row < t ? ShadowEnd(column, t - row, shape) : ShadowFalloff(column, shape);
    if (column < t) return ShadowEnd(t - column, row, shape);
    if (column < shape.width) return ShadowFalloff(row, shape);
    return ShadowEnd(column - shape.width, row, shape);
}

// Light on the top and left bands, dark on the others; the colour's own
// bits play no part.
Color32 EmbossPixel(BandSide side, int column, int row, const OutlineShape& shape) {
    const int t = shape.thickness;
    switch (side) {
        case BandSide::Up: return WithAlpha(WholeRamp(t - row, t), kWhite);
        case BandSide::Bottom: return WithAlpha(WholeRamp(row, t), 0);
        case BandSide::Left: return WithAlpha(WholeRamp(t - column, t), kWhite);
        case BandSide::Right: break;
    }
    return WithAlpha(WholeRamp(column, t), 0);
}

Color32 InnerShadowPixel(BandSide side, int column, int row, const OutlineShape& shape) {
    const int t = shape.thickness;
    return WithAlpha(WholeRamp(side == BandSide::Up ? t - row : t - column, t), shape.rgb);
}

}  // namespace

const char* BandName(BandSide side) {
    switch (side) {
        case BandSide::Up: return "Up";
        case BandSide::Bottom: return "Bottom";
        case BandSide::Left: return "Left";
        case BandSide::Right: break;
    }
    return "Right";
}

std::vector<OutlineBand> OutlineBands(OutlineStyle style, const OutlineShape& shape) {
    const int w = shape.width;
    const int h = shape.height;
    const int t = shape.thickness;
    switch (style) {
        case kOutlineVivide:
        case kOutlineFade:
        case kOutlineRound:
        case kOutlineNoise:
            // The top and bottom bands take the corner squares.
            return {{BandSide::Up, -t, -t, w + 2 * t, t},
                    {BandSide::Bottom, -t, h, w + 2 * t, t},
                    {BandSide::Left, -t, 0, t, h},
                    {BandSide::Right, w, 0, t, h}};
        case kOutlineShadow: return {{BandSide::Bottom, 0, h, w + t, t}, {BandSide::Right, w, 0, t, h}};
        case kOutlineEmboss:
            return {{BandSide::Up, 0, 0, w, t},
                    {BandSide::Bottom, 0, h - t, w, t},
                    {BandSide::Left, 0, 0, t, h},
                    {BandSide::Right, w - t, 0, t, h}};
        case kOutlineInnerShadow: return {{BandSide::Up, 0, 0, w, t}, {BandSide::Left, 0, 0, t, h}};
        default: return {};
    }
}

int OutlineRamp(double depth, int thickness) {
    return static_cast<int>((1 - std::cos(QuarterAngle(depth, thickness))) * kRampScale);
}

Color32 OutlinePixel(OutlineStyle style, BandSide side, int column, int row, const OutlineShape& shape) {
    switch (style) {
        case kOutlineFade: return FadePixel(OuterDepth(side, column, row, shape), shape);
        case kOutlineRound: return RoundPixel(OuterDepth(side, column, row, shape), shape);
        case kOutlineNoise: return NoisePixel(OuterDepth(side, column, row, shape), shape);
        case kOutlineShadow: return ShadowPixel(side, column, row, shape);
        case kOutlineEmboss: return EmbossPixel(side, column, row, shape);
        case kOutlineInnerShadow: return InnerShadowPixel(side, column, row, shape);
        default: return 0;
    }
}
