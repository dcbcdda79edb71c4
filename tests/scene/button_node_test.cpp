// Buttons in a scene under the test application's window, driven by the
// real cursor and window messages handed to the scene host: hover, press and
// release, enabling, locking, pressing by message, deactivation, and two
// buttons whose names share a beginning.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/display_driver.h"
#include "scene/button_node.h"
#include "scene/color_node.h"
#include "support/display_run.h"
#include "support/real_cursor.h"
#include "../script/scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// Logs "<label> <event> <first> <second> <third>" and, for "down" and "up",
// the script variables the pages set, as they are when the listener runs.
class CRecordingListener : public CButtonListener {
public:
    explicit CRecordingListener(std::vector<std::string>& log) : log_(log) {}
    void OnCreate(int32_t a, int32_t b, uint32_t c) override { Log("create", a, b, c); }
    void OnDestroy(int32_t a, int32_t b, uint32_t c) override { Log("destroy", a, b, c); }
    void OnEnable(int32_t a, int32_t b, uint32_t c) override { Log("enable", a, b, c); }
    void OnDisable(int32_t a, int32_t b, uint32_t c) override { Log("disable", a, b, c); }
    void OnHover(int32_t a, int32_t b, uint32_t c) override { Log("hover", a, b, c); }
    void OnOutside(int32_t a, int32_t b, uint32_t c) override { Log("outside", a, b, c); }
    void OnDown(int32_t a, int32_t b, uint32_t c) override {
        Log("down @2=" + std::to_string(ReadScriptVariable("@2")), a, b, c);
    }
    void OnUp(int32_t a, int32_t b, uint32_t c) override {
        Log("up @3=" + std::to_string(ReadScriptVariable("@3")), a, b, c);
    }
    void OnPress(int32_t a, int32_t b, uint32_t c) override { Log("press", a, b, c); }
    void OnRelease(int32_t a, int32_t b, uint32_t c) override { Log("release", a, b, c); }

private:
    void Log(const std::string& event, int32_t a, int32_t b, uint32_t c) {
        // The words identify the button: its first word.
        log_.push_back(std::to_string(a) + " " + event + (b == -1 && c == 7 ? "" : " words?"));
    }
    std::vector<std::string>& log_;
};

class ButtonNodes : public testing::Test {
protected:
    ButtonNodes() {
        ClearRecordedErrors();
        for (const char* name : {"@2", "@3"}) SetVariable(name, 0);
    }

    // Runs the body with a scene open in the test window and the class
    // "Btn", whose "OnDown" and "OnUp" pages set @2 and @3.
    template <class Body>
    void Run(Body body) {
        RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
            ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
            f.app.PumpMessages();
            window = f.window;
            CSceneHost host;
            auto owned = std::make_unique<CScene>();
            scene = owned.get();
            host.AttachScene(std::move(owned));
            host.SetTransform(kIdentity);
            hostPointer = &host;
            CScriptUnit ignored;
            EXPECT_TRUE(CompiledClean(CompileGuarded(
                "class Btn { method Main { } method OnDown { if (@2 = 1) ; }"
                " method OnUp { if (@3 = 1) ; } }",
                ignored, *scene->GetClassCache(), "S/Classes.txt")));
            body();
            ReleaseCapture();
        });
    }

    // A button of class "Btn" at (x, y) with a 100 x 40 face, whose listener
    // gets the words (id, -1, 7).
    CButtonNode* AddButton(const std::string& name, int x, int y, int id) {
        auto* button = new CButtonNode(x, y, 1, "Btn");
        button->SetListener(&listener, id, -1, 7);
        scene->GetRootNode()->AddChild(name, button);
        button->Reset();
        auto* face = new CColorNode(0, 0, 0, 100, 40, 0x808080, kColorBlendNormal);
        button->AddChild("Face", face);
        face->Reset();
        return button;
    }

    // Puts the cursor there, waits until the system reports it there (the
    // display server follows a moment later) and hands the scene the move.
    void MoveTo(int x, int y) {
        EXPECT_TRUE(PlaceCursor(window, x, y));
        hostPointer->HandleMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    // Puts the cursor there, off the window, and hands the scene the
    // system's leave message.
    void LeaveTo(int x, int y) {
        EXPECT_TRUE(PlaceCursor(window, x, y));
        EXPECT_EQ(hostPointer->HandleMessage(window, WM_MOUSELEAVE, 0, 0), 0);
    }
    // The cursor is put there first when it is elsewhere.
    int Send(UINT message, int x, int y) {
        POINT now;
        GetCursorPos(&now);
        POINT point = {x, y};
        ClientToScreen(window, &point);
        if (now.x != point.x || now.y != point.y) MoveTo(x, y);
        return hostPointer->HandleMessage(window, message, 0, MAKELPARAM(x, y));
    }
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }

    std::vector<std::string> log;
    CRecordingListener listener{log};
    HWND window = nullptr;
    CScene* scene = nullptr;
    CSceneHost* hostPointer = nullptr;
};

