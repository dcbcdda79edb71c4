// The node and animation statements run by a scene frame by frame: node
// placements, zoom and opacity after each frame, a name created twice, the
// node statements reaching their nodes, and the drawn picture at its target.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/memory_surface.h"
#include "platform/paths.h"
#include "scene/node_kind.h"
#include "script/data_actions.h"
#include "scene_fixtures.h"
#include "support/temp_folder.h"
#include "text/balloon/balloon_node.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};

// Records the messages and chip commands it receives.
class CProbeNode : public CSceneNode {
public:
    CProbeNode() : CSceneNode(0, 0, 0) {}
    void ReceiveMessage(std::string name) override { messages.push_back(name); }
    void ApplyCommand(CScriptCommand* command) override {
        if (command->GetCategory() == kCategoryChipAction) {
            const auto& chip = static_cast<const CSetChipAction&>(*command);
            for (int i = 0; i < 4; ++i) chip_.push_back(chip.Value(i));
            return;
        }
        CSceneNode::ApplyCommand(command);
    }
    std::vector<std::string> messages;
    std::vector<int32_t> chip_;
};

class NodeStatementSceneTest : public testing::Test {
protected:
    void SetUp() override { ClearRecordedErrors(); }

    // Opens the scene in the host, with the probe "Probe" under its canvas.
    CScene* Open(std::unique_ptr<CScene> scene) {
        CScene* opened = scene.get();
        probe_ = new CProbeNode;
        opened->GetRootNode()->AddChild("Probe", probe_);
        probe_->Reset();
        host_.AttachScene(std::move(scene));
        return opened;
    }

    void Frame(int ms) {
        host_.BeginFrame();
        host_.Update(ms);
        host_.SetTransform(kIdentity);
    }

    CBaseDirectoryScope base_{GetProgramDirectory() + "script_fixture\\"};
    CSceneHost host_;
    CProbeNode* probe_ = nullptr;
};

struct BoxState {
    double x, y, zoom, opacity;
};

BoxState StateOf(CNode& node) {
    BoxState s{};
    double zoomY = 0;
    node.GetPosition(&s.x, &s.y);
    node.GetZoom(&s.zoom, &zoomY);
    EXPECT_EQ(s.zoom, zoomY);
    node.GetOpacity(&s.opacity);
    return s;
}

TEST_F(NodeStatementSceneTest, CreateMoveZoomOpaqueAndDeleteStepFrameByFrame) {
    CScene* scene = Open(std::make_unique<CScene>("S/Animate.txt"));
    CNode* root = scene->GetRootNode();
    CNode* box = root->FindNode("box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetNodeKind(), kNodeKindColor);
    // After each 17 ms frame: the move takes four frames, then zoom and fade
    // two, then a frame of waiting.
    const BoxState frames[] = {
        {100, 50, 1, 1},  {150, 100, 1, 1},     {200, 150, 1, 1},   {250, 200, 1, 1},
        {300, 250, 1, 1}, {300, 250, 1.5, 0.75}, {300, 250, 2, 0.5},
    };
    for (size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        if (i > 0) Frame(17);
        const BoxState s = StateOf(*box);
        EXPECT_DOUBLE_EQ(s.x, frames[i].x);
        EXPECT_DOUBLE_EQ(s.y, frames[i].y);
        EXPECT_DOUBLE_EQ(s.zoom, frames[i].zoom);
        EXPECT_DOUBLE_EQ(s.opacity, frames[i].opacity);
    }
    Frame(17);
    // The seventh frame ends the wait: the box is deleted and a group of the
    // same name created in its place, centred in the 800 x 600 area.
    CNode* group = root->FindNode("box");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->GetNodeKind(), kNodeKindScene);
    int x = 0, y = 0;
    root->GetPositionAt("box", &x, &y);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 300);
    EXPECT_TRUE(scene->IsScriptFinished());
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(NodeStatementSceneTest, CreatingATakenNameIsFatalAndDeletingFreesIt) {
    CScene* scene =
        Open(SceneOfText(R"(page Main { CreateNode("a", 0, 5, 6); Delete("a"); CreateNode("a", 0, 7, 8); })"));
    int x = 0, y = 0;
    scene->GetRootNode()->GetPositionAt("a", &x, &y);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    EXPECT_TRUE(RecordedErrors().empty());

    CSceneHost other;
    EXPECT_THROW(other.AttachScene(SceneOfText(R"(page Main { CreateNode("a", 0, 0, 0); CreateNode("a", 0, 0, 0); })")),
                 CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].module, kModuleNode);
    EXPECT_EQ(RecordedErrors()[0].place, 467);
    ClearRecordedErrors();
}

