// Frame cost of the 3D renderer: a torus of 2,000 triangles about the
// viewing axis, covering much of an 800 x 600 surface, turned a little every
// frame and drawn the way the 3D node does it (SetCamera, ResetFrame,
// Project, Draw). The budget is 6 ms per frame.
//
//   scripts/session start build
//   scripts/wine-run build/bin/render3d_bench.exe
//   scripts/session stop build
#include <cstdio>
#include <memory>

#include "bench_timing.h"
#include "graphics/memory_surface.h"
#include "lwo_writer/lwo_writer.h"
#include "scene/3d/lwo_reader.h"
#include "scene/3d/mesh_renderer.h"
#include "scene/3d/sine_table.h"

namespace {

constexpr double kBudgetMs = 6.0;
constexpr int kFrames = 300;

}  // namespace

int main() {
    BuildSineTable();
    // 40 rings of 25 sides: 1,000 quadrilaterals as 2,000 triangles, reaching
    // 1.7 units from the centre, 340 pixels at the camera's distance.
    const LwoBytes bytes = WriteLwoObject(MakeTorus(40, 25, 1.2f, 0.5f));
    auto mesh = std::make_unique<CMesh>();
    if (CLwoReader(mesh.get()).LoadBytes(bytes.data(), static_cast<uint32_t>(bytes.size())) != 0) {
        std::printf("the torus did not read\n");
        return 1;
    }
    mesh->Scale() = CVector3(1, 1, 1);
    CMesh* torus = mesh.get();
    CMeshRenderer renderer;
    renderer.AllocateBuffers(CMeshRenderer::kCapacity);
    renderer.SetMesh(std::move(mesh));
    renderer.SetLightColour(0xC0C0C0);
    CMemorySurface surface;
    if (surface.Create(800, 600) != 0) return 1;
    const RECT clip = {0, 0, 800, 600};

    int frame = 0;
    int triangles = 0;
    double total = 0;
    double best = 1e9;
    for (; frame < kFrames; ++frame) {
        torus->Rotation() = CVector3(0.6f + 0.01f * frame, 0.02f * frame, 0.0f);
        const double start = Now();
        renderer.SetCamera(CVector3(0, 0, -2), CVector3(0, 0, 0));
        renderer.ResetFrame();
        renderer.Project(400, 300);
        renderer.Draw(surface, &clip);
        const double ms = (Now() - start) * 1000;
        total += ms;
        best = std::min(best, ms);
        triangles += renderer.ProjectedPolygonCount();
    }
    const double mean = total / kFrames;
    std::printf("render3d: %d triangles drawn per frame on average, mean %.3f ms, best %.3f ms per frame "
                "(budget %.1f ms)\n",
                triangles / kFrames, mean, best, kBudgetMs);
    return mean <= kBudgetMs ? 0 : 1;
}
