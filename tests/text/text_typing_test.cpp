// The text node in time, on a hand-driven clock of fixed frame steps: glyph
// starts, the total typing time, the end of the typing, requests, ruby
// readings, the animation queries, hit tests and dirty areas.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "graphics/draw_image.h"
#include "scene/dirty_rect_grid.h"
#include "scene/drawn_node_rules.h"
#include "scene/redraw.h"
#include "scene/rect_math.h"
#include "text/text_node.h"
#include "text/typing_walk.h"
#include "text_node_fixture.h"

namespace {

const std::string kThree = "\x82\xA0\x82\xA2\x82\xA4";  // three hiragana

std::vector<RECT> GlyphRects(const CTextNode& node) {
    std::vector<RECT> rects;
    for (const auto& token : node.GetTokens()) {
        if (IsTypedGlyph(*token)) rects.push_back(static_cast<const CMarkupCharToken&>(*token).rect);
    }
    return rects;
}

// How many glyphs have started: with style Normal the typing rectangle
// ends at the right edge of the last started glyph.
int StartedGlyphs(CTextNode& node) {
    RECT area;
    node.GetLocalRect(&area);
    if (IsEmptyRect(area)) return 0;
    const std::vector<RECT> rects = GlyphRects(node);
    for (size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].right == area.right) return static_cast<int>(i) + 1;
    }
    return -1;
}

TEST(TextTyping, TotalTypingTime) {
    const struct {
        const char* name;
        std::string text;
        int interval, speed, style, total;
    } kCases[] = {
        {"no interval, no speed", kThree, 0, 0, kTypeNormal, 0},
        {"50 / 200", kThree, 50, 200, kTypeNormal, 300},
        {"Bang", kThree, 50, 200, kTypeBang, 550},
        // The last glyph starts at 550 and has no appearing: the typing ends
        // there.
        {"a comma", "\x82\xA0,\x82\xA2", 50, 0, kTypeNormal, 550},
        {"a full stop and a wait", "\x82\xA0.<WAIT time=40>\x82\xA2", 10, 0, kTypeNormal, 150},
        {"a speed longer than the typing", kThree, 10, 500, kTypeFade, 520},
        {"a picture-free empty text", "", 50, 200, kTypeNormal, 0},
    };
    for (const auto& c : kCases) {
        auto node = MakeTypedText(c.text, c.interval, c.speed, c.style);
        EXPECT_EQ(node->GetTotalTypingTime(), c.total) << c.name;
    }
}

// Glyphs start at the sum of the intervals and waits before them; the
// typing ends with the frame that reaches the total typing time.
TEST(TextTyping, GlyphStartsAndTheEnd) {
    auto node = MakeTypedText(kThree, 50, 200);
    const struct {
        int step, started;
    } kFrames[] = {{0, 1}, {49, 1}, {1, 2}, {49, 2}, {1, 3}, {150, 3}};
    for (const auto& frame : kFrames) {
        Step(*node, frame.step);
        EXPECT_EQ(StartedGlyphs(*node), frame.started) << node->GetClock();
        EXPECT_EQ(node->GetDisplayMode(), kTextTyping);
        EXPECT_TRUE(node->IsAnimating(kAnimatorAny));
        EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorAny), unsigned(300 - node->GetClock()));
        EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorScript), unsigned(300 - node->GetClock()));
        EXPECT_FALSE(node->IsAnimating(kAnimatorPosition));
        EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorPosition), 0u);
    }
    Step(*node, 49);
    EXPECT_EQ(node->GetDisplayMode(), kTextTyping);
    Step(*node, 1);
    EXPECT_EQ(node->GetDisplayMode(), kTextTypeOut);
    EXPECT_FALSE(node->IsAnimating(kAnimatorAny));
    EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorAny), 0u);
}

TEST(TextTyping, NoIntervalNoSpeedEndsOnTheFirstUpdate) {
    auto node = MakeTypedText(kThree, 0, 0);
    EXPECT_EQ(StartedGlyphs(*node), 3);
    Step(*node, 17);
    EXPECT_EQ(node->GetDisplayMode(), kTextTypeOut);
}

TEST(TextTyping, ACommaDelaysTheNextGlyph) {
    auto node = MakeTypedText("\x82\xA0,\x82\xA2", 50, 0);
    Step(*node, 549);
    EXPECT_EQ(StartedGlyphs(*node), 1);
    Step(*node, 1);
    EXPECT_EQ(StartedGlyphs(*node), 2);
}

