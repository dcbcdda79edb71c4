#include "scene/3d/mesh_renderer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "graphics/triangle_fill.h"

CVector3 LightDirection;

namespace {

// Partitions [low, high] around the last element: larger keys to the left,
// equal ones in the middle. Returns the middle as [first, last].
std::pair<int, int> Partition(MeshPolygon** p, int low, int high) {
    const double pivot = p[high]->depthKey;
    int larger = low;   // end of the larger keys
    int current = low;
    int smaller = high; // start of the smaller keys, exclusive
    while (current <= smaller) {
        if (p[current]->depthKey > pivot) {
            std::swap(p[larger++], p[current++]);
        } else if (p[current]->depthKey < pivot) {
            std::swap(p[current], p[smaller--]);
        } else {
            ++current;
        }
    }
    return {larger, smaller};
}

uint32_t Channel(uint32_t colour, int shift) { return (colour >> shift) & 0xFF; }

// The triangle's corners hold a screen position.
bool OnScreen(const MeshPoint& p) { return p.needed != 0; }

}  // namespace

void SortPolygonsByDepth(MeshPolygon** polygons, int count) {
    int low = 0;
    int high = count - 1;
    while (low < high) {
        const std::pair<int, int> middle = Partition(polygons, low, high);
        // Into the smaller side, then on with the larger one.
        if (middle.first - low < high - middle.second) {
            SortPolygonsByDepth(polygons + low, middle.first - low);
            low = middle.second + 1;
        } else {
            SortPolygonsByDepth(polygons + middle.second + 1, high - middle.second);
            high = middle.first - 1;
        }
    }
}

CMeshRenderer::CMeshRenderer() : lightDirection_(-10.0f, 1.0f, -4.0f) {}

void CMeshRenderer::AllocateBuffers(int capacity) {
    projectedPoints_.assign(capacity, MeshPoint());
    projectedPolygons_.assign(capacity, MeshPolygon());
    sortList_.assign(capacity, nullptr);
    projectedPointCount_ = 0;
    projectedPolygonCount_ = 0;
}

void CMeshRenderer::FreeBuffers() {
    std::vector<MeshPoint>().swap(projectedPoints_);
    std::vector<MeshPolygon>().swap(projectedPolygons_);
    std::vector<MeshPolygon*>().swap(sortList_);
    projectedPointCount_ = 0;
    projectedPolygonCount_ = 0;
    mesh_.reset();
}

void CMeshRenderer::SetCamera(const CVector3& position, const CVector3& rotation) {
    view_.SetIdentity();
    view_.Translate(-position);
    view_.RotateYXZ(-rotation);
    projectedPointCount_ = 0;
    projectedPolygonCount_ = 0;
}

void CMeshRenderer::ResetFrame() {
    dirtyRect_ = {0, 0, 0, 0};
    projectedPointCount_ = 0;
    projectedPolygonCount_ = 0;
}

void CMeshRenderer::Project(int originX, int originY) {
    LightDirection = lightDirection_;
    LightDirection.NormalizeOrZero();
    if (mesh_ && !mesh_->IsHidden()) ProjectMesh(*mesh_, view_, originX, originY);
}

void CMeshRenderer::WidenDirtyRect(int x, int y) {
    if (dirtyRect_.left >= dirtyRect_.right || dirtyRect_.top >= dirtyRect_.bottom) {
        dirtyRect_ = {x, y, x + 1, y + 1};
        return;
    }
    dirtyRect_.left = std::min<LONG>(dirtyRect_.left, x);
    dirtyRect_.top = std::min<LONG>(dirtyRect_.top, y);
    dirtyRect_.right = std::max<LONG>(dirtyRect_.right, x + 1);
    dirtyRect_.bottom = std::max<LONG>(dirtyRect_.bottom, y + 1);
}

void CMeshRenderer::ProjectPoint(MeshPoint& out, const MeshPoint& point, const CMatrix4& m, int originX,
                                 int originY) {
    out.position = point.position * m;
    out.normal = point.normal;
    out.needed = 0;
    // Nearer than the near distance (at or behind the eye too): no division
    // by 0 and no pixel; its triangles fail the near test.
    if (!(out.position.z >= near_)) return;
    const double k = double(focal_) / out.position.z;
    const double x = std::trunc(out.position.x * k + originX);
    const double y = std::trunc(originY - out.position.y * k);
    if (!(std::fabs(x) <= kScreenLimit) || !(std::fabs(y) <= kScreenLimit)) return;
    const int sx = static_cast<int>(x);
    const int sy = static_cast<int>(y);
    // Relative to the origin the pixel may lie past the screen limits by the
    // origin; the rectangle is kept in the same int range as the pixels.
    WidenDirtyRect(sx - originX, sy - originY);
    out.screenX = sx * 65536;
    out.screenY = sy * 65536;
    out.needed = 1;
}

