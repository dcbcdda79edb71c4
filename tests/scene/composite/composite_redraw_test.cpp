// Random frames over the composite kinds in one scene: lines bent through
// vertices at fractional places, masks whose children follow and masks that
// move over still children, a frame with moving content, outlines of every
// building style, a hit area and a standard button fading between its
// states, moved, zoomed unevenly, faded and turned, masks and frames with
// what they hold too.
// After every frame the incrementally redrawn target equals a full
// redraw, so each kind reports every pixel it draws, before and after each
// change.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../test_pictures.h"
#include "scene/color_node.h"
#include "scene/composite/frame_node.h"
#include "scene/composite/hit_node.h"
#include "scene/composite/line_node.h"
#include "scene/composite/mask_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/composite/standard_button_node.h"
#include "scene/dirty_rect_grid.h"
#include "scene/image_node.h"
#include "scene/redraw.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"
#include "../../script/scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// Brightness rising from left to right, with a black hole in the middle:
// every mask shows its children fully, partly and not at all.
Color32 MaskPixel(int x, int y) {
    if (x > 50 && x < 70 && y > 30 && y < 50) return 0;
    const Color32 level = static_cast<Color32>(x * 255 / 119);
    return level * 0x010101;
}

// A state picture: the pattern tinted per state, with its alpha.
PixelFunction StatePixel(Color32 tint) {
    return [tint](int x, int y) { return PatternPixel(x, y) ^ tint; };
}

class CompositeRedraw : public testing::Test {
protected:
    CompositeRedraw() {
        ClearRecordedErrors();
        folder.Pack("C", {{"mask.bmp", BmpPictureFile(120, 80, MaskPixel)},
                          {"picture.bmp", BmpPictureFile(160, 120, PatternPixel)},
                          {"content.abm", RawPictureFile(90, 70, PatternPixel)},
                          {"normal.abm", RawPictureFile(100, 40, StatePixel(0x00000000))},
                          {"highlight.abm", RawPictureFile(100, 40, StatePixel(0x0000FF00))},
                          {"down.abm", RawPictureFile(100, 40, StatePixel(0x000000FF))},
                          {"invalid.abm", RawPictureFile(100, 40, StatePixel(0x00FF0000))}});
        auto owned = std::make_unique<CScene>();
        scene = owned.get();
        host.AttachScene(std::move(owned));
        CScriptUnit ignored;
        EXPECT_TRUE(CompiledClean(CompileGuarded("class Btn { method Main { } }", ignored,
                                                 *scene->GetClassCache(), "S/Classes.txt")));
        canvas = scene->GetRootNode();
        grid.Init(8, 8, 800, 600);
        EXPECT_EQ(target.Create(800, 600), 0);
    }
    ~CompositeRedraw() override { EXPECT_TRUE(RecordedErrors().empty()); }

    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    // A place with a fraction of a pixel.
    double Place(int low, int high) { return Random(low * 4, high * 4) / 4.0 + Random(0, 9) / 10.0; }

    // Adds the node under the parent and resets it, as the create command does.
    template <class Node>
    Node& Add(CNode& parent, const std::string& name, Node* node) {
        EXPECT_TRUE(parent.AddChild(name, node));
        node->Reset();
        return *node;
    }

    void BuildScene() {
        Add(*canvas, "Bottom", new CColorNode(0, 0, -1, 800, 600, 0x203040, kColorBlendNormal));
        Add(*canvas, "Hit", new CHitNode(300, 300, 6, 80, 40));
        for (int style : {kLineOpen, kLineClosed, kLineSegments}) {
            CLineNode& line = Add(*canvas, "Line" + std::to_string(style),
                                  new CLineNode(0, 0, 5, style, 0xFFE040 ^ style * 0x304050));
            line.SetPosition(Place(0, 600), Place(0, 400));
            for (int v = 0; v < 4; ++v) {
                Add(line, "V" + std::to_string(v), new CSceneNode(0, 0, v)).SetPosition(Place(-60, 150), Place(-60, 150));
            }
            lines.push_back(&line);
        }
        CMaskNode& follow = Add(*canvas, "Follow", new CMaskNode(100, 100, 2, "C/mask.bmp", true));
        Add(follow, "Content", new CImageNode(10, 5, 0, "C/content.abm", 0));
        Add(follow, "Block", new CColorNode(60, 20, 1, 40, 30, 0xFF8000, kColorBlendNormal));
        Add(Add(follow, "Group", new CSceneNode(20, 40, 2)), "Dot",
            new CColorNode(0, 0, 0, 16, 12, 0x8040FF, kColorBlendNormal));
        CMaskNode& still = Add(*canvas, "Still", new CMaskNode(400, 100, 2, "C/mask.bmp", false));
        Add(still, "Content", new CImageNode(380, 90, 0, "C/content.abm", 0));
        Add(still, "Block", new CColorNode(450, 120, 1, 50, 40, 0x40FF80, kColorBlendNormal));
        masks = {&follow, &still};
        CFrameNode& frame = Add(*canvas, "Frame", new CFrameNode(200, 350, 3, "C/picture.bmp", kOutlineFade,
                                                                 0xC0FFFFFF, 8));
        Add(*frame.FindNode("Window"), "Content", new CImageNode(100, 80, 0, "C/content.abm", 0));
        const int styles[] = {kOutlineVivide, kOutlineFade, kOutlineShadow, kOutlineRound,
                              kOutlineNoise,  kOutlineEmboss, kOutlineInnerShadow};
        for (int i = 0; i < 7; ++i) {
            outlines.push_back(&Add(*canvas, "Outline" + std::to_string(i),
                                    new COutlineNode(30 + 110 * i, 500, 4, 50, 30, styles[i], 0xC0E0A040, 6)));
        }
        button = &Add(*canvas, "Button", new CStandardButtonNode(550, 300, 7, "Btn", "", "C/normal.abm",
                                                                 "C/highlight.abm", "C/down.abm",
                                                                 "C/invalid.abm", ""));
    }

