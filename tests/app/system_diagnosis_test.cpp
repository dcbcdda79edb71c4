// The start-up checks on made-up machines: the lines they print (kind, text,
// colour, place), the pauses between them and the sound-available flag.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/system_diagnosis.h"
#include "fake_machine.h"
#include "media/sound_available.h"
#include "media/sound_device.h"
#include "support/fake_clock.h"

namespace {

using Kind = DiagnosisLineKind;

class CLineRecorder : public CDiagnosisLineDrawer {
public:
    void Draw(HDC target, const DiagnosisLine& line) override {
        targets.push_back(target);
        lines.push_back(line);
    }
    std::vector<HDC> targets;
    std::vector<DiagnosisLine> lines;
};

struct ExpectedLine {
    Kind kind;
    std::string text;
};

bool operator==(const ExpectedLine& a, const ExpectedLine& b) {
    return a.kind == b.kind && a.text == b.text;
}

void PrintTo(const ExpectedLine& line, std::ostream* out) {
    *out << static_cast<int>(line.kind) << " \"" << line.text << "\"";
}

const HDC kTarget = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x5150));

// What a machine with everything in order prints, check by check.
const std::vector<ExpectedLine> kCpuInOrder = {{Kind::kHeading, "[CPU]"},
                                               {Kind::kItem, "Intel (SSE2,SSE,MMX)"}};
const std::vector<ExpectedLine> kMemoryInOrder = {{Kind::kHeading, "[Memoy]"},
                                                  {Kind::kItem, "Total  256 MB"},
                                                  {Kind::kItem, "Free   128 MB"}};
const std::vector<ExpectedLine> kOsInOrder = {{Kind::kHeading, "[OS]"},
                                              {Kind::kItem, "Windows XP"}};
const std::vector<ExpectedLine> kDirectXInOrder = {{Kind::kHeading, "[DirectX]"},
                                                   {Kind::kItem, "DirectX 8.1 later"}};
const std::vector<ExpectedLine> kGraphicsInOrder = {{Kind::kHeading, "[Graphics]"},
                                                    {Kind::kItem, "1024 x 768 (32 bpp)"},
                                                    {Kind::kItem, "DirectShow OK"}};
const std::vector<ExpectedLine> kSoundInOrder = {{Kind::kHeading, "[Sound]"},
                                                 {Kind::kItem, "OK"}};

struct CheckLines {
    std::vector<ExpectedLine> cpu = kCpuInOrder;
    std::vector<ExpectedLine> memory = kMemoryInOrder;
    std::vector<ExpectedLine> os = kOsInOrder;
    std::vector<ExpectedLine> directX = kDirectXInOrder;
    std::vector<ExpectedLine> graphics = kGraphicsInOrder;
    std::vector<ExpectedLine> sound = kSoundInOrder;
    // The pauses of each check, in order.
    std::vector<std::vector<uint32_t>> pauses = {{100}, {100}, {100}, {100}, {100}, {100}};

    std::vector<ExpectedLine> All() const {
        std::vector<ExpectedLine> all = {{Kind::kHeading, "Please Wait ..."}};
        for (const auto* part : {&cpu, &memory, &os, &directX, &graphics, &sound})
            all.insert(all.end(), part->begin(), part->end());
        return all;
    }
    std::vector<uint32_t> AllPauses() const {
        std::vector<uint32_t> all;
        for (const auto& check : pauses) all.insert(all.end(), check.begin(), check.end());
        return all;
    }
};

struct MachineCase {
    const char* name;
    std::function<void(CFakeMachine&)> make;
    std::function<void(CheckLines&)> expect;
    bool soundAvailable;
};

const char* const kMixerAdvice[] = {"      音楽は再生されますが、聞こえない可能性があります。",
                                    "      Windowsのボリュームコントロールを確認してください。"};

