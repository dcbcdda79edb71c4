// The records that labels, gotos and the control structures compile to,
// written out by hand for each source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_fixtures.h"
#include "script_records.h"

namespace {

using Records = std::vector<std::string>;

struct RecordCase {
    const char* name;
    const char* body;  // of page Main
    Records records;
};

TEST(ScriptControlStructures, CompileToTheseRecords) {
    const RecordCase cases[] = {
        // Labels and gotos.
        {"goto to an unknown label", "goto nowhere;", {"J@0"}},
        {"label then goto", "goto a; label b; goto b;", {"J@0", "J@1"}},
        {"goto before its label", "goto b; goto a; label b;", {"J@0", "J@0"}},
        {"two labels of one name", "goto x; label a; goto a; label a; goto a;", {"J@0", "J@1", "J@2"}},
        {"labels count records, not statements", "goto z; label a; ; , label b; goto b; goto a;",
         {"J@0", "J@1", "J@1"}},
        {"Goto is no statement", "Goto a; goto z;", {"J@0"}},
        {"a quoted goto", "\"goto\" z;", {"J@0"}},
        {"a braced group shares the page", "goto z; label a; { goto a; { goto a; } }", {"J@0", "J@1", "J@1"}},
        {"a goto in a body sees no labels", "goto z; label a; if(@1) goto a;", {"J@0", "C(@1):1", "J@0"}},
        {"a label in a body is ignored", "goto z; if(@1) label b; goto b;", {"J@0", "C(@1):0", "J@0"}},
        // if / else.
        {"if", "if(@1) goto a;", {"C(@1):1", "J@0"}},
        {"if with else", "if(@1) goto a; else { goto b; goto c; }", {"C(@1):2", "J@0", "J+2", "J@0", "J@0"}},
        {"then and else both empty", "if(@1) ; else ;", {"C(@1):0"}},
        {"an else that compiles to nothing", "if(@1) goto a; else { }", {"C(@1):1", "J@0"}},
        {"an empty then", "if(@1) ; else goto a;", {"C(@1):1", "J+1", "J@0"}},
        {"else belongs to the nearest if", "if(@1) if(@2) goto a; else goto b;",
         {"C(@1):4", "C(@2):2", "J@0", "J+1", "J@0"}},
        {"a quoted else", "if(@1) ; \"else\" goto a;", {"C(@1):1", "J+1", "J@0"}},
        // An "else if" chain: the records of each "if" nested in the ELSE before.
        {"else if", "if(@1) goto a; else if(@2) goto b;", {"C(@1):2", "J@0", "J+2", "C(@2):1", "J@0"}},
        {"else if with a last else", "if(@1) goto a; else if(@2) goto b; else goto c;",
         {"C(@1):2", "J@0", "J+4", "C(@2):2", "J@0", "J+1", "J@0"}},
        {"else if with empty branches", "if(@1) ; else if(@2) ; else if(@3) { } else ;",
         {"C(@1):1", "J+3", "C(@2):1", "J+1", "C(@3):0"}},
        {"a block around the inner if", "if(@1) ; else { if(@2) goto a; else goto b; }",
         {"C(@1):1", "J+4", "C(@2):2", "J@0", "J+1", "J@0"}},
        // for.
        {"for with every part", "for(@1=0;@1<3;@1=@1+1) goto a;",
         {"E(@1=0)", "C(@1<3):3", "J@0", "E(@1=@1+1)", "J-4"}},
        {"for with no parts", "for(;;) { goto a; }", {"E()", "C():3", "J@0", "E()", "J-4"}},
        {"for with an empty body", "for(;;) ;", {"E()", "C():2", "E()", "J-3"}},
        {"for with a condition only", "for(;@2;) { }", {"E()", "C(@2):2", "E()", "J-3"}},
        // while.
        {"while", "while(@1) { goto a; goto b; }", {"C(@1):3", "J@0", "J@0", "J-4"}},
        {"while with an empty block", "while(@1) { }", {"C(@1):1", "J-2"}},
        // do ... while.
        {"do", "do goto a; while(@1) goto b;", {"J@0", "C(@1):1", "J-3", "J@0"}},
        {"do with a block", "do { goto a; goto b; } while(@1)", {"J@0", "J@0", "C(@1):1", "J-4"}},
        {"do with an empty body", "do ; while(@1);", {"C(@1):1", "J-2"}},
        // Nesting: each level is appended whole.
        {"while in for in if", "if(@1) for(;;) while(@2) goto a;",
         {"C(@1):7", "E()", "C():5", "C(@2):2", "J@0", "J-3", "E()", "J-6"}},
        {"do in while", "while(@1) do goto a; while(@2)", {"C(@1):4", "J@0", "C(@2):1", "J-3", "J-5"}},
        {"a goto after nested structures", "label a; if(@1) while(@2) ; goto a;",
         {"C(@1):2", "C(@2):1", "J-2", "J@0"}},
        // select: the cases follow it, each but the last jumping behind the last.
        {"select", "select { case \"Menu/Yes\": { goto a; goto b; } case No: goto c; }",
         {"S{Menu/Yes:0,No:3}", "J@0", "J@0", "J+1", "J@0"}},
        {"cases in table order, offsets in source order", "select { case b: goto x; case A: goto y; }",
         {"S{A:2,b:0}", "J@0", "J+1", "J@0"}},
        {"empty cases and names of any token", "select { case 1: ; case + : goto a; case \"3\": { } }",
         {"S{+:1,1:0,3:3}", "J+2", "J@0", "J+0"}},
        {"an if with else as a case", "select { case A: if(@1) goto a; else goto b; case B: goto c; }",
         {"S{A:0,B:5}", "C(@1):2", "J@0", "J+1", "J@0", "J+1", "J@0"}},
        {"a select in a case", "select { case A: select { case X: goto x; case Y: goto y; } case B: goto b; }",
         {"S{A:0,B:5}", "S{X:0,Y:2}", "J@0", "J+1", "J@0", "J+1", "J@0"}},
        {"a select in a loop", "while(@1) select { case A: goto a; }", {"C(@1):3", "S{A:0}", "J@0", "J-4"}},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptUnit unit;
        CScriptCache classes;
        ASSERT_TRUE(CompiledClean(CompileGuarded(std::string("page Main {") + c.body + "}", unit, classes)));
        EXPECT_EQ(DescribePage(*unit.FindPage("Main")), c.records);
    }
}

TEST(ScriptControlStructures, SyntaxErrors) {
    const char* bodies[] = {
        "goto;",
        "goto a",
        "goto a,",
        "goto \"a\";",
        "label;",
        "label 5;",
        "label a }",
        "if() ;",
        "if ;",
        "if(@1 ;",
        "if(@1 @2) ;",
        "if(@1)",
        "if(@1) ; else",
        "while() ;",
        "while(@1)",
        "for(;) ;",
        "for(@1;@2) ;",
        "for ;;) ;",
        "for(;;",
        "do ; until(@1)",
        "do ; while @1",
        "do ; while()",
        "do",
        "select case a: ;",
        "select { }",
        "select { case a: ; case a: ; }",
        "select { case a ; }",
        "select { case \"\": ; }",
        "select { goto a; }",
        "select { case a: }",
        "select { Case a: ; }",
    };
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        CScriptUnit unit;
        CScriptCache classes;
        EXPECT_TRUE(FailedWith(CompileGuarded(std::string("page Main {") + body + "}", unit, classes),
                               ErrorKind::Script, 2024, 99));
    }
}

