// Throughput of the transformed fills over a whole 800 x 600 frame at
// opacity 0.5, per blend mode and path: a square turned 30 degrees that
// covers the frame (the rotated polygon fill) beside the unrotated fill of
// the frame (the one-to-one rectangle fill). Each figure is the best of many
// single fills, the frame refreshed untimed before each. Last, the black
// dimming layers over the frame.
//
//   scripts/session start build
//   scripts/wine-run build/bin/fill_bench.exe
//   scripts/session stop build
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "bench_timing.h"
#include "graphics/transformed_fill.h"
#include "platform/cpu_info.h"
#include "platform/simd_flags.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRounds = 300;
constexpr double kMegapixels = kWidth * kHeight / 1e6;
constexpr Color32 kColour = 0x00336699;
constexpr double kOpacity = 0.5;

// A square of this side turned 30 degrees about its top-left corner, placed
// so that its centre is the frame's: it covers the whole frame.
constexpr int kSquare = 1000;
constexpr double kAngle = 30.0;

CTransform2D RotatedPlacement() {
    const double radians = kAngle * 3.14159265358979323846 / 180;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double half = kSquare / 2.0;
    return CTransform2D(kWidth / 2.0 - (c - s) * half, kHeight / 2.0 - (s + c) * half, kOpacity, 1,
                        1, kAngle);
}

struct Mode {
    const char* name;
    void (*fill)(CMemorySurface&, Color32, const CTransform2D&, int, int, const RECT*);
};

const Mode kModes[] = {
    {"Normal", FillTransformedNormal},     {"Add", FillTransformedAdd},
    {"Sub", FillTransformedSub},           {"Multiply", FillTransformedMultiply},
    {"Screen", FillTransformedScreen},     {"Overlay", FillTransformedOverlay},
};

struct Path {
    const char* name;
    bool useMmx;
    bool useSse;
};

const Path kPaths[] = {{"plain", false, false}, {"MMX", true, false}, {"SSE", true, true}};

// The pixels a fill changes on a frame of zeros.
int CoveredPixels(const CTransform2D& placement, int width, int height) {
    CMemorySurface frame;
    frame.Create(kWidth, kHeight);
    FillTransformedAdd(frame, 0x00FFFFFF, placement, width, height, nullptr);
    const Color32* pixels = frame.GetPixels();
    return static_cast<int>(std::count_if(pixels, pixels + kWidth * kHeight,
                                          [](Color32 p) { return p != 0; }));
}

}  // namespace

int main() {
    CMemorySurface frame, background;
    frame.Create(kWidth, kHeight);
    background.Create(kWidth, kHeight);
    std::mt19937 random(1);
    Color32* pixels = background.GetPixels();
    for (int i = 0; i < kWidth * kHeight; ++i) pixels[i] = random();
    const size_t bytes = size_t(kWidth) * kHeight * 4;
    auto refresh = [&] { std::memcpy(frame.GetPixels(), background.GetPixels(), bytes); };

    const CTransform2D rotated = RotatedPlacement();
    const CTransform2D unrotated(0, 0, kOpacity, 1, 1, 0);
    std::printf("processor: MMX %s, SSE %s\n", HasMMX() ? "yes" : "no", HasSSE() ? "yes" : "no");
    std::printf("pixels covered of %d: rotated %d, rectangle %d\n\n", kWidth * kHeight,
                CoveredPixels(rotated, kSquare, kSquare), CoveredPixels(unrotated, kWidth, kHeight));
    std::printf("%-9s %-28s %9s %9s %9s   (megapixels/s)\n", "mode", "fill at opacity 0.5", "plain",
                "MMX", "SSE");

    const bool mmx = GetUseMMXFlag();
    const bool sse = GetUseSSEFlag();
    for (const Mode& mode : kModes) {
        const struct {
            const char* name;
            const CTransform2D& placement;
            int width, height;
        } fills[] = {{"rotated 30 degrees", rotated, kSquare, kSquare},
                     {"one to one", unrotated, kWidth, kHeight}};
        for (const auto& fill : fills) {
            std::printf("%-9s %-28s", mode.name, fill.name);
            for (const Path& path : kPaths) {
                SetUseMMXFlag(path.useMmx);
                SetUseSSEFlag(path.useSse);
                const double ms = BestMilliseconds(kRounds, refresh, [&] {
                    mode.fill(frame, kColour, fill.placement, fill.width, fill.height, nullptr);
                });
                std::printf(" %9.0f", kMegapixels / ms * 1000);
            }
            std::printf("\n");
        }
    }
    // The dimming layers: black at half opacity and at 0.753 (a shift by 2).
    for (const double opacity : {0.502, 0.753}) {
        std::printf("%-9s black at %-19.3f", "Normal", opacity);
        const CTransform2D dimming(0, 0, opacity, 1, 1, 0);
        for (const Path& path : kPaths) {
            SetUseMMXFlag(path.useMmx);
            SetUseSSEFlag(path.useSse);
            const double ms = BestMilliseconds(kRounds, refresh, [&] {
                FillTransformedNormal(frame, 0, dimming, kWidth, kHeight, nullptr);
            });
            std::printf(" %9.0f", kMegapixels / ms * 1000);
        }
        std::printf("\n");
    }
    SetUseMMXFlag(mmx);
    SetUseSSEFlag(sse);
    return 0;
}