const std::vector<MachineCase>& MachineCases() {
    static const std::vector<MachineCase> cases = {
        {"all in order", [](CFakeMachine&) {}, [](CheckLines&) {}, true},
        {"no CPUID", [](CFakeMachine& m) { m.cpuid = false; },
         [](CheckLines& e) {
             e.cpu = {{Kind::kHeading, "[CPU]"},
                      {Kind::kWarning, "警告: CPU情報が取得できません。旧式のCPUです。"},
                      {Kind::kItem, "      システムが正常に動作しない可能性があります。"}};
             e.pauses[0] = {1000};
         },
         true},
        {"no MMX and no feature",
         [](CFakeMachine& m) {
             m.cpu.vendorName = "AMD";
             m.cpu.mmx = m.cpu.sse = m.cpu.sse2 = false;
         },
         [](CheckLines& e) {
             e.cpu = {{Kind::kHeading, "[CPU]"},
                      {Kind::kWarning, "警告: CPUがMMX拡張命令をサポートしていません。"},
                      {Kind::kWarning, "      処理が著しく重くなる可能性があります。"},
                      {Kind::kItem, "AMD"}};
             e.pauses[0] = {1000, 100};
         },
         true},
        {"3DNow processor",
         [](CFakeMachine& m) {
             m.cpu.vendorName = "AMD";
             m.cpu.sse = m.cpu.sse2 = false;
             m.cpu.threeDNow = m.cpu.threeDNowExt = true;
         },
         [](CheckLines& e) { e.cpu[1].text = "AMD (MMX,3DNow,E3DNow!)"; }, true},
        {"31 MB",
         [](CFakeMachine& m) {
             m.totalMemory = uint64_t{31} << 20;
             m.freeMemory = uint64_t{20} << 20;
         },
         [](CheckLines& e) {
             e.memory = {{Kind::kHeading, "[Memoy]"},
                         {Kind::kItem, "Total   31 MB"},
                         {Kind::kWarning, "警告: 総メモリ容量が不足しています。"},
                         {Kind::kItem, "      システムを正常に動作させるには少なくとも32MB以上のメモリが必要です。"},
                         {Kind::kItem, "Free    20 MB"}};
             e.pauses[1] = {1000, 100};
         },
         true},
        {"32 MB with 8 MB free",
         [](CFakeMachine& m) {
             m.totalMemory = uint64_t{32} << 20;
             m.freeMemory = uint64_t{8} << 20;
         },
         [](CheckLines& e) {
             e.memory[1].text = "Total   32 MB";
             e.memory[2].text = "Free     8 MB";
         },
         true},
        {"7 MB free",
         [](CFakeMachine& m) { m.freeMemory = (uint64_t{8} << 20) - 1; },
         [](CheckLines& e) {
             e.memory[2].text = "Free     7 MB";
             e.memory.push_back({Kind::kWarning, "警告: 空きメモリ容量が不足しています。"});
             e.memory.push_back(
                 {Kind::kItem,
                  "      システムを快適に動作させるには、少なくとも8MB以上の空きメモリ容量が必要です。"});
             e.pauses[1] = {1000, 100};
         },
         true},
        {"NT 4.0",
         [](CFakeMachine& m) {
             m.version.dwMajorVersion = 4;
             m.version.dwMinorVersion = 0;
         },
         [](CheckLines& e) {
             e.os = {{Kind::kHeading, "[OS]"},
                     {Kind::kItem, "WindowsNT 4.0"},
                     {Kind::kWarning, "警告: このOSは非サポートのOSです"},
                     {Kind::kItem, "      システムが正常に動作しない可能性があります"}};
             e.pauses[2] = {2000, 100};
         },
         true},
        {"Win32s",
         [](CFakeMachine& m) { m.version.dwPlatformId = VER_PLATFORM_WIN32s; },
         [](CheckLines& e) {
             e.os = {{Kind::kHeading, "[OS]"},
                     {Kind::kItem, "Windows 3.1"},
                     {Kind::kError, "エラー: このOSでの動作は保証されません"},
                     {Kind::kItem, "        危険ですので実行を中止してください"}};
             e.pauses[2] = {2000, 100};
         },
         true},
        {"Windows 98",
         [](CFakeMachine& m) {
             m.version.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
             m.version.dwMajorVersion = 4;
             m.version.dwMinorVersion = 10;
         },
         [](CheckLines& e) { e.os[1].text = "Windows 98"; }, true},
        {"DirectX 5", [](CFakeMachine& m) { m.directX = 0x500; },
         [](CheckLines& e) { e.directX[1].text = "DirectX 5"; }, true},
        {"no DirectX", [](CFakeMachine& m) { m.directX = 0; },
         [](CheckLines& e) {
             e.directX = {{Kind::kHeading, "[DirectX]"},
                          {Kind::kItem, "No DirectX installed"},
                          {Kind::kError, "エラー: DirectXがイントールされていません"},
                          {Kind::kItem, "        本システムの起動にはDirectXが必要です"},
                          {Kind::kItem, "        コンピュータにDirectX6.1以降をインストールしてください"}};
             e.pauses[3] = {3000};
         },
         true},
        {"no DirectDraw", [](CFakeMachine& m) { m.directDraw = false; },
         [](CheckLines& e) {
             e.graphics = {{Kind::kHeading, "[Graphics]"},
                           {Kind::kError, "エラー: DirectDrawの準備に失敗しました。"},
                           {Kind::kItem, "        DirectXが正常にインストールされているか確認してください。"}};
             e.pauses[4] = {3000};
         },
         true},
        {"DirectDraw capabilities unreadable", [](CFakeMachine& m) { m.capsResult = DDERR_GENERIC; },
         [](CheckLines& e) {
             e.graphics = {{Kind::kHeading, "[Graphics]"},
                           {Kind::kWarning, "警告: DirectDraw情報の取得に失敗しました。"},
                           {Kind::kItem, "DirectShow OK"}};
         },
         true},
        {"no display hardware",
         [](CFakeMachine& m) { m.driverCaps.dwCaps |= DDCAPS_NOHARDWARE; },
         [](CheckLines& e) {
             e.graphics = {{Kind::kHeading, "[Graphics]"},
                           {Kind::kItem, "1024 x 768 (32 bpp)"},
                           {Kind::kWarning, "警告: DirectDrawアクセラレーションを使用できません。"},
                           {Kind::kWarning, "      グラフィックボードがDirectDrawに対応していないか、"},
                           {Kind::kWarning, "      グラフィックアクセラレーションがOFFに設定されています。"},
                           {Kind::kWarning, "      グラフィックの処理速度が著しく低下する可能性があります。"},
                           {Kind::kItem, "DirectShow OK"}};
             e.pauses[4] = {3000, 100};
         },
         true},
        {"8-bit desktop",
         [](CFakeMachine& m) {
             m.desktopDepth = 8;
             m.screenWidth = 800;
             m.screenHeight = 600;
         },
         [](CheckLines& e) {
             e.graphics = {{Kind::kHeading, "[Graphics]"},
                           {Kind::kItem, "800 x 600 (8 bpp)"},
                           {Kind::kWarning, "警告: 画面モードが256色モードになっています。"},
                           {Kind::kItem, "      画面モードをハイカラーかフルカラーに変更してください。"},
                           {Kind::kItem, "DirectShow OK"}};
             e.pauses[4] = {1000, 100};
         },
         true},
        {"no DirectShow", [](CFakeMachine& m) { m.directShow = false; },
         [](CheckLines& e) {
             e.graphics.back() = {Kind::kWarning,
                                  "警告: DirectShowがインストールされていないか使用できません。"};
             e.graphics.push_back(
                 {Kind::kItem, "      ムービー再生速度が著しく低下する可能性があります。"});
             e.pauses[4] = {1000, 100};
         },
         true},
        {"sound failing",
         [](CFakeMachine& m) { m.sound.sound.initializeResult = DSERR_NODRIVER; },
         [](CheckLines& e) {
             e.sound = {{Kind::kHeading, "[Sound]"},
                        {Kind::kWarning, "警告: DirectSoundの起動に失敗しました。サウンドは再生されません。"},
                        {Kind::kItem, "      サウンドボード及びサウンドドライバが正常に動作しているか確認してください。"}};
             e.pauses[5] = {3000, 100};
         },
         false},
        {"emulated sound driver",
         [](CFakeMachine& m) { m.sound.sound.capsFlags = DSCAPS_EMULDRIVER | DSCAPS_PRIMARYSTEREO; },
         [](CheckLines& e) {
             e.sound = {{Kind::kHeading, "[Sound]"},
                        {Kind::kWarning, "警告: DirectSoundアクセラレーションを使用できません。"},
                        {Kind::kWarning, "      サウンドボードがDirectSoundに対応していないか、"},
                        {Kind::kWarning, "      ハードウェアアクセラレーションがOFFに設定されています。"},
                        {Kind::kWarning, "      サウンドの処理速度が著しく低下する可能性があります。"}};
             e.pauses[5] = {500, 100};
         },
         true},
        {"both mixer lines muted",
         [](CFakeMachine& m) { m.muted[0] = m.muted[1] = 1; },
         [](CheckLines& e) {
             e.sound = {{Kind::kHeading, "[Sound]"},
                        {Kind::kWarning, "警告: マスターサウンドがミュートに設定されています。"},
                        {Kind::kWarning, "警告: Waveサウンドがミュートに設定されています。"},
                        {Kind::kItem, kMixerAdvice[0]},
                        {Kind::kItem, kMixerAdvice[1]}};
             e.pauses[5] = {1000, 100};
         },
         true},
        {"both volumes below 5",
         [](CFakeMachine& m) {
             m.volume[0] = 4;
             m.volume[1] = 0;
         },
         [](CheckLines& e) {
             e.sound = {{Kind::kHeading, "[Sound]"},
                        {Kind::kWarning, "警告: マスターサウンドの音量が非常に小さく設定されています。"},
                        {Kind::kWarning, "警告: Waveサウンドの音量が非常に小さく設定されています。"},
                        {Kind::kItem, kMixerAdvice[0]},
                        {Kind::kItem, kMixerAdvice[1]}};
             e.pauses[5] = {1000, 100};
         },
         true},
        {"volumes of 5", [](CFakeMachine& m) { m.volume[0] = m.volume[1] = 5; },
         [](CheckLines&) {}, true},
        {"emulated driver and a muted wave line",
         [](CFakeMachine& m) {
             m.sound.sound.capsFlags = DSCAPS_EMULDRIVER;
             m.muted[1] = 1;
         },
         [](CheckLines& e) {
             e.sound = {{Kind::kHeading, "[Sound]"},
                        {Kind::kWarning, "警告: DirectSoundアクセラレーションを使用できません。"},
                        {Kind::kWarning, "      サウンドボードがDirectSoundに対応していないか、"},
                        {Kind::kWarning, "      ハードウェアアクセラレーションがOFFに設定されています。"},
                        {Kind::kWarning, "      サウンドの処理速度が著しく低下する可能性があります。"},
                        {Kind::kWarning, "警告: Waveサウンドがミュートに設定されています。"},
                        {Kind::kItem, kMixerAdvice[0]},
                        {Kind::kItem, kMixerAdvice[1]}};
             e.pauses[5] = {500, 1000, 100};
         },
         true},
        // A mixer that cannot be read keeps "not muted" and 100 percent:
        // no warning appears, whatever the unread values would have been.
        {"mixer unreadable",
         [](CFakeMachine& m) {
             m.muted[0] = m.muted[1] = 1;
             m.volume[0] = m.volume[1] = 0;
             m.muteReadable[0] = m.muteReadable[1] = false;
             m.volumeReadable[0] = m.volumeReadable[1] = false;
         },
         [](CheckLines&) {}, true},
    };
    return cases;
}

