// A script that makes a 3D node and turns and moves its object, run by a
// scene frame by frame: the object loads from its archive, the actions step
// with the frames, and the node answers the position selector (what
// "WaitMove" asks) for the 3D move alone while the turn goes on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lwo_writer/lwo_writer.h"
#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "scene/3d/mesh_actions.h"
#include "scene/node_3d.h"
#include "script/scene.h"
#include "script/scene_host.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

std::vector<uint8_t> Text(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

TEST(Node3DScript, ActionsStepWithTheFrames) {
    ClearRecordedErrors();
    CTempFolder temp;
    CBaseDirectoryScope base(temp.Path());
    LwoObject triangle;
    triangle.points = {0.25f, 0, 0, 0.25f, 0.25f, 0, 0.5f, 0, 0};
    triangle.polygons = {{0, 1, 2}};
    temp.Write("obj.dat", packer::BuildArchive(archive::kVersion2, "obj.dat",
                                               {{"mark.lwo", WriteLwoObject(triangle), true,
                                                 archive::kScrambleKeyStream}}));
    const std::string script =
        "page Main {\r\n"
        "    Create3D(\"Solid\", 1, 400, 300, \"../obj/mark.lwo\");\r\n"
        "    Rotate3D(\"Solid\", 1000, 0, 0, 90, false);\r\n"
        "    Move3DEx(\"Solid\", 500, 0, 0, 2, false, Linear);\r\n"
        "}\r\n";
    temp.Write("S.dat", packer::BuildArchive(archive::kVersion2, "S.dat",
                                             {{"Solid.txt", Text(script), true, archive::kScrambleKeyStream}}));
    CSceneHost host;
    auto owned = std::make_unique<CScene>("S/Solid.txt");
    CScene* scene = owned.get();
    host.AttachScene(std::move(owned));
    auto frame = [&](int ms) {
        host.BeginFrame();
        host.Update(ms);
        host.SetTransform(kIdentity);
    };
    frame(0);
    CNode* root = scene->GetRootNode();
    auto* solid = static_cast<CNode3D*>(root->FindNode("Solid"));
    ASSERT_NE(solid, nullptr);
    ASSERT_EQ(solid->GetNodeKind(), kNodeKind3D);
    ASSERT_NE(solid->GetMesh(), nullptr);
    EXPECT_EQ(solid->GetMesh()->PolygonCount(), 1u);
    double x = 0, y = 0;
    solid->GetPosition(&x, &y);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 300);
    EXPECT_TRUE(solid->IsAnimating(kAnimatorPosition));

    for (int i = 0; i < 25; ++i) frame(10);
    EXPECT_FLOAT_EQ(solid->GetMesh()->Position().z, 1.0f);
    EXPECT_FLOAT_EQ(solid->GetMesh()->Rotation().z, static_cast<float>(0.25 * 90 * 0.017453292519943295));
    EXPECT_EQ(solid->GetAnimationTimeLeft(kAnimatorPosition), 250u);
    // The move ends at 500 ms, the turn runs on.
    for (int i = 0; i < 26; ++i) frame(10);
    EXPECT_FLOAT_EQ(solid->GetMesh()->Position().z, 2.0f);
    EXPECT_TRUE(solid->IsAnimating(kAnimatorRotation));
    EXPECT_FALSE(solid->IsAnimating(kAnimatorPosition));
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
