#include "platform/save_data.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/byte_buffer.h"
#include "support/temp_folder.h"

namespace {

std::vector<uint8_t> ReadTestData(const char* name) {
    std::ifstream in(std::string(MIRL_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The content of the golden files, written out by an independent encoder:
// 2026-12-24 09:15:30, a Thursday, day 357 of the year.
const SaveStamp kGoldenStamp = {{30, 15, 9, 24, 11, 126, 4, 357, 0}};

void FillGoldenContent(CSaveState& state, bool withCaption) {
    state.vars.stamp = kGoldenStamp;
    if (withCaption) state.vars.caption = "\x83Z\x81[\x83u\x81@\x82P";  // セーブ　１
    state.vars.values[0] = 1;
    state.vars.values[1] = -1;
    state.vars.values[500] = 0x12345678;
    state.vars.values[1023] = INT32_MIN;
    state.vars.strings[0] = "abc";
    state.vars.strings[5] = "\x95\x5C\x8e\xa6\x83" "e\x83X\x83g";  // 表示テスト: trail byte 0x5C
    state.vars.strings[127] = "last";
}

void ExpectSameVariables(const SaveVariables& a, const SaveVariables& b) {
    EXPECT_EQ(a.stamp, b.stamp);
    EXPECT_EQ(a.caption, b.caption);
    EXPECT_EQ(a.values, b.values);
    EXPECT_EQ(a.strings, b.strings);
}

TEST(SaveData, EncodesExactlyTheGoldenFiles) {
    CPlayData play;
    FillGoldenContent(play, true);
    EXPECT_EQ(play.Encode(kGoldenStamp), ReadTestData("golden_play.dat"));

    CSystemData system;
    FillGoldenContent(system, false);
    EXPECT_EQ(system.Encode(kGoldenStamp), ReadTestData("golden_system.dat"));
}

TEST(SaveData, DecodesTheGoldenFiles) {
    CPlayData expectedPlay, play;
    FillGoldenContent(expectedPlay, true);
    ASSERT_TRUE(play.Decode(ReadTestData("golden_play.dat")));
    ExpectSameVariables(play.vars, expectedPlay.vars);

    CSystemData expectedSystem, system;
    FillGoldenContent(expectedSystem, false);
    ASSERT_TRUE(system.Decode(ReadTestData("golden_system.dat")));
    ExpectSameVariables(system.vars, expectedSystem.vars);
}

TEST(SaveData, EveryValueAndStringRoundTrips) {
    CPlayData play;
    play.vars.caption = "\x82\xa0\x5c caption";
    for (int i = 0; i < kSaveValueCount; ++i) play.vars.values[i] = i * 2654435761u;
    for (int i = 0; i < kSaveStringCount; ++i) {
        play.vars.strings[i] = std::string(i % 7, static_cast<char>('a' + i % 26)) + "\x88\x9f";
    }
    const SaveStamp at = {{1, 2, 3, 4, 5, 106, 6, 7, 1}};
    CPlayData copy;
    ASSERT_TRUE(copy.Decode(play.Encode(at)));
    play.vars.stamp = at;
    ExpectSameVariables(copy.vars, play.vars);
}

TEST(SaveData, EmptyContentMakesOneZeroBytePerString) {
    CPlayData play;
    // magic, marker, stamp, caption's zero, values, 128 zeros, key word
    EXPECT_EQ(play.Encode(kGoldenStamp).size(), 8u + 4 + 36 + 1 + 4096 + 128 + 4);
    CSystemData system;
    EXPECT_EQ(system.Encode(kGoldenStamp).size(), 8u + 4 + 36 + 4096 + 128 + 4);
}

TEST(SaveData, RefusedFilesLeaveTheObjectUnchanged) {
    const std::vector<uint8_t> golden = ReadTestData("golden_play.dat");
    ASSERT_EQ(golden.size(), 4304u);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"system data given as play data", ReadTestData("golden_system.dat")},
        {"empty", {}},
        {"magic and key word only (12 bytes)",
         {'M', 'i', 'r', 'l', 'P', '0', '0', '1', 1, 2, 3, 4}},
    };
    std::vector<uint8_t> wrongMagic = golden;
    wrongMagic[7] = '2';
    cases.push_back({"wrong magic", wrongMagic});
    for (size_t i = 8; i < 12; ++i) {
        std::vector<uint8_t> damaged = golden;
        damaged[i] ^= 0x40;
        cases.push_back({"damaged marker", damaged});
    }
    std::vector<uint8_t> damagedKey = golden;
    damagedKey[golden.size() - 1] ^= 1;
    cases.push_back({"damaged key word", damagedKey});
    // Cut short in every region: header, stamp, caption, values, strings.
    for (size_t n = 0; n < golden.size(); ++n) {
        cases.push_back({"truncated", std::vector<uint8_t>(golden.begin(), golden.begin() + n)});
    }

    CPlayData before;
    before.vars.caption = "kept";
    before.vars.values[3] = 33;
    before.vars.strings[9] = "nine";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(c.bytes.size()) + " bytes");
        CPlayData play = before;
        EXPECT_FALSE(play.Decode(c.bytes));
        ExpectSameVariables(play.vars, before.vars);
    }
}

