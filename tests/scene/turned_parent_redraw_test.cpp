// Pictures and outlines under a turned group: the area a child reports,
// mapped through the group's turn, holds every pixel the edge table paints
// for it, also the pixel a turned corner lands on at the right or bottom
// edge of the bounding box. The group moves, turns and stops; after every
// frame the incremental redraw equals a full one.
#include <gtest/gtest.h>

#include <string>

#include "redraw_fixture.h"
#include "scene/color_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/image_node.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"
#include "test_pictures.h"

namespace {

class TurnedParentRedraw : public RedrawFixture {
protected:
    void SetUp() override {
        folder.Pack("T", {{"strip.abm", RawPictureFile(72, 6, PatternPixel)}});
        Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0x203040, kColorBlendNormal));
        ClearRecordedErrors();
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CPictureFolder folder;
};

TEST_F(TurnedParentRedraw, ChildrenOfATurnedGroupLeaveNoPixelBehind) {
    const double turns[] = {90, 127, -90, 180, 33.5, -145, 270};
    for (double turn : turns) {
        SCOPED_TRACE("turned by " + std::to_string(turn));
        CSceneNode& group = Add(root, "Group", new CSceneNode(494, 199, 1));
        Add(group, "Strip", new CImageNode(-6, -6, 0, "T/strip.abm", 0));
        Add(group, "Border", new COutlineNode(20, 10, 1, 40, 20, kOutlineEmboss, 0xFFFFFFFF, 5));
        group.SetRotation(turn);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        for (const double dx : {1.5, -3.25, 0.0}) {
            group.SetPosition(group.GetPlacement().x + dx, group.GetPlacement().y - dx);
            root.Update(17);
            Frame();
            ASSERT_TRUE(MatchesFullRedraw(root, target)) << dx;
        }
        root.RemoveAt("Group");
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
}

}  // namespace
