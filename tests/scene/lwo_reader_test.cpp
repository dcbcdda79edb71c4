#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "lwo_fixture.h"
#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "scene/3d/lwo_reader.h"
#include "support/guarded_bytes.h"
#include "support/temp_folder.h"

namespace {

int Read(const LwoBytes& bytes, CMesh& mesh) {
    CGuardedBytes guarded(bytes);
    return CLwoReader(&mesh).LoadBytes(guarded.data(), guarded.size());
}

TEST(LwoReader, ReadsTheFullObject) {
    CMesh mesh;
    ASSERT_EQ(Read(WriteFullObject().Bytes(), mesh), CLwoReader::kRead);
    ASSERT_EQ(mesh.PointCount(), 6u);
    EXPECT_FLOAT_EQ(mesh.Points()[3].position.x, 0.5f);
    EXPECT_FLOAT_EQ(mesh.Points()[3].position.y, 0.5f);
    const uint32_t kTriangles[3][4] = {{0, 1, 2, 1}, {4, 5, 5, 0}, {3, 2, 1, 1}};
    ASSERT_EQ(mesh.PolygonCount(), 3u);
    for (int i = 0; i < 3; ++i) {
        const MeshPolygon& p = mesh.Polygons()[i];
        EXPECT_EQ(p.a, kTriangles[i][0]) << i;
        EXPECT_EQ(p.b, kTriangles[i][1]) << i;
        EXPECT_EQ(p.c, kTriangles[i][2]) << i;
        EXPECT_EQ(p.surface, kTriangles[i][3]) << i;
    }
    // The two-point polygon has no area: a zero normal, not NaN.
    EXPECT_TRUE(mesh.Polygons()[1].normal.IsZero());
    EXPECT_FLOAT_EQ(mesh.Polygons()[0].normal.z, -1.0f);
    EXPECT_EQ(mesh.Points()[0].useCount, 1u);
    EXPECT_EQ(mesh.Points()[5].useCount, 2u);
    ASSERT_EQ(mesh.Surfaces().size(), 2u);
    const MeshSurface& red = mesh.Surfaces()[0];
    EXPECT_EQ(red.colour, 0xFF7F00u);
    EXPECT_FLOAT_EQ(red.diffuse, 0.75f);
    EXPECT_FLOAT_EQ(red.luminosity, 0.25f);
    EXPECT_FLOAT_EQ(red.specular, 0.5f);
    EXPECT_EQ(red.image, 1);
    EXPECT_EQ(red.clipIndex, 3u);
    const MeshSurface& blue = mesh.Surfaces()[1];
    EXPECT_EQ(blue.colour, 0x0000FFu);
    EXPECT_FLOAT_EQ(blue.diffuse, 1.0f);
    EXPECT_FLOAT_EQ(blue.specular, 0.0f);
    EXPECT_EQ(blue.image, 0);
    EXPECT_EQ(mesh.FindTag("Blue"), 1);
}

// Writes a form of the given chunks.
LwoBytes Form(const std::function<void(CLwoWriter&)>& chunks, const char* type = "LWO2") {
    CLwoWriter w;
    w.BeginForm(type);
    chunks(w);
    w.End();
    return w.Bytes();
}

void Points(CLwoWriter& w, int count) {
    w.BeginChunk("PNTS");
    for (int i = 0; i < count; ++i) w.Vec12(static_cast<float>(i % 7), static_cast<float>(i / 7), 1.0f);
    w.End();
}

void Tags(CLwoWriter& w, std::initializer_list<const char*> names) {
    w.BeginChunk("TAGS");
    for (const char* name : names) w.S0(name);
    w.End();
}

void Triangles(CLwoWriter& w, std::initializer_list<std::initializer_list<uint32_t>> polygons) {
    w.BeginChunk("POLS");
    w.Id4("FACE");
    for (const auto& polygon : polygons) {
        w.U2(static_cast<uint16_t>(polygon.size()));
        for (uint32_t index : polygon) w.VX(index);
    }
    w.End();
}

void SurfaceColour(CLwoWriter& w, const char* name, float r, float g, float b) {
    w.BeginChunk("SURF");
    w.S0(name);
    w.S0("");
    w.BeginSubChunk("COLR");
    w.Vec12(r, g, b);
    w.VX(0);
    w.End();
    w.End();
}

struct EdgeCase {
    const char* name;
    LwoBytes bytes;
    int result;
    std::function<void(const CMesh&)> check;
};

TEST(LwoReader, EdgeCases) {
    const EdgeCase kCases[] = {
        {"a chunk of odd size is followed by its pad",
         Form([](CLwoWriter& w) {
             w.BeginChunk("ODDC");
             w.Raw({9, 9, 9, 9, 9});
             w.End();
             Points(w, 2);
         }),
         0, [](const CMesh& m) { EXPECT_EQ(m.PointCount(), 2u); }},
        {"VX FF 00 00 05 is index 5 in 4 bytes",
         Form([](CLwoWriter& w) {
             Points(w, 6);
             w.BeginChunk("POLS");
             w.Id4("FACE");
             w.U2(3);
             w.Raw({0xFF, 0x00, 0x00, 0x05});
             w.VX(1);
             w.VX(2);
             w.U2(3);
             w.VX(3);
             w.VX(4);
             w.VX(5);
             w.End();
         }),
         0,
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 2u);
             EXPECT_EQ(m.Polygons()[0].a, 5u);
             EXPECT_EQ(m.Polygons()[0].b, 1u);
             EXPECT_EQ(m.Polygons()[1].a, 3u);
         }},
        {"VX 12 34 is index 0x1234 in 2 bytes",
         Form([](CLwoWriter& w) {
             Points(w, 0x1235);
             w.BeginChunk("POLS");
             w.Id4("FACE");
             w.U2(3);
             w.Raw({0x12, 0x34});
             w.VX(0);
             w.VX(1);
             w.End();
         }),
         0,
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 1u);
             EXPECT_EQ(m.Polygons()[0].a, 0x1234u);
             EXPECT_EQ(m.Polygons()[0].c, 1u);
         }},
        {"S0 \"ab\" takes 4 bytes",
         Form([](CLwoWriter& w) {
             w.BeginChunk("TAGS");
             w.Raw({'a', 'b', 0, 0, 'c', 'd', 0, 0});
             w.End();
         }),
         0,
         [](const CMesh& m) {
             EXPECT_EQ(m.TagCount(), 2u);
             EXPECT_EQ(m.FindTag("ab"), 0);
             EXPECT_EQ(m.FindTag("cd"), 1);
         }},
        {"a quadrilateral is dropped and not counted by PTAG",
         Form([](CLwoWriter& w) {
             Tags(w, {"A", "B"});
             Points(w, 4);
             Triangles(w, {{0, 1, 2}, {0, 1, 2, 3}, {1, 2, 3}});
             w.BeginChunk("PTAG");
             w.Id4("SURF");
             w.VX(1);
             w.U2(1);
             w.End();
         }),
         0,
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 2u);
             EXPECT_EQ(m.Polygons()[1].a, 1u);
             EXPECT_EQ(m.Polygons()[1].surface, 1u);
             EXPECT_EQ(m.Polygons()[0].surface, kNoSurface);
         }},
        {"PTAG before TAGS keeps its surface indices",
         Form([](CLwoWriter& w) {
             Points(w, 4);
             Triangles(w, {{0, 1, 2}, {1, 2, 3}, {0, 2, 3}});
             w.BeginChunk("PTAG");
             w.Id4("SURF");
             w.VX(0);
             w.U2(2);
             w.VX(2);
             w.U2(1);
             w.End();
             Tags(w, {"A", "B", "C"});
         }),
         0,
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 3u);
             EXPECT_EQ(m.Polygons()[0].surface, 2u);
             EXPECT_EQ(m.Polygons()[1].surface, kNoSurface);
             EXPECT_EQ(m.Polygons()[2].surface, 1u);
         }},
        {"COLR (1.0, 0.5, 0.0) is 0xFF7F00",
         Form([](CLwoWriter& w) {
             Tags(w, {"A"});
             SurfaceColour(w, "A", 1.0f, 0.5f, 0.0f);
         }),
         0, [](const CMesh& m) { EXPECT_EQ(m.Surfaces()[0].colour, 0xFF7F00u); }},
        {"COLR keeps the unclamped formula in range",
         Form([](CLwoWriter& w) {
             Tags(w, {"A"});
             SurfaceColour(w, "A", -1.0f, 2.0f, 0.0f);
         }),
         0,
         [](const CMesh& m) {
             EXPECT_EQ(m.Surfaces()[0].colour, (static_cast<uint32_t>(-255) << 16) + (510u << 8));
         }},
        {"COLR components not finite or out of int range count as 0",
         Form([](CLwoWriter& w) {
             Tags(w, {"A"});
             SurfaceColour(w, "A", NAN, 1e20f, 0.5f);
         }),
         0, [](const CMesh& m) { EXPECT_EQ(m.Surfaces()[0].colour, 0x00007Fu); }},
        {"IMAG sets the image flag",
         Form([](CLwoWriter& w) {
             Tags(w, {"A"});
             w.BeginChunk("SURF");
             w.S0("A");
             w.S0("");
             w.BeginSubChunk("BLOK");
             w.BeginSubChunk("IMAP");
             w.S0("\x80");
             w.End();
             w.BeginSubChunk("IMAG");
             w.VX(0x12345);
             w.End();
             w.End();
             w.End();
         }),
         0,
         [](const CMesh& m) {
             EXPECT_EQ(m.Surfaces()[0].image, 1);
             EXPECT_EQ(m.Surfaces()[0].clipIndex, 0x12345u);
         }},
        {"a SURF naming no tag describes surface 0",
         Form([](CLwoWriter& w) {
             Tags(w, {"A", "B"});
             SurfaceColour(w, "C", 0.0f, 1.0f, 0.0f);
         }),
         0,
         [](const CMesh& m) {
             EXPECT_EQ(m.Surfaces()[0].colour, 0x00FF00u);
             EXPECT_EQ(m.Surfaces()[1].colour, 0xFFFFFFu);
         }},
        {"a second POLS replaces the triangles",
         Form([](CLwoWriter& w) {
             Points(w, 4);
             Triangles(w, {{0, 1, 2}, {1, 2, 3}});
             Triangles(w, {{3, 2, 1}});
         }),
         0,
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 1u);
             EXPECT_EQ(m.Polygons()[0].a, 3u);
             EXPECT_EQ(m.Points()[0].useCount, 0u);
             EXPECT_EQ(m.Points()[3].useCount, 1u);
         }},
        {"a POLS of another type is skipped",
         Form([](CLwoWriter& w) {
             Points(w, 3);
             w.BeginChunk("POLS");
             w.Id4("CURV");
             w.U2(3);
             w.VX(0);
             w.VX(1);
             w.VX(2);
             w.End();
         }),
         0, [](const CMesh& m) { EXPECT_EQ(m.PolygonCount(), 0u); }},
        {"not LWO2: another form type", Form([](CLwoWriter& w) { Points(w, 3); }, "LWOB"), 0,
         [](const CMesh& m) { EXPECT_EQ(m.PointCount(), 0u); }},
        {"not LWO2: no form", LwoBytes{'R', 'I', 'F', 'F', 0, 0, 0, 4, 'L', 'W', 'O', '2'}, 0,
         [](const CMesh& m) { EXPECT_EQ(m.PointCount(), 0u); }},
        {"not LWO2: empty", LwoBytes{}, 0, [](const CMesh& m) { EXPECT_EQ(m.PointCount(), 0u); }},
    };
    for (const EdgeCase& c : kCases) {
        SCOPED_TRACE(c.name);
        CMesh mesh;
        EXPECT_EQ(Read(c.bytes, mesh), c.result);
        c.check(mesh);
        EXPECT_TRUE(MeshInvariantsHold(mesh));
    }
}

