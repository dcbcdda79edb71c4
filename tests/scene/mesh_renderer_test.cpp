#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "graphics/memory_surface.h"
#include "graphics/triangle_fill.h"
#include "pixel_checks.h"
#include "scene/3d/mesh_renderer.h"
#include "scene/3d/sine_table.h"

namespace {

struct Point3 {
    float x, y, z;
};

struct Face {
    uint32_t a, b, c;
    uint32_t surface;
};

// A mesh of the points and triangles, with one surface per colour given
// (diffuse and specular as given for all).
std::unique_ptr<CMesh> MakeMesh(const std::vector<Point3>& points, const std::vector<Face>& faces,
                                const std::vector<uint32_t>& colours = {}, float diffuse = 1,
                                float specular = 0) {
    auto mesh = std::make_unique<CMesh>();
    mesh->ReservePoints(static_cast<uint32_t>(points.size()));
    for (const Point3& p : points) mesh->AddPoint(p.x, p.y, p.z);
    for (size_t i = 0; i < colours.size(); ++i) mesh->AddTag("s" + std::to_string(i));
    mesh->FinishTags();
    for (size_t i = 0; i < colours.size(); ++i) {
        MeshSurface* s = mesh->GetSurface("s" + std::to_string(i));
        s->colour = colours[i];
        s->diffuse = diffuse;
        s->specular = specular;
    }
    mesh->ReservePolygons(static_cast<uint32_t>(faces.size()));
    for (const Face& f : faces) {
        mesh->AddPolygon(f.a, f.b, f.c);
        mesh->Polygons()[mesh->PolygonCount() - 1].surface = f.surface;
    }
    mesh->FinishPolygons();
    return mesh;
}

class MeshRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildSineTable();
        renderer_.AllocateBuffers(CMeshRenderer::kCapacity);
    }

    // The 3D node's camera, then one projection around (400, 300).
    void Project(std::unique_ptr<CMesh> mesh, uint32_t light = 0xC0C0C0) {
        renderer_.SetMesh(std::move(mesh));
        renderer_.SetLightColour(light);
        renderer_.SetCamera(CVector3(0, 0, -2), CVector3());
        renderer_.ResetFrame();
        renderer_.Project(400, 300);
    }

    CMeshRenderer renderer_;
};

// Seen from the camera at z -2, a triangle at z 0 whose corners run clockwise
// on the screen faces it: k = 400 / 2.
const std::vector<Point3> kFront = {{0, 0, 0}, {0, 0.5f, 0}, {0.5f, 0, 0}};

TEST_F(MeshRendererTest, Defaults) {
    CMeshRenderer fresh;
    EXPECT_FLOAT_EQ(fresh.Near(), 0.1f);
    EXPECT_FLOAT_EQ(fresh.Far(), 100.0f);
    EXPECT_FLOAT_EQ(fresh.Focal(), 400.0f);
    EXPECT_EQ(fresh.LightColour(), 0xFFFFFFu);
    EXPECT_EQ(fresh.AmbientColour(), 0x141414u);
    EXPECT_EQ(fresh.GetOpacity(), 255);
    EXPECT_FLOAT_EQ(fresh.LightDirectionSetting().x, -10.0f);
    EXPECT_FLOAT_EQ(fresh.LightDirectionSetting().y, 1.0f);
    EXPECT_FLOAT_EQ(fresh.LightDirectionSetting().z, -4.0f);
    EXPECT_EQ(fresh.GetDirtyRect().right - fresh.GetDirtyRect().left, 0);
}

TEST_F(MeshRendererTest, OneTriangleLandsOnItsScreenCorners) {
    Project(MakeMesh(kFront, {{0, 1, 2, kNoSurface}}));
    ASSERT_EQ(renderer_.ProjectedPolygonCount(), 1);
    ASSERT_EQ(renderer_.ProjectedPointCount(), 3);
    const MeshPoint* p = renderer_.ProjectedPoints();
    const int expected[3][2] = {{400, 300}, {400, 200}, {500, 300}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p[i].screenX, expected[i][0] * 65536) << i;
        EXPECT_EQ(p[i].screenY, expected[i][1] * 65536) << i;
        EXPECT_FLOAT_EQ(p[i].position.z, 2.0f);
    }
    const RECT r = renderer_.GetDirtyRect();
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, -100);
    EXPECT_EQ(r.right, 101);
    EXPECT_EQ(r.bottom, 1);
    EXPECT_DOUBLE_EQ(renderer_.ProjectedPolygons()[0].depthKey, 6000.0);
    // LightDirection holds the normalised light of the projection.
    EXPECT_NEAR(LightDirection.Dot(LightDirection), 1.0, 1e-6);
}

