#include "platform/sjis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Sjis, LeadBytesAre0x80To0xA0And0xE0To0xFF) {
    struct Case {
        unsigned char byte;
        bool lead;
    };
    const Case cases[] = {
        {0x00, false}, {0x5C, false}, {0x7F, false}, {0x80, true},  {0x81, true},
        {0x9F, true},  {0xA0, true},  {0xA1, false}, {0xDF, false}, {0xE0, true},
        {0xFC, true},  {0xFF, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSjisLeadByte(c.byte), c.lead) << std::hex << int(c.byte);
    }
}

TEST(Sjis, CharacterListsEndAtTheirFirstZero) {
    EXPECT_TRUE(StringEqualsChars("dat", 'd', 'a', 't', 0));
    EXPECT_FALSE(StringEqualsChars("da", 'd', 'a', 't', 0));
    EXPECT_FALSE(StringEqualsChars("data", 'd', 'a', 't', 0));
    EXPECT_FALSE(StringEqualsChars("DAT", 'd', 'a', 't', 0));
    EXPECT_TRUE(StringEqualsChars("", 0));
    EXPECT_FALSE(StringEqualsChars("a", 0));
    EXPECT_TRUE(StringEqualsChars("a", 'a', 0, 'b', 0));
    // Bytes above 0x7F, given as ints or chars, compare as bytes.
    EXPECT_TRUE(StringEqualsChars("\x95\x5c", 0x95, 0x5C, 0));
    EXPECT_TRUE(StringEqualsChars("\x95\x5c", '\x95', '\\', 0));
    EXPECT_FALSE(StringEqualsChars("\x95\x5c", 0x95, 0));

    EXPECT_EQ(MakeStringFromChars('a', 'b', 0), "ab");
    EXPECT_EQ(MakeStringFromChars(0), "");
    EXPECT_EQ(MakeStringFromChars(0x82, 0xA0, '/', 0, 'x'), "\x82\xa0/");
}

TEST(Sjis, SingleByteSearchSkipsTheBytesOfPairs) {
    struct Case {
        std::string s;
        char c;
        int first;
        int last;
    };
    const Case cases[] = {
        {"a/b/c", '/', 1, 3},
        {"abc", 'z', -1, -1},
        {"", '/', -1, -1},
        // 0x5C and 0x2F as second bytes are not separators.
        {"\x95\x5c" "a\\b", '\\', 3, 3},
        {"\x83\x5c", '\\', -1, -1},
        {"\x82/x/", '/', 3, 3},
        // 0xA0 is a lead byte and takes the "/" after it along.
        {"\xa0/x/y", '/', 3, 3},
        // A lead byte is never a single-byte character, paired or alone.
        {"\x81\x81", '\x81', -1, -1},
        {"a\x81", '\x81', -1, -1},
        // Half-width katakana are single bytes.
        {"\xb1/\xb1", '\xb1', 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        EXPECT_EQ(FindSingleByteChar(c.s, c.c), c.first);
        EXPECT_EQ(FindLastSingleByteChar(c.s, c.c), c.last);
    }
}

TEST(Sjis, LastCharacterAndCountTakePairsWhole) {
    struct Case {
        std::string s;
        std::string last;
        int count;
    };
    const Case cases[] = {
        {"", "", 0},
        {"abc", "c", 3},
        {"a\x82\xa0", "\x82\xa0", 2},
        {"\x82\xa0" "b", "b", 2},
        {"\x95\x5c", "\x95\x5c", 1},
        {"\x82\xa0\x82\xa2", "\x82\xa2", 2},
        {"\xb1\xb2", "\xb2", 2},
        // A lead byte as the last byte has no follower: no last character.
        {"ab\x82", "", 3},
        {"\x82", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        EXPECT_EQ(GetLastCharacter(c.s), c.last);
        EXPECT_EQ(CountSjisCharacters(c.s), c.count);
    }
}

}  // namespace
