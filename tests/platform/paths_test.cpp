#include "platform/paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/error_recorder.h"
#include "support/temp_folder.h"

namespace {

// Shift-JIS characters whose second byte is a path character on its own:
// 表 (0x95 0x5C, "\"), ソ (0x83 0x5C), and pairs with "/", ":" and "." or a
// letter as their second byte.
#define HYO "\x95\x5C"
#define SO "\x83\x5C"
#define SLASH_TRAIL "\x83\x2F"
#define COLON_TRAIL "\x81\x3A"
#define DOT_TRAIL "\x81\x2E"
#define A_KANA "\x83\x41"  // ア, second byte "A"

struct ResolveCase {
    const char* directory;
    const char* path;
    const char* expected;
};

TEST(Paths, ResolvePathFoldsOnlyTheLeadingDotsAndSeparators) {
    const ResolveCase cases[] = {
        {"C:\\Game\\", "S/Main.txt", "C:\\Game\\S\\Main.txt"},
        {"C:\\Game\\", "S/MAIN.Txt", "C:\\Game\\S\\MAIN.Txt"},
        {"C:\\Game\\", "../x.dat", "C:\\x.dat"},
        {"C:\\G\\", "./a/../b.txt", "C:\\G\\a\\..\\b.txt"},
        {"C:\\A\\B\\", "..\\..\\x", "C:\\x"},
        {"C:\\A\\B\\", "../.\\..//x", "C:\\x"},
        {"C:\\", "../../x", "C:\\x"},
        {"C:\\G\\", "..\\", "C:\\"},
        {"C:\\G\\", "././a", "C:\\G\\a"},
        {"C:\\G\\", "a/./b", "C:\\G\\a\\.\\b"},
        {"C:\\G\\", "..x", "C:\\G\\..x"},
        {"C:\\G\\", "/a.txt", "C:\\G\\a.txt"},
        {"C:\\G\\", "a\\b/c", "C:\\G\\a\\b\\c"},
        {"C:\\G\\", "", "C:\\G\\"},
        {"C:\\G", "a.txt", "C:\\G\\a.txt"},
        {"C:/G/", "a.txt", "C:/G/a.txt"},
        {"C:\\G\\", "D:/data/x.png", "D:\\data\\x.png"},
        {"C:\\G\\", "D:..\\x", "D:..\\x"},
        {"C:\\G\\", "\\\\srv/share/x", "\\\\srv\\share\\x"},
        {"C:\\G\\", "//srv/x", "C:\\G\\srv\\x"},
        // The second byte of a double-byte character is never a separator,
        // a colon or part of "..\".
        {"C:\\G\\", HYO "/" SLASH_TRAIL ".txt", "C:\\G\\" HYO "\\" SLASH_TRAIL ".txt"},
        {"C:\\G\\", COLON_TRAIL ".txt", "C:\\G\\" COLON_TRAIL ".txt"},
        {"C:\\G\\", SO "..\\x", "C:\\G\\" SO "..\\x"},
        {"C:\\" HYO, "a", "C:\\" HYO "\\a"},
        {"C:\\" HYO "\\", "../a", "C:\\a"},
        {"C:\\A\\B" SO "\\", "../a", "C:\\A\\a"},
    };
    for (const ResolveCase& c : cases) {
        SCOPED_TRACE(std::string(c.directory) + " + " + c.path);
        EXPECT_EQ(ResolvePath(c.directory, c.path), c.expected);
    }
}

TEST(Paths, NormalizePathResolvesAgainstTheBaseDirectory) {
    CBaseDirectoryScope base("C:\\Game\\");
    EXPECT_EQ(NormalizePath("S/Main.txt"), "C:\\Game\\S\\Main.txt");
    EXPECT_EQ(NormalizePath("../x.dat"), "C:\\x.dat");
    EXPECT_EQ(NormalizePath("UserData/Config.ini"), "C:\\Game\\UserData\\Config.ini");
}

struct RemoveCase {
    const char* dir;
    int result;
    const char* after;
};

TEST(Paths, RemoveLastPathComponentKeepsTheSeparatorInFront) {
    const RemoveCase cases[] = {
        {"", 1, ""},
        {"C:\\Game\\", 0, "C:\\"},
        {"C:\\Game", 0, "C:\\"},
        {"C:\\A\\B\\", 0, "C:\\A\\"},
        {"C:/A/B", 0, "C:/A/"},
        {"C:\\", 1, "C:\\"},
        {"Game", 1, "Game"},
        {"Game\\", 1, "Game\\"},
        {"\\\\server\\share\\dir\\", 0, "\\\\server\\share\\"},
        {"\\\\server\\share\\", 1, "\\\\server\\share\\"},
        {"\\\\server", 1, "\\\\server"},
        {"C:\\" HYO "\\", 0, "C:\\"},
        {"C:\\A" HYO, 0, "C:\\"},
        {"C:\\A\\" SO SO, 0, "C:\\A\\"},
    };
    for (const RemoveCase& c : cases) {
        SCOPED_TRACE(c.dir);
        std::string dir = c.dir;
        EXPECT_EQ(RemoveLastPathComponent(dir), c.result);
        EXPECT_EQ(dir, c.after);
    }
}

struct BaseCase {
    const char* path;
    const char* base;
};

TEST(Paths, SetBaseDirectoryTakesAFolderOrTheFolderOfAFile) {
    const BaseCase cases[] = {
        {"C:\\Game\\", "C:\\Game\\"},
        {"C:\\Game", "C:\\Game\\"},
        {"C:/Game/", "C:/Game/"},
        {"C:\\Game\\mirlwood.exe", "C:\\Game\\"},
        {"\"C:\\Game\\mirlwood.exe\"", "C:\\Game\\"},
        {"\"C:\\My Game\"", "C:\\My Game\\"},
        {"C:\\Game.v2\\Data", "C:\\Game.v2\\Data\\"},
        {"C:\\" HYO, "C:\\" HYO "\\"},
        {"C:\\A" DOT_TRAIL "B", "C:\\A" DOT_TRAIL "B\\"},
    };
    CBaseDirectoryScope restore("C:\\");
    for (const BaseCase& c : cases) {
        SCOPED_TRACE(c.path);
        SetBaseDirectory(c.path);
        EXPECT_EQ(GetBaseDirectory(), c.base);
    }
}

struct SplitCase {
    const char* path;
    const char* directory;
    const char* fileName;
    const char* extension;
};

TEST(Paths, SplittersFindTheLastSingleByteSeparatorAndDot) {
    const SplitCase cases[] = {
        {"C:\\Game\\S\\Main.txt", "C:\\Game\\S", "Main.txt", "txt"},
        {"S/Main.TXT", "S", "Main.TXT", "TXT"},
        {"mn/sub\\a.png", "mn\\sub", "a.png", "png"},
        {"Main.txt", "Main.txt", "Main.txt", "txt"},
        {"a.b/c", "a.b", "c", ""},
        {"dir/", "dir", "", ""},
        {"x.tar.gz", "x.tar.gz", "x.tar.gz", "gz"},
        {"s/.hidden", "s", ".hidden", "hidden"},
        {"s/name.", "s", "name.", ""},
        {"S/" HYO ".txt", "S", HYO ".txt", "txt"},
        {HYO, HYO, HYO, ""},
        {"a/" SLASH_TRAIL "b/c", "a\\" SLASH_TRAIL "b", "c", ""},
        {"a/" DOT_TRAIL "x", "a", DOT_TRAIL "x", ""},
        {"a/b" SO, "a", "b" SO, ""},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(GetDirectoryPart(c.path), c.directory);
        EXPECT_EQ(GetFileNamePart(c.path), c.fileName);
        EXPECT_EQ(GetExtension(c.path), c.extension);
    }
}

TEST(Paths, MakeLowerCaseLeavesDoubleByteCharactersAlone) {
    const std::pair<const char*, const char*> cases[] = {
        {"MAIN.TXT", "main.txt"},
        {"Z[@`{", "z[@`{"},
        {A_KANA "AB", A_KANA "ab"},
        {"\xB1" "A", "\xB1" "a"},  // half-width katakana is a single byte
        {"\xA0" "A", "\xA0" "A"},  // 0xA0 is a lead byte
        {"A\x95", "a\x95"},        // a lead byte without its second byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        std::string s = c.first;
        MakeLowerCase(s);
        EXPECT_EQ(s, c.second);
    }
}

TEST(Paths, ProgramDirectoryHoldsThisProgram) {
    std::string directory = GetProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_TRUE(FileExists(directory + "platform_tests.exe")) << directory;
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
