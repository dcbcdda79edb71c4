#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "graphics/draw_image.h"
#include "graphics/resource_cache.h"
#include "pixel_checks.h"
#include "platform/error_report.h"
#include "scene/drawn_node_rules.h"
#include "scene/image_node.h"
#include "support/error_recorder.h"
#include "test_pictures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// An alpha picture and one without, 24 x 16, under "Img".
class ImageNodes : public testing::Test {
protected:
    void SetUp() override {
        folder.Pack("Img", {{"alpha.abm", RawPictureFile(24, 16, PatternPixel)},
                            {"plain.bmp", BmpPictureFile(24, 16, PatternPixel)},
                            {"other.bmp", BmpPictureFile(24, 16, [](int, int) { return 0x123456u; })}});
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CPictureFolder folder;
};

void ExpectError(ErrorKind kind, int module, int place) {
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, kind);
    EXPECT_EQ(RecordedErrors()[0].module, module);
    EXPECT_EQ(RecordedErrors()[0].place, place);
    ClearRecordedErrors();
}

struct Placement {
    const char* name;
    double x, y, zoomX, zoomY, rotation;
};

// Every draw mode (1 and 7 draw as Normal), opacity and kind of placement
// against the transformed draw called by hand at the composed placement,
// with and without alpha.
TEST_F(ImageNodes, DrawsTheModesTransformedDrawAtTheComposedPlacement) {
    const DrawImageFunction kDraws[] = {&DrawImageNormal, &DrawImageNormal,   &DrawImageAdd,
                                        &DrawImageSub,    &DrawImageMultiply, &DrawImageScreen,
                                        &DrawImageOverlay, &DrawImageNormal};
    const Placement kPlacements[] = {{"unrotated", 20.4, 15.6, 1.0, 1.0, 0.0},
                                     {"zoomed", 20.4, 15.6, 1.7, 0.6, 0.0},
                                     {"rotated", 50.0, 10.0, 1.0, 1.0, 30.0}};
    const CTransform2D parent(3, -2, 1, 1, 1, 0);
    const RECT clip = {5, 4, 95, 74};
    for (const char* file : {"Img/alpha.abm", "Img/plain.bmp"}) {
        for (int mode = 0; mode <= 7; ++mode) {
            for (double opacity : {1.0, 0.5, 0.0039}) {
                for (const Placement& p : kPlacements) {
                    SCOPED_TRACE(std::string(file) + " mode " + std::to_string(mode) + ", opacity " +
                                 std::to_string(opacity) + ", " + p.name);
                    CImageNode node(0, 0, 0, file, mode);
                    node.Reset();
                    node.SetPosition(p.x, p.y);
                    node.SetZoom(p.zoomX, p.zoomY);
                    node.SetRotation(p.rotation);
                    node.SetOpacity(opacity);
                    SurfacePair surfaces(100, 80, mode + 1);
                    node.DrawSelf(surfaces.actual, parent, &clip);
                    const CMemorySurface& picture = *node.GetSurface();
                    kDraws[mode](surfaces.expected, picture,
                                 CTransform2D(p.x + 3, p.y - 2, opacity, p.zoomX, p.zoomY, p.rotation),
                                 picture.HasAlpha(), nullptr, &clip);
                    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
                }
            }
        }
    }
}

TEST(DrawnNodeRules, UntransformedAllowsWholeTurnsAndTheDrawingTolerance) {
    struct Case {
        double rotation, zoomX, zoomY;
        bool untransformed;
    };
    const Case kCases[] = {{0, 1, 1, true},        {360, 1, 1, true},     {-720, 1, 1, true},
                           {360.0009, 1, 1, true}, {0.5, 1, 1, false},    {0, 1.0011, 1, false},
                           {0, 1, 0.9989, false},  {0, 1.0009, 0.9991, true}};
    for (const Case& c : kCases) {
        EXPECT_EQ(IsUntransformed(CTransform2D(5, 5, 1, c.zoomX, c.zoomY, c.rotation)),
                  c.untransformed)
            << c.rotation << " degrees, zoom " << c.zoomX << " x " << c.zoomY;
    }
}

