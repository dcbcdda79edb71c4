// The dynamic text node: where its entries land (with pictures of known
// size, so no figure depends on the fonts), hanging punctuation measured
// against real glyphs, the queue's pace, the carried text state, the names
// of the entries and the commands that reach it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/picture_archive.h"
#include "script/data_actions.h"
#include "text/dynamic_text_node.h"

namespace {

class DynamicTextTest : public PictureArchiveTest {
protected:
    void SetUp() override {
        Pack("pic", {{"sq.png", Square(24, 24)}, {"tall.png", Square(24, 40)}, {"\x95\x5C.png", Square(24, 24)}});
    }

    static Bytes Square(uint32_t width, uint32_t height) {
        return EncodePng({width, height, 8, 2, std::vector<Bytes>(height, Bytes(width * 3, 0x80)), {}, {}});
    }

    static std::unique_ptr<CDynamicTextNode> Area(int width, int height) {
        auto node = std::make_unique<CDynamicTextNode>(0, 0, 0, width, height);
        node->SetBaseDirectory("pic");
        node->Reset();
        return node;
    }

    // The first update starts the queue; each further one is an interval (an
    // entry comes once the budget is above 0).
    static void TypeEntries(CDynamicTextNode& node, int count) {
        node.Update(1);
        for (int i = 1; i < count; ++i) node.Update(100);
    }

    static CTextNode* Entry(CDynamicTextNode& node, const std::string& name) {
        return static_cast<CTextNode*>(node.FindNode(name));
    }

    static std::pair<double, double> At(CDynamicTextNode& node, const std::string& name) {
        double x = -1, y = -1;
        Entry(node, name)->GetPosition(&x, &y);
        return {x, y};
    }

