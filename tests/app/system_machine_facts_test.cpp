// The diagnosis and its report over the machine the tests run on: the
// program's own answers reach them, in the window of a test application with
// a display device and without one.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/diagnosis_report.h"
#include "app/machine_facts.h"
#include "app/system_diagnosis.h"
#include "graphics/desktop_depth.h"
#include "graphics/display_driver.h"
#include "media/sound_available.h"
#include "media/sound_device.h"
#include "platform/paths.h"
#include "support/display_run.h"
#include "support/fake_clock.h"
#include "support/temp_folder.h"

namespace {

class CLineRecorder : public CDiagnosisLineDrawer {
public:
    void Draw(HDC, const DiagnosisLine& line) override { lines.push_back(line); }
    std::vector<DiagnosisLine> lines;
};

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string WriteReport(const CTempFolder& folder) {
    WriteDiagnosisReport(folder.Path() + "Debug.txt");
    const Bytes bytes = ReadBytes(folder.Path() + "Debug.txt");
    return std::string(bytes.begin(), bytes.end());
}

// Whether the pieces appear in the text in this order.
testing::AssertionResult InOrder(const std::string& text, const std::vector<std::string>& pieces) {
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        const std::size_t found = text.find(piece, at);
        if (found == std::string::npos)
            return testing::AssertionFailure() << "missing after " << at << ": " << piece;
        at = found + piece.size();
    }
    return testing::AssertionSuccess();
}

const std::vector<std::string> kSections = {
    "[コンピュータ診断情報]\r\n", "診断日時 : ",         "\r\nコンピュータ名 : ",
    "\r\n※表示は1MB=1024KB換算です\r\n", "\r\n●CPU情報\r\n", "\r\n●メモリ情報\r\n",
    "\r\n●ドライブ情報\r\n",   "\r\n●OS情報\r\n",      "\r\n●ディレクトリ情報\r\n",
    "\r\n●DirectX情報\r\n",    "\r\n●グラフィック情報\r\n", "\r\n[現在のディスプレイモード]\r\n",
    "\r\n●サウンド情報\r\n",   "\r\n[Sound Control Settings]\r\n", "\r\n●モジュール情報\r\n",
};

TEST(SystemMachineFacts, ReportWithoutADisplayDeviceSaysDirectDrawIsMissing) {
    CTempFolder folder;
    const std::string report = WriteReport(folder);
    EXPECT_TRUE(InOrder(report, kSections));
    EXPECT_TRUE(InOrder(report, {"●グラフィック情報\r\nDirectDrawが使用できません\r\n",
                                 "[現在のディスプレイモード]\r\n", "bit\r\nDirectDrawが使用できません\r\n"}));
    const std::string program = ProgramPath();
    EXPECT_TRUE(InOrder(report, {"Module  : " + program + "\r\n",
                                 "Base    : " + GetBaseDirectory() + "\r\n",
                                 "ModuleName      : " + program + "\r\n"}));
    // Wine's C: drive is a fixed disk with its sizes.
    EXPECT_NE(report.find("C:\\ FIXED "), std::string::npos);
    EXPECT_EQ(report.find("コンピュータ名 : \r\n"), std::string::npos);
    EXPECT_EQ(SharedSoundDeviceUsers(), 0);
}

TEST(SystemMachineFacts, WithTheDisplayDeviceDirectDrawAnswersTheChecksAndTheReport) {
    RunWithDisplay(DirectDrawDisplayDriver(), [](DisplayFixture&) {
        CMachineFacts& machine = SystemMachineFacts();
        ASSERT_TRUE(machine.HasDirectDraw());
        DirectDrawCaps driver = {};
        DirectDrawCaps emulation = {};
        driver.dwSize = emulation.dwSize = sizeof(DirectDrawCaps);
        EXPECT_EQ(machine.GetDirectDrawCaps(&driver, &emulation), DD_OK);

        FakeClock clock;
        CLineRecorder recorder;
        CSystemDiagnosis diagnosis(machine, clock, recorder);
        diagnosis.CheckGraphics();
        ASSERT_GE(recorder.lines.size(), 3u);
        EXPECT_EQ(recorder.lines[0].text, "[Graphics]");
        char size[64];
        snprintf(size, sizeof size, "%d x %d (%d bpp)", GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), static_cast<int>(GetDesktopBitDepth()));
        EXPECT_EQ(recorder.lines[1].text, size);
        EXPECT_EQ(recorder.lines.back().text, "DirectShow OK");

        CTempFolder folder;
        const std::string report = WriteReport(folder);
        EXPECT_TRUE(InOrder(report, kSections));
        EXPECT_TRUE(InOrder(report, {"●グラフィック情報\r\nVideo Memory     : ",
                                     "\r\n[DirectDraw HAL Caps]\r\nHardware Support : ",
                                     "\r\n[有効なディスプレイモード]\r\n", " 800× 600 ",
                                     "\r\n●サウンド情報\r\n"}));
    });
}

TEST(SystemMachineFacts, SoundCheckOnThisMachineSetsSoundAvailable) {
    // The test session runs a sound server, so DirectSound starts.
    FakeClock clock;
    CLineRecorder recorder;
    SetSoundAvailable(false);
    CSystemDiagnosis diagnosis(SystemMachineFacts(), clock, recorder);
    diagnosis.CheckSound();
    EXPECT_TRUE(IsSoundAvailable());
    EXPECT_EQ(SharedSoundDeviceUsers(), 0);
    SetSoundAvailable(false);
}

}  // namespace
