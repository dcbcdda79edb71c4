#include "app/system_diagnosis.h"

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include "app/format_string.h"
#include "app/machine_facts.h"
#include "media/sound_available.h"
#include "media/sound_device.h"
#include "platform/clock.h"
#include "platform/directx_version.h"
#include "platform/windows_version.h"

namespace {

static_assert(sizeof(DSCAPS) == 96, "the DirectSound capability record is 96 bytes");

// The pauses that let the user read a finding.
constexpr uint32_t kShortPause = 100;

// The features present, strongest first, joined by ",".
std::string FeatureList(const CCpuInfo& cpu) {
    const struct {
        bool present;
        const char* name;
    } features[] = {{cpu.sse2, "SSE2"},
                    {cpu.sse, "SSE"},
                    {cpu.mmx, "MMX"},
                    {cpu.threeDNow, "3DNow"},
                    {cpu.threeDNowExt, "E3DNow!"}};
    std::string list;
    for (const auto& feature : features) {
        if (!feature.present) continue;
        if (!list.empty()) list += ",";
        list += feature.name;
    }
    return list;
}

}  // namespace

CSystemDiagnosis::CSystemDiagnosis()
    : CSystemDiagnosis(SystemMachineFacts(), SystemClock(), FontLineDrawer()) {}

CSystemDiagnosis::CSystemDiagnosis(CMachineFacts& machine, CClock& clock,
                                   CDiagnosisLineDrawer& drawer)
    : y_(4), target_(nullptr), machine_(machine), clock_(clock), drawer_(drawer) {}

CSystemDiagnosis::~CSystemDiagnosis() = default;

bool CSystemDiagnosis::RunStartupChecks(HDC target) {
    target_ = target;
    PrintLine("Please Wait ...");
    CheckCpu();
    CheckMemory();
    CheckOs();
    CheckDirectX();
    CheckGraphics();
    CheckSound();
    return true;
}

bool CSystemDiagnosis::ShowPleaseWait(HDC target) {
    target_ = target;
    PrintLine("Please Wait ...");
    CSoundDeviceUse use(machine_.SoundFactory());
    SetSoundAvailable(GetDirectSound() != nullptr);
    return true;
}

void CSystemDiagnosis::Print(DiagnosisLineKind kind, const std::string& text) {
    const DiagnosisLineStyle style = DiagnosisLineStyleOf(kind);
    drawer_.Draw(target_, DiagnosisLine{kind, text, style.colour, style.x, y_ + style.drop});
    y_ += style.advance;
}

void CSystemDiagnosis::PrintLine(const std::string& text) { Print(DiagnosisLineKind::kHeading, text); }
void CSystemDiagnosis::PrintItem(const std::string& text) { Print(DiagnosisLineKind::kItem, text); }
void CSystemDiagnosis::PrintWarning(const std::string& text) {
    Print(DiagnosisLineKind::kWarning, text);
}
void CSystemDiagnosis::PrintError(const std::string& text) { Print(DiagnosisLineKind::kError, text); }

void CSystemDiagnosis::Sleep(uint32_t ms) { clock_.Sleep(ms); }

bool CSystemDiagnosis::CheckCpu() {
    PrintLine("[CPU]");
    if (!machine_.IsCpuidAvailable()) {
        PrintWarning("警告: CPU情報が取得できません。旧式のCPUです。");
        PrintItem("      システムが正常に動作しない可能性があります。");
        Sleep(1000);
        return true;
    }
    const CCpuInfo& cpu = machine_.Cpu();
    if (!cpu.mmx) {
        PrintWarning("警告: CPUがMMX拡張命令をサポートしていません。");
        PrintWarning("      処理が著しく重くなる可能性があります。");
        Sleep(1000);
    }
    const std::string features = FeatureList(cpu);
    if (features.empty())
        PrintItem(cpu.vendorName);
    else
        PrintItem(FormatString("%s (%s)", cpu.vendorName.c_str(), features.c_str()));
    Sleep(kShortPause);
    return true;
}

bool CSystemDiagnosis::CheckMemory() {
    PrintLine("[Memoy]");
    uint64_t totalBytes = 0;
    uint64_t freeBytes = 0;
    machine_.MemoryStatus(&totalBytes, &freeBytes);
    const int total = static_cast<int>(totalBytes >> 20);
    const int free = static_cast<int>(freeBytes >> 20);
    bool warned = false;
    PrintItem(FormatString("Total %4d MB", total));
    if (total < 32) {
        PrintWarning("警告: 総メモリ容量が不足しています。");
        PrintItem("      システムを正常に動作させるには少なくとも32MB以上のメモリが必要です。");
        Sleep(1000);
        warned = true;
    }
    PrintItem(FormatString("Free  %4d MB", free));
    if (free < 8) {
        PrintWarning("警告: 空きメモリ容量が不足しています。");
        PrintItem("      システムを快適に動作させるには、少なくとも8MB以上の空きメモリ容量が必要です。");
        Sleep(1000);
        warned = true;
    }
    Sleep(kShortPause);
    return !warned;
}

bool CSystemDiagnosis::CheckOs() {
    PrintLine("[OS]");
    PrintItem(machine_.WindowsVersionName());
    switch (machine_.WindowsVersionCode()) {
        case kWindows31:
            PrintError("エラー: このOSでの動作は保証されません");
            PrintItem("        危険ですので実行を中止してください");
            Sleep(2000);
            break;
        case kWindows95:
        case kWindows98:
        case kWindowsMe:
        case kWindows2000:
        case kWindowsXP:
            break;
        default:
            PrintWarning("警告: このOSは非サポートのOSです");
            PrintItem("      システムが正常に動作しない可能性があります");
            Sleep(2000);
            break;
    }
    Sleep(kShortPause);
    return true;
}

