// A test program that dies of an unhandled exception in the middle of a test:
// it prints the start of a test run, then divides by zero.
#include <cstdio>

namespace {
// Both volatile: the division must happen at run time, as a real division.
volatile int g_dividend = 1;
volatile int g_divisor = 0;
}  // namespace

int main() {
    std::printf("[==========] Running 1 test from 1 test suite.\n");
    std::printf("[ RUN      ] Harness.DividesByZero\n");
    std::fflush(stdout);
    const int quotient = g_dividend / g_divisor;
    std::printf("quotient %d\n", quotient);
    std::printf("[       OK ] Harness.DividesByZero\n");
    return 0;
}
