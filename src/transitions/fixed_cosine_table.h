// cos in 16.16 fixed point over 512 steps of a turn, for the kinds that bend
// or ripple the picture row by row without a trigonometric call per row.
#pragma once

#include <cstdint>

// Entry i is trunc(cos(i * 2π / 512) * 65536); index it with (i & 511).
extern int32_t FixedCosineTable[512];

// Fills the table once; later calls do nothing.
void BuildFixedCosineTable();

// Each routine that reads the table holds one of these as a function-local
// static, so the table is built on the first call of any of them.
struct CosineTableInitializer {
    CosineTableInitializer() { BuildFixedCosineTable(); }
};
