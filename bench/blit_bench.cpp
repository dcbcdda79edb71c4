// Throughput of every blend-mode blit on each of its paths over an 800 x 600
// frame, beside a plain memory copy of the same bytes in the same run. The
// scaled blits stretch a 640 x 480 picture onto the frame. Each figure is the
// best of many single blits in three passes over the whole table, the
// destination refreshed before each blit (that refresh is not timed), so
// every blit meets the same pixels; the best time is the one least disturbed
// by whatever else the machine runs. The transformed draws turn the
// frame-sized picture by 30 degrees about the frame's centre at opacity 0.5,
// beside the same draw unturned (the one-to-one opacity blit of the mode).
//
//   scripts/session start build
//   scripts/wine-run build/bin/blit_bench.exe [part of a routine's name]
//   scripts/session stop build
#include <windows.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <random>
#include <vector>

#include "bench_pictures.h"
#include "bench_timing.h"
#include "blit_routines.h"
#include "graphics/draw_image.h"
#include "platform/cpu_info.h"
#include "platform/simd_flags.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRounds = 100;
constexpr double kMegapixels = kWidth * kHeight / 1e6;

struct Path {
    const char* name;
    bool useMmx;
    bool useSse;
};

const Path kPaths[] = {{"plain", false, false}, {"MMX", true, false}, {"SSE", true, true}};
constexpr int kPathCount = 3;
constexpr int kPasses = 3;

bool Takes(const BlitRoutine& routine, const Path& path) { return !path.useSse || routine.hasSse; }

using DrawImage = void (*)(CMemorySurface&, const CMemorySurface&, const CTransform2D&, bool,
                           const RECT*, const RECT*);

struct NamedDraw {
    const char* name;
    DrawImage draw;
};

const NamedDraw kDraws[] = {{"DrawImageNormal", &DrawImageNormal},
                            {"DrawImageAdd", &DrawImageAdd},
                            {"DrawImageSub", &DrawImageSub},
                            {"DrawImageMultiply", &DrawImageMultiply},
                            {"DrawImageScreen", &DrawImageScreen},
                            {"DrawImageOverlay", &DrawImageOverlay}};

// The frame-sized picture turned by `degrees` about the frame's centre.
CTransform2D TurnedAboutCentre(double degrees, double opacity) {
    const double angle = degrees * 3.14159265358979323846 / 180;
    const double c = std::cos(angle), s = std::sin(angle);
    const double halfWidth = kWidth / 2.0, halfHeight = kHeight / 2.0;
    return CTransform2D(halfWidth - (halfWidth * c - halfHeight * s),
                        halfHeight - (halfHeight * c + halfWidth * s), opacity, 1, 1, degrees);
}

}  // namespace

int main(int argc, char** argv) {
    const char* only = argc > 1 ? argv[1] : "";
    CMemorySurface frame, background, picture, smallPicture;
    frame.Create(kWidth, kHeight);
    background.Create(kWidth, kHeight);
    picture.Create(kWidth, kHeight);
    smallPicture.Create(640, 480);
    FillPicture(background, 1);
    FillPicture(picture, 2);
    FillPicture(smallPicture, 3);
    const size_t bytes = size_t(kWidth) * kHeight * 4;
    auto refresh = [&] { std::memcpy(frame.GetPixels(), background.GetPixels(), bytes); };
    const double destRect[4] = {0, 0, kWidth, kHeight};

    const bool mmx = GetUseMMXFlag();
    const bool sse = GetUseSSEFlag();
    double copy = 1e9;
    std::vector<std::array<double, kPathCount>> best(std::size(kBlitRoutines));
    for (auto& times : best) times.fill(1e9);
    for (int pass = 0; pass < kPasses; ++pass) {
        copy = std::min(copy, BestMilliseconds(kRounds, refresh, [&] {
                            std::memcpy(frame.GetPixels(), picture.GetPixels(), bytes);
                        }));
        for (size_t r = 0; r < std::size(kBlitRoutines); ++r) {
            const BlitRoutine& routine = kBlitRoutines[r];
            if (!std::strstr(routine.name, only)) continue;
            BlitCall call;
            call.opacity = 150;
            if (routine.scaled) call.destRect = destRect;
            const CMemorySurface& source = routine.scaled ? smallPicture : picture;
            for (int p = 0; p < kPathCount; ++p) {
                if (!Takes(routine, kPaths[p])) continue;
                SetUseMMXFlag(kPaths[p].useMmx);
                SetUseSSEFlag(kPaths[p].useSse);
                best[r][p] =
                    std::min(best[r][p],
                             BestMilliseconds(kRounds, refresh, [&] { routine.run(frame, source, call); }));
            }
        }
    }
    SetUseMMXFlag(mmx);
    SetUseSSEFlag(sse);

    std::printf("processor: MMX %s, SSE %s\n", HasMMX() ? "yes" : "no", HasSSE() ? "yes" : "no");
    std::printf("memory copy of an 800 x 600 frame: %.3f ms, %.0f megapixels/s\n\n", copy,
                kMegapixels / copy * 1000);
    std::printf("%-32s %9s %9s %9s   (megapixels/s; fastest in ms)\n", "routine", "plain", "MMX",
                "SSE");
    double normalFastest = 0;
    int belowTarget = 0;
    for (size_t r = 0; r < std::size(kBlitRoutines); ++r) {
        const BlitRoutine& routine = kBlitRoutines[r];
        if (!std::strstr(routine.name, only)) continue;
        std::printf("%-32s", routine.name);
        double fastest = 1e9;
        for (int p = 0; p < kPathCount; ++p) {
            if (!Takes(routine, kPaths[p])) {
                std::printf(" %9s", "-");
                continue;
            }
            fastest = std::min(fastest, best[r][p]);
            std::printf(" %9.0f", kMegapixels / best[r][p] * 1000);
        }
        std::printf("   %.3f ms%s\n", fastest, fastest > 1.2 ? "  BELOW 400 MP/s" : "");
        if (fastest > 1.2) ++belowTarget;
        if (std::strcmp(routine.name, "BlitNormal") == 0) normalFastest = fastest;
    }

    std::printf("\n%-32s %9s %9s %9s   (ms per frame)\n", "draw at opacity 0.5", "plain", "MMX", "SSE");
    for (const NamedDraw& draw : kDraws) {
        if (!std::strstr(draw.name, only)) continue;
        for (double degrees : {0.0, 30.0}) {
            const CTransform2D placement = TurnedAboutCentre(degrees, 0.5);
            std::printf("%-22s %-9s", draw.name, degrees == 0 ? "unturned" : "turned 30");
            for (const Path& path : kPaths) {
                SetUseMMXFlag(path.useMmx);
                SetUseSSEFlag(path.useSse);
                std::printf(" %9.3f", BestMilliseconds(kRounds, refresh, [&] {
                                draw.draw(frame, picture, placement, false, nullptr, nullptr);
                            }));
            }
            std::printf("\n");
        }
    }
    SetUseMMXFlag(mmx);
    SetUseSSEFlag(sse);

    std::printf("\nBlitNormal, fastest path: %.2f x the memory copy's time (target 1.5 or less)\n",
                normalFastest / copy);
    std::printf("routines below 400 megapixels/s on their fastest path: %d\n", belowTarget);
    return 0;
}
