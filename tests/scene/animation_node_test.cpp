#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "graphics/draw_image.h"
#include "graphics/resource_cache.h"
#include "pixel_checks.h"
#include "platform/error_report.h"
#include "scene/animation_node.h"
#include "scene/color_node.h"
#include "scene/image_node.h"
#include "script/data_actions.h"
#include "support/error_recorder.h"
#include "test_pictures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// A 256 x 64 sheet of four 64-pixel cells, without and with alpha.
class AnimationNodes : public testing::Test {
protected:
    void SetUp() override {
        folder.Pack("Anim", {{"sheet.bmp", BmpPictureFile(256, 64, PatternPixel)},
                             {"sheet.abm", RawPictureFile(256, 64, PatternPixel)}});
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    static void ExpectSize(CNode& node, int width, int height) {
        int w = -1, h = -1;
        node.GetSize(&w, &h);
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, height);
    }

    CPictureFolder folder;
};

TEST_F(AnimationNodes, ShowsTheWholeSheetUntilAChipIsChosen) {
    CAnimationNode node(10, 5, 0, "Anim/sheet.bmp", kPictureDrawNormal);
    node.Reset();
    ExpectSize(node, 256, 64);
    CMemorySurface target;
    ASSERT_EQ(target.Create(300, 80), 0);
    node.DrawSelf(target, kIdentity, nullptr);
    const CMemorySurface& sheet = *node.GetSurface();
    for (int x : {0, 63, 64, 200, 255}) {
        EXPECT_EQ(target.GetPixel(10 + x, 5 + 7), sheet.GetPixel(x, 7)) << x;
    }
}

TEST_F(AnimationNodes, AChipShowsItsCellAtTheOrigin) {
    CAnimationNode node(10, 5, 0, "Anim/sheet.bmp", kPictureDrawNormal);
    node.Reset();
    node.SetChip(64, 0, 128, 64);
    ExpectSize(node, 64, 64);
    RECT local;
    node.GetLocalRect(&local);
    EXPECT_TRUE(local.left == 10 && local.top == 5 && local.right == 74 && local.bottom == 69);
    CMemorySurface target;
    ASSERT_EQ(target.Create(300, 80), 0);
    node.DrawSelf(target, kIdentity, nullptr);
    const CMemorySurface& sheet = *node.GetSurface();
    for (int x = 0; x < 64; x += 9) {
        for (int y = 0; y < 64; y += 7) {
            ASSERT_EQ(target.GetPixel(10 + x, 5 + y), sheet.GetPixel(64 + x, y)) << x << ", " << y;
        }
    }
    EXPECT_EQ(target.GetPixel(74, 5), 0u);
    EXPECT_EQ(target.GetPixel(9, 5), 0u);
}

// Chips partly or wholly outside the sheet, or inverted, are cut to the
// sheet: the node draws and hit-tests exactly what the draw routine gives
// for the cut rectangle, and an empty cut shows nothing and is never hit.
TEST_F(AnimationNodes, ChipsAreCutToTheSheet) {
    struct Case {
        RECT given;
        RECT shown;
    };
    const Case kCases[] = {
        {{-10, 0, 30, 64}, {0, 0, 30, 64}},      {{240, 0, 300, 64}, {240, 0, 256, 64}},
        {{0, -5, 64, 20}, {0, 0, 64, 20}},       {{64, 40, 128, 90}, {64, 40, 128, 64}},
        {{-50, -50, 400, 400}, {0, 0, 256, 64}}, {{300, 0, 400, 64}, {0, 0, 0, 0}},
        {{0, 70, 64, 90}, {0, 0, 0, 0}},         {{128, 0, 64, 64}, {0, 0, 0, 0}},
    };
    const CTransform2D kPlacements[] = {CTransform2D(20, 10, 1, 1, 1, 0),
                                        CTransform2D(20, 10, 0.5, 1.5, 1.25, 0),
                                        CTransform2D(150, 10, 1, 1, 1, 35)};
    for (const char* file : {"Anim/sheet.bmp", "Anim/sheet.abm"}) {
        for (const Case& c : kCases) {
            for (const CTransform2D& p : kPlacements) {
                SCOPED_TRACE(std::string(file) + " chip " + std::to_string(c.given.left) + ", " +
                             std::to_string(c.given.top) + ", " + std::to_string(c.given.right) +
                             ", " + std::to_string(c.given.bottom) + " rotation " +
                             std::to_string(p.rotation));
                CAnimationNode node(0, 0, 0, file, kPictureDrawNormal);
                node.Reset();
                node.SetPosition(p.x, p.y);
                node.SetOpacity(p.opacity);
                node.SetZoom(p.zoomX, p.zoomY);
                node.SetRotation(p.rotation);
                node.SetChip(c.given.left, c.given.top, c.given.right, c.given.bottom);
                const RECT& chip = *node.GetSourceRect();
                EXPECT_TRUE(chip.left == c.shown.left && chip.top == c.shown.top &&
                            chip.right == c.shown.right && chip.bottom == c.shown.bottom);
                const bool empty = c.shown.right == 0;
                ExpectSize(node, c.shown.right - c.shown.left, c.shown.bottom - c.shown.top);

                SurfacePair surfaces(400, 200, 3);
                node.DrawSelf(surfaces.actual, kIdentity, nullptr);
                const CMemorySurface& sheet = *node.GetSurface();
                if (!empty) {
                    DrawImageNormal(surfaces.expected, sheet, p, sheet.HasAlpha(), &c.shown,
                                    nullptr);
                }
                EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));

                // Every point of the placed rectangle: a hit only inside the
                // cut chip.
                RECT area;
                node.GetLocalRect(&area);
                EXPECT_EQ(area.right <= area.left, empty);
                int hits = 0;
                for (int y = area.top - 1; y <= area.bottom; y += 3) {
                    for (int x = area.left - 1; x <= area.right; x += 3) {
                        if (node.HitTestSelf(x + 0.5, y + 0.5, kIdentity)) ++hits;
                    }
                }
                EXPECT_EQ(hits == 0, empty || (sheet.HasAlpha() && p.opacity < 1));
            }
        }
    }
}

