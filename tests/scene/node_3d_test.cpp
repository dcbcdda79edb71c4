#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "graphics/memory_surface.h"
#include "lwo_writer/lwo_writer.h"
#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "scene/3d/mesh_actions.h"
#include "scene/node_3d.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// One front-facing triangle right of the viewing axis: on the screen, at
// 200 pixels per unit, (50, 0), (50, -50), (100, 0) from the origin.
LwoObject MarkedTriangle() {
    LwoObject object;
    object.points = {0.25f, 0, 0, 0.25f, 0.25f, 0, 0.5f, 0, 0};
    object.polygons = {{0, 1, 2}};
    object.surfaces = {{"Mark", 1, 1, 1, 3, 0}};
    object.polygonTags = {{0, 0}};
    return object;
}

// More points than the renderer holds.
LwoObject TooManyPoints() {
    LwoObject object;
    object.points.assign(3 * (CMeshRenderer::kCapacity + 1), 0.5f);
    object.polygons = {{0, 1, 2}};
    return object;
}

class Node3DTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearRecordedErrors();
        std::vector<packer::PackEntry> entries = {
            {"mark.lwo", WriteLwoObject(MarkedTriangle()), true, archive::kScrambleKeyStream},
            {"big.lwo", WriteLwoObject(TooManyPoints()), true, archive::kScrambleKeyStream},
        };
        temp_.Write("obj.dat", packer::BuildArchive(archive::kVersion2, "obj.dat", entries));
        ASSERT_EQ(target_.Create(200, 200), 0);
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    // A frame's transform pass and a draw of the node into a cleared target.
    void Frame(CNode3D& node, const CTransform2D& parent = kIdentity) {
        node.UpdateTransform(parent);
        node.CommitDirty();
        target_.Fill(0, nullptr);
        node.DrawSelf(target_, parent, nullptr);
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    CMemorySurface target_;
};

TEST_F(Node3DTest, AnObjectThatCannotBeShownShowsNothingWithoutABox) {
    for (const char* file : {"obj/none.lwo", "none/none.lwo", "obj/big.lwo"}) {
        SCOPED_TRACE(file);
        CNode3D node(100, 100, 0, file);
        node.Reset();
        ASSERT_NE(node.GetMesh(), nullptr);
        EXPECT_EQ(node.GetMesh()->PointCount(), 0u);
        Frame(node);
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) ASSERT_EQ(target_.GetPixel(x, y), 0u) << x << ", " << y;
        }
        int width = -1, height = -1;
        node.GetSize(&width, &height);
        EXPECT_EQ(width, 0);
        EXPECT_EQ(height, 0);
    }
}

TEST_F(Node3DTest, ResetReadiesTheObjectAndTheRenderer) {
    CNode3D node(100, 100, 4, "obj/mark.lwo");
    EXPECT_EQ(node.GetMesh(), nullptr);  // nothing loads before Reset
    EXPECT_EQ(node.GetNodeKind(), 2005);
    node.Reset();
    ASSERT_NE(node.GetMesh(), nullptr);
    EXPECT_EQ(node.GetMesh()->PolygonCount(), 1u);
    EXPECT_EQ(node.GetRenderer().LightColour(), 0xC0C0C0u);
    EXPECT_EQ(node.GetMesh()->Scale().x, 1.0f);
    Frame(node);
    // The light colour C0 on a white surface at full intensity: D3.
    EXPECT_EQ(target_.GetPixel(165, 90), 0xD3D3D3u);
    const RECT& r = node.GetRenderer().GetDirtyRect();
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, -50);
    EXPECT_EQ(r.right, 101);
    EXPECT_EQ(r.bottom, 1);
    RECT local;
    node.GetLocalRect(&local);
    EXPECT_EQ(local.left, 149);
    EXPECT_EQ(local.top, 49);
    EXPECT_EQ(local.right, 202);
    EXPECT_EQ(local.bottom, 102);
    // Hits follow the size from the node's origin.
    EXPECT_TRUE(node.HitTestSelf(105, 105, kIdentity));
    EXPECT_TRUE(node.HitTestSelf(150, 150, kIdentity));
    EXPECT_FALSE(node.HitTestSelf(151, 105, kIdentity));
    EXPECT_FALSE(node.HitTestSelf(99, 105, kIdentity));
}

TEST_F(Node3DTest, TurningTheNodeTurnsThePictureAboutTheViewingAxis) {
    CNode3D node(100, 100, 0, "obj/mark.lwo");
    node.Reset();
    Frame(node);
    const Color32 mark = target_.GetPixel(165, 90);
    EXPECT_NE(mark, 0u);
    EXPECT_EQ(target_.GetPixel(110, 165), 0u);
    // 90 degrees clockwise: (65, -10) from the origin goes to (10, 65).
    node.SetRotation(90);
    Frame(node);
    EXPECT_EQ(target_.GetPixel(165, 90), 0u);
    EXPECT_EQ(target_.GetPixel(110, 165), mark);
    // The zoom leaves the picture alone.
    const std::vector<Color32> turned(target_.GetPixels(), target_.GetPixels() + 200 * 200);
    node.SetZoom(2, 2);
    Frame(node);
    EXPECT_TRUE(std::equal(turned.begin(), turned.end(), target_.GetPixels()));
}

