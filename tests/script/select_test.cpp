// "select" in a scene under the test application's window: choices are
// colour nodes that log the requests they receive; the real cursor is put
// on them and the messages handed to the scene host. Then the focus moves
// by direction over choices placed by hand, and the events of a select in a
// class node's script.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/display_driver.h"
#include "scene/class_node.h"
#include "scene/color_node.h"
#include "script/select_statement.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "support/real_cursor.h"
#include "scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// A 100 x 40 rectangle that logs "<name> <request>".
class CChoiceNode : public CColorNode {
public:
    CChoiceNode(std::string name, int x, int y, std::vector<std::string>& log)
        : CColorNode(x, y, 1, 100, 40, 0x808080, kColorBlendNormal), name_(std::move(name)), log_(log) {}
    void ReceiveMessage(std::string message) override {
        log_.push_back(name_ + " " + message);
        CColorNode::ReceiveMessage(message);
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

// A scene of S/Main.txt that logs the events it hears.
class CEventScene : public CScene {
public:
    CEventScene(const std::string& text, std::vector<std::string>& events) : CScene("S/Main.txt"), events_(events) {
        GetScriptCache()->Insert("S/Main.txt", CompileUnit(text, *GetClassCache()));
    }
    void OnEvent(std::string name) override { events_.push_back(name); }

private:
    std::vector<std::string>& events_;
};

// Yes sets @2 to 1, No to 2; after the select @3 counts up.
const char kYesNo[] =
    "page Main { select { case \"Yes\": if (@2 = 1) ; case No: { if (@2 = 2) ; } } if (@3 += 1) ; wait 100000; }";

class SelectTest : public testing::Test {
protected:
    SelectTest() {
        ClearRecordedErrors();
        for (const char* name : {"@2", "@3"}) SetVariable(name, 0);
    }

    void OpenScene(const std::string& text) {
        auto owned = std::make_unique<CEventScene>(text, events);
        scene = owned.get();
        host.AttachScene(std::move(owned));
        host.SetTransform(kIdentity);
    }
    CChoiceNode* AddChoice(const std::string& name, int x, int y) {
        auto* node = new CChoiceNode(name, x, y, log);
        scene->GetRootNode()->AddChild(name, node);
        node->Reset();
        return node;
    }
    // Puts the cursor there when it is elsewhere, then hands the scene the message.
    int Send(UINT message, int x, int y) {
        POINT now;
        GetCursorPos(&now);
        POINT point = {x, y};
        ClientToScreen(window, &point);
        if (now.x != point.x || now.y != point.y) {
            EXPECT_TRUE(PlaceCursor(window, x, y));
        }
        return host.HandleMessage(window, message, 0, MAKELPARAM(x, y));
    }
    int Key(WPARAM key) { return host.HandleMessage(window, WM_KEYDOWN, key, 0); }
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }
    // The selection is let go in the next frame and the case runs in the one after.
    void TwoFrames() {
        host.Update(17);
        host.Update(17);
    }

    std::vector<std::string> log;
    std::vector<std::string> events;
    CSceneHost host;
    CScene* scene = nullptr;
    HWND window = nullptr;
};

template <class Body>
void InWindow(HWND& window, Body body) {
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        window = f.window;
        body();
    });
}

TEST_F(SelectTest, TheMouseFocusesAndPicksAChoice) {
    InWindow(window, [&] {
        OpenScene(kYesNo);
        AddChoice("Yes", 100, 100);
        AddChoice("No", 100, 200);
        host.Update(17);
        EXPECT_EQ(events, std::vector<std::string>{"OnSelectBegin"});

        EXPECT_EQ(Send(WM_MOUSEMOVE, 120, 120), 0);
        EXPECT_EQ(Take(), std::vector<std::string>{"Yes SetFocus"});
        Send(WM_MOUSEMOVE, 150, 130);  // the same choice: nothing
        Send(WM_MOUSEMOVE, 120, 220);
        EXPECT_EQ(Take(), (std::vector<std::string>{"Yes KillFocus", "No SetFocus"}));
        Send(WM_MOUSEMOVE, 500, 500);
        EXPECT_EQ(Take(), std::vector<std::string>{"No KillFocus"});

        // A click outside every choice changes nothing.
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 500, 500), 0);
        EXPECT_EQ(Key(VK_RETURN), 0);  // no focus
        host.Update(17);
        EXPECT_TRUE(Take().empty());
        EXPECT_EQ(ReadScriptVariable("@3"), 0);

        // A click on a choice never focused picks it; every choice hears its
        // fate in name order.
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 110, 105), 1);
        EXPECT_EQ(Take(), (std::vector<std::string>{"No Unselect", "Yes Select"}));
        // Chosen: the rest is ignored until the statement is let go.
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 220), 0);
        EXPECT_EQ(Key(VK_DOWN), 0);
        EXPECT_EQ(Key(VK_RETURN), 0);
        EXPECT_TRUE(Take().empty());

        TwoFrames();
        EXPECT_EQ(ReadScriptVariable("@2"), 1);
        EXPECT_EQ(ReadScriptVariable("@3"), 1);
        EXPECT_EQ(events, (std::vector<std::string>{"OnSelectBegin", "OnSelectEnd"}));
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 220), 0);  // no longer listening
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

