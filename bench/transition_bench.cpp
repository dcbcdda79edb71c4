// Cost of one frame of each transition kind: an 800 x 600 picture drawn with
// code 100 over an 800 x 600 frame, clipped to the frame, at the levels 1,
// 64, 128, 192, 254 and 255. Each figure is the best of many single calls,
// the frame refreshed untimed and rand() seeded before each, beside one
// full-frame BlitNormal of the same run; the parts column is how many blits
// a call hands on.
//
// The kinds that hand on one blit per pixel, block or cell (Dither, Shave,
// Mosaic below level 8) are held to 1.25 times their parts (and rand()
// calls) at the cost of one such part measured alone; the other moving kinds
// to 4 ms from level 64 on. A second pass draws Shave and Mosaic cell by
// cell over the 64 cells of an 8 x 8 grid, without a target.
//
//   scripts/session start build
//   scripts/wine-run build/bin/transition_bench.exe [name prefix]
//
// With a name prefix only the kinds whose names start with it are timed.
//   scripts/session stop build
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "bench_timing.h"
#include "graphics/blend_blits.h"
#include "platform/cpu_info.h"
#include "transitions/piece_drawer.h"
#include "transitions/transition_kinds.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRounds = 200;
constexpr int kLevels[] = {1, 64, 128, 192, 254, 255};
// The moving kinds' 4 ms hold from this level on.
constexpr int kFirstTargetLevel = 64;
constexpr double kPartFactor = 1.25;
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

bool StartsWith(const char* name, const char* prefix) {
    return std::strncmp(name, prefix, std::strlen(prefix)) == 0;
}

bool IsMovingKind(const char* name) {
    for (const char* prefix :
         {"Tile", "Turn", "Fat", "Slim", "Shake", "Scratch", "Tensile", "Wave", "Mosaic"}) {
        if (StartsWith(name, prefix)) return true;
    }
    return false;
}

// One blit per pixel or block at every level for Dither and Shave; Mosaic
// hands on one cell per (L + 1) x (L + 1) pixels, so below level 8 its cells
// are what it costs.
bool IsPartBoundLevel(const char* name, int level) {
    if (level == 255) return false;  // Dither and Shave draw nothing there
    return StartsWith(name, "Dither") || StartsWith(name, "Shave") ||
           (std::strcmp(name, "Mosaic") == 0 && level < 8);
}