TEST_F(Node3DTest, HalfOpacityBlendsAt127) {
    CNode3D node(100, 100, 0, "obj/mark.lwo");
    node.Reset();
    node.SetOpacity(0.5);
    Frame(node);
    EXPECT_EQ(node.GetRenderer().GetOpacity(), 127);
    // Over black: D3 * 127 >> 8.
    EXPECT_EQ(target_.GetPixel(165, 90), 0x010101u * ((0xD3 * 127) >> 8));
    node.SetOpacity(0);
    Frame(node);
    EXPECT_EQ(target_.GetPixel(165, 90), 0u);
}

TEST_F(Node3DTest, AStillNodeIsNotProjectedAgain) {
    CNode3D node(100, 100, 0, "obj/mark.lwo");
    node.Reset();
    Frame(node);
    const int32_t x = node.GetRenderer().ProjectedPoints()[0].screenX;
    // A different parent without a change of the node: the old projection.
    Frame(node, CTransform2D(10, 0, 1, 1, 1, 0));
    EXPECT_EQ(node.GetRenderer().ProjectedPoints()[0].screenX, x);
    node.InvalidateAll();
    Frame(node, CTransform2D(10, 0, 1, 1, 1, 0));
    EXPECT_EQ(node.GetRenderer().ProjectedPoints()[0].screenX, x + 10 * 65536);
}

TEST_F(Node3DTest, ActionsReplaceTheirOwnKindAndRunBesideTheOthers) {
    CNode3D node(100, 100, 0, "obj/mark.lwo");
    node.Reset();
    CMove3DAnimator first(1, 0, 0, 1000, nullptr);
    node.ApplyCommand(&first);
    EXPECT_TRUE(node.IsAnimating(kAnimatorPosition));
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorPosition), 1000u);
    node.Update(500);
    EXPECT_FLOAT_EQ(node.GetMesh()->Position().x, 0.5f);
    EXPECT_TRUE(node.GetDirtyFlag());

    CMove3DAnimator second(0, 2, 0, 400, nullptr);
    node.ApplyCommand(&second);
    const CMeshAction* move = node.GetAction(kCategoryMove3D);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->Target(1), 2.0);
    EXPECT_FLOAT_EQ(static_cast<float>(move->From(0)), 0.5f);  // from where the first one stood
    CRotate3DAnimator turn(0, 0, 180, 2000, nullptr);
    node.ApplyCommand(&turn);
    ASSERT_NE(node.GetAction(kCategoryRotate3D), nullptr);
    EXPECT_EQ(node.GetAction(kCategoryMove3D), move);
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorPosition), 400u);
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorRotation), 2000u);
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorAny), 2000u);
    EXPECT_FALSE(node.IsAnimating(kAnimatorZoom));

    node.Update(400);
    EXPECT_EQ(node.GetAction(kCategoryMove3D), nullptr);  // deleted after its last step
    EXPECT_FLOAT_EQ(node.GetMesh()->Position().x, 0.0f);
    EXPECT_FLOAT_EQ(node.GetMesh()->Position().y, 2.0f);
    EXPECT_FALSE(node.IsAnimating(kAnimatorPosition));
    EXPECT_TRUE(node.IsAnimating(kAnimatorAny));
    EXPECT_FLOAT_EQ(node.GetMesh()->Rotation().z, static_cast<float>(3.14159265358979 * 400 / 2000));

    CZoom3DAnimator grow(2, 2, 2, 0, nullptr);
    node.ApplyCommand(&grow);
    EXPECT_FLOAT_EQ(node.GetMesh()->Scale().y, 2.0f);  // a duration of 0 lands at once
    node.Update(1600);
    EXPECT_FALSE(node.IsAnimating(kAnimatorAny));
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorAny), 0u);
}

TEST_F(Node3DTest, AClonesHasNoActionsAndAnEmptyRenderer) {
    CNode3D node(100, 100, 3, "obj/mark.lwo");
    node.Reset();
    CMove3DAnimator move(1, 0, 0, 1000, nullptr);
    node.ApplyCommand(&move);
    Frame(node);
    std::unique_ptr<CNode3D> clone(static_cast<CNode3D*>(node.Clone()));
    EXPECT_EQ(clone->GetFile(), "obj/mark.lwo");
    EXPECT_EQ(clone->GetZ(), 3);
    EXPECT_EQ(clone->GetMesh(), nullptr);
    EXPECT_EQ(clone->GetAction(kCategoryMove3D), nullptr);
    EXPECT_EQ(clone->GetRenderer().ProjectedPolygonCount(), 0);
    EXPECT_EQ(clone->GetRenderer().ProjectedPoints(), nullptr);
    // Clearing frees the original's buffers, mesh and actions.
    node.Clear();
    EXPECT_EQ(node.GetMesh(), nullptr);
    EXPECT_EQ(node.GetAction(kCategoryMove3D), nullptr);
}

}  // namespace
