#include <gtest/gtest.h>

#include <string>

#include "graphics/transformed_fill.h"
#include "pixel_checks.h"
#include "scene/color_node.h"

namespace {

using TransformedFill = void (*)(CMemorySurface&, Color32, const CTransform2D&, int, int,
                                 const RECT*);

struct Placement {
    const char* name;
    double x, y, zoomX, zoomY, rotation;
};

const Placement kPlacements[] = {
    {"unrotated", 20.4, 15.6, 1.0, 1.0, 0.0},
    {"zoomed", 20.4, 15.6, 1.5, 0.75, 0.0},
    {"rotated", 50.0, 10.0, 1.0, 1.0, 30.0},
};

void Place(CNode& node, const Placement& p, double opacity) {
    node.SetPosition(p.x, p.y);
    node.SetZoom(p.zoomX, p.zoomY);
    node.SetRotation(p.rotation);
    node.SetOpacity(opacity);
}

// Every mode, opacity and kind of placement against the transformed fill
// called by hand at the composed placement; the colour's alpha byte is
// dropped, mode 6 draws nothing.
TEST(ColorNode, DrawsTheModesFillAtTheComposedPlacement) {
    const TransformedFill kFills[] = {&FillTransformedNormal,   &FillTransformedAdd,
                                      &FillTransformedSub,      &FillTransformedMultiply,
                                      &FillTransformedScreen,   &FillTransformedOverlay,
                                      nullptr};
    const CTransform2D parent(3, -2, 1, 1, 1, 0);
    const RECT clip = {5, 4, 95, 74};
    for (int mode = 0; mode <= 6; ++mode) {
        for (double opacity : {1.0, 0.5, 0.0039}) {
            for (const Placement& p : kPlacements) {
                SCOPED_TRACE("mode " + std::to_string(mode) + ", opacity " +
                             std::to_string(opacity) + ", " + p.name);
                SurfacePair surfaces(100, 80, mode + 1);
                CColorNode node(0, 0, 0, 40, 30, 0x80C04020, mode);
                Place(node, p, opacity);
                node.DrawSelf(surfaces.actual, parent, &clip);
                const CTransform2D composed(p.x + 3, p.y - 2, opacity, p.zoomX, p.zoomY,
                                            p.rotation);
                if (kFills[mode]) kFills[mode](surfaces.expected, 0xC04020, composed, 40, 30, &clip);
                EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
            }
        }
    }
}

TEST(ColorNode, FullRedAtFullOpacityIsStoredWithoutItsAlphaByte) {
    CMemorySurface target;
    ASSERT_EQ(target.Create(8, 8), 0);
    CColorNode node(2, 2, 0, 4, 4, 0x80FF0000, kColorBlendNormal);
    node.DrawSelf(target, CTransform2D(0, 0, 1, 1, 1, 0), nullptr);
    EXPECT_EQ(target.GetPixel(2, 2), 0x00FF0000u);
    EXPECT_EQ(target.GetPixel(5, 5), 0x00FF0000u);
    EXPECT_EQ(target.GetPixel(6, 5), 0u);
}

struct OpaqueCase {
    int mode;
    Color32 color;
    double opacity;
    double rotation;
    double zoom;
    bool opaque;
};

TEST(ColorNode, CountsAsOpaqueOnlyWhereNothingBelowShowsThrough) {
    const OpaqueCase kCases[] = {
        {kColorBlendNormal, 0x123456, 1.0, 0, 1, true},
        {kColorBlendNormal, 0x123456, 0.999, 0, 1, false},
        {kColorBlendNormal, 0x123456, 1.0, 360, 1, true},
        {kColorBlendNormal, 0x123456, 1.0, -720, 1, true},
        {kColorBlendNormal, 0x123456, 1.0, 0.5, 1, false},
        {kColorBlendNormal, 0x123456, 1.0, 45, 1, false},
        {kColorBlendNormal, 0x123456, 1.0, 0, 2.5, true},
        // Edges off whole pixels: the rectangle is widened past the fill.
        {kColorBlendNormal, 0x123456, 1.0, 0, 1.25, false},
        {kColorBlendAdd, 0xFFFFFF, 1.0, 0, 1, true},
        {kColorBlendAdd, 0xFF000000 | 0xFFFFFF, 1.0, 0, 1, true},
        {kColorBlendAdd, 0x000001, 1.0, 0, 1, false},
        {kColorBlendAdd, 0xFFFFFF, 0.999, 0, 1, false},
        {kColorBlendSub, 0xFFFFFF, 1.0, 0, 1, true},
        {kColorBlendSub, 0xFFFFFE, 1.0, 0, 1, false},
        {kColorBlendMultiply, 0xFFFFFF, 1.0, 0, 1, false},
        {kColorBlendScreen, 0xFFFFFF, 1.0, 0, 1, false},
        {kColorBlendOverlay, 0xFFFFFF, 1.0, 0, 1, false},
        {6, 0xFFFFFF, 1.0, 0, 1, false},
    };
    for (const OpaqueCase& c : kCases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ", colour " + std::to_string(c.color) +
                     ", opacity " + std::to_string(c.opacity) + ", rotation " +
                     std::to_string(c.rotation));
        CColorNode node(0, 0, 0, 10, 10, c.color, c.mode);
        node.SetRotation(c.rotation);
        node.SetZoom(c.zoom, c.zoom);
        node.SetOpacity(c.opacity);
        EXPECT_EQ(node.IsOpaque(CTransform2D(0, 0, 1, 1, 1, 0)), c.opaque);
    }
    // The parent's opacity counts too.
    CColorNode node(0, 0, 0, 10, 10, 0, kColorBlendNormal);
    EXPECT_FALSE(node.IsOpaque(CTransform2D(0, 0, 0.999, 1, 1, 0)));
}

