// The one settings object of the game, kept in "UserData/Config.ini". Every
// setter announces its change by posting WM_USER+1 (setting id, new value) to
// the window that the notify target names; the game window's handler and the
// sound groups react to it later, inside the message pump.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

constexpr UINT kSettingChangedMessage = WM_USER + 1;

enum ConfigSettingId : int {
    kSettingBaseFPS = 3,
    kSettingNoiseCut = 4,
    kSettingCancelScreenSave = 6,
    kSettingCancelSleep = 7,
    kSettingCancelMonitorOff = 8,
    kSettingDiagnosis = 9,
    kSettingAutoPause = 10,
    kSettingAutoMute = 11,
    kSettingValidExitDialog = 12,
    kSettingUseMMX = 13,
    kSettingUseSSE = 14,
    kSettingUseEffect = 15,
    kSettingScreenMode = 16,
    kSettingAntiText = 17,
    kSettingPlaySE = 18,
    kSettingPlayVoice = 19,
    kSettingPlayBGM = 20,
    kSettingSEVolume = 21,
    kSettingVoiceVolume = 22,
    kSettingBGMVolume = 23,
    kSettingGameSpeed = 24,
    kSettingSkipWait = 25,
    kSettingValidShortSkip = 27,
    kSettingPlayMovie = 28,
};

// Screen modes: 1 window, 5 / 6 / 7 full screen at 16 / 24 / 32 bits.
enum ScreenMode : int32_t {
    kScreenWindow = 1,
    kScreenFull16 = 5,
    kScreenFull24 = 6,
    kScreenFull32 = 7,
};

class CConfig {
public:
    CConfig();
    virtual ~CConfig();

    void SetDefaults();
    // True when the file was read; false when it was not found (defaults).
    bool Load(const std::string& path);
    // Writes the file; one that cannot be written is skipped silently.
    void Save(const std::string& path);
    void Clamp();

    // The settings file's text, with "\n" line ends (CR LF on disk).
    std::string FormatText() const;
    // Reads settings from a file's text over the current values; stops at
    // the first line it does not understand.
    void ParseText(const char* data, int length);

    int32_t GetBaseFPS() const { return baseFPS_; }
    bool IsWaitVerticalBlank() const { return waitVerticalBlank_; }
    bool IsCancelScreenSave() const { return cancelScreenSave_; }
    bool IsCancelSleep() const { return cancelSleep_; }
    bool IsCancelMonitorOff() const { return cancelMonitorOff_; }
    bool IsDiagnosis() const { return diagnosis_; }
    bool IsAutoPause() const { return autoPause_; }
    bool IsAutoMute() const { return autoMute_; }
    bool IsValidExitDialog() const { return validExitDialog_; }
    bool IsUseMMX() const;
    bool IsUseSSE() const;
    bool IsAntiText() const { return antiText_; }
    bool IsUseEffect() const { return useEffect_; }
    int32_t GetScreenMode() const { return screenMode_; }
    bool IsNoiseCut() const { return noiseCut_; }
    bool IsPlaySE() const { return playSE_; }
    bool IsPlayVoice() const { return playVoice_; }
    bool IsPlayBGM() const { return playBGM_; }
    int32_t GetSEVolume() const { return seVolume_; }
    int32_t GetVoiceVolume() const { return voiceVolume_; }
    int32_t GetBGMVolume() const { return bgmVolume_; }
    float GetGameSpeed() const { return gameSpeed_; }
    int32_t GetSkipWait() const { return skipWait_; }
    bool IsValidShortSkip() const { return validShortSkip_; }
    bool IsPlayMovie() const { return playMovie_; }

    void SetBaseFPS(int32_t fps);
    void SetNoiseCut(bool on);
    void SetCancelScreenSave(bool on);
    void SetCancelSleep(bool on);
    void SetCancelMonitorOff(bool on);
    void SetDiagnosis(bool on);
    void SetAutoPause(bool on);
    void SetAutoMute(bool on);
    void SetValidExitDialog(bool on);
    void SetUseMMX(bool on);
    void SetUseSSE(bool on);
    void SetUseEffect(bool on);
    void SetScreenMode(int32_t mode);
    void SetAntiText(bool on);
    void SetPlaySE(bool on);
    void SetPlayBGM(bool on);
    void SetSEVolume(int32_t volume);
    void SetBGMVolume(int32_t volume);
    void SetGameSpeed(float speed);
    void SetSkipWait(int32_t ms);
    void SetValidShortSkip(bool on);
    void SetPlayMovie(bool on);

private:
    void Notify(ConfigSettingId id, LPARAM value);
    void NotifyFlag(ConfigSettingId id, bool& field, bool on);

    int32_t baseFPS_;
    bool waitVerticalBlank_;
    bool cancelScreenSave_;
    bool cancelSleep_;
    bool cancelMonitorOff_;
    bool diagnosis_;
    bool autoPause_;
    bool autoMute_;
    bool validExitDialog_;
    bool antiText_;
    bool useEffect_;
    int32_t screenMode_;
    bool noiseCut_;
    bool playSE_;
    bool playVoice_;
    bool playBGM_;
    int32_t seVolume_;
    int32_t voiceVolume_;
    int32_t bgmVolume_;
    float gameSpeed_;
    int32_t skipWait_;
    bool validShortSkip_;
    bool playMovie_;
};

// The window that receives the setters' notifications; the game names its
// main window. With no provider, or no window yet, the notification is
// posted to the calling thread's queue.
using ConfigNotifyWindowProvider = HWND (*)();
void SetConfigNotifyWindowProvider(ConfigNotifyWindowProvider provider);
