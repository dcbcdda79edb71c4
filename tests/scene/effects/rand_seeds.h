// Seeds of the C runtime's generator, found by trying, for the tests that
// need a given draw at a given place.
#pragma once

#include <cmath>
#include <cstdlib>

// The first seed whose draw number `position` (1 for the first rand()
// after srand) is `value`.
inline unsigned SeedGiving(int value, int position) {
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        for (int i = 1; i < position; ++i) std::rand();
        if (std::rand() == value) return seed;
    }
}

// The depth draw as the painters make it: trunc(12 - ln r), 1 for r = 0.
inline int ModelDepth() {
    const int r = std::rand() % 1000000;
    return r == 0 ? 1 : static_cast<int>(12.0 - std::log(static_cast<double>(r)));
}

inline int ModelBelow(int n) { return std::rand() % (n < 1 ? 1 : n); }
