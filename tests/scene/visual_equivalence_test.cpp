// Random frames over the drawing kinds (image and animation nodes with and
// without alpha in every draw mode, changing chips, colour nodes in every
// mode, windows that carry their children or only cut them, wipes that run
// on pictures and colours) with fractional positions, zooms, rotations and
// fades, on a white canvas: after every frame the incrementally drawn target
// must equal a full redraw, so every node's local rectangle holds every pixel
// it paints and every opaque node covers all of its rectangle. A second run
// adds groups, texts, balloons, lines and filters, all of them turned and
// zoomed unevenly inside each other.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "redraw_fixture.h"
#include "scene/animation_node.h"
#include "scene/color_node.h"
#include "scene/composite/line_node.h"
#include "scene/effect_node.h"
#include "scene/image_node.h"
#include "scene/window_node.h"
#include "support/redraw_oracle.h"
#include "test_pictures.h"
#include "text/balloon/balloon_node.h"
#include "text/balloon/balloon_shape.h"
#include "text/text_node.h"
#include "transitions/screen_transition.h"

namespace {

class VisualEquivalence : public RedrawFixture {
protected:
    void SetUp() override {
        folder.Pack("Eq", {{"alpha.abm", RawPictureFile(64, 48, PatternPixel)},
                           {"plain.bmp", BmpPictureFile(80, 60, PatternPixel)}});
        Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0xFFFFFF, kColorBlendNormal));
    }

    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    double Fraction() { return Random(0, 7) / 8.0; }

    // The nodes the test made: a balloon's own text child is its business.
    std::vector<CNode*> Nodes(CNode& parent) {
        std::vector<CNode*> nodes;
        for (const auto& entry : parent.GetChildren()) {
            if (entry.first == "Canvas" || entry.first == "Text") continue;
            nodes.push_back(entry.second);
            for (CNode* inner : Nodes(*entry.second)) nodes.push_back(inner);
        }
        return nodes;
    }

    CNode* PickNode() {
        const std::vector<CNode*> nodes = Nodes(root);
        return nodes.empty() ? nullptr : nodes[Random(0, static_cast<int>(nodes.size()) - 1)];
    }

    CNode* MakeNode() {
        const int x = Random(-40, 760);
        const int y = Random(-40, 560);
        const int z = Random(0, 5);
        switch (Random(0, 4)) {
            case 0: return new CImageNode(x, y, z, "Eq/alpha.abm", Random(0, 7));
            case 1: return new CImageNode(x, y, z, "Eq/plain.bmp", Random(0, 1) ? 0 : Random(0, 7));
            case 2:
                return new CColorNode(x, y, z, Random(1, 120), Random(1, 90),
                                      static_cast<Color32>(random()), Random(0, 2) ? 0 : Random(0, 6));
            case 3: return new CAnimationNode(x, y, z, Random(0, 1) ? "Eq/alpha.abm" : "Eq/plain.bmp",
                                              Random(0, 7));
            default:
                return new CWindowNode(x, y, z, Random(0, 200), Random(0, 150), Random(0, 1) == 1);
        }
    }

    // Groups, and the kinds that draw at their parent composed with their own
    // placement: typing and typed-out texts, balloons, lines, filters.
    CNode* MakeComposedNode() {
        const int x = Random(-60, 160);
        const int y = Random(-60, 120);
        const int z = Random(0, 5);
        switch (Random(0, 5)) {
            case 0: {
                auto* group = new CSceneNode(Random(100, 700), Random(100, 500), z);
                group->SetZoom(Random(2, 12) / 4.0 + Fraction() / 4, Random(2, 12) / 4.0 + Fraction() / 4);
                group->SetRotation(Random(-180, 180) + Fraction());
                return group;
            }
            case 1:
            case 2: {
                static const int kStyles[] = {kTypeNormal, kTypeBang, kTypeJump, kTypeStretch, kTypeWave};
                auto* text = new CTextNode(x, y, z, Random(40, 200), Random(30, 90), "Text turns, zooms",
                                           0, Random(12, 28), kStyles[Random(0, 4)], Random(10, 60), 150);
                text->SetRenderMethod(Random(0, 1) ? kRenderSupersampled : kRenderPlain);
                return text;
            }
            case 3: {
                CBalloonNode prototype(x, y, z, Random(40, 160), Random(40, 100), Random(0, 1) ? kShapeEllipse : kShapeRectangle,
                                       Random(0, 1) == 1, Random(0, 359), "Hi", 0, 14, kTypeNormal, 40, 100,
                                       kStyleVivide, 0xFF000000 | static_cast<Color32>(random()), 0xFF000000);
                return prototype.Clone();
            }
            case 4: return new CLineNode(x, y, z, Random(0, 2), static_cast<Color32>(random()));
            default: {
                static const int kFilters[] = {kEffectNegative, kEffectMonochrome, kEffectTVRaster, kEffectPosterization};
                return new CEffectNode(x, y, z, Random(10, 150), Random(10, 120), kFilters[Random(0, 3)]);
            }
        }
    }

    // What a new node of the kind needs right after it is added.
    void Complete(CNode& node) {
        switch (node.GetNodeKind()) {
            case kNodeKindAnimation: RandomChip(static_cast<CAnimationNode&>(node)); break;
            case kNodeKindText:
                if (Random(0, 1)) node.ReceiveMessage("TypeOut");
                break;
            case kNodeKindLine:
                for (int v = Random(2, 4); v-- > 0;) {
                    Add(node, "V" + std::to_string(v), new CSceneNode(0, 0, v))
                        .SetPosition(Random(-80, 80) + Fraction(), Random(-80, 80) + Fraction());
                }
                break;
            default: break;
        }
    }

    // Under the root or a window; with the composed kinds mostly under a
    // group.
    void AddRandomNode() {
        CNode* parent = &root;
        std::vector<CNode*> groups;
        for (CNode* node : Nodes(root)) {
            const int kind = node->GetNodeKind();
            if (kind == kNodeKindWindow && Random(0, 2) == 0) parent = node;
            if (kind == kNodeKindScene && node->GetParent()->GetNodeKind() != kNodeKindLine) groups.push_back(node);
        }
        if (composedKinds && !groups.empty() && Random(0, 3) != 0) {
            parent = groups[Random(0, static_cast<int>(groups.size()) - 1)];
        }
        CNode* node = composedKinds && Random(0, 1) ? MakeComposedNode() : MakeNode();
        Add(*parent, "N" + std::to_string(next++), node);
        Complete(*node);
        if (composedKinds) node->SetRotation(Random(-180, 180) + Fraction());
    }

    // Cells of 16 x 12 pixels, now and then reaching outside the sheet.
    void RandomChip(CAnimationNode& node) {
        const int left = Random(-1, 5) * 16;
        const int top = Random(-1, 5) * 12;
        node.SetChip(left, top, left + Random(1, 3) * 16, top + Random(1, 3) * 12);
    }

    // A wipe that runs for 100 to 500 ms, revealing or hiding.
    void AttachTransition(CNode& node) {
        static const char* const kKinds[] = {"LinearDown", "RectCenter", "BoxTopLeft",
                                             "CircleCenter", "BlindSlant", "CurtainUp",
                                             "TerecoH", "FanCenter", "HoleCenter"};
        const bool reveal = Random(0, 1) == 1;
        CScreenTransition wipe(static_cast<unsigned>(Random(1, 5) * 100), kKinds[Random(0, 8)],
                               reveal ? 1000 : 0, reveal ? 0 : 1000, nullptr);
        node.ApplyCommand(&wipe);
    }

    void RandomChange() {
        CNode* node = PickNode();
        const int action = node ? Random(0, 8) : 7;
        if (action == 8) {
            if (node->GetNodeKind() != kNodeKindWindow) AttachTransition(*node);
            return;
        }
        switch (action) {
            case 0: node->SetPosition(Random(-40, 760) + Fraction(), Random(-40, 560) + Fraction()); break;
            case 1: node->SetZoom(Random(0, 2) ? 1.0 : Random(2, 10) / 4.0 + Fraction() / 4,
                                  Random(0, 2) ? 1.0 : Random(2, 10) / 4.0 + Fraction() / 4);
                break;
            case 2: node->SetOpacity(Random(0, 1) ? 1.0 : Random(0, 8) / 8.0); break;
            case 3: node->SetRotation(Random(0, 1) ? 0.0 : Random(-360, 360) + Fraction()); break;
            case 4: node->RemoveAt(""); break;
            case 5: node->SetPosition(node->GetPlacement().x + Random(-6, 6) + Fraction(),
                                      node->GetPlacement().y + Random(-6, 6));
                break;
            case 6:
                if (node->GetNodeKind() == kNodeKindAnimation) {
                    RandomChip(static_cast<CAnimationNode&>(*node));
                    break;
                }
                node->GetParent()->SetChildOrder(node->GetParent()->GetChildName(node),
                                                     Random(0, 5));
                break;
            default: AddRandomNode(); break;
        }
    }

    CPictureFolder folder;
    std::mt19937 random{20261211};
    int next = 0;
    bool composedKinds = false;
};

TEST_F(VisualEquivalence, IncrementalFramesEqualAFullRedraw) {
    for (int i = 0; i < 16; ++i) AddRandomNode();
    for (int frame = 0; frame < 300; ++frame) {
        const int changes = Random(1, 4);
        for (int i = 0; i < changes; ++i) RandomChange();
        root.Update(17);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target)) << "frame " << frame;
    }
}

// Groups turned and zoomed unevenly, holding texts, balloons, lines and
// filters that turn and zoom too: what each of them reports is where it
// draws under the composed placement.
TEST_F(VisualEquivalence, ComposedKindsInTurnedGroupsEqualAFullRedraw) {
    composedKinds = true;
    for (int i = 0; i < 20; ++i) AddRandomNode();
    for (int frame = 0; frame < 300; ++frame) {
        const int changes = Random(1, 4);
        for (int i = 0; i < changes; ++i) RandomChange();
        root.Update(17);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target)) << "frame " << frame;
    }
}

}  // namespace
