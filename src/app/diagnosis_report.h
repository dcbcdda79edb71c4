// The diagnosis report: a plain-text description of the machine for support,
// written at start-up when the diagnosis setting is on.
#pragma once

#include <string>

class CMachineFacts;

// Writes the report of the running machine to the path (a text file, so
// every line ends in CR LF). A file that cannot be created is skipped
// silently.
void WriteDiagnosisReport(const std::string& path);
void WriteDiagnosisReport(const std::string& path, CMachineFacts& machine);