// A 4 x 2 alpha picture: alphas 129, 128, 255, 0 on the top row.
TEST(ImageNodeHits, AlphaTimesOpacityMustExceed128AndEdgesAreOutside) {
    CPictureFolder folder;
    const Color32 kAlphas[4] = {129, 128, 255, 0};
    folder.Pack("Hit", {{"a.abm", RawPictureFile(4, 2, [&](int x, int) { return kAlphas[x] << 24 | 0x808080u; })},
                        {"p.bmp", BmpPictureFile(4, 2, [](int, int) { return 0u; })}});
    struct Case {
        const char* file;
        double x, y, opacity;
        bool hitEnabled;
        bool hit;
    };
    // The node sits at (10, 20) under a parent at (100, 0).
    const Case kCases[] = {
        {"Hit/a.abm", 110.5, 20.5, 1.0, true, true},    // alpha 129
        {"Hit/a.abm", 111.5, 20.5, 1.0, true, false},   // alpha 128
        {"Hit/a.abm", 112.5, 20.5, 1.0, true, true},    // alpha 255
        {"Hit/a.abm", 112.5, 20.5, 0.5, true, false},   // 255 x 0.5 = 127
        {"Hit/a.abm", 110.5, 20.5, 1.0, false, false},  // hit test off
        {"Hit/a.abm", 114.0, 20.5, 1.0, true, false},   // right edge
        {"Hit/p.bmp", 113.9, 21.9, 1.0, true, true},    // no alpha: black still hits
        {"Hit/p.bmp", 114.0, 21.0, 1.0, true, false},   // right edge
        {"Hit/p.bmp", 112.0, 22.0, 1.0, true, false},   // bottom edge
        {"Hit/p.bmp", 109.9, 21.0, 1.0, true, false},
        {"Hit/p.bmp", 112.0, 21.0, 0.0, true, false},   // invisible
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.file) + " at " + std::to_string(c.x) + ", " + std::to_string(c.y));
        CImageNode node(10, 20, 0, c.file, kPictureDrawNormal);
        node.Reset();
        node.SetOpacity(c.opacity);
        node.SetHitEnabled(c.hitEnabled);
        EXPECT_EQ(node.HitTestSelf(c.x, c.y, CTransform2D(100, 0, 1, 1, 1, 0)), c.hit);
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(ImageNodes, CountsAsOpaqueOnlyUnturnedNearlyFullAndWithoutAlphaInModeNormal) {
    struct Case {
        const char* file;
        int mode;
        double opacity, rotation, parentOpacity;
        bool opaque;
    };
    const Case kCases[] = {
        {"Img/plain.bmp", 0, 1.0, 0, 1.0, true},    {"Img/plain.bmp", 0, 0.999, 0, 1.0, true},
        {"Img/plain.bmp", 0, 0.998, 0, 1.0, false}, {"Img/plain.bmp", 0, 1.0, 0, 0.99, false},
        {"Img/plain.bmp", 0, 1.0, 360, 1.0, true},  {"Img/plain.bmp", 0, 1.0, 0.5, 1.0, false},
        {"Img/plain.bmp", 2, 1.0, 0, 1.0, false},   {"Img/plain.bmp", 1, 1.0, 0, 1.0, false},
        {"Img/alpha.abm", 0, 1.0, 0, 1.0, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.file) + " mode " + std::to_string(c.mode) + " opacity " +
                     std::to_string(c.opacity) + " rotation " + std::to_string(c.rotation));
        CImageNode node(0, 0, 0, c.file, c.mode);
        node.Reset();
        node.SetOpacity(c.opacity);
        node.SetRotation(c.rotation);
        EXPECT_EQ(node.IsOpaque(CTransform2D(0, 0, c.parentOpacity, 1, 1, 0)), c.opaque);
    }
    CImageNode empty(0, 0, 0, "Img/plain.bmp", 0);
    EXPECT_FALSE(empty.IsOpaque(kIdentity));
    // At a fractional place the rectangle is widened past the picture.
    CImageNode between(0, 0, 0, "Img/plain.bmp", 0);
    between.Reset();
    between.SetPosition(0.5, 0);
    EXPECT_FALSE(between.IsOpaque(kIdentity));
    between.SetPosition(1, 0);
    EXPECT_TRUE(between.IsOpaque(kIdentity));
}