TEST(SaveData, SlotFilesAreNumberedInFourDigits) {
    EXPECT_EQ(PlayDataSlotPath(kFirstSaveSlot), "UserData/Play0001.dat");
    EXPECT_EQ(PlayDataSlotPath(kLastSaveSlot), "UserData/Play0060.dat");
}

TEST(SaveData, SaveStampsTheObjectAndLoadGivesEverythingBack) {
    CTempFolder folder;
    CBaseDirectoryScope base(folder.Path());
    CreateDirectoryA((folder.Path() + "UserData").c_str(), nullptr);

    CPlayData play;
    FillGoldenContent(play, true);
    const SaveStamp before = SaveStamp::Now();
    ASSERT_TRUE(play.Save(PlayDataSlotPath(12)));
    EXPECT_FALSE(play.vars.stamp == kGoldenStamp);  // the time of saving
    EXPECT_TRUE(FileExists(folder.Path() + "UserData\\Play0012.dat"));
    EXPECT_GE(play.vars.stamp.fields[5], before.fields[5]);

    CPlayData loaded;
    ASSERT_TRUE(loaded.Load("UserData/Play0012.dat"));
    ExpectSameVariables(loaded.vars, play.vars);

    CSystemData system;
    system.vars.values[7] = 7;
    ASSERT_TRUE(system.Save("UserData/System.dat"));
    // Saving again replaces the file whole.
    system.vars.values[7] = 8;
    ASSERT_TRUE(system.Save("UserData/System.dat"));
    CSystemData systemLoaded;
    ASSERT_TRUE(systemLoaded.Load("UserData/System.dat"));
    EXPECT_EQ(systemLoaded.vars.values[7], 8);
    EXPECT_FALSE(FileExists(folder.Path() + "UserData\\System.dat.tmp"));

    CSystemData missing;
    missing.vars.values[1] = 5;
    EXPECT_FALSE(missing.Load("UserData/Nothing.dat"));
    EXPECT_EQ(missing.vars.values[1], 5);
}

TEST(ByteBuffer, ReadsWhatItWroteAndNeverPastTheEnd) {
    CByteBuffer buffer;
    buffer.SetMode(CByteBuffer::kWrite);
    int32_t number = -123456789;
    std::string text = "\x95\x5C!";
    buffer.SerializeInt32(number);
    buffer.SerializeString(text);
    EXPECT_EQ(buffer.Bytes(),
              (std::vector<uint8_t>{0xEB, 0x32, 0xA4, 0xF8, 0x95, 0x5C, '!', 0}));

    buffer.SetMode(CByteBuffer::kRead);
    int32_t n = 0;
    std::string s;
    buffer.SerializeInt32(n);
    buffer.SerializeString(s);
    EXPECT_EQ(n, number);
    EXPECT_EQ(s, text);
    EXPECT_FALSE(buffer.Overrun());

    int32_t untouched = 77;
    std::string alsoUntouched = "x";
    buffer.SerializeInt32(untouched);
    buffer.SerializeString(alsoUntouched);
    EXPECT_TRUE(buffer.Overrun());
    EXPECT_EQ(untouched, 77);
    EXPECT_EQ(alsoUntouched, "x");

    // A string without its zero byte is not read.
    buffer.Bytes() = {'a', 'b'};
    buffer.SetMode(CByteBuffer::kRead);
    buffer.SerializeString(alsoUntouched);
    EXPECT_TRUE(buffer.Overrun());
    EXPECT_EQ(alsoUntouched, "x");
}

}  // namespace
