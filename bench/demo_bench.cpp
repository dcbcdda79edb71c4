// The demo game's root scene over the archives beside this program, in an
// 800 x 600 window, stepped in fixed 17 ms frames as the main loop runs it
// (no limiter wait): the time each frame spends in update (frame start,
// scripts and animations, transforms), draw and present, median and 95th
// percentile, for the busiest passage (the veil fading over the whole screen
// while the sparks move and zoom) and for idle key waits. Each key wait is
// held for a while and then ended with a key; the story runs round until
// both sets hold enough frames.
//
//   scripts/session start build
//   scripts/wine-run build/bin/demo_bench.exe
//   scripts/session stop build
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "demo/counting_menu.h"
#include "graphics/display_driver.h"
#include "platform/paths.h"
#include "scene/rect_math.h"
#include "scene/script_page_node.h"
#include "script/scene_host.h"
#include "support/display_run.h"

namespace {

constexpr int kFrame = 17;
constexpr int kWantedFrames = 600;
// Frames a key wait is held before the key; the first ones after the wait
// begins still finish the picture and are left out of the idle set.
constexpr int kHeldFrames = 120;
constexpr int kSettleFrames = 3;
const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};

struct FrameTimes {
    std::vector<double> update, draw, present, total;
    int presenting = 0;  // frames that presented a cell
    void Add(double u, double d, double p, bool presented) {
        update.push_back(u);
        draw.push_back(d);
        present.push_back(p);
        total.push_back(u + d + p);
        if (presented) ++presenting;
    }
    size_t Count() const { return total.size(); }
};

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const size_t index = static_cast<size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

void Report(const char* name, const FrameTimes& times, double targetMs) {
    std::printf("%s: %zu frames, %d presenting a cell\n", name, times.Count(), times.presenting);
    const struct {
        const char* part;
        const std::vector<double>& values;
    } parts[] = {{"update", times.update}, {"draw", times.draw}, {"present", times.present},
                 {"frame", times.total}};
    for (const auto& part : parts) {
        std::printf("  %-8s median %8.4f ms  p95 %8.4f ms\n", part.part, Percentile(part.values, 0.5),
                    Percentile(part.values, 0.95));
    }
    const double p95 = Percentile(times.total, 0.95);
    std::printf("  target: frame p95 at most %.1f ms%s\n", targetMs, p95 <= targetMs ? "" : "  OVER");
}

}  // namespace

int main() {
    SetBaseDirectory(GetProgramDirectory());
    FrameTimes busy, idle;
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        if (f.device.SetMode(false, 0, 0, 0) != 0) {
            std::printf("the display could not be set up\n");
            return;
        }
        f.app.PumpMessages();
        CSceneHost host;
        auto owned = std::make_unique<CCountingMenu>();
        CCountingMenu* menu = owned.get();
        host.AttachScene(std::move(owned));
        int heldFrames = 0;
        while (busy.Count() < kWantedFrames || idle.Count() < kWantedFrames) {
            const double start = Now();
            host.BeginFrame();
            host.Update(kFrame);
            host.SetTransform(kIdentity);
            const double updated = Now();
            host.Draw(*f.device.GetBackBuffer(), kIdentity, &kScreen);
            const double drawn = Now();
            host.Present(f.device);
            const double presented = Now();
            const bool changed = !IsEmptyRect(menu->GetChangedArea());

            CScriptPageNode* game = menu->FindGameNode();
            CNode* veil = game ? game->FindNode("Veil") : nullptr;
            const double u = (updated - start) * 1000, d = (drawn - updated) * 1000,
                         p = (presented - drawn) * 1000;
            if (veil && veil->IsAnimating(kAnimatorAny)) busy.Add(u, d, p, changed);
            if (menu->Waiting()) {
                if (++heldFrames > kSettleFrames) idle.Add(u, d, p, changed);
                if (heldFrames >= kHeldFrames) {
                    host.HandleMessage(f.window, WM_KEYDOWN, VK_SPACE, 0);
                    heldFrames = 0;
                }
            }
            f.app.PumpMessages();
        }
    });
    if (busy.Count() == 0 || idle.Count() == 0) return 1;
    Report("busiest passage", busy, 4.0);
    Report("idle key wait", idle, 0.5);
    if (idle.presenting > 0) std::printf("  target: no cell presented  OVER\n");
    return 0;
}
