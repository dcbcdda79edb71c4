// The floating-point steps the round and square wipes share. Every double is
// kept in a variable of its own before it is truncated, and the library is
// built with -ffloat-store, so the x87 unit's extra precision never reaches a
// result: the same sizes come out on every processor and target.
#pragma once

#include <cmath>

// trunc(hypot(dx, dy)): the distance to the far corner, in whole pixels.
inline int TruncatedHypot(int dx, int dy) {
    const double distance = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    return static_cast<int>(distance);
}

// √(r² − dy²) of a row dy from the centre of a circle of radius r, with the
// square formed in integers; |dy| <= r.
inline double RowHalfChord(int r, int dy) {
    const double root = std::sqrt(static_cast<double>(r * r - dy * dy));
    return root;
}

// trunc(√(r² − dy²)).
inline int TruncatedHalfChord(int r, int dy) {
    const double root = RowHalfChord(r, dy);
    return static_cast<int>(root);
}

// trunc(2·√(r² − dy²)): doubled before the truncation.
inline int TruncatedChord(int r, int dy) {
    const double root = RowHalfChord(r, dy);
    const double chord = 2 * root;
    return static_cast<int>(chord);
}
