#include "app/diagnosis_report.h"

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstdint>

#include "app/format_string.h"
#include "app/machine_facts.h"
#include "media/sound_device.h"
#include "platform/data_file.h"
#include "platform/directx_version.h"

namespace {

const char* YesNo(bool yes) { return yes ? "○" : "×"; }

void WriteHeader(CDataFile& report, CMachineFacts& machine) {
    report.WriteString("[コンピュータ診断情報]\n");
    const std::tm time = machine.LocalTime();
    report.WriteString(FormatString("診断日時 : %04d年%2d月%2d日 %2d時%2d分%d秒\n", time.tm_year + 1900,
                              time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min,
                              time.tm_sec));
    report.WriteString(FormatString("コンピュータ名 : %s\n", machine.ComputerName().c_str()));
    report.WriteString("※表示は1MB=1024KB換算です\n");
}

void WriteCpu(CDataFile& report, CMachineFacts& machine) {
    const CCpuInfo& cpu = machine.Cpu();
    report.WriteString("\n●CPU情報\n");
    report.WriteString(FormatString("Vender  : %s(%s)\n", cpu.vendorName.c_str(), cpu.vendorId.c_str()));
    report.WriteString(FormatString("Version : Family %d Model %d Stepping %d\n", cpu.family, cpu.model,
                              cpu.stepping));
    report.WriteString(FormatString("CPUID   : %s\n", YesNo(machine.IsCpuidAvailable())));
    report.WriteString(FormatString("FPU     : %s\n", YesNo(cpu.fpu)));
    report.WriteString(FormatString("MMX     : %s\n", YesNo(cpu.mmx)));
    report.WriteString(FormatString("SSE     : %s\n", YesNo(cpu.sse)));
    report.WriteString(FormatString("SSE2    : %s\n", YesNo(cpu.sse2)));
    report.WriteString(FormatString("3DNow!  : %s\n", YesNo(cpu.threeDNow)));
    report.WriteString(FormatString("E3DNow! : %s\n", YesNo(cpu.threeDNowExt)));
}

void WriteMemory(CDataFile& report, CMachineFacts& machine) {
    uint64_t totalBytes = 0;
    uint64_t freeBytes = 0;
    report.WriteString("\n●メモリ情報\n");
    machine.MemoryStatus(&totalBytes, &freeBytes);
    report.WriteString(FormatString("総メモリ容量   : %d MB\n", static_cast<int>(totalBytes >> 20)));
    report.WriteString(FormatString("空きメモリ容量 : %d MB\n", static_cast<int>(freeBytes >> 20)));
}

const char* DriveKindName(UINT type) {
    switch (type) {
        case DRIVE_REMOVABLE: return "REMOVABLE";
        case DRIVE_REMOTE: return "REMOTE";
        case DRIVE_CDROM: return "CDROM";
        case DRIVE_RAMDISK: return "RAMDISK";
        default: return "UNKNOWN";
    }
}

void WriteDrives(CDataFile& report, CMachineFacts& machine) {
    report.WriteString("\n●ドライブ情報\n");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        const UINT type = machine.DriveType(root);
        if (type == DRIVE_NO_ROOT_DIR) continue;
        if (type != DRIVE_FIXED) {
            report.WriteString(FormatString("%s %s\n", root.c_str(), DriveKindName(type)));
            continue;
        }
        DWORD sectorsPerCluster = 0;
        DWORD bytesPerSector = 0;
        DWORD freeClusters = 0;
        DWORD totalClusters = 0;
        machine.DiskFreeSpace(root, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                              &totalClusters);
        const uint64_t bytesPerCluster = uint64_t{sectorsPerCluster} * bytesPerSector;
        const uint64_t totalMb = totalClusters * bytesPerCluster / 1024 / 1024;
        const uint64_t freeMb = freeClusters * bytesPerCluster / 1024 / 1024;
        report.WriteString(FormatString("%s %s %dMB(Free:%dMB)\n", root.c_str(), "FIXED",
                                  static_cast<int>(totalMb), static_cast<int>(freeMb)));
    }
}

void WriteOs(CDataFile& report, CMachineFacts& machine) {
    int major = 0;
    int minor = 0;
    int build = 0;
    int platform = 0;
    std::string servicePack;
    report.WriteString("\n●OS情報\n");
    report.WriteString(FormatString("OSの種類         : %s\n", machine.WindowsVersionName().c_str()));
    machine.WindowsVersionInfo(&major, &minor, &build, &platform, servicePack);
    report.WriteString(FormatString("バージョン       : %d.%02d.%d\n", major, minor, build));
    report.WriteString(FormatString("プラットフォーム : %d\n", platform));
    report.WriteString(FormatString("追加情報         : %s\n", servicePack.c_str()));
}