TEST_F(ImageNodes, APrototypeAndItsCloneHoldNothingUntilReset) {
    CImageNode prototype(0, 0, 4, "Img/plain.bmp", kPictureDrawScreen);
    prototype.SetPosition(30, 40);
    std::unique_ptr<CNode> clone(prototype.Clone());
    auto& image = static_cast<CImageNode&>(*clone);
    EXPECT_EQ(image.GetSurface(), nullptr);
    EXPECT_EQ(image.GetNodeKind(), kNodeKindImage);
    EXPECT_EQ(image.GetDrawMode(), kPictureDrawScreen);
    int width = -1, height = -1;
    image.GetSize(&width, &height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    RECT local;
    image.GetLocalRect(&local);
    EXPECT_TRUE(local.left == 0 && local.top == 0 && local.right == 0 && local.bottom == 0);
    CMemorySurface target;
    ASSERT_EQ(target.Create(8, 8), 0);
    image.DrawSelf(target, kIdentity, nullptr);
    EXPECT_FALSE(image.HitTestSelf(31, 41, kIdentity));

    image.Reset();
    ASSERT_NE(image.GetSurface(), nullptr);
    image.GetLocalRect(&local);
    EXPECT_TRUE(local.left == 30 && local.top == 40 && local.right == 54 && local.bottom == 56);
}

// The cache frees a picture when its last user lets go: repacking the
// archive under the same name then shows whether the next use loads anew.
TEST_F(ImageNodes, TwoNodesShareOnePictureFreedWhenBothLetGo) {
    CImageNode first(0, 0, 0, "Img/shared.bmp", 0);
    CImageNode second(0, 0, 0, "Img/shared.bmp", 0);
    folder.Pack("Img", {{"shared.bmp", BmpPictureFile(2, 2, [](int, int) { return 0x111111u; })}});
    first.Reset();
    second.Reset();
    EXPECT_EQ(first.GetSurface(), second.GetSurface());
    folder.Pack("Img", {{"shared.bmp", BmpPictureFile(2, 2, [](int, int) { return 0x222222u; })}});

    first.Clear();
    EXPECT_EQ(first.GetSurface(), nullptr);
    EXPECT_EQ(second.GetSurface()->GetPixel(0, 0) & 0xFFFFFF, 0x111111u);
    first.Reset();
    EXPECT_EQ(first.GetSurface(), second.GetSurface());

    // Both let go (one cleared, one deactivated): the next use loads again.
    first.Clear();
    second.Deactivate();
    EXPECT_EQ(second.GetSurface(), nullptr);
    second.Activate();
    ASSERT_NE(second.GetSurface(), nullptr);
    EXPECT_EQ(second.GetSurface()->GetPixel(0, 0) & 0xFFFFFF, 0x222222u);
    second.Clear();
}

TEST_F(ImageNodes, AnOwnBlankPictureSurvivesDeactivation) {
    CImageNode node(0, 0, 0, "Img/plain.bmp", 0);
    node.Reset();
    node.CreateBlankSurface(6, 5);
    CMemorySurface* blank = node.GetSurface();
    ASSERT_NE(blank, nullptr);
    blank->GetPixels()[0] = 0x12345678;
    node.Deactivate();
    node.Activate();
    EXPECT_EQ(node.GetSurface(), blank);
    EXPECT_EQ(blank->GetPixel(0, 0), 0x12345678u);
    int width = 0, height = 0;
    node.GetSize(&width, &height);
    EXPECT_EQ(width, 6);
    EXPECT_EQ(height, 5);
    EXPECT_TRUE(node.IsLive());
}

TEST_F(ImageNodes, LoadFailuresRaiseTheirErrors) {
    CImageNode empty(0, 0, 0, "", 0);
    EXPECT_THROW(empty.Reset(), CInternalError);
    ExpectError(ErrorKind::Internal, kModulePictureNode, 49);

    CImageNode missing(0, 0, 0, "Img/missing.bmp", 0);
    EXPECT_THROW(missing.Reset(), CInternalError);
    ExpectError(ErrorKind::Graphic, kModulePictureNode, 108);

    CImageNode vanishing(0, 0, 0, "Img/other.bmp", 0);
    vanishing.Reset();
    vanishing.Deactivate();
    folder.Pack("Img", {{"plain.bmp", BmpPictureFile(2, 2, PatternPixel)}});
    EXPECT_THROW(vanishing.Activate(), CInternalError);
    ExpectError(ErrorKind::Graphic, kModulePictureNode, 234);

    // More pixels than a surface may hold.
    CImageNode blank(0, 0, 0, "", 0);
    EXPECT_THROW(blank.CreateBlankSurface(100000, 100000), CInternalError);
    ExpectError(ErrorKind::Graphic, kModulePictureNode, 188);
}

}  // namespace
