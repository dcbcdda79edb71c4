// Outlines: the children each style builds, their places and sizes, every
// pixel of their pictures on small sizes worked out by hand, Noise against
// a replay of rand, the opacity of the colour's alpha, and the cases that
// build nothing or fail.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "../redraw_fixture.h"
#include "scene/color_node.h"
#include "scene/composite/outline_bands.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/image_node.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"

namespace {

constexpr Color32 kRgb = 0x123456;
constexpr int Z = -1;  // a pixel that is 0 altogether

// The children in drawing order, by name.
class COutlinePeek : public COutlineNode {
public:
    using COutlineNode::COutlineNode;
    std::vector<std::string> Order() const {
        std::vector<std::string> names;
        for (CNode* child : ChildrenInDrawingOrder()) names.push_back(GetChildName(child));
        return names;
    }
};

struct ExpectedBand {
    const char* name;
    int x, y, width, height;
    // Row by row: an alpha over the colour bits, or Z.
    std::vector<std::vector<int>> alphas;
    Color32 bits;
};

struct StyleCase {
    const char* title;
    OutlineStyle style;
    Color32 colour;
    int width, height, thickness;
    std::vector<ExpectedBand> bands;
};

std::vector<std::vector<int>> Repeat(std::vector<int> row, int times) {
    return std::vector<std::vector<int>>(times, row);
}

// Width 4, height 3, thickness 3 unless a case says otherwise. The ramp of
// the whole depths 0, 1, 2, 3 is 0, 31, 115, 231 (cos(pi / 3) is a little
// above one half); the corner squares take depths 3 - d of the distances
// d = sqrt(dx^2 + dy^2): (1, 1) 1.586 -> 75, (1, 2) 0.764 -> 18, (2, 2)
// 0.172 -> 0 with the colour bits, (1, 3) and further outside: Z.
const std::vector<int> kFadeUpRows[3] = {
    {Z, Z, Z, 0, 0, 0, 0, Z, Z, Z},
    {Z, 0, 18, 31, 31, 31, 31, 18, 0, Z},
    {Z, 18, 75, 115, 115, 115, 115, 75, 18, Z},
};

std::vector<std::vector<int>> Solid(std::vector<std::vector<int>> rows) {
    for (auto& row : rows) {
        for (int& alpha : row) {
            if (alpha != Z) alpha = 255;
        }
    }
    return rows;
}

std::vector<StyleCase> HandCases() {
    const std::vector<std::vector<int>> up = {kFadeUpRows[0], kFadeUpRows[1], kFadeUpRows[2]};
    const std::vector<std::vector<int>> bottom = {kFadeUpRows[2], kFadeUpRows[1], kFadeUpRows[0]};
    const auto left = Repeat({0, 31, 115}, 3);
    const auto right = Repeat({115, 31, 0}, 3);
    return {
        {"Fade", kOutlineFade, 0xFF000000 | kRgb, 4, 3, 3,
         {{"Up", -3, -3, 10, 3, up, kRgb},
          {"Bottom", -3, 3, 10, 3, bottom, kRgb},
          {"Left", -3, 0, 3, 3, left, kRgb},
          {"Right", 4, 0, 3, 3, right, kRgb}}},
        {"Round", kOutlineRound, 0xFF000000 | kRgb, 4, 3, 3,
         {{"Up", -3, -3, 10, 3, Solid(up), kRgb},
          {"Bottom", -3, 3, 10, 3, Solid(bottom), kRgb},
          {"Left", -3, 0, 3, 3, Solid(left), kRgb},
          {"Right", 4, 0, 3, 3, Solid(right), kRgb}}},
        // Height 5: the right band's rounded top end, then the fall-off
        // 1 - sin(c pi / 6): 232, 116, 31.
        {"Shadow", kOutlineShadow, 0xFF000000 | kRgb, 4, 5, 3,
         {{"Bottom", 0, 5, 7, 3,
           {{Z, 31, 115, 232, 231, 115, 31}, {Z, 18, 75, 116, 115, 75, 18}, {Z, 0, 18, 31, 31, 18, 0}}, kRgb},
          {"Right", 4, 0, 3, 5,
           {{Z, Z, Z}, {31, 18, 0}, {115, 75, 18}, {232, 116, 31}, {232, 116, 31}}, kRgb}}},
        {"Emboss ignores the red", kOutlineEmboss, 0xFFFF0000, 4, 3, 3,
         {{"Up", 0, 0, 4, 3, {{231, 231, 231, 231}, {115, 115, 115, 115}, {31, 31, 31, 31}}, 0xFFFFFF},
          {"Bottom", 0, 0, 4, 3, {{0, 0, 0, 0}, {31, 31, 31, 31}, {115, 115, 115, 115}}, 0},
          {"Left", 0, 0, 3, 3, Repeat({231, 115, 31}, 3), 0xFFFFFF},
          {"Right", 1, 0, 3, 3, Repeat({0, 31, 115}, 3), 0}}},
        {"InnerShadow", kOutlineInnerShadow, 0xFF000000 | kRgb, 4, 3, 3,
         {{"Up", 0, 0, 4, 3, {{231, 231, 231, 231}, {115, 115, 115, 115}, {31, 31, 31, 31}}, kRgb},
          {"Left", 0, 0, 3, 3, Repeat({231, 115, 31}, 3), kRgb}}},
    };
}

// An outline reset as the create command does, under a root.
class Outlines : public testing::Test {
protected:
    void SetUp() override { ClearRecordedErrors(); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    COutlinePeek& Attach(int width, int height, int style, Color32 colour, int thickness) {
        auto* outline = new COutlinePeek(5, 6, 0, width, height, style, colour, thickness);
        EXPECT_TRUE(root.AddChild("Outline", outline));
        outline->Reset();
        return *outline;
    }

    CSceneNode root{0, 0, 0};
};

testing::AssertionResult BandIs(CNode& outline, const ExpectedBand& band) {
    CNode* node = outline.FindNode(band.name);
    if (!node) return testing::AssertionFailure() << "no " << band.name;
    if (node->GetNodeKind() != kNodeKindImage) return testing::AssertionFailure() << "kind " << node->GetNodeKind();
    double x = 0, y = 0;
    node->GetPosition(&x, &y);
    if (x != band.x || y != band.y) return testing::AssertionFailure() << "at " << x << ", " << y;
    CMemorySurface* picture = static_cast<CImageNode*>(node)->GetSurface();
    int width = 0, height = 0;
    picture->GetSize(width, height);
    if (width != band.width || height != band.height)
        return testing::AssertionFailure() << "size " << width << " x " << height;
    if (!picture->HasAlpha()) return testing::AssertionFailure() << "no alpha";
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int alpha = band.alphas[r][c];
            const Color32 expected = alpha == Z ? 0 : static_cast<Color32>(alpha) << 24 | band.bits;
            if (picture->GetPixel(c, r) != expected)
                return testing::AssertionFailure() << "column " << c << " row " << r << " is " << std::hex
                                                   << picture->GetPixel(c, r) << ", not " << expected;
        }
    }
    return testing::AssertionSuccess();
}

