#include "platform/truncate_toward_zero.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct TruncationCase {
    double value;
    int32_t expected;
};

// Zeros, fractions, halves, the neighbours of whole numbers, the ends of the
// range and beyond, infinities and NaN (the last ones as the processors'
// own conversion gives them).
const TruncationCase kCases[] = {
    {0.0, 0},
    {-0.0, 0},
    {std::numeric_limits<double>::denorm_min(), 0},
    {-std::numeric_limits<double>::min(), 0},
    {0.5, 0},
    {-0.5, 0},
    {0.9999999999999999, 0},
    {-0.9999999999999999, 0},
    {1.0, 1},
    {-1.0, -1},
    {1.5, 1},
    {-1.5, -1},
    {2.5, 2},
    {-2.5, -2},
    {2.9999999999999996, 2},
    {-2.9999999999999996, -2},
    {3.0000000000000004, 3},
    {152.99999999999997, 152},
    {153.0, 153},
    {799.5, 799},
    {-799.5, -799},
    {1048576.75, 1048576},
    {1073741823.5, 1073741823},
    {1073741824.0, 1073741824},
    {2147483646.5, 2147483646},
    {2147483647.0, kMax},
    {2147483647.9999998, kMax},
    {-2147483647.9999998, -kMax},
    {-2147483648.0, kMin},
    {-2147483648.9999995, kMin},
    {2147483648.0, kMin},
    {-2147483649.0, kMin},
    {4503599627370496.5, kMin},
    {1e300, kMin},
    {-1e300, kMin},
    {kInfinity, kMin},
    {-kInfinity, kMin},
    {std::nan(""), kMin},
};

TEST(TruncateTowardZero, EdgeValues) {
    for (const TruncationCase& c : kCases) {
        EXPECT_EQ(TruncateTowardZero(c.value), c.expected) << std::hexfloat << c.value;
    }
}

// Every value in the range truncates as the compiler's own conversion does:
// quarters across the small numbers, the whole numbers near powers of two
// and their neighbouring doubles, and random values of every magnitude.
TEST(TruncateTowardZero, AgreesWithTheLanguageConversionAcrossTheRange) {
    auto expectAgreement = [](double v) {
        EXPECT_EQ(TruncateTowardZero(v), static_cast<int32_t>(v)) << std::hexfloat << v;
    };
    for (int quarter = -4096; quarter <= 4096; ++quarter) expectAgreement(quarter / 4.0);
    for (int power = 0; power < 31; ++power) {
        for (const double whole : {std::ldexp(1.0, power), std::ldexp(1.0, power) - 1}) {
            for (const double sign : {1.0, -1.0}) {
                const double v = sign * whole;
                expectAgreement(v);
                expectAgreement(std::nextafter(v, kInfinity));
                expectAgreement(std::nextafter(v, -kInfinity));
            }
        }
    }
    std::mt19937 random(5);
    std::uniform_real_distribution<double> exponent(-40.0, 31.0);
    for (int i = 0; i < 100000; ++i) {
        const double v = std::exp2(exponent(random)) * (random() & 1 ? 1 : -1);
        if (std::fabs(v) < 2147483648.0) expectAgreement(v);
    }
}

}  // namespace
