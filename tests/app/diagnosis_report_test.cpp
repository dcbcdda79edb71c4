// The diagnosis report of made-up machines against the text worked out by
// hand, and the report skipped where it cannot be written.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/diagnosis_report.h"
#include "fake_machine.h"
#include "media/sound_device.h"
#include "support/temp_folder.h"

namespace {

// The report of the machine that Machine() makes, with LF line ends.
const char kGolden[] = R"([コンピュータ診断情報]
診断日時 : 2004年 3月14日  9時 5分7秒
コンピュータ名 : STUDIO-PC
※表示は1MB=1024KB換算です

●CPU情報
Vender  : Intel(GenuineIntel)
Version : Family 6 Model 8 Stepping 3
CPUID   : ○
FPU     : ○
MMX     : ○
SSE     : ○
SSE2    : ○
3DNow!  : ×
E3DNow! : ×

●メモリ情報
総メモリ容量   : 256 MB
空きメモリ容量 : 128 MB

●ドライブ情報
B:\ REMOVABLE
C:\ FIXED 10240MB(Free:2048MB)
D:\ CDROM
E:\ FIXED 125000MB(Free:3125MB)
F:\ REMOTE
G:\ RAMDISK
H:\ UNKNOWN
I:\ UNKNOWN
Z:\ FIXED 0MB(Free:0MB)

●OS情報
OSの種類         : Windows XP
バージョン       : 5.01.2600
プラットフォーム : 2
追加情報         : Service Pack 2

●ディレクトリ情報
Windows : C:\WINDOWS
System  : C:\WINDOWS\system32
Temp    : C:\TEMP\
Current : C:\Game\100%d
Module  : C:\Game\mirlwood.exe
Base    : C:\Game\

●DirectX情報
Version : DirectX 8.1 later

●グラフィック情報
Video Memory     : 64MB(Free 40MB)

[DirectDraw HAL Caps]
Hardware Support : ○
3D-HAL Support   : ×
Blt              : ○
Blt Color Fill   : ○
Blt Stretch      : ○
Color Key        : ○
Overlay          : ×

[現在のディスプレイモード]
1024× 768 32bit

[有効なディスプレイモード]
 800× 600 16bit(R5G6B5) FPS:60
 640× 480  8bit(indexed) FPS:不明
1024× 768 32bit(R8G8B8) FPS:75
 800× 600 16bit(R5G5B5) FPS:60
1280×1024 32bit(R000000FF,G0000FF00,B00FF0000) FPS:85

●サウンド情報

[DirectSound Caps]
Accelerate    : ○

[Sound Control Settings]
Master Sound  : ON
Master Volume : 80/100
Wave Sound    : OFF
Wave Volume   : 65/100

●モジュール情報
ModuleName      : C:\Game\mirlwood.exe
Comments        : 
CompanyName     : Harrowmere Inc.
FileDescription : mirlwood
FileVersion     : 1, 0, 5, 0
InternalName    : 
LegalCopyright  : 
LegalTrademarks : 
OriginalFilename: mirlwood.exe
PrivateBuild    : 
ProductName     : Lanternmoss
ProductVersion  : 1, 0, 5, 0
SpecialBuild    : 
)";

DDSURFACEDESC Mode(DWORD width, DWORD height, DWORD bits, DWORD flags, DWORD red, DWORD green,
                   DWORD blue, DWORD refresh) {
    DDSURFACEDESC mode = {};
    mode.dwSize = sizeof mode;
    mode.dwWidth = width;
    mode.dwHeight = height;
    mode.ddpfPixelFormat.dwFlags = flags;
    mode.ddpfPixelFormat.dwRGBBitCount = bits;
    mode.ddpfPixelFormat.dwRBitMask = red;
    mode.ddpfPixelFormat.dwGBitMask = green;
    mode.ddpfPixelFormat.dwBBitMask = blue;
    mode.dwRefreshRate = refresh;
    return mode;
}

