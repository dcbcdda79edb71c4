// The in-game menu over the packed fixture stories (S) and one of the two
// fixture menu scripts: the plain one without event pages, or the one whose
// event pages append their codes to @500. Everything runs in a temporary
// base folder with "UserData", at a game speed of 1.5; the menu logs every
// command that reaches its command entry.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../script/scene_fixtures.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "platform/paths.h"
#include "platform/save_data.h"
#include "scene/button_node.h"
#include "scene/script_page_node.h"
#include "screens/in_game_menu.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

enum class MenuScript { Plain, Events };

class CRecordingMenu : public CInGameMenu {
public:
    CRecordingMenu(const std::string& story, std::vector<std::string>& heard)
        : CInGameMenu(story), heard_(heard) {}
    void OnEvent(std::string name) override {
        heard_.push_back(name);
        CInGameMenu::OnEvent(std::move(name));
    }

private:
    std::vector<std::string>& heard_;
};

constexpr float kMenuTestGameSpeed = 1.5f;

class CMenuGame {
public:
    explicit CMenuGame(MenuScript script)
        : gameSpeed_(GetConfig().GetGameSpeed()), skipWait_(GetConfig().GetSkipWait()) {
        CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
        const std::string fixture = GetProgramDirectory() + "screens_fixture\\";
        temp_.Write("S.dat", ReadBytes(fixture + "S.dat"));
        temp_.Write("mn.dat", ReadBytes(fixture + (script == MenuScript::Events ? "events\\mn.dat" : "mn.dat")));
        ClearRecordedErrors();
        for (const char* name : {"@2", "@500"}) SetVariable(name, 0);
        GetPlayData().vars = CPlayData().vars;
        GetSavedPlayData().vars = CPlayData().vars;
        GetConfig().SetGameSpeed(kMenuTestGameSpeed);
        GetConfig().SetSkipWait(0);
    }
    ~CMenuGame() {
        GetConfig().SetGameSpeed(gameSpeed_);
        GetConfig().SetSkipWait(skipWait_);
    }

    CRecordingMenu* Start(const char* story) {
        auto owned = std::make_unique<CRecordingMenu>(story, heard);
        menu = owned.get();
        host.AttachScene(std::move(owned));
        return menu;
    }
    // Frames of 17 ms, the last one shorter.
    void Run(int ms) {
        for (; ms > 0; ms -= 17) {
            host.BeginFrame();
            host.Update(ms < 17 ? ms : 17);
        }
    }
    // The menu script's event pages run since the last call, in order.
    std::vector<std::string> TakeEvents() {
        static const std::map<int, const char*> names = {
            {11, "ToSkip1"}, {12, "ToSkip2"}, {13, "ToSkip3"}, {14, "ToSkip4"}, {15, "ToSkip5"},
            {16, "EndSkip"}, {21, "ToHide"}, {22, "EndHide"}, {31, "ToMenu"}, {32, "EndMenu"},
            {41, "Begin_GoTitle"}, {42, "End_GoTitle"}, {43, "GoTitle"}, {51, "Begin_EndGame"},
            {52, "End_EndGame"}, {53, "EndGame"}, {61, "Begin_Restart"}, {62, "End_Restart"},
            {63, "Restart"}, {71, "Begin_ClipLoad"}, {72, "End_ClipLoad"}, {73, "ClipLoad"}};
        std::vector<std::string> events;
        for (int32_t log = ReadScriptVariable("@500"); log != 0; log /= 100) {
            auto found = names.find(log % 100);
            events.insert(events.begin(), found == names.end() ? "?" : found->second);
        }
        SetVariable("@500", 0);
        return events;
    }
    double GameSpeed() { return menu->FindGameNode()->GetTimeScale(); }
    // Whether the button at the path under the canvas is enabled; false
    // when there is none.
    bool IsEnabled(const char* path) {
        auto* button = dynamic_cast<CButtonNode*>(menu->GetRootNode()->FindNode(path));
        return button && button->IsEnabled();
    }
    double Opacity(const char* path) {
        double opacity = -1;
        if (CNode* node = menu->GetRootNode()->FindNode(path)) node->GetOpacity(&opacity);
        return opacity;
    }
    std::string UserFile(const char* name) { return temp_.Path() + "UserData\\" + name; }

    std::vector<std::string> heard;
    CSceneHost host;
    CRecordingMenu* menu = nullptr;

private:
    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    float gameSpeed_;
    int32_t skipWait_;
};
