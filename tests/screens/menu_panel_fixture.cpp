#include "menu_panel_fixture.h"

#include <windows.h>

#include "../graphics/picture_bytes.h"
#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "scene/button_node.h"
#include "scene/node_kind.h"

namespace {

// Every picture the panels and the caution name, under "mn/".
std::vector<std::string> PanelPictures() {
    std::vector<std::string> names = {"se_back.png",        "se_cannotuse.png",     "bgm_back.png",
                                      "bgm_cannotuse.png",  "graphic_back.png",     "screen_back.png",
                                      "screen_bar.png",     "saveload_cannotuse3.png", "exit_back3.png",
                                      "exit_exit_a.png",    "exit_exit_b.png",      "exit_exit_c.png"};
    for (const char* stem : {"se_0", "bgm_0"}) {
        for (char level = '0'; level <= '5'; ++level) {
            for (const char* state : {"_a.png", "_b.png", "_c.png"}) names.push_back(stem + std::string(1, level) + state);
        }
    }
    for (const char* stem : {"graphic_on", "graphic_off", "screen_window"}) {
        for (const char* state : {"_a.png", "_b.png", "_c.png"}) names.push_back(stem + std::string(state));
    }
    for (const char* stem : {"screen_16", "screen_24", "screen_32"}) {
        for (const char* state : {"_a.png", "_b.png", "_d.png"}) names.push_back(stem + std::string(state));
    }
    return names;
}

// 2 x 2, 8-bit RGBA.
Bytes SmallPicture() {
    return EncodePng({2, 2, 8, 6, {{0x10, 0x20, 0x30, 0xFF, 0x40, 0x50, 0x60, 0xFF}, {0x70, 0x80, 0x90, 0xFF, 0xA0, 0xB0, 0xC0, 0xFF}}, {}, {}});
}

}  // namespace

const std::vector<std::string>& MenuEvents() {
    static const std::vector<std::string> events = {
        "Begin_GoTitle", "Begin_EndGame", "Begin_Restart", "Begin_ClipLoad", "End_GoTitle", "End_EndGame",
        "End_Restart",   "End_ClipLoad",  "GoTitle",       "EndGame",        "Restart",     "ClipLoad"};
    return events;
}

std::string EventCounter(const std::string& event) {
    const auto& events = MenuEvents();
    for (size_t i = 0; i < events.size(); ++i) {
        if (events[i] == event) return "@" + std::to_string(kFirstEventCounter + i);
    }
    return std::string();
}

std::string MenuScript(bool eventPagesWait) {
    std::string script =
        "class Config_Balloon {\r\n"
        "    method Main {\r\n"
        "    }\r\n"
        "}\r\n"
        "page Main {\r\n"
        "    CreateNode(\"Caution\", 0, 0, 0);\r\n"
        "}\r\n";
    for (const std::string& event : MenuEvents()) {
        script += "page " + event + " {\r\n    if (" + EventCounter(event) + " += 1) ;\r\n";
        if (eventPagesWait) script += "    wait 1;\r\n";
        script += "}\r\n";
    }
    return script;
}

MenuPanelTest::MenuPanelTest()
    : config_(GetConfig()),
      soundAvailable_(IsSoundAvailable()),
      playData_(GetPlayData().vars),
      savedPlayData_(GetSavedPlayData().vars) {
    ClearRecordedErrors();
    GetPlayData().vars = SaveVariables();
    GetSavedPlayData().vars = SaveVariables();
    CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
    Pack("S", {{"Main.txt", BytesOf("page Main {\r\n    if (" + std::string(kStoryStarts) +
                                       " += 1) ;\r\n    label Idle;\r\n    wait 100000;\r\n    goto Idle;\r\n}\r\n")}});
    PackMenu(MenuScript(false));
    PackSaveDef("");
    SetSoundAvailable(false);
}

MenuPanelTest::~MenuPanelTest() {
    for (const ErrorBox& box : RecordedErrors()) ADD_FAILURE() << "error box " << box.module << " - " << box.place;
    GetConfig() = config_;
    SetSoundAvailable(soundAvailable_);
    FullScreenModeFlags() = CFullScreenModeFlags();
    SetGameMain(nullptr);
    GetPlayData().vars = playData_;
    GetSavedPlayData().vars = savedPlayData_;
}

void MenuPanelTest::Pack(const std::string& folder, const std::vector<std::pair<std::string, Bytes>>& files) {
    std::vector<packer::PackEntry> entries;
    for (const auto& file : files) entries.push_back({file.first, file.second, true, archive::kScrambleKeyStream});
    temp_.Write(folder + ".dat", packer::BuildArchive(archive::kVersion2, folder + ".dat", entries));
}

void MenuPanelTest::PackMenu(const std::string& script) {
    std::vector<std::pair<std::string, Bytes>> files{{"Menu.txt", BytesOf(script)}};
    const Bytes picture = SmallPicture();
    for (const std::string& name : PanelPictures()) files.emplace_back(name, picture);
    Pack("mn", files);
}

void MenuPanelTest::PackSaveDef(const std::string& text) {
    Pack("System", {{"Save.def", BytesOf(text)}, {"thumb.png", SmallPicture()}});
}

CInGameMenu* MenuPanelTest::Open() {
    auto owned = std::make_unique<CInGameMenu>("S/Main.txt");
    menu_ = owned.get();
    host_.AttachScene(std::move(owned));
    return menu_;
}

std::vector<std::string> MenuPanelTest::HeldItems() {
    std::vector<std::string> held;
    CNode* group = menu_->GetRootNode()->FindNode("Menu/Sub/N");
    if (!group) return held;
    for (const auto& child : group->GetChildren()) {
        auto* button = dynamic_cast<CButtonNode*>(child.second);
        if (button && button->IsPressed()) held.push_back(child.first);
    }
    return held;
}

bool MenuPanelTest::IsItemEnabled(const std::string& item) {
    auto* button = dynamic_cast<CButtonNode*>(menu_->GetRootNode()->FindNode("Menu/Sub/N/" + item));
    return button && button->IsEnabled();
}