void WriteDirectories(CDataFile& report, CMachineFacts& machine) {
    report.WriteString("\n●ディレクトリ情報\n");
    report.WriteString(FormatString("Windows : %s\n", machine.WindowsDirectory().c_str()));
    report.WriteString(FormatString("System  : %s\n", machine.SystemDirectory().c_str()));
    report.WriteString(FormatString("Temp    : %s\n", machine.TempDirectory().c_str()));
    report.WriteString(FormatString("Current : %s\n", machine.CurrentDirectory().c_str()));
    report.WriteString(FormatString("Module  : %s\n", machine.ModulePath().c_str()));
    report.WriteString(FormatString("Base    : %s\n", machine.BaseDirectory().c_str()));
}

void WriteDirectX(CDataFile& report, CMachineFacts& machine) {
    report.WriteString("\n●DirectX情報\n");
    const uint32_t version = machine.DirectXVersion();
    if (version == 0)
        report.WriteString("DirectXがインストールされていません");
    else
        report.WriteString(FormatString("Version : %s\n", DirectXVersionName(version).c_str()));
}

void WriteDirectDrawCaps(CDataFile& report, CMachineFacts& machine) {
    DirectDrawCaps driver = {};
    DirectDrawCaps emulation = {};
    driver.dwSize = sizeof driver;
    emulation.dwSize = sizeof emulation;
    machine.GetDirectDrawCaps(&driver, &emulation);
    if (driver.dwVidMemTotal == 0)
        report.WriteString("Video Memory     : 不明");
    else
        report.WriteString(FormatString("Video Memory     : %dMB(Free %dMB)\n",
                                  static_cast<int>(driver.dwVidMemTotal >> 20),
                                  static_cast<int>(driver.dwVidMemFree >> 20)));
    report.WriteString("\n[DirectDraw HAL Caps]\n");
    const DWORD caps = driver.dwCaps;
    report.WriteString(FormatString("Hardware Support : %s\n", YesNo(!(caps & DDCAPS_NOHARDWARE))));
    report.WriteString(FormatString("3D-HAL Support   : %s\n", YesNo(caps & DDCAPS_3D)));
    report.WriteString(FormatString("Blt              : %s\n", YesNo(caps & DDCAPS_BLT)));
    report.WriteString(FormatString("Blt Color Fill   : %s\n", YesNo(caps & DDCAPS_BLTCOLORFILL)));
    report.WriteString(FormatString("Blt Stretch      : %s\n", YesNo(caps & DDCAPS_BLTSTRETCH)));
    report.WriteString(FormatString("Color Key        : %s\n", YesNo(caps & DDCAPS_COLORKEY)));
    report.WriteString(FormatString("Overlay          : %s\n", YesNo(caps & DDCAPS_OVERLAY)));
}

std::string PixelFormatName(const DDPIXELFORMAT& format) {
    constexpr DWORD kIndexed = DDPF_PALETTEINDEXED1 | DDPF_PALETTEINDEXED2 |
                               DDPF_PALETTEINDEXED4 | DDPF_PALETTEINDEXED8;
    if (format.dwFlags & kIndexed) return "indexed";
    const DWORD red = format.dwRBitMask;
    const DWORD green = format.dwGBitMask;
    const DWORD blue = format.dwBBitMask;
    if (red == 0xFF0000 && green == 0xFF00 && blue == 0xFF) return "R8G8B8";
    if (red == 0xF800 && green == 0x7E0 && blue == 0x1F) return "R5G6B5";
    if (red == 0x7C00 && green == 0x3E0 && blue == 0x1F) return "R5G5B5";
    return FormatString("R%08X,G%08X,B%08X", static_cast<unsigned>(red),
                        static_cast<unsigned>(green), static_cast<unsigned>(blue));
}

std::string RefreshText(DWORD refreshRate) {
    if (refreshRate == 0) return "FPS:不明";
    return FormatString("FPS:%d", static_cast<int>(refreshRate));
}