class SystemDiagnosisTest : public ::testing::Test {
protected:
    void SetUp() override { SetSoundAvailable(false); }
    void TearDown() override {
        EXPECT_EQ(SharedSoundDeviceUsers(), 0);
        SetSoundAvailable(false);
    }

    FakeClock clock;
    CLineRecorder recorder;
};

std::vector<ExpectedLine> KindsAndTexts(const std::vector<DiagnosisLine>& lines) {
    std::vector<ExpectedLine> result;
    for (const DiagnosisLine& line : lines) result.push_back({line.kind, line.text});
    return result;
}

TEST_F(SystemDiagnosisTest, MadeUpMachinesPrintTheirFindingsAndPause) {
    for (const MachineCase& machineCase : MachineCases()) {
        SCOPED_TRACE(machineCase.name);
        CFakeMachine machine;
        machineCase.make(machine);
        CheckLines expected;
        machineCase.expect(expected);
        FakeClock caseClock;
        CLineRecorder caseRecorder;
        SetSoundAvailable(!machineCase.soundAvailable);

        CSystemDiagnosis diagnosis(machine, caseClock, caseRecorder);
        EXPECT_TRUE(diagnosis.RunStartupChecks(kTarget));

        EXPECT_EQ(KindsAndTexts(caseRecorder.lines), expected.All());
        EXPECT_EQ(caseClock.sleeps, expected.AllPauses());
        EXPECT_EQ(IsSoundAvailable(), machineCase.soundAvailable);
        EXPECT_EQ(SharedSoundDeviceUsers(), 0);
        for (HDC target : caseRecorder.targets) EXPECT_EQ(target, kTarget);
    }
}

