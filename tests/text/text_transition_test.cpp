// A screen transition handed to a text node: the node shows its finished
// text through it while its placement is untransformed, and plainly, with
// the transition held still, while it is turned or zoomed.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "graphics/draw_image.h"
#include "graphics/memory_surface.h"
#include "transitions/screen_transition.h"
#include "text_node_fixture.h"

namespace {

const std::string kText = "\x82\xA0\x82\xA2<FONT rim='#FFFFFFFF'>\x82\xA4</FONT>";
const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

std::vector<Color32> Pixels(const CMemorySurface& surface) {
    int w = 0, h = 0;
    surface.GetSize(w, h);
    return std::vector<Color32>(surface.GetPixels(), surface.GetPixels() + w * h);
}

struct TransitionCase {
    std::unique_ptr<CTextNode> node = MakeTypedText(kText, 50, 200, kTypeNormal, 20, 10);
    CScreenTransition command{300, "LinearDown", 0, 1000, nullptr};
};

TEST(TextTransition, TakesTheTransitionOver) {
    TransitionCase c;
    Step(*c.node, 30);
    c.node->ApplyCommand(&c.command);
    EXPECT_EQ(c.node->GetDisplayMode(), kTextTransition);
    EXPECT_EQ(c.node->GetClock(), 0);
    CScreenTransition* held = c.node->GetTransition();
    ASSERT_NE(held, nullptr);
    EXPECT_NE(held, &c.command);
    EXPECT_TRUE(c.node->IsAnimating(kAnimatorAny));
    EXPECT_TRUE(c.node->IsAnimating(kAnimatorScript));
    EXPECT_FALSE(c.node->IsAnimating(kAnimatorOpacity));
    EXPECT_EQ(c.node->GetAnimationTimeLeft(kAnimatorAny), 300u);
    Step(*c.node, 100);
    EXPECT_EQ(c.node->GetAnimationTimeLeft(kAnimatorScript), 200u);
    Step(*c.node, 200);
    EXPECT_FALSE(c.node->IsAnimating(kAnimatorAny));
    // The next transition replaces the held one; a rebuild releases it.
    c.node->ApplyCommand(&c.command);
    EXPECT_EQ(c.node->GetAnimationTimeLeft(kAnimatorAny), 300u);
    c.node->Reset();
    EXPECT_EQ(c.node->GetTransition(), nullptr);
    EXPECT_EQ(c.node->GetDisplayMode(), kTextTyping);
}

// Untransformed: the transition draws the whole text surface at the node's
// place, with code 101 at full opacity and 103 with the opacity byte below.
TEST(TextTransition, DrawsThroughTheTransition) {
    for (double opacity : {1.0, 0.6}) {
        SCOPED_TRACE(opacity);
        TransitionCase c;
        c.node->SetOpacity(opacity);
        c.node->ApplyCommand(&c.command);
        Step(*c.node, 120);
        CMemorySurface target;
        ASSERT_EQ(target.Create(200, 100), 0);
        c.node->DrawSelf(target, kIdentity, nullptr);

        std::unique_ptr<CScreenTransition> replay(c.node->GetTransition()->Clone());
        CMemorySurface expected;
        ASSERT_EQ(expected.Create(200, 100), 0);
        const CTransform2D placement(20, 10, opacity, 1, 1, 0);
        const int level = static_cast<int>(opacity * 255);
        replay->Draw(&expected, &placement, static_cast<uint32_t>(level), c.node->GetTextSurface(), nullptr,
                     nullptr, opacity < 1 ? 103 : 101);
        EXPECT_TRUE(Pixels(target) == Pixels(expected));
        // Half-way down the wipe: some of the text shows, not all of it.
        CMemorySurface whole;
        ASSERT_EQ(whole.Create(200, 100), 0);
        DrawImageNormal(whole, *c.node->GetTextSurface(), placement, true, nullptr, nullptr);
        EXPECT_FALSE(Pixels(target) == Pixels(whole));
        EXPECT_FALSE(Pixels(target) == std::vector<Color32>(200 * 100, 0));
    }
}

// A turned text keeps its transition but does not advance it, and draws as
// a typed-out text does.
TEST(TextTransition, TurnedTextHoldsItsTransition) {
    TransitionCase c;
    c.node->ApplyCommand(&c.command);
    c.node->SetRotation(30);
    Step(*c.node, 120);
    ASSERT_NE(c.node->GetTransition(), nullptr);
    EXPECT_EQ(c.node->GetTransition()->GetTimeLeft(), 300u);
    EXPECT_FALSE(c.node->IsAnimating(kAnimatorAny));
    EXPECT_EQ(c.node->GetAnimationTimeLeft(kAnimatorAny), 0u);
    CMemorySurface target;
    ASSERT_EQ(target.Create(200, 100), 0);
    c.node->DrawSelf(target, kIdentity, nullptr);
    CMemorySurface expected;
    ASSERT_EQ(expected.Create(200, 100), 0);
    DrawImageNormal(expected, *c.node->GetTextSurface(), CTransform2D(20, 10, 1, 1, 1, 30), true, nullptr, nullptr);
    EXPECT_TRUE(Pixels(target) == Pixels(expected));
    EXPECT_FALSE(Pixels(target) == std::vector<Color32>(200 * 100, 0));
    // Turned back, it goes on from where it was held.
    c.node->SetRotation(0);
    Step(*c.node, 100);
    EXPECT_EQ(c.node->GetTransition()->GetTimeLeft(), 200u);
}

}  // namespace
