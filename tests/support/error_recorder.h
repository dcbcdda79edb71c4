// Records the error boxes raised during a test instead of showing them.
#pragma once

#include <vector>

#include "platform/error_report.h"

void InstallErrorRecorder();
// The boxes raised since the last ClearRecordedErrors.
const std::vector<ErrorBox>& RecordedErrors();
void ClearRecordedErrors();
