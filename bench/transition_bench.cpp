// Cost of one frame of each transition kind: an 800 x 600 picture drawn with
// code 100 over an 800 x 600 frame, clipped to the frame, at the levels 1,
// 64, 128, 192 and 254. Each figure is the best of many single calls, the
// frame refreshed untimed before each, beside one full-frame BlitNormal of
// the same run; the parts column is how many blits a call hands on.
//
//   scripts/session start build
//   scripts/wine-run build/bin/transition_bench.exe
//   scripts/session stop build
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

#include "bench_timing.h"
#include "graphics/blend_blits.h"
#include "platform/cpu_info.h"
#include "transitions/piece_drawer.h"
#include "transitions/transition_kinds.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRounds = 200;
constexpr int kLevels[] = {1, 64, 128, 192, 254};
// A frame may take this long; the one-rectangle kinds should stay this close
// to a full-frame blit.
constexpr double kFrameBudgetMs = 4.0;
constexpr double kSimpleKindFactor = 1.5;

bool IsSimpleKind(const char* name) {
    for (const char* prefix : {"Linear", "Rect", "BoxTop", "BoxBottom"}) {
        if (std::strncmp(name, prefix, std::strlen(prefix)) == 0) return true;
    }
    return false;
}

}  // namespace

int main() {
    CMemorySurface frame, background, picture;
    frame.Create(kWidth, kHeight);
    background.Create(kWidth, kHeight);
    picture.Create(kWidth, kHeight);
    std::mt19937 random(1);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        background.GetPixels()[i] = random();
        picture.GetPixels()[i] = random();
    }
    const size_t bytes = size_t(kWidth) * kHeight * 4;
    auto refresh = [&] { std::memcpy(frame.GetPixels(), background.GetPixels(), bytes); };
    const RECT clip = {0, 0, kWidth, kHeight};

    std::printf("processor: MMX %s, SSE %s\n", HasMMX() ? "yes" : "no", HasSSE() ? "yes" : "no");
    const double blit = BestMilliseconds(kRounds, refresh,
                                         [&] { BlitNormal(frame, 0, 0, picture, nullptr, &clip); });
    std::printf("full-frame BlitNormal: %.3f ms\n\n", blit);
    std::printf("%-16s", "kind");
    for (int level : kLevels) std::printf("   L%-3d ms  parts", level);
    std::printf("   worst  target\n");

    int overBudget = 0;
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd();
         ++kind) {
        std::printf("%-16s", kind->name);
        double worst = 0;
        for (int level : kLevels) {
            auto draw = [&] {
                kind->routine(&frame, &picture, 0, 0, nullptr, &clip, level, 100, 0);
            };
            const double ms = BestMilliseconds(kRounds, refresh, draw);
            refresh();
            ResetTransitionPartCount();
            draw();
            std::printf("  %7.3f %6ld", ms, TransitionPartCount());
            worst = std::max(worst, ms);
        }
        const double limit = IsSimpleKind(kind->name)
                                 ? std::min(kFrameBudgetMs, kSimpleKindFactor * blit)
                                 : kFrameBudgetMs;
        const bool within = worst <= limit;
        if (!within) ++overBudget;
        std::printf("  %6.3f  %s %.2f\n", worst, within ? "ok  <=" : "OVER >", limit);
    }
    std::printf("\n%d kinds over their target\n", overBudget);
    return 0;
}