struct HitCase {
    double x, y;
    double zoom, rotation, opacity;
    bool hitEnabled;
    bool hit;
};

TEST(ColorNode, HitsInsideItsRectangleWithoutTheRightAndBottomEdges) {
    // A 40 x 30 node at (10, 20) under a parent at (100, 0).
    const HitCase kCases[] = {
        {110, 20, 1, 0, 1, true, true},
        {149.9, 49.9, 1, 0, 1, true, true},
        {150, 30, 1, 0, 1, true, false},
        {130, 50, 1, 0, 1, true, false},
        {109.99, 25, 1, 0, 1, true, false},
        {189, 79, 2, 0, 1, true, true},
        {191, 79, 2, 0, 1, true, false},
        {130, 30, 1, 0, 0, true, false},
        {130, 30, 1, 0, 1, false, false},
        // Turned by 90 degrees the rectangle hangs to the left of its origin.
        {105, 40, 1, 90, 1, true, true},
        {115, 40, 1, 90, 1, true, false},
    };
    for (const HitCase& c : kCases) {
        SCOPED_TRACE("(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ") zoom " +
                     std::to_string(c.zoom) + " rotation " + std::to_string(c.rotation));
        CColorNode node(10, 20, 0, 40, 30, 0xFFFFFF, kColorBlendNormal);
        node.SetZoom(c.zoom, c.zoom);
        node.SetRotation(c.rotation);
        node.SetOpacity(c.opacity);
        node.SetHitEnabled(c.hitEnabled);
        EXPECT_EQ(node.HitTestSelf(c.x, c.y, CTransform2D(100, 0, 1, 1, 1, 0)), c.hit);
    }
}

TEST(ColorNode, MeasuresItsPlacedRectangleAndClonesItsState) {
    CColorNode node(10, 20, 3, 40, 30, 0x336699, kColorBlendScreen);
    node.SetZoom(2, 0.5);
    RECT local;
    node.GetLocalRect(&local);
    EXPECT_EQ(local.left, 10);
    EXPECT_EQ(local.top, 20);
    EXPECT_EQ(local.right, 90);
    EXPECT_EQ(local.bottom, 35);
    EXPECT_EQ(node.GetNodeKind(), kNodeKindColor);

    CNode* clone = node.Clone();
    int width = 0;
    int height = 0;
    clone->GetSize(&width, &height);
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 30);
    EXPECT_EQ(clone->GetZ(), 3);
    SurfacePair surfaces(120, 60, 9);
    clone->DrawSelf(surfaces.actual, CTransform2D(0, 0, 1, 1, 1, 0), nullptr);
    FillTransformedScreen(surfaces.expected, 0x336699, CTransform2D(10, 20, 1, 2, 0.5, 0), 40, 30,
                          nullptr);
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
    delete clone;
}

}  // namespace