TEST_F(SystemDiagnosisTest, LinesStackDownTheWindowInTheirKindsColours) {
    // A machine whose lines have all four kinds: 31 MB (a warning) and no
    // DirectX (an error).
    CFakeMachine machine;
    machine.totalMemory = uint64_t{31} << 20;
    machine.directX = 0;
    CSystemDiagnosis diagnosis(machine, clock, recorder);
    diagnosis.RunStartupChecks(kTarget);

    struct Place {
        COLORREF colour;
        int x;
        int y;
    };
    const Place expected[] = {
        {0xFFFFFF, 4, 12},   // Please Wait ...
        {0xFFFFFF, 4, 38},   // [CPU]
        {0xFFFFFF, 24, 56},  // Intel (SSE2,SSE,MMX)
        {0xFFFFFF, 4, 82},   // [Memoy]
        {0xFFFFFF, 24, 100}, // Total
        {0x80FFFF, 24, 118}, // the memory warning
        {0xFFFFFF, 24, 136}, // its advice
        {0xFFFFFF, 24, 154}, // Free
        {0xFFFFFF, 4, 180},  // [OS]
        {0xFFFFFF, 24, 198}, // Windows XP
        {0xFFFFFF, 4, 224},  // [DirectX]
        {0xFFFFFF, 24, 242}, // No DirectX installed
        {0x4040FF, 24, 260}, // the DirectX error
        {0xFFFFFF, 24, 278},
        {0xFFFFFF, 24, 296},
        {0xFFFFFF, 4, 322},  // [Graphics]
    };
    ASSERT_GT(recorder.lines.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(recorder.lines[i].text);
        EXPECT_EQ(recorder.lines[i].colour, expected[i].colour);
        EXPECT_EQ(recorder.lines[i].x, expected[i].x);
        EXPECT_EQ(recorder.lines[i].y, expected[i].y);
    }
    EXPECT_EQ(recorder.lines[5].kind, Kind::kWarning);
    EXPECT_EQ(recorder.lines[12].kind, Kind::kError);
    // The last line of a machine in order: "OK" under [Sound].
    EXPECT_EQ(recorder.lines.back().text, "OK");
}

