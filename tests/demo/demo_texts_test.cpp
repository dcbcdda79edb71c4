// Every text of the demo game, read from its archive as the game reads it:
// Shift-JIS with CR LF line ends only, and every one compiles as a script.
#include <gtest/gtest.h>

#include <string>

#include "demo_game.h"
#include "demo_texts.h"
#include "platform/data_file.h"
#include "script/script_cache.h"
#include "support/error_recorder.h"

namespace {

// Where the bytes stop being Shift-JIS text with CR LF line ends (a lone CR
// or LF, a control byte other than TAB, a byte that starts no character, a
// lead byte without a valid second byte); -1 when they never do.
long FirstFault(const uint8_t* bytes, uint32_t size) {
    for (uint32_t i = 0; i < size; ++i) {
        const uint8_t c = bytes[i];
        if (c == '\r') {
            if (i + 1 >= size || bytes[i + 1] != '\n') return i;
            ++i;
        } else if (c == '\n' || (c < 0x20 && c != '\t') || c == 0x7F) {
            return i;
        } else if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            if (i + 1 >= size) return i;
            const uint8_t trail = bytes[i + 1];
            if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return i;
            ++i;
        } else if (c >= 0x80 && !(c >= 0xA1 && c <= 0xDF)) {
            return i;
        }
    }
    return -1;
}

TEST(DemoTextCheck, FindsTheFirstByteThatIsNoShiftJisTextWithCrLf) {
    struct Case {
        std::string text;
        long fault;
    };
    const Case cases[] = {
        {"page Main {\r\n\tWaitKey();\r\n}\r\n", -1},
        {"\x82\xA0\x83\x41\xB1\r\n", -1},  // two full-width characters, one half-width
        {"a\nb", 1},
        {"a\r\nb\rc", 4},
        {"ab\r", 2},
        {"\x82", 0},
        {"x\x82\x0D\x0A", 1},
        {"\x80", 0},
        {"\xA0", 0},
        {"\xFD\x40", 0},
        {"a\x1A", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FirstFault(reinterpret_cast<const uint8_t*>(c.text.data()), c.text.size()), c.fault);
    }
}

class DemoTextsTest : public testing::Test {
protected:
    DemoTextsTest() { ClearRecordedErrors(); }
    CDemoFolder game_;
};

TEST_F(DemoTextsTest, EveryArchivedTextIsShiftJisWithCrLf) {
    for (const char* text : kDemoTexts) {
        SCOPED_TRACE(text);
        CDataFile file;
        ASSERT_EQ(file.OpenWhole(text, false), 0);
        EXPECT_GT(file.GetSize(), 0u);
        EXPECT_EQ(FirstFault(file.GetData(), file.GetSize()), -1);
    }
}

TEST_F(DemoTextsTest, EveryScriptCompilesWithItsPageMain) {
    for (const char* text : kDemoTexts) {
        SCOPED_TRACE(text);
        CScriptCache scripts;
        CScriptCache classes;
        EXPECT_NO_THROW(scripts.FetchUnit(text, classes));
        EXPECT_TRUE(RecordedErrors().empty());
        const std::shared_ptr<CScriptUnit> unit = scripts.Find(text);
        ASSERT_NE(unit, nullptr);
        EXPECT_TRUE(unit->HasPage("Main"));
    }
}

}  // namespace