    static std::string Pictures(int count, const char* name = "sq.png") {
        std::string text;
        for (int i = 0; i < count; ++i) text += std::string("<IMG src='") + name + "'>";
        return text;
    }
};

TEST_F(DynamicTextTest, PicturesFillLinesAndWrap) {
    auto node = Area(100, 100);
    node->AddText(Pictures(5));
    TypeEntries(*node, 5);
    EXPECT_EQ(At(*node, "Text003"), std::make_pair(72.0, 0.0));
    EXPECT_EQ(At(*node, "Text004"), std::make_pair(0.0, 34.0));
    EXPECT_EQ(node->GetCursorX(), 24);
    EXPECT_EQ(node->GetCursorY(), 34);
    // A picture sits at its entry's corner.
    const auto& tokens = Entry(*node, "Text000")->GetTokens();
    bool found = false;
    for (const auto& token : tokens) {
        if (token->GetType() != kMarkupImage) continue;
        const RECT rect = static_cast<const CMarkupImageToken&>(*token).rect;
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right, 24);
        EXPECT_EQ(rect.bottom, 24);
        found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(DynamicTextTest, AreaHeightStopsTheEntries) {
    for (const auto& height : {std::make_pair(30, false), std::make_pair(34, true)}) {
        auto node = Area(100, height.first);
        node->AddText(Pictures(6));
        TypeEntries(*node, 6);
        EXPECT_EQ(node->FindNode("Text004") != nullptr, height.second) << height.first;
        EXPECT_EQ(node->FindNode("Text005") != nullptr, height.second) << height.first;
        EXPECT_EQ(node->IsAccepting(), height.second) << height.first;
        if (height.second) continue;
        node->AddText(Pictures(1));
        node->Update(100);
        EXPECT_EQ(node->FindNode("Text004"), nullptr);
        node->ClearText();
        EXPECT_TRUE(node->IsAccepting());
        node->AddText(Pictures(1));
        node->Update(1);
        EXPECT_EQ(At(*node, "Text000"), std::make_pair(0.0, 0.0));
    }
}

TEST_F(DynamicTextTest, TallPictureRaisesTheLine) {
    auto node = Area(50, 200);
    node->AddText(Pictures(1) + Pictures(1, "tall.png") + Pictures(1));
    TypeEntries(*node, 3);
    EXPECT_EQ(At(*node, "Text002"), std::make_pair(0.0, 50.0));
    EXPECT_EQ(node->GetLineHeight(), 24);
}

TEST_F(DynamicTextTest, BackslashOfAPairStaysInTheName) {
    auto node = Area(100, 100);
    node->AddText("<IMG src='\x95\x5C.png'>");
    node->Update(1);
    int width = 0, height = 0;
    Entry(*node, "Text000")->GetSize(&width, &height);
    EXPECT_EQ(width, 24);
    EXPECT_EQ(height, 24);
}

// Widths measured from the entries themselves: "aaa" then a hanging mark
// that ends one pixel past the edge.
TEST_F(DynamicTextTest, HangingPunctuation) {
    const std::string stop = "\x81\x42";  // "。"
    auto probe = Area(10000, 100);
    probe->AddText("a" + stop);
    TypeEntries(*probe, 2);
    int letter = 0, mark = 0, height = 0;
    Entry(*probe, "Text000")->GetSize(&letter, &height);
    Entry(*probe, "Text001")->GetSize(&mark, &height);
    ASSERT_GT(letter, 0);
    ASSERT_GT(mark, 0);

    auto node = Area(3 * letter + mark - 1, 1000);
    node->AddText("aaa" + stop + "b");
    TypeEntries(*node, 5);
    EXPECT_EQ(At(*node, "Text003"), std::make_pair(3.0 * letter, 0.0));
    EXPECT_EQ(At(*node, "Text004").first, 0.0);
    EXPECT_GT(At(*node, "Text004").second, 0.0);

    auto twice = Area(2 * letter + mark - 1, 1000);
    twice->AddText("aa" + stop + stop);
    TypeEntries(*twice, 4);
    EXPECT_EQ(At(*twice, "Text002").second, 0.0);
    EXPECT_EQ(At(*twice, "Text003").first, 0.0);
    EXPECT_GT(At(*twice, "Text003").second, 0.0);
}

TEST_F(DynamicTextTest, QueuePace) {
    struct Case {
        const char* text;
        int heldBack;  // ms between "a" and "b" beyond the interval
    };
    for (const Case& c : {Case{"ab", 0}, Case{"a,b", 500}, Case{"a<WAIT time=250>b", 250},
                          Case{"a<SOUND src='x.wav'>b", 0}}) {
        auto node = Area(1000, 100);
        node->AddText(c.text);
        node->Update(1);
        ASSERT_NE(node->FindNode("Text000"), nullptr) << c.text;
        const std::string b = std::string(c.text).find("SOUND") != std::string::npos ? "Text002" : "Text001";
        node->Update(99 + c.heldBack);
        EXPECT_EQ(node->FindNode(b), nullptr) << c.text;
        node->Update(1);
        EXPECT_NE(node->FindNode(b), nullptr) << c.text;
    }
}

TEST_F(DynamicTextTest, AnimatingUntilTheTypingTimeIsReached) {
    auto node = Area(1000, 100);
    node->AddText("ab");
    for (AnimatorSelector which : {kAnimatorAny, kAnimatorPosition, kAnimatorOpacity, kAnimatorScript}) {
        EXPECT_TRUE(node->IsAnimating(which));
        EXPECT_GT(node->GetAnimationTimeLeft(which), 0u);
    }
    node->Update(1);
    const unsigned left = node->GetAnimationTimeLeft(kAnimatorAny);
    node->Update(static_cast<int>(left) - 1);
    EXPECT_TRUE(node->IsAnimating(kAnimatorAny));
    EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorAny), 1u);
    node->Update(1);
    EXPECT_FALSE(node->IsAnimating(kAnimatorAny));
    EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorAny), 0u);

    // Long after the queue ran dry a new text starts from the total reached:
    // its first entry now, its second an interval later, no burst.
    node->Update(5000);
    node->AddText("cd");
    EXPECT_TRUE(node->IsAnimating(kAnimatorAny));
    node->Update(1);
    EXPECT_NE(node->FindNode("Text002"), nullptr);
    EXPECT_EQ(node->FindNode("Text003"), nullptr);
    node->Update(99);
    EXPECT_EQ(node->FindNode("Text003"), nullptr);
    node->Update(1);
    EXPECT_NE(node->FindNode("Text003"), nullptr);
}