TEST(OutlineStyles, OnlyWholeNamesInTheirOwnCaseParse) {
    const struct {
        const char* name;
        OutlineStyle style;
    } cases[] = {{"None", kOutlineNone},     {"Vivide", kOutlineVivide},   {"Fade", kOutlineFade},
                 {"Shadow", kOutlineShadow}, {"Round", kOutlineRound},     {"Noise", kOutlineNoise},
                 {"Emboss", kOutlineEmboss}, {"InnerShadow", kOutlineInnerShadow},
                 {"vivide", kOutlineUnknown}, {"FADE", kOutlineUnknown},   {"Fade ", kOutlineUnknown},
                 {"Inner", kOutlineUnknown}, {"", kOutlineUnknown}};
    for (const auto& c : cases) EXPECT_EQ(ParseOutlineStyle(c.name), c.style) << c.name;
}

TEST_F(Outlines, EachStyleBuildsItsBandsPixelByPixel) {
    for (const StyleCase& k : HandCases()) {
        SCOPED_TRACE(k.title);
        root.RemoveAt("Outline");
        root.PurgeRemoved();
        COutlinePeek& outline = Attach(k.width, k.height, k.style, k.colour, k.thickness);
        std::vector<std::string> names;
        for (const ExpectedBand& band : k.bands) {
            names.push_back(band.name);
            EXPECT_TRUE(BandIs(outline, band)) << band.name;
        }
        EXPECT_EQ(outline.Order(), names);
        EXPECT_EQ(outline.GetChildren().size(), k.bands.size());
    }
}

