// The slot table file against bytes from an independent encoder: the stored
// words of an empty and an ordered table, a round trip, and what an opening
// makes of missing, short, foreign and damaged files.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "screens/slot_table_file.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

namespace {

const SlotTableFile kFile = SaveSlotTableFile();

SlotTable Ordered() {
    SlotTable table;
    for (int i = 0; i < kSlotTableSize; ++i) table[i] = i;
    return table;
}

SlotTable Reversed() {
    SlotTable table;
    for (int i = 0; i < kSlotTableSize; ++i) table[i] = kSlotTableSize - 1 - i;
    return table;
}

uint32_t StoredWord(const Bytes& bytes, int index) {
    const size_t at = 9 + 4 * index;
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

Bytes Golden(const char* name) { return ReadBytes(GetProgramDirectory() + "screens_fixture\\" + name); }

class SlotTableFileTest : public testing::Test {
protected:
    SlotTableFileTest() {
        CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
        ClearRecordedErrors();
    }
    std::string Path() const { return temp_.Path() + "UserData\\Table_Save.dat"; }
    Bytes Written(const SlotTable& table) {
        WriteTable(kFile, table);
        return ReadBytes(Path());
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};

TEST_F(SlotTableFileTest, TheWriterStoresTheEncodersBytes) {
    const Bytes ordered = Golden("Table_Ordered.dat");
    ASSERT_EQ(ordered.size(), 249u);
    EXPECT_EQ(Written(Ordered()), ordered);
    EXPECT_EQ(Written(Reversed()), Golden("Table_Reversed.dat"));

    const Bytes magic = {'M', 'i', 'r', 'l', 'T', '0', '0', '1', 0};
    EXPECT_TRUE(std::equal(magic.begin(), magic.end(), ordered.begin()));
    const uint32_t orderedWords[] = {0x7C2E5B19, 0x256D687C, 0xCEA475E3};
    const uint32_t emptyWords[] = {0x83D1A4E6, 0x2D10B24B, 0xD64FBFB0};
    const Bytes empty = Written(EmptySlotTable());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(StoredWord(ordered, i), orderedWords[i]) << i;
        EXPECT_EQ(StoredWord(empty, i), emptyWords[i]) << i;
    }
}

TEST_F(SlotTableFileTest, ReadingGivesBackWhatWasWritten) {
    SlotTable mixed = EmptySlotTable();
    for (int i = 0; i < 30; ++i) mixed[(i * 7) % kSlotTableSize] = 59 - i;
    for (const SlotTable& table : {EmptySlotTable(), Ordered(), Reversed(), mixed}) {
        WriteTable(kFile, table);
        SlotTable read;
        read.fill(123);
        EXPECT_TRUE(ReadTable(kFile, read));
        EXPECT_EQ(read, table);
    }
    temp_.Write("UserData/Table_Save.dat", Golden("Table_Reversed.dat"));
    SlotTable read = EmptySlotTable();
    EXPECT_TRUE(ReadTable(kFile, read));
    EXPECT_EQ(read, Reversed());
}

TEST_F(SlotTableFileTest, ScramblingOneWordChangesEveryStoredWordAfterIt) {
    SlotTable changed = Ordered();
    changed[10] = kEmptyPlace;
    const Bytes a = Written(Ordered());
    const Bytes b = Written(changed);
    for (int i = 0; i < kSlotTableSize; ++i) {
        if (i < 10) {
            EXPECT_EQ(StoredWord(a, i), StoredWord(b, i)) << i;
        } else {
            EXPECT_NE(StoredWord(a, i), StoredWord(b, i)) << i;
        }
    }
}

TEST_F(SlotTableFileTest, AnOpeningKeepsAGoodFileAndReplacesAMissingOrDamagedOne) {
    const Bytes ordered = Golden("Table_Ordered.dat");
    const Bytes reversed = Golden("Table_Reversed.dat");
    auto with = [](SlotTable table, int place, int32_t value) {
        table[place] = value;
        return table;
    };
    Bytes noTerminator = reversed;
    noTerminator[8] = 'X';
    Bytes lowerMagic = reversed;
    lowerMagic[0] = 'm';
    Bytes longer = reversed;
    longer.insert(longer.end(), {1, 2, 3});
    // The first occurrence of entry 7 is at place 0; the later one gives way
    // to the missing entry 0.
    SlotTable repeated = with(Ordered(), 0, 7);
    SlotTable repeatedOpened = with(repeated, 7, 0);
    SlotTable gaps = with(with(Reversed(), 0, -1), 30, -1);

    struct Case {
        const char* name;
        bool present;
        Bytes file;           // as it is before the opening
        SlotTable table;      // after the opening
        bool rewritten;       // the file is then the ordered table's
    };
    const Case cases[] = {
        {"missing", false, {}, Ordered(), true},
        {"0 bytes", true, {}, Ordered(), true},
        {"8 bytes", true, Bytes(reversed.begin(), reversed.begin() + 8), Ordered(), true},
        {"9 bytes", true, Bytes(reversed.begin(), reversed.begin() + 9), Ordered(), true},
        {"248 bytes", true, Bytes(reversed.begin(), reversed.begin() + 248), Ordered(), true},
        {"no 0x00 after the magic", true, noTerminator, Ordered(), true},
        {"magic mirlT001", true, lowerMagic, Ordered(), true},
        {"value 60", true, Written(with(Reversed(), 0, 60)), Reversed(), false},
        {"value -2", true, Written(with(Reversed(), 59, -2)), Reversed(), false},
        {"value 0x7FFFFFFF", true, Written(with(Reversed(), 20, 0x7FFFFFFF)), Reversed(), false},
        {"a repeated entry", true, Written(repeated), repeatedOpened, false},
        {"empty places", true, Written(gaps), with(with(Reversed(), 0, 29), 30, 59), false},
        {"252 bytes", true, longer, Reversed(), false},
        {"a valid rearranged file", true, reversed, Reversed(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(Path().c_str());
        if (c.present) temp_.Write("UserData/Table_Save.dat", c.file);
        SlotTable table, copy;
        OpenSlotTable(kFile, table, copy, [&] { CompleteSlotTable(table); });
        EXPECT_EQ(table, c.table);
        EXPECT_EQ(ReadBytes(Path()), c.rewritten ? ordered : c.file);
        if (c.rewritten) {
            EXPECT_EQ(copy, c.table);
        }
        EXPECT_TRUE(RecordedErrors().empty());
    }
}

TEST_F(SlotTableFileTest, CompletingFillsTheFirstEmptyPlacesWithTheMissingEntries) {
    SlotTable table = EmptySlotTable();
    table[0] = 2;
    table[5] = 0;
    table[59] = 58;
    CompleteSlotTable(table);
    SlotTable expected;
    expected[0] = 2;
    expected[1] = 1;
    expected[2] = 3;
    expected[3] = 4;
    expected[4] = 5;
    expected[5] = 0;
    for (int place = 6; place < 58; ++place) expected[place] = place;
    expected[58] = 59;
    expected[59] = 58;
    EXPECT_EQ(table, expected);
}

}  // namespace
