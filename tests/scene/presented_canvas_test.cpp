// A scene's canvas with image, colour and window nodes, redrawn by cells and
// presented in the test window over a few frames of changes: the window
// shows what a full redraw of the tree gives.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/display_driver.h"
#include "scene/color_node.h"
#include "scene/image_node.h"
#include "scene/window_node.h"
#include "support/display_run.h"
#include "support/window_readback.h"
#include "test_pictures.h"
#include "../script/scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};

template <class Node>
Node* Add(CNode& parent, const std::string& name, Node* node) {
    EXPECT_TRUE(parent.AddChild(name, node));
    node->Reset();
    return node;
}

testing::AssertionResult ShowsFullRedraw(HWND window, CNode& canvas) {
    CMemorySurface full;
    if (full.Create(800, 600) != 0) return testing::AssertionFailure() << "no surface";
    canvas.Draw(full, kIdentity, nullptr);
    const std::vector<Color32> shown = ReadBack(window);
    for (int i = 0; i < 800 * 600; ++i) {
        const Color32 expected = full.GetPixels()[i] & 0xFFFFFF;
        if (shown[i] != expected) {
            return testing::AssertionFailure() << "(" << i % 800 << ", " << i / 800 << ") shows "
                                               << std::hex << shown[i] << ", not " << expected;
        }
    }
    return testing::AssertionSuccess();
}

TEST(PresentedCanvas, TheWindowShowsTheFullRedrawOfTheTree) {
    CPictureFolder folder;
    folder.Pack("Show", {{"alpha.abm", RawPictureFile(120, 90, PatternPixel)},
                         {"plain.bmp", BmpPictureFile(200, 150, PatternPixel)}});
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CSceneHost host;
        auto owned = std::make_unique<CScene>();
        CScene* scene = owned.get();
        host.AttachScene(std::move(owned));
        auto frame = [&] {
            host.BeginFrame();
            host.Update(17);
            host.SetTransform(kIdentity);
            host.Draw(*f.device.GetBackBuffer(), kIdentity, &kScreen);
            host.Present(f.device);
        };
        CNode& canvas = *scene->GetRootNode();
        CImageNode* plain = Add(canvas, "Plain", new CImageNode(40, 30, 0, "Show/plain.bmp", 0));
        CImageNode* alpha = Add(canvas, "Alpha", new CImageNode(150, 100, 2, "Show/alpha.abm", 0));
        CColorNode* shade = Add(canvas, "Shade", new CColorNode(300, 200, 1, 250, 180, 0x204080,
                                                                kColorBlendNormal));
        CWindowNode* window = Add(canvas, "Win", new CWindowNode(500, 50, 3, 150, 100, true));
        Add(*window, "Img", new CImageNode(-20, -10, 0, "Show/plain.bmp", kPictureDrawAdd));
        shade->SetOpacity(0.6);
        frame();
        EXPECT_TRUE(ShowsFullRedraw(f.window, canvas));

        plain->SetPosition(60.5, 45);
        alpha->SetRotation(20);
        window->SetPosition(480, 300);
        shade->SetZoom(0.5, 1.25);
        frame();
        EXPECT_TRUE(ShowsFullRedraw(f.window, canvas));

        canvas.RemoveAt("Alpha");
        frame();
        EXPECT_TRUE(ShowsFullRedraw(f.window, canvas));
    });
}

}  // namespace