TEST_F(Outlines, VivideBuildsFourColourRectanglesOutside) {
    COutlinePeek& outline = Attach(4, 3, kOutlineVivide, 0xFF000000 | kRgb, 3);
    EXPECT_EQ(outline.Order(), (std::vector<std::string>{"Up", "Bottom", "Left", "Right"}));
    const struct {
        const char* name;
        int x, y, width, height;
    } bands[] = {{"Up", -3, -3, 10, 3}, {"Bottom", -3, 3, 10, 3}, {"Left", -3, 0, 3, 3}, {"Right", 4, 0, 3, 3}};
    for (const auto& band : bands) {
        SCOPED_TRACE(band.name);
        CNode* node = outline.FindNode(band.name);
        ASSERT_NE(node, nullptr);
        ASSERT_EQ(node->GetNodeKind(), kNodeKindColor);
        auto* rectangle = static_cast<CColorNode*>(node);
        double x = 0, y = 0;
        int width = 0, height = 0;
        rectangle->GetPosition(&x, &y);
        rectangle->GetSize(&width, &height);
        EXPECT_EQ(std::vector<double>({x, y, double(width), double(height)}),
                  std::vector<double>({double(band.x), double(band.y), double(band.width), double(band.height)}));
        EXPECT_EQ(rectangle->GetColor(), kRgb);
        EXPECT_EQ(rectangle->GetBlendMode(), kColorBlendNormal);
    }
}

TEST_F(Outlines, FadeAroundAHundredByFifty) {
    COutlinePeek& outline = Attach(100, 50, kOutlineFade, 0xFFFFFFFF, 8);
    const struct {
        const char* name;
        double x, y;
        int width, height;
    } bands[] = {{"Up", -8, -8, 116, 8}, {"Bottom", -8, 50, 116, 8}, {"Left", -8, 0, 8, 50}, {"Right", 100, 0, 8, 50}};
    for (const auto& band : bands) {
        auto* image = static_cast<CImageNode*>(outline.FindNode(band.name));
        ASSERT_NE(image, nullptr) << band.name;
        double x = 0, y = 0;
        image->GetPosition(&x, &y);
        int width = 0, height = 0;
        image->GetSurface()->GetSize(width, height);
        EXPECT_EQ(std::vector<double>({x, y, double(width), double(height)}),
                  std::vector<double>({band.x, band.y, double(band.width), double(band.height)}))
            << band.name;
    }
    CMemorySurface* up = static_cast<CImageNode*>(outline.FindNode("Up"))->GetSurface();
    EXPECT_EQ(up->GetPixel(50, 7), 186u << 24 | 0xFFFFFF);
    EXPECT_EQ(up->GetPixel(0, 0), 0u);
    EXPECT_EQ(OutlineRamp(0, 8), 0);
    EXPECT_EQ(OutlineRamp(8, 8), 231);
}

TEST_F(Outlines, RoundStraightPartsAreOpaqueAndFarCornersClear) {
    COutlinePeek& outline = Attach(100, 50, kOutlineRound, 0xFF000000 | kRgb, 8);
    CMemorySurface* up = static_cast<CImageNode*>(outline.FindNode("Up"))->GetSurface();
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 116; ++c) {
            const int dx = c < 8 ? 8 - c : c >= 108 ? c - 107 : 0;
            const bool corner = c < 8 || c >= 108;
            const bool inside = !corner || std::sqrt(double(dx * dx + (8 - r) * (8 - r))) < 8;
            EXPECT_EQ(up->GetPixel(c, r), inside ? 0xFF000000 | kRgb : 0u) << c << ", " << r;
        }
    }
    CMemorySurface* left = static_cast<CImageNode*>(outline.FindNode("Left"))->GetSurface();
    for (int i = 0; i < 8 * 50; ++i) ASSERT_EQ(left->GetPixels()[i], 0xFF000000 | kRgb);
}

