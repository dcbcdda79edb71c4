// The objects of the reader tests and what every read must leave: a full
// object that uses every part of the format the reader handles, the checks
// of a mesh's invariants, and a projection and draw of it into 800 x 600.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "lwo_writer/lwo_writer.h"
#include "scene/3d/mesh.h"

// The full object: tags "Red" and "Blue"; 6 points; a VMAP; an odd-sized
// unknown chunk; a POLS of a triangle (0, 1, 2), a dropped quadrilateral, a
// two-point polygon (4, 5) and a flagged triangle (3, 2, 1) whose first index
// has the 4-byte form, and a dropped one-point polygon; a PTAG giving the
// three kept triangles the tags 1, 0, 1; a VMAD; the surface "Red" with
// COLR (1, 0.5, 0), DIFF 0.75, LUMI 0.25, SPEC 0.5 and an image map naming
// clip 3; the surface "Blue" with COLR (0, 0, 1), a procedural, a gradient
// and a shader block; a CLIP 3 with a still image.
CLwoWriter WriteFullObject();

// Every triangle names stored points and a surface record or none (255);
// the counts stay within the stored tables.
::testing::AssertionResult MeshInvariantsHold(const CMesh& mesh);

// The mesh under the 3D node's camera, turned a little, projected around
// (400, 300) and drawn opaque and blended into an 800 x 600 surface.
void ProjectAndDraw(std::unique_ptr<CMesh> mesh);
