// The warp painters hand their routines the placement's whole-pixel corner,
// the area and their clock's parameters; the noise painters tile a frame
// that changes every 100 ms, added or subtracted at the opacity's level.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "effect_pictures.h"
#include "graphics/blend_blits.h"
#include "graphics/mesh_warp.h"
#include "scene/effects/effect_kind.h"
#include "scene/effects/effect_painter_factory.h"
#include "scene/effects/noise_painter.h"
#include "scene/effects/warp_painters.h"
#include "../pixel_checks.h"
#include "support/error_recorder.h"

namespace {

using WarpRoutine = void (*)(CMemorySurface&, int, int, const CMemorySurface&, const RECT*, int, int, int, int,
                             int, int);

struct WarpCase {
    const char* name;
    int kind;
    const char* const* picture;
    WarpRoutine routine;
    // The four parameters at c = clock / 10.
    int a, b, c, d;
};

class WarpNoisePainters : public testing::Test {
protected:
    WarpNoisePainters() { ClearRecordedErrors(); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CEffectPictures pictures_;
};

// Clock 1234 ms: c = 123. Opacity, zoom and rotation change nothing, and
// placement x 10.7 starts at pixel 10.
TEST_F(WarpNoisePainters, WarpsCallTheirRoutineWithTheClockAndTheTruncatedCorner) {
    const WarpCase kCases[] = {
        {"Landscape", kEffectLandscape, &kLandscapePicture, &DrawLandscapeWarp, 0, 0, 0, 123},
        {"Tunnel", kEffectTunnel, &kTunnelPicture, &DrawTunnelWarp, 0, 0, 123, 123},
        {"Sphere", kEffectSphere, &kSpherePicture, &DrawSphereWarp, 90, 123, 0, 0},
    };
    const struct {
        const char* name;
        CTransform2D placement;
        bool clipped;
    } kPlacements[] = {
        {"plain", CTransform2D(10.7, 5.2, 1, 1, 1, 0), false},
        {"zoomed, faded, turned, clipped", CTransform2D(10.7, 5.2, 0.3, 2, 2, 30), true},
    };
    const RECT clip = {14, 0, 90, 150};
    for (const WarpCase& w : kCases) {
        for (const auto& p : kPlacements) {
            SCOPED_TRACE(std::string(w.name) + ", " + p.name);
            std::unique_ptr<CEffectPainter> painter = MakeEffectPainter(w.kind, 128, 160);
            painter->Load();
            painter->Update(1000);
            painter->Update(234);
            EXPECT_TRUE(painter->IsAnimated());
            SurfacePair surfaces(150, 180, 31);
            painter->Draw(p.placement, surfaces.actual, p.clipped ? &clip : nullptr);
            CMemorySurface picture;
            picture.SetUseDibSection(true);
            LoadExpectedPicture(picture, *w.picture);
            RECT area = {10, 5, 138, 165};
            if (p.clipped) area = {14, 5, 90, 150};
            w.routine(surfaces.expected, 10, 5, picture, &area, 128, 160, w.a, w.b, w.c, w.d);
            EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
            EXPECT_FALSE(SamePixels(surfaces.actual, SurfacePair(150, 180, 31).expected));
        }
    }
}

TEST_F(WarpNoisePainters, NoiseFramesAdvanceOnlyPastAHundredMilliseconds) {
    CNoisePainter painter(64, 64, true);
    painter.Load();
    const struct {
        int ms;
        int frame;
    } kSteps[] = {{100, 0}, {1, 1}, {99, 1}, {1, 2}, {17, 2}, {350, 5}, {32, 5}, {1, 6}};
    for (const auto& step : kSteps) {
        painter.Update(step.ms);
        EXPECT_EQ(painter.GetFrame(), step.frame) << "after " << step.ms << " ms";
    }
}

// The tiles start at the area's corner and are kept inside the area and the
// clip; opacity 1 uses the plain blit, 0.5 the weighted one at 127.
TEST_F(WarpNoisePainters, NoiseTilesTheAreaAddedOrSubtractedAtTheOpacityLevel) {
    CMemorySurface noise;
    LoadExpectedPicture(noise, "EI/Noise.bmp");
    const RECT clip = {0, 20, 170, 150};
    const RECT area = {7, 20, 157, 133};  // (7, 5, 157, 133) cut by the clip
    for (bool light : {true, false}) {
        for (double opacity : {1.0, 0.5}) {
            SCOPED_TRACE(std::string(light ? "LightNoise" : "DarkNoise") + " at " + std::to_string(opacity));
            std::unique_ptr<CEffectPainter> painter =
                MakeEffectPainter(light ? kEffectLightNoise : kEffectDarkNoise, 150, 128);
            painter->Load();
            painter->Update(1750);  // frame 17: source frame 1
            SurfacePair surfaces(180, 160, 32);
            painter->Draw(CTransform2D(7.2, 4.6, opacity, 1, 1, 0), surfaces.actual, &clip);
            const RECT source = {64, 0, 128, 64};
            for (int row = 0; row < 113 / 64 + 1; ++row) {
                for (int column = 0; column < 150 / 64 + 1; ++column) {
                    const int x = 7 + 64 * column;
                    const int y = 20 + 64 * row;
                    if (light && opacity == 1.0) BlitAdd(surfaces.expected, x, y, noise, &source, &area);
                    if (light && opacity != 1.0) BlitAddOpacity(surfaces.expected, x, y, noise, &source, 127, &area);
                    if (!light && opacity == 1.0) BlitSub(surfaces.expected, x, y, noise, &source, &area);
                    if (!light && opacity != 1.0) BlitSubOpacity(surfaces.expected, x, y, noise, &source, 127, &area);
                }
            }
            EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
        }
    }
}

TEST(WarpNoisePicturesMissing, DrawNothing) {
    ClearRecordedErrors();
    CEffectPictures none(false, false);
    for (int kind : {kEffectLandscape, kEffectTunnel, kEffectSphere, kEffectLightNoise, kEffectDarkNoise}) {
        std::unique_ptr<CEffectPainter> painter = MakeEffectPainter(kind, 96, 64);
        painter->Load();
        painter->Update(500);
        SurfacePair surfaces(120, 80, 33);
        painter->Draw(CTransform2D(0, 0, 1, 1, 1, 0), surfaces.actual, nullptr);
        EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected)) << "kind " << kind;
    }
    ClearRecordedErrors();
}

}  // namespace
