// What CreateBalloon and CreateBalloonEx compile to: the create and move
// records and the prototype balloon with its text settings, shape, tail,
// edge style and colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/paths.h"
#include "script/move_animators.h"
#include "script/node_commands.h"
#include "script/script_command_kind.h"
#include "script_fixtures.h"
#include "text/balloon/balloon_node.h"
#include "text/balloon/balloon_shape.h"

namespace {

std::vector<const CBalloonNode*> BalloonPrototypes(CScriptUnit& unit) {
    std::vector<const CBalloonNode*> balloons;
    const CScriptPage* page = unit.FindPage("Main");
    if (!page) return balloons;
    for (const CStatementRecord& record : page->Records()) {
        if (record.command->GetKind() != kKindCreateNode) continue;
        balloons.push_back(&static_cast<const CBalloonNode&>(
            static_cast<const CCreateNodeCommand&>(*record.command).Prototype()));
    }
    return balloons;
}

TEST(BalloonStatements, CreateBalloonRecordsAndPrototype) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "# base_path \"Pics\"\r\npage Main { CreateBalloon(\"say/b\", 5, 12, @3, 240, 100, \"ThinkCloud\", 135,"
        " \"<B>x</B>\"); }",
        unit, classes)));
    const CScriptPage* page = unit.FindPage("Main");
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Records().size(), 2u);
    const CStatementRecord& create = page->Records()[0];
    EXPECT_TRUE(create.targetPath.empty());
    EXPECT_EQ(static_cast<const CCreateNodeCommand&>(*create.command).Path(), "say/b");
    const CStatementRecord& move = page->Records()[1];
    EXPECT_EQ(move.targetPath, "say/b");
    ASSERT_EQ(move.command->GetKind(), kKindMove);
    const MovePlacement& placement = static_cast<const CMoveAnimator&>(*move.command).Placement();
    EXPECT_EQ(placement.valueX, 12);
    EXPECT_EQ(placement.valueY, 3);

    const std::vector<const CBalloonNode*> balloons = BalloonPrototypes(unit);
    ASSERT_EQ(balloons.size(), 1u);
    auto& balloon = const_cast<CBalloonNode&>(*balloons[0]);
    EXPECT_EQ(balloon.GetNodeKind(), kNodeKindBalloon);
    EXPECT_EQ(balloon.GetZ(), 5);
    EXPECT_EQ(balloon.GetPlacement().x, 0);
    EXPECT_EQ(balloon.GetPlacement().y, 0);
    int w = 0, h = 0;
    balloon.GetSize(&w, &h);
    EXPECT_EQ(w, 240);
    EXPECT_EQ(h, 100);
    EXPECT_EQ(balloon.GetShapeCode(), FindShapeCode("ThinkCloud"));
    EXPECT_TRUE(balloon.GetTailSwitch());
    EXPECT_EQ(balloon.GetTailAngle(), 135);
    EXPECT_EQ(balloon.GetEdgeStyle(), kStyleFade);
    EXPECT_EQ(balloon.GetFillColour(), 0xF2FFFFFFu);
    EXPECT_EQ(balloon.GetEdgeColour(), 0xFF000000u);
    const CTextNode& text = balloon.GetTextPrototype();
    EXPECT_EQ(text.GetText(), "<B>x</B>");
    EXPECT_EQ(text.GetBoxWidth(), 240);
    EXPECT_EQ(text.GetBoxHeight(), 100);
    EXPECT_EQ(text.InitialFontState().size, 16);
    EXPECT_EQ(text.InitialTypeState().style, kTypeNormal);
    EXPECT_EQ(text.InitialTypeState().interval, 100);
    EXPECT_EQ(text.InitialTypeState().speed, 200);
    EXPECT_EQ(text.GetBaseDirectory(), ResolvePath(GetProgramDirectory() + "S\\", "Pics"));
}

// The Ex form's style and colours; "invalid" as the tail; unknown names
// give 0; each balloon takes the base text interval in force.
TEST(BalloonStatements, CreateBalloonExAndTheArgumentsThatMapToCodes) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "page Main {"
        " CreateBalloonEx(\"a\", 0, 0, 0, 64, 48, \"Ellipse\", invalid, \"a\", \"Shadow\", #10203080, #405060FF);"
        " SetBaseTextInterval(30);"
        " CreateBalloonEx(\"b\", 0, 0, 0, 64, 48, \"urchin\", 270, \"b\", \"Bold\", #00000000, #02030401);"
        " CreateBalloon(\"c\", 0, 0, 0, 64, 48, \"Rectangle\", invalid, \"c\");"
        "}",
        unit, classes)));
    const std::vector<const CBalloonNode*> balloons = BalloonPrototypes(unit);
    ASSERT_EQ(balloons.size(), 3u);
    const struct {
        int shape;
        bool tail;
        int angle;
        int style;
        Color32 fill, edge;
        int interval;
    } kExpected[] = {
        {kShapeEllipse, false, 0, kStyleShadow, 0x80102030, 0xFF405060, 100},
        {0, true, 270, 0, 0x00000000, 0x01020304, 30},
        {kShapeRectangle, false, 0, kStyleFade, 0xF2FFFFFF, 0xFF000000, 30},
    };
    for (size_t i = 0; i < balloons.size(); ++i) {
        SCOPED_TRACE(i);
        const CBalloonNode& b = *balloons[i];
        EXPECT_EQ(b.GetShapeCode(), kExpected[i].shape);
        EXPECT_EQ(b.GetTailSwitch(), kExpected[i].tail);
        EXPECT_EQ(b.GetTailAngle(), kExpected[i].angle);
        EXPECT_EQ(b.GetEdgeStyle(), kExpected[i].style);
        EXPECT_EQ(b.GetFillColour(), kExpected[i].fill);
        EXPECT_EQ(b.GetEdgeColour(), kExpected[i].edge);
        EXPECT_EQ(b.GetTextPrototype().InitialTypeState().interval, kExpected[i].interval);
    }
}

// The balloon's size checks end the compilation with its own box; the text
// prototype's come first.
TEST(BalloonStatements, ConstructorErrorsWhileCompiling) {
    const struct {
        const char* source;
        int module, place;
    } kCases[] = {
        {"CreateBalloon(\"b\", 0, 0, 0, -1, 40, \"Ellipse\", 0, \"x\");", kModuleTextNode, 68},
        {"CreateBalloon(\"b\", 0, 0, 0, 31, 40, \"Ellipse\", 0, \"x\");", kModuleBalloon, 33},
        {"CreateBalloon(\"b\", 0, 0, 0, 40, 31, \"Ellipse\", 0, \"x\");", kModuleBalloon, 34},
    };
    for (const auto& c : kCases) {
        CScriptUnit unit;
        CScriptCache classes;
        EXPECT_TRUE(FailedWith(CompileGuarded(std::string("page Main { ") + c.source + " }", unit, classes),
                               ErrorKind::Internal, c.module, c.place))
            << c.source;
    }
}

}  // namespace
