#include "lwo_fixture.h"

#include "graphics/memory_surface.h"
#include "scene/3d/mesh_renderer.h"
#include "scene/3d/sine_table.h"

CLwoWriter WriteFullObject() {
    CLwoWriter w;
    w.BeginForm();
    w.BeginChunk("TAGS");
    w.S0("Red");
    w.S0("Blue");
    w.End();
    w.BeginChunk("PNTS");
    w.Vec12(0, 0, 0);
    w.Vec12(0, 0.5f, 0);
    w.Vec12(0.5f, 0, 0);
    w.Vec12(0.5f, 0.5f, 0);
    w.Vec12(-0.5f, 0, 0);
    w.Vec12(0, -0.5f, 0);
    w.End();
    w.BeginChunk("VMAP");
    w.Id4("TXUV");
    w.U2(2);
    w.S0("uv");
    w.VX(0);
    w.F4(0.25f);
    w.F4(0.75f);
    w.End();
    w.BeginChunk("ODDC");
    w.Raw({1, 2, 3});
    w.End();
    w.BeginChunk("POLS");
    w.Id4("FACE");
    w.U2(3);
    w.VX(0);
    w.VX(1);
    w.VX(2);
    w.U2(4);
    w.VX(0);
    w.VX(1);
    w.VX(3);
    w.VX(2);
    w.U2(2);
    w.VX(4);
    w.VX(5);
    w.U2(0x8003);  // flags above the count
    w.VX4(3);
    w.VX(2);
    w.VX(1);
    w.U2(1);
    w.VX(0);
    w.End();
    w.BeginChunk("PTAG");
    w.Id4("SURF");
    w.VX(0);
    w.U2(1);
    w.VX(1);
    w.U2(0);
    w.VX(2);
    w.U2(1);
    w.End();
    w.BeginChunk("VMAD");
    w.Id4("TXUV");
    w.U2(2);
    w.S0("uv");
    w.VX(0);
    w.VX(0);
    w.F4(0.5f);
    w.F4(0.5f);
    w.End();
    w.BeginChunk("SURF");
    w.S0("Red");
    w.S0("");
    w.BeginSubChunk("COLR");
    w.Vec12(1.0f, 0.5f, 0.0f);
    w.VX(0);
    w.End();
    w.BeginSubChunk("DIFF");
    w.F4(0.75f);
    w.VX(0);
    w.End();
    w.BeginSubChunk("LUMI");
    w.F4(0.25f);
    w.VX(0);
    w.End();
    w.BeginSubChunk("SPEC");
    w.F4(0.5f);
    w.VX(0);
    w.End();
    w.BeginSubChunk("SMAN");
    w.F4(1.5f);
    w.End();
    w.BeginSubChunk("BLOK");
    w.BeginSubChunk("IMAP");
    w.S0("\x80");
    w.BeginSubChunk("CHAN");
    w.Id4("COLR");
    w.End();
    w.End();
    w.BeginSubChunk("TMAP");
    w.BeginSubChunk("CNTR");
    w.Vec12(0, 0, 0);
    w.VX(0);
    w.End();
    w.BeginSubChunk("SIZE");
    w.Vec12(1, 1, 1);
    w.VX(0);
    w.End();
    w.End();
    w.BeginSubChunk("PROJ");
    w.U2(5);
    w.End();
    w.BeginSubChunk("AXIS");
    w.U2(2);
    w.End();
    w.BeginSubChunk("IMAG");
    w.VX(3);
    w.End();
    w.End();
    w.End();
    w.BeginChunk("SURF");
    w.S0("Blue");
    w.S0("");
    w.BeginSubChunk("COLR");
    w.Vec12(0.0f, 0.0f, 1.0f);
    w.VX(0);
    w.End();
    w.BeginSubChunk("BLOK");
    w.BeginSubChunk("PROC");
    w.S0("\x81");
    w.End();
    w.BeginSubChunk("TMAP");
    w.BeginSubChunk("CNTR");
    w.Vec12(0, 0, 0);
    w.VX(0);
    w.End();
    w.End();
    w.BeginSubChunk("VALU");
    w.Vec12(0.1f, 0.2f, 0.3f);
    w.End();
    w.End();
    w.BeginSubChunk("BLOK");
    w.BeginSubChunk("GRAD");
    w.S0("\x82");
    w.End();
    w.BeginSubChunk("PNAM");
    w.S0("Slope");
    w.End();
    w.End();
    w.BeginSubChunk("BLOK");
    w.BeginSubChunk("SHDR");
    w.S0("\x83");
    w.End();
    w.End();
    w.End();
    w.BeginChunk("CLIP");
    w.U4(3);
    w.BeginSubChunk("STIL");
    w.S0("images/a.png");
    w.End();
    w.End();
    w.End();
    return w;
}

::testing::AssertionResult MeshInvariantsHold(const CMesh& mesh) {
    const uint32_t points = mesh.PointCount();
    const size_t surfaces = mesh.Surfaces().size();
    for (uint32_t i = 0; i < mesh.PolygonCount(); ++i) {
        const MeshPolygon& p = mesh.Polygons()[i];
        if (p.a >= points || p.b >= points || p.c >= points) {
            return ::testing::AssertionFailure() << "triangle " << i << " names a point past " << points;
        }
        if (p.surface != kNoSurface && p.surface >= surfaces) {
            return ::testing::AssertionFailure() << "triangle " << i << " names surface " << p.surface;
        }
        if (!(p.normal.IsFinite())) return ::testing::AssertionFailure() << "triangle " << i << " normal";
    }
    return ::testing::AssertionSuccess();
}

void ProjectAndDraw(std::unique_ptr<CMesh> mesh) {
    // Made once: the buffers are large, and reused as the 3D node reuses
    // them from frame to frame.
    static CMeshRenderer renderer;
    static CMemorySurface target;
    if (!renderer.ProjectedPoints()) {
        BuildSineTable();
        renderer.AllocateBuffers(CMeshRenderer::kCapacity);
        target.Create(800, 600);
    }
    mesh->Rotation() = CVector3(0.3f, 0.5f, 0.1f);
    renderer.SetMesh(std::move(mesh));
    renderer.SetCamera(CVector3(0, 0, -2), CVector3(0, 0, 0.2f));
    renderer.ResetFrame();
    renderer.Project(400, 300);
    renderer.SetOpacity(255);
    renderer.Draw(target, nullptr);
    renderer.SetOpacity(100);
    renderer.Draw(target, nullptr);
}