    // Every node a change may pick: the composites and the children they hold.
    std::vector<CNode*> Movable() {
        std::vector<CNode*> nodes = {canvas->FindNode("Hit"), canvas->FindNode("Frame"),
                                     canvas->FindNode("Frame/Window/Content"), button};
        for (CNode* line : lines) {
            nodes.push_back(line);
            for (const auto& vertex : line->GetChildren()) nodes.push_back(vertex.second);
        }
        for (CNode* mask : masks) {
            nodes.push_back(mask);
            for (const auto& child : mask->GetChildren()) {
                nodes.push_back(child.second);
                for (const auto& inner : child.second->GetChildren()) nodes.push_back(inner.second);
            }
        }
        nodes.insert(nodes.end(), outlines.begin(), outlines.end());
        return nodes;
    }

    void RandomChange() {
        const std::vector<CNode*> nodes = Movable();
        CNode* node = nodes[Random(0, static_cast<int>(nodes.size()) - 1)];
        switch (Random(0, 9)) {
            case 0:
            case 1: node->SetPosition(node->GetPlacement().x + Place(-20, 20), node->GetPlacement().y + Place(-20, 20));
                break;
            case 2: node->SetPosition(Place(-50, 750), Place(-50, 550)); break;
            case 3: node->SetOpacity(Random(0, 4) / 4.0); break;
            case 4: node->SetZoom(Random(1, 8) / 4.0, Random(1, 8) / 4.0); break;
            case 5: {
                static const char* const kMessages[] = {"Hover", "Outside", "ButtonDown", "Disable", "Enable"};
                button->ReceiveMessage(kMessages[Random(0, 4)]);
                break;
            }
            case 6: {
                // A mask loses a child or gains one.
                CMaskNode* mask = masks[Random(0, 1)];
                const auto& children = mask->GetChildren();
                if (!children.empty() && Random(0, 1) == 0) {
                    mask->RemoveAt(children.begin()->first);
                } else {
                    Add(*mask, "N" + std::to_string(next++),
                        new CColorNode(static_cast<int>(mask->GetPlacement().x) * !mask->ChildrenFollow() + Random(-20, 100),
                                       static_cast<int>(mask->GetPlacement().y) * !mask->ChildrenFollow() + Random(-20, 60),
                                       Random(0, 3), Random(5, 60), Random(5, 40),
                                       static_cast<Color32>(random()) & 0xFFFFFF, kColorBlendNormal));
                }
                break;
            }
            case 7: node->SetRotation(Random(-180, 180) + Random(0, 3) / 4.0); break;
            default: break;  // the running fades and nothing else
        }
    }

    void Frame(int ms) {
        host.BeginFrame();
        host.Update(ms);
        host.SetTransform(kIdentity);
        RedrawDirtyCells(*canvas, grid, target, nullptr);
    }

    CPictureFolder folder;
    CSceneHost host;
    CScene* scene = nullptr;
    CNode* canvas = nullptr;
    CDirtyRectGrid grid;
    CMemorySurface target;
    std::vector<CLineNode*> lines;
    std::vector<CMaskNode*> masks;
    std::vector<COutlineNode*> outlines;
    CStandardButtonNode* button = nullptr;
    std::mt19937 random{20261211};
    int next = 0;
};

TEST_F(CompositeRedraw, IncrementalFramesEqualAFullRedraw) {
    BuildScene();
    Frame(0);
    ASSERT_TRUE(MatchesFullRedraw(*canvas, target));
    for (int frame = 0; frame < 300; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const int changes = Random(1, 3);
        for (int i = 0; i < changes; ++i) RandomChange();
        Frame(Random(5, 120));
        ASSERT_TRUE(MatchesFullRedraw(*canvas, target));
    }
}

}  // namespace
