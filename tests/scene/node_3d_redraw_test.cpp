// A turning, moving, growing and fading 3D object among rectangles: after
// every frame the incrementally redrawn target equals a full redraw, so the
// area the node reports covers everything it draws, before and after each
// change.
#include <gtest/gtest.h>

#include <random>

#include "lwo_writer/lwo_writer.h"
#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "redraw_fixture.h"
#include "scene/3d/mesh_actions.h"
#include "scene/node_3d.h"
#include "support/redraw_oracle.h"
#include "support/temp_folder.h"

namespace {

class Node3DRedraw : public RedrawFixture {
protected:
    Node3DRedraw() {
        temp_.Write("obj.dat",
                    packer::BuildArchive(archive::kVersion2, "obj.dat",
                                         {{"torus.lwo", WriteLwoObject(MakeTorus(16, 10, 0.6f, 0.25f)), true,
                                           archive::kScrambleKeyStream}}));
    }

    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    std::mt19937 random_{31};
};

TEST_F(Node3DRedraw, IncrementalFramesEqualAFullRedraw) {
    AddRect(root, "Bottom", 0, 0, -1, 800, 600, 0x203040, true);
    AddRect(root, "Over", 300, 200, 5, 120, 90, 0x806040, false);
    CNode3D& solid = Add(root, "Solid", new CNode3D(400, 300, 2, "obj/torus.lwo"));
    ASSERT_GT(solid.GetMesh()->PolygonCount(), 0u);
    const CTransform2D identity(0, 0, 1, 1, 1, 0);
    for (int frame = 0; frame < 120; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        switch (Random(0, 7)) {
            case 0: {
                CRotate3DAnimator turn(Random(-180, 180), Random(-180, 180), Random(-90, 90), Random(0, 300),
                                       nullptr);
                solid.ApplyCommand(&turn);
                break;
            }
            case 1: {
                CMove3DAnimator move(Random(-10, 10) / 10.0, Random(-10, 10) / 10.0, Random(-5, 10) / 10.0,
                                     Random(0, 300), nullptr);
                solid.ApplyCommand(&move);
                break;
            }
            case 2: {
                CZoom3DAnimator grow(Random(2, 15) / 10.0, Random(2, 15) / 10.0, Random(2, 15) / 10.0,
                                     Random(0, 300), nullptr);
                solid.ApplyCommand(&grow);
                break;
            }
            case 3: solid.SetPosition(Random(100, 700), Random(100, 500)); break;
            case 4: solid.SetRotation(Random(-360, 360)); break;
            case 5: solid.SetOpacity(Random(0, 4) / 4.0); break;
            case 6: solid.SetZoom(Random(1, 8) / 4.0, Random(1, 8) / 4.0); break;
            default: break;
        }
        root.Update(17);
        root.UpdateTransform(identity);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
}

}  // namespace
