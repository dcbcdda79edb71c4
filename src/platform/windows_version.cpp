#include "platform/windows_version.h"

#include <cstdio>
#include <cstring>

namespace {

int g_versionCode = kWindowsNotDetermined;

OSVERSIONINFOA ReadVersion() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version;
}

std::string Numbered(const char* format, const OSVERSIONINFOA& version) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<int>(version.dwMajorVersion),
                  static_cast<int>(version.dwMinorVersion));
    return text;
}

}  // namespace

std::string WindowsVersionNameOf(const OSVERSIONINFOA& version) {
    switch (WindowsVersionCodeOf(version)) {
        case kWindows31: return "Windows 3.1";
        case kWindows95: return "Windows 95";
        case kWindows98: return "Windows 98";
        case kWindowsMe: return "Windows Me";
        case kWindowsMeLater: return "Windows Me Later";
        case kWindows9xOther: return Numbered("Windows %d.%d", version);
        case kWindows2000: return "Windows 2000";
        case kWindowsXP: return "Windows XP";
        case kWindowsXPLater: return "Windows XP Later";
        case kWindowsNTOther: return Numbered("WindowsNT %d.%d", version);
        default: return "Unknown";
    }
}

int WindowsVersionCodeOf(const OSVERSIONINFOA& version) {
    switch (version.dwPlatformId) {
        case VER_PLATFORM_WIN32s:
            return kWindows31;
        case VER_PLATFORM_WIN32_WINDOWS:
            if (version.dwMajorVersion != 4) return kWindows9xOther;
            switch (version.dwMinorVersion) {
                case 0: return kWindows95;
                case 10: return kWindows98;
                case 90: return kWindowsMe;
                default: return kWindowsMeLater;
            }
        case VER_PLATFORM_WIN32_NT:
            if (version.dwMajorVersion != 5) return kWindowsNTOther;
            switch (version.dwMinorVersion) {
                case 0: return kWindows2000;
                case 1: return kWindowsXP;
                default: return kWindowsXPLater;
            }
        default:
            return kWindowsNotDetermined;
    }
}

void WindowsVersionInfoOf(const OSVERSIONINFOA& version, int* major, int* minor, int* build,
                          int* platform, std::string& servicePack) {
    *major = static_cast<int>(version.dwMajorVersion);
    *minor = static_cast<int>(version.dwMinorVersion);
    *build = static_cast<int>(version.dwPlatformId == VER_PLATFORM_WIN32_NT
                                  ? version.dwBuildNumber
                                  : version.dwBuildNumber & 0xFFFF);
    *platform = static_cast<int>(version.dwPlatformId);
    servicePack.assign(version.szCSDVersion,
                       strnlen(version.szCSDVersion, sizeof version.szCSDVersion));
}

std::string GetWindowsVersionName() { return WindowsVersionNameOf(ReadVersion()); }

int GetWindowsVersionCode() {
    if (g_versionCode == kWindowsNotDetermined) {
        g_versionCode = WindowsVersionCodeOf(ReadVersion());
    }
    return g_versionCode;
}

void GetWindowsVersionInfo(int* major, int* minor, int* build, int* platform,
                           std::string& servicePack) {
    WindowsVersionInfoOf(ReadVersion(), major, minor, build, platform, servicePack);
}
