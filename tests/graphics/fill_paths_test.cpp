// The fills' SIMD paths against their plain path on random pixels: the
// same result except where a difference is written down here, routine by
// routine.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fill_model.h"
#include "graphics/polygon_fill.h"
#include "graphics/rectangle_fill.h"
#include "simd_switches.h"
#include "surface_contents.h"

namespace {

// How a SIMD path's pixel differs from the plain path's.
struct Difference {
    enum Kind {
        kNone,            // identical
        kAlphaZero,       // the alpha byte is 0
        kAlphaBlended,    // alpha = (d alpha x (255 - a) >> 8) + (a x a >> 8), a = weight
        kRoundedAverage,  // all four bytes (d + colour + 1) >> 1
    };
    Kind kind;
    Color32 colour = 0;
    int weight = 0;

    Color32 Apply(Color32 plain, Color32 d) const {
        switch (kind) {
            case kNone:
                return plain;
            case kAlphaZero:
                return plain & 0x00FFFFFF;
            case kAlphaBlended:
                return WithAlphaByte(plain, ((int(d >> 24) * (255 - weight)) >> 8) +
                                                ((weight * weight) >> 8));
            case kRoundedAverage:
                return ModelRoundedAverage(d, colour);
        }
        return plain;
    }
};

const Difference kSame = {Difference::kNone};
const Difference kAlphaZero = {Difference::kAlphaZero};

using Area = std::function<void(CMemorySurface&, const RECT&)>;

struct Routine {
    std::string name;
    Area fill;                          // fills the rectangle
    std::function<Color32(Color32)> plain;  // the plain result for a destination pixel
    std::optional<Difference> mmx;      // none: the routine has no MMX path
    std::optional<Difference> sse;