using Log = std::vector<std::string>;

TEST_F(ButtonNodes, APressOnItAndAReleaseOutsideGiveDownAndUp) {
    Run([&] {
        CButtonNode* button = AddButton("Btn1", 100, 100, 1);
        EXPECT_EQ(Take(), (Log{"1 create"}));
        MoveTo(120, 120);
        MoveTo(300, 300);
        EXPECT_EQ(Take(), (Log{"1 hover", "1 outside"}));

        MoveTo(150, 110);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 150, 110), 1);
        // The "OnDown" page ran before the listener heard of it.
        EXPECT_EQ(Take(), (Log{"1 hover", "1 down @2=1"}));
        EXPECT_EQ(GetCapture(), window);
        EXPECT_TRUE(button->IsCaptured());
        MoveTo(400, 400);
        EXPECT_EQ(Send(WM_LBUTTONUP, 400, 400), 1);
        EXPECT_EQ(Take(), (Log{"1 outside", "1 up @3=1"}));
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_FALSE(button->IsCaptured());

        // A press outside and a release over it: nothing.
        SetVariable("@2", 0);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 400, 400), 0);
        MoveTo(120, 120);
        EXPECT_EQ(Send(WM_LBUTTONUP, 120, 120), 0);
        EXPECT_EQ(Take(), (Log{"1 hover"}));
        EXPECT_EQ(ReadScriptVariable("@2"), 0);
    });
}

TEST_F(ButtonNodes, APointerLeavingTheClientAreaLeavesEveryButton) {
    Run([&] {
        AddButton("Btn1", 100, 100, 1);
        // Btn2 sticks out over the window's left edge.
        AddButton("Btn2", -50, 200, 2);
        Take();
        MoveTo(120, 120);
        LeaveTo(-30, 120);
        EXPECT_EQ(Take(), (Log{"1 hover", "1 outside"}));
        // Off the client area, over the part of Btn2 that is not shown.
        MoveTo(20, 210);
        LeaveTo(-30, 210);
        EXPECT_EQ(Take(), (Log{"2 hover", "2 outside"}));
        // A press there, held while the pointer goes out: moves outside hover
        // nothing either.
        MoveTo(20, 210);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 20, 210), 1);
        Send(WM_MOUSEMOVE, -30, 210);
        EXPECT_EQ(Send(WM_LBUTTONUP, -30, 210), 1);
        EXPECT_EQ(Take(), (Log{"2 hover", "2 down @2=1", "2 outside", "2 up @3=1"}));
    });
}

TEST_F(ButtonNodes, DisablingForgetsTheHoverAndEnablingFindsItAgain) {
    Run([&] {
        CButtonNode* button = AddButton("Btn1", 100, 100, 1);
        MoveTo(120, 120);
        scene->GetRootNode()->Request("Btn1", "Disable");
        EXPECT_FALSE(button->IsHovering());
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 120), 0);
        Send(WM_LBUTTONUP, 120, 120);
        scene->GetRootNode()->Request("Btn1", "Enable");
        scene->GetRootNode()->Request("Btn1", "Enable");
        EXPECT_EQ(Take(), (Log{"1 create", "1 hover", "1 disable", "1 enable"}));
        hostPointer->Update(17);
        EXPECT_EQ(Take(), (Log{"1 hover"}));
        EXPECT_TRUE(button->IsHovering());
    });
}