TEST_F(Outlines, EveryChildTakesTheColoursAlphaAsOpacity) {
    for (int style : {kOutlineVivide, kOutlineFade, kOutlineShadow, kOutlineNoise, kOutlineInnerShadow}) {
        for (Color32 alpha : {128u, 1u, 255u}) {
            SCOPED_TRACE(std::to_string(style) + " alpha " + std::to_string(alpha));
            root.RemoveAt("Outline");
            root.PurgeRemoved();
            COutlinePeek& outline = Attach(20, 10, style, alpha << 24 | kRgb, 4);
            ASSERT_FALSE(outline.GetChildren().empty());
            for (const auto& child : outline.GetChildren()) {
                double opacity = -1;
                child.second->GetOpacity(&opacity);
                EXPECT_DOUBLE_EQ(opacity, alpha / 255.0) << child.first;
            }
        }
    }
}

TEST_F(Outlines, TransparentEmptyOrNoneBuildsNothing) {
    const struct {
        int width, height, style;
        Color32 colour;
        int thickness;
    } cases[] = {
        {100, 50, kOutlineNone, 0xFFFFFFFF, 8},  {100, 50, kOutlineFade, 0x00FFFFFF, 8},
        {100, 50, kOutlineVivide, 0x00FFFFFF, 8}, {100, 50, kOutlineEmboss, 0x00FFFFFF, 8},
        {100, 50, 0, 0x00FFFFFF, 8},              {100, 50, 42, 0x00FFFFFF, 8},
        {100, 50, kOutlineFade, 0xFFFFFFFF, 0},   {100, 50, kOutlineVivide, 0xFFFFFFFF, -3},
        {0, 50, kOutlineFade, 0xFFFFFFFF, 8},     {100, -1, kOutlineShadow, 0xFFFFFFFF, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + " " + std::to_string(c.width) + "x" + std::to_string(c.height) +
                     " thickness " + std::to_string(c.thickness));
        root.RemoveAt("Outline");
        root.PurgeRemoved();
        EXPECT_TRUE(Attach(c.width, c.height, c.style, c.colour, c.thickness).GetChildren().empty());
    }
}

// Whatever its size and thickness: the style is checked before them.
TEST_F(Outlines, AnUnknownStyleWithAColourIsAnInternalError) {
    const struct {
        int style, width, height, thickness;
    } cases[] = {{0, 100, 50, 8}, {9, 100, 50, 8}, {-1, 100, 50, 8},
                 {9, 0, 50, 8},   {0, 100, 0, 8},  {-1, 100, 50, 0}};
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + " " + std::to_string(c.width) + "x" + std::to_string(c.height) +
                     " thickness " + std::to_string(c.thickness));
        auto* outline = new COutlineNode(0, 0, 0, c.width, c.height, c.style, 0x01FFFFFF, c.thickness);
        ASSERT_TRUE(root.AddChild("Bad" + std::to_string(++number), outline));
        ClearRecordedErrors();
        EXPECT_THROW(outline->Reset(), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, 2020);
        EXPECT_EQ(RecordedErrors()[0].place, 64);
        EXPECT_TRUE(outline->GetChildren().empty());
        ClearRecordedErrors();
    }
}

