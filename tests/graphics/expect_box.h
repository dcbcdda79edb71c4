// Checks that exactly one error box was raised, and which.
#pragma once

#include <gtest/gtest.h>

#include "support/error_recorder.h"

inline void ExpectOneBox(ErrorKind kind, int module, int place) {
    ASSERT_EQ(RecordedErrors().size(), 1u);
    const ErrorBox& box = RecordedErrors()[0];
    EXPECT_EQ(box.kind, kind);
    EXPECT_EQ(box.module, module);
    EXPECT_EQ(box.place, place);
    ClearRecordedErrors();
}
