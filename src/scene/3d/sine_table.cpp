#include "scene/3d/sine_table.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr long double kSineStep = 0.00153398046875L;
// The reciprocal of the step, not exactly 4096 / (2 pi).
constexpr double kStepsPerRadian = 651.898782528094;
constexpr double kTurn = 4096.0;

}  // namespace

float SineTable[kSineTableSize];

void BuildSineTable() {
    for (int i = 0; i < kSineTableSize; ++i) {
        SineTable[i] = static_cast<float>(std::sin(static_cast<long double>(i) * kSineStep));
    }
}

int AngleToIndex(double angle) {
    const double steps = angle * kStepsPerRadian;
    if (!std::isfinite(steps)) return 0;
    // Whole turns taken off first keep the truncation inside int range; the
    // remainder keeps the sign, so the mask wraps it as it would the whole.
    const int32_t whole = static_cast<int32_t>(std::fmod(steps, kTurn));
    return whole & 0xFFF;
}
