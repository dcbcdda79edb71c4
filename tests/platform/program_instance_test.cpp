#include "platform/program_instance.h"

#include <gtest/gtest.h>

#include "platform/paths.h"

namespace {

TEST(ProgramInstance, SettingItPointsTheBaseDirectoryAtTheProgramsFolder) {
    SetBaseDirectory("C:\\Elsewhere\\");
    char commandLine[] = "";
    SetProgramInstance(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
    EXPECT_EQ(GetProgramInstance(), GetModuleHandleA(nullptr));
    EXPECT_EQ(GetBaseDirectory(), GetProgramDirectory());
    EXPECT_EQ(NormalizePath("UserData/Config.ini"), GetProgramDirectory() + "UserData\\Config.ini");
}

}  // namespace