TEST_F(MeshRendererTest, ShadingCases) {
    // The light (-10, 1, -4) normalised; the front triangle's normal is
    // (0, 0, -1), so d = 4 / sqrt(117).
    const double d = 4 / std::sqrt(117.0);
    // A face turned from the light: normal along (0.5, 0, -0.1), seen by the
    // camera, lit by nothing but the ambient colour.
    const std::vector<Point3> away = {{0, 0, 0}, {0, 0.5f, 0}, {0.2f, 0, 1}};
    const struct {
        const char* name;
        const std::vector<Point3>* points;
        uint32_t light, surface;
        float diffuse;
        uint32_t colour;
    } kCases[] = {
        // I = min(1, 3 d) = 1: C0 + 14 = D4, D4 * FF >> 8 = D3.
        {"full intensity", &kFront, 0xC0C0C0, 0xFFFFFF, 3.0f, 0xD3D3D3},
        {"ambient only", &away, 0xC0C0C0, 0xFFFFFF, 1.0f, 0x131313},
        {"diffuse 1", &kFront, 0xC0C0C0, 0xFFFFFF, 1.0f,
         0x010101u * ((std::min<uint32_t>(255, static_cast<uint32_t>(0xC0 * d) + 0x14) * 0xFF) >> 8)},
        {"surface colour", &kFront, 0xFFFFFF, 0x804020, 3.0f, 0x7F3F1F},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Project(MakeMesh(*c.points, {{0, 1, 2, 0}}, {c.surface}, c.diffuse), c.light);
        ASSERT_EQ(renderer_.ProjectedPolygonCount(), 1);
        EXPECT_EQ(renderer_.ProjectedPolygons()[0].colour, c.colour);
    }
}

TEST_F(MeshRendererTest, TrianglesWithoutASurfaceRecordAreLitWhite) {
    // Surface index 255 and one past the records: white, diffuse 1.
    for (uint32_t surface : {kNoSurface, 1u}) {
        Project(MakeMesh(kFront, {{0, 1, 2, surface}}, {0x0000FF}, 3.0f));
        ASSERT_EQ(renderer_.ProjectedPolygonCount(), 1);
        const double d = 4 / std::sqrt(117.0);
        const uint32_t channel = ((static_cast<uint32_t>(0xC0 * d) + 0x14) * 0xFF) >> 8;
        EXPECT_EQ(renderer_.ProjectedPolygons()[0].colour, channel * 0x010101u) << surface;
    }
}

