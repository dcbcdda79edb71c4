// Entry of every test program: error boxes are recorded instead of shown, so
// no modal box can block a run.
#include <gtest/gtest.h>

#include "support/error_recorder.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallErrorRecorder();
    return RUN_ALL_TESTS();
}