// rand() calls of a call on the 800 x 600 picture: one per pixel for
// DitherRandom, one per block for the Shave kinds (at most 201 x 301).
long RandomCalls(const char* name) {
    if (std::strcmp(name, "DitherRandom") == 0) return long(kWidth) * kHeight;
    if (std::strcmp(name, "ShaveAll") == 0) return long(kWidth / 4) * (kHeight / 2);
    if (StartsWith(name, "Shave")) return long(kWidth / 4 + 1) * (kHeight / 2 + 1);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* only = argc > 1 ? argv[1] : "";
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
    // One part of each part-bound kind, measured alone: a 1 x 1 blit, a
    // 4 x 2 blit, one rand() call and a 1 x 1 pixel scaled over a cell.
    constexpr int kParts = 20000;
    auto perPart = [&](auto operation) {
        return BestMilliseconds(5, refresh,
                                [&] {
                                    for (int n = 0; n < kParts; ++n) operation(n);
                                }) /
               kParts;
    };
    const double pixelMs = perPart([&](int n) {
        const RECT part = {n % kWidth, n % kHeight, n % kWidth + 1, n % kHeight + 1};
        BlitNormal(frame, part.left, part.top, picture, &part, &clip);
    });
    const double blockMs = perPart([&](int n) {
        const LONG bx = n % (kWidth / 4) * 4, by = n % (kHeight / 2) * 2;
        const RECT part = {bx, by, bx + 4, by + 2};
        BlitNormal(frame, bx, by, picture, &part, &clip);
    });
    volatile int sink = 0;
    const double randMs = perPart([&](int) { sink = sink + std::rand(); });
    // The disc kinds also measure each tested block's distance from the centre.
    volatile double distance = 0;
    const double hypotMs = perPart([&](int n) {
        distance = distance + std::hypot(double(2 * (n % 201) * 4 - kWidth),
                                         double(2 * (n % 301) * 2 - kHeight));
    });
    auto cellMs = [&](int side) {
        return perPart([&](int n) {
            const int cx = n % (kWidth / side) * side, cy = n % (kHeight / side) * side;
            const RECT part = {cx, cy, cx + 1, cy + 1};
            const double rect[4] = {double(cx), double(cy), double(cx + side), double(cy + side)};
            BlitScaledNormal(frame, picture, &part, rect, &clip);
        });
    };
    std::printf(
        "one part alone: 1 x 1 blit %.5f ms, 4 x 2 blit %.5f ms, rand() %.5f ms, hypot %.5f ms, "
        "2 x 2 cell %.5f ms, 8 x 8 cell %.5f ms\n\n",
        pixelMs, blockMs, randMs, hypotMs, cellMs(2), cellMs(8));
    // The budget of a part-bound call from what it handed on.
    auto partBudget = [&](const char* name, int level, long parts) {
        double unit = pixelMs;
        if (StartsWith(name, "Shave")) unit = blockMs;
        if (std::strcmp(name, "Mosaic") == 0) unit = cellMs(level + 1);
        const bool disc = StartsWith(name, "ShaveCircle") || StartsWith(name, "ShaveHole");
        return kPartFactor * (parts * unit + RandomCalls(name) * (randMs + (disc ? hypotMs : 0)));
    };

    std::printf("%-16s", "kind");
    for (int level : kLevels) std::printf("   L%-3d ms  parts", level);
    std::printf("   worst  target\n");

    int overBudget = 0;
    auto runKind = [&](const TransitionKind& kind, int level, long& parts) {
        const int rounds = IsPartBoundLevel(kind.name, level) ? kRounds / 10 : kRounds;
        auto draw = [&] {
            std::srand(1);
            kind.routine(&frame, &picture, 0, 0, nullptr, &clip, level, 100, 0);
        };
        const double ms = BestMilliseconds(rounds, refresh, draw);
        refresh();
        ResetTransitionPartCount();
        draw();
        parts = TransitionPartCount();
        return ms;
    };
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd();
         ++kind) {
        if (!StartsWith(kind->name, only)) continue;
        std::printf("%-16s", kind->name);
        double worst = 0;
        bool within = true;
        std::vector<double> partLimits;
        for (int level : kLevels) {
            long parts = 0;
            const double ms = runKind(*kind, level, parts);
            std::printf("  %7.3f %6ld", ms, parts);
            if (IsPartBoundLevel(kind->name, level)) {
                const double partLimit = partBudget(kind->name, level, parts);
                partLimits.push_back(partLimit);
                within = within && ms <= partLimit;
            } else if (!IsMovingKind(kind->name) || level >= kFirstTargetLevel) {
                worst = std::max(worst, ms);
            }
        }
        const double limit = IsSimpleKind(kind->name)
                                 ? std::min(kFrameBudgetMs, kSimpleKindFactor * blit)
                                 : kFrameBudgetMs;
        within = within && worst <= limit;
        if (!within) ++overBudget;
        std::printf("  %6.3f  %s %.2f", worst, within ? "ok  <=" : "OVER >", limit);
        if (!partLimits.empty()) {
            std::printf("; parts within");
            for (double partLimit : partLimits) std::printf(" %.2f", partLimit);
        }
        std::printf("\n");
    }
    // Mosaic from level 2 to 7, where its cells still decide the cost.
    const TransitionKind* mosaic = FindTransitionKind(LookupTransitionRoutine("Mosaic"));
    for (int level = 2; level <= 7 && StartsWith("Mosaic", only); ++level) {
        long parts = 0;
        const double ms = runKind(*mosaic, level, parts);
        const double limit = partBudget("Mosaic", level, parts);
        if (ms > limit) ++overBudget;
        std::printf("Mosaic L%d       %7.3f %6ld  %s %.2f\n", level, ms, parts,
                    ms <= limit ? "ok  <=" : "OVER >", limit);
    }
    std::printf("\n%d kinds over their target\n", overBudget);

    // Cell by cell: the 64 cells of an 8 x 8 grid, rand() seeded before each.
    std::printf("\n64 grid cells as clips (no target)\n%-16s", "kind");
    for (int level : kLevels) std::printf("   L%-3d ms", level);
    std::printf("\n");
    for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd();
         ++kind) {
        if (!StartsWith(kind->name, "Shave") && std::strcmp(kind->name, "Mosaic") != 0) continue;
        if (!StartsWith(kind->name, only)) continue;
        std::printf("%-16s", kind->name);
        for (int level : kLevels) {
            const double ms = BestMilliseconds(kRounds / 20, refresh, [&] {
                for (int row = 0; row < 8; ++row) {
                    for (int column = 0; column < 8; ++column) {
                        const RECT cell = {kWidth * column / 8, kHeight * row / 8,
                                           kWidth * (column + 1) / 8, kHeight * (row + 1) / 8};
                        std::srand(1);
                        kind->routine(&frame, &picture, 0, 0, nullptr, &cell, level, 100, 0);
                    }
                }
            });
            std::printf("  %7.3f", ms);
        }
        std::printf("\n");
    }
    return 0;
}