TEST_F(MeshRendererTest, DroppedTriangles) {
    const struct {
        const char* name;
        std::vector<Point3> points;
        RECT rect;  // what the points that are put on the screen cover
    } kCases[] = {
        {"back face", {{0, 0, 0}, {0.5f, 0, 0}, {0, 0.5f, 0}}, {0, 0, 0, 0}},
        // view z 0.05: the near corner is not put on the screen.
        {"near corner", {{0, 0, 0}, {0, 0.5f, 0}, {0.5f, 0, -1.95f}}, {0, -100, 1, 1}},
        // view z 100.5: projected, but past the far distance.
        {"far corner", {{0, 0, 0}, {0, 0.5f, 0}, {0.5f, 0, 98.5f}}, {0, -100, 2, 1}},
        {"corner behind the eye", {{0, 0, 0}, {0, 0.5f, 0}, {0.5f, 0, -3}}, {0, -100, 1, 1}},
        {"corner past 16.16", {{0, 0, 0}, {0, 0.5f, 0}, {200, 0, -1.9f}}, {0, -100, 1, 1}},
        {"corner not finite", {{0, 0, 0}, {0, 0.5f, 0}, {NAN, 0, 0}}, {0, 0, 0, 0}},
        {"no area", {{0, 0, 0}, {0, 0.5f, 0}, {0, 0.5f, 0}}, {0, 0, 0, 0}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Project(MakeMesh(c.points, {{0, 1, 2, kNoSurface}}));
        EXPECT_EQ(renderer_.ProjectedPolygonCount(), 0);
        const RECT r = renderer_.GetDirtyRect();
        EXPECT_EQ(r.left, c.rect.left);
        EXPECT_EQ(r.top, c.rect.top);
        EXPECT_EQ(r.right, c.rect.right);
        EXPECT_EQ(r.bottom, c.rect.bottom);
    }
}

TEST_F(MeshRendererTest, TheNearerTriangleWins) {
    // The same shape at z 0 (red) and z 1 (blue), in both orders.
    const std::vector<Point3> points = {{-0.5f, -0.5f, 0}, {-0.5f, 0.5f, 0}, {0.5f, -0.5f, 0},
                                        {-0.5f, -0.5f, 1}, {-0.5f, 0.5f, 1}, {0.5f, -0.5f, 1}};
    const std::vector<std::vector<Face>> orders = {{{0, 1, 2, 0}, {3, 4, 5, 1}}, {{3, 4, 5, 1}, {0, 1, 2, 0}}};
    for (const std::vector<Face>& faces : orders) {
        Project(MakeMesh(points, faces, {0xFF0000, 0x0000FF}, 3.0f), 0xFFFFFF);
        ASSERT_EQ(renderer_.ProjectedPolygonCount(), 2);
        CMemorySurface target;
        ASSERT_EQ(target.Create(800, 600), 0);
        renderer_.Draw(target, nullptr);
        // Inside both: red, FF * FF >> 8 = FE.
        EXPECT_EQ(target.GetPixel(370, 330), 0xFE0000u);
        EXPECT_EQ(target.GetPixel(310, 390), 0xFE0000u);
    }
}

TEST_F(MeshRendererTest, OpacityChoosesTheFill) {
    Project(MakeMesh(kFront, {{0, 1, 2, 0}}, {0x4080C0}, 3.0f), 0xFFFFFF);
    ASSERT_EQ(renderer_.ProjectedPolygonCount(), 1);
    const MeshPoint* p = renderer_.ProjectedPoints();
    const FixedPoint a{p[0].screenX, p[0].screenY}, b{p[1].screenX, p[1].screenY}, c{p[2].screenX, p[2].screenY};
    const Color32 colour = renderer_.ProjectedPolygons()[0].colour;
    const RECT clip = {0, 0, 800, 600};
    for (int opacity : {0, 128, 255}) {
        SCOPED_TRACE(opacity);
        SurfacePair surfaces(800, 600, 3);
        renderer_.SetOpacity(opacity);
        renderer_.Draw(surfaces.actual, &clip);
        if (opacity == 255) FillTriangle(surfaces.expected, a, b, c, colour, &clip);
        if (opacity == 128) FillTriangleAlpha(surfaces.expected, a, b, c, (128u << 24) | colour, &clip);
        EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
    }
}

TEST_F(MeshRendererTest, AFadedMeshBlendsEveryPixelOnce) {
    // A turned 6 x 6 grid of cells, two triangles each, in four colours.
    std::vector<Point3> points;
    std::vector<Face> faces;
    const int cells = 6;
    for (int j = 0; j <= cells; ++j)
        for (int i = 0; i <= cells; ++i)
            points.push_back({-0.6f + 0.2f * i + 0.03f * (j % 2), -0.6f + 0.2f * j - 0.02f * (i % 3), 0});
    const auto at = [&](int i, int j) { return static_cast<uint32_t>(j * (cells + 1) + i); };
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cells; ++i) {
            faces.push_back({at(i, j), at(i, j + 1), at(i + 1, j), static_cast<uint32_t>(faces.size() % 4)});
            faces.push_back({at(i + 1, j + 1), at(i + 1, j), at(i, j + 1), static_cast<uint32_t>(faces.size() % 4)});
        }
    }
    auto mesh = MakeMesh(points, faces, {0xFF4020, 0x20FF40, 0x4020FF, 0xC0C0C0}, 2.0f);
    mesh->Rotation() = CVector3(0.4f, 0.3f, 0.2f);
    Project(std::move(mesh), 0xFFFFFF);
    ASSERT_EQ(renderer_.ProjectedPolygonCount(), 2 * cells * cells);

    // The opaque mesh shows which triangle covers each pixel; faded, each of
    // those pixels is that colour blended once over the background, and no
    // other pixel changes.
    const Color32 background = 0xFF306090;
    const RECT clip = {0, 0, 800, 600};
    CMemorySurface opaque, faded;
    ASSERT_EQ(opaque.Create(800, 600), 0);
    ASSERT_EQ(faded.Create(800, 600), 0);
    opaque.Fill(background, nullptr);
    faded.Fill(background, nullptr);
    renderer_.SetOpacity(255);
    renderer_.Draw(opaque, &clip);
    renderer_.SetOpacity(128);
    renderer_.Draw(faded, &clip);
    int covered = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const Color32 c = opaque.GetPixel(x, y);
            Color32 expected = background;
            if (c != background) {
                ++covered;
                expected = background & 0xFF000000;
                for (int shift = 0; shift < 24; shift += 8) {
                    const uint32_t d = (background >> shift) & 0xFF, v = (c >> shift) & 0xFF;
                    expected |= ((d * 127 >> 8) + (v * 128 >> 8)) << shift;
                }
            }
            ASSERT_EQ(faded.GetPixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_GT(covered, 20000);
}

