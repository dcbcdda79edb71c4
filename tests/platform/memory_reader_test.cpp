#include "platform/memory_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/error_recorder.h"

namespace {

struct Step {
    int size;
    int result;
    std::string line;  // when a line was stored
    int lineNumber;    // after the call
};

struct Case {
    const char* name;
    std::string text;
    std::vector<Step> steps;
};

TEST(MemoryReader, CutsCrLfLinesIntoTheBuffer) {
    const Case cases[] = {
        {"CR LF lines", "abc\r\ndef\r\n", {{16, 0, "abc", 2}, {16, 0, "def", 3}, {16, 1, "", 3}}},
        {"last line without CR LF", "abc\r\nde", {{16, 0, "abc", 2}, {16, 0, "de", 2}, {16, 1, "", 2}}},
        {"empty lines", "\r\n\r\nx", {{16, 0, "", 2}, {16, 0, "", 3}, {16, 0, "x", 3}}},
        {"lone LF and CR are ordinary", "a\nb\rc\r\nd", {{16, 0, "a\nb\rc", 2}, {16, 0, "d", 2}}},
        {"CR as the last byte", "ab\r", {{16, 0, "ab\r", 1}, {16, 1, "", 1}}},
        {"line of exactly size - 1 bytes", "abc\r\nd",
         {{4, 2, "abc", 1}, {4, 0, "", 2}, {4, 0, "d", 2}}},
        {"long line continues", "abcdefg\r\nh", {{4, 2, "abc", 1}, {4, 2, "def", 1}, {4, 0, "g", 2}}},
        {"size 1 stores an empty string", "ab", {{1, 2, "", 1}, {16, 0, "ab", 1}}},
        {"a pair is never split", "a\x82\xa0" "b",
         {{3, 2, "a", 1}, {3, 2, "\x82\xa0", 1}, {3, 0, "b", 1}}},
        {"CR as second byte is no line end", "\x82\r\nx", {{16, 0, "\x82\r\nx", 1}}},
        {"lead byte as the last byte", "ab\x82", {{16, 0, "ab\x82", 1}, {16, 1, "", 1}}},
        {"empty text", "", {{16, 1, "", 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMemoryReader reader(c.text.data(), static_cast<int>(c.text.size()));
        EXPECT_EQ(reader.LineNumber(), 1);
        for (const Step& s : c.steps) {
            char buffer[32];
            std::memset(buffer, 'X', sizeof buffer);
            ASSERT_EQ(reader.ReadLine(buffer, s.size), s.result);
            if (s.result != 1) {
                EXPECT_EQ(std::string(buffer), s.line);
            }
            EXPECT_EQ(buffer[s.size], 'X') << "wrote past the buffer";
            EXPECT_EQ(reader.LineNumber(), s.lineNumber);
        }
    }
}

TEST(MemoryReader, NeverReadsPastItsLength) {
    // The slice ends between CR and LF, and then inside a Shift-JIS pair.
    const char text[] = "abc\r\nxy\x82\x40";
    char buffer[16];
    CMemoryReader first(text, 4);
    EXPECT_EQ(first.ReadLine(buffer, 16), 0);
    EXPECT_STREQ(buffer, "abc\r");
    EXPECT_EQ(first.LineNumber(), 1);
    EXPECT_EQ(first.ReadLine(buffer, 16), 1);

    CMemoryReader second(text + 5, 3);
    EXPECT_EQ(second.ReadLine(buffer, 16), 0);
    EXPECT_STREQ(buffer, "xy\x82");
}

TEST(MemoryReader, NoDataNoBufferAndNegativeLength) {
    char buffer[4] = {'X', 'X', 'X', 'X'};
    CMemoryReader none(nullptr, 0);
    EXPECT_EQ(none.ReadLine(buffer, 4), 3);
    EXPECT_EQ(buffer[0], 'X');

    // A buffer of no bytes cannot even hold the terminating zero.
    CMemoryReader reader("ab\r\n", 4);
    EXPECT_EQ(reader.ReadLine(buffer, 0), 2);
    EXPECT_EQ(reader.ReadLine(nullptr, 4), 2);
    EXPECT_EQ(buffer[0], 'X');
    EXPECT_EQ(reader.ReadLine(buffer, 4), 0);
    EXPECT_STREQ(buffer, "ab");

    ClearRecordedErrors();
    EXPECT_THROW(CMemoryReader("ab", -1), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
    EXPECT_EQ(RecordedErrors()[0].module, 2044);
    EXPECT_EQ(RecordedErrors()[0].place, 26);
}

}  // namespace
