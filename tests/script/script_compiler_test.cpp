#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_fixtures.h"

namespace {

using Pages = std::vector<std::string>;

struct TopLevelCase {
    const char* name;
    std::string source;
    bool compiles;
    Pages pages;  // that the unit then holds, each empty
};

TEST(ScriptCompiler, TopLevel) {
    const TopLevelCase cases[] = {
        {"empty file", "", true, {}},
        {"comments only", "// one\r\n/* two\r\n */ \t\r\n", true, {}},
        {"unclosed block comment", "page Main { }\r\n/* to the end", true, {"Main"}},
        {"pages", "page Main {\r\n}\r\npage Second{}", true, {"Main", "Second"}},
        {"a keyword by its text", "\"page\" Main { } 'page' Two { }", true, {"Main", "Two"}},
        {"unknown tokens skipped", "page Main { foo; bar 12 \"s\" 'q' ( ) ! @ # $ % = : ; , }", true, {"Main"}},
        {"words naming no statement", "page Main { Goto x; Label y; Return; }", true, {"Main"}},
        {"plain blocks", "page Main { { } { { ; } } }", true, {"Main"}},
        {"a quoted } ends the block", "page Main { \"}\"", true, {"Main"}},
        {"two pages of one name", "page Main { } page Main { }", false, {}},
        {"a quoted page name", "page \"Main\" { }", false, {}},
        {"a number as page name", "page 5 { }", false, {}},
        {"no { after the name", "page Main ( }", false, {}},
        {"stray } at the top level", "page Main { } }", false, {}},
        {"missing }", "page Main { ", false, {}},
        {"a statement at the top level", "wait 5;", false, {}},
        {"a lone ; at the top level", ";", false, {}},
        {"LF line ends", "page Main {\n}", false, {}},
        {"a lone CR", "page Main {\r}", false, {}},
        {"a NUL between tokens", std::string("page Main {\0}", 13), false, {}},
        {"an unreadable character", "page Main { * }", false, {}},
        {"a quoted empty string", "page Main { \"\" }", false, {}},
        {"an unterminated string", "page Main { \"abc }", false, {}},
        {"a lead byte last", "page Main { }\x81", false, {}},
        {"a lead byte last in a comment", "page Main { } //\x81", true, {"Main"}},
        {"a lead byte last in a block comment", "page Main { } /*\x81", true, {"Main"}},
        {"# then a blank and a comment", "# /* x */ base_path \"sub\"", true, {}},
        {"# at the end", "page Main { } #", false, {}},
        {"an unknown directive", "#define x", false, {}},
        {"a quoted directive word", "#\"base_path\" \"sub\"", true, {}},
        {"base_path without a string", "#base_path sub", false, {}},
        {"an empty base_path", "#base_path \"\"", false, {}},
        {"an unterminated base_path", "#base_path \"sub", false, {}},
        {"include without a string", "#include Main", false, {}},
        {"an unterminated include", "#include \"Main.txt", false, {}},
        {"a class", "class C { method M { } method N { } }", true, {}},
        {"an empty class", "class C { }", true, {}},
        {"two methods of one name", "class C { method M { } method M { } }", false, {}},
        {"a page in a class", "class C { page M { } }", false, {}},
        {"a class without its }", "class C { method M { } ", false, {}},
        {"a quoted class name", "class \"C\" { }", false, {}},
        {"no { after the class name", "class C method", false, {}},
        {"a method without {", "class C { method M ; }", false, {}},
        {"a method without its }", "class C { method M { ", false, {}},
    };
    for (const TopLevelCase& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptUnit unit;
        CScriptCache classes;
        CompileOutcome outcome = CompileGuarded(c.source, unit, classes);
        if (!c.compiles) {
            EXPECT_TRUE(FailedWith(outcome, ErrorKind::Script, 2024, 99));
            continue;
        }
        EXPECT_TRUE(CompiledClean(outcome));
        for (const std::string& page : c.pages) {
            EXPECT_TRUE(unit.HasPage(page)) << page;
            EXPECT_EQ(unit.GetStatement(page, 0), nullptr) << page;
        }
        EXPECT_FALSE(unit.HasPage("C"));
    }
}

TEST(ScriptCompiler, ClassesGoToTheClassTableWithTheirMethods) {
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "page Main { }\r\nclass Button { method Main { } method OnClick { } }\r\nclass Empty { }\r\n", unit,
        classes)));
    auto button = classes.Find("Button");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->HasPage("Main"));
    EXPECT_TRUE(button->HasPage("OnClick"));
    EXPECT_FALSE(unit.HasPage("OnClick"));
    ASSERT_NE(classes.Find("Empty"), nullptr);
    EXPECT_EQ(classes.Find("Main"), nullptr);
}

TEST(ScriptCompiler, NestingIsBoundedAt256Levels) {
    struct Case {
        int depth;
        bool compiles;
    };
    for (Case c : {Case{256, true}, Case{257, false}, Case{100000, false}}) {
        SCOPED_TRACE(c.depth);
        std::string source = "page Main {" + std::string(c.depth, '{') + std::string(c.depth, '}') + "}";
        CScriptUnit unit;
        CScriptCache classes;
        CompileOutcome outcome = CompileGuarded(source, unit, classes);
        if (c.compiles) {
            EXPECT_TRUE(CompiledClean(outcome));
        } else {
            EXPECT_TRUE(FailedWith(outcome, ErrorKind::Script, 2024, 99));
        }
    }
}

}  // namespace
