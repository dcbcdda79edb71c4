// The arrangement of the 60 save entries on the three pages of the load and
// save screens: place p of page g is index g * 20 + p, in column p % 5 and
// row p / 5. A value is an entry number 0 to 59 (the save slot whose file is
// "UserData/Play%04d.dat" with number + 1) or -1 for an empty place.
#pragma once

#include <array>
#include <cstdint>

constexpr int kSlotTableSize = 60;
constexpr int kPlacesPerPage = 20;
constexpr int kPlaceColumns = 5;
constexpr int kPlaceRows = 4;
constexpr int32_t kEmptyPlace = -1;

using SlotTable = std::array<int32_t, kSlotTableSize>;

// Every place empty.
SlotTable EmptySlotTable();

// Values outside -1..59 and an entry met again after its first place in
// index order become -1, so that no place names a slot that does not exist
// and no entry stands twice.
void DropInvalidEntries(SlotTable& table);

// Every entry number that the table lacks goes into the first empty place,
// scanning the places in index order.
void CompleteSlotTable(SlotTable& table);
