#include "platform/config.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/data_file.h"
#include "platform/loose_file.h"
#include "platform/simd_flags.h"
#include "platform/tokenizer.h"

namespace {

ConfigNotifyWindowProvider g_notifyWindow = nullptr;

constexpr int32_t kMinVolume = -10000;
constexpr int32_t kMaxVolume = 0;
constexpr float kMinGameSpeed = 0.5f;
constexpr float kMaxGameSpeed = 32.0f;
constexpr int32_t kMaxSkipWait = 10000;

int32_t ClampVolume(int32_t v) { return std::clamp(v, kMinVolume, kMaxVolume); }
float ClampGameSpeed(float s) { return std::clamp(s, kMinGameSpeed, kMaxGameSpeed); }
int32_t ClampSkipWait(int32_t ms) { return std::clamp(ms, 0, kMaxSkipWait); }

// "key", TABs up to column 24 (tab stops every 8 columns), "= ".
std::string KeyPrefix(const char* key) {
    const size_t length = std::char_traits<char>::length(key);
    const size_t tabs = length < 24 ? 3 - length / 8 : 0;
    return std::string(key) + std::string(tabs, '\t') + "= ";
}

std::string BoolLine(const char* key, bool value) {
    return KeyPrefix(key) + (value ? "true" : "false") + "\n";
}

std::string IntLine(const char* key, int32_t value) {
    return KeyPrefix(key) + std::to_string(value) + "\n";
}

}  // namespace

void SetConfigNotifyWindowProvider(ConfigNotifyWindowProvider provider) {
    g_notifyWindow = provider;
}

CConfig::CConfig() { SetDefaults(); }

CConfig::~CConfig() = default;

void CConfig::SetDefaults() {
    baseFPS_ = 60;
    waitVerticalBlank_ = false;
    cancelScreenSave_ = true;
    cancelSleep_ = true;
    cancelMonitorOff_ = true;
    diagnosis_ = true;
    autoPause_ = true;
    autoMute_ = false;
    validExitDialog_ = true;
    antiText_ = true;
    useEffect_ = true;
    screenMode_ = kScreenWindow;
    noiseCut_ = true;
    playSE_ = true;
    playVoice_ = true;
    playBGM_ = true;
    seVolume_ = 0;
    voiceVolume_ = 0;
    bgmVolume_ = 0;
    gameSpeed_ = 1.0f;
    skipWait_ = 0;
    validShortSkip_ = false;
    playMovie_ = true;
    SetUseMMXFlag(true);
    SetUseSSEFlag(true);
}

void CConfig::Clamp() {
    baseFPS_ = std::clamp(baseFPS_, 1, 60);
    if (baseFPS_ != 15 && baseFPS_ != 30 && baseFPS_ != 45 && baseFPS_ != 60) {
        baseFPS_ = 60;
    }
    seVolume_ = ClampVolume(seVolume_);
    bgmVolume_ = ClampVolume(bgmVolume_);
    voiceVolume_ = ClampVolume(voiceVolume_);
    gameSpeed_ = ClampGameSpeed(gameSpeed_);
    skipWait_ = ClampSkipWait(skipWait_);
}

std::string CConfig::FormatText() const {
    char speed[32];
    std::snprintf(speed, sizeof speed, "%4.2f", static_cast<double>(gameSpeed_));
    return "// System Config\n" + BoolLine("IsCancelScreenSave", cancelScreenSave_) +
           BoolLine("IsCancelSleep", cancelSleep_) +
           BoolLine("IsCancelMonitorOff", cancelMonitorOff_) +
           BoolLine("IsDiagnosis", diagnosis_) + BoolLine("IsAutoPause", autoPause_) +
           BoolLine("IsAutoMute", autoMute_) + IntLine("BaseFPS", baseFPS_) +
           BoolLine("IsValidExitDialog", validExitDialog_) + BoolLine("IsUseMMX", IsUseMMX()) +
           BoolLine("IsUseSSE", IsUseSSE()) + "\n" +
           "// Graphic Config\n" + BoolLine("IsUseEffect", useEffect_) +
           BoolLine("IsAntiText", antiText_) + "\n" +
           "// Sound Config\n" + BoolLine("IsNoiseCut", noiseCut_) +
           BoolLine("IsPlaySE", playSE_) + BoolLine("IsPlayBGM", playBGM_) +
           IntLine("SEVolume", seVolume_) + IntLine("BGMVolume", bgmVolume_) + "\n" +
           "// Game Config\n" + KeyPrefix("GameSpeed") + speed + "\n" +
           IntLine("SkipWait", skipWait_) + BoolLine("IsValidShortSkip", validShortSkip_) +
           BoolLine("IsPlayMovie", playMovie_);
}

