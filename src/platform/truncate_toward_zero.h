// A double's whole part, toward zero, read from its bits. On the 32-bit x87
// unit the compiler's own conversion sets the rounding mode to chop around
// each one (two control-word loads), which stalls the unit wherever a value
// is converted per node or per pixel; the bits give the same integer with
// integer instructions, whatever mode or precision the unit is in.
#pragma once

#include <cstdint>
#include <cstring>

// trunc(v) for every v with |trunc(v)| < 2^31, and -2^31 itself; values
// beyond, infinities and NaN give -2^31, as the processors' own conversion
// does.
inline int32_t TruncateTowardZero(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int exponent = static_cast<int>(bits >> 52 & 0x7FF) - 1023;
    if (exponent < 0) return 0;  // |v| < 1, zeros and subnormals
    if (exponent > 30) return INT32_MIN;
    const uint64_t significand = (bits & 0xFFFFFFFFFFFFFull) | 0x10000000000000ull;
    const uint32_t magnitude = static_cast<uint32_t>(significand >> (52 - exponent));
    return static_cast<int32_t>(bits >> 63 ? 0u - magnitude : magnitude);
}