TEST_F(NodeStatementSceneTest, RequestSetHitableAndSetChipReachTheirNodes) {
    Open(SceneOfText(R"(page Main { Request("Probe", "Hello"); SetHitable("Probe", false); SetChip("Probe", 1, 2, 30, 40); })"));
    EXPECT_EQ(probe_->messages, (std::vector<std::string>{"Hello"}));
    EXPECT_FALSE(probe_->IsHitEnabled());
    EXPECT_EQ(probe_->chip_, (std::vector<int32_t>{1, 2, 30, 40}));
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(NodeStatementSceneTest, TheBackBufferShowsTheMovedPictureAtItsTarget) {
    Open(std::make_unique<CScene>("S/Moved.txt"));
    CMemorySurface back;
    ASSERT_EQ(back.Create(800, 600), 0);
    host_.Draw(back, kIdentity, &kScreen);
    EXPECT_EQ(back.GetPixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    for (int i = 0; i < 3; ++i) {
        Frame(17);
        host_.Draw(back, kIdentity, &kScreen);
    }
    // Where the box stood is canvas again; the box covers 200..219 x 150..159.
    EXPECT_EQ(back.GetPixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    const struct {
        int x, y;
        Color32 colour;
    } points[] = {{200, 150, 0xFF0000}, {219, 159, 0xFF0000}, {199, 150, 0xFFFFFF}, {220, 150, 0xFFFFFF},
                  {200, 149, 0xFFFFFF}, {200, 160, 0xFFFFFF}, {133, 100, 0xFFFFFF}};
    for (const auto& p : points) {
        EXPECT_EQ(back.GetPixel(p.x, p.y) & 0xFFFFFF, p.colour) << p.x << ", " << p.y;
    }
}

// The create command attaches the balloon it adds: the tap pop-in runs, the
// text child and the regions are built; after "Exit" the balloon leaves the
// tree by itself.
TEST_F(NodeStatementSceneTest, CreateBalloonAttachesAndExitRemovesIt) {
    CScene* scene = Open(SceneOfText(R"(page Main { CreateBalloon("b", 0, 10, 20, 120, 80, "Ellipse", 90, "hi"); })"));
    CNode* root = scene->GetRootNode();
    auto* balloon = static_cast<CBalloonNode*>(root->FindNode("b"));
    ASSERT_NE(balloon, nullptr);
    ASSERT_EQ(balloon->GetNodeKind(), kNodeKindBalloon);
    EXPECT_EQ(balloon->GetMotion().State(), kBalloonTapIn);
    ASSERT_NE(balloon->GetTextNode(), nullptr);
    EXPECT_EQ(balloon->GetTextNode()->GetText(), "hi");
    ASSERT_NE(balloon->GetRegions(), nullptr);
    EXPECT_FALSE(balloon->GetRegions()->hit.IsEmpty());
    int x = 0, y = 0;
    root->GetPositionAt("b", &x, &y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    for (int i = 0; i < 3; ++i) Frame(100);
    EXPECT_EQ(balloon->GetMotion().State(), kBalloonShown);
    balloon->ReceiveMessage("Exit");
    for (int i = 0; i < 7; ++i) Frame(100);
    EXPECT_EQ(root->FindNode("b"), nullptr);
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
