// The root scene of the game: a black background "Back", the story as the
// script page "Game" (the scene's script, from its page "Main", at the
// configured game speed) and the menu layer as the script page "Menu"
// ("mn/Menu.txt") above it, which fades in during the first second. The
// scene's own executor runs nothing: both scripts run inside their pages.
// Script commands and the story's events reach it through its event entry
// (OnEvent), which leads to ReceiveCommand: a state machine of skip, hide,
// the menu and its panels, selections and key waits (MenuState). A change
// of state first runs the menu script's page named after the change, when
// it has one, and is entered once that page has ended. Keys and clicks are
// turned into the same commands before the scene's nodes see them.
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
    // frame; a change waiting for its event page is entered once the page
    // has ended; once the story has ended, a return to the scene below.
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

    // The command entry: every command goes to ReceiveCommand.
    void OnEvent(std::string name) override;
    // Skip, hide and the menu by keys and clicks, and settings changes;
    // 1 when the menu took the message, else what the scene's nodes and
    // listeners answer.
    int HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The commands of the current state first, then those of every state.
    // Unlisted names change nothing.
    void ReceiveCommand(std::string command);
    // Nothing when the state is already current or a change is pending;
    // else as ForceState.
    void RequestState(int32_t state, std::string event);
    // The state passes through kMenuStateChanging: with an event page that
    // has not ended after its first run the change waits for it (Update
    // enters it), otherwise the state is entered at once.
    void ForceState(int32_t state, std::string event);
    // Runs the menu script's page of that name on "Menu" up to its first
    // wait; false when there is no such page.
    bool RaiseMenuEvent(std::string event);
    // What entering each state does to the menu bar, the story's speed, the
    // layers, the panels and the scenes. Nothing when the state is the
    // current or the previous one.
    void EnterState(int32_t state);
    // Fades "Menu/WaitIcon" in or out over 500 ms.
    void ShowWaitIcon(bool show);
    // Removes the node at the path under the canvas.
    void RemoveNode(std::string path);

    int32_t GetPreviousState() const { return previousState_; }
    int32_t GetPendingState() const { return pendingState_; }
    bool IsChangePending() const { return changePending_; }

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

    // Commands by state, and those of every state.
    void ReceiveStateCommand(const std::string& command);
    void ReceiveCommonCommand(const std::string& command);
    void ReceivePanelCommand(const std::string& command);
    // What the menu leaves to the open panel's choice handler.
    void ReceivePanelChoice(const std::string& command);
    // "Cancel" answers a question as "No"; the rest goes to its handler.
    void ReceiveQuestionCommand(const std::string& command);
    // "SavePoint:" and its caption key: the live play data takes the caption
    // and the saved copy becomes the live data.
    void TakeSavePoint(const std::string& caption);
    // The saved copy written to the quick-save slot.
    void QuickSave();
    // Hands a command to the command entry, as the scripts do.
    void SendCommand(const char* command);
    // "Enable" to the clip button when the saved copy has a caption, else
    // "Disable".
    void ApplyClipRule();
    // "Enable" or "Disable" to the skip and system buttons of the menu bar;
    // the clip button by the clip rule, or disabled.
    void SetBar(const char* skip, bool clipByRule, const char* system);
    // The story's speed 0 and its current run interrupted.
    void StopStory();
    // A fade of the content of the pages the path reaches, over 500 ms.
    void FadePages(const char* path, double target);
    // Ends the story's key wait, when "Game" holds one.
    void EndGameKeyWait();
    // The quick-save slot into the live play data and the saved copy, then
    // the story from "Main" with them; a slot that cannot be read changes
    // nothing and goes back to the save and load panel.
    void LoadQuickSave();
    // Back from a called save or load screen: the quick-load entry of the
    // save and load panel follows whether the quick-save slot exists, and
    // the panel comes back.
    void ReturnFromSlotScreen();
    int OnKeyDown(HWND window, WPARAM key, LPARAM lParam);
    int OnLeftButtonDown(HWND window, WPARAM wParam, LPARAM lParam);
    int OnSettingChanged(HWND window, WPARAM id, LPARAM value);
    // The story at 16 times the game speed until its next key wait.
    void ShortSkip();
    // Whether the click hits the node at the path under the canvas.
    bool ClickHits(const char* path, LPARAM lParam);
};