void MakeMachine(CFakeMachine& m) {
    m.driveTypes = {{'B', DRIVE_REMOVABLE}, {'C', DRIVE_FIXED}, {'D', DRIVE_CDROM},
                    {'E', DRIVE_FIXED},     {'F', DRIVE_REMOTE}, {'G', DRIVE_RAMDISK},
                    {'H', DRIVE_UNKNOWN},   {'I', 7},           {'Z', DRIVE_FIXED}};
    // 4 KB clusters; 32 KB clusters whose byte count passes 32 bits. Z: has
    // no answer.
    m.diskSpace['C'] = {8, 512, 524288, 2621440};
    m.diskSpace['E'] = {64, 512, 100000, 4000000};
    m.currentDirectory = "C:\\Game\\100%d";
    m.modes = {Mode(800, 600, 16, DDPF_RGB, 0xF800, 0x7E0, 0x1F, 60),
               Mode(640, 480, 8, DDPF_RGB | DDPF_PALETTEINDEXED8, 0, 0, 0, 0),
               Mode(1024, 768, 32, DDPF_RGB, 0xFF0000, 0xFF00, 0xFF, 75),
               Mode(800, 600, 16, DDPF_RGB, 0x7C00, 0x3E0, 0x1F, 60),
               Mode(1280, 1024, 32, DDPF_RGB, 0xFF, 0xFF00, 0xFF0000, 85)};
    m.muted[1] = 1;
    m.versionStrings = {{"CompanyName", "Harrowmere Inc."},
                        {"FileDescription", "mirlwood"},
                        {"FileVersion", "1, 0, 5, 0"},
                        {"OriginalFilename", "mirlwood.exe"},
                        {"ProductName", "Lanternmoss"},
                        {"ProductVersion", "1, 0, 5, 0"}};
}

std::string WithCrLf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

// The golden text with one piece replaced.
std::string Replaced(std::string text, const std::string& piece, const std::string& by) {
    const std::size_t at = text.find(piece);
    EXPECT_NE(at, std::string::npos) << piece;
    if (at != std::string::npos) text.replace(at, piece.size(), by);
    return text;
}

std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

class DiagnosisReportTest : public ::testing::Test {
protected:
    void SetUp() override { MakeMachine(machine); }
    void TearDown() override { EXPECT_EQ(SharedSoundDeviceUsers(), 0); }

    // Writes the report through the base directory's "UserData" folder.
    std::string Write() {
        CBaseDirectoryScope base(folder.Path());
        CreateDirectoryA((folder.Path() + "UserData").c_str(), nullptr);
        WriteDiagnosisReport("UserData/Debug.txt", machine);
        return ReadText(folder.Path() + "UserData\\Debug.txt");
    }

    CTempFolder folder;
    CFakeMachine machine;
};

TEST_F(DiagnosisReportTest, MadeUpMachineGivesTheTextWorkedOutByHand) {
    EXPECT_EQ(Write(), WithCrLf(kGolden));
    EXPECT_EQ(machine.versionModuleAsked, "C:\\Game\\mirlwood.exe");
    // The sound section made its own device and deleted it.
    EXPECT_EQ(machine.sound.creations, 1);
    EXPECT_EQ(GetSharedSoundDevice(), nullptr);
}

