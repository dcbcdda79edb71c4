// Flat-shaded triangles of a mesh on a 32-bit surface, entirely in software:
// back faces culled, the needed points transformed and projected with a
// fixed perspective, each triangle lit by one directional light (diffuse and
// specular) plus an ambient colour, the triangles between the near and far
// distances sorted far to near and filled in that order (no depth buffer).
//
// Each time the picture changes: SetCamera, ResetFrame, Project; then Draw
// as often as needed (once per redraw piece). The projected buffers are
// allocated by the owner once; nothing is allocated per frame.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "scene/3d/matrix4.h"
#include "scene/3d/mesh.h"

class CMemorySurface;

// The normalised light direction of the current projection.
extern CVector3 LightDirection;

// Sorts by depth key, largest (farthest) first: quicksort with the last
// element as pivot; equal keys in any order. The recursion goes into the
// smaller part only, so its depth stays logarithmic.
void SortPolygonsByDepth(MeshPolygon** polygons, int count);

class CMeshRenderer {
public:
    // The capacity the 3D node allocates: projected points and triangles.
    static constexpr int kCapacity = 40960;
    // Screen coordinates must fit 16.16 fixed point.
    static constexpr int kScreenLimit = 32767;

    CMeshRenderer();
    CMeshRenderer(const CMeshRenderer&) = delete;
    CMeshRenderer& operator=(const CMeshRenderer&) = delete;

    // The renderer owns the one mesh it draws.
    void SetMesh(std::unique_ptr<CMesh> mesh) { mesh_ = std::move(mesh); }
    CMesh* GetMesh() const { return mesh_.get(); }
    // Both projected buffers with capacity elements each, and the sort list.
    void AllocateBuffers(int capacity);
    // Frees the buffers and the mesh.
    void FreeBuffers();

    // view = identity x Translate(-position) x RotateYXZ(-rotation); both
    // projected counts become 0.
    void SetCamera(const CVector3& position, const CVector3& rotation);
    // Empties the dirty rectangle; both projected counts become 0.
    void ResetFrame();
    // Projects every mesh that is not hidden around the screen point.
    void Project(int originX, int originY);
    void ProjectMesh(CMesh& mesh, const CMatrix4& parent, int originX, int originY);
    // Fills the collected triangles far to near: opaque at opacity 255,
    // blended at 1 to 254, not at all at 0.
    void Draw(CMemorySurface& surface, const RECT* clip);

    void SetLightColour(uint32_t colour) { lightColour_ = colour; }
    void SetOpacity(int opacity) { opacity_ = opacity; }
    int GetOpacity() const { return opacity_; }
    // Relative to the projection origin; right and bottom exclusive.
    const RECT& GetDirtyRect() const { return dirtyRect_; }
    int ProjectedPointCount() const { return projectedPointCount_; }
    int ProjectedPolygonCount() const { return projectedPolygonCount_; }
    const MeshPoint* ProjectedPoints() const { return projectedPoints_.data(); }
    const MeshPolygon* ProjectedPolygons() const { return projectedPolygons_.data(); }
    const CMatrix4& ViewMatrix() const { return view_; }
    uint32_t LightColour() const { return lightColour_; }
    uint32_t AmbientColour() const { return ambientColour_; }
    const CVector3& LightDirectionSetting() const { return lightDirection_; }
    float Near() const { return near_; }
    float Far() const { return far_; }
    float Focal() const { return focal_; }

private:
    // Puts a needed point on the screen and widens the dirty rectangle, when
    // it lies in front of the near distance and its pixel fits 16.16.
    void ProjectPoint(MeshPoint& out, const MeshPoint& point, const CMatrix4& m, int originX, int originY);
    void WidenDirtyRect(int x, int y);
    // The flat colour of a triangle with the given normal.
    uint32_t Shade(const CVector3& normal, const MeshSurface& surface, const CVector3& light,
                   const CVector3& eye) const;

    std::unique_ptr<CMesh> mesh_;
    CMatrix4 view_;
    float near_ = 0.1f;
    float far_ = 100.0f;
    float focal_ = 400.0f;
    CVector3 lightDirection_;
    uint32_t lightColour_ = 0xFFFFFF;
    uint32_t ambientColour_ = 0x141414;
    int projectedPointCount_ = 0;
    std::vector<MeshPoint> projectedPoints_;
    int projectedPolygonCount_ = 0;
    std::vector<MeshPolygon> projectedPolygons_;
    std::vector<MeshPolygon*> sortList_;
    int opacity_ = 255;
    RECT dirtyRect_ = {0, 0, 0, 0};
};
