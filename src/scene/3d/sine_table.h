// The sines and cosines of rotation angles, read from one table instead of
// the library: 4096 entries make one turn, and 1024 more let the cosine of
// index k be read as entry k + 1024 without wrapping.
#pragma once

constexpr int kSineTableSize = 5120;
constexpr int kSineQuarterTurn = 1024;

extern float SineTable[kSineTableSize];

// Entry i = sin(i * 0.00153398046875), computed in extended precision and
// stored as float. Filling it again gives the same values.
void BuildSineTable();

// trunc(angle * 651.898782528094) & 0xFFF, angle in radians; negative angles
// wrap by the two's-complement mask. A value that is not finite gives 0.
int AngleToIndex(double angle);
