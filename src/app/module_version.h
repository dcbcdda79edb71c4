// The strings of a program file's version resource, for the diagnosis report.
#pragma once

#include <cstddef>
#include <string>

// The longest value kept; a longer one is cut at a character boundary.
constexpr std::size_t kVersionValueLimit = 255;

// The value of the key ("CompanyName", "FileVersion", ...) in the module's
// string tables: the table of the file's first translation first, then the
// first table found over the known code pages and languages. Empty when the
// file has no version resource or no table holds the key.
std::string GetModuleVersionString(const std::string& modulePath, const std::string& key);

// The value of the key in the string table of the language and code page,
// looked up in a version resource read whole; false when there is none.
bool QueryVersionString(const void* versionData, unsigned language, unsigned codePage,
                        const std::string& key, std::string* value);