void WriteGraphics(CDataFile& report, CMachineFacts& machine) {
    const bool directDraw = machine.HasDirectDraw();
    report.WriteString("\n●グラフィック情報\n");
    if (directDraw)
        WriteDirectDrawCaps(report, machine);
    else
        report.WriteString("DirectDrawが使用できません\n");

    report.WriteString("\n[現在のディスプレイモード]\n");
    report.WriteString(FormatString("%4d×%4d %2dbit\n", machine.ScreenWidth(), machine.ScreenHeight(),
                              static_cast<int>(machine.DesktopBitDepth())));

    if (!directDraw) {
        report.WriteString("DirectDrawが使用できません\n");
        return;
    }
    report.WriteString("\n[有効なディスプレイモード]\n");
    DisplayModeList modes;
    machine.ListDisplayModes(&modes);
    for (const DDSURFACEDESC& mode : modes) {
        report.WriteString(FormatString("%4d×%4d %2dbit(%s) %s\n", static_cast<int>(mode.dwWidth),
                                  static_cast<int>(mode.dwHeight),
                                  static_cast<int>(mode.ddpfPixelFormat.dwRGBBitCount),
                                  PixelFormatName(mode.ddpfPixelFormat).c_str(),
                                  RefreshText(mode.dwRefreshRate).c_str()));
    }
}

void WriteSound(CDataFile& report, CMachineFacts& machine) {
    report.WriteString("\n●サウンド情報\n");
    report.WriteString("\n[DirectSound Caps]\n");
    // The device somebody holds, or one made for this section alone.
    CSoundDeviceUse use(machine.SoundFactory());
    if (IDirectSound* directSound = GetDirectSound()) {
        DSCAPS caps = {};
        caps.dwSize = sizeof caps;
        directSound->GetCaps(&caps);
        report.WriteString((caps.dwFlags & DSCAPS_EMULDRIVER) ? "Accelerate    : ×\n"
                                                              : "Accelerate    : ○\n");
    } else {
        report.WriteString("DirectSoundが使用できません");
    }
}

void WriteMixer(CDataFile& report, CMachineFacts& machine) {
    // A query that fails keeps these.
    DWORD masterMuted = 0;
    DWORD masterVolume = 100;
    DWORD waveMuted = 0;
    DWORD waveVolume = 100;
    report.WriteString("\n[Sound Control Settings]\n");
    machine.MixerMute(0, &masterMuted);
    machine.MixerVolume(0, &masterVolume);
    report.WriteString(FormatString("Master Sound  : %s\n", masterMuted ? "OFF" : "ON"));
    report.WriteString(FormatString("Master Volume : %d/100\n", static_cast<int>(masterVolume)));
    machine.MixerMute(1, &waveMuted);
    machine.MixerVolume(1, &waveVolume);
    report.WriteString(FormatString("Wave Sound    : %s\n", waveMuted ? "OFF" : "ON"));
    report.WriteString(FormatString("Wave Volume   : %d/100\n", static_cast<int>(waveVolume)));
}

void WriteModule(CDataFile& report, CMachineFacts& machine) {
    static const struct {
        const char* format;
        const char* key;
    } kVersionLines[] = {
        {"Comments        : %s\n", "Comments"},
        {"CompanyName     : %s\n", "CompanyName"},
        {"FileDescription : %s\n", "FileDescription"},
        {"FileVersion     : %s\n", "FileVersion"},
        {"InternalName    : %s\n", "InternalName"},
        {"LegalCopyright  : %s\n", "LegalCopyright"},
        {"LegalTrademarks : %s\n", "LegalTrademarks"},
        {"OriginalFilename: %s\n", "OriginalFilename"},
        {"PrivateBuild    : %s\n", "PrivateBuild"},
        {"ProductName     : %s\n", "ProductName"},
        {"ProductVersion  : %s\n", "ProductVersion"},
        {"SpecialBuild    : %s\n", "SpecialBuild"},
    };
    const std::string module = machine.ModulePath();
    report.WriteString("\n●モジュール情報\n");
    report.WriteString(FormatString("ModuleName      : %s\n", module.c_str()));
    for (const auto& line : kVersionLines) {
        const std::string value = machine.ModuleVersionString(module, line.key);
        report.WriteString(FormatString(line.format, value.c_str()));
    }
}

}  // namespace

void WriteDiagnosisReport(const std::string& path) {
    WriteDiagnosisReport(path, SystemMachineFacts());
}

void WriteDiagnosisReport(const std::string& path, CMachineFacts& machine) {
    CDataFile file;
    if (file.OpenStream(path, "wt", true) != 0) return;
    WriteHeader(file, machine);
    WriteCpu(file, machine);
    WriteMemory(file, machine);
    WriteDrives(file, machine);
    WriteOs(file, machine);
    WriteDirectories(file, machine);
    WriteDirectX(file, machine);
    WriteGraphics(file, machine);
    WriteSound(file, machine);
    WriteMixer(file, machine);
    WriteModule(file, machine);
    file.Close();
}
