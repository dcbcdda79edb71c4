// Standard buttons in a scene under the test application's window, driven by
// the real cursor and window messages handed to the scene host: the state
// pictures built on reset, their fades on hover, leave, press, disable and
// enable, seen in the children's opacities and in the window; the command
// handed to the scene; and a press sound that, without a sound device, plays
// nothing and fails nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../test_pictures.h"
#include "graphics/display_driver.h"
#include "media/sound_available.h"
#include "scene/composite/standard_button_node.h"
#include "scene/image_node.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "support/real_cursor.h"
#include "support/window_readback.h"
#include "../../script/scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};

// The state pictures' colours, each picture 100 x 40.
constexpr Color32 kNormalColour = 0x800000;
constexpr Color32 kHighlightColour = 0x008000;
constexpr Color32 kDownColour = 0x000080;
constexpr Color32 kInvalidColour = 0x606060;

// Logs each event the native listener hears.
class CEventLog : public CButtonListener {
public:
    void OnCreate(int32_t, int32_t, uint32_t) override { events.push_back("create"); }
    void OnDestroy(int32_t, int32_t, uint32_t) override { events.push_back("destroy"); }
    void OnEnable(int32_t, int32_t, uint32_t) override { events.push_back("enable"); }
    void OnDisable(int32_t, int32_t, uint32_t) override { events.push_back("disable"); }
    void OnHover(int32_t, int32_t, uint32_t) override { events.push_back("hover"); }
    void OnOutside(int32_t, int32_t, uint32_t) override { events.push_back("outside"); }
    void OnDown(int32_t, int32_t, uint32_t) override {
        events.push_back("down @2=" + std::to_string(ReadScriptVariable("@2")));
    }
    void OnUp(int32_t, int32_t, uint32_t) override { events.push_back("up"); }
    void OnPress(int32_t, int32_t, uint32_t) override { events.push_back("press"); }
    void OnRelease(int32_t, int32_t, uint32_t) override { events.push_back("release"); }
    std::vector<std::string> events;
};

// A scene that logs the names handed to it, with @2 at that moment.
class CCommandScene : public CScene {
public:
    explicit CCommandScene(std::vector<std::string>& log) : log_(log) {}
    void OnEvent(std::string name) override { log_.push_back(name + " @2=" + std::to_string(ReadScriptVariable("@2"))); }

private:
    std::vector<std::string>& log_;
};

using Log = std::vector<std::string>;

class StandardButtons : public testing::Test {
protected:
    StandardButtons() {
        ClearRecordedErrors();
        SetVariable("@2", 0);
        folder.Pack("B", {{"normal.bmp", Plain(kNormalColour)},
                          {"highlight.bmp", Plain(kHighlightColour)},
                          {"down.bmp", Plain(kDownColour)},
                          {"invalid.bmp", Plain(kInvalidColour)}});
    }
    ~StandardButtons() override { EXPECT_TRUE(RecordedErrors().empty()); }

    static std::vector<uint8_t> Plain(Color32 colour) {
        return BmpPictureFile(100, 40, [colour](int, int) { return colour; });
    }

