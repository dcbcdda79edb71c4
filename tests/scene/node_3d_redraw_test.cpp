// A turning, moving, growing and fading 3D object among rectangles, held by
// a group that moves, zooms and turns too: after every frame the
// incrementally redrawn target equals a full redraw, so the area the node
// reports covers everything it draws, before and after each change.
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

    void NextFrame() {
        root.Update(17);
        root.UpdateTransform(CTransform2D(0, 0, 1, 1, 1, 0));
        Frame();
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    std::mt19937 random_{31};
};

TEST_F(Node3DRedraw, IncrementalFramesEqualAFullRedraw) {
    AddRect(root, "Bottom", 0, 0, -1, 800, 600, 0x203040, true);
    AddRect(root, "Over", 300, 200, 5, 120, 90, 0x806040, false);
    CSceneNode& holder = Add(root, "Holder", new CSceneNode(0, 0, 2));
    CNode3D& solid = Add(holder, "Solid", new CNode3D(400, 300, 2, "obj/torus.lwo"));
    ASSERT_GT(solid.GetMesh()->PolygonCount(), 0u);
    for (int frame = 0; frame < 200; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        switch (Random(0, 10)) {
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
            case 7: holder.SetPosition(Random(-200, 200) + Random(0, 3) / 4.0, Random(-150, 150)); break;
            case 8: holder.SetZoom(Random(1, 8) / 4.0, Random(1, 8) / 4.0); break;
            case 9: holder.SetRotation(Random(-180, 180) + Random(0, 3) / 4.0); break;
            default: break;
        }
        NextFrame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
}

// The object is projected at its place on the screen, unzoomed: a zoomed
// parent neither shrinks nor grows the area it is drawn in, and a turned
// parent turns the place, not the area.
TEST_F(Node3DRedraw, TheAreaUnderAZoomedOrTurnedParentIsWhereTheObjectIsDrawn) {
    struct Case {
        double zoomX, zoomY, turn;
    };
    const Case cases[] = {{0.5, 0.5, 0}, {2, 2, 0}, {1, 1, 90}, {0.5, 1.5, 30}};
    AddRect(root, "Bottom", 0, 0, -1, 800, 600, 0x203040, true);
    for (const Case& c : cases) {
        SCOPED_TRACE("zoom " + std::to_string(c.zoomX) + " x " + std::to_string(c.zoomY) + ", turn " +
                     std::to_string(c.turn));
        CSceneNode& holder = Add(root, "Holder", new CSceneNode(400, 300, 2));
        holder.SetZoom(c.zoomX, c.zoomY);
        holder.SetRotation(c.turn);
        CNode3D& solid = Add(holder, "Solid", new CNode3D(60, 40, 0, "obj/torus.lwo"));
        NextFrame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        solid.SetPosition(-80, 20);
        NextFrame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        holder.SetPosition(300, 250);
        NextFrame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        root.RemoveAt("Holder");
        NextFrame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
}

}  // namespace