TEST_F(SelectTest, APointerLeavingTheClientAreaTakesTheFocusAway) {
    InWindow(window, [&] {
        OpenScene(kYesNo);
        AddChoice("Yes", 100, 100);
        // "No" sticks out over the window's left edge.
        AddChoice("No", -60, 300);
        host.Update(17);

        Send(WM_MOUSEMOVE, 120, 120);
        Send(WM_MOUSELEAVE, -30, 120);
        EXPECT_EQ(Take(), (std::vector<std::string>{"Yes SetFocus", "Yes KillFocus"}));
        // Off the client area, over the part of "No" that is not shown.
        Send(WM_MOUSEMOVE, 10, 310);
        Send(WM_MOUSELEAVE, -30, 310);
        EXPECT_EQ(Take(), (std::vector<std::string>{"No SetFocus", "No KillFocus"}));
        EXPECT_EQ(Send(WM_LBUTTONDOWN, -30, 310), 0);
        EXPECT_TRUE(Take().empty());
    });
}

TEST_F(SelectTest, TheKeyboardMovesTheFocusAndPicksIt) {
    InWindow(window, [&] {
        OpenScene(kYesNo);
        AddChoice("Yes", 100, 100);
        AddChoice("No", 100, 200);
        host.Update(17);
        EXPECT_EQ(Key(VK_SPACE), 0);
        EXPECT_EQ(Key(VK_UP), 0);  // no focus: the first case by name, whatever the direction
        EXPECT_EQ(Take(), std::vector<std::string>{"No SetFocus"});
        Key(VK_NUMPAD2);  // nothing below
        EXPECT_TRUE(Take().empty());
        Key(VK_NUMPAD8);
        EXPECT_EQ(Take(), (std::vector<std::string>{"No KillFocus", "Yes SetFocus"}));
        Key(VK_DOWN);
        EXPECT_EQ(Take(), (std::vector<std::string>{"Yes KillFocus", "No SetFocus"}));
        EXPECT_EQ(Key(VK_RETURN), 1);
        EXPECT_EQ(Take(), (std::vector<std::string>{"No Select", "Yes Unselect"}));
        TwoFrames();
        EXPECT_EQ(ReadScriptVariable("@2"), 2);
        EXPECT_EQ(ReadScriptVariable("@3"), 1);
    });
}

TEST_F(SelectTest, TheLongestCaseNameBeginningTheHitPathIsChosen) {
    struct Case {
        const char* hit;       // the node under the cursor, at (300, 300)
        const char* cases;     // the select's cases, each setting @2 to its number
        int32_t chosen;        // @2 afterwards; 0 when the click chose nothing
    };
    const Case cases[] = {
        {"Yes", "case Yes: if (@2 = 1) ; case No: if (@2 = 2) ;", 1},
        {"YesNo", "case Yes: if (@2 = 1) ; case No: if (@2 = 2) ;", 1},
        {"YesNo", "case Yes: if (@2 = 1) ; case YesNo: if (@2 = 2) ;", 2},
        {"Menu/Yes", "case \"Menu\": if (@2 = 1) ; case \"Menu/Yes\": if (@2 = 2) ;", 2},
        {"Menu/No", "case \"Menu\": if (@2 = 1) ; case \"Menu/Yes\": if (@2 = 2) ;", 1},
        {"No", "case Yes: if (@2 = 1) ; case Ye: if (@2 = 2) ;", 0},
        {"Ye", "case Yes: if (@2 = 1) ;", 0},
    };
    InWindow(window, [&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.hit) + " among " + c.cases);
            SetVariable("@2", 0);
            OpenScene(std::string("page Main { select { ") + c.cases + " } wait 100000; }");
            const std::string hit = c.hit;
            const std::size_t slash = hit.find('/');
            CNode* parent = scene->GetRootNode();
            if (slash != std::string::npos) {
                auto* menu = new CColorNode(0, 0, 1, 10, 10, 0, kColorBlendNormal);
                parent->AddChild(hit.substr(0, slash), menu);
                menu->Reset();
                parent = menu;
            }
            auto* node = new CChoiceNode(hit, 300, 300, log);
            parent->AddChild(hit.substr(slash == std::string::npos ? 0 : slash + 1), node);
            node->Reset();
            host.Update(17);
            EXPECT_EQ(Send(WM_LBUTTONDOWN, 310, 310), c.chosen != 0 ? 1 : 0);
            TwoFrames();
            EXPECT_EQ(ReadScriptVariable("@2"), c.chosen);
            Take();
        }
    });
}