// Width 1, height 1, thickness 2: the envelope trunc(sin(v pi / 4) x 255)
// is 180 at depth 1 and 113 at the corner depth 2 - sqrt(2); every other
// pixel lies at depth 0 or outside and is 0 without a draw. In picture
// order the drawing pixels are: Up (1, 1), (2, 1), (3, 1); Bottom (1, 0),
// (2, 0), (3, 0); Left (1, 0); Right (0, 0).
TEST_F(Outlines, NoiseDrawsRandInPictureOrder) {
    struct Drawing {
        const char* band;
        int column, row, envelope;
    };
    const Drawing drawing[] = {{"Up", 1, 1, 113},     {"Up", 2, 1, 180},     {"Up", 3, 1, 113},
                               {"Bottom", 1, 0, 113}, {"Bottom", 2, 0, 180}, {"Bottom", 3, 0, 113},
                               {"Left", 1, 0, 180},   {"Right", 0, 0, 180}};
    for (unsigned seed : {1u, 77u, 20261211u}) {
        SCOPED_TRACE(seed);
        root.RemoveAt("Outline");
        root.PurgeRemoved();
        std::srand(seed);
        COutlinePeek& outline = Attach(1, 1, kOutlineNoise, 0xFF000000 | kRgb, 2);
        const int next = std::rand();
        std::srand(seed);
        std::vector<Color32> expected;
        for (const Drawing& d : drawing) {
            if (std::rand() % 255 < d.envelope) {
                expected.push_back(static_cast<Color32>(std::rand() % d.envelope) << 24 | kRgb);
            } else {
                expected.push_back(kRgb);
            }
        }
        EXPECT_EQ(std::rand(), next);  // no draw more or less than the replay
        int shown = 0;
        for (const char* band : {"Up", "Bottom", "Left", "Right"}) {
            CMemorySurface* picture = static_cast<CImageNode*>(outline.FindNode(band))->GetSurface();
            int width = 0, height = 0;
            picture->GetSize(width, height);
            for (int r = 0; r < height; ++r) {
                for (int c = 0; c < width; ++c) {
                    Color32 want = 0;
                    for (size_t i = 0; i < std::size(drawing); ++i) {
                        if (std::string(drawing[i].band) == band && drawing[i].column == c && drawing[i].row == r)
                            want = expected[i];
                    }
                    if (want != 0) ++shown;
                    EXPECT_EQ(picture->GetPixel(c, r), want) << band << " " << c << ", " << r;
                }
            }
        }
        EXPECT_EQ(shown, 8);
    }
}

TEST_F(Outlines, APrototypeStaysEmptyAndEachCloneBuildsItsOwn) {
    COutlineNode prototype(0, 0, 4, 30, 20, kOutlineShadow, 0x80FF0000, 5);
    EXPECT_EQ(prototype.GetNodeKind(), 3000);
    for (const char* name : {"A", "B"}) {
        CNode* clone = prototype.Clone();
        ASSERT_TRUE(root.AddChild(name, clone));
        clone->Reset();
        EXPECT_EQ(clone->GetNodeKind(), 3000);
        EXPECT_EQ(clone->GetZ(), 4);
        const auto& outline = static_cast<const COutlineNode&>(*clone);
        EXPECT_EQ(std::vector<int>({outline.GetWidth(), outline.GetHeight(), outline.GetStyle(), outline.GetThickness()}),
                  std::vector<int>({30, 20, kOutlineShadow, 5}));
        EXPECT_EQ(outline.GetColor(), 0x80FF0000u);
        EXPECT_EQ(clone->GetChildren().size(), 2u);
    }
    EXPECT_TRUE(prototype.GetChildren().empty());
}

class OutlineRedraw : public RedrawFixture {};

TEST_F(OutlineRedraw, MovingOutlinesRedrawAsAFullRedrawDoes) {
    Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0x204060, kColorBlendNormal));
    const int styles[] = {kOutlineVivide, kOutlineFade, kOutlineShadow, kOutlineRound,
                          kOutlineNoise,  kOutlineEmboss, kOutlineInnerShadow};
    std::vector<CNode*> outlines;
    for (int i = 0; i < 7; ++i) {
        outlines.push_back(&Add(root, "O" + std::to_string(i),
                                new COutlineNode(40 + 100 * i, 50, i, 60, 40, styles[i], 0xC0FFE080, 6)));
    }
    Frame();
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    for (int step = 1; step <= 4; ++step) {
        for (int i = 0; i < 7; ++i) {
            outlines[i]->SetPosition(40 + 100 * i + step * 13.5, 50 + step * 37.25);
            outlines[i]->SetOpacity(1.0 - 0.2 * step);
        }
        outlines[step]->SetZoom(1.5, 0.75);
        outlines[step + 2]->SetZoom(0.5, 2.25);
        root.Update(17);
        Frame();
        EXPECT_TRUE(MatchesFullRedraw(root, target)) << step;
    }
}

}  // namespace
