// The root scene of the game: a black background "Back", the story as the
// script page "Game" (the scene's script, from its page "Main", at the
// configured game speed) and the menu layer as the script page "Menu"
// ("mn/Menu.txt") above it, which fades in during the first second. The
// scene's own executor runs nothing: both scripts run inside their pages.
// Script commands and the story's events reach it through its event entry
// (OnEvent); the menu's states and its input build on this class.
#pragma once

#include <cstdint>
#include <string>

#include "script/scene.h"

class CScriptPageNode;

class CInGameMenu : public CScene {
public:
    // Nothing is built until the scene host opens the scene.
    explicit CInGameMenu(std::string scriptName);
    ~CInGameMenu() override;

    // A restart asked for since the last frame first, then the scene's
    // frame; once the story has ended, a return to the scene below.
    void Update(int ms) override;
    // A scene called from here returned: "LoadGame" is passed on at once
    // (ReturnOrRestart); other labels are ignored.
    void OnReturned(CScene* self, std::string label) override;
    // The frame clock back to its own steps and the sound effects emptied.
    void OnLeave() override;
    // 2.
    int GetSceneKind() override;
    // No "Game" page, or its script has ended.
    bool IsScriptFinished() override;
    // Builds the three children and runs both pages up to their first wait.
    // An empty script name is an "Internal Error"; nothing is built then.
    void StartMain() override;

    // With a scene below, returns to it with the label. As the root, opens
    // itself again at the start of the next Update (the story from "Main"):
    // "BackToTitle" first makes the live play data new, every other label
    // keeps it.
    void ReturnOrRestart(const std::string& label);

    // The child "Game" or "Menu" when it is a script page, else null.
    CScriptPageNode* FindGameNode();
    CScriptPageNode* FindMenuNode();
    // The story's speed: the configured game speed times the factor.
    void SetGameSpeedFactor(double factor);
    // The story's speed: the given one alone.
    void SetGameSpeedFixed(double speed);

    int32_t GetState() const { return state_; }
    int32_t GetBaseState() const { return baseState_; }
    double GetSpeedFactor() const { return speedFactor_; }
    bool IsSpeedFixed() const { return speedFixed_; }
    bool IsKeyWaitActive() const { return keyWaitActive_; }
    bool IsRestartPending() const { return restartPending_; }

    // The sub-screens: panels built in code under "Menu/Sub" (frame, group
    // "N", background "Back" and one standard button per item). A builder
    // replaces any open panel and shows the current setting; a refresh
    // lets every item go and holds down the one that matches the settings;
    // a choice handler takes the command the menu did not handle itself in
    // the panel's state. The sound panels do nothing without a sound device.
    void BuildSEVolumeScreen();
    void BuildBGMVolumeScreen();
    void BuildGraphicEffectScreen();
    void BuildScreenModeScreen();
    void BuildSaveLoadScreen();
    void BuildExitScreen();
    void RefreshSEVolumeItems();
    void RefreshBGMVolumeItems();
    void RefreshGraphicEffectItems();
    void RefreshScreenModeItems();
    void OnSEVolumeChoice(std::string command);
    void OnBGMVolumeChoice(std::string command);
    // "SetGE_On" / "SetGE_Off", then the refresh for any command.
    void OnGraphicEffectChoice(std::string command);
    void OnScreenModeChoice(std::string command);
    void OnSaveLoadChoice(std::string command);
    void OnExitChoice(std::string command);
    // Removes "Menu/Sub" with its whole tree.
    void CloseSubScreen();
    // The questions of states 18, 20, 22 and 27: "Yes" and "No" request
    // their states with their events; anything else leaves the question.
    void OnGoTitleConfirm(std::string command);
    void OnEndGameConfirm(std::string command);
    void OnRestartConfirm(std::string command);
    void OnClipLoadConfirm(std::string command);
    // Fills the script's "Menu/Caution" with the quick-save slot's
    // thumbnail, comment and date, when the slot and its caption's line in
    // "System/Save.def" exist.
    void ShowClipLoadCaution();

private:
    // The script page named name under the canvas, or null.
    CScriptPageNode* FindPage(const char* name);

    int32_t state_ = 0;
    bool keyLatch_ = false;
    bool keyWaitActive_ = false;
    float speedFactor_ = 1.0f;
    bool speedFixed_ = false;
    bool changePending_ = false;
    int32_t previousState_ = 0;
    int32_t pendingState_ = 0;
    int32_t baseState_ = 0;
    // A restart as the root, and whether it makes the play data new.
    bool restartPending_ = false;
    bool restartFresh_ = false;
};
