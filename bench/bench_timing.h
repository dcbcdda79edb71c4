// Timing shared by the benchmarks.
#pragma once

#include <windows.h>

#include <algorithm>

// Seconds on the performance counter.
inline double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The best time of one operation over the rounds, in milliseconds, with
// `refresh` run untimed before each.
template <class Refresh, class Operation>
double BestMilliseconds(int rounds, Refresh refresh, Operation operation) {
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        refresh();
        const double start = Now();
        operation();
        best = std::min(best, (Now() - start) * 1000);
    }
    return best;
}
