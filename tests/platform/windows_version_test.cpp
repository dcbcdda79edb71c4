#include "platform/windows_version.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

OSVERSIONINFOA Version(DWORD platform, DWORD major, DWORD minor, DWORD build = 0,
                       const char* servicePack = "") {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    version.dwPlatformId = platform;
    version.dwMajorVersion = major;
    version.dwMinorVersion = minor;
    version.dwBuildNumber = build;
    std::strcpy(version.szCSDVersion, servicePack);
    return version;
}

TEST(WindowsVersion, NamesAndCodesByPlatformAndVersion) {
    struct Case {
        DWORD platform, major, minor;
        const char* name;
        int code;
    };
    const Case cases[] = {
        {0, 3, 10, "Windows 3.1", 2},
        {0, 9, 9, "Windows 3.1", 2},
        {1, 4, 0, "Windows 95", 3},
        {1, 4, 10, "Windows 98", 4},  // the Second Edition too
        {1, 4, 90, "Windows Me", 5},
        {1, 4, 91, "Windows Me Later", 6},
        {1, 4, 3, "Windows Me Later", 6},
        {1, 5, 10, "Windows 5.10", 0},
        {1, 3, 0, "Windows 3.0", 0},
        {2, 5, 0, "Windows 2000", 8},
        {2, 5, 1, "Windows XP", 9},
        {2, 5, 2, "Windows XP Later", 10},
        {2, 6, 0, "WindowsNT 6.0", 7},
        {2, 4, 0, "WindowsNT 4.0", 7},
        {2, 10, 0, "WindowsNT 10.0", 7},
        {3, 5, 1, "Unknown", 1},
    };
    for (const Case& c : cases) {
        const OSVERSIONINFOA version = Version(c.platform, c.major, c.minor);
        EXPECT_EQ(WindowsVersionNameOf(version), c.name) << c.name;
        EXPECT_EQ(WindowsVersionCodeOf(version), c.code) << c.name;
    }
}

TEST(WindowsVersion, InfoKeepsTheWholeBuildNumberOnNtOnly) {
    int major = 0, minor = 0, build = 0, platform = 0;
    std::string servicePack;
    WindowsVersionInfoOf(Version(2, 5, 1, 2600, "Service Pack 3"), &major, &minor, &build,
                         &platform, servicePack);
    EXPECT_EQ(major, 5);
    EXPECT_EQ(minor, 1);
    EXPECT_EQ(build, 2600);
    EXPECT_EQ(platform, 2);
    EXPECT_EQ(servicePack, "Service Pack 3");

    WindowsVersionInfoOf(Version(2, 6, 0, 0x00011770), &major, &minor, &build, &platform,
                         servicePack);
    EXPECT_EQ(build, 0x11770);
    EXPECT_EQ(servicePack, "");

    // The Windows platform keeps its version in the high word of the build.
    WindowsVersionInfoOf(Version(1, 4, 10, 0x040A08AE, " A "), &major, &minor, &build, &platform,
                         servicePack);
    EXPECT_EQ(build, 0x08AE);
    EXPECT_EQ(platform, 1);
    EXPECT_EQ(servicePack, " A ");
}

TEST(WindowsVersion, RunningSystemNameAndCodeAgree) {
    int major = 0, minor = 0, build = 0, platform = 0;
    std::string servicePack;
    GetWindowsVersionInfo(&major, &minor, &build, &platform, servicePack);
    const OSVERSIONINFOA version = Version(platform, major, minor, build);
    EXPECT_EQ(GetWindowsVersionName(), WindowsVersionNameOf(version));
    EXPECT_EQ(GetWindowsVersionCode(), WindowsVersionCodeOf(version));
    EXPECT_EQ(GetWindowsVersionCode(), GetWindowsVersionCode());
    EXPECT_EQ(platform, VER_PLATFORM_WIN32_NT);
}

}  // namespace