TEST(ScriptControlStructures, NestingIsBoundedAt256Levels) {
    struct Case {
        int depth;
        bool compiles;
    };
    for (Case c : {Case{256, true}, Case{257, false}, Case{100000, false}}) {
        SCOPED_TRACE(c.depth);
        std::string body;
        for (int i = 0; i < c.depth; ++i) body += "if(1)";
        CScriptUnit unit;
        CScriptCache classes;
        CompileOutcome outcome = CompileGuarded("page Main {" + body + ";}", unit, classes);
        if (c.compiles) {
            EXPECT_TRUE(CompiledClean(outcome));
            EXPECT_EQ(unit.FindPage("Main")->Size(), static_cast<size_t>(c.depth));
        } else {
            EXPECT_TRUE(FailedWith(outcome, ErrorKind::Script, 2024, 99));
        }
    }
}

// Levels are counted by depth: the branches of an "else if" chain are one
// level, whatever their number.
TEST(ScriptControlStructures, AnElseIfChainIsOneLevel) {
    std::string chain;
    for (int i = 0; i < 1000; ++i) chain += "if(@1==" + std::to_string(i) + ") ; else ";
    chain += ";";
    struct Case {
        int depth;
        bool compiles;
    };
    for (Case c : {Case{0, true}, Case{255, true}, Case{256, false}}) {
        SCOPED_TRACE(c.depth);
        std::string body;
        for (int i = 0; i < c.depth; ++i) body += "if(1)";
        CScriptUnit unit;
        CScriptCache classes;
        CompileOutcome outcome = CompileGuarded("page Main {" + body + chain + "}", unit, classes);
        if (c.compiles) {
            EXPECT_TRUE(CompiledClean(outcome));
        } else {
            EXPECT_TRUE(FailedWith(outcome, ErrorKind::Script, 2024, 99));
        }
    }
}

TEST(ScriptControlStructures, APageHoldsAtMost65535Records) {
    for (int count : {65535, 65536}) {
        SCOPED_TRACE(count);
        std::string source = "page Main {";
        for (int i = 0; i < count; ++i) source += "goto a;";
        source += "}";
        CScriptUnit unit;
        CScriptCache classes;
        CompileOutcome outcome = CompileGuarded(source, unit, classes);
        if (count == 65535) {
            EXPECT_TRUE(CompiledClean(outcome));
        } else {
            EXPECT_TRUE(FailedWith(outcome, ErrorKind::Script, 2024, 99));
        }
    }
    // The same through a body appended to a full page, and in a method.
    struct Frame {
        const char* head;
        const char* tail;
    };
    for (Frame frame : {Frame{"page Main {", "}"}, Frame{"class C { method M {", "}}"}}) {
        SCOPED_TRACE(frame.head);
        std::string source = frame.head;
        for (int i = 0; i < 65534; ++i) source += "goto a;";
        source += std::string("while(@1) ;") + frame.tail;
        CScriptUnit unit;
        CScriptCache classes;
        EXPECT_TRUE(FailedWith(CompileGuarded(source, unit, classes), ErrorKind::Script, 2024, 99));
    }
}

}  // namespace
