// Attribute values: colours in every form, typing style names and the
// integer rule.
#include <gtest/gtest.h>

#include <climits>

#include "platform/tokenizer.h"
#include "support/error_recorder.h"
#include "text/markup_values.h"

namespace {

Color32 ColorOf(const std::string& value) {
    CTokenizer reader(value);
    AddColorSymbols(reader);
    return ParseMarkupColor(reader);
}

TEST(MarkupValuesTest, Colors) {
    const struct {
        const char* value;
        Color32 color;
    } cases[] = {
        {"clear", 0x00000000},
        {"black", 0xFF000000},
        {"gray", 0xFF808080},
        {"silver", 0xFFC0C0C0},
        {"white", 0xFFFFFFFF},
        {"red", 0xFFFF0000},
        {"lime", 0xFF00FF00},
        {"blue", 0xFF0000FF},
        {"yellow", 0xFFFFFF00},
        {"aqua", 0xFF00FFFF},
        {"fuchsia", 0xFFFF00FF},
        {"maroon", 0xFF800000},
        {"green", 0xFF008000},
        {"navy", 0xFF000080},
        {"olive", 0xFF808000},
        {"teal", 0xFF008080},
        {"purple", 0xFF800080},
        {"red blue", 0xFFFF0000},
        {" \tnavy", 0xFF000080},
        {"#ff0000", 0xFFFF0000},
        {"#FF0000", 0xFFFF0000},
        {"#a1B2c3", 0xFFA1B2C3},
        {"#FF000080", 0x80FF0000},
        {"#00000001", 0x01000000},
        {"#F80", 0xFFF08000},
        {"#FFF", 0xFFF0F0F0},
        {"#FF00", 0x00F0F000},
        {"#1234", 0x40102030},
        {"#123456789", 0x78123456},
        {"#F80 trailing words", 0xFFF08000},
        {"#F80x", 0xFFF08000},
        {"RGB(255,128,0)", 0xFFFF8000},
        {"RGB ( 1 , 2 , 3 )", 0xFF010203},
        {"RGB(0,0,0) and more", 0xFF000000},
        {"RGBA(0,0,0,128)", 0x80000000},
        {"RGBA( 255 ,255, 255 ,0 )", 0x00FFFFFF},
        {"RGBA(1,2,3,4)", 0x04010203},
        {"RGB(007,08,9)", 0xFF070809},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorOf(c.value), c.color) << c.value;
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(MarkupValuesTest, StyleNames) {
    const char* const names[] = {"Normal", "Spit",      "Bang", "Jump", "Fade",   "Shutter", "Flicker",
                                 "Stretch", "OffCenter", "Rise", "Wave", "Spring", "Splash"};
    for (int code = 1; code <= 13; ++code) EXPECT_EQ(ParseTypeStyle(names[code - 1]), code) << names[code - 1];
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(MarkupValuesTest, Integers) {
    const struct {
        const char* value;
        int result;
    } cases[] = {
        {"0", 0},           {"12", 12},         {"-5", -5},         {"+3", 3},
        {" \t7", 7},        {"12px", 12},       {"007", 7},         {"2147483647", INT_MAX},
        {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}, {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseMarkupInteger(c.value), c.result) << c.value;
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
