// Version strings read from files built with version resources of their own.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/module_version.h"
#include "support/temp_folder.h"

namespace {

// A file built beside the test program.
std::string BesideProgram(const std::string& name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

TEST(ModuleVersion, ReadsTheTableOfTheFirstTranslation) {
    const std::string dll = BesideProgram("version_direct.dll");
    const struct {
        const char* key;
        std::string value;
    } cases[] = {
        {"CompanyName", "Direct Company"},
        {"FileVersion", "1.2.3.4"},
        // The long value is cut to the limit.
        {"Comments", std::string(kVersionValueLimit, 'L')},
        // Missing from the first table: found by the search, in the second.
        {"ProductName", "Only In The Second Table"},
        {"SpecialBuild", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetModuleVersionString(dll, c.key), c.value) << c.key;
}

TEST(ModuleVersion, SearchesCodePagesBeforeLanguagesWhenTheTranslationHasNoTable) {
    const std::string dll = BesideProgram("version_fallback.dll");
    // Russian in UTF-16 (0x0419, 1200) comes before Arabic in Western
    // (0x0401, 1252): code page 1200 is searched before 1252.
    EXPECT_EQ(GetModuleVersionString(dll, "CompanyName"), "Russian Unicode Company");
    EXPECT_EQ(GetModuleVersionString(dll, "LegalCopyright"), "Only In The Western Table");
    EXPECT_EQ(GetModuleVersionString(dll, "FileVersion"), "");
}

TEST(ModuleVersion, FilesWithoutAVersionResourceGiveEmptyValues) {
    CTempFolder folder;
    const std::string text = folder.Write("plain.txt", std::string("no resources here"));
    EXPECT_EQ(GetModuleVersionString(text, "CompanyName"), "");
    EXPECT_EQ(GetModuleVersionString(folder.Path() + "missing.dll", "CompanyName"), "");
}

TEST(ModuleVersion, QueryVersionStringAsksOneTable) {
    const std::string dll = BesideProgram("version_direct.dll");
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(dll.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(dll.c_str(), handle, size, &data[0]));
    std::string value = "unchanged";
    EXPECT_TRUE(QueryVersionString(data.data(), 0x0409, 1200, "CompanyName", &value));
    EXPECT_EQ(value, "Second Table Company");
    value = "unchanged";
    EXPECT_FALSE(QueryVersionString(data.data(), 0x0409, 1200, "FileVersion", &value));
    EXPECT_FALSE(QueryVersionString(data.data(), 0x0411, 932, "CompanyName", &value));
    EXPECT_EQ(value, "unchanged");
}

}  // namespace
