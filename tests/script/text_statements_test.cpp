// What the text statements compile to: CreateText's two records and its
// prototype text node, and the base text interval that SetBaseTextInterval
// sets for the statements after it in the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/paths.h"
#include "script/move_animators.h"
#include "script/node_commands.h"
#include "script/script_command_kind.h"
#include "script_fixtures.h"
#include "text/text_node.h"

namespace {

// The prototypes of the CreateText statements of the page "Main".
std::vector<const CTextNode*> TextPrototypes(CScriptUnit& unit) {
    std::vector<const CTextNode*> texts;
    const CScriptPage* page = unit.FindPage("Main");
    if (!page) return texts;
    for (const CStatementRecord& record : page->Records()) {
        if (record.command->GetKind() != kKindCreateNode) continue;
        texts.push_back(&static_cast<const CTextNode&>(
            static_cast<const CCreateNodeCommand&>(*record.command).Prototype()));
    }
    return texts;
}

TEST(TextStatements, CreateTextRecordsAndPrototype) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "# base_path \"Pics\"\r\npage Main { CreateText(\"msg/t\", 4, 12, @3, 640, 120, \"<B>x</B>\"); }",
        unit, classes)));
    const CScriptPage* page = unit.FindPage("Main");
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Records().size(), 2u);
    const CStatementRecord& create = page->Records()[0];
    EXPECT_TRUE(create.targetPath.empty());
    EXPECT_EQ(create.command->GetKind(), kKindCreateNode);
    EXPECT_EQ(static_cast<const CCreateNodeCommand&>(*create.command).Path(), "msg/t");
    const CStatementRecord& move = page->Records()[1];
    EXPECT_EQ(move.targetPath, "msg/t");
    ASSERT_EQ(move.command->GetKind(), kKindMove);
    const MovePlacement& placement = static_cast<const CMoveAnimator&>(*move.command).Placement();
    EXPECT_EQ(placement.valueX, 12);
    EXPECT_EQ(placement.valueY, 3);

    auto& text = static_cast<CTextNode&>(static_cast<const CCreateNodeCommand&>(*create.command).Prototype());
    EXPECT_EQ(text.GetNodeKind(), kNodeKindText);
    EXPECT_EQ(text.GetZ(), 4);
    EXPECT_EQ(text.GetPlacement().x, 0);
    EXPECT_EQ(text.GetPlacement().y, 0);
    EXPECT_EQ(text.GetBoxWidth(), 640);
    EXPECT_EQ(text.GetBoxHeight(), 120);
    EXPECT_EQ(text.GetText(), "<B>x</B>");
    EXPECT_EQ(text.InitialFontState().size, 16);
    EXPECT_EQ(text.InitialTypeState().style, kTypeNormal);
    EXPECT_EQ(text.InitialTypeState().interval, 100);
    EXPECT_EQ(text.InitialTypeState().speed, 200);
    EXPECT_EQ(text.GetRenderMethod(), kRenderBySetting);
    EXPECT_EQ(text.GetBaseDirectory(), ResolvePath(GetProgramDirectory() + "S\\", "Pics"));
}

// Each CreateText takes the interval the last SetBaseTextInterval before it
// in the text set; the statement itself leaves no record, and an argument
// that is no number changes nothing.
TEST(TextStatements, SetBaseTextIntervalFollowsTextOrder) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "page Main {"
        " CreateText(\"a\", 0, 0, 0, 10, 10, \"a\");"
        " SetBaseTextInterval(30);"
        " CreateText(\"b\", 0, 0, 0, 10, 10, \"b\");"
        " SetBaseTextInterval(\"fast\");"
        " CreateText(\"c\", 0, 0, 0, 10, 10, \"c\");"
        " SetBaseTextInterval(0);"
        " CreateText(\"d\", 0, 0, 0, 10, 10, \"d\");"
        "}"
        "page Other { CreateText(\"e\", 0, 0, 0, 10, 10, \"e\"); }",
        unit, classes)));
    const std::vector<const CTextNode*> texts = TextPrototypes(unit);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(unit.FindPage("Main")->Records().size(), 8u);
    const int expected[] = {100, 30, 30, 0};
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i]->InitialTypeState().interval, expected[i]) << i;
    }
    // The setting carries on through the file, across pages.
    const CScriptPage* other = unit.FindPage("Other");
    ASSERT_NE(other, nullptr);
    const auto& e = static_cast<CTextNode&>(
        static_cast<const CCreateNodeCommand&>(*other->Records()[0].command).Prototype());
    EXPECT_EQ(e.InitialTypeState().interval, 0);
}

// The text node's argument errors end the compilation with their own box.
TEST(TextStatements, ConstructorErrorsWhileCompiling) {
    const struct {
        const char* source;
        int place;
    } kCases[] = {
        {"CreateText(\"t\", 0, 0, 0, -1, 10, \"x\");", 68},
        {"CreateText(\"t\", 0, 0, 0, 10, -1, \"x\");", 69},
        {"SetBaseTextInterval(-5); CreateText(\"t\", 0, 0, 0, 10, 10, \"x\");", 70},
    };
    for (const auto& c : kCases) {
        CScriptUnit unit;
        CScriptCache classes;
        EXPECT_TRUE(FailedWith(CompileGuarded(std::string("page Main { ") + c.source + " }", unit, classes),
                               ErrorKind::Internal, kModuleTextNode, c.place))
            << c.source;
    }
}

}  // namespace