// A UV sphere of the given radius about the origin, faces turned outwards;
// the faces at the poles have no area.
std::unique_ptr<CMesh> Sphere(float radius, int rings, int sides) {
    std::vector<Point3> points;
    std::vector<Face> faces;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i <= rings; ++i) {
        const double v = pi * i / rings - pi / 2;
        // Exactly 0 at the poles, where every point of the ring coincides.
        const double ring = (i == 0 || i == rings) ? 0.0 : radius * std::cos(v);
        for (int j = 0; j < sides; ++j) {
            const double u = 2 * pi * j / sides;
            points.push_back({static_cast<float>(ring * std::cos(u)), static_cast<float>(radius * std::sin(v)),
                              static_cast<float>(ring * std::sin(u))});
        }
    }
    const auto at = [&](int i, int j) { return static_cast<uint32_t>(i * sides + j % sides); };
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < sides; ++j) {
            faces.push_back({at(i, j), at(i + 1, j), at(i, j + 1), kNoSurface});
            faces.push_back({at(i + 1, j), at(i, j + 1), at(i + 1, j + 1), kNoSurface});
        }
    }
    return MakeMesh(points, faces);
}

// Whether the triangle faces the eye once in view space, worked out in
// double: +1 clearly, -1 clearly not, 0 too close to edge-on to tell.
int FacesTheEye(const CMesh& mesh, const MeshPolygon& polygon, const CMatrix4& m) {
    double v[3][3];
    const uint32_t corners[3] = {polygon.a, polygon.b, polygon.c};
    for (int k = 0; k < 3; ++k) {
        const CVector3& p = mesh.Points()[corners[k]].position;
        for (int axis = 0; axis < 3; ++axis) {
            v[k][axis] = p.x * double(m.m[axis]) + p.y * double(m.m[4 + axis]) + p.z * double(m.m[8 + axis]) +
                         m.m[12 + axis];
        }
    }
    const double e1[3] = {v[1][0] - v[0][0], v[1][1] - v[0][1], v[1][2] - v[0][2]};
    const double e2[3] = {v[2][0] - v[0][0], v[2][1] - v[0][1], v[2][2] - v[0][2]};
    const double n[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length == 0) return -1;
    const double toEye = -(n[0] * v[0][0] + n[1] * v[0][1] + n[2] * v[0][2]) / length;
    const double distance = std::sqrt(v[0][0] * v[0][0] + v[0][1] * v[0][1] + v[0][2] * v[0][2]);
    if (std::fabs(toEye) < 1e-3 * distance) return 0;
    return toEye > 0 ? 1 : -1;
}

TEST_F(MeshRendererTest, AScaledMeshKeepsEveryFrontFace) {
    const CVector3 kScales[] = {{1, 1, 1}, {2, 2, 2}, {0.5f, 1.5f, 1}, {1.8f, 0.4f, 0.7f}};
    for (const CVector3& scale : kScales) {
        SCOPED_TRACE(::testing::Message() << scale.x << ", " << scale.y << ", " << scale.z);
        auto mesh = Sphere(0.5f, 12, 16);
        mesh->Scale() = scale;
        mesh->Rotation() = CVector3(0.3f, 0.7f, 0);
        CMatrix4 m;
        m.RotateZXY(mesh->Rotation());
        m.Scale(scale);
        m.Translate(0, 0, 2);  // the camera's view
        CMesh* sphere = mesh.get();
        Project(std::move(mesh));
        std::set<std::tuple<uint32_t, uint32_t, uint32_t>> drawn;
        for (int i = 0; i < renderer_.ProjectedPolygonCount(); ++i) {
            const MeshPolygon& p = renderer_.ProjectedPolygons()[i];
            drawn.insert(std::make_tuple(p.a, p.b, p.c));
        }
        int front = 0;
        for (uint32_t i = 0; i < sphere->PolygonCount(); ++i) {
            const MeshPolygon& p = sphere->Polygons()[i];
            const int faces = FacesTheEye(*sphere, p, m);
            const bool isDrawn = drawn.count(std::make_tuple(p.a, p.b, p.c)) != 0;
            if (faces > 0) {
                ++front;
                EXPECT_TRUE(isDrawn) << "front face " << i;
            } else if (faces < 0) {
                EXPECT_FALSE(isDrawn) << "back face " << i;
            }
        }
        EXPECT_GT(front, 100);
    }
}

