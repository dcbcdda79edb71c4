// The menu's command objects: the fade of a whole node, the fade of a page's
// content and the pause of a page's script.
#include <gtest/gtest.h>

#include <cmath>

#include "../scene/redraw_fixture.h"
#include "platform/easing.h"
#include "scene/script_page_node.h"
#include "screens/menu_opacity_fade.h"
#include "screens/page_opacity_fade.h"
#include "screens/page_script_pause.h"

namespace {

class PageCommandsTest : public RedrawFixture {
protected:
    PageCommandsTest() {
        AddRect(root, "Back", 0, 0, -1, 800, 600, 0xFFFFFFFF, true);
        page = &Add(root, "Page", new CScriptPageNode(0, 0, 0, "", 1.0));
        AddRect(*page, "Box", 100, 100, 0, 100, 100, 0xFFFF0000, true);
        Frame();
    }
    CScriptPageNode* page = nullptr;
};

TEST_F(PageCommandsTest, TheNodeFadeRunsFromTheNodesOpacityToItsTarget) {
    struct Case {
        uint32_t duration;
        EasingCurve easing;
        int step;
        double expected;
    };
    const Case cases[] = {
        {0, nullptr, 0, 0.2},                          // the target on the first step
        {1000, nullptr, 500, 0.6},                     // half the time, half the way from 1.0
        {1000, EaseAccSin, 500, 1.0 - 0.8 * EaseAccSin(0.5)},
        {1000, nullptr, 1500, 0.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.duration);
        CSceneNode& node = AddRect(root, "Faded", 0, 0, 1, 10, 10, 0xFF00FF00, true);
        CMenuOpacityFade fade(c.duration, 0.2, c.easing);
        node.ApplyCommand(&fade);
        node.Update(c.step);
        double opacity = 0;
        node.GetOpacity(&opacity);
        EXPECT_NEAR(opacity, c.expected, 1e-9);
        EXPECT_EQ(node.IsAnimating(kAnimatorOpacity), c.step < static_cast<int>(c.duration));
        root.RemoveAt("Faded");
        root.PurgeRemoved();
    }
}

TEST_F(PageCommandsTest, ThePageFadeActsOnTheContentOnly) {
    CPageOpacityFade same(500, 1.0);
    page->ApplyCommand(&same);
    page->Update(250);
    EXPECT_TRUE(Frame().empty());  // a fade to the current value redraws nothing

    CPageOpacityFade half(1000, 0.0);
    page->ApplyCommand(&half);
    page->Update(500);
    EXPECT_DOUBLE_EQ(page->GetContentOpacity(), 0.5);
    double own = 0;
    page->GetOpacity(&own);
    EXPECT_EQ(own, 1.0);
    EXPECT_FALSE(Frame().empty());
    // The red box at half its opacity over the white background.
    const Color32 pixel = target.GetPixel(150, 150);
    EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xFF), 0xFF, 2);
    EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), 0x80, 1);
    EXPECT_NEAR(static_cast<int>(pixel & 0xFF), 0x80, 1);
    page->Update(500);
    EXPECT_EQ(page->GetContentOpacity(), 0.0);
    EXPECT_EQ(page->GetContentFade(), nullptr);

    CPageOpacityFade instant(0, 0.75);
    page->ApplyCommand(&instant);
    EXPECT_EQ(page->GetContentOpacity(), 0.75);
}

TEST_F(PageCommandsTest, TheScriptPauseCountsDownAndLetsGo) {
    CPageScriptPause none(0);
    page->ApplyCommand(&none);  // off and on again within the first step
    EXPECT_FALSE(page->QueryMenuCommand());
    page->Update(0);
    EXPECT_EQ(page->GetScriptPause(), nullptr);

    CPageScriptPause pause(100);
    page->ApplyCommand(&pause);
    EXPECT_TRUE(page->QueryMenuCommand());
    EXPECT_EQ(page->GetScriptPause()->GetTimeLeft(), 100u);
    page->Update(60);
    EXPECT_TRUE(page->QueryMenuCommand());
    EXPECT_EQ(page->GetScriptPause()->GetTimeLeft(), 40u);
    page->Update(40);
    EXPECT_FALSE(page->QueryMenuCommand());
    EXPECT_EQ(page->GetScriptPause(), nullptr);
}

}  // namespace