TEST(LwoReader, ChangesNothingForMapsGradientsAndProcedurals) {
    // The full object less its VMAP, VMAD, PROC and GRAD parts reads alike.
    CLwoWriter w;
    w.BeginForm();
    Tags(w, {"Red", "Blue"});
    w.BeginChunk("PNTS");
    for (float p : {0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.5f, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f, -0.5f, 0.0f, 0.0f,
                    0.0f, -0.5f, 0.0f}) {
        w.F4(p);
    }
    w.End();
    Triangles(w, {{0, 1, 2}, {4, 5}, {3, 2, 1}});
    w.BeginChunk("PTAG");
    w.Id4("SURF");
    const uint16_t kTags[] = {1, 0, 1};
    for (uint32_t polygon = 0; polygon < 3; ++polygon) {
        w.VX(polygon);
        w.U2(kTags[polygon]);
    }
    w.End();
    w.End();
    CMesh full, plain;
    ASSERT_EQ(Read(WriteFullObject().Bytes(), full), 0);
    ASSERT_EQ(Read(w.Bytes(), plain), 0);
    ASSERT_EQ(full.PointCount(), plain.PointCount());
    ASSERT_EQ(full.PolygonCount(), plain.PolygonCount());
    for (uint32_t i = 0; i < full.PointCount(); ++i) {
        EXPECT_FLOAT_EQ(full.Points()[i].position.x, plain.Points()[i].position.x);
        EXPECT_FLOAT_EQ(full.Points()[i].normal.z, plain.Points()[i].normal.z);
    }
    for (uint32_t i = 0; i < full.PolygonCount(); ++i) {
        EXPECT_EQ(full.Polygons()[i].c, plain.Polygons()[i].c);
    }
    // The blue surface with its procedural and gradient blocks keeps the
    // colour and defaults alone.
    EXPECT_EQ(full.Surfaces()[1].colour, 0x0000FFu);
    EXPECT_EQ(full.Surfaces()[1].image, 0);
}

TEST(LwoReader, LoadsFromTheArchivesOnly) {
    CTempFolder temp;
    CBaseDirectoryScope base(temp.Path());
    const LwoBytes object = WriteFullObject().Bytes();
    temp.Write("obj.dat", packer::BuildArchive(archive::kVersion2, "obj.dat",
                                               {{"thing.lwo", object, true, archive::kScrambleKeyStream}}));
    temp.Write("loose/thing.lwo", object);
    const struct {
        const char* path;
        int result;
        uint32_t points;
    } kCases[] = {
        {"obj/thing.lwo", 0, 6},
        {"obj/THING.LWO", 0, 6},
        {"obj/none.lwo", 1, 0},
        {"loose/thing.lwo", 1, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        CMesh mesh;
        EXPECT_EQ(CLwoReader(&mesh).Load(c.path), c.result);
        EXPECT_EQ(mesh.PointCount(), c.points);
    }
}

}  // namespace
