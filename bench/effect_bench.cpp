// Frame cost of the effect nodes: for every kind, an 800 x 600 node over a
// full-screen picture, one frame being the node's Update (16 ms) and its
// DrawSelf over the whole area, after 3 s of simulated time. The budget is
// 4 ms per frame for every kind.
//
//   scripts/session start build
//   scripts/wine-run build/bin/effect_bench.exe
//   scripts/session stop build
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_pictures.h"
#include "bench_timing.h"
#include "graphics/picture_bytes.h"
#include "platform/error_report.h"
#include "scene/effect_node.h"
#include "scene/test_pictures.h"

namespace {

constexpr double kBudgetMs = 4.0;
constexpr int kFrameMs = 16;
constexpr int kFrames = 300;
constexpr int kWarmUpMs = 3000;

Color32 Sprite(int x, int y) { return PatternPixel(x, y) | 0x80000000; }

// A round, soft-edged picture with alpha, as a heart would be.
std::vector<uint8_t> HeartPng(int size) {
    PngPicture picture{static_cast<uint32_t>(size), static_cast<uint32_t>(size), 8, 6, {}, {}, {}};
    for (int y = 0; y < size; ++y) {
        Bytes row;
        for (int x = 0; x < size; ++x) {
            const int dx = 2 * x - size;
            const int dy = 2 * y - size;
            const int alpha = dx * dx + dy * dy < size * size ? 255 : 0;
            row.insert(row.end(), {0xFF, 0x40, 0x80, static_cast<uint8_t>(alpha)});
        }
        picture.rows.push_back(row);
    }
    return EncodePng(picture);
}

void PackPictures(CPictureFolder& folder) {
    auto bmp = [](int w, int h) { return BmpPictureFile(w, h, Sprite); };
    folder.Pack("EI", {{"Snow.bmp", bmp(32, 32)},
                       {"Heart.png", HeartPng(64)},
                       {"Bubble.bmp", bmp(128, 16)},
                       {"Light_Blue.bmp", bmp(64, 64)},
                       {"Red.bmp", bmp(16, 16)},
                       {"Green.bmp", bmp(16, 16)},
                       {"Blue.bmp", bmp(16, 16)},
                       {"Yellow.bmp", bmp(16, 16)},
                       {"Ex.bmp", bmp(32, 32)},
                       {"Ex2.bmp", bmp(32, 32)},
                       {"Noise.bmp", bmp(1024, 64)}});
    folder.Pack("Image", {{"\x92\x6E\x96\xCA.bmp", bmp(256, 256)},
                          {"\x89\x5F\x8A\x43.bmp", bmp(256, 256)},
                          {"\x90\xAF\x8B\xF3.bmp", bmp(256, 256)}});
}

void PrintBox(const ErrorBox& box) { std::printf("error %d - %d\n", box.module, box.place); }

}  // namespace

int main() {
    SetErrorReporter(PrintBox);
    CPictureFolder folder;
    PackPictures(folder);
    CMemorySurface screen;
    if (screen.Create(800, 600) != 0) return 1;
    CMemorySurface picture;
    if (picture.Create(800, 600) != 0) return 1;
    FillPicture(picture, 2026);
    const RECT whole = {0, 0, 800, 600};
    const CTransform2D identity(0, 0, 1, 1, 1, 0);
    const size_t bytes = static_cast<size_t>(800) * 600 * 4;

    std::printf("%-5s %9s %9s\n", "kind", "best ms", "mean ms");
    bool withinBudget = true;
    for (int kind = 1; kind <= 18; ++kind) {
        std::srand(static_cast<unsigned>(kind));
        CEffectNode node(0, 0, 0, 800, 600, kind);
        try {
            node.Reset();
        } catch (const CInternalError&) {
            return 1;
        }
        // Particles that start outside the area are in view after a while.
        node.Update(kWarmUpMs);
        double total = 0;
        const double best = BestMilliseconds(
            kFrames, [&] { std::memcpy(screen.GetPixels(), picture.GetPixels(), bytes); },
            [&] {
                const double start = Now();
                node.Update(kFrameMs);
                node.DrawSelf(screen, identity, &whole);
                total += (Now() - start) * 1000;
            });
        const double mean = total / kFrames;
        withinBudget = withinBudget && mean <= kBudgetMs;
        std::printf("%-5d %9.3f %9.3f%s\n", kind, best, mean, mean > kBudgetMs ? "  over budget" : "");
    }
    std::printf("budget %.1f ms per frame: %s\n", kBudgetMs, withinBudget ? "kept" : "exceeded");
    return withinBudget ? 0 : 2;
}
