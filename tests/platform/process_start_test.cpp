#include "platform/process_start.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(ProcessStart, WaitsForTheStartedProgramWhenAskedAndReportsOneThatCannotStart) {
    CTempFolder folder;
    const std::string file = folder.Path() + "written.txt";
    EXPECT_EQ(RunProcessAndWait("cmd.exe /c echo done> \"" + file + "\"", true), 0);
    // Written by the time the call returns.
    EXPECT_EQ(ReadBytes(file), BytesOf("done\r\n"));

    EXPECT_EQ(RunProcessAndWait("\"" + folder.Path() + "missing.exe\" argument", true), 1);
    // Found on the search path, as the game's "notepad" is.
    EXPECT_EQ(RunProcessAndWait("cmd /c exit 0", true), 0);
    EXPECT_EQ(RunProcessAndWait("missing-program-of-no-folder argument", false), 1);
}

}  // namespace
