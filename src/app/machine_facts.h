// Everything the start-up diagnosis and its report ask of the machine, behind
// one interface: the program answers from the real system, a test from a
// machine it makes up.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "graphics/display_modes.h"
#include "platform/cpu_info.h"

class CDirectSoundFactory;

// The DirectDraw capability record as DirectX 3 laid it out: the diagnosis
// passes this size, which every DirectDraw version accepts.
using DirectDrawCaps = DDCAPS_DX3;
static_assert(sizeof(DirectDrawCaps) == 316, "the DirectX 3 capability record is 316 bytes");

class CMachineFacts {
public:
    virtual ~CMachineFacts() = default;

    // The processor as CPUID shows it (detected once).
    virtual bool IsCpuidAvailable() = 0;
    virtual const CCpuInfo& Cpu() = 0;

    // Physical memory in bytes, total and free (GlobalMemoryStatus).
    virtual void MemoryStatus(uint64_t* totalBytes, uint64_t* freeBytes) = 0;

    virtual std::string WindowsVersionName() = 0;
    // A WindowsVersionCode.
    virtual int WindowsVersionCode() = 0;
    virtual void WindowsVersionInfo(int* major, int* minor, int* build, int* platform,
                                    std::string& servicePack) = 0;

    // The DirectX version code (0 for none).
    virtual uint32_t DirectXVersion() = 0;

    // Whether the game's display device exists with a DirectDraw object; the
    // three DirectDraw questions below are asked only then.
    virtual bool HasDirectDraw() = 0;
    // IDirectDraw::GetCaps into the driver's and the emulation layer's
    // records, either of which may be null; the records come with dwSize set.
    virtual HRESULT GetDirectDrawCaps(DirectDrawCaps* driver, DirectDrawCaps* emulation) = 0;
    virtual void ListDisplayModes(DisplayModeList* modes) = 0;
    // The screen's size (GetSystemMetrics) and the desktop's bits per pixel.
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    virtual uint32_t DesktopBitDepth() = 0;

    // Makes the DirectShow multimedia stream probe and answers whether the
    // stream object could be created.
    virtual bool ProbeDirectShow() = 0;

    // What the shared sound device is created through.
    virtual CDirectSoundFactory& SoundFactory() = 0;
    // Mixer 0's line 0 (speakers) or 1 (wave output): 1 read, 0 on a mixer
    // error, which leaves the value as it was.
    virtual int MixerMute(int line, DWORD* value) = 0;
    virtual int MixerVolume(int line, DWORD* percent) = 0;

    // The report's facts: the local time, the computer's name (empty when
    // it cannot be read), the drives, the folders and the program's file.
    virtual std::tm LocalTime() = 0;
    virtual std::string ComputerName() = 0;
    // GetDriveTypeA of a root such as "C:\".
    virtual UINT DriveType(const std::string& root) = 0;
    // GetDiskFreeSpaceA; false when it fails.
    virtual bool DiskFreeSpace(const std::string& root, DWORD* sectorsPerCluster,
                               DWORD* bytesPerSector, DWORD* freeClusters,
                               DWORD* totalClusters) = 0;
    virtual std::string WindowsDirectory() = 0;
    virtual std::string SystemDirectory() = 0;
    virtual std::string TempDirectory() = 0;
    virtual std::string CurrentDirectory() = 0;
    // The program file's full path, and the base directory of game paths.
    virtual std::string ModulePath() = 0;
    virtual std::string BaseDirectory() = 0;
    // A string of the version resource of the module at the path.
    virtual std::string ModuleVersionString(const std::string& modulePath,
                                            const std::string& key) = 0;
};

// The machine the program runs on.
CMachineFacts& SystemMachineFacts();
