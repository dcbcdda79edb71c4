// The program's way through the user files, in-process: loaded before the
// game, the folder made, both files saved after a normal end, an error box
// and an exhausted heap, and a failing system-data save that still leaves
// the settings written; a second instance that touches nothing.
#include "app/game_program.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

#include "game_fixture.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "support/error_recorder.h"
#include "platform/instance_guard.h"
#include "platform/save_data.h"

namespace {

class GameProgramTest : public testing::Test {
protected:
    GameProgramTest() : base_(folder_.Path()), systemValue_(GetSystemData().vars.values[1]) {
        GetConfig().SetDefaults();
    }
    ~GameProgramTest() override { GetSystemData().vars.values[1] = systemValue_; }

    std::string UserFile(const char* name) const { return folder_.Path() + "UserData\\" + name; }

    CGameStateScope state_;
    CTempFolder folder_;
    CBaseDirectoryScope base_;
    CBoxRecorder boxes_;
    int32_t systemValue_;
};

TEST_F(GameProgramTest, BothFilesAreSavedOnEveryWayOut) {
    const struct {
        const char* name;
        void (*run)();
        size_t boxes;
    } ways[] = {
        {"normal end", [] {}, 0},
        {"error box", [] { ErrorReport(ErrorKind::Internal, 1, 2); }, 0},
        {"out of memory", [] { throw std::bad_alloc(); }, 1},
    };
    int fps = 15;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        RemoveDirectoryA((folder_.Path() + "UserData").c_str());
        DeleteFileA(UserFile("Config.ini").c_str());
        DeleteFileA(UserFile("System.dat").c_str());
        RemoveDirectoryA((folder_.Path() + "UserData").c_str());
        ASSERT_FALSE(FileExists(folder_.Path() + "UserData"));
        boxes_.boxes.clear();
        bool folderDuringRun = false;
        RunWithUserFiles([&] {
            folderDuringRun = GetFileAttributesA((folder_.Path() + "UserData").c_str()) ==
                              FILE_ATTRIBUTE_DIRECTORY;
            GetConfig().SetBaseFPS(fps);
            GetSystemData().vars.values[1] = fps;
            way.run();
        });
        EXPECT_TRUE(folderDuringRun);
        ASSERT_EQ(boxes_.boxes.size(), way.boxes);
        if (way.boxes) {
            EXPECT_EQ(boxes_.boxes[0].text, "メモリの確保に失敗しました");
            EXPECT_EQ(boxes_.boxes[0].caption, "メモリエラー");
            EXPECT_EQ(boxes_.boxes[0].style, 0x11010u);
            EXPECT_EQ(boxes_.boxes[0].owner, nullptr);
        }
        CConfig config;
        EXPECT_TRUE(config.Load(UserFile("Config.ini")));
        EXPECT_EQ(config.GetBaseFPS(), fps);
        CSystemData system;
        EXPECT_TRUE(system.Load(UserFile("System.dat")));
        EXPECT_EQ(system.vars.values[1], fps);
        fps += 15;
    }
}

TEST_F(GameProgramTest, TheFilesOfTheLastRunAreLoadedBeforeTheGame) {
    RunWithUserFiles([] {
        GetConfig().SetBGMVolume(-1500);
        GetSystemData().vars.values[1] = 77;
    });
    GetConfig().SetDefaults();
    GetSystemData().vars.values[1] = 0;
    int32_t volume = 0;
    int32_t value = 0;
    RunWithUserFiles([&] {
        volume = GetConfig().GetBGMVolume();
        value = GetSystemData().vars.values[1];
    });
    EXPECT_EQ(volume, -1500);
    EXPECT_EQ(value, 77);
}

TEST_F(GameProgramTest, AFailingSystemDataSaveShowsItsBoxAndTheSettingsAreStillWritten) {
    // A folder where the system data's file should be cannot be replaced.
    CreateDirectoryA((folder_.Path() + "UserData").c_str(), nullptr);
    CreateDirectoryA(UserFile("System.dat").c_str(), nullptr);
    RunWithUserFiles([] { GetConfig().SetBaseFPS(30); });
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::FileIO);
    CConfig config;
    EXPECT_TRUE(config.Load(UserFile("Config.ini")));
    EXPECT_EQ(config.GetBaseFPS(), 30);
    RemoveDirectoryA(UserFile("System.dat").c_str());
}

TEST_F(GameProgramTest, ASecondInstanceEndsAtOnceTouchingNothing) {
    CInstanceGuard first;
    ASSERT_TRUE(first.IsFirstInstance());
    bool ran = false;
    EXPECT_EQ(RunGameProgram(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOW,
                             [&] { ran = true; }),
              0);
    EXPECT_FALSE(ran);
}

}  // namespace