// Before the first build there is no typing time: no end is known.
TEST(TextTyping, NoEndBeforeTheBuild) {
    CTextNode node(0, 0, 0, 100, 100, "abc", 0, 24, 1, 50, 200);
    EXPECT_TRUE(node.IsAnimating(kAnimatorAny));
    EXPECT_EQ(node.GetAnimationTimeLeft(kAnimatorAny), UINT_MAX);
}

TEST(TextTyping, RequestsSwitchTheModes) {
    auto node = MakeTypedText(kThree, 50, 200);
    Step(*node, 120);
    node->ReceiveMessage("TypeOut");
    EXPECT_EQ(node->GetDisplayMode(), kTextTypeOut);
    EXPECT_EQ(node->GetClock(), 0);
    RECT area;
    node->GetLocalRect(&area);
    int width = 0, height = 0;
    node->GetSize(&width, &height);
    EXPECT_TRUE(SameRect(area, RECT{0, 0, width, height}));
    node->ReceiveMessage("Unknown");
    EXPECT_EQ(node->GetDisplayMode(), kTextTypeOut);
    node->ReceiveMessage("Erase");
    EXPECT_EQ(node->GetDisplayMode(), kTextErase);
    node->GetLocalRect(&area);
    EXPECT_TRUE(IsEmptyRect(area));
    EXPECT_FALSE(node->IsVisible(CTransform2D(0, 0, 1, 1, 1, 0)));
    EXPECT_FALSE(node->IsAnimating(kAnimatorAny));
    // Typing again starts from the first glyph.
    node->ReceiveMessage("Typing");
    EXPECT_EQ(node->GetClock(), 0);
    EXPECT_EQ(StartedGlyphs(*node), 1);
    EXPECT_TRUE(node->IsVisible(CTransform2D(0, 0, 1, 1, 1, 0)));
}

// The reading is hidden until the typing reaches its run, and follows the
// text's mode after that.
TEST(TextTyping, RubyReadingsFollowTheTyping) {
    auto node = MakeTypedText("\x82\xA0<RUBY text='\x82\xA9\x82\xC8'>\x8A\xBF\x8E\x9A</RUBY>", 100, 0);
    auto* reading = dynamic_cast<CTextNode*>(node->FindNode("RUBY0000"));
    ASSERT_NE(reading, nullptr);
    EXPECT_EQ(reading->GetDisplayMode(), kTextErase);
    Step(*node, 0);
    EXPECT_EQ(reading->GetDisplayMode(), kTextErase);
    Step(*node, 100);
    EXPECT_EQ(reading->GetDisplayMode(), kTextTyping);
    EXPECT_EQ(reading->InitialTypeState().interval, 100);
    node->ReceiveMessage("TypeOut");
    EXPECT_EQ(reading->GetDisplayMode(), kTextTypeOut);
    node->ReceiveMessage("Erase");
    EXPECT_EQ(reading->GetDisplayMode(), kTextErase);
    node->ReceiveMessage("Typing");
    EXPECT_EQ(reading->GetDisplayMode(), kTextErase);
    Step(*node, 100);
    EXPECT_EQ(reading->GetDisplayMode(), kTextTyping);
}

// Hit tests in the parent's space: started glyphs while typing, any glyph
// once typed out, never while erased.
TEST(TextTyping, HitTests) {
    auto node = MakeTypedText(kThree, 50, 0, kTypeNormal, 40, 30);
    const CTransform2D identity(0, 0, 1, 1, 1, 0);
    const std::vector<RECT> rects = GlyphRects(*node);
    ASSERT_EQ(rects.size(), 3u);
    auto centre = [&](int i, double* x, double* y) {
        *x = 40 + (rects[i].left + rects[i].right) / 2.0;
        *y = 30 + (rects[i].top + rects[i].bottom) / 2.0;
    };
    double x = 0, y = 0;
    centre(0, &x, &y);
    EXPECT_TRUE(node->HitTestSelf(x, y, identity));
    EXPECT_FALSE(node->HitTestSelf(x - 40, y - 30, identity));
    centre(2, &x, &y);
    EXPECT_FALSE(node->HitTestSelf(x, y, identity));
    Step(*node, 100);
    EXPECT_TRUE(node->HitTestSelf(x, y, identity));
    node->ReceiveMessage("TypeOut");
    EXPECT_TRUE(node->HitTestSelf(x, y, identity));
    EXPECT_FALSE(node->HitTestSelf(40 + rects[2].right + 5, y, identity));
    node->SetHitEnabled(false);
    EXPECT_FALSE(node->HitTestSelf(x, y, identity));
    node->SetHitEnabled(true);
    node->ReceiveMessage("Erase");
    EXPECT_FALSE(node->HitTestSelf(x, y, identity));
}

