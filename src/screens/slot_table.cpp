#include "screens/slot_table.h"

SlotTable EmptySlotTable() {
    SlotTable table;
    table.fill(kEmptyPlace);
    return table;
}

void DropInvalidEntries(SlotTable& table) {
    std::array<bool, kSlotTableSize> seen{};
    for (int32_t& value : table) {
        if (value < 0 || value >= kSlotTableSize || seen[value]) {
            value = kEmptyPlace;
            continue;
        }
        seen[value] = true;
    }
}

void CompleteSlotTable(SlotTable& table) {
    std::array<bool, kSlotTableSize> present{};
    for (int32_t value : table) {
        if (value >= 0 && value < kSlotTableSize) present[value] = true;
    }
    int place = 0;
    for (int32_t entry = 0; entry < kSlotTableSize; ++entry) {
        if (present[entry]) continue;
        while (place < kSlotTableSize && table[place] != kEmptyPlace) ++place;
        if (place == kSlotTableSize) return;
        table[place] = entry;
    }
}