TEST_F(ButtonNodes, ButtonsWhoseNamesShareABeginningReactOnlyToTheirOwn) {
    Run([&] {
        CButtonNode* first = AddButton("Btn1", 100, 100, 1);
        CButtonNode* tenth = AddButton("Btn10", 100, 300, 10);
        Take();
        MoveTo(120, 320);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 320), 1);
        EXPECT_EQ(Send(WM_LBUTTONUP, 120, 320), 1);
        EXPECT_EQ(Take(), (Log{"10 hover", "10 down @2=1", "10 up @3=1"}));
        EXPECT_FALSE(first->IsHovering());
        EXPECT_TRUE(tenth->IsHovering());
        MoveTo(120, 120);
        EXPECT_EQ(Take(), (Log{"1 hover", "10 outside"}));
    });
}

TEST_F(ButtonNodes, LockingAndPressingByMessageMakeItIgnoreTheMouse) {
    Run([&] {
        CButtonNode* button = AddButton("Btn1", 100, 100, 1);
        Take();
        scene->GetRootNode()->Request("Btn1", "#Lock");
        MoveTo(120, 120);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 120), 0);
        scene->GetRootNode()->Request("Btn1", "Disable");
        EXPECT_TRUE(button->IsEnabled());
        EXPECT_TRUE(Take().empty());
        scene->GetRootNode()->Request("Btn1", "#Release");
        hostPointer->Update(17);
        EXPECT_EQ(Take(), (Log{"1 hover"}));

        scene->GetRootNode()->Request("Btn1", "ButtonPress");
        EXPECT_TRUE(button->IsPressed());
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 120), 0);
        MoveTo(300, 300);
        scene->GetRootNode()->Request("Btn1", "ButtonRelease");
        scene->GetRootNode()->Request("Btn1", "ButtonRelease");
        EXPECT_EQ(Take(), (Log{"1 press", "1 release"}));
        EXPECT_FALSE(button->IsPressed());
    });
}

// A hover check that "Enable", "#Release" or activation leaves due runs with
// the next frame, never inside a page that a message starts: the press's page
// and listener come first.
TEST_F(ButtonNodes, AHoverLeftDueWaitsForTheNextFrameNotForAPageStart) {
    Run([&] {
        CButtonNode* button = AddButton("Btn1", 100, 100, 1);
        CNode* root = scene->GetRootNode();
        auto pressAndRelease = [&] {
            EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 120), 1);
            EXPECT_EQ(Send(WM_LBUTTONUP, 120, 120), 1);
        };
        MoveTo(120, 120);
        Take();

        root->Request("Btn1", "Disable");
        root->Request("Btn1", "Enable");
        pressAndRelease();
        EXPECT_EQ(Take(), (Log{"1 disable", "1 enable", "1 down @2=1", "1 up @3=1"}));
        hostPointer->Update(17);
        EXPECT_EQ(Take(), (Log{"1 hover"}));

        MoveTo(300, 300);
        root->Request("Btn1", "#Lock");
        MoveTo(120, 120);
        root->Request("Btn1", "#Release");
        pressAndRelease();
        EXPECT_EQ(Take(), (Log{"1 outside", "1 down @2=1", "1 up @3=1"}));
        hostPointer->Update(17);
        EXPECT_EQ(Take(), (Log{"1 hover"}));

        MoveTo(300, 300);
        button->Deactivate();
        MoveTo(120, 120);
        button->Activate();
        pressAndRelease();
        EXPECT_EQ(Take(), (Log{"1 outside", "1 down @2=1", "1 up @3=1"}));
        hostPointer->Update(17);
        EXPECT_EQ(Take(), (Log{"1 hover"}));
    });
}

TEST_F(ButtonNodes, DeactivationReleasesTheCaptureAndRemovalSaysGoodbye) {
    Run([&] {
        CButtonNode* button = AddButton("Btn1", 100, 100, 1);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 120), 1);
        EXPECT_EQ(GetCapture(), window);
        button->Deactivate();
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_FALSE(button->IsCaptured());
        // Not listening while deactivated.
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 120), 0);
        button->Activate();
        Take();
        scene->GetRootNode()->RemoveAt("Btn1");
        EXPECT_EQ(Take(), (Log{"1 destroy"}));
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 120, 120), 0);
        EXPECT_EQ(button->GetNodeKind(), kNodeKindButton);
    });
}

}  // namespace