TEST_F(DiagnosisReportTest, VariantsChangeOnlyTheirSections) {
    const struct {
        const char* name;
        void (*make)(CFakeMachine&);
        const char* piece;
        const char* by;
    } variants[] = {
        {"no DirectX", [](CFakeMachine& m) { m.directX = 0; },
         "Version : DirectX 8.1 later\n\n●グラフィック情報",
         "DirectXがインストールされていません\n●グラフィック情報"},
        {"DirectX 5", [](CFakeMachine& m) { m.directX = 0x500; }, "Version : DirectX 8.1 later",
         "Version : DirectX 5"},
        {"no DirectDraw", [](CFakeMachine& m) { m.directDraw = false; },
         R"(Video Memory     : 64MB(Free 40MB)

[DirectDraw HAL Caps]
Hardware Support : ○
3D-HAL Support   : ×
Blt              : ○
Blt Color Fill   : ○
Blt Stretch      : ○
Color Key        : ○
Overlay          : ×

[現在のディスプレイモード]
1024× 768 32bit

[有効なディスプレイモード]
 800× 600 16bit(R5G6B5) FPS:60
 640× 480  8bit(indexed) FPS:不明
1024× 768 32bit(R8G8B8) FPS:75
 800× 600 16bit(R5G5B5) FPS:60
1280×1024 32bit(R000000FF,G0000FF00,B00FF0000) FPS:85
)",
         R"(DirectDrawが使用できません

[現在のディスプレイモード]
1024× 768 32bit
DirectDrawが使用できません
)"},
        {"no video memory and no hardware",
         [](CFakeMachine& m) {
             m.driverCaps.dwVidMemTotal = 0;
             m.driverCaps.dwCaps = DDCAPS_NOHARDWARE | DDCAPS_3D | DDCAPS_OVERLAY;
         },
         R"(Video Memory     : 64MB(Free 40MB)

[DirectDraw HAL Caps]
Hardware Support : ○
3D-HAL Support   : ×
Blt              : ○
Blt Color Fill   : ○
Blt Stretch      : ○
Color Key        : ○
Overlay          : ×)",
         R"(Video Memory     : 不明
[DirectDraw HAL Caps]
Hardware Support : ×
3D-HAL Support   : ○
Blt              : ×
Blt Color Fill   : ×
Blt Stretch      : ×
Color Key        : ×
Overlay          : ○)"},
        {"emulated sound driver",
         [](CFakeMachine& m) { m.sound.sound.capsFlags = DSCAPS_EMULDRIVER; },
         "Accelerate    : ○", "Accelerate    : ×"},
        {"no sound", [](CFakeMachine& m) { m.sound.sound.initializeResult = DSERR_NODRIVER; },
         "Accelerate    : ○\n\n[Sound Control Settings]",
         "DirectSoundが使用できません\n[Sound Control Settings]"},
        // Mixer queries that fail keep "not muted" and 100.
        {"mixer unreadable",
         [](CFakeMachine& m) {
             m.muteReadable[0] = m.muteReadable[1] = false;
             m.volumeReadable[0] = m.volumeReadable[1] = false;
         },
         "Master Volume : 80/100\nWave Sound    : OFF\nWave Volume   : 65/100",
         "Master Volume : 100/100\nWave Sound    : ON\nWave Volume   : 100/100"},
        {"no CPUID, an AMD with 3DNow!",
         [](CFakeMachine& m) {
             m.cpuid = false;
             m.cpu.vendorId = "AuthenticAMD";
             m.cpu.vendorName = "AMD";
             m.cpu.threeDNow = m.cpu.threeDNowExt = true;
             m.cpu.sse2 = false;
         },
         "Intel(GenuineIntel)\nVersion : Family 6 Model 8 Stepping 3\nCPUID   : ○\n"
         "FPU     : ○\nMMX     : ○\nSSE     : ○\nSSE2    : ○\n3DNow!  : ×\nE3DNow! : ×",
         "AMD(AuthenticAMD)\nVersion : Family 6 Model 8 Stepping 3\nCPUID   : ×\n"
         "FPU     : ○\nMMX     : ○\nSSE     : ○\nSSE2    : ×\n3DNow!  : ○\nE3DNow! : ○"},
        {"Windows 98 second edition",
         [](CFakeMachine& m) {
             m.version.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
             m.version.dwMajorVersion = 4;
             m.version.dwMinorVersion = 10;
             m.version.dwBuildNumber = 0x040A08AE;
             lstrcpyA(m.version.szCSDVersion, " A ");
         },
         "Windows XP\nバージョン       : 5.01.2600\nプラットフォーム : 2\n"
         "追加情報         : Service Pack 2",
         "Windows 98\nバージョン       : 4.10.2222\nプラットフォーム : 1\n"
         "追加情報         :  A "},
        {"a late evening", [](CFakeMachine& m) {
             m.time.tm_hour = 23;
             m.time.tm_min = 59;
             m.time.tm_sec = 59;
         },
         " 9時 5分7秒", "23時59分59秒"},
    };
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.name);
        CFakeMachine& m = machine;
        m = CFakeMachine();
        MakeMachine(m);
        variant.make(m);
        EXPECT_EQ(Write(), WithCrLf(Replaced(kGolden, variant.piece, variant.by)));
    }
}

TEST_F(DiagnosisReportTest, AHeldSoundDeviceIsSharedNotReplaced) {
    CSoundDeviceUse held(machine.sound);
    CSoundDevice* device = GetSharedSoundDevice();
    EXPECT_EQ(Write(), WithCrLf(kGolden));
    EXPECT_EQ(GetSharedSoundDevice(), device);
    EXPECT_EQ(machine.sound.creations, 1);
    EXPECT_EQ(SharedSoundDeviceUsers(), 1);
}

TEST_F(DiagnosisReportTest, AnEarlierReportIsReplacedWhole) {
    folder.Write("UserData/Debug.txt", std::string(20000, 'x'));
    EXPECT_EQ(Write(), WithCrLf(kGolden));
}

// The tests run with rights that write through read-only attributes, so a
// folder that refuses the file stands in for a read-only one.
TEST_F(DiagnosisReportTest, AReportThatCannotBeCreatedIsSkipped) {
    {
        // No "UserData" at all: nothing is made.
        CBaseDirectoryScope base(folder.Path());
        WriteDiagnosisReport("UserData/Debug.txt", machine);
    }
    EXPECT_FALSE(FileExists(folder.Path() + "UserData"));

    // A folder where the file would go.
    ASSERT_TRUE(CreateDirectoryA((folder.Path() + "UserData").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder.Path() + "UserData\\Debug.txt").c_str(), nullptr));
    {
        CBaseDirectoryScope base(folder.Path());
        WriteDiagnosisReport("UserData/Debug.txt", machine);
    }
    const DWORD attributes = GetFileAttributesA((folder.Path() + "UserData\\Debug.txt").c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    // Nothing was asked of the machine.
    EXPECT_EQ(machine.sound.creations, 0);
    EXPECT_EQ(machine.capsQueries, 0);
}

}  // namespace