// Choices placed by hand, the focus moved by direction on a statement run in
// a scene without a window.
TEST_F(SelectTest, TheFocusMovesToTheNearestChoiceWithinTheWindowOfTheDirection) {
    struct Choice {
        const char* name;
        int x, y;
    };
    struct Case {
        const char* name;
        std::vector<Choice> present;       // nodes in the tree; the focus is the first
        std::vector<const char*> absent;   // cases without a node
        int direction;
        const char* after;                 // the focus afterwards
    };
    const Case cases[] = {
        {"the nearer of two within 50 degrees", {{"F", 100, 100}, {"a", 200, 100}, {"b", 150, 50}}, {}, 0, "b"},
        {"60 degrees off when nothing lies within 50", {{"F", 100, 100}, {"c", 150, 14}}, {}, 0, "c"},
        {"60 degrees off loses to one within 50, however far",
         {{"F", 100, 100}, {"c", 150, 14}, {"d", 400, 100}}, {}, 0, "d"},
        {"90 degrees off never", {{"F", 100, 100}, {"e", 100, 0}}, {}, 0, "F"},
        {"behind never", {{"F", 100, 100}, {"e", 0, 100}}, {}, 0, "F"},
        {"equal distances: the smaller name", {{"F", 100, 100}, {"b", 200, 100}, {"a", 180, 40}}, {}, 0, "a"},
        {"up is towards smaller y", {{"F", 100, 100}, {"u", 100, 20}, {"w", 100, 180}}, {}, 90, "u"},
        {"down", {{"F", 100, 100}, {"u", 100, 20}, {"w", 100, 180}}, {}, 270, "w"},
        {"left", {{"F", 100, 100}, {"l", 10, 110}, {"r", 190, 90}}, {}, 180, "l"},
        {"an absent case is passed over in the first pass", {{"F", 100, 100}, {"b", 200, 100}}, {"a"}, 0, "b"},
        {"the second pass ends at the first absent case", {{"F", 100, 100}, {"b", 150, 14}}, {"a"}, 0, "F"},
        {"an absent case after the one found", {{"F", 100, 100}, {"b", 150, 14}}, {"z"}, 0, "b"},
        {"a pattern counts as absent", {{"F", 100, 100}, {"b", 150, 14}}, {"*"}, 0, "F"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenScene("page Main { wait 100000; }");
        CSelectStatement::CaseTable table;
        for (const Choice& choice : c.present) {
            AddChoice(choice.name, choice.x, choice.y);
            table[choice.name] = 0;
        }
        for (const char* name : c.absent) table[name] = 0;
        CSelectStatement select(table);
        select.Execute(scene);
        // The first arrow focuses the first case by name: "F" unless a
        // pattern sorts before it, which has no position, so the next
        // arrow moves on to "F".
        select.MoveFocus(0);
        if (select.Focus() != "F") select.MoveFocus(0);
        ASSERT_EQ(select.Focus(), "F");
        select.MoveFocus(c.direction);
        EXPECT_EQ(select.Focus(), c.after);
        select.Stop();
        Take();
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(SelectTest, AFocusWithoutANodeMovesToTheFirstChoiceThatHasOne) {
    OpenScene("page Main { wait 100000; }");
    AddChoice("a", 100, 100);
    AddChoice("c", 300, 100);
    CSelectStatement select({{"*", 0}, {"a", 0}, {"b", 0}, {"c", 0}});
    select.Execute(scene);
    select.MoveFocus(180);  // the first case by name, even a pattern
    EXPECT_EQ(select.Focus(), "*");
    Take();
    select.MoveFocus(180);
    EXPECT_EQ(select.Focus(), "a");
    EXPECT_EQ(Take().back(), "a SetFocus");
    scene->GetRootNode()->RemoveAt("a");
    select.MoveFocus(180);  // "a" left: the next choice with a node, whatever the direction
    EXPECT_EQ(select.Focus(), "c");
    scene->GetRootNode()->RemoveAt("c");
    select.MoveFocus(0);  // none left: the focus stays
    EXPECT_EQ(select.Focus(), "c");
    select.Stop();
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(SelectTest, ASelectInAClassNodesScriptRaisesItsEventsOnItsScene) {
    OpenScene("page Main { wait 100000; }");
    CScriptUnit ignored;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "class Chooser { method Main { select { case A: if (@2 = 1) ; case B: if (@2 = 2) ; } wait 100000; } }",
        ignored, *scene->GetClassCache(), "S/Classes.txt")));
    auto* chooser = new CClassNode(0, 0, 1, "Chooser");
    scene->GetRootNode()->AddChild("Chooser", chooser);
    AddChoice("A", 10, 10);
    AddChoice("B", 10, 100);
    chooser->Reset();
    EXPECT_EQ(events, std::vector<std::string>{"OnSelectBegin"});
    host.Update(17);
    Key(VK_RIGHT);
    EXPECT_EQ(Key(VK_RETURN), 1);
    TwoFrames();
    EXPECT_EQ(events, (std::vector<std::string>{"OnSelectBegin", "OnSelectEnd"}));
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    // A select dropped without a choice goes on with the record after
    // itself: the first case's, then the jump over the others.
    SetVariable("@2", 0);
    chooser->Reset();
    chooser->DropPendingStatement();
    EXPECT_EQ(events, (std::vector<std::string>{"OnSelectBegin", "OnSelectEnd", "OnSelectBegin", "OnSelectEnd"}));
    host.Update(17);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
}

}  // namespace