bool CSystemDiagnosis::CheckDirectX() {
    PrintLine("[DirectX]");
    const uint32_t version = machine_.DirectXVersion();
    PrintItem(DirectXVersionName(version));
    if (version == 0) {
        PrintError("エラー: DirectXがイントールされていません");
        PrintItem("        本システムの起動にはDirectXが必要です");
        PrintItem("        コンピュータにDirectX6.1以降をインストールしてください");
        Sleep(3000);
    } else {
        Sleep(kShortPause);
    }
    return true;
}

bool CSystemDiagnosis::CheckGraphics() {
    PrintLine("[Graphics]");
    if (!machine_.HasDirectDraw()) {
        PrintError("エラー: DirectDrawの準備に失敗しました。");
        PrintItem("        DirectXが正常にインストールされているか確認してください。");
        Sleep(3000);
        return true;
    }
    const int width = machine_.ScreenWidth();
    const int height = machine_.ScreenHeight();
    DirectDrawCaps driver = {};
    driver.dwSize = sizeof driver;
    if (FAILED(machine_.GetDirectDrawCaps(&driver, nullptr))) {
        PrintWarning("警告: DirectDraw情報の取得に失敗しました。");
        CheckDirectShow();
        return true;
    }
    const uint32_t depth = machine_.DesktopBitDepth();
    PrintItem(FormatString("%d x %d (%d bpp)", width, height, static_cast<int>(depth)));
    if (driver.dwCaps & DDCAPS_NOHARDWARE) {
        PrintWarning("警告: DirectDrawアクセラレーションを使用できません。");
        PrintWarning("      グラフィックボードがDirectDrawに対応していないか、");
        PrintWarning("      グラフィックアクセラレーションがOFFに設定されています。");
        PrintWarning("      グラフィックの処理速度が著しく低下する可能性があります。");
        Sleep(3000);
    }
    if (depth == 8) {
        PrintWarning("警告: 画面モードが256色モードになっています。");
        PrintItem("      画面モードをハイカラーかフルカラーに変更してください。");
        Sleep(1000);
    }
    CheckDirectShow();
    return true;
}

void CSystemDiagnosis::CheckDirectShow() {
    if (machine_.ProbeDirectShow()) {
        PrintItem("DirectShow OK");
    } else {
        PrintWarning("警告: DirectShowがインストールされていないか使用できません。");
        PrintItem("      ムービー再生速度が著しく低下する可能性があります。");
        Sleep(1000);
    }
    Sleep(kShortPause);
}

bool CSystemDiagnosis::CheckSound() {
    PrintLine("[Sound]");
    CheckSoundDevice();
    if (!IsSoundAvailable()) {
        Sleep(kShortPause);
        return true;
    }
    const bool accelerationWarned = CheckSoundAcceleration();
    const bool mixerWarned = CheckMixer();
    if (!accelerationWarned && !mixerWarned) PrintItem("OK");
    Sleep(kShortPause);
    return true;
}

void CSystemDiagnosis::CheckSoundDevice() {
    CSoundDeviceUse use(machine_.SoundFactory());
    CSoundDevice* device = use.Device();
    if (!device) {
        SetSoundAvailable(false);
        PrintWarning("警告: DirectSoundの準備に失敗しました。サウンドは再生されません。");
        PrintItem("      DirectXが正常にインストールされているか確認してください。");
        Sleep(3000);
    } else if (device->GetInitResult() != CSoundDevice::kReady) {
        SetSoundAvailable(false);
        PrintWarning("警告: DirectSoundの起動に失敗しました。サウンドは再生されません。");
        PrintItem("      サウンドボード及びサウンドドライバが正常に動作しているか確認してください。");
        Sleep(3000);
    } else {
        SetSoundAvailable(true);
    }
}

bool CSystemDiagnosis::CheckSoundAcceleration() {
    CSoundDeviceUse use(machine_.SoundFactory());
    DSCAPS caps = {};
    caps.dwSize = sizeof caps;
    if (IDirectSound* directSound = GetDirectSound()) directSound->GetCaps(&caps);
    if (!(caps.dwFlags & DSCAPS_EMULDRIVER)) return false;
    PrintWarning("警告: DirectSoundアクセラレーションを使用できません。");
    PrintWarning("      サウンドボードがDirectSoundに対応していないか、");
    PrintWarning("      ハードウェアアクセラレーションがOFFに設定されています。");
    PrintWarning("      サウンドの処理速度が著しく低下する可能性があります。");
    Sleep(500);
    return true;
}

bool CSystemDiagnosis::CheckMixer() {
    // A query that fails keeps these: no false warning.
    DWORD masterMuted = 0;
    DWORD masterVolume = 100;
    DWORD waveMuted = 0;
    DWORD waveVolume = 100;
    bool warned = false;
    machine_.MixerMute(0, &masterMuted);
    if (masterMuted) {
        PrintWarning("警告: マスターサウンドがミュートに設定されています。");
        warned = true;
    }
    machine_.MixerVolume(0, &masterVolume);
    if (masterVolume < 5) {
        PrintWarning("警告: マスターサウンドの音量が非常に小さく設定されています。");
        warned = true;
    }
    machine_.MixerMute(1, &waveMuted);
    if (waveMuted) {
        PrintWarning("警告: Waveサウンドがミュートに設定されています。");
        warned = true;
    }
    machine_.MixerVolume(1, &waveVolume);
    if (waveVolume < 5) {
        PrintWarning("警告: Waveサウンドの音量が非常に小さく設定されています。");
        warned = true;
    }
    if (warned) {
        PrintItem("      音楽は再生されますが、聞こえない可能性があります。");
        PrintItem("      Windowsのボリュームコントロールを確認してください。");
        Sleep(1000);
    }
    return warned;
}
