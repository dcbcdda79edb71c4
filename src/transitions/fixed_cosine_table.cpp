#include "transitions/fixed_cosine_table.h"

#include <cmath>

int32_t FixedCosineTable[512];

namespace {

bool tableBuilt = false;

}  // namespace

void BuildFixedCosineTable() {
    if (tableBuilt) return;
    for (int i = 0; i < 512; ++i) {
        const double value = std::cos(i * 0.01227184630308513) * 65536;
        FixedCosineTable[i] = static_cast<int32_t>(value);
    }
    tableBuilt = true;
}