    // Runs the body with a scene open in the test window and the class
    // "Btn", whose "OnDown" page sets @2.
    template <class Body>
    void Run(Body body) {
        RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
            ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
            f.app.PumpMessages();
            window = f.window;
            device = &f.device;
            CSceneHost host;
            auto owned = std::make_unique<CCommandScene>(commands);
            scene = owned.get();
            host.AttachScene(std::move(owned));
            host.SetTransform(kIdentity);
            hostPointer = &host;
            CScriptUnit ignored;
            EXPECT_TRUE(CompiledClean(CompileGuarded("class Btn { method Main { } method OnDown { if (@2 = 1) ; } }",
                                                     ignored, *scene->GetClassCache(), "S/Classes.txt")));
            body();
            ReleaseCapture();
        });
    }

    // A standard button of class "Btn" at (100, 100), built as a script
    // builds it (a prototype, then a clone added and reset).
    CStandardButtonNode* AddButton(const std::string& command, const std::string& normal, const std::string& highlight,
                                   const std::string& down, const std::string& invalid,
                                   const std::string& sound = std::string()) {
        CStandardButtonNode prototype(0, 0, 1, "Btn", command, normal, highlight, down, invalid, sound);
        prototype.SetPosition(100, 100);
        auto* button = static_cast<CStandardButtonNode*>(prototype.Clone());
        EXPECT_TRUE(button->GetChildren().empty());
        scene->GetRootNode()->AddChild("Btn", button);
        button->SetListener(&listener, 0, 0, 0);
        button->Reset();
        return button;
    }
    CStandardButtonNode* AddFullButton(const std::string& command = std::string()) {
        return AddButton(command, "B/normal.bmp", "B/highlight.bmp", "B/down.bmp", "B/invalid.bmp");
    }

    // Advances the scene by the milliseconds, draws the changed cells and
    // shows them in the window.
    void Frame(int ms) {
        hostPointer->BeginFrame();
        hostPointer->Update(ms);
        hostPointer->SetTransform(kIdentity);
        hostPointer->Draw(*device->GetBackBuffer(), kIdentity, &kScreen);
        hostPointer->Present(*device);
    }
    // The opacity of the button's state picture, -1 when it has none.
    double Opacity(const char* state) {
        CNode* child = scene->GetRootNode()->FindNode(std::string("Btn/") + state);
        double opacity = -1;
        if (child) child->GetOpacity(&opacity);
        return opacity;
    }
    // "Highlight", "Down", "Invalid" opacities, to two decimals.
    std::string Opacities() {
        char text[64];
        snprintf(text, sizeof text, "H %.2f D %.2f I %.2f", Opacity("Highlight"), Opacity("Down"),
                 Opacity("Invalid"));
        return text;
    }
    // The colour the window shows in the middle of the button.
    Color32 Shown() { return ReadBack(window)[120 * 800 + 150]; }

    void MoveTo(int x, int y) {
        EXPECT_TRUE(PlaceCursor(window, x, y));
        hostPointer->HandleMessage(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    int Send(UINT message, int x, int y) { return hostPointer->HandleMessage(window, message, 0, MAKELPARAM(x, y)); }
    Log Events() {
        Log taken;
        taken.swap(listener.events);
        return taken;
    }

    CPictureFolder folder;
    CEventLog listener;
    Log commands;
    HWND window = nullptr;
    CDisplayDevice* device = nullptr;
    CScene* scene = nullptr;
    CSceneHost* hostPointer = nullptr;
};

TEST_F(StandardButtons, ResetBuildsTheGivenStatesInOrderWithOnlyNormalShown) {
    Run([&] {
        MoveTo(500, 500);
        CStandardButtonNode* button = AddFullButton();
        EXPECT_EQ(button->GetNodeKind(), kNodeKindStandardButton);
        for (const auto& entry : button->GetChildren()) {
            EXPECT_EQ(entry.second->GetNodeKind(), kNodeKindImage) << entry.first;
            EXPECT_EQ(entry.second->GetZ(), 0) << entry.first;
        }
        EXPECT_EQ(Opacity("Normal"), 1.0);
        EXPECT_EQ(Opacities(), "H 0.00 D 0.00 I 0.00");
        Frame(17);
        EXPECT_EQ(Shown(), kNormalColour);
        EXPECT_EQ(Events(), (Log{"create"}));
        // All at z 0 in state order: each later state is drawn over the
        // earlier ones.
        const char* states[] = {"Normal", "Highlight", "Down", "Invalid"};
        const Color32 colours[] = {kNormalColour, kHighlightColour, kDownColour, kInvalidColour};
        for (int top = 3; top >= 0; --top) {
            for (int i = 0; i < 4; ++i) button->FindNode(states[i])->SetOpacity(i <= top ? 1 : 0);
            Frame(17);
            EXPECT_EQ(Shown(), colours[top]) << states[top];
        }

        scene->GetRootNode()->RemoveAt("Btn");
        AddButton("", "", "B/highlight.bmp", "", "B/invalid.bmp");
        EXPECT_EQ(Opacity("Normal"), -1);
        EXPECT_EQ(Opacities(), "H 0.00 D -1.00 I 0.00");
    });
}

TEST_F(StandardButtons, HoverFadesTheHighlightInAndLeavingReversesItFromWhereItIs) {
    Run([&] {
        AddFullButton();
        MoveTo(150, 120);
        EXPECT_EQ(Opacities(), "H 0.00 D 0.00 I 0.00");
        Frame(150);
        EXPECT_EQ(Opacities(), "H 0.50 D 0.00 I 0.00");
        MoveTo(500, 500);
        Frame(150);
        EXPECT_EQ(Opacities(), "H 0.25 D 0.00 I 0.00");
        Frame(150);
        EXPECT_EQ(Opacities(), "H 0.00 D 0.00 I 0.00");
        EXPECT_EQ(Shown(), kNormalColour);

        MoveTo(150, 120);
        Frame(300);
        EXPECT_EQ(Opacities(), "H 1.00 D 0.00 I 0.00");
        EXPECT_EQ(Shown(), kHighlightColour);
        EXPECT_EQ(Events(), (Log{"create", "hover", "outside", "hover"}));
    });
}

TEST_F(StandardButtons, APressFlashesDownAndFadesItOutAlongTheFourthPower) {
    Run([&] {
        AddFullButton("Go");
        MoveTo(150, 120);
        Frame(300);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 150, 120), 1);
        // The command reached the scene before the "OnDown" page ran.
        EXPECT_EQ(commands, (Log{"Go @2=0"}));
        EXPECT_EQ(Events(), (Log{"create", "hover", "down @2=1"}));
        EXPECT_EQ(Opacities(), "H 1.00 D 1.00 I 0.00");
        Frame(0);
        EXPECT_EQ(Shown(), kDownColour);
        Frame(250);
        EXPECT_DOUBLE_EQ(Opacity("Down"), 1 - 0.0625);
        EXPECT_EQ(Opacity("Highlight"), 1.0);
        EXPECT_EQ(Send(WM_LBUTTONUP, 150, 120), 1);
        Frame(250);
        EXPECT_EQ(Opacities(), "H 1.00 D 0.00 I 0.00");
        EXPECT_EQ(Shown(), kHighlightColour);
        EXPECT_EQ(Events(), (Log{"up"}));

        // Pressed by a script while the pointer is elsewhere: no highlight.
        MoveTo(500, 500);
        scene->GetRootNode()->Request("Btn", "ButtonDown");
        EXPECT_EQ(Opacities(), "H 0.00 D 1.00 I 0.00");
        EXPECT_EQ(commands, (Log{"Go @2=0", "Go @2=1"}));
    });
}

