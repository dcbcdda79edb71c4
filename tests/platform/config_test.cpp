#include "platform/config.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/simd_flags.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

namespace {

std::string ReadTestText(const char* name) {
    std::ifstream in(std::string(MIRL_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

struct Posted {
    WPARAM id;
    LPARAM value;
};

// The setting notifications waiting in this thread's queue (no window: the
// setters post them as thread messages).
std::vector<Posted> TakePosted() {
    std::vector<Posted> out;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, kSettingChangedMessage, kSettingChangedMessage,
                        PM_REMOVE)) {
        out.push_back({msg.wParam, msg.lParam});
    }
    return out;
}

TEST(Config, DefaultsFormatAsTheHandWrittenFile) {
    CConfig config;
    EXPECT_EQ(WithCrLf(config.FormatText()), ReadTestText("default_config.ini"));
}

TEST(Config, FormatsValuesAndTabsAsTheFileExpects) {
    CConfig config;
    config.SetBaseFPS(15);
    config.SetSEVolume(-2500);
    config.SetGameSpeed(1.05f);
    config.SetUseMMX(false);
    TakePosted();
    const std::string text = config.FormatText();
    EXPECT_NE(text.find("BaseFPS\t\t\t= 15\n"), std::string::npos);
    EXPECT_NE(text.find("SEVolume\t\t= -2500\n"), std::string::npos);
    EXPECT_NE(text.find("GameSpeed\t\t= 1.05\n"), std::string::npos);
    EXPECT_NE(text.find("IsUseMMX\t\t= false\n"), std::string::npos);
    config.SetDefaults();
    EXPECT_TRUE(GetUseMMXFlag());
}

TEST(Config, SettersPostTheirIdAndValue) {
    CConfig config;
    TakePosted();
    struct Case {
        const char* what;
        std::function<void()> set;
        WPARAM id;
        LPARAM value;
        std::function<bool()> stored;
    };
    const Case cases[] = {
        {"BaseFPS 50 stored as given", [&] { config.SetBaseFPS(50); }, 3, 50,
         [&] { return config.GetBaseFPS() == 50; }},
        {"BaseFPS 90 posted clamped", [&] { config.SetBaseFPS(90); }, 3, 60,
         [&] { return config.GetBaseFPS() == 90; }},
        {"noise cut", [&] { config.SetNoiseCut(false); }, 4, 0, [&] { return !config.IsNoiseCut(); }},
        {"screen save", [&] { config.SetCancelScreenSave(false); }, 6, 0,
         [&] { return !config.IsCancelScreenSave(); }},
        {"sleep", [&] { config.SetCancelSleep(false); }, 7, 0, [&] { return !config.IsCancelSleep(); }},
        {"monitor", [&] { config.SetCancelMonitorOff(false); }, 8, 0,
         [&] { return !config.IsCancelMonitorOff(); }},
        {"diagnosis", [&] { config.SetDiagnosis(false); }, 9, 0, [&] { return !config.IsDiagnosis(); }},
        {"auto pause", [&] { config.SetAutoPause(false); }, 10, 0, [&] { return !config.IsAutoPause(); }},
        {"auto mute", [&] { config.SetAutoMute(true); }, 11, 1, [&] { return config.IsAutoMute(); }},
        {"exit dialog", [&] { config.SetValidExitDialog(false); }, 12, 0,
         [&] { return !config.IsValidExitDialog(); }},
        {"MMX", [&] { config.SetUseMMX(false); }, 13, 0, [&] { return !GetUseMMXFlag(); }},
        {"SSE", [&] { config.SetUseSSE(false); }, 14, 0, [&] { return !GetUseSSEFlag(); }},
        {"effect", [&] { config.SetUseEffect(false); }, 15, 0, [&] { return !config.IsUseEffect(); }},
        {"screen mode", [&] { config.SetScreenMode(7); }, 16, 7, [&] { return config.GetScreenMode() == 7; }},
        {"anti text", [&] { config.SetAntiText(false); }, 17, 0, [&] { return !config.IsAntiText(); }},
        {"play SE", [&] { config.SetPlaySE(false); }, 18, 0, [&] { return !config.IsPlaySE(); }},
        {"play BGM", [&] { config.SetPlayBGM(false); }, 20, 0, [&] { return !config.IsPlayBGM(); }},
        {"SE volume clamped", [&] { config.SetSEVolume(-20000); }, 21, -10000,
         [&] { return config.GetSEVolume() == -10000; }},
        {"SE volume above 0", [&] { config.SetSEVolume(300); }, 21, 0, [&] { return config.GetSEVolume() == 0; }},
        {"BGM volume", [&] { config.SetBGMVolume(-1500); }, 23, -1500,
         [&] { return config.GetBGMVolume() == -1500; }},
        {"BGM volume clamped", [&] { config.SetBGMVolume(5); }, 23, 0, [&] { return config.GetBGMVolume() == 0; }},
        {"game speed truncated", [&] { config.SetGameSpeed(2.75f); }, 24, 2,
         [&] { return config.GetGameSpeed() == 2.75f; }},
        {"game speed clamped", [&] { config.SetGameSpeed(0.1f); }, 24, 0,
         [&] { return config.GetGameSpeed() == 0.5f; }},
        {"skip wait clamped", [&] { config.SetSkipWait(20000); }, 25, 10000,
         [&] { return config.GetSkipWait() == 10000; }},
        {"short skip", [&] { config.SetValidShortSkip(true); }, 27, 1,
         [&] { return config.IsValidShortSkip(); }},
        {"movie", [&] { config.SetPlayMovie(false); }, 28, 0, [&] { return !config.IsPlayMovie(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.set();
        std::vector<Posted> posted = TakePosted();
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].id, c.id);
        EXPECT_EQ(posted[0].value, c.value);
        EXPECT_TRUE(c.stored());
    }
    config.SetDefaults();
}

TEST(Config, ScreenModePostsOnlyOnAChange) {
    CConfig config;
    TakePosted();
    config.SetScreenMode(kScreenWindow);
    EXPECT_TRUE(TakePosted().empty());
    config.SetScreenMode(kScreenFull16);
    EXPECT_EQ(TakePosted().size(), 1u);
}

// What ParseText then Clamp make of a settings text, as Load does.
struct LoadCase {
    const char* what;
    const char* text;
    std::function<bool(const CConfig&)> check;
};

TEST(Config, ReadsSettingsTextAsTheGameExpects) {
    const LoadCase cases[] = {
        {"BaseFPS 50 loads as 60", "BaseFPS = 50\r\n", [](const CConfig& c) { return c.GetBaseFPS() == 60; }},
        {"BaseFPS 0 loads as 60", "BaseFPS = 0\r\n", [](const CConfig& c) { return c.GetBaseFPS() == 60; }},
        {"BaseFPS 45", "BaseFPS\t\t\t= 45\r\n", [](const CConfig& c) { return c.GetBaseFPS() == 45; }},
        {"GameSpeed 1.05", "GameSpeed = 1.05\r\n",
         [](const CConfig& c) { return c.GetGameSpeed() == 1.05f; }},
        {"GameSpeed 0.25 clamped", "GameSpeed = 0.25", [](const CConfig& c) { return c.GetGameSpeed() == 0.5f; }},
        {"GameSpeed 2", "GameSpeed = 2\r\n", [](const CConfig& c) { return c.GetGameSpeed() == 2.0f; }},
        {"GameSpeed 1.x is 0, clamped", "GameSpeed = 1.x\r\n",
         [](const CConfig& c) { return c.GetGameSpeed() == 0.5f; }},
        {"GameSpeed 99 clamped", "GameSpeed = 99.5", [](const CConfig& c) { return c.GetGameSpeed() == 32.0f; }},
        {"SEVolume -20000 clamped", "SEVolume = -20000\r\n",
         [](const CConfig& c) { return c.GetSEVolume() == -10000; }},
        {"sign apart from digits", "SEVolume = - 2000\r\n",
         [](const CConfig& c) { return c.GetSEVolume() == -2000; }},
        {"sign without digits", "BGMVolume = -\r\nSkipWait = 500",
         [](const CConfig& c) { return c.GetBGMVolume() == 0 && c.GetSkipWait() == 500; }},
        {"non-numeric value", "SkipWait = soon\r\n", [](const CConfig& c) { return c.GetSkipWait() == 0; }},
        {"huge number saturates, clamped", "SkipWait = 99999999999999\r\n",
         [](const CConfig& c) { return c.GetSkipWait() == 10000; }},
        {"only true is true", "IsUseMMX = 1\r\nIsAutoMute = true\r\n",
         [](const CConfig& c) { return !c.IsUseMMX() && c.IsAutoMute(); }},
        {"unknown first key keeps every default", "Volume = 3\r\nBaseFPS = 30\r\n",
         [](const CConfig& c) { return c.GetBaseFPS() == 60; }},
        {"known key after an unknown one keeps its default",
         "IsAutoMute = true\r\nColour = red\r\nBaseFPS = 30\r\n",
         [](const CConfig& c) { return c.IsAutoMute() && c.GetBaseFPS() == 60; }},
        {"keys are case-sensitive", "basefps = 30\r\n", [](const CConfig& c) { return c.GetBaseFPS() == 60; }},
        {"a line without = stops the reading", "BaseFPS 30\r\nSkipWait = 100\r\n",
         [](const CConfig& c) { return c.GetBaseFPS() == 60 && c.GetSkipWait() == 0; }},
        // A lone LF is an ordinary character, not a line end: the reading
        // stops at the first one.
        {"LF-only line ends", "BaseFPS = 30\nSkipWait = 100\n",
         [](const CConfig& c) { return c.GetBaseFPS() == 30 && c.GetSkipWait() == 0; }},
        {"extra spaces and comments", "// c\r\n   BaseFPS   =    15 /* x */\r\n\r\n",
         [](const CConfig& c) { return c.GetBaseFPS() == 15; }},
        {"truncated last line", "SkipWait = 100\r\nBaseFPS =", [](const CConfig& c) {
             return c.GetSkipWait() == 100 && c.GetBaseFPS() == 60;
         }},
        {"empty text", "", [](const CConfig& c) { return c.GetBaseFPS() == 60 && c.IsDiagnosis(); }},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        CConfig config;
        const std::string text = c.text;
        config.ParseText(text.data(), static_cast<int>(text.size()));
        config.Clamp();
        EXPECT_TRUE(c.check(config)) << config.FormatText();
    }
    CConfig().SetDefaults();
}

TEST(Config, FormattedTextReadsBackAsTheSameSettings) {
    CConfig config;
    config.SetBaseFPS(30);
    config.SetAutoMute(true);
    config.SetUseSSE(false);
    config.SetBGMVolume(-1500);
    config.SetGameSpeed(2.5f);
    config.SetSkipWait(4000);
    config.SetValidShortSkip(true);
    TakePosted();
    const std::string text = WithCrLf(config.FormatText());

    CConfig copy;
    copy.ParseText(text.data(), static_cast<int>(text.size()));
    copy.Clamp();
    EXPECT_EQ(WithCrLf(copy.FormatText()), text);
    CConfig().SetDefaults();
}

TEST(Config, SavesAndLoadsTheSettingsFile) {
    CTempFolder folder;
    CBaseDirectoryScope base(folder.Path());

    CConfig config;
    EXPECT_FALSE(config.Load("UserData/Config.ini"));  // missing: defaults stay
    EXPECT_EQ(config.GetBaseFPS(), 60);

    CreateDirectoryA((folder.Path() + "UserData").c_str(), nullptr);
    config.Save("UserData/Config.ini");
    const std::vector<uint8_t> written = ReadBytes(folder.Path() + "UserData\\Config.ini");
    EXPECT_EQ(std::string(written.begin(), written.end()), ReadTestText("default_config.ini"));

    config.SetBaseFPS(30);
    config.SetGameSpeed(1.25f);
    config.SetSEVolume(-500);
    config.SetValidShortSkip(true);
    TakePosted();
    config.Save("UserData/Config.ini");
    CConfig loaded;
    EXPECT_TRUE(loaded.Load("UserData/Config.ini"));
    EXPECT_EQ(loaded.FormatText(), config.FormatText());
    CConfig().SetDefaults();
}

TEST(Config, SavingClampsValuesOutsideTheirRanges) {
    CTempFolder folder;
    CBaseDirectoryScope base(folder.Path());
    const std::string text = "GameSpeed = 40.0\r\nSkipWait = 20000\r\n";
    folder.Write("Config.ini", text);
    CConfig config;
    ASSERT_TRUE(config.Load("Config.ini"));
    config.Save("Config.ini");
    const std::vector<uint8_t> written = ReadBytes(folder.Path() + "Config.ini");
    const std::string saved(written.begin(), written.end());
    EXPECT_NE(saved.find("GameSpeed\t\t= 32.00\r\n"), std::string::npos);
    EXPECT_NE(saved.find("SkipWait\t\t= 10000\r\n"), std::string::npos);
}

TEST(Config, UnwritableFileIsSkippedWithoutAnErrorBox) {
    CTempFolder folder;
    CBaseDirectoryScope base(folder.Path());
    CConfig config;
    config.Save("NoSuchFolder/Config.ini");
    EXPECT_TRUE(RecordedErrors().empty());
    EXPECT_FALSE(FileExists(folder.Path() + "NoSuchFolder\\Config.ini"));
}

}  // namespace
