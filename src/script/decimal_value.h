// The decimal value of the digits at the start of a text, held to the 32-bit
// range: a run of digits too long for an int gives the nearest end of the
// range instead of a wrapped value.
#pragma once

#include <cstdint>
#include <string_view>

// The leading decimal digits of text (none gives 0), negated when negative
// is set; the sign is applied before the range is enforced, so "2147483648"
// read as negative stays exactly the smallest int.
int32_t DecimalValue(std::string_view text, bool negative = false);