TEST_F(DynamicTextTest, OpenFontCarriesIntoTheNextText) {
    auto node = Area(1000, 100);
    node->AddText("<FONT color='#FF0000'>a");
    node->AddText("b");
    TypeEntries(*node, 2);
    const Color32 red = Entry(*node, "Text000")->InitialFontState().color;
    EXPECT_NE(red, 0xFF000000u);
    EXPECT_EQ(Entry(*node, "Text001")->InitialFontState(), Entry(*node, "Text000")->InitialFontState());
    node->ClearText();
    node->AddText("c");
    node->Update(1);
    EXPECT_EQ(Entry(*node, "Text000")->InitialFontState().color, red);
}

TEST_F(DynamicTextTest, EntryNames) {
    auto node = Area(1000000, 100);
    node->AddText(std::string(1001, 'a'));
    node->Update(1);
    node->Update(100 * 1000);
    EXPECT_NE(node->FindNode("Text999"), nullptr);
    EXPECT_NE(node->FindNode("Text1000"), nullptr);
    node->ClearText();
    EXPECT_EQ(node->FindNode("Text000"), nullptr);
    node->AddText("z");
    node->Update(1);
    ASSERT_NE(Entry(*node, "Text000"), nullptr);
    EXPECT_EQ(Entry(*node, "Text000")->GetText(), "z");
}

TEST_F(DynamicTextTest, EscapedCharactersShowThemselves) {
    auto node = Area(1000, 100);
    node->AddText("&&&<&,&.>");
    TypeEntries(*node, 6);
    const char* shown[] = {"&", "<", ",", ".", ">"};
    for (int i = 0; i < 5; ++i) {
        const std::string name = "Text00" + std::to_string(i);
        ASSERT_NE(node->FindNode(name), nullptr) << name;
        std::vector<std::string> characters;
        int waits = 0;
        for (const auto& token : Entry(*node, name)->GetTokens()) {
            if (token->GetType() == kMarkupChar) characters.push_back(static_cast<const CMarkupCharToken&>(*token).text);
            if (token->GetType() == kMarkupWait) ++waits;
        }
        EXPECT_EQ(characters, std::vector<std::string>{shown[i]}) << name;
        EXPECT_EQ(waits, 0) << name;
    }
    EXPECT_EQ(node->FindNode("Text005"), nullptr);
}

TEST_F(DynamicTextTest, RequestsAndCommands) {
    auto node = Area(1000, 100);
    node->AddText("ab");
    node->ReceiveMessage("TypeOut");
    node->Update(1);
    EXPECT_NE(node->FindNode("Text000"), nullptr);
    EXPECT_EQ(node->FindNode("Text001"), nullptr);
    EXPECT_FALSE(node->IsVisible(CTransform2D(0, 0, 1, 1, 1, 0)));

    CAddTextAction add("c");
    CClearTextAction clear;
    node->ApplyCommand(&clear);
    EXPECT_EQ(node->FindNode("Text000"), nullptr);
    node->ApplyCommand(&add);
    node->Update(1);
    EXPECT_EQ(Entry(*node, "Text000")->GetText(), "c");

    CTextNode plain(0, 0, 0, 100, 50, "x");
    plain.Reset();
    const std::size_t tokens = plain.GetTokens().size();
    plain.ApplyCommand(&add);
    plain.ApplyCommand(&clear);
    EXPECT_EQ(plain.GetTokens().size(), tokens);
    EXPECT_EQ(plain.GetText(), "x");
}

// As a create command places it: a clone of the prototype in a tree, fed
// by path, its entries reachable under its own path.
TEST_F(DynamicTextTest, CloneInATreeTakesCommandsByPath) {
    CDynamicTextNode prototype(0, 0, 3, 100, 100);
    prototype.SetBaseDirectory("pic");
    CSceneNode root(0, 0, 0);
    ASSERT_TRUE(root.AddChild("log", prototype.Clone()));
    auto& node = static_cast<CDynamicTextNode&>(*root.FindNode("log"));
    node.Reset();
    EXPECT_EQ(node.GetAreaWidth(), 100);
    EXPECT_EQ(node.GetBaseDirectory(), "pic");
    CAddTextAction add(Pictures(5));
    root.ApplyCommandAt("log", &add);
    root.Update(1);
    for (int i = 1; i < 5; ++i) root.Update(100);
    int x = -1, y = -1;
    root.GetPositionAt("log/Text004", &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 34);
    CClearTextAction clear;
    root.ApplyCommandAt("log", &clear);
    EXPECT_EQ(root.FindNode("log/Text000"), nullptr);
}

}  // namespace