TEST_F(AnimationNodes, TheAlphaHitReadsTheChipsPixel) {
    CPictureFolder alphas;
    // Alpha 255 in the second cell only.
    alphas.Pack("Hits", {{"cells.abm", RawPictureFile(8, 2, [](int x, int) {
                              return x >= 4 ? 0xFF000000u : 0x10000000u;
                          })}});
    CAnimationNode node(100, 100, 0, "Hits/cells.abm", kPictureDrawNormal);
    node.Reset();
    EXPECT_FALSE(node.HitTestSelf(100.5, 100.5, kIdentity));
    node.SetChip(4, 0, 8, 2);
    EXPECT_TRUE(node.HitTestSelf(100.5, 100.5, kIdentity));
    EXPECT_TRUE(node.HitTestSelf(103.5, 101.5, kIdentity));
    EXPECT_FALSE(node.HitTestSelf(104.5, 100.5, kIdentity));
}

// "SetChip" reaches every node of its path; only the animation node acts.
TEST_F(AnimationNodes, ChipCommandsChooseTheCellAndLeaveImageAndColourNodesAlone) {
    CSceneNode root(0, 0, 0);
    auto* animation = new CAnimationNode(0, 0, 0, "Anim/sheet.bmp", kPictureDrawNormal);
    auto* image = new CImageNode(0, 0, 0, "Anim/sheet.bmp", kPictureDrawNormal);
    auto* colour = new CColorNode(0, 0, 0, 30, 20, 0xFF0000, kColorBlendNormal);
    for (const auto& entry : {std::make_pair("A", static_cast<CNode*>(animation)),
                              std::make_pair("B", static_cast<CNode*>(image)),
                              std::make_pair("C", static_cast<CNode*>(colour))}) {
        ASSERT_TRUE(root.AddChild(entry.first, entry.second));
        entry.second->Reset();
    }
    root.CommitDirty();
    CSetChipAction chip(192, 0, 300, 64);
    root.ApplyCommandAt("*", &chip);
    ExpectSize(*animation, 64, 64);
    EXPECT_EQ(animation->GetSourceRect()->left, 192);
    EXPECT_TRUE(animation->GetDirtyFlag());
    ExpectSize(*image, 256, 64);
    ExpectSize(*colour, 30, 20);
    EXPECT_EQ(image->GetSourceRect(), nullptr);
}

TEST_F(AnimationNodes, KeepsSheetAndChipThroughDeactivation) {
    CAnimationNode node(0, 0, 0, "Anim/sheet.bmp", kPictureDrawNormal);
    node.Reset();
    node.SetChip(128, 0, 192, 64);
    CMemorySurface* sheet = node.GetSurface();
    node.Deactivate();
    EXPECT_EQ(node.GetSurface(), sheet);
    node.Activate();
    EXPECT_EQ(node.GetSurface(), sheet);
    EXPECT_EQ(node.GetSourceRect()->left, 128);
    ExpectSize(node, 64, 64);
}

TEST_F(AnimationNodes, ClonesShowTheWholeSheetAndOutliveTheirPrototype) {
    auto prototype = std::make_unique<CAnimationNode>(0, 0, 0, "Anim/sheet.abm", kPictureDrawAdd);
    std::unique_ptr<CNode> clone(prototype->Clone());
    auto& animation = static_cast<CAnimationNode&>(*clone);
    EXPECT_EQ(animation.GetSurface(), nullptr);
    EXPECT_EQ(animation.GetNodeKind(), kNodeKindAnimation);
    EXPECT_EQ(animation.GetDrawMode(), kPictureDrawAdd);
    animation.Reset();
    CMemorySurface* sheet = animation.GetSurface();
    ASSERT_NE(sheet, nullptr);
    prototype.reset();
    // The cache still holds the clone's use: acquiring finds the same sheet.
    EXPECT_EQ(GetResourceCache().Acquire("Anim/sheet.abm"), sheet);
    GetResourceCache().Release("Anim/sheet.abm");

    animation.SetChip(0, 0, 64, 64);
    std::unique_ptr<CNode> second(animation.Clone());
    second->Reset();
    ExpectSize(*second, 256, 64);
}

TEST_F(AnimationNodes, AMissingSheetIsAGraphicError) {
    CAnimationNode node(0, 0, 0, "Anim/missing.bmp", kPictureDrawNormal);
    EXPECT_THROW(node.Reset(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Graphic);
    EXPECT_EQ(RecordedErrors()[0].module, kModuleAnimationNode);
    EXPECT_EQ(RecordedErrors()[0].place, 45);
    ClearRecordedErrors();
}

}  // namespace