TEST_F(SystemDiagnosisTest, EveryCheckAnswersTrueButMemoryAfterAWarning) {
    CFakeMachine machine;
    machine.cpuid = false;
    machine.version.dwPlatformId = VER_PLATFORM_WIN32s;
    machine.directX = 0;
    machine.directDraw = false;
    machine.sound.sound.initializeResult = DSERR_NODRIVER;
    CSystemDiagnosis diagnosis(machine, clock, recorder);
    EXPECT_TRUE(diagnosis.CheckCpu());
    EXPECT_TRUE(diagnosis.CheckMemory());
    EXPECT_TRUE(diagnosis.CheckOs());
    EXPECT_TRUE(diagnosis.CheckDirectX());
    EXPECT_TRUE(diagnosis.CheckGraphics());
    EXPECT_TRUE(diagnosis.CheckSound());
    for (uint64_t freeMb : {uint64_t{7}, uint64_t{100}}) {
        for (uint64_t totalMb : {uint64_t{31}, uint64_t{256}}) {
            machine.totalMemory = totalMb << 20;
            machine.freeMemory = freeMb << 20;
            EXPECT_EQ(diagnosis.CheckMemory(), totalMb >= 32 && freeMb >= 8)
                << totalMb << " MB, " << freeMb << " MB free";
        }
    }
}

