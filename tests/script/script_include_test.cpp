// "include" and "base_path" against the archives packed from
// tests/script/fixture at build time (see CMakeLists.txt).
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "script_fixtures.h"

namespace {

class ScriptIncludeTest : public testing::Test {
protected:
    CompileOutcome CompileArchived(const std::string& file) {
        ClearRecordedErrors();
        CompileOutcome outcome{true, {}};
        try {
            unit_.Compile(file, classes_);
        } catch (const CInternalError&) {
            outcome.compiled = false;
        }
        outcome.boxes = RecordedErrors();
        ClearRecordedErrors();
        return outcome;
    }

    CBaseDirectoryScope base_{GetProgramDirectory() + "script_fixture\\"};
    CScriptUnit unit_;
    CScriptCache classes_;
};

TEST_F(ScriptIncludeTest, BasePathsResolveAgainstTheDirectoryOfTheIncludingFile) {
    // base_path "sub", include a.txt; base_path "sub2" (below Inc, not below
    // sub), include a.txt; then "../Leaf.txt" from sub2.
    ASSERT_TRUE(CompiledClean(CompileArchived("Inc/Main.txt")));
    for (const char* page : {"Main", "FromSub", "FromSub2", "Leaf"}) EXPECT_TRUE(unit_.HasPage(page)) << page;
    EXPECT_NE(classes_.Find("Shared"), nullptr);
}

TEST_F(ScriptIncludeTest, IncludeFailures) {
    struct Case {
        const char* file;
        ErrorKind kind;
        int place;
    };
    const Case cases[] = {
        {"Inc/Self.txt", ErrorKind::Script, 99},       // includes itself, spelt in capitals
        {"Inc/A.txt", ErrorKind::Script, 99},          // A includes B includes A
        {"Inc/Missing.txt", ErrorKind::FileIO, 65},
        {"Inc/EmptyName.txt", ErrorKind::FileIO, 56},
        {"Inc/sub/Main.txt", ErrorKind::FileIO, 65},  // no such entry
        {"Inc/Main.txt\\", ErrorKind::FileIO, 65},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CScriptUnit unit;
        CScriptCache classes;
        ClearRecordedErrors();
        EXPECT_THROW(unit.Compile(c.file, classes), CInternalError);
        ExpectOneBox(c.kind, 2024, c.place);
    }
}

TEST_F(ScriptIncludeTest, LooseFilesAreNeverRead) {
    CTempFolder temp;
    CBaseDirectoryScope base(temp.Path());
    temp.Write("S/Main.txt", "page Main { }\r\n");
    EXPECT_THROW(unit_.Compile("S/Main.txt", classes_), CInternalError);
    ExpectOneBox(ErrorKind::FileIO, 2024, 65);
}

}  // namespace
