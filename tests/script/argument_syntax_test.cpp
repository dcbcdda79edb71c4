#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/easing.h"
#include "support/guarded_bytes.h"
#include "platform/paths.h"
#include "platform/tokenizer.h"
#include "script/script_compiler.h"

namespace {

// The symbols a script file is read with, in their order.
void AddScriptSymbols(CTokenizer& tokenizer) {
    tokenizer.AddSymbols(",", "(", ")", "{", "}", ">=", ">", "<=", "<", "==", "!=", "&&", "||", "!", "+",
                         "-", ";", ":", "//", "/*", "*/", "$", "=", "%", "@", "#", "");
}

std::unique_ptr<CTokenizer> Tokens(const std::string& text) {
    auto tokenizer = std::make_unique<CTokenizer>(text);
    AddScriptSymbols(*tokenizer);
    return tokenizer;
}

std::string NextText(CTokenizer& tokenizer) {
    std::string text;
    tokenizer.NextToken(text);
    return text;
}

class ArgumentSyntax : public testing::Test {
protected:
    CScriptCompiler compiler{"S/Main.txt"};
};

// A reader run on text: whether it threw, and the token left after it.
struct ReaderRun {
    bool failed;
    std::string next;
};

ReaderRun RunReader(const std::string& text, const std::function<void(CTokenizer&)>& reader) {
    auto tokenizer = Tokens(text);
    bool failed = false;
    try {
        reader(*tokenizer);
    } catch (const CScriptSyntaxError&) {
        failed = true;
    }
    return {failed, NextText(*tokenizer)};
}

TEST_F(ArgumentSyntax, ListReadsAFixedNumberOfArguments) {
    struct Case {
        const char* text;
        bool fails;
    };
    const Case cases[] = {
        {"(1, 2);", false},
        {"( 1 , 2 ) ;", false},
        {"(abc, 2);", false},   // an unreadable argument is abandoned
        {"(1);", true},         // ")" where "," was expected
        {"(1, 2, 3);", true},   // "," where ")" was expected
        {"(1 2);", true},
        {"1, 2);", true},
        {"(1, 2)", true},
        {"(1, 2),", true},
        {"", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t a = -1;
        int32_t b = -1;
        auto tokenizer = Tokens(c.text);
        if (c.fails) {
            EXPECT_THROW(compiler.ParseArguments(
                             *tokenizer, {CScriptArgument::Number(a), CScriptArgument::Number(b)}),
                         CScriptSyntaxError);
        } else {
            compiler.ParseArguments(*tokenizer, {CScriptArgument::Number(a), CScriptArgument::Number(b)});
            EXPECT_EQ(a, c.text[1] == 'a' ? 0 : 1);
            EXPECT_EQ(b, 2);
            EXPECT_EQ(tokenizer->BytesLeft(), 0);
        }
    }
    auto empty = Tokens("();x");
    compiler.ParseArguments(*empty, {});
    EXPECT_EQ(NextText(*empty), "x");
}

TEST_F(ArgumentSyntax, AnUnreadableArgumentIsUnsetAndTheListGoesOn) {
    int32_t number = 99, optional = 99, relMode = 99, relValue = 99, hMode = 99, hValue = 99;
    int32_t vMode = 99, vValue = 99, channel = 99, channelNumber = 99;
    bool given = true, flag = true;
    std::string text = "junk", word = "junk", path = "junk", expression = "junk";
    Color32 colour = 5;
    EasingCurve curve = EaseAcc2;
    std::vector<ScriptPoint> bezier = {{9, 9}}, hermite = {{9, 9}};
    auto tokenizer = Tokens(
        "(abc, , , , , , maybe, #, #, nocolour, acc3, se1, (0,0){1,1}{2,2}(3,3){4,4}, "
        "(0,0){1,1}(2,2), @1+1);");
    compiler.ParseArguments(
        *tokenizer,
        {CScriptArgument::Number(number), CScriptArgument::OptionalNumber(given, optional),
         CScriptArgument::RelativeNumber(relMode, relValue), CScriptArgument::String(text),
         CScriptArgument::Word(word), CScriptArgument::Path(path), CScriptArgument::Bool(flag),
         CScriptArgument::HorizontalPlacement(hMode, hValue),
         CScriptArgument::VerticalPlacement(vMode, vValue), CScriptArgument::Color(colour),
         CScriptArgument::Easing(curve), CScriptArgument::SoundChannel(channel, channelNumber),
         CScriptArgument::BezierPoints(bezier), CScriptArgument::HermitePoints(hermite),
         // Last: an expression's scan takes "," as its sequence operator.
         CScriptArgument::Expression(expression)});
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(given);
    EXPECT_EQ(optional, 0);
    EXPECT_EQ(relMode, 0);
    EXPECT_EQ(relValue, 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(word, "");
    EXPECT_EQ(path, "");
    EXPECT_FALSE(flag);
    EXPECT_EQ(hMode, 0);
    EXPECT_EQ(hValue, 0);
    EXPECT_EQ(vMode, 0);
    EXPECT_EQ(vValue, 0);
    EXPECT_EQ(colour, 0u);
    EXPECT_EQ(expression, " @1+1");  // an expression is never unreadable
    EXPECT_EQ(curve, nullptr);
    EXPECT_EQ(channel, 0);
    EXPECT_EQ(channelNumber, 0);
    // The point lists keep what was read before the count check failed.
    EXPECT_EQ(bezier, (std::vector<ScriptPoint>{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_EQ(hermite, (std::vector<ScriptPoint>{{0, 0}, {1, 1}, {2, 2}}));
}

TEST_F(ArgumentSyntax, WhatAFailingArgumentTookStaysTaken) {
    struct Case {
        const char* text;
        bool fails;
    };
    const Case cases[] = {
        {"(RGB(256, 0, 0), 1);", false},  // the whole form is taken
        {"(#12345, 1);", true},           // the digits are left for the list
        {"(#123456789, 1);", true},       // the ninth digit is left
        {"(RGB(1, 2), 1);", false},   // the "," it stopped at is the list's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Color32 colour = 5;
        int32_t number = 0;
        auto tokenizer = Tokens(c.text);
        const auto parse = [&] {
            compiler.ParseArguments(*tokenizer, {CScriptArgument::Color(colour), CScriptArgument::Number(number)});
        };
        if (c.fails) {
            EXPECT_THROW(parse(), CScriptSyntaxError);
        } else {
            parse();
            EXPECT_EQ(colour, 0u);
            EXPECT_EQ(number, 1);
        }
    }
    // A bad placement word has set the keyword mode already.
    int32_t mode = 0, value = 0;
    auto tokenizer = Tokens("(middle);");
    compiler.ParseArguments(*tokenizer, {CScriptArgument::HorizontalPlacement(mode, value)});
    EXPECT_EQ(mode, 9);
    EXPECT_EQ(value, 0);
}

TEST_F(ArgumentSyntax, Numbers) {
    struct Case {
        const char* text;
        bool fails;
        int32_t value;
        const char* next;
    };
    const Case cases[] = {
        {"5", false, 5, ""},
        {"-5", false, -5, ""},
        {"- 5", false, -5, ""},
        {"- /* note */ 5", false, -5, ""},
        {"+7", false, 7, ""},
        {"007", false, 7, ""},
        {"0x10", false, 0, "x10"},
        {"2147483647", false, 2147483647, ""},
        {"-2147483648", false, -2147483647 - 1, ""},
        {"2147483648", false, 2147483647, ""},
        {"-99999999999", false, -2147483647 - 1, ""},
        {"123456789012345678901234567890", false, 2147483647, ""},
        {"abc", true, 0, ""},
        {"-x", true, 0, "x"},
        {"--5", true, 0, "-"},
        {"", true, 0, ""},
        {",", true, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t value = -1;
        const ReaderRun run = RunReader(c.text, [&](CTokenizer& t) { value = compiler.ParseNumber(t); });
        EXPECT_EQ(run.failed, c.fails);
        if (!c.fails) {
            EXPECT_EQ(value, c.value);
        }
        EXPECT_EQ(run.next, c.next);
    }
}

TEST_F(ArgumentSyntax, OptionalAndRelativeNumbers) {
    struct Case {
        const char* text;
        bool fails;
        int32_t first;  // given flag or mode; -1 untouched
        int32_t value;  // -1 untouched
        const char* next;
    };
    const Case optional[] = {
        {"12", false, 1, 12, ""},
        {"-3", false, 1, -3, ""},
        {"+3", false, 1, 3, ""},
        {"invalid", false, 0, 0, ""},
        {"abc", true, -1, -1, "abc"},
        {"@3", true, -1, -1, "@"},
    };
    for (const Case& c : optional) {
        SCOPED_TRACE(c.text);
        bool given = true;
        int32_t value = -1;
        const ReaderRun run =
            RunReader(c.text, [&](CTokenizer& t) { compiler.ParseOptionalNumber(t, given, value); });
        EXPECT_EQ(run.failed, c.fails);
        if (c.first >= 0) {
            EXPECT_EQ(given, c.first == 1);
        }
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(run.next, c.next);
    }
    const Case relative[] = {
        {"12", false, 1, 12, ""},
        {"-12", false, 1, -12, ""},
        {"@-4", false, 2, -4, ""},
        {"@ 4", false, 2, 4, ""},
        {"@x", true, -1, -1, ""},
        {"x", true, -1, -1, "x"},
        {"invalid", true, -1, -1, "invalid"},
    };
    for (const Case& c : relative) {
        SCOPED_TRACE(c.text);
        int32_t mode = -1;
        int32_t value = -1;
        const ReaderRun run =
            RunReader(c.text, [&](CTokenizer& t) { compiler.ParseRelativeNumber(t, mode, value); });
        EXPECT_EQ(run.failed, c.fails);
        EXPECT_EQ(mode, c.first);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(run.next, c.next);
    }
}

TEST_F(ArgumentSyntax, StringsWordsPathsAndBools) {
    std::string out;
    EXPECT_FALSE(RunReader("\"a b\\\"c\" x", [&](CTokenizer& t) { compiler.ParseStringArgument(t, out); }).failed);
    EXPECT_EQ(out, "a b\"c");
    EXPECT_TRUE(RunReader("abc", [&](CTokenizer& t) { compiler.ParseStringArgument(t, out); }).failed);
    EXPECT_TRUE(RunReader("\"open", [&](CTokenizer& t) { compiler.ParseStringArgument(t, out); }).failed);

    EXPECT_FALSE(RunReader("_abc1 x", [&](CTokenizer& t) { compiler.ParseWordArgument(t, out); }).failed);
    EXPECT_EQ(out, "_abc1");
    EXPECT_TRUE(RunReader("1abc", [&](CTokenizer& t) { compiler.ParseWordArgument(t, out); }).failed);
    EXPECT_TRUE(RunReader("\"abc\"", [&](CTokenizer& t) { compiler.ParseWordArgument(t, out); }).failed);
    EXPECT_TRUE(RunReader("", [&](CTokenizer& t) { compiler.ParseWordArgument(t, out); }).failed);

    // Paths resolve against the base path, the directory of the file.
    EXPECT_FALSE(RunReader("\"a/b.txt\"", [&](CTokenizer& t) { compiler.ParsePathArgument(t, out); }).failed);
    EXPECT_EQ(out, NormalizePath("S/a/b.txt"));
    EXPECT_FALSE(RunReader("\"../c.txt\"", [&](CTokenizer& t) { compiler.ParsePathArgument(t, out); }).failed);
    EXPECT_EQ(out, NormalizePath("c.txt"));
    EXPECT_TRUE(RunReader("a.txt", [&](CTokenizer& t) { compiler.ParsePathArgument(t, out); }).failed);

    bool flag = false;
    EXPECT_FALSE(RunReader("true", [&](CTokenizer& t) { flag = compiler.ParseBool(t); }).failed);
    EXPECT_TRUE(flag);
    EXPECT_FALSE(RunReader("false", [&](CTokenizer& t) { flag = compiler.ParseBool(t); }).failed);
    EXPECT_FALSE(flag);
    const ReaderRun upper = RunReader("True x", [&](CTokenizer& t) { flag = compiler.ParseBool(t); });
    EXPECT_TRUE(upper.failed);
    EXPECT_EQ(upper.next, "x");  // the word was taken

    EXPECT_FALSE(RunReader(";", [&](CTokenizer& t) { compiler.ExpectStatementEnd(t); }).failed);
    EXPECT_TRUE(RunReader(",", [&](CTokenizer& t) { compiler.ExpectStatementEnd(t); }).failed);
    EXPECT_TRUE(RunReader("", [&](CTokenizer& t) { compiler.ExpectStatementEnd(t); }).failed);
}

TEST_F(ArgumentSyntax, Placements) {
    struct Case {
        const char* text;
        bool vertical;
        bool fails;
        int32_t mode;   // -1 untouched
        int32_t value;  // -1 untouched
        const char* next;
    };
    const Case cases[] = {
        {"50", false, false, 1, 50, ""},
        {"50px", false, false, 1, 50, ""},
        {"50 %", false, false, 2, 50, ""},
        {"-5px", false, false, 1, -5, ""},
        {"50 pt", false, false, 1, 50, "pt"},
        {"@10", false, false, 3, 10, ""},
        {"@10px", false, false, 3, 10, ""},
        {"@-10%", true, false, 4, -10, ""},
        {"#10", false, false, 5, 10, ""},
        {"#10px", true, false, 5, 10, ""},
        {"#10%", false, false, 6, 10, ""},
        {"#@10", false, false, 7, 10, ""},
        {"#@-10px", false, false, 7, -10, ""},
        {"# @ 10 %", true, false, 8, 10, ""},
        {"#x", false, false, -1, -1, "x"},  // stores nothing and takes no more
        {"@x", false, true, -1, -1, ""},
        {"#@x", false, true, -1, -1, ""},
        {"out_left", false, false, 9, 0, ""},
        {"in_left", false, false, 9, 1, ""},
        {"center", false, false, 9, 2, ""},
        {"in_right", false, false, 9, 3, ""},
        {"out_right", false, false, 9, 4, ""},
        {"on_left", false, false, 9, 5, ""},
        {"on_right", false, false, 9, 6, ""},
        {"out_top", true, false, 9, 0, ""},
        {"in_top", true, false, 9, 1, ""},
        {"middle", true, false, 9, 2, ""},
        {"in_bottom", true, false, 9, 3, ""},
        {"out_bottom", true, false, 9, 4, ""},
        {"on_top", true, false, 9, 5, ""},
        {"on_bottom", true, false, 9, 6, ""},
        {"intact", false, false, 0, 0, ""},
        {"intact", true, false, 0, -1, ""},  // the vertical one keeps the value
        {"middle", false, true, 9, -1, ""},
        {"center", true, true, 9, -1, ""},
        {"Center", false, true, 9, -1, ""},
        {")", false, true, 9, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.vertical ? " vertical" : " horizontal"));
        int32_t mode = -1;
        int32_t value = -1;
        const ReaderRun run = RunReader(c.text, [&](CTokenizer& t) {
            if (c.vertical) {
                compiler.ParseVerticalPlacement(t, mode, value);
            } else {
                compiler.ParseHorizontalPlacement(t, mode, value);
            }
        });
        EXPECT_EQ(run.failed, c.fails);
        EXPECT_EQ(mode, c.mode);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(run.next, c.next);
    }
}

TEST_F(ArgumentSyntax, Colours) {
    struct Case {
        const char* text;
        bool fails;
        Color32 colour;
        const char* next;
    };
    const Case cases[] = {
        {"clear", false, 0x00000000u, ""},   {"black", false, 0xFF000000u, ""},
        {"gray", false, 0xFF808080u, ""},    {"silver", false, 0xFFC0C0C0u, ""},
        {"white", false, 0xFFFFFFFFu, ""},   {"red", false, 0xFFFF0000u, ""},
        {"lime", false, 0xFF00FF00u, ""},    {"blue", false, 0xFF0000FFu, ""},
        {"yellow", false, 0xFFFFFF00u, ""},  {"aqua", false, 0xFF00FFFFu, ""},
        {"fuchsia", false, 0xFFFF00FFu, ""}, {"maroon", false, 0xFF800000u, ""},
        {"green", false, 0xFF008000u, ""},   {"navy", false, 0xFF000080u, ""},
        {"olive", false, 0xFF808000u, ""},   {"teal", false, 0xFF008080u, ""},
        {"purple", false, 0xFF800080u, ""},
        {"Red", true, 0, ""},
        {"#fff", false, 0xFFF0F0F0u, ""},
        {"#FfF", false, 0xFFF0F0F0u, ""},
        {"#1234", false, 0x40102030u, ""},
        {"#123456", false, 0xFF123456u, ""},
        {"#abcDEF", false, 0xFFABCDEFu, ""},
        {"#12345678", false, 0x78123456u, ""},
        {"#123456789", false, 0x78123456u, "9"},
        {"#12g", true, 0, "12"},
        {"#12345", true, 0, "12345"},
        {"#1", true, 0, "1"},
        {"#", true, 0, ""},
        {"# fff", true, 0, "fff"},
        {"RGB(1, 2, 3)", false, 0xFF010203u, ""},
        {"RGB ( 255 , 0 , 128 ) x", false, 0xFFFF0080u, "x"},
        {"RGBA(1, 2, 3, 4)", false, 0x04010203u, ""},
        {"RGBA(1, 2, 3, 0)", false, 0x00010203u, ""},
        {"RGB(256, 0, 0) x", true, 0, "x"},
        {"RGB(-1, 0, 0) x", true, 0, "x"},
        {"RGBA(0, 0, 0, 256) x", true, 0, "x"},
        {"RGB(1, 2) x", true, 0, "x"},
        {"RGB(1 2 3)", true, 0, "3"},
        {"RGB 1, 2, 3", true, 0, ","},
        {"rgb(1, 2, 3)", true, 0, "("},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Color32 colour = 7;
        const ReaderRun run = RunReader(c.text, [&](CTokenizer& t) { colour = compiler.ParseColor(t); });
        EXPECT_EQ(run.failed, c.fails);
        EXPECT_EQ(colour, c.fails ? 7u : c.colour);
        EXPECT_EQ(run.next, c.next);
    }
}

TEST_F(ArgumentSyntax, Easings) {
    struct Case {
        const char* text;
        EasingCurve curve;  // null: a syntax error
    };
    const Case cases[] = {
        {"Linear", EaseLinear}, {"AccSin", EaseAccSin}, {"Acc2", EaseAcc2},     {"Acc3", EaseAcc3},
        {"Acc4", EaseAcc3},     {"DecSin", EaseDecSin}, {"Dec2", EaseDec2},     {"Dec3", EaseDec3},
        {"Dec4", EaseDec3},     {"AccSig", EaseAccSig}, {"DecSig", EaseDecSig}, {"acc3", nullptr},
        {"Acc5", nullptr},      {"1", nullptr},     {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EasingCurve curve = nullptr;
        const ReaderRun run = RunReader(c.text, [&](CTokenizer& t) { curve = compiler.ParseEasing(t); });
        EXPECT_EQ(run.failed, c.curve == nullptr);
        EXPECT_EQ(curve, c.curve);
    }
}

TEST_F(ArgumentSyntax, SoundChannels) {
    struct Case {
        const char* text;
        bool fails;
        int32_t kind;    // -1 untouched
        int32_t number;  // -1 untouched
    };
    const Case cases[] = {
        {"BGM1", false, 2, 1},
        {"SE12", false, 1, 12},
        {"VOICE3", false, 3, 3},
        {"BGM", false, 2, 0},
        {"SE", false, 1, 0},
        {"VOICE", false, 3, 0},
        {"SEx", false, 1, 0},
        {"BGM2x", false, 2, 2},
        {"SE99999999999", false, 1, 2147483647},
        {"CD", false, 4, -1},  // the number is left as it was
        {"CD1", true, -1, -1},
        {"se1", true, -1, -1},
        {"Voice1", true, -1, -1},
        {"1", true, -1, -1},
        {"\"SE1\"", true, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t kind = -1;
        int32_t number = -1;
        const ReaderRun run =
            RunReader(c.text, [&](CTokenizer& t) { compiler.ParseSoundChannel(t, kind, number); });
        EXPECT_EQ(run.failed, c.fails);
        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(number, c.number);
    }
}

TEST_F(ArgumentSyntax, PointLists) {
    using Points = std::vector<ScriptPoint>;
    struct Case {
        const char* text;
        bool hermite;
        bool fails;
        Points points;
        const char* next;
    };
    const Case cases[] = {
        {"(0,0){1,1}{2,2}(3,3) x", false, false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, "x"},
        {"(0, 0) {1, -1} {2, 2} (3, 3) {4, 4} {5, 5} (-6, 6)", false, false,
         {{0, 0}, {1, -1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {-6, 6}}, ""},
        {"(0;0;{1;1;{2;2;(3;3;", false, false, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, ""},  // separators unchecked
        {"(0,0){1,1}(2,2)", false, true, {{0, 0}, {1, 1}, {2, 2}}, ""},
        {"(0,0){1,1}{2,2}(3,3){4,4}", false, true, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, ""},
        {"(0,0){1,1}{2,2}{3,3}(4,4)", false, true, {{0, 0}, {1, 1}, {2, 2}}, "{"},
        {"x", false, true, {}, "x"},
        {"(0,0){1,x}", false, true, {{0, 0}}, "}"},
        {"(0,0){1,0}(5,5){0,1} x", true, false, {{0, 0}, {1, 0}, {5, 5}, {0, 1}}, "x"},
        {"(0,0){1,0}(5,5){0,1}(9,9){2,2}", true, false,
         {{0, 0}, {1, 0}, {5, 5}, {0, 1}, {9, 9}, {2, 2}}, ""},
        {"(0,0){1,0}(5,5)", true, true, {{0, 0}, {1, 0}, {5, 5}}, ""},
        {"(0,0){1,0}{2,0}(5,5){0,1}", true, true, {{0, 0}, {1, 0}}, "{"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Points points = {{7, 7}};
        const ReaderRun run = RunReader(c.text, [&](CTokenizer& t) {
            if (c.hermite) {
                compiler.ParseHermitePoints(t, points);
            } else {
                compiler.ParseBezierPoints(t, points);
            }
        });
        EXPECT_EQ(run.failed, c.fails);
        EXPECT_EQ(points, c.points);
        EXPECT_EQ(run.next, c.next);
    }
}

TEST_F(ArgumentSyntax, ExpressionsAndConditionsAreTakenRaw) {
    struct Case {
        const char* text;
        bool condition;  // with its parentheses
        bool fails;
        const char* expression;
        const char* next;
    };
    const Case cases[] = {
        {"(@1 == 1) {", true, false, "@1 == 1", "{"},
        {"( @1*2/3%4 >= $5 )x", true, false, " @1*2/3%4 >= $5", "x"},
        {"((@1 = 0) + 10 / @1 * 2) {", true, false, "(@1 = 0) + 10 / @1 * 2", "{"},
        {"(@1 == 1 2)", true, true, "@1 == 1", ")"},
        {"(1 < 2 < 3)", true, true, "1 < 2", "3"},
        {"()", true, true, ")", ""},
        {"(1 + (2)", true, true, "1 + (2)", ""},
        {"(\r\n@1)", true, true, "", "1"},
        {"@1)", true, true, "", "1"},
        {"(123456789012345678901234567890)", true, false, "123456789012345678901234567890", ""},
        {"@1 = 2, @2++ ;", false, false, "@1 = 2, @2++", ";"},
        {"@1 \x82\xa0", false, false, "@1", "\x82\xa0"},
        {"; x", false, false, ";", "x"},
        {"", false, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string out = "stale";
        const ReaderRun run = RunReader(c.text, [&](CTokenizer& t) {
            if (c.condition) {
                compiler.ParseConditionText(t, out);
            } else {
                compiler.ParseExpressionText(t, out);
            }
        });
        EXPECT_EQ(run.failed, c.fails);
        if (std::string(c.text) != "@1)") {
            EXPECT_EQ(out, c.expression);
        }
        EXPECT_EQ(run.next, c.next);
    }
    // An expression argument takes a whole sequence, commas included.
    std::string expression;
    int32_t number = 0;
    auto tokenizer = Tokens("(@1 = 2, 3);");
    compiler.ParseArguments(*tokenizer, {CScriptArgument::Expression(expression)});
    EXPECT_EQ(expression, "@1 = 2, 3");
    tokenizer = Tokens("(@1 = 2, 3);");
    EXPECT_THROW(compiler.ParseArguments(
                     *tokenizer, {CScriptArgument::Expression(expression), CScriptArgument::Number(number)}),
                 CScriptSyntaxError);
}

TEST_F(ArgumentSyntax, NestingPast256LevelsIsASyntaxError) {
    const auto nested = [](int levels) {
        return "(" + std::string(static_cast<size_t>(levels), '(') + "1" +
               std::string(static_cast<size_t>(levels), ')') + ")";
    };
    std::string out;
    EXPECT_FALSE(RunReader(nested(256), [&](CTokenizer& t) { compiler.ParseConditionText(t, out); }).failed);
    EXPECT_TRUE(RunReader(nested(257), [&](CTokenizer& t) { compiler.ParseConditionText(t, out); }).failed);
    EXPECT_TRUE(RunReader("(" + std::string(100000, '('),
                          [&](CTokenizer& t) { compiler.ParseConditionText(t, out); })
                    .failed);
    // Inside a list the argument is abandoned untouched, and the list then
    // fails on the text it left.
    auto tokenizer = Tokens(nested(257) + ";");
    std::string expression;
    EXPECT_THROW(compiler.ParseArguments(*tokenizer, {CScriptArgument::Expression(expression)}),
                 CScriptSyntaxError);
}

TEST_F(ArgumentSyntax, ReadersStopAtTheEndOfTheText) {
    // Each list is cut short at the last byte of a readable page.
    const char* const texts[] = {
        "(#fff",  "(#", "(RGB(1,2,", "(RGBA", "(0,0){1", "(@", "(#@", "(50", "(BGM",
        "(\"abc", "(@1 == ", "(\x82", "(-",  "(1,",   "((0,0){1,1}{2,2}(3",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string bytes(text);
        CGuardedBytes guarded(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        Color32 colour = 0;
        int32_t mode = 0, value = 0, kind = 0, number = 0;
        std::string expression;
        std::vector<ScriptPoint> points;
        const auto parse = [&](std::initializer_list<CScriptArgument> arguments) {
            CTokenizer again(reinterpret_cast<const char*>(guarded.data()), static_cast<int>(guarded.size()));
            AddScriptSymbols(again);
            EXPECT_THROW(compiler.ParseArguments(again, arguments), CScriptSyntaxError);
        };
        parse({CScriptArgument::Color(colour)});
        parse({CScriptArgument::HorizontalPlacement(mode, value)});
        parse({CScriptArgument::SoundChannel(kind, number)});
        parse({CScriptArgument::Expression(expression)});
        parse({CScriptArgument::BezierPoints(points)});
        parse({CScriptArgument::String(expression), CScriptArgument::Number(number)});
    }
}

}  // namespace
