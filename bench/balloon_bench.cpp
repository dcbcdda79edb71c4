// Build time of every balloon: the shape regions and the painted picture of
// each shape code and edge style (tail on, fill and edge visible) at 200 x
// 120 and 800 x 600, best of a few builds. Prints every code's slowest
// style and, per size, the most costly build of all.
//
//   scripts/session start build
//   scripts/wine-run build/bin/balloon_bench.exe
//   scripts/session stop build
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "bench_timing.h"
#include "text/balloon/balloon_painting.h"
#include "text/balloon/balloon_shape.h"
#include "text/balloon/shape_regions.h"

namespace {

const char* const kStyleNames[] = {"", "None", "Vivide", "Fade", "Shadow"};

double BuildMilliseconds(int shape, int style, int width, int height, int rounds) {
    CMemorySurface picture;
    picture.Create(width, height);
    return BestMilliseconds(
        rounds, [] {},
        [&] {
            BalloonShapeInput input;
            input.shape = shape;
            input.width = width;
            input.height = height;
            input.tail = true;
            input.tailAngle = 225;
            BalloonShapeRegions regions = BuildShapeRegion(input);
            BalloonPaintInput paint;
            paint.shape = shape;
            paint.style = style;
            paint.fill = 0xF2FFFFFF;
            paint.edge = 0xFF000000;
            paint.paint = &regions.paint;
            paint.hit = &regions.hit;
            PaintBalloonShape(picture, paint);
        });
}

}  // namespace

int main() {
    std::srand(1);
    const struct {
        int width, height, rounds;
        double budget;
    } sizes[] = {{200, 120, 5, 16.0}, {800, 600, 2, 120.0}};
    for (const auto& size : sizes) {
        std::printf("%d x %d (budget %.0f ms)\n", size.width, size.height, size.budget);
        double worst = 0;
        int worstShape = 0, worstStyle = 0;
        for (int shape = 1; shape <= kShapeCount; ++shape) {
            double slowest = 0;
            int slowestStyle = 0;
            for (int style = kStyleNone; style <= kStyleShadow; ++style) {
                double ms = BuildMilliseconds(shape, style, size.width, size.height, size.rounds);
                if (ms > slowest) {
                    slowest = ms;
                    slowestStyle = style;
                }
            }
            std::printf("  %2d %-18s %7.2f ms (%s)%s\n", shape, "", slowest,
                        kStyleNames[slowestStyle], slowest > size.budget ? "  over" : "");
            if (slowest > worst) {
                worst = slowest;
                worstShape = shape;
                worstStyle = slowestStyle;
            }
        }
        std::printf("most costly: code %d, %s, %.2f ms\n\n", worstShape, kStyleNames[worstStyle],
                    worst);
    }
    return 0;
}