bool CConfig::Load(const std::string& path) {
    SetDefaults();
    CDataFile file;
    if (file.OpenWhole(path, true) != 0) {
        return false;
    }
    ParseText(reinterpret_cast<const char*>(file.GetData()), static_cast<int>(file.GetSize()));
    Clamp();
    return true;
}

void CConfig::Save(const std::string& path) {
    seVolume_ = ClampVolume(seVolume_);
    voiceVolume_ = ClampVolume(voiceVolume_);
    bgmVolume_ = ClampVolume(bgmVolume_);
    gameSpeed_ = ClampGameSpeed(gameSpeed_);
    skipWait_ = ClampSkipWait(skipWait_);
    // A text file: CR LF line ends on disk. Written whole through a temporary
    // file, so an interrupted write keeps the previous settings; a file that
    // cannot be written is skipped without a word.
    std::string text;
    for (char c : FormatText()) {
        if (c == '\n') text += '\r';
        text += c;
    }
    WriteFileReplacing(path, text.data(), static_cast<uint32_t>(text.size()));
}

bool CConfig::IsUseMMX() const { return GetUseMMXFlag(); }

bool CConfig::IsUseSSE() const { return GetUseSSEFlag(); }

void CConfig::Notify(ConfigSettingId id, LPARAM value) {
    HWND window = g_notifyWindow ? g_notifyWindow() : nullptr;
    PostMessageA(window, kSettingChangedMessage, id, value);
}

void CConfig::NotifyFlag(ConfigSettingId id, bool& field, bool on) {
    field = on;
    Notify(id, on ? 1 : 0);
}

void CConfig::SetBaseFPS(int32_t fps) {
    baseFPS_ = fps;
    Notify(kSettingBaseFPS, std::clamp(fps, 1, 60));
}

void CConfig::SetNoiseCut(bool on) { NotifyFlag(kSettingNoiseCut, noiseCut_, on); }
void CConfig::SetCancelScreenSave(bool on) {
    NotifyFlag(kSettingCancelScreenSave, cancelScreenSave_, on);
}
void CConfig::SetCancelSleep(bool on) { NotifyFlag(kSettingCancelSleep, cancelSleep_, on); }
void CConfig::SetCancelMonitorOff(bool on) {
    NotifyFlag(kSettingCancelMonitorOff, cancelMonitorOff_, on);
}
void CConfig::SetDiagnosis(bool on) { NotifyFlag(kSettingDiagnosis, diagnosis_, on); }
void CConfig::SetAutoPause(bool on) { NotifyFlag(kSettingAutoPause, autoPause_, on); }
void CConfig::SetAutoMute(bool on) { NotifyFlag(kSettingAutoMute, autoMute_, on); }
void CConfig::SetValidExitDialog(bool on) {
    NotifyFlag(kSettingValidExitDialog, validExitDialog_, on);
}
void CConfig::SetUseEffect(bool on) { NotifyFlag(kSettingUseEffect, useEffect_, on); }
void CConfig::SetAntiText(bool on) { NotifyFlag(kSettingAntiText, antiText_, on); }
void CConfig::SetPlaySE(bool on) { NotifyFlag(kSettingPlaySE, playSE_, on); }
void CConfig::SetPlayBGM(bool on) { NotifyFlag(kSettingPlayBGM, playBGM_, on); }
void CConfig::SetValidShortSkip(bool on) {
    NotifyFlag(kSettingValidShortSkip, validShortSkip_, on);
}
void CConfig::SetPlayMovie(bool on) { NotifyFlag(kSettingPlayMovie, playMovie_, on); }

void CConfig::SetUseMMX(bool on) {
    SetUseMMXFlag(on);
    Notify(kSettingUseMMX, on ? 1 : 0);
}

void CConfig::SetUseSSE(bool on) {
    SetUseSSEFlag(on);
    Notify(kSettingUseSSE, on ? 1 : 0);
}

void CConfig::SetScreenMode(int32_t mode) {
    const bool changed = mode != screenMode_;
    screenMode_ = mode;
    if (changed) {
        Notify(kSettingScreenMode, mode);
    }
}

void CConfig::SetSEVolume(int32_t volume) {
    seVolume_ = ClampVolume(volume);
    Notify(kSettingSEVolume, seVolume_);
}