TEST_F(MeshRendererTest, AZoomedMeshIsLitAsAtItsOwnSize) {
    // A low pyramid pointing at the camera: four faces, four slants to the
    // light, none of them lit to the full.
    const std::vector<Point3> points = {
        {0, 0, -0.3f}, {-0.5f, -0.5f, 0}, {-0.5f, 0.5f, 0}, {0.5f, 0.5f, 0}, {0.5f, -0.5f, 0}};
    const std::vector<Face> faces = {
        {0, 1, 2, kNoSurface}, {0, 2, 3, kNoSurface}, {0, 3, 4, kNoSurface}, {0, 4, 1, kNoSurface}};
    // The colour of each face, by its first corners.
    const auto colours = [&](float scale) {
        auto mesh = MakeMesh(points, faces);
        mesh->Scale() = CVector3(scale, scale, scale);
        mesh->Rotation() = CVector3(0.2f, -0.3f, 0);
        Project(std::move(mesh));
        std::vector<std::pair<uint32_t, uint32_t>> out;
        for (int i = 0; i < renderer_.ProjectedPolygonCount(); ++i) {
            const MeshPolygon& p = renderer_.ProjectedPolygons()[i];
            out.push_back({p.b, p.colour});
        }
        return out;
    };
    const auto own = colours(1);
    ASSERT_EQ(own.size(), 4u);
    std::set<uint32_t> distinct;
    for (const auto& face : own) {
        distinct.insert(face.second);
        EXPECT_LT(face.second & 0xFF, 0xBFu);
    }
    EXPECT_EQ(distinct.size(), 4u);
    for (float scale : {2.0f, 0.5f, 1.7f}) EXPECT_EQ(colours(scale), own) << scale;
}

TEST_F(MeshRendererTest, AScaleWithAZeroComponentDrawsNothing) {
    auto mesh = Sphere(0.5f, 6, 8);
    mesh->Scale() = CVector3(1, 0, 1);
    Project(std::move(mesh));
    EXPECT_EQ(renderer_.ProjectedPolygonCount(), 0);
    EXPECT_EQ(renderer_.GetDirtyRect().right - renderer_.GetDirtyRect().left, 0);
}

TEST_F(MeshRendererTest, ProjectionStopsAtTheBuffers) {
    // Room for 4 points: a second projection into the same frame does not
    // fit and adds nothing.
    renderer_.AllocateBuffers(4);
    Project(MakeMesh(kFront, {{0, 1, 2, kNoSurface}}));
    EXPECT_EQ(renderer_.ProjectedPointCount(), 3);
    renderer_.Project(400, 300);
    EXPECT_EQ(renderer_.ProjectedPointCount(), 3);
    EXPECT_EQ(renderer_.ProjectedPolygonCount(), 1);
    // No buffers at all: nothing is projected.
    renderer_.FreeBuffers();
    Project(MakeMesh(kFront, {{0, 1, 2, kNoSurface}}));
    EXPECT_EQ(renderer_.ProjectedPolygonCount(), 0);
}

TEST(SortPolygonsByDepth, LargestKeyFirst) {
    const std::vector<std::vector<double>> kLists = {
        {}, {1}, {3, 1, 2}, {1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1}, {2, 2, 2, 2}, {5, 1, 5, 3, 1, 9, 0, 5}};
    for (const std::vector<double>& keys : kLists) {
        std::vector<MeshPolygon> polygons(keys.size());
        std::vector<MeshPolygon*> list;
        for (size_t i = 0; i < keys.size(); ++i) {
            polygons[i].depthKey = keys[i];
            list.push_back(&polygons[i]);
        }
        SortPolygonsByDepth(list.data(), static_cast<int>(list.size()));
        for (size_t i = 1; i < list.size(); ++i) EXPECT_GE(list[i - 1]->depthKey, list[i]->depthKey);
        EXPECT_EQ(std::set<MeshPolygon*>(list.begin(), list.end()).size(), keys.size());
    }
    // Many equal and sorted keys stay fast and shallow.
    std::vector<MeshPolygon> many(40960);
    std::vector<MeshPolygon*> list;
    for (size_t i = 0; i < many.size(); ++i) {
        many[i].depthKey = static_cast<double>(i / 1000);
        list.push_back(&many[i]);
    }
    SortPolygonsByDepth(list.data(), static_cast<int>(list.size()));
    EXPECT_EQ(list.front()->depthKey, 40.0);
    EXPECT_EQ(list.back()->depthKey, 0.0);
}

}  // namespace
