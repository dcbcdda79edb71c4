#include "script/decimal_value.h"

int32_t DecimalValue(std::string_view text, bool negative) {
    // Collected as a magnitude one past the largest int at most, which the
    // negative side still needs whole.
    constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    if (negative) return static_cast<int32_t>(-magnitude);
    return static_cast<int32_t>(magnitude > INT32_MAX ? INT32_MAX : magnitude);
}
