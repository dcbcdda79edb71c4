// One object's points, triangles and surfaces, as the object reader leaves
// them, with the place, turn and size the 3D actions give it.
#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "scene/3d/vector3.h"

// Also the element of the renderer's projected-point buffer.
struct MeshPoint {
    CVector3 position;
    // The sum of the normals of the triangles that use the point, normalised
    // by FinishPolygons.
    CVector3 normal;
    // Pixels, then 16.16 fixed point once projected.
    int32_t screenX = 0;
    int32_t screenY = 0;
    uint32_t useCount = 0;
    // On a mesh point: a visible triangle uses it in the current projection.
    // On a projected copy: it was put on the screen.
    uint8_t needed = 0;
};

// The surface index a triangle has until a polygon tag sets it.
constexpr uint32_t kNoSurface = 255;

// Also the element of the renderer's projected-polygon buffer.
struct MeshPolygon {
    uint32_t surface = kNoSurface;
    uint32_t a = 0;
    uint32_t b = 0;
    uint32_t c = 0;
    // Unit normal of (P[b] - P[a]) x (P[c] - P[a]); zero for a triangle
    // without area, which is never visible.
    CVector3 normal;
    uint32_t colour = 0;    // projected copies: 0x00RRGGBB
    double depthKey = 0;    // projected copies
    float planeDistance = 0;
    uint8_t visible = 0;
};

// The lighting values of one surface. A surface that no record describes
// is lit with these defaults: white, diffuse 1, specular 0.
struct MeshSurface {
    uint32_t colour = 0xFFFFFF;
    float luminosity = 0;  // kept, not used in lighting
    float diffuse = 1;
    float specular = 0;
    uint8_t image = 0;     // an image map names a clip; triangles are drawn untextured
    uint32_t clipIndex = 0;
};

class CMesh {
public:
    CMesh() : scale_(1, 1, 1) {}
    CMesh(const CMesh&) = delete;
    CMesh& operator=(const CMesh&) = delete;

    // Room for count points; adding restarts at index 0.
    void ReservePoints(uint32_t count);
    // The next point: zero normal sum, use count 0. Past the reserved count
    // nothing is added.
    void AddPoint(float x, float y, float z);
    // Room for count triangles; adding restarts at index 0, and the points'
    // normal sums and use counts, which belong to the triangles, start again.
    void ReservePolygons(uint32_t count);
    // The next triangle, surface index kNoSurface; adds its normal to the
    // normal sums of its points. Past the reserved count, or with a point
    // index at or past the point count, nothing is added.
    void AddPolygon(uint32_t a, uint32_t b, uint32_t c);
    // Normalises the normal sum of every used point.
    void FinishPolygons();

    // name -> the next surface index.
    void AddTag(const std::string& name);
    // One surface record per tag.
    void FinishTags();
    // The record of the tag's surface index; a name that is no tag is entered
    // with index 0. Null while there are no records.
    MeshSurface* GetSurface(const std::string& name);
    // Clips are not loaded.
    void AddClip(uint32_t index, const std::string& file) {
        (void)index;
        (void)file;
    }

    uint32_t PointCount() const { return pointsAdded_; }
    uint32_t PolygonCount() const { return polygonsAdded_; }
    MeshPoint* Points() { return points_.data(); }
    const MeshPoint* Points() const { return points_.data(); }
    MeshPolygon* Polygons() { return polygons_.data(); }
    const MeshPolygon* Polygons() const { return polygons_.data(); }
    const std::vector<MeshSurface>& Surfaces() const { return surfaces_; }
    uint32_t TagCount() const { return nextSurface_; }
    // The surface index of a tag, or -1.
    int FindTag(const std::string& name) const;

    CVector3& Position() { return position_; }
    CVector3& Rotation() { return rotation_; }  // radians
    CVector3& Scale() { return scale_; }
    // Meshes drawn with this mesh's matrix as their parent.
    std::list<std::unique_ptr<CMesh>>& Children() { return children_; }
    bool IsHidden() const { return hidden_ != 0; }
    void SetHidden(bool hidden) { hidden_ = hidden ? 1 : 0; }

private:
    std::vector<MeshPoint> points_;
    uint32_t pointsDeclared_ = 0;
    uint32_t pointsAdded_ = 0;
    std::vector<MeshPolygon> polygons_;
    uint32_t polygonsDeclared_ = 0;
    uint32_t polygonsAdded_ = 0;
    std::map<std::string, uint32_t> tags_;
    uint32_t nextSurface_ = 0;
    std::vector<MeshSurface> surfaces_;
    CVector3 position_;
    CVector3 rotation_;
    CVector3 scale_;
    std::list<std::unique_ptr<CMesh>> children_;
    uint32_t hidden_ = 0;
};
