// The menu's state machine as a table: from a state reached by commands,
// forced states ("=N") and time ("~ms"), one action, then the state, the
// commands that reached the command entry during the action, the menu
// script's event pages that ran, and the story's speed and factor. The
// story is "S/Key.txt", whose key wait is held from the start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "menu_game.h"
#include "screens/menu_state.h"

namespace {

using Strings = std::vector<std::string>;

struct Row {
    const char* name;
    MenuScript script;
    Strings setup;
    Strings action;
    int32_t state;
    Strings heard;
    Strings events;
    double speed;
    double factor;
};

void RunStep(CMenuGame& game, const std::string& step) {
    if (step[0] == '~') {
        game.Run(std::atoi(step.c_str() + 1));
    } else if (step[0] == '=') {
        game.menu->ForceState(std::atoi(step.c_str() + 1), "");
    } else {
        game.menu->OnEvent(step);
    }
}

constexpr MenuScript E = MenuScript::Events;
constexpr MenuScript P = MenuScript::Plain;
// GameSpeed 1.5 at the factors the rows meet.
constexpr double kPlaySpeed = 1.5;

const Row kRows[] = {
    // Skip: the event page waits 200 ms, the held key wait ends at once.
    {"skip from play", E, {}, {"Skip"}, kMenuStateChanging, {"Skip", "OnKeyWaitEnd"}, {"ToSkip1"}, kPlaySpeed, 1},
    {"skip entered after its page", E, {"Skip"}, {"~250"}, kMenuStateSkip1, {}, {}, kPlaySpeed, 1},
    {"six skips stop at level 5", E, {"Skip", "~250"}, {"Skip", "Skip", "Skip", "Skip", "Skip"}, kMenuStateSkip5,
     {"Skip", "Skip", "Skip", "Skip", "Skip"}, {"ToSkip2", "ToSkip3", "ToSkip4", "ToSkip5"}, 24, 16},
    {"skip level 2", E, {"Skip", "~250"}, {"Skip"}, 4, {"Skip"}, {"ToSkip2"}, 3, 2},
    {"skip without event pages", P, {}, {"Skip", "Skip"}, 4, {"Skip", "OnKeyWaitEnd", "Skip"}, {}, 3, 2},

    // "Cancel" at every level.
    {"cancel skip 1", E, {"Skip", "~250"}, {"Cancel"}, kMenuStatePlay, {"Cancel"}, {"EndSkip"}, kPlaySpeed, 1},
    {"cancel skip 5", E, {"Skip", "~250", "Skip", "Skip", "Skip", "Skip"}, {"Cancel"}, kMenuStatePlay, {"Cancel"},
     {"EndSkip"}, kPlaySpeed, 1},
    {"cancel hide waits for its page", E, {"Hide", "~250"}, {"Cancel"}, kMenuStateChanging, {"Cancel"},
     {"EndHide"}, 0, 0},
    {"hide ends after its page", E, {"Hide", "~250", "Cancel"}, {"~250"}, kMenuStatePlay, {}, {}, kPlaySpeed, 1},
    {"cancel menu", E, {"Menu", "~250"}, {"Cancel"}, kMenuStatePlay, {"Cancel"}, {"EndMenu"}, kPlaySpeed, 1},
    {"cancel SE panel", E, {"Menu", "~250", "Menu_SE"}, {"Cancel"}, kMenuStatePlay, {"Cancel"}, {"EndMenu"},
     kPlaySpeed, 1},
    {"cancel exit panel", E, {"Menu", "~250", "=17"}, {"Cancel"}, kMenuStatePlay, {"Cancel"}, {"EndMenu"},
     kPlaySpeed, 1},
    {"cancel go-title question", E, {"=18"}, {"Cancel"}, kMenuStateExit, {"Cancel"}, {"End_GoTitle"}, 0, 0},
    {"cancel end-game question", E, {"=20"}, {"Cancel"}, kMenuStateExit, {"Cancel"}, {"End_EndGame"}, 0, 0},
    {"cancel restart question", E, {"=22"}, {"Cancel"}, kMenuStateExit, {"Cancel"}, {"End_Restart"}, 0, 0},
    {"cancel quick-load question", E, {"=27"}, {"Cancel"}, kMenuStateSaveLoad, {"Cancel"}, {"End_ClipLoad"}, 0, 0},
    {"cancel with control disabled", E, {"DisableControl"}, {"Cancel"}, kMenuStateControlDisabled, {"Cancel"}, {},
     1, 1},
    {"cancel in play", E, {}, {"Cancel"}, kMenuStatePlay, {"Cancel"}, {}, kPlaySpeed, 1},

    // Selections end skip and hide; their end returns to play.
    {"selection during skip", E, {"Skip", "~250"}, {"OnSelectBegin"}, kMenuStateSelection, {"OnSelectBegin"},
     {"EndSkip"}, 1, 1},
    {"selection end after skip", E, {"Skip", "~250", "OnSelectBegin"}, {"OnSelectEnd"}, kMenuStatePlay,
     {"OnSelectEnd"}, {}, kPlaySpeed, 1},
    // A forced change during a waiting event page: its own page runs once
    // the waiting one goes on, and the state follows when both have ended
    // (EndHide waits 200 ms of its own).
    {"selection during a pending skip", E, {"Skip"}, {"OnSelectBegin"}, kMenuStateChanging, {"OnSelectBegin"}, {},
     kPlaySpeed, 1},
    {"selection after a pending skip", E, {"Skip"}, {"OnSelectBegin", "~250"}, kMenuStateSelection,
     {"OnSelectBegin"}, {"EndSkip"}, 1, 1},
    {"selection after a pending hide", E, {"Hide"}, {"OnSelectBegin", "~450"}, kMenuStateSelection,
     {"OnSelectBegin"}, {"EndHide"}, 1, 1},
    {"selection during a pending menu", E, {"Menu"}, {"OnSelectBegin"}, kMenuStateChanging, {"OnSelectBegin"}, {},
     kPlaySpeed, 1},
    {"hide from a selection returns to it", E, {"OnSelectBegin", "Hide", "~250"}, {"Cancel", "~250"},
     kMenuStateSelection, {"Cancel"}, {"EndHide"}, 1, 1},
    {"menu from a selection returns to it", E, {"OnSelectBegin", "Menu", "~250"}, {"EndMenu"}, kMenuStateSelection,
     {"EndMenu"}, {"EndMenu"}, 1, 1},
    {"skip refused in a selection", E, {"OnSelectBegin"}, {"Skip"}, kMenuStateSelection, {"Skip"}, {}, 1, 1},

    // A change cannot be asked for again while its page runs.
    {"menu while ToMenu runs", E, {"Menu"}, {"Menu"}, kMenuStateChanging, {"Menu"}, {}, kPlaySpeed, 1},
    {"menu entered once", E, {"Menu"}, {"Menu", "~250"}, kMenuStateOpen, {"Menu"}, {}, 0, 0},
    {"menu without event pages", P, {}, {"Menu"}, kMenuStateOpen, {"Menu"}, {}, 0, 0},

    // "DisableControl" wins over a pending change.
    {"disable during a pending skip", E, {"Skip"}, {"DisableControl", "~250"}, kMenuStateControlDisabled,
     {"DisableControl"}, {"EndSkip"}, 1, 1},
    {"disable during a pending hide", E, {"Hide"}, {"DisableControl", "~450"}, kMenuStateControlDisabled,
     {"DisableControl", "OnKeyWaitEnd"}, {"EndHide"}, 1, 1},
    {"disable during a pending return to play", E, {"Hide", "~250", "Cancel"}, {"DisableControl"},
     kMenuStateControlDisabled, {"DisableControl", "OnKeyWaitEnd"}, {}, 1, 1},
    {"disable during a pending menu", E, {"Menu"}, {"DisableControl"}, kMenuStateChanging, {"DisableControl"}, {},
     kPlaySpeed, 1},
    {"disable in skip", E, {"Skip", "~250"}, {"DisableControl"}, kMenuStateControlDisabled, {"DisableControl"},
     {"EndSkip"}, 1, 1},
    {"disable ends the held key wait", E, {}, {"DisableControl"}, kMenuStateControlDisabled,
     {"DisableControl", "OnKeyWaitEnd"}, {}, 1, 1},
    {"enable again", E, {"DisableControl"}, {"EnableControl"}, kMenuStatePlay, {"EnableControl"}, {}, kPlaySpeed,
     1},

    // Panels and questions.
    {"panel to panel", E, {"Menu", "~250", "Menu_SE"}, {"Menu_BGM"}, kMenuStateBGMVolume, {"Menu_BGM"}, {}, 0, 0},
    {"same panel again", E, {"Menu", "~250", "Menu_SE"}, {"Menu_SE"}, kMenuStateSEVolume, {"Menu_SE"}, {}, 0, 0},
    {"end menu from a panel", E, {"Menu", "~250", "Menu_Screen"}, {"EndMenu"}, kMenuStatePlay, {"EndMenu"},
     {"EndMenu"}, kPlaySpeed, 1},

    // Unlisted commands change nothing.
    {"unknown command", E, {}, {"Jump"}, kMenuStatePlay, {"Jump"}, {}, kPlaySpeed, 1},
    {"names are case-sensitive", E, {}, {"skip", "MENU"}, kMenuStatePlay, {"skip", "MENU"}, {}, kPlaySpeed, 1},
    {"skip in the menu", E, {"Menu", "~250"}, {"Skip"}, kMenuStateOpen, {"Skip"}, {}, 0, 0},
    {"panel command in a question", E, {"=20"}, {"Menu_SE"}, kMenuStateAskEndGame, {"Menu_SE"}, {}, 0, 0},
    {"enable in play", E, {}, {"EnableControl"}, kMenuStatePlay, {"EnableControl"}, {}, kPlaySpeed, 1},

    // Commands of every state.
    {"stop", E, {}, {"Stop"}, kMenuStatePlay, {"Stop"}, {}, 0, 1},
    {"save point in play", E, {}, {"SavePoint:One"}, kMenuStatePlay, {"SavePoint:One"}, {}, kPlaySpeed, 1},
};

class MenuStateTableTest : public testing::TestWithParam<Row> {};

TEST_P(MenuStateTableTest, Row) {
    const Row& row = GetParam();
    CMenuGame game(row.script);
    game.Start("S/Key.txt");
    ASSERT_TRUE(game.menu->IsKeyWaitActive());
    for (const std::string& step : row.setup) RunStep(game, step);
    game.heard.clear();
    game.TakeEvents();
    for (const std::string& step : row.action) RunStep(game, step);
    EXPECT_EQ(game.menu->GetState(), row.state);
    EXPECT_EQ(game.heard, row.heard);
    EXPECT_EQ(game.TakeEvents(), row.events);
    EXPECT_DOUBLE_EQ(game.GameSpeed(), row.speed);
    EXPECT_DOUBLE_EQ(game.menu->GetSpeedFactor(), row.factor);
    EXPECT_TRUE(RecordedErrors().empty());
}

std::string RowName(const testing::TestParamInfo<Row>& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, MenuStateTableTest, testing::ValuesIn(kRows), RowName);

}  // namespace