    Color32 Expected(const SimdSwitches& switches, Color32 d) const {
        switch (PathTaken(switches, mmx.has_value(), sse.has_value())) {
            case SimdPath::Sse:
                return sse->Apply(plain(d), d);
            case SimdPath::Mmx:
                return mmx->Apply(plain(d), d);
            case SimdPath::Plain:
                break;
        }
        return plain(d);
    }
};

using RectangleRoutine = void (*)(CMemorySurface&, int, int, int, int, Color32, const RECT*);
using PolygonRoutine = void (*)(CMemorySurface&, FixedPoint, FixedPoint, FixedPoint, FixedPoint,
                                Color32, const RECT*);

Area Rectangle(RectangleRoutine fill, Color32 c) {
    return [fill, c](CMemorySurface& s, const RECT& r) { fill(s, r.left, r.top, r.right, r.bottom, c, nullptr); };
}

// A polygon through the rectangle's pixel corners: the edge table covers
// both end rows and columns, so the corners are those of the last pixels.
Area Polygon(PolygonRoutine fill, Color32 c) {
    return [fill, c](CMemorySurface& s, const RECT& r) {
        const auto p = [](LONG x, LONG y) { return FixedPoint{int32_t(x) << 16, int32_t(y) << 16}; };
        fill(s, p(r.left, r.top), p(r.right - 1, r.top), p(r.right - 1, r.bottom - 1),
             p(r.left, r.bottom - 1), c, nullptr);
    };
}

std::vector<Routine> RoutinesFor(Color32 c, int keep, int shift) {
    const Color32 opaque = c | 0xFF000000;
    const int a = int(c >> 24);
    using std::placeholders::_1;
    return {
        {"FillNormal", Rectangle(FillNormal, c), [c](Color32) { return c; }, kSame, kSame},
        {"FillNormalAlpha", Rectangle(FillNormalAlpha, c), std::bind(ModelNormalAlpha, _1, c),
         kAlphaZero, std::nullopt},
        {"FillAdd", Rectangle(FillAdd, c), std::bind(ModelAddAlpha, _1, opaque), kSame, std::nullopt},
        {"FillAddAlpha", Rectangle(FillAddAlpha, c), std::bind(ModelAddAlpha, _1, c), kSame,
         std::nullopt},
        {"FillSub", Rectangle(FillSub, c), std::bind(ModelSubAlpha, _1, opaque), kSame, std::nullopt},
        {"FillSubAlpha", Rectangle(FillSubAlpha, c), std::bind(ModelSubAlpha, _1, c), kSame,
         std::nullopt},
        // The alpha byte of the MMX Multiply, Screen and Overlay paths is the
        // implementation's choice: they keep it, as the plain path does.
        {"FillMultiply", Rectangle(FillMultiply, c), std::bind(ModelMultiply, _1, c), kSame,
         std::nullopt},
        {"FillMultiplyAlpha", Rectangle(FillMultiplyAlpha, c), std::bind(ModelMultiplyAlpha, _1, c),
         kSame, std::nullopt},
        {"FillScreen", Rectangle(FillScreen, c), std::bind(ModelScreen, _1, c), kSame, std::nullopt},
        {"FillScreenAlpha", Rectangle(FillScreenAlpha, c), std::bind(ModelScreenAlpha, _1, c), kSame,
         std::nullopt},
        {"FillOverlay", Rectangle(FillOverlay, c), std::bind(ModelOverlayAlpha, _1, opaque), kSame,
         std::nullopt},
        {"FillOverlayAlpha", Rectangle(FillOverlayAlpha, c), std::bind(ModelOverlayAlpha, _1, c),
         kSame, std::nullopt},
        {"FillNormalBlackOpacity",
         [keep](CMemorySurface& s, const RECT& r) {
             FillNormalBlackOpacity(s, r.left, r.top, r.right, r.bottom, keep, nullptr);
         },
         std::bind(ModelBlackOpacity, _1, keep), kAlphaZero, std::nullopt},
        {"FillNormalBlackHalf",
         [](CMemorySurface& s, const RECT& r) {
             FillNormalBlackHalf(s, r.left, r.top, r.right, r.bottom, nullptr);
         },
         std::bind(ModelBlackShift, _1, 1), kAlphaZero, Difference{Difference::kRoundedAverage, 0}},
        {"FillNormalBlackShift",
         [shift](CMemorySurface& s, const RECT& r) {
             FillNormalBlackShift(s, r.left, r.top, r.right, r.bottom, shift, nullptr);
         },
         std::bind(ModelBlackShift, _1, shift), kAlphaZero, kAlphaZero},
        {"FillNormalHalf", Rectangle(FillNormalHalf, c), std::bind(ModelHalf, _1, c), kAlphaZero,
         Difference{Difference::kRoundedAverage, c}},
        // Of the polygon fills only NormalAlpha has a SIMD path.
        {"FillPolygonNormal", Polygon(FillPolygonNormal, c), [c](Color32) { return c; },
         std::nullopt, std::nullopt},
        {"FillPolygonNormalAlpha", Polygon(FillPolygonNormalAlpha, c),
         std::bind(ModelNormalAlpha, _1, c), Difference{Difference::kAlphaBlended, 0, a},
         std::nullopt},
        {"FillPolygonAdd", Polygon(FillPolygonAdd, c), std::bind(ModelAddAlpha, _1, opaque),
         std::nullopt, std::nullopt},
        {"FillPolygonAddAlpha", Polygon(FillPolygonAddAlpha, c), std::bind(ModelAddAlpha, _1, c),
         std::nullopt, std::nullopt},
        {"FillPolygonSub", Polygon(FillPolygonSub, c), std::bind(ModelSubAlpha, _1, opaque),
         std::nullopt, std::nullopt},
        {"FillPolygonSubAlpha", Polygon(FillPolygonSubAlpha, c), std::bind(ModelSubAlpha, _1, c),
         std::nullopt, std::nullopt},
        {"FillPolygonMultiply", Polygon(FillPolygonMultiply, c),
         std::bind(ModelPolygonMultiplyAlpha, _1, opaque), std::nullopt, std::nullopt},
        {"FillPolygonMultiplyAlpha", Polygon(FillPolygonMultiplyAlpha, c),
         std::bind(ModelPolygonMultiplyAlpha, _1, c), std::nullopt, std::nullopt},
        {"FillPolygonScreen", Polygon(FillPolygonScreen, c),
         std::bind(ModelPolygonScreenAlpha, _1, opaque), std::nullopt, std::nullopt},
        {"FillPolygonScreenAlpha", Polygon(FillPolygonScreenAlpha, c),
         std::bind(ModelPolygonScreenAlpha, _1, c), std::nullopt, std::nullopt},
        {"FillPolygonOverlay", Polygon(FillPolygonOverlay, c),
         std::bind(ModelOverlayAlpha, _1, opaque), std::nullopt, std::nullopt},
        {"FillPolygonOverlayAlpha", Polygon(FillPolygonOverlayAlpha, c),
         std::bind(ModelOverlayAlpha, _1, c), std::nullopt, std::nullopt},
    };
}

void FillRandom(CMemorySurface& s, std::mt19937& random) {
    const Size size = SizeOf(s);
    Color32* pixels = s.GetPixels();
    for (int i = 0; i < size.first * size.second; ++i) pixels[i] = random();
}

// Rows of odd and even lengths starting on odd and even columns: a run of
// `width` pixels from `left` on a surface with one untouched column on
// either side, three rows high.
TEST(FillPaths, EachPathGivesThePlainResultWithItsDocumentedDifferences) {
    ASSERT_TRUE(HasMMX());
    ASSERT_TRUE(HasSSE());
    std::mt19937 random(2024);
    const Color32 colours[] = {0x00000000, 0x01FFFFFF, 0x7F80C040, 0x80FF0080, 0xFF123456,
                               0x00FFFFFF, Color32(random()), Color32(random())};
    const int keeps[] = {0, 1, 100, 255};
    const int widths[] = {1, 2, 3, 4, 7, 8, 31, 32};
    for (size_t i = 0; i < std::size(colours); ++i) {
        const Color32 c = colours[i];
        for (const Routine& routine : RoutinesFor(c, keeps[i % 4], 1 + int(i % 7))) {
            for (const SimdSwitches& switches : kEverySwitchSetting) {
                CScopedSimdSwitches scoped(switches);
                for (int width : widths) {
                    for (int left : {1, 2}) {
                        SCOPED_TRACE(routine.name + ", colour " + std::to_string(c) + ", " +
                                     switches.name + ", width " + std::to_string(width) +
                                     " from " + std::to_string(left));
                        CMemorySurface s;
                        ASSERT_EQ(s.Create(left + width + 1, 3), 0);
                        FillRandom(s, random);
                        const std::vector<Color32> before = PixelsOf(s);
                        routine.fill(s, RECT{left, 0, left + width, 3});
                        const std::vector<Color32> after = PixelsOf(s);
                        std::vector<Color32> expected = before;
                        for (int y = 0; y < 3; ++y) {
                            for (int x = left; x < left + width; ++x) {
                                const size_t at = size_t(y) * (left + width + 1) + x;
                                expected[at] = routine.Expected(switches, before[at]);
                            }
                        }
                        ASSERT_EQ(after, expected);
                    }
                }
            }
        }
    }
}

}  // namespace
