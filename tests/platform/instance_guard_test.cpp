#include "platform/instance_guard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// 表 and ソ: Shift-JIS pairs whose second byte is "\".
#define HYO "\x95\x5C"
#define SO "\x83\x5C"

struct NameCase {
    std::string path;
    std::string expected;
};

TEST(InstanceGuard, MutexNameTurnsEveryBackslashIntoAPlusAndNothingElse) {
    // The longest path a program file can have: 259 characters.
    std::string longPath = "C:";
    std::string longName = "C:";
    for (int i = 0; i < 36; ++i) {
        longPath += "\\abcdef";
        longName += "+abcdef";
    }
    longPath += "\\a.ex";
    longName += "+a.ex";
    ASSERT_EQ(longPath.size(), 259u);
    const NameCase cases[] = {
        {"C:\\Games\\Story\\mirlwood.exe", "C:+Games+Story+mirlwood.exe"},
        {"C:/Games/Story/Mirlwood.EXE", "C:/Games/Story/Mirlwood.EXE"},
        {"C:\\a/b\\c.exe", "C:+a/b+c.exe"},
        {"\\\\server\\share\\x.exe", "++server+share+x.exe"},
        {"C:\\" HYO "\\" SO "\\game.exe", "C:+" HYO "+" SO "+game.exe"},
        {"C:\\" HYO SO "\\x.exe", "C:+" HYO SO "+x.exe"},
        {"C:\\x\\\x95", "C:+x+\x95"},
        {"", ""},
        {longPath, longName},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(MakeInstanceMutexName(c.path), c.expected) << c.path;
    }
}

std::string OwnMutexName() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return MakeInstanceMutexName(path);
}

DWORD WINAPI WaitWithoutDelay(void* mutex) { return WaitForSingleObject(mutex, 0); }

DWORD WINAPI GuardOnce(void*) {
    CInstanceGuard guard;
    return guard.IsFirstInstance() ? 1 : 0;
}

// Runs the function on a thread of its own (ownership of a mutex belongs to a
// thread) and gives its result.
DWORD RunOnAnotherThread(LPTHREAD_START_ROUTINE function, void* argument) {
    HANDLE thread = CreateThread(nullptr, 0, function, argument, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    DWORD result = WAIT_FAILED;
    GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    return result;
}

TEST(InstanceGuard, TheFirstGuardOwnsTheMutexUntilItEndsAndALaterOneIsTurnedAway) {
    auto first = std::make_unique<CInstanceGuard>();
    EXPECT_TRUE(first->IsFirstInstance());
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, OwnMutexName().c_str());
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(RunOnAnotherThread(WaitWithoutDelay, mutex), static_cast<DWORD>(WAIT_TIMEOUT));

    // A later guard is turned away and lets go of nothing the first one owns.
    EXPECT_EQ(RunOnAnotherThread(GuardOnce, nullptr), 0u);
    EXPECT_EQ(RunOnAnotherThread(WaitWithoutDelay, mutex), static_cast<DWORD>(WAIT_TIMEOUT));

    // Released when the first guard ends, not abandoned.
    first.reset();
    EXPECT_EQ(RunOnAnotherThread(WaitWithoutDelay, mutex), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(mutex);

    EXPECT_EQ(RunOnAnotherThread(GuardOnce, nullptr), 1u);
}

TEST(NamedMutex, CreateReportsAMutexThatExistedAndMovesToAnotherName) {
    const std::string name = "mirl-named-mutex-" + std::to_string(GetCurrentProcessId());
    CNamedMutex owner;
    EXPECT_FALSE(owner.Create(name));
    CNamedMutex other;
    EXPECT_TRUE(other.Create(name));
    // Creating another name lets go of the first: the owner's own handle is
    // then the only one left.
    EXPECT_FALSE(other.Create(name + "-b"));
    EXPECT_TRUE(owner.Create(name + "-b"));
    EXPECT_FALSE(other.Create(name));
}

}  // namespace
