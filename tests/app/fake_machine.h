// A made-up machine for the start-up diagnosis and its report: every answer
// is a field a test sets. It starts as a machine with everything in order.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <array>
#include <map>
#include <string>

#include "app/machine_facts.h"
#include "media/sound_device.h"
#include "platform/windows_version.h"

// A DirectSound object that answers Initialize and GetCaps as told.
class CFakeDiagnosisSound : public IDirectSound {
public:
    HRESULT initializeResult = DS_OK;
    DWORD capsFlags = 0;
    int capsQueries = 0;
    LONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC, LPDIRECTSOUNDBUFFER* buffer,
                                                LPUNKNOWN) override {
        *buffer = nullptr;
        return DSERR_GENERIC;
    }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS caps) override {
        ++capsQueries;
        if (caps->dwSize != sizeof(DSCAPS)) return DSERR_INVALIDPARAM;
        caps->dwFlags = capsFlags;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER, LPDIRECTSOUNDBUFFER*) override {
        return DSERR_GENERIC;
    }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE Compact() override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD) override { return DSERR_GENERIC; }
    HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD) override { return DSERR_GENERIC; }
    HRESULT STDMETHODCALLTYPE Initialize(LPCGUID) override { return initializeResult; }
};

// Hands out the fake DirectSound object and counts what the device asks.
class CFakeSoundFactory : public CDirectSoundFactory {
public:
    CFakeDiagnosisSound sound;
    int comStarts = 0;
    int comEnds = 0;
    int creations = 0;

    int StartCom() override {
        ++comStarts;
        return 0;
    }
    void EndCom() override { ++comEnds; }
    HRESULT CreateDirectSound(IDirectSound** device) override {
        ++creations;
        sound.AddRef();
        *device = &sound;
        return DS_OK;
    }
};

class CFakeMachine : public CMachineFacts {
public:
    CFakeMachine() {
        cpu.detected = true;
        cpu.vendorId = "GenuineIntel";
        cpu.vendorName = "Intel";
        cpu.fpu = cpu.mmx = cpu.sse = cpu.sse2 = true;
        cpu.family = 6;
        cpu.model = 8;
        cpu.stepping = 3;
        version.dwOSVersionInfoSize = sizeof version;
        version.dwPlatformId = VER_PLATFORM_WIN32_NT;
        version.dwMajorVersion = 5;
        version.dwMinorVersion = 1;
        version.dwBuildNumber = 2600;
        lstrcpyA(version.szCSDVersion, "Service Pack 2");
        driverCaps.dwCaps = DDCAPS_BLT | DDCAPS_BLTCOLORFILL | DDCAPS_BLTSTRETCH | DDCAPS_COLORKEY;
        driverCaps.dwVidMemTotal = 64u << 20;
        driverCaps.dwVidMemFree = (40u << 20) + 12345;
        time.tm_year = 2004 - 1900;
        time.tm_mon = 2;
        time.tm_mday = 14;
        time.tm_hour = 9;
        time.tm_min = 5;
        time.tm_sec = 7;
    }

    bool cpuid = true;
    CCpuInfo cpu;
    uint64_t totalMemory = uint64_t{256} << 20;
    uint64_t freeMemory = (uint64_t{128} << 20) + 4095;
    OSVERSIONINFOA version = {};
    uint32_t directX = 0x801;
    bool directDraw = true;
    HRESULT capsResult = DD_OK;
    DirectDrawCaps driverCaps = {};
    DirectDrawCaps emulationCaps = {};
    DisplayModeList modes;
    int screenWidth = 1024;
    int screenHeight = 768;
    uint32_t desktopDepth = 32;
    bool directShow = true;
    CFakeSoundFactory sound;
    // Per line: whether the query works, and what it reads.
    bool muteReadable[2] = {true, true};
    bool volumeReadable[2] = {true, true};
    DWORD muted[2] = {0, 0};
    DWORD volume[2] = {80, 65};
    std::tm time = {};
    std::string computerName = "STUDIO-PC";
    std::map<char, UINT> driveTypes;
    // Sectors per cluster, bytes per sector, free and total clusters.
    std::map<char, std::array<DWORD, 4>> diskSpace;
    std::string windowsDirectory = "C:\\WINDOWS";
    std::string systemDirectory = "C:\\WINDOWS\\system32";
    std::string tempDirectory = "C:\\TEMP\\";
    std::string currentDirectory = "C:\\Game";
    std::string modulePath = "C:\\Game\\mirlwood.exe";
    std::string baseDirectory = "C:\\Game\\";
    std::map<std::string, std::string> versionStrings;
    // What the diagnosis asked for.
    int capsQueries = 0;
    int directShowProbes = 0;
    std::string versionModuleAsked;

