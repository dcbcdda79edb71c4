// Text made by the C formatting rules, of whatever length they give.
#pragma once

#include <string>

std::string FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));
