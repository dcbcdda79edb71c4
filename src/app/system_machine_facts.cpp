// The diagnosis's questions answered by the running system.
#include <windows.h>

#include "app/application.h"
#include "app/machine_facts.h"
#include "app/module_version.h"
#include "graphics/desktop_depth.h"
#include "graphics/direct_draw.h"
#include "media/mixer_volume.h"
#include "media/multimedia_stream_probe.h"
#include "media/sound_device.h"
#include "platform/directx_version.h"
#include "platform/paths.h"
#include "platform/windows_version.h"

namespace {

// A folder that a "fill this buffer" call reports; empty when the call fails
// or the path does not fit.
template <typename Query>
std::string FolderOf(Query query) {
    char path[MAX_PATH + 1] = {};
    DWORD length = query(path, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return std::string();
    return std::string(path, length);
}

class CSystemMachineFacts : public CMachineFacts {
public:
    bool IsCpuidAvailable() override { return ::IsCpuidAvailable(); }
    const CCpuInfo& Cpu() override { return GetCpuInfo(); }

    void MemoryStatus(uint64_t* totalBytes, uint64_t* freeBytes) override {
        MEMORYSTATUS status = {};
        status.dwLength = sizeof status;
        GlobalMemoryStatus(&status);
        *totalBytes = status.dwTotalPhys;
        *freeBytes = status.dwAvailPhys;
    }

    std::string WindowsVersionName() override { return GetWindowsVersionName(); }
    int WindowsVersionCode() override { return GetWindowsVersionCode(); }
    void WindowsVersionInfo(int* major, int* minor, int* build, int* platform,
                            std::string& servicePack) override {
        GetWindowsVersionInfo(major, minor, build, platform, servicePack);
    }

    uint32_t DirectXVersion() override { return GetDirectXVersion(); }

    bool HasDirectDraw() override { return GetDisplayDevice() && GetDirectDraw(); }
    HRESULT GetDirectDrawCaps(DirectDrawCaps* driver, DirectDrawCaps* emulation) override {
        return GetDirectDraw()->GetCaps(reinterpret_cast<DDCAPS*>(driver),
                                        reinterpret_cast<DDCAPS*>(emulation));
    }
    void ListDisplayModes(DisplayModeList* modes) override { ::ListDisplayModes(modes); }
    int ScreenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
    int ScreenHeight() override { return GetSystemMetrics(SM_CYSCREEN); }
    uint32_t DesktopBitDepth() override { return GetDesktopBitDepth(); }

    bool ProbeDirectShow() override {
        CMultiMediaStreamProbe probe;
        return CMultiMediaStreamProbe::IsAvailable();
    }

    CDirectSoundFactory& SoundFactory() override { return SystemDirectSoundFactory(); }
    int MixerMute(int line, DWORD* value) override { return CMixerVolume(line).GetMute(value); }
    int MixerVolume(int line, DWORD* percent) override {
        return CMixerVolume(line).GetVolume(percent);
    }

    std::tm LocalTime() override {
        const std::time_t now = std::time(nullptr);
        // A clock the C library cannot convert reads as all zeros.
        const std::tm* local = std::localtime(&now);
        return local ? *local : std::tm{};
    }
    std::string ComputerName() override {
        char name[16] = {};
        DWORD size = sizeof name;
        if (!GetComputerNameA(name, &size)) return std::string();
        return name;
    }
    UINT DriveType(const std::string& root) override { return GetDriveTypeA(root.c_str()); }
    bool DiskFreeSpace(const std::string& root, DWORD* sectorsPerCluster, DWORD* bytesPerSector,
                       DWORD* freeClusters, DWORD* totalClusters) override {
        return GetDiskFreeSpaceA(root.c_str(), sectorsPerCluster, bytesPerSector, freeClusters,
                                 totalClusters) != 0;
    }
    std::string WindowsDirectory() override {
        return FolderOf([](char* path, DWORD size) { return GetWindowsDirectoryA(path, size); });
    }
    std::string SystemDirectory() override {
        return FolderOf([](char* path, DWORD size) { return GetSystemDirectoryA(path, size); });
    }
    std::string TempDirectory() override {
        return FolderOf([](char* path, DWORD size) { return GetTempPathA(size, path); });
    }
    std::string CurrentDirectory() override {
        return FolderOf([](char* path, DWORD size) { return GetCurrentDirectoryA(size, path); });
    }
    std::string ModulePath() override {
        return FolderOf([](char* path, DWORD size) {
            DWORD length = GetModuleFileNameA(nullptr, path, size);
            // A path cut to the buffer counts as unreadable.
            return length < size ? length : 0;
        });
    }
    std::string BaseDirectory() override { return GetBaseDirectory(); }
    std::string ModuleVersionString(const std::string& modulePath,
                                    const std::string& key) override {
        return GetModuleVersionString(modulePath, key);
    }
};

}  // namespace

CMachineFacts& SystemMachineFacts() {
    static CSystemMachineFacts facts;
    return facts;
}
