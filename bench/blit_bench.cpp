// Throughput of every blend-mode blit on each of its paths over an 800 x 600
// frame, beside a plain memory copy of the same bytes in the same run. The
// scaled blits stretch a 640 x 480 picture onto the frame. Each figure is the
// best of many single blits, the destination refreshed before each (that
// refresh is not timed), so every blit meets the same pixels; the best time
// is the one least disturbed by whatever else the machine runs.
//
//   scripts/session start build
//   scripts/wine-run build/bin/blit_bench.exe
//   scripts/session stop build
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

#include "blit_routines.h"
#include "platform/cpu_info.h"
#include "platform/simd_flags.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRounds = 100;
constexpr double kMegapixels = kWidth * kHeight / 1e6;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Picture-like pixels: gradients with noise; alpha a mix of transparent,
// opaque and partly transparent runs.
void FillPicture(CMemorySurface& surface, unsigned seed) {
    int width, height;
    surface.GetSize(width, height);
    std::mt19937 random(seed);
    Color32* pixels = surface.GetPixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int band = (x / 40 + y / 30) % 4;
            const uint32_t alpha = band == 0 ? 0 : band == 1 ? 255 : random() % 256;
            pixels[y * width + x] = alpha << 24 | ((x + random() % 8) & 255) << 16 |
                                    ((y + random() % 8) & 255) << 8 | ((x + y) / 2 & 255);
        }
    }
}

// The best time of one operation in milliseconds, `refresh` run untimed
// before each.
template <class Refresh, class Operation>
double BestMilliseconds(Refresh refresh, Operation operation) {
    double best = 1e9;
    for (int i = 0; i < kRounds; ++i) {
        refresh();
        const double start = Now();
        operation();
        best = std::min(best, (Now() - start) * 1000);
    }
    return best;
}

struct Path {
    const char* name;
    bool useMmx;
    bool useSse;
};

const Path kPaths[] = {{"plain", false, false}, {"MMX", true, false}, {"SSE", true, true}};

}  // namespace

int main() {
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

    const double copy = BestMilliseconds(refresh, [&] {
        std::memcpy(frame.GetPixels(), picture.GetPixels(), bytes);
    });
    std::printf("processor: MMX %s, SSE %s\n", HasMMX() ? "yes" : "no", HasSSE() ? "yes" : "no");
    std::printf("memory copy of an 800 x 600 frame: %.3f ms, %.0f megapixels/s\n\n", copy,
                kMegapixels / copy * 1000);
    std::printf("%-32s %9s %9s %9s   (megapixels/s; fastest in ms)\n", "routine", "plain", "MMX", "SSE");

    const bool mmx = GetUseMMXFlag();
    const bool sse = GetUseSSEFlag();
    double normalFastest = 0;
    int belowTarget = 0;
    for (const BlitRoutine& routine : kBlitRoutines) {
        BlitCall call;
        call.opacity = 150;
        const double destRect[4] = {0, 0, kWidth, kHeight};
        if (routine.scaled) call.destRect = destRect;
        const CMemorySurface& source = routine.scaled ? smallPicture : picture;
        std::printf("%-32s", routine.name);
        double fastest = 1e9;
        for (const Path& path : kPaths) {
            if (path.useSse && !routine.hasSse) {
                std::printf(" %9s", "-");
                continue;
            }
            SetUseMMXFlag(path.useMmx);
            SetUseSSEFlag(path.useSse);
            const double ms = BestMilliseconds(refresh, [&] { routine.run(frame, source, call); });
            fastest = std::min(fastest, ms);
            std::printf(" %9.0f", kMegapixels / ms * 1000);
        }
        std::printf("   %.3f ms%s\n", fastest, fastest > 1.2 ? "  BELOW 400 MP/s" : "");
        if (fastest > 1.2) ++belowTarget;
        if (std::strcmp(routine.name, "BlitNormal") == 0) normalFastest = fastest;
    }
    SetUseMMXFlag(mmx);
    SetUseSSEFlag(sse);
    std::printf("\nBlitNormal, fastest path: %.2f x the memory copy's time (target 1.5 or less)\n",
                normalFastest / copy);
    std::printf("routines below 400 megapixels/s on their fastest path: %d\n", belowTarget);
    return 0;
}