    bool IsCpuidAvailable() override { return cpuid; }
    const CCpuInfo& Cpu() override { return cpu; }
    void MemoryStatus(uint64_t* totalBytes, uint64_t* freeBytes) override {
        *totalBytes = totalMemory;
        *freeBytes = freeMemory;
    }
    std::string WindowsVersionName() override { return WindowsVersionNameOf(version); }
    int WindowsVersionCode() override { return WindowsVersionCodeOf(version); }
    void WindowsVersionInfo(int* major, int* minor, int* build, int* platform,
                            std::string& servicePack) override {
        WindowsVersionInfoOf(version, major, minor, build, platform, servicePack);
    }
    uint32_t DirectXVersion() override { return directX; }
    bool HasDirectDraw() override { return directDraw; }
    HRESULT GetDirectDrawCaps(DirectDrawCaps* driver, DirectDrawCaps* emulation) override {
        ++capsQueries;
        if (FAILED(capsResult)) return capsResult;
        if ((driver && driver->dwSize != 316) || (emulation && emulation->dwSize != 316))
            return DDERR_INVALIDPARAMS;
        if (driver) *driver = driverCaps;
        if (emulation) *emulation = emulationCaps;
        return DD_OK;
    }
    void ListDisplayModes(DisplayModeList* list) override { *list = modes; }
    int ScreenWidth() override { return screenWidth; }
    int ScreenHeight() override { return screenHeight; }
    uint32_t DesktopBitDepth() override { return desktopDepth; }
    bool ProbeDirectShow() override {
        ++directShowProbes;
        return directShow;
    }
    CDirectSoundFactory& SoundFactory() override { return sound; }
    int MixerMute(int line, DWORD* value) override {
        if (!muteReadable[line]) return 0;
        *value = muted[line];
        return 1;
    }
    int MixerVolume(int line, DWORD* percent) override {
        if (!volumeReadable[line]) return 0;
        *percent = volume[line];
        return 1;
    }
    std::tm LocalTime() override { return time; }
    std::string ComputerName() override { return computerName; }
    UINT DriveType(const std::string& root) override {
        auto found = driveTypes.find(root[0]);
        return found == driveTypes.end() ? DRIVE_NO_ROOT_DIR : found->second;
    }
    bool DiskFreeSpace(const std::string& root, DWORD* sectorsPerCluster, DWORD* bytesPerSector,
                       DWORD* freeClusters, DWORD* totalClusters) override {
        auto found = diskSpace.find(root[0]);
        if (found == diskSpace.end()) return false;
        *sectorsPerCluster = found->second[0];
        *bytesPerSector = found->second[1];
        *freeClusters = found->second[2];
        *totalClusters = found->second[3];
        return true;
    }
    std::string WindowsDirectory() override { return windowsDirectory; }
    std::string SystemDirectory() override { return systemDirectory; }
    std::string TempDirectory() override { return tempDirectory; }
    std::string CurrentDirectory() override { return currentDirectory; }
    std::string ModulePath() override { return modulePath; }
    std::string BaseDirectory() override { return baseDirectory; }
    std::string ModuleVersionString(const std::string& module, const std::string& key) override {
        versionModuleAsked = module;
        auto found = versionStrings.find(key);
        return found == versionStrings.end() ? std::string() : found->second;
    }
};
