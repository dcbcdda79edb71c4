// The sub-screens of the in-game menu: the four setting panels (sound
// effects, music, graphic effects, screen mode), the save and load panel and
// the exit panel, and the setting panels' choices. None keeps a setting of
// its own: a choice writes CConfig, and the refresh reads it back to hold
// the matching item down.
#include <cstdint>
#include <string>
#include <vector>

#include "app/published_game.h"
#include "media/sound_available.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "scene/node.h"
#include "screens/in_game_menu.h"
#include "screens/sub_screen_frame.h"

namespace {

constexpr int kFrameExit = 175;
constexpr int kFrameSE = 275;
constexpr int kFrameBGM = 375;
constexpr int kFrameGraphicEffect = 475;
constexpr int kFrameScreenMode = 575;
constexpr int kFrameSaveLoad = 675;

const std::string kClickSound = "mn/CA.wav";
const std::string kLevelSound = "mn/Poi.wav";

// A volume sub-screen: its names and the settings it reads and writes.
struct VolumePanel {
    const char* folderName;  // in picture names: "se", "bgm"
    const char* itemName;    // in item names and messages: "SE", "BGM"
    int frameX;
    bool (CConfig::*isPlaying)() const;
    int32_t (CConfig::*getVolume)() const;
    void (CConfig::*setPlaying)(bool);
    void (CConfig::*setVolume)(int32_t);
};

const VolumePanel kSEPanel{"se", "SE", kFrameSE, &CConfig::IsPlaySE, &CConfig::GetSEVolume, &CConfig::SetPlaySE,
                           &CConfig::SetSEVolume};
const VolumePanel kBGMPanel{"bgm", "BGM", kFrameBGM, &CConfig::IsPlayBGM, &CConfig::GetBGMVolume,
                            &CConfig::SetPlayBGM, &CConfig::SetBGMVolume};

// Items "Off", "1" .. "5": their places and the volume each level sets.
struct VolumeLevel {
    const char* suffix;
    int x;
    int y;
    int32_t volume;
};
constexpr int kLevelCount = 6;
const VolumeLevel kLevels[kLevelCount] = {
    {"Off", 15, 266, 0},   {"1", 59, 259, -2000},  {"2", 99, 238, -1500},
    {"3", 130, 210, -1000}, {"4", 151, 172, -500}, {"5", 158, 130, 0},
};

std::string VolumeItemName(const VolumePanel& panel, int level) {
    return std::string(panel.itemName) + "_" + kLevels[level].suffix;
}

std::string VolumePicture(const VolumePanel& panel, int level, char state) {
    return std::string("mn/") + panel.folderName + "_0" + std::to_string(level) + "_" + state + ".png";
}

void BuildVolumePanel(CNode* canvas, const VolumePanel& panel) {
    const std::string folder = panel.folderName;
    if (!IsSoundAvailable()) {
        BuildSubScreen(canvas, panel.frameX, "mn/" + folder + "_cannotuse.png", {});
        return;
    }
    std::vector<SubScreenItem> items;
    for (int level = 0; level < kLevelCount; ++level) {
        const std::string name = VolumeItemName(panel, level);
        items.push_back({name, kLevels[level].x, kLevels[level].y, VolumePicture(panel, level, 'a'),
                         VolumePicture(panel, level, 'c'), VolumePicture(panel, level, 'b'), std::string(),
                         level == 0 ? kClickSound : kLevelSound, name});
    }
    BuildSubScreen(canvas, panel.frameX, "mn/" + folder + "_back.png", items);
}

void RefreshVolumePanel(CNode* canvas, const VolumePanel& panel) {
    if (!IsSoundAvailable()) return;
    const CConfig& config = GetConfig();
    std::string held;
    if (!(config.*panel.isPlaying)()) {
        held = VolumeItemName(panel, 0);
    } else {
        for (int level = 1; level < kLevelCount; ++level) {
            if ((config.*panel.getVolume)() == kLevels[level].volume) held = VolumeItemName(panel, level);
        }
    }
    HoldSubScreenItem(canvas, held);
}

// "Off" clears the play flag; a level sets it and the level's volume.
void ChooseVolume(const VolumePanel& panel, const std::string& command) {
    CConfig& config = GetConfig();
    if (command == VolumeItemName(panel, 0)) {
        (config.*panel.setPlaying)(false);
        return;
    }
    for (int level = 1; level < kLevelCount; ++level) {
        if (command != VolumeItemName(panel, level)) continue;
        (config.*panel.setPlaying)(true);
        (config.*panel.setVolume)(kLevels[level].volume);
    }
}

// The screen-mode items, the mode each stands for and whether the display
// offers it (the window always).
struct ScreenModeItem {
    const char* name;
    int y;
    const char* depth;  // in picture names; empty for the window
    const char* message;
    int32_t mode;
};
const ScreenModeItem kScreenItems[] = {
    {"Full16", 190, "16", "SetScreen_Full16", kScreenFull16},
    {"Full24", 166, "24", "SetScreen_Full24", kScreenFull24},
    {"Full32", 142, "32", "SetScreen_Full32", kScreenFull32},
    {"Win", 255, "", "SetScreen_Window", kScreenWindow},
};
constexpr int kScreenItemX = 88;

bool IsModeOffered(int32_t mode) {
    const CFullScreenModeFlags& flags = FullScreenModeFlags();
    switch (mode) {
        case kScreenFull16: return flags.full16;
        case kScreenFull24: return flags.full24;
        case kScreenFull32: return flags.full32;
        default: return true;
    }
}

}  // namespace