uint32_t CMeshRenderer::Shade(const CVector3& normal, const MeshSurface& surface, const CVector3& light,
                              const CVector3& eye) const {
    const double d = std::max(0.0, normal.Dot(light));
    CVector3 half = (light + eye) / 2.0f;
    half.NormalizeOrZero();
    const double s = std::min(1.0, std::max(0.0, normal.Dot(half)));
    double intensity = std::pow(s, 64) * surface.specular + d * surface.diffuse;
    if (!std::isfinite(intensity) || intensity < 0) intensity = 0;
    if (intensity > 1.0) intensity = 1.0;
    uint32_t colour = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t lit = intensity == 0 ? 0 : static_cast<uint32_t>(Channel(lightColour_, shift) * intensity);
        const uint32_t shaded = std::min<uint32_t>(255, lit + Channel(ambientColour_, shift));
        colour |= ((shaded * Channel(surface.colour, shift)) >> 8) << shift;
    }
    return colour;
}

void CMeshRenderer::ProjectMesh(CMesh& mesh, const CMatrix4& parent, int originX, int originY) {
    CMatrix4 m;
    m.RotateZXY(mesh.Rotation());
    m.Translate(mesh.Position());
    m.Scale(mesh.Scale());
    m *= parent;
    // The camera in the mesh's space: the full inverse, since a scaled
    // matrix is no rigid one. A scale with a 0 component shows nothing.
    CMatrix4 inverse;
    if (!inverse.SetInverseAffine(m)) return;
    const CVector3 eye = CVector3() * inverse;
    // The light in the mesh's space. The transposed matrix turns it, but
    // through a scaled matrix it also comes out scale times as long, and
    // the diffuse term normal . L with it: a zoomed object would be lit
    // brighter, a shrunk one darker, for the same turn. Normalised, a
    // uniformly scaled mesh is lit exactly as at its own size.
    CVector3 light = LightDirection;
    light.RotateByTransposed(m);
    light.NormalizeOrZero();

    const uint32_t pointCount = mesh.PointCount();
    const uint32_t polygonCount = mesh.PolygonCount();
    const int base = projectedPointCount_;
    if (pointCount > projectedPoints_.size() - static_cast<size_t>(base)) return;

    MeshPoint* points = mesh.Points();
    MeshPolygon* polygons = mesh.Polygons();
    for (uint32_t i = 0; i < polygonCount; ++i) {
        MeshPolygon& polygon = polygons[i];
        if (polygon.normal.IsZero() || !(polygon.normal.Dot(eye) >= polygon.planeDistance)) continue;
        polygon.visible = 1;
        points[polygon.a].needed = points[polygon.b].needed = points[polygon.c].needed = 1;
    }
    for (uint32_t i = 0; i < pointCount; ++i) {
        if (!points[i].needed) continue;
        ProjectPoint(projectedPoints_[base + i], points[i], m, originX, originY);
        points[i].needed = 0;
    }
    projectedPointCount_ = base + static_cast<int>(pointCount);

    const std::vector<MeshSurface>& surfaces = mesh.Surfaces();
    const MeshSurface neutral;
    for (uint32_t i = 0; i < polygonCount; ++i) {
        MeshPolygon& polygon = polygons[i];
        if (!polygon.visible) continue;
        polygon.visible = 0;
        const MeshPoint& a = projectedPoints_[base + polygon.a];
        const MeshPoint& b = projectedPoints_[base + polygon.b];
        const MeshPoint& c = projectedPoints_[base + polygon.c];
        if (!OnScreen(a) || !OnScreen(b) || !OnScreen(c)) continue;
        if (!(a.position.z <= far_ && b.position.z <= far_ && c.position.z <= far_)) continue;
        if (static_cast<size_t>(projectedPolygonCount_) >= projectedPolygons_.size()) continue;
        MeshPolygon& out = projectedPolygons_[projectedPolygonCount_++];
        out = polygon;
        out.a = base + polygon.a;
        out.b = base + polygon.b;
        out.c = base + polygon.c;
        const MeshSurface& surface = polygon.surface < surfaces.size() ? surfaces[polygon.surface] : neutral;
        out.colour = Shade(polygon.normal, surface, light, eye);
        out.depthKey = (double(a.position.z) + b.position.z + c.position.z) * 1000.0;
    }

    for (std::unique_ptr<CMesh>& child : mesh.Children()) {
        if (!child->IsHidden()) ProjectMesh(*child, m, originX, originY);
    }
}

void CMeshRenderer::Draw(CMemorySurface& surface, const RECT* clip) {
    if (opacity_ <= 0) return;
    const int count = projectedPolygonCount_;
    for (int i = 0; i < count; ++i) sortList_[i] = &projectedPolygons_[i];
    SortPolygonsByDepth(sortList_.data(), count);
    const uint32_t alpha = static_cast<uint32_t>(std::min(opacity_, 255)) << 24;
    for (int i = 0; i < count; ++i) {
        const MeshPolygon& polygon = *sortList_[i];
        const MeshPoint& a = projectedPoints_[polygon.a];
        const MeshPoint& b = projectedPoints_[polygon.b];
        const MeshPoint& c = projectedPoints_[polygon.c];
        const FixedPoint pa{a.screenX, a.screenY};
        const FixedPoint pb{b.screenX, b.screenY};
        const FixedPoint pc{c.screenX, c.screenY};
        if (opacity_ >= 255) {
            FillTriangle(surface, pa, pb, pc, polygon.colour, clip);
        } else {
            FillTriangleAlpha(surface, pa, pb, pc, alpha | polygon.colour, clip);
        }
    }
}
