// The pixel filters, exact per pixel inside the mapped area and untouched
// around it, with the values their rules single out.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "scene/effects/effect_kind.h"
#include "scene/effects/effect_painter_factory.h"
#include "../pixel_checks.h"

namespace {

using PixelRule = std::function<Color32(Color32 pixel, int y)>;

Color32 Grey(Color32 p) {
    const Color32 g = (77 * (p >> 16 & 0xFF) + 28 * (p >> 8 & 0xFF) + 151 * (p & 0xFF)) >> 8;
    return g << 16 | g << 8 | g;
}

const struct {
    const char* name;
    int kind;
    PixelRule rule;
} kFilters[] = {
    {"TVRaster", kEffectTVRaster,
     [](Color32 p, int y) { return p & (y % 3 == 0 ? 0x00FF0000u : y % 3 == 1 ? 0x0000FF00u : 0x000000FFu); }},
    {"Posterization", kEffectPosterization, [](Color32 p, int) { return p & 0xFFE0E0E0u; }},
    {"Negative", kEffectNegative, [](Color32 p, int) { return ~p; }},
    {"Monochrome", kEffectMonochrome, [](Color32 p, int) { return Grey(p); }},
};

// The expected surface: the rule applied inside the rectangle only.
void ApplyInside(CMemorySurface& surface, const RECT& r, const PixelRule& rule) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            Color32& p = surface.GetPixels()[y * 40 + x];
            p = rule(p, y);
        }
    }
}

TEST(FilterPainters, RewriteEveryPixelOfTheMappedAreaAndNothingAround) {
    const struct {
        const char* name;
        CTransform2D placement;
        bool clipped;
        RECT area;  // what is filtered
    } kPlacements[] = {
        {"whole pixels", CTransform2D(5, 4, 1, 1, 1, 0), false, {5, 4, 25, 16}},
        {"rounded edges, faint", CTransform2D(4.5, 3.4, 0.2, 1, 1, 0), false, {5, 3, 25, 15}},
        {"zoomed", CTransform2D(2, 1, 1, 1.5, 2, 0), false, {2, 1, 32, 25}},
        {"clipped", CTransform2D(5, 4, 1, 1, 1, 0), true, {8, 6, 25, 13}},
        {"off the target", CTransform2D(-6, -3, 1, 1, 1, 0), false, {0, 0, 14, 9}},
    };
    const RECT clip = {8, 6, 30, 13};
    for (const auto& filter : kFilters) {
        for (const auto& p : kPlacements) {
            SCOPED_TRACE(std::string(filter.name) + ", " + p.name);
            std::unique_ptr<CEffectPainter> painter = MakeEffectPainter(filter.kind, 20, 12);
            painter->Load();
            painter->Update(500);
            EXPECT_FALSE(painter->IsAnimated());
            SurfacePair surfaces(40, 30, 21);
            painter->Draw(p.placement, surfaces.actual, p.clipped ? &clip : nullptr);
            ApplyInside(surfaces.expected, p.area, filter.rule);
            EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
        }
    }
}

TEST(FilterPainters, SingledOutValues) {
    const struct {
        int kind;
        Color32 before;
        int row;
        Color32 after;
    } kCases[] = {
        {kEffectPosterization, 0x80FFFFFF, 0, 0x80E0E0E0},
        {kEffectPosterization, 0x1F3F5F7F, 0, 0x1F204060},
        {kEffectMonochrome, 0xFF00FF00, 0, 0x001B1B1B},
        {kEffectMonochrome, 0xFF0000FF, 0, 0x00969696},
        {kEffectMonochrome, 0xFFFF0000, 0, 0x004C4C4C},
        {kEffectNegative, 0x80FF0012, 0, 0x7F00FFED},
        {kEffectTVRaster, 0xFF123456, 0, 0x00120000},
        {kEffectTVRaster, 0xFF123456, 3, 0x00120000},
        {kEffectTVRaster, 0xFF123456, 6, 0x00120000},
        {kEffectTVRaster, 0xFF123456, 4, 0x00003400},
        {kEffectTVRaster, 0xFF123456, 8, 0x00000056},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " row " + std::to_string(c.row));
        CMemorySurface target;
        ASSERT_EQ(target.Create(4, 10), 0);
        target.Fill(c.before, nullptr);
        std::unique_ptr<CEffectPainter> painter = MakeEffectPainter(c.kind, 4, 10);
        painter->Draw(CTransform2D(0, 0, 1, 1, 1, 0), target, nullptr);
        EXPECT_EQ(target.GetPixel(2, c.row), c.after);
    }
}

TEST(FilterPainters, NegativeTwiceRestoresThePixels) {
    SurfacePair surfaces(40, 30, 22);
    std::unique_ptr<CEffectPainter> painter = MakeEffectPainter(kEffectNegative, 33, 21);
    const CTransform2D placement(3.3, 2.7, 1, 1, 1, 0);
    painter->Draw(placement, surfaces.actual, nullptr);
    EXPECT_FALSE(SamePixels(surfaces.actual, surfaces.expected));
    painter->Draw(placement, surfaces.actual, nullptr);
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

}  // namespace
