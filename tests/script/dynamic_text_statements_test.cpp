// What the dynamic text statements compile to: CreateDynamicText's prototype
// with the script's base path, and one record each for AddText and
// ClearText addressed to the node.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "script/data_actions.h"
#include "script/node_commands.h"
#include "script/script_command_kind.h"
#include "script_fixtures.h"
#include "text/dynamic_text_node.h"

namespace {

TEST(DynamicTextStatements, CreateAddAndClearRecords) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "# base_path \"Pics\"\r\npage Main { CreateDynamicText(\"log\", 7, 5, 6, 300, 90);"
        " AddText(\"log\", \"<B>a,</B>\"); ClearText(\"log\"); }",
        unit, classes)));
    const CScriptPage* page = unit.FindPage("Main");
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Records().size(), 4u);
    const CStatementRecord& create = page->Records()[0];
    ASSERT_EQ(create.command->GetKind(), kKindCreateNode);
    auto& node =
        static_cast<CDynamicTextNode&>(static_cast<const CCreateNodeCommand&>(*create.command).Prototype());
    EXPECT_EQ(node.GetNodeKind(), kNodeKindDynamicText);
    EXPECT_EQ(node.GetZ(), 7);
    EXPECT_EQ(node.GetPlacement().x, 0);
    EXPECT_EQ(node.GetPlacement().y, 0);
    EXPECT_EQ(node.GetAreaWidth(), 300);
    EXPECT_EQ(node.GetAreaHeight(), 90);
    EXPECT_EQ(node.GetBaseDirectory(), ResolvePath(GetProgramDirectory() + "S\\", "Pics"));

    const CStatementRecord& add = page->Records()[2];
    EXPECT_EQ(add.targetPath, "log");
    EXPECT_EQ(add.command->GetCategory(), 12);
    ASSERT_EQ(add.command->GetKind(), 10007);
    EXPECT_EQ(static_cast<const CAddTextAction&>(*add.command).Text(), "<B>a,</B>");
    const CStatementRecord& clear = page->Records()[3];
    EXPECT_EQ(clear.targetPath, "log");
    EXPECT_EQ(clear.command->GetCategory(), 12);
    EXPECT_EQ(clear.command->GetKind(), 10008);
}

}  // namespace