TEST_F(StandardButtons, PressAndReleaseByMessageSwitchThePicturesAtOnce) {
    Run([&] {
        AddFullButton();
        MoveTo(150, 120);
        Frame(300);
        Events();
        scene->GetRootNode()->Request("Btn", "ButtonPress");
        EXPECT_EQ(Opacities(), "H 0.00 D 1.00 I 0.00");
        scene->GetRootNode()->Request("Btn", "ButtonRelease");
        EXPECT_EQ(Opacities(), "H 0.00 D 0.00 I 0.00");
        EXPECT_EQ(Events(), (Log{"press", "release"}));
        EXPECT_TRUE(commands.empty());
    });
}

TEST_F(StandardButtons, DisablingShowsInvalidAndEnablingFadesItOut) {
    Run([&] {
        AddFullButton();
        MoveTo(150, 120);
        Frame(300);
        scene->GetRootNode()->Request("Btn", "Disable");
        Frame(150);
        EXPECT_EQ(Opacities(), "H 0.50 D 0.00 I 0.50");
        Frame(150);
        EXPECT_EQ(Opacities(), "H 0.00 D 0.00 I 1.00");
        EXPECT_EQ(Shown(), kInvalidColour);
        // Disabled, the pointer's moves fade nothing.
        MoveTo(500, 500);
        MoveTo(150, 120);
        MoveTo(500, 500);
        Frame(300);
        EXPECT_EQ(Opacities(), "H 0.00 D 0.00 I 1.00");

        scene->GetRootNode()->Request("Btn", "Enable");
        Frame(300);
        EXPECT_EQ(Opacities(), "H 0.00 D 0.00 I 0.00");
        EXPECT_EQ(Shown(), kNormalColour);
        MoveTo(150, 120);
        Frame(300);
        EXPECT_EQ(Opacities(), "H 1.00 D 0.00 I 0.00");
        EXPECT_EQ(Events(), (Log{"create", "hover", "disable", "enable", "hover"}));
    });
}

TEST_F(StandardButtons, OnlyANormalPictureShowsNoChangeWhileTheEventsStillRun) {
    Run([&] {
        MoveTo(500, 500);
        CStandardButtonNode* button = AddButton("", "B/normal.bmp", "", "", "");
        EXPECT_EQ(button->GetChildren().size(), 1u);
        Frame(17);
        const std::vector<Color32> before = ReadBack(window);
        MoveTo(150, 120);
        Frame(300);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 150, 120), 1);
        Frame(100);
        EXPECT_EQ(Send(WM_LBUTTONUP, 150, 120), 1);
        scene->GetRootNode()->Request("Btn", "Disable");
        Frame(300);
        EXPECT_TRUE(ReadBack(window) == before);
        scene->GetRootNode()->Request("Btn", "Enable");
        Frame(300);
        EXPECT_TRUE(ReadBack(window) == before);
        EXPECT_EQ(Opacity("Normal"), 1.0);
        EXPECT_EQ(ReadScriptVariable("@2"), 1);
        EXPECT_EQ(Events(), (Log{"create", "hover", "down @2=1", "up", "disable", "enable", "hover"}));
    });
}

TEST_F(StandardButtons, WithoutSoundAPressPlaysNothingAndAnEmptyCommandReachesNoScene) {
    ASSERT_FALSE(IsSoundAvailable());
    Run([&] {
        // The sound file does not even exist: nothing tries to load it.
        AddButton("", "B/normal.bmp", "", "B/down.bmp", "", "B/missing.wav");
        scene->GetRootNode()->Request("Btn", "ButtonDown");
        EXPECT_EQ(Opacity("Down"), 1.0);
        EXPECT_FALSE(hostPointer->GetSEGroup()->HasChannel(CStandardButtonNode::kPressSoundChannel));
        EXPECT_TRUE(commands.empty());
        EXPECT_EQ(ReadScriptVariable("@2"), 1);
    });
}

}  // namespace
