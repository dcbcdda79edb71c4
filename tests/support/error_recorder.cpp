#include "support/error_recorder.h"

namespace {
std::vector<ErrorBox> g_errors;

void Record(const ErrorBox& box) { g_errors.push_back(box); }
}  // namespace

void InstallErrorRecorder() { SetErrorReporter(Record); }

const std::vector<ErrorBox>& RecordedErrors() { return g_errors; }

void ClearRecordedErrors() { g_errors.clear(); }
