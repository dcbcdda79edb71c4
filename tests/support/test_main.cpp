// Entry of every test program: error boxes are recorded instead of shown, so
// no modal box can block a run, and each test starts with an empty record.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "support/error_recorder.h"

namespace {
class ClearErrorsBetweenTests : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { ClearRecordedErrors(); }
};
}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallErrorRecorder();
    testing::UnitTest::GetInstance()->listeners().Append(new ClearErrorsBetweenTests);
    const int result = RUN_ALL_TESTS();
    // On a loaded machine Wine can stall in the library shutdown of a
    // process that ends normally: every result is written and the program
    // never exits. The results are out, so the process ends here.
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