// A text away from its parent's origin is redrawn where it is: each typing
// frame dirties the started glyphs at (40, 440), the last one the whole
// text, and a still frame nothing; the pixels lie there too.
TEST(TextTyping, DirtiesTheGridWhereItStands) {
    CSceneNode root(0, 0, 0);
    auto* text = new CTextNode(40, 440, 0, 300, 60, kThree, 0, 24, kTypeNormal, 20, 0);
    text->SetRenderMethod(kRenderSupersampled);
    ASSERT_TRUE(root.AddChild("Text", text));
    text->Reset();
    CDirtyRectGrid grid;
    grid.Init(8, 8, 800, 600);
    CMemorySurface target;
    ASSERT_EQ(target.Create(800, 600), 0);
    int width = 0, height = 0;
    text->GetSize(&width, &height);
    const RECT placed = {40, 440, 40 + width, 440 + height};
    const std::vector<RECT> rects = GlyphRects(*text);
    const LONG rights[] = {40 + rects[0].right, 40 + rects[1].right, placed.right, 0};
    for (int frame = 0; frame < 4; ++frame) {
        SCOPED_TRACE(frame);
        root.Update(17);
        root.UpdateTransform(CTransform2D(0, 0, 1, 1, 1, 0));
        const std::vector<RECT> cells = RedrawDirtyCells(root, grid, target, nullptr);
        RECT covered = EmptyRect();
        for (const RECT& cell : cells) covered = UniteRects(covered, cell);
        if (rights[frame] == 0) {
            EXPECT_TRUE(IsEmptyRect(covered));
            continue;
        }
        EXPECT_TRUE(SameRect(covered, RECT{40, 440, rights[frame], placed.bottom}))
            << covered.left << " " << covered.top << " " << covered.right << " " << covered.bottom;
    }
    EXPECT_EQ(text->GetDisplayMode(), kTextTypeOut);
    int inked = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const bool lit = target.GetPixel(x, y) != 0;
            if (lit) {
                EXPECT_TRUE(x >= placed.left && x < placed.right && y >= placed.top && y < placed.bottom);
            }
            inked += lit;
        }
    }
    EXPECT_GT(inked, 50);
}

}  // namespace

namespace {

// While typing, each started glyph is drawn from its rectangle of the text
// surface at the node's place, its corner, and its appearing at the elapsed
// time; the typing area is the union of where they land.
TEST(TextTyping, DrawsTheStartedGlyphsAppearing) {
    for (int style : {kTypeFade, kTypeJump, kTypeSplash, kTypeOffCenter}) {
        SCOPED_TRACE(style);
        auto node = MakeTypedText(kThree, 60, 200, style, 30, 20);
        node->SetZoom(1.5, 1.5);
        Step(*node, 100);
        const CTransform2D parent(5, 7, 1, 1, 1, 0);
        CMemorySurface target;
        ASSERT_EQ(target.Create(300, 150), 0);
        target.Fill(0xFFFFFFFFu, nullptr);  // black glyphs show on white
        node->DrawSelf(target, parent, nullptr);

        CMemorySurface expected;
        ASSERT_EQ(expected.Create(300, 150), 0);
        expected.Fill(0xFFFFFFFFu, nullptr);
        const std::vector<RECT> rects = GlyphRects(*node);
        RECT area = EmptyRect();
        const int elapsed[] = {100, 40};
        for (int i = 0; i < 2; ++i) {
            CTransform2D placement(35, 27, 1, 1.5, 1.5, 0);
            placement.Compose(CTransform2D(rects[i].left, rects[i].top, 1, 1, 1, 0));
            ApplyGlyphAnimation({style, 200, 24, 100}, elapsed[i], &placement, rects[i]);
            DrawImageNormal(expected, *node->GetTextSurface(), placement, true, &rects[i], nullptr);
            CTransform2D local(30, 20, 1, 1.5, 1.5, 0);
            local.Compose(CTransform2D(rects[i].left, rects[i].top, 1, 1, 1, 0));
            ApplyGlyphAnimation({style, 200, 24, 100}, elapsed[i], &local, rects[i]);
            area = UniteRects(area, PlacedRect(local, rects[i].right - rects[i].left, rects[i].bottom - rects[i].top));
        }
        int inked = 0;
        for (int y = 0; y < 150; ++y) {
            for (int x = 0; x < 300; ++x) {
                ASSERT_EQ(target.GetPixel(x, y), expected.GetPixel(x, y)) << x << ", " << y;
                inked += target.GetPixel(x, y) != 0xFFFFFFFFu;
            }
        }
        EXPECT_GT(inked, 20);
        RECT local;
        node->GetLocalRect(&local);
        EXPECT_TRUE(SameRect(local, area));
    }
}

}  // namespace
