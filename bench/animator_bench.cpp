// Frame cost of the node animators: 1,000 nodes under a canvas, each
// running a Move, a Zoom and an Opaque, stepped by one 17 ms frame through
// the canvas's Update (no drawing). The budget is 1 ms per frame.
//
//   scripts/session start build
//   scripts/wine-run build/bin/animator_bench.exe
//   scripts/session stop build
#include <cstdio>
#include <memory>
#include <string>

#include "bench_timing.h"
#include "scene/color_node.h"
#include "scene/scene_node.h"
#include "script/argument_kinds.h"
#include "script/move_animators.h"
#include "script/value_animators.h"

namespace {

constexpr int kNodes = 1000;
constexpr int kFrameMs = 17;

// A canvas whose nodes have just been handed their three animators, each
// running for longer than the timed frames last.
std::unique_ptr<CColorNode> AnimatedCanvas() {
    auto canvas = std::make_unique<CColorNode>(0, 0, 0, 800, 600, 0xFFFFFF, 0);
    for (int i = 0; i < kNodes; ++i) {
        const std::string name = "n" + std::to_string(i);
        auto* node = new CColorNode(i % 800, i % 600, i, 16, 16, 0xFF0000, 0);
        canvas->AddChild(name, node);
        node->Reset();
        CMoveAnimator move({kPlacementPixels, 799 - i % 800, kPlacementRelativePercent, 10}, 100000, nullptr);
        CZoomAnimator zoom({1, 2.0}, {1, 0.5}, 100000, nullptr);
        COpaqueAnimator fade({2, -0.5}, 100000, nullptr);
        node->ApplyCommand(&move);
        node->ApplyCommand(&zoom);
        node->ApplyCommand(&fade);
    }
    return canvas;
}

}  // namespace

int main() {
    std::unique_ptr<CColorNode> canvas = AnimatedCanvas();
    // Many frames, each timed alone; the animators run far longer than all
    // of them together, so every frame steps all 3,000.
    const double best = BestMilliseconds(200, [] {}, [&] { canvas->Update(kFrameMs); });
    double total = 0;
    const int frames = 200;
    for (int i = 0; i < frames; ++i) {
        const double start = Now();
        canvas->Update(kFrameMs);
        total += (Now() - start) * 1000;
    }
    // The work was done: a node has moved on and all still animate.
    double x = 0, y = 0;
    canvas->FindNode("n1")->GetPosition(&x, &y);
    std::printf("node n1 after %d frames: %.2f, %.2f, still animating: %d\n", 400, x, y,
                canvas->FindNode("n1")->IsAnimating(kAnimatorAny));
    std::printf("animators: %d nodes x (move, zoom, opacity), one %d ms frame: best %.3f ms, mean %.3f ms "
                "(budget 1 ms)\n",
                kNodes, kFrameMs, best, total / frames);
    return best <= 1.0 ? 0 : 1;
}
