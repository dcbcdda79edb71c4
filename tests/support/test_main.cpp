// Entry of every test program: error boxes are recorded instead of shown, so
// no modal box can block a run, and each test starts with an empty record.
#include <gtest/gtest.h>

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
    return RUN_ALL_TESTS();
}
