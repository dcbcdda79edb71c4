// Checks that a node operation raises the node code's "Internal Error" at a
// given place.
#pragma once

#include <gtest/gtest.h>

#include "platform/error_report.h"
#include "support/error_recorder.h"

template <class Operation>
void ExpectNodeError(int place, Operation operation) {
    ClearRecordedErrors();
    EXPECT_THROW(operation(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
    EXPECT_EQ(RecordedErrors()[0].module, kModuleNode);
    EXPECT_EQ(RecordedErrors()[0].place, place);
    ClearRecordedErrors();
}