void CConfig::SetBGMVolume(int32_t volume) {
    bgmVolume_ = ClampVolume(volume);
    Notify(kSettingBGMVolume, bgmVolume_);
}

void CConfig::SetGameSpeed(float speed) {
    gameSpeed_ = ClampGameSpeed(speed);
    Notify(kSettingGameSpeed, static_cast<LPARAM>(gameSpeed_));
}

void CConfig::SetSkipWait(int32_t ms) {
    skipWait_ = ClampSkipWait(ms);
    Notify(kSettingSkipWait, skipWait_);
}

namespace {

// An integer value: "-" or "+" and the digits after it (none give 0), or a
// token that begins with a digit, else 0. Digits beyond the int32 range
// saturate.
int32_t DigitsValue(const std::string& digits) {
    int64_t v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        v = std::min<int64_t>(v * 10 + (c - '0'), INT32_MAX);
    }
    return static_cast<int32_t>(v);
}

int32_t ReadIntegerValue(CTokenizer& tokenizer) {
    std::string token;
    tokenizer.NextToken(token);
    if (token == "-" || token == "+") {
        std::string digits;
        if (tokenizer.ReadNumber(digits) != CTokenizer::kRead) {
            return 0;
        }
        const int32_t v = DigitsValue(digits);
        return token == "-" ? -v : v;
    }
    if (!token.empty() && token[0] >= '0' && token[0] <= '9') {
        return DigitsValue(token);
    }
    return 0;
}

// The whole part as an integer, then "." and a run of digits as the fraction;
// anything else after the "." makes the value 0.
double ReadDecimalValue(CTokenizer& tokenizer) {
    const double whole = ReadIntegerValue(tokenizer);
    std::string next;
    tokenizer.PeekToken(next);
    if (next != ".") {
        return whole;
    }
    tokenizer.SkipToken();
    std::string digits;
    if (tokenizer.NextToken(digits) != kTokenNumber) {
        return 0.0;
    }
    double fraction = 0.0;
    double scale = 1.0;
    for (char c : digits) {
        fraction = fraction * 10.0 + (c - '0');
        scale *= 10.0;
    }
    return whole + fraction / scale;
}

}  // namespace

void CConfig::ParseText(const char* data, int length) {
    CTokenizer tokenizer(data, length);
    tokenizer.AddSymbols("-", "+", ".", "=", "");

    struct BoolKey {
        const char* key;
        bool* field;
    };
    bool useMMX = GetUseMMXFlag();
    bool useSSE = GetUseSSEFlag();
    const BoolKey boolKeys[] = {
        {"IsCancelScreenSave", &cancelScreenSave_},
        {"IsCancelSleep", &cancelSleep_},
        {"IsCancelMonitorOff", &cancelMonitorOff_},
        {"IsDiagnosis", &diagnosis_},
        {"IsAutoPause", &autoPause_},
        {"IsAutoMute", &autoMute_},
        {"IsValidExitDialog", &validExitDialog_},
        {"IsUseMMX", &useMMX},
        {"IsUseSSE", &useSSE},
        {"IsUseEffect", &useEffect_},
        {"IsAntiText", &antiText_},
        {"IsNoiseCut", &noiseCut_},
        {"IsPlaySE", &playSE_},
        {"IsPlayBGM", &playBGM_},
        {"IsValidShortSkip", &validShortSkip_},
        {"IsPlayMovie", &playMovie_},
    };
    struct IntKey {
        const char* key;
        int32_t* field;
    };
    const IntKey intKeys[] = {
        {"BaseFPS", &baseFPS_},
        {"SEVolume", &seVolume_},
        {"BGMVolume", &bgmVolume_},
        {"SkipWait", &skipWait_},
    };

    for (;;) {
        std::string key;
        if (tokenizer.NextToken(key) == kTokenEnd) {
            break;
        }
        std::string equals;
        tokenizer.NextToken(equals);
        if (equals != "=") {
            break;
        }
        if (key == "GameSpeed") {
            gameSpeed_ = static_cast<float>(ReadDecimalValue(tokenizer));
            continue;
        }
        for (const BoolKey& b : boolKeys) {
            if (key == b.key) {
                std::string value;
                tokenizer.NextToken(value);
                *b.field = value == "true";
            }
        }
        for (const IntKey& i : intKeys) {
            if (key == i.key) {
                *i.field = ReadIntegerValue(tokenizer);
            }
        }
        // An unknown key reads nothing more: its value is taken as the next
        // key, and the reading stops there.
    }
    SetUseMMXFlag(useMMX);
    SetUseSSEFlag(useSSE);
}
