// The name and code of the Windows version, for the start-up diagnosis and
// its report. The pure forms read a version record a caller supplies.
#pragma once

#include <windows.h>

#include <string>

enum WindowsVersionCode : int {
    kWindows9xOther = 0,  // the Windows platform, major version not 4
    kWindowsNotDetermined = 1,
    kWindows31 = 2,       // Win32s
    kWindows95 = 3,
    kWindows98 = 4,
    kWindowsMe = 5,
    kWindowsMeLater = 6,
    kWindowsNTOther = 7,  // the NT platform, major version not 5
    kWindows2000 = 8,
    kWindowsXP = 9,
    kWindowsXPLater = 10,
};

std::string WindowsVersionNameOf(const OSVERSIONINFOA& version);
// kWindowsNotDetermined for a platform the table does not know.
int WindowsVersionCodeOf(const OSVERSIONINFOA& version);
// The build number is whole on the NT platform and its low 16 bits elsewhere.
void WindowsVersionInfoOf(const OSVERSIONINFOA& version, int* major, int* minor, int* build,
                          int* platform, std::string& servicePack);

// The same, of the running system (GetVersionExA).
std::string GetWindowsVersionName();
// Computed on the first call and kept, unless it could not be determined.
int GetWindowsVersionCode();
void GetWindowsVersionInfo(int* major, int* minor, int* build, int* platform,
                           std::string& servicePack);