void CInGameMenu::BuildSEVolumeScreen() {
    BuildVolumePanel(GetRootNode(), kSEPanel);
    RefreshSEVolumeItems();
}

void CInGameMenu::BuildBGMVolumeScreen() {
    BuildVolumePanel(GetRootNode(), kBGMPanel);
    RefreshBGMVolumeItems();
}

void CInGameMenu::BuildGraphicEffectScreen() {
    BuildSubScreen(GetRootNode(), kFrameGraphicEffect, "mn/graphic_back.png",
                   {{"On", 109, 174, "mn/graphic_on_a.png", "mn/graphic_on_c.png", "mn/graphic_on_b.png", "",
                     kClickSound, "SetGE_On"},
                    {"Off", 109, 260, "mn/graphic_off_a.png", "mn/graphic_off_c.png", "mn/graphic_off_b.png", "",
                     kClickSound, "SetGE_Off"}});
    RefreshGraphicEffectItems();
}

void CInGameMenu::BuildScreenModeScreen() {
    std::vector<SubScreenItem> items;
    for (const ScreenModeItem& item : kScreenItems) {
        const bool window = item.mode == kScreenWindow;
        const std::string stem = std::string("mn/screen_") + (window ? "window" : item.depth);
        items.push_back({item.name, kScreenItemX, item.y, stem + "_a.png", stem + (window ? "_c.png" : "_d.png"),
                         stem + "_b.png", window ? "" : "mn/screen_bar.png", kClickSound, item.message});
    }
    CNode* canvas = GetRootNode();
    BuildSubScreen(canvas, kFrameScreenMode, "mn/screen_back.png", items);
    if (GetGameMain()) {
        for (const ScreenModeItem& item : kScreenItems) {
            if (!IsModeOffered(item.mode)) canvas->Request(SubScreenItemPath(item.name), "Disable");
        }
    }
    RefreshScreenModeItems();
}

void CInGameMenu::BuildSaveLoadScreen() {
    BuildSubScreen(GetRootNode(), kFrameSaveLoad, "mn/saveload_cannotuse3.png", {});
}

void CInGameMenu::BuildExitScreen() {
    // Both items show the same pictures; "Title" asks for a restart.
    const std::string normal = "mn/exit_exit_a.png";
    const std::string highlight = "mn/exit_exit_c.png";
    const std::string down = "mn/exit_exit_b.png";
    BuildSubScreen(GetRootNode(), kFrameExit, "mn/exit_back3.png",
                   {{"Title", 112, 173, normal, highlight, down, "", kClickSound, "Restart"},
                    {"Exit", 112, 255, normal, highlight, down, "", kClickSound, "ExitGame"}});
}

void CInGameMenu::RefreshSEVolumeItems() { RefreshVolumePanel(GetRootNode(), kSEPanel); }

void CInGameMenu::RefreshBGMVolumeItems() { RefreshVolumePanel(GetRootNode(), kBGMPanel); }

void CInGameMenu::RefreshGraphicEffectItems() {
    HoldSubScreenItem(GetRootNode(), GetConfig().IsUseEffect() ? "On" : "Off");
}

void CInGameMenu::RefreshScreenModeItems() {
    std::string held;
    for (const ScreenModeItem& item : kScreenItems) {
        if (GetConfig().GetScreenMode() == item.mode) held = item.name;
    }
    HoldSubScreenItem(GetRootNode(), held);
}

void CInGameMenu::OnSEVolumeChoice(std::string command) {
    if (!IsSoundAvailable()) return;
    ChooseVolume(kSEPanel, command);
    RefreshSEVolumeItems();
}

void CInGameMenu::OnBGMVolumeChoice(std::string command) {
    if (!IsSoundAvailable()) return;
    ChooseVolume(kBGMPanel, command);
    RefreshBGMVolumeItems();
}

void CInGameMenu::OnGraphicEffectChoice(std::string command) {
    if (command == "SetGE_On") GetConfig().SetUseEffect(true);
    if (command == "SetGE_Off") GetConfig().SetUseEffect(false);
    RefreshGraphicEffectItems();
}

void CInGameMenu::OnScreenModeChoice(std::string command) {
    for (const ScreenModeItem& item : kScreenItems) {
        if (command == item.message && IsModeOffered(item.mode)) GetConfig().SetScreenMode(item.mode);
    }
    RefreshScreenModeItems();
}

void CInGameMenu::CloseSubScreen() { GetRootNode()->RemoveAt(kSubScreenPath); }
