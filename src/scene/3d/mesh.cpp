#include "scene/3d/mesh.h"

void CMesh::ReservePoints(uint32_t count) {
    points_.resize(count);
    pointsDeclared_ = count;
    pointsAdded_ = 0;
}

void CMesh::AddPoint(float x, float y, float z) {
    if (pointsAdded_ >= pointsDeclared_) return;
    MeshPoint& point = points_[pointsAdded_++];
    point = MeshPoint();
    point.position = CVector3(x, y, z);
}

void CMesh::ReservePolygons(uint32_t count) {
    polygons_.resize(count);
    polygonsDeclared_ = count;
    polygonsAdded_ = 0;
    for (uint32_t i = 0; i < pointsAdded_; ++i) {
        points_[i].normal.SetZero();
        points_[i].useCount = 0;
    }
}

void CMesh::AddPolygon(uint32_t a, uint32_t b, uint32_t c) {
    if (polygonsAdded_ >= polygonsDeclared_) return;
    if (a >= pointsAdded_ || b >= pointsAdded_ || c >= pointsAdded_) return;
    MeshPolygon& polygon = polygons_[polygonsAdded_++];
    polygon = MeshPolygon();
    polygon.a = a;
    polygon.b = b;
    polygon.c = c;
    const CVector3& pa = points_[a].position;
    polygon.normal = (points_[b].position - pa).Cross(points_[c].position - pa);
    polygon.normal.NormalizeOrZero();
    polygon.planeDistance = static_cast<float>(polygon.normal.Dot(pa));
    for (uint32_t index : {a, b, c}) {
        points_[index].normal += polygon.normal;
        ++points_[index].useCount;
    }
}

void CMesh::FinishPolygons() {
    for (uint32_t i = 0; i < pointsAdded_; ++i) {
        if (points_[i].useCount > 0) points_[i].normal.NormalizeOrZero();
    }
}

void CMesh::AddTag(const std::string& name) { tags_[name] = nextSurface_++; }

void CMesh::FinishTags() { surfaces_.resize(nextSurface_); }

MeshSurface* CMesh::GetSurface(const std::string& name) {
    const uint32_t index = tags_.emplace(name, 0).first->second;
    return index < surfaces_.size() ? &surfaces_[index] : nullptr;
}

int CMesh::FindTag(const std::string& name) const {
    const auto found = tags_.find(name);
    return found == tags_.end() ? -1 : static_cast<int>(found->second);
}