TEST_F(SystemDiagnosisTest, NoDirectDrawAsksNeitherCapabilitiesNorDirectShow) {
    CFakeMachine machine;
    machine.directDraw = false;
    CSystemDiagnosis diagnosis(machine, clock, recorder);
    diagnosis.CheckGraphics();
    EXPECT_EQ(machine.capsQueries, 0);
    EXPECT_EQ(machine.directShowProbes, 0);
}

TEST_F(SystemDiagnosisTest, SoundCheckWithoutOtherUsersMakesAndDeletesTheDevice) {
    CFakeMachine machine;
    CSystemDiagnosis diagnosis(machine, clock, recorder);
    diagnosis.CheckSound();
    // Once for the device check and once for the acceleration check, each
    // device deleted when its use ends.
    EXPECT_EQ(machine.sound.creations, 2);
    EXPECT_EQ(machine.sound.sound.capsQueries, 1);
    EXPECT_EQ(GetSharedSoundDevice(), nullptr);
    EXPECT_EQ(machine.sound.comStarts, machine.sound.comEnds);
    EXPECT_EQ(machine.sound.sound.references, 1);
}

TEST_F(SystemDiagnosisTest, SoundCheckSharesAHeldDeviceAndGivesItsUsesBack) {
    CFakeMachine machine;
    {
        CSoundDeviceUse held(machine.sound);
        CSoundDevice* device = GetSharedSoundDevice();
        ASSERT_NE(device, nullptr);
        CSystemDiagnosis diagnosis(machine, clock, recorder);
        diagnosis.CheckSound();
        diagnosis.ShowPleaseWait(kTarget);
        EXPECT_EQ(GetSharedSoundDevice(), device);
        EXPECT_EQ(SharedSoundDeviceUsers(), 1);
        EXPECT_EQ(machine.sound.creations, 1);
        EXPECT_TRUE(IsSoundAvailable());
    }
    EXPECT_EQ(GetSharedSoundDevice(), nullptr);
}

TEST_F(SystemDiagnosisTest, PleaseWaitPrintsOneHeadingAndSetsSoundFromTheDevice) {
    for (HRESULT initialize : {HRESULT{DS_OK}, DSERR_NODRIVER}) {
        CFakeMachine machine;
        machine.sound.sound.initializeResult = initialize;
        FakeClock caseClock;
        CLineRecorder caseRecorder;
        SetSoundAvailable(initialize != DS_OK);
        CSystemDiagnosis diagnosis(machine, caseClock, caseRecorder);
        EXPECT_TRUE(diagnosis.ShowPleaseWait(kTarget));

        ASSERT_EQ(caseRecorder.lines.size(), 1u);
        const DiagnosisLine& line = caseRecorder.lines[0];
        EXPECT_EQ(line.kind, Kind::kHeading);
        EXPECT_EQ(line.text, "Please Wait ...");
        EXPECT_EQ(line.colour, 0xFFFFFFu);
        EXPECT_EQ(line.x, 4);
        EXPECT_EQ(line.y, 12);
        EXPECT_EQ(caseRecorder.targets[0], kTarget);
        EXPECT_TRUE(caseClock.sleeps.empty());
        EXPECT_EQ(IsSoundAvailable(), initialize == DS_OK);
        EXPECT_EQ(machine.sound.creations, 1);
        EXPECT_EQ(SharedSoundDeviceUsers(), 0);
        EXPECT_EQ(GetSharedSoundDevice(), nullptr);
    }
}

}  // namespace
