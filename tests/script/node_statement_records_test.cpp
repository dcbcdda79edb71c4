// What the node, animation and system statements compile to: one row per
// statement with every record's target path, category, kind and fields.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "media/sound_available.h"
#include "platform/easing.h"
#include "platform/paths.h"
#include "scene/animation_node.h"
#include "scene/button_node.h"
#include "scene/color_node.h"
#include "scene/composite/frame_node.h"
#include "scene/composite/hit_node.h"
#include "scene/composite/line_node.h"
#include "scene/composite/mask_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/standard_button_node.h"
#include "scene/effect_node.h"
#include "scene/image_node.h"
#include "scene/3d/mesh_actions.h"
#include "scene/node_3d.h"
#include "scene/movie_node.h"
#include "scene/node_kind.h"
#include "scene/window_node.h"
#include "script/create_rows.h"
#include "script/data_actions.h"
#include "script/expression_statement.h"
#include "script/flow_statements.h"
#include "script/move_animators.h"
#include "script/node_commands.h"
#include "script/path_animators.h"
#include "script/script_command_kind.h"
#include "script/small_statements.h"
#include "script/value_animators.h"
#include "script_fixtures.h"

namespace {

std::string EasingName(EasingCurve curve) {
    const struct {
        EasingCurve curve;
        const char* name;
    } names[] = {{nullptr, "-"}, {EaseLinear, "Linear"}, {EaseAccSin, "AccSin"}, {EaseDec3, "Dec3"}};
    for (const auto& n : names) {
        if (n.curve == curve) return n.name;
    }
    return "?";
}

std::string Timing(const CProgressCounter& counter) {
    return std::to_string(counter.GetDuration()) + "ms " + EasingName(counter.GetEasing());
}

std::string Timing(const CTimedAnimator& animator) { return Timing(animator.Counter()); }

std::string Placement(const MovePlacement& p) {
    std::ostringstream out;
    out << p.modeX << "," << p.valueX << " " << p.modeY << "," << p.valueY;
    return out.str();
}

std::string Points(const std::vector<ScriptPoint>& points) {
    std::ostringstream out;
    for (const ScriptPoint& p : points) out << "(" << p.x << "," << p.y << ")";
    return out.str();
}

std::string Values(const CValueAnimator& animator) {
    std::ostringstream out;
    for (int axis = 0; axis < animator.Axes(); ++axis) {
        out << (axis ? " " : "") << animator.Target(axis).mode << "," << animator.Target(axis).value;
    }
    return out.str();
}

// A picture file as the script named it, without the program's folder that
// the path argument resolves it against.
std::string FileOf(const std::string& file) {
    const std::string folder = GetProgramDirectory();
    return file.compare(0, folder.size(), folder) == 0 ? file.substr(folder.size()) : "?" + file;
}

// A standard button's file as FileOf gives it, "-" for none.
std::string ButtonFileOf(const std::string& file) { return file.empty() ? "-" : FileOf(file); }

std::string Prototype(CNode& node) {
    std::ostringstream out;
    out << "kind " << node.GetNodeKind() << " z " << node.GetZ();
    double x = -1, y = -1;
    node.GetPosition(&x, &y);
    if (x != 0 || y != 0) out << " at " << x << "," << y;
    int width = 0, height = 0;
    node.GetSize(&width, &height);
    switch (node.GetNodeKind()) {
        case kNodeKindColor: {
            const auto& colour = static_cast<const CColorNode&>(node);
            out << " " << width << "x" << height << " #" << std::hex << colour.GetColor() << std::dec << " blend "
                << colour.GetBlendMode();
            break;
        }
        case kNodeKindImage: {
            const auto& image = static_cast<const CImageNode&>(node);
            out << " " << FileOf(image.GetFile()) << " mode " << image.GetDrawMode();
            break;
        }
        case kNodeKindMovie: {
            const auto& movie = static_cast<const CMovieNode&>(node);
            out << " " << FileOf(movie.GetFile()) << " mode " << movie.GetDrawMode();
            break;
        }
        case kNodeKindAnimation: {
            const auto& animation = static_cast<const CAnimationNode&>(node);
            out << " " << FileOf(animation.GetFile()) << " mode " << animation.GetDrawMode();
            break;
        }
        case kNodeKindWindow:
            out << " " << width << "x" << height << " follow " << static_cast<const CWindowNode&>(node).ChildrenFollow();
            break;
        case kNodeKindLine: {
            const auto& line = static_cast<const CLineNode&>(node);
            out << " style " << line.GetStyle() << " #" << std::hex << line.GetColor() << std::dec;
            break;
        }
        case kNodeKindMask: {
            const auto& mask = static_cast<const CMaskNode&>(node);
            out << " " << FileOf(mask.GetFileName()) << " follow " << mask.ChildrenFollow();
            break;
        }
        case kNodeKindHit: {
            const auto& hit = static_cast<const CHitNode&>(node);
            out << " " << hit.GetWidth() << "x" << hit.GetHeight();
            break;
        }
        case kNodeKindOutline: {
            const auto& outline = static_cast<const COutlineNode&>(node);
            out << " " << outline.GetWidth() << "x" << outline.GetHeight() << " style " << outline.GetStyle() << " #"
                << std::hex << outline.GetColor() << std::dec << " band " << outline.GetThickness();
            break;
        }
        case kNodeKindFrame: {
            const auto& frame = static_cast<const CFrameNode&>(node);
            out << " " << FileOf(frame.GetFile()) << " mode " << frame.GetDrawMode() << " style " << frame.GetStyle()
                << " #" << std::hex << frame.GetColor() << std::dec << " band " << frame.GetThickness();
            break;
        }
        case kNodeKindStandardButton: {
            const auto& button = static_cast<const CStandardButtonNode&>(node);
            out << " class " << button.GetClassName() << " command " << button.GetCommand() << " N "
                << ButtonFileOf(button.GetNormalImage()) << " H " << ButtonFileOf(button.GetHighlightImage()) << " D "
                << ButtonFileOf(button.GetDownImage()) << " I " << ButtonFileOf(button.GetInvalidImage()) << " sound "
                << ButtonFileOf(button.GetPressSound()) << " children " << button.GetChildren().size();
            break;
        }
        case kNodeKindEffect:
            out << " " << width << "x" << height << " effect " << static_cast<const CEffectNode&>(node).GetKind();
            break;
        case kNodeKind3D: out << " " << FileOf(static_cast<const CNode3D&>(node).GetFile()); break;
        case kNodeKindClass:
        case kNodeKindButton: out << " class " << static_cast<const CClassNode&>(node).GetClassName(); break;
        default: break;
    }
    return out.str();
}

// A record as "[@path] <what> c<category>".
std::string Describe(const CStatementRecord& record) {
    const CScriptCommand& c = *record.command;
    std::ostringstream out;
    if (!record.targetPath.empty()) out << "@" << record.targetPath << " ";
    switch (c.GetKind()) {
        case kKindCreateNode: {
            const auto& create = static_cast<const CCreateNodeCommand&>(c);
            out << "create " << create.Path() << ": " << Prototype(create.Prototype());
            break;
        }
        case kKindMove3D:
        case kKindZoom3D:
        case kKindRotate3D: {
            const auto& action = static_cast<const CMeshAction&>(c);
            out << (c.GetKind() == kKindMove3D ? "move3d " : c.GetKind() == kKindZoom3D ? "zoom3d " : "rotate3d ")
                << action.Target(0) << "," << action.Target(1) << "," << action.Target(2) << " "
                << Timing(action.Counter());
            break;
        }
        case kKindMove: {
            const auto& move = static_cast<const CMoveAnimator&>(c);
            out << "move " << Placement(move.Placement()) << " " << Timing(move);
            break;
        }
        case kKindShakeMove: {
            const auto& shake = static_cast<const CShakeMoveAnimator&>(c);
            const ShakeAmplitudes& a = shake.Amplitudes();
            out << "shake " << Placement(shake.Placement()) << " amp " << a.startX << "," << a.startY << " to "
                << a.endX << "," << a.endY << " " << Timing(shake);
            break;
        }
        case kKindBezierMove:
        case kKindHermiteMove: {
            const auto& path = static_cast<const CPathMoveAnimator&>(c);
            out << (c.GetKind() == kKindBezierMove ? "bezier " : "hermite ") << Points(path.Points()) << " "
                << Timing(path);
            break;
        }
        case kKindZoom:
        case kKindRotate:
        case kKindOpaque: {
            const auto& value = static_cast<const CValueAnimator&>(c);
            out << (c.GetKind() == kKindZoom ? "zoom " : c.GetKind() == kKindRotate ? "rotate " : "opaque ")
                << Values(value) << " " << Timing(value);
            break;
        }
        case kKindWait: out << "wait " << static_cast<const CWaitStatement&>(c).Milliseconds(); break;
        case kKindDeleteNode: out << "delete " << static_cast<const CDeleteNodeCommand&>(c).Path(); break;
        case kKindRequest: {
            const auto& request = static_cast<const CRequestStatement&>(c);
            out << "request " << request.Path() << " " << request.Message();
            break;
        }
        case kKindSetHitable: out << "hitable " << static_cast<const CSetHitableCommand&>(c).Enabled(); break;
        case kKindSetChip: {
            const auto& chip = static_cast<const CSetChipAction&>(c);
            out << "chip " << chip.Value(0) << "," << chip.Value(1) << "," << chip.Value(2) << "," << chip.Value(3);
            break;
        }
        case kKindExpressionStatement: out << "E(" << static_cast<const CExpressionStatement&>(c).Text() << ")"; break;
        case kKindSystem: out << "system " << static_cast<const CSystemStatement&>(c).Text(); break;
        case kKindDraw: out << "draw"; break;
        case kKindSetTimeCritical:
            out << "critical " << static_cast<const CSetTimeCriticalStatement&>(c).IsOn();
            break;
        case kKindSoundUnsynchronize: out << "unsync"; break;
        case kKindPlayCD: out << "cd " << static_cast<const CPlayCDCommand&>(c).Track(); break;
        default: out << "?" << c.GetKind(); break;
    }
    out << " c" << c.GetCategory();
    return out.str();
}

std::vector<std::string> Compile(const std::string& body) { return CompileMainRecords(body, Describe); }

struct RecordCase {
    const char* source;
    std::vector<std::string> records;
};

TEST(NodeStatementRecords, EachCreateRowBuildsItsPrototypeAndPlacement) {
    const RecordCase cases[] = {
        {R"(CreateNode("a", 3, 10, 20);)",
         {"create a: kind 1000 z 3 c1", "@a move 1,10 1,20 0ms - c5"}},
        {R"(CreateColor("p/c", -2, center, middle, 64, 32, #102030);)",
         {"create p/c: kind 1004 z -2 64x32 #102030 blend 0 c1", "@p/c move 9,2 9,2 0ms - c5"}},
        {R"(CreateColorEx("c", 1, 50%, @5, 8, 9, #FFFFFF, "Add");)",
         {"create c: kind 1004 z 1 8x9 #ffffff blend 1 c1", "@c move 2,50 3,5 0ms - c5"}},
        {R"(CreateImage("i", 0, #12, #@7%, "pic.png");)",
         {"create i: kind 1001 z 0 S\\pic.png mode 0 c1", "@i move 5,12 8,7 0ms - c5"}},
        {R"(CreateImageEx("i", 0, 0, 0, "pic.png", "Add");)",
         {"create i: kind 1001 z 0 S\\pic.png mode 2 c1", "@i move 1,0 1,0 0ms - c5"}},
        {R"(CreateMovie("v", 3, 1, 2, "op.avi");)",
         {"create v: kind 1002 z 3 S\\op.avi mode 0 c1", "@v move 1,1 1,2 0ms - c5"}},
        {R"(CreateAnimation("n", 4, out_left, in_bottom, "cells.png");)",
         {"create n: kind 2000 z 4 S\\cells.png mode 0 c1", "@n move 9,0 9,3 0ms - c5"}},
        {R"(CreateAnimationEx("n", 4, 1, 2, "cells.png", "Overlay");)",
         {"create n: kind 2000 z 4 S\\cells.png mode 6 c1", "@n move 1,1 1,2 0ms - c5"}},
        {R"(CreateWindow("w", 5, 1, 2, 300, 200, true);)",
         {"create w: kind 2001 z 5 300x200 follow 1 c1", "@w move 1,1 1,2 0ms - c5"}},
        {R"(CreateEffect("e", 8, 1, 2, 640, 480, "DarkNoise");)",
         {"create e: kind 2003 z 8 640x480 effect 18 c1", "@e move 1,1 1,2 0ms - c5"}},
        {R"(CreateEffect("e", 8, 1, 2, 640, 480, "snow");)",
         {"create e: kind 2003 z 8 640x480 effect 0 c1", "@e move 1,1 1,2 0ms - c5"}},
        {R"(CreateClass("k", 6, 0, 0, "Menu");)", {"create k: kind 2004 z 6 class Menu c1", "@k move 1,0 1,0 0ms - c5"}},
        {R"(CreateButton("b", 7, 0, 0, "Ok");)", {"create b: kind 3003 z 7 class Ok c1", "@b move 1,0 1,0 0ms - c5"}},
        {R"(CreateLine("l", 2, 3, 4, "unused", #FF804020);)",
         {"create l: kind 1003 z 2 style 1 #ff8040 c1", "@l move 1,3 1,4 0ms - c5"}},
        {R"(CreateMask("m", 1, 0, 0, "mask.png", false);)",
         {"create m: kind 2002 z 1 S\\mask.png follow 0 c1", "@m move 1,0 1,0 0ms - c5"}},
        {R"(CreateStandardButton("s", 4, 0, 0, "Btn", "n.png", "h.png", "d.png", "i.png", "se/click.wav", "Go");)",
         {"create s: kind 3006 z 4 class Btn command Go N S\\n.png H S\\h.png D S\\d.png I S\\i.png"
          " sound S\\se\\click.wav children 0 c1",
          "@s move 1,0 1,0 0ms - c5"}},
        // Empty files stay empty: those states, and the sound, are left out.
        {R"(CreateStandardButton("s", 4, 0, 0, "", "n.png", "", "", "", "", "");)",
         {"create s: kind 3006 z 4 class  command  N S\\n.png H - D - I - sound - children 0 c1",
          "@s move 1,0 1,0 0ms - c5"}},
        {R"(CreateHit("h", 9, 5, 6, 100, 50);)", {"create h: kind 3005 z 9 100x50 c1", "@h move 1,5 1,6 0ms - c5"}},
        {R"(CreateOutline("o", 2, 10, 20, 100, 50);)",
         {"create o: kind 3000 z 2 100x50 style 3 #ffffffff band 8 c1", "@o move 1,10 1,20 0ms - c5"}},
        {R"(CreateOutlineEx("o", 2, 0, 0, 64, 48, "InnerShadow", #FF000080, 5);)",
         {"create o: kind 3000 z 2 64x48 style 8 #80ff0000 band 5 c1", "@o move 1,0 1,0 0ms - c5"}},
        {R"(CreateOutlineEx("o", 2, 0, 0, 64, 48, "vivide", white, 3);)",
         {"create o: kind 3000 z 2 64x48 style 0 #ffffffff band 3 c1", "@o move 1,0 1,0 0ms - c5"}},
        {R"(CreateFrame("f", 3, center, middle, "frame.png");)",
         {"create f: kind 3001 z 3 S\\frame.png mode 0 style 3 #ffffffff band 8 c1", "@f move 9,2 9,2 0ms - c5"}},
        {R"(CreateFrameEx("f", 3, 1, 2, "frame.png", "Shadow", RGBA(1, 2, 3, 0), 12);)",
         {"create f: kind 3001 z 3 S\\frame.png mode 0 style 4 #10203 band 12 c1", "@f move 1,1 1,2 0ms - c5"}},
        {R"(Create3D("d", 8, 400, 300, "obj/torus.lwo");)",
         {"create d: kind 2005 z 8 S\\obj\\torus.lwo c1", "@d move 1,400 1,300 0ms - c5"}},
    };
    for (const RecordCase& c : cases) EXPECT_EQ(Compile(c.source), c.records) << c.source;
}

TEST(NodeStatementRecords, BlendNamesMapByNodeKindAndUnknownNamesAreNormal) {
    const struct {
        const char* name;
        int colour;
        int picture;
    } names[] = {{"Normal", 0, 0},   {"Add", 1, 2},    {"Sub", 2, 3},    {"Multiply", 3, 4},
                 {"Screen", 4, 5},   {"Overlay", 5, 6}, {"add", 0, 0},   {"", 0, 0}, {"Lighten", 0, 0}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(ColorBlendCode(n.name), n.colour);
        EXPECT_EQ(PictureBlendCode(n.name), n.picture);
        const std::vector<std::string> colour =
            Compile(std::string(R"(CreateColorEx("c", 0, 0, 0, 1, 1, #000000, ")") + n.name + "\");");
        ASSERT_EQ(colour.size(), 2u);
        EXPECT_EQ(colour[0], "create c: kind 1004 z 0 1x1 #0 blend " + std::to_string(n.colour) + " c1");
        const std::vector<std::string> image =
            Compile(std::string(R"(CreateImageEx("i", 0, 0, 0, "p.png", ")") + n.name + "\");");
        ASSERT_EQ(image.size(), 2u);
        EXPECT_EQ(image[0], "create i: kind 1001 z 0 S\\p.png mode " + std::to_string(n.picture) + " c1");
    }
}

TEST(NodeStatementRecords, NodeAndSystemStatementsBuildTheirRecords) {
    const RecordCase cases[] = {
        {R"(Delete("a/*");)", {"delete a/* c1"}},
        {R"(Request("a/b", "Open");)", {"request a/b Open c19"}},
        {R"(SetHitable("a", true); SetHitable("b", false);)", {"@a hitable 1 c1", "@b hitable 0 c1"}},
        {R"(SetChip("n", 1, -2, 30, 40);)", {"@n chip 1,-2,30,40 c7"}},
        {R"(Operate(@1 = @2 + 3);)", {"E(@1 = @2 + 3) c19"}},
        {R"(System("Save");)", {"system Save c19"}},
        {R"(Draw();)", {"draw c19"}},
        {R"(DebugOut("anything");)", {}},
        {R"(SetTimeCritical(true); SetTimeCritical(false);)", {"critical 1 c19", "critical 0 c19"}},
        {R"(SoundUnsynchronize();)", {"unsync c19"}},
    };
    for (const RecordCase& c : cases) EXPECT_EQ(Compile(c.source), c.records) << c.source;
}

TEST(NodeStatementRecords, AnimationRowsFollowTheExRuleAndTheWaitFlag) {
    const RecordCase cases[] = {
        {R"(Move("a", 300, 10, @-5, false);)", {"@a move 1,10 3,-5 300ms - c5"}},
        {R"(Move("a", 300, in_right, 50%, true);)", {"@a move 9,3 2,50 300ms - c5", "wait 300 c20"}},
        {R"(MoveEx("a", 250, intact, on_bottom, true, AccSin);)",
         {"@a move 0,0 9,6 250ms AccSin c5", "wait 250 c20"}},
        {R"(ShakeMove("s", 400, 1, 2, 3, 4, 5, 6, false);)", {"@s shake 1,1 1,2 amp 3,4 to 5,6 400ms - c5"}},
        {R"(ShakeMoveEx("s", 400, 1, 2, 3, 4, 5, 6, true, Dec3);)",
         {"@s shake 1,1 1,2 amp 3,4 to 5,6 400ms Dec3 c5", "wait 400 c20"}},
        {R"(BezierMove("b", 90, (0,0){10,40}{30,40}(40,0), false);)", {"@b bezier (0,0)(10,40)(30,40)(40,0) 90ms - c5"}},
        {R"(BezierMoveEx("b", 90, (0,0){10,40}{30,40}(40,0), true, Linear);)",
         {"@b bezier (0,0)(10,40)(30,40)(40,0) 90ms Linear c5", "wait 90 c20"}},
        {R"(HermiteMove("h", 60, (0,0){5,0}(9,9){0,5}, false);)", {"@h hermite (0,0)(5,0)(9,9)(0,5) 60ms - c5"}},
        {R"(HermiteMoveEx("h", 60, (0,0){5,0}(9,9){0,5}, false, Dec3);)",
         {"@h hermite (0,0)(5,0)(9,9)(0,5) 60ms Dec3 c5"}},
        {R"(Rotate("r", 100, 45, false);)", {"@r rotate 1,45 100ms - c6"}},
        {R"(RotateEx("r", 100, @-30, true, AccSin);)", {"@r rotate 2,-30 100ms AccSin c6", "wait 100 c20"}},
        {R"(Zoom("z", 200, 500, false);)", {"@z zoom 1,0.5 1,0.5 200ms - c4"}},
        {R"(ZoomEx("z", 200, 1000, @2000, true, Linear);)", {"@z zoom 1,1 2,2 200ms Linear c4", "wait 200 c20"}},
        {R"(Opaque("o", 50, 1000, true);)", {"@o opaque 1,1 50ms - c3", "wait 50 c20"}},
        {R"(OpaqueEx("o", 50, @-250, false, Dec3);)", {"@o opaque 2,-0.25 50ms Dec3 c3"}},
        {R"(Move3D("d", 500, 1, -2, 3, false);)", {"@d move3d 1,-2,3 500ms - c8"}},
        {R"(Move3DEx("d", 500, 0, 0, 10, true, Dec3);)", {"@d move3d 0,0,10 500ms Dec3 c8", "wait 500 c20"}},
        {R"(Zoom3D("d", 40, 2, 2, 2, true);)", {"@d zoom3d 2,2,2 40ms - c10", "wait 40 c20"}},
        {R"(Zoom3DEx("d", 40, 1, 0, 3, false, Linear);)", {"@d zoom3d 1,0,3 40ms Linear c10"}},
        {R"(Rotate3D("d", 700, 180, 0, -90, false);)", {"@d rotate3d 3.14159,0,-1.5708 700ms - c9"}},
        {R"(Rotate3DEx("d", 700, 0, 360, 0, true, AccSin);)",
         {"@d rotate3d 0,6.28319,0 700ms AccSin c9", "wait 700 c20"}},
        // A negative duration: the animator runs none, the wait keeps the value.
        {R"(Move("a", -5, 0, 0, true);)", {"@a move 1,0 1,0 0ms - c5", "wait -5 c20"}},
    };
    for (const RecordCase& c : cases) EXPECT_EQ(Compile(c.source), c.records) << c.source;
}

TEST(NodeStatementRecords, Rotate3DKeepsRadiansOfTheDegreesAsDoubles) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        R"(page Main { Rotate3D("d", 1, 90, -45, 1, false); Move3D("d", 1, 7, 8, 9, false); })", unit, classes)));
    const auto& records = unit.FindPage("Main")->Records();
    ASSERT_EQ(records.size(), 2u);
    const auto& rotate = static_cast<const CRotate3DAnimator&>(*records[0].command);
    EXPECT_EQ(rotate.GetKind(), kKindRotate3D);
    EXPECT_EQ(rotate.Target(0), 90 * 0.017453292519943295);
    EXPECT_EQ(rotate.Target(1), -45 * 0.017453292519943295);
    EXPECT_EQ(rotate.Target(2), 1 * 0.017453292519943295);
    const auto& move = static_cast<const CMove3DAnimator&>(*records[1].command);
    EXPECT_EQ(move.GetKind(), kKindMove3D);
    EXPECT_EQ(move.Target(2), 9.0);
}

TEST(NodeStatementRecords, ZoomAndOpacityValuesAreThousandths) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        R"(page Main { Zoom("z", 1, 500, false); ZoomEx("z", 1, 1000, 2000, false, Linear); Opaque("o", 1, 1000, false); })",
        unit, classes)));
    const auto& records = unit.FindPage("Main")->Records();
    ASSERT_EQ(records.size(), 3u);
    const auto& zoom = static_cast<const CZoomAnimator&>(*records[0].command);
    EXPECT_EQ(zoom.Target(0).value, 0.5);
    EXPECT_EQ(zoom.Target(1).value, 0.5);
    const auto& zoomEx = static_cast<const CZoomAnimator&>(*records[1].command);
    EXPECT_EQ(zoomEx.Target(0).value, 1.0);
    EXPECT_EQ(zoomEx.Target(1).value, 2.0);
    EXPECT_EQ(static_cast<const COpaqueAnimator&>(*records[2].command).Target(0).value, 1.0);
}

TEST(NodeStatementRecords, PlayCDIsDroppedWithoutASoundDeviceAndLabelsFollow) {
    const bool previous = IsSoundAvailable();
    for (bool available : {true, false}) {
        SCOPED_TRACE(available);
        SetSoundAvailable(available);
        CScriptUnit unit;
        CScriptCache classes;
        ASSERT_TRUE(CompiledClean(CompileGuarded(
            R"(page Main { Draw(); PlayCD(4); DebugOut("x"); label After; Draw(); })", unit, classes)));
        CScriptPage* page = unit.FindPage("Main");
        std::vector<std::string> records;
        for (const CStatementRecord& record : page->Records()) records.push_back(Describe(record));
        if (available) {
            EXPECT_EQ(records, (std::vector<std::string>{"draw c19", "cd 4 c17", "draw c19"}));
        } else {
            EXPECT_EQ(records, (std::vector<std::string>{"draw c19", "draw c19"}));
        }
        EXPECT_EQ(page->Labels()["After"], available ? 2 : 1);
    }
    SetSoundAvailable(previous);
}

TEST(NodeStatementRecords, UnreadableArgumentsAreZeroAndMissingOnesEndTheCompile) {
    // A wait flag that is not a boolean leaves the flag unset: no wait.
    EXPECT_EQ(Compile(R"(Move("a", 100, 1, 2, maybe);)"), (std::vector<std::string>{"@a move 1,1 1,2 100ms - c5"}));
    for (const char* source : {R"(Move("a", 100, 1, 2);)", R"(CreateNode("a", 0, 0);)", R"(Draw;)",
                               R"(SetChip("n", 1, 2, 3);)", R"(ZoomEx("z", 1, 500, false, Linear);)"}) {
        CScriptUnit unit;
        CScriptCache classes;
        EXPECT_TRUE(FailedWith(CompileGuarded(std::string("page Main { ") + source + " }", unit, classes),
                               ErrorKind::Script, kModuleScriptCompiler, 99))
            << source;
    }
}

}  // namespace
