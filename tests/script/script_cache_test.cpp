#include <gtest/gtest.h>

#include "packer/archive_writer.h"
#include "platform/paths.h"
#include "script/script_frame.h"
#include "script_fixtures.h"

namespace {

// Script files in S.dat of a temporary base directory, rewritable at will.
class ScriptCacheTest : public testing::Test {
protected:
    void WriteScripts(const std::vector<std::pair<std::string, std::string>>& files) {
        std::vector<packer::PackEntry> entries;
        for (const auto& file : files) entries.push_back(packer::PackEntry{file.first, BytesOf(file.second), true, 1});
        temp_.Write("S.dat", packer::BuildArchive(2, "S.dat", entries));
    }

    // Fetches (file, page, index); true when it ran without a box.
    bool Fetch(const std::string& file, const std::string& page, int index, CStatementRecord** record = nullptr) {
        ClearRecordedErrors();
        try {
            CStatementRecord* found = scripts_.FetchStatement(CScriptFrame{file, page, static_cast<uint16_t>(index)},
                                                              classes_);
            if (record) *record = found;
            return RecordedErrors().empty();
        } catch (const CInternalError&) {
            return false;
        }
    }

    void ExpectBox(ErrorKind kind, int module, int place) {
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, kind);
        EXPECT_EQ(RecordedErrors()[0].module, module);
        EXPECT_EQ(RecordedErrors()[0].place, place);
        ClearRecordedErrors();
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    CScriptCache scripts_, classes_;
};

TEST_F(ScriptCacheTest, AFileIsCompiledAtItsFirstFetchOnly) {
    WriteScripts({{"Main.txt", "page Main { }\r\npage Second { }\r\n"}});
    EXPECT_EQ(scripts_.Find("S/Main.txt"), nullptr);
    CStatementRecord* record = reinterpret_cast<CStatementRecord*>(1);
    EXPECT_TRUE(Fetch("S/Main.txt", "Main", 0, &record));
    EXPECT_EQ(record, nullptr);  // an empty page has ended at once
    auto unit = scripts_.Find("S/Main.txt");
    ASSERT_NE(unit, nullptr);
    // The archive rewritten after the first fetch changes nothing.
    WriteScripts({{"Main.txt", "page Other { }\r\n"}});
    EXPECT_TRUE(Fetch("S/Main.txt", "Second", 0));
    EXPECT_EQ(scripts_.Find("S/Main.txt"), unit);
    // Another spelling of the file is another entry, compiled anew.
    EXPECT_TRUE(Fetch("S\\Main.txt", "Other", 0));
    EXPECT_NE(scripts_.Find("S\\Main.txt"), unit);
    // A cleared cache (a scene closed and opened again) compiles again.
    scripts_.Clear();
    EXPECT_FALSE(Fetch("S/Main.txt", "Second", 0));
    ExpectBox(ErrorKind::Script, 2022, 61);
    EXPECT_TRUE(Fetch("S/Main.txt", "Other", 0));
}

TEST_F(ScriptCacheTest, FailuresOfTheLookupRaiseTheirBoxes) {
    WriteScripts({{"Main.txt", "page Start { }\r\n"}});
    struct Case {
        std::string file;
        std::string page;
        ErrorKind kind;
        int module;
        int place;
    };
    const Case cases[] = {
        {"S/Main.txt", "Main", ErrorKind::Script, 2022, 61},
        {"S/Missing.txt", "Main", ErrorKind::FileIO, 2024, 65},
        {"", "Main", ErrorKind::FileIO, 2024, 56},
        {"S/Main.txt", "start", ErrorKind::Script, 2022, 61},  // names are case-sensitive
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + " " + c.page);
        EXPECT_FALSE(Fetch(c.file, c.page, 0));
        ExpectBox(c.kind, c.module, c.place);
    }
}

TEST(ScriptUnit, GetStatementAnswersByIndex) {
    CScriptUnit unit;
    unit.AddPage("P", MarkerPage(10, 3));
    EXPECT_TRUE(unit.HasPage("P"));
    EXPECT_FALSE(unit.HasPage("Q"));
    EXPECT_EQ(KindOf(unit.GetStatement("P", 0)), 10);
    EXPECT_EQ(KindOf(unit.GetStatement("P", 2)), 12);
    EXPECT_EQ(unit.GetStatement("P", 3), nullptr);
    EXPECT_EQ(unit.GetStatement("P", 65535), nullptr);
    EXPECT_TRUE(RecordedErrors().empty());
    EXPECT_THROW(unit.GetStatement("P", -1), CInternalError);
    ExpectOneBox(ErrorKind::Script, 2040, 101);
    EXPECT_THROW(unit.GetStatement("Q", 0), CInternalError);
    ExpectOneBox(ErrorKind::Script, 2022, 61);
    // A page entered again under its name replaces the first.
    unit.AddPage("P", MarkerPage(20, 1));
    EXPECT_EQ(KindOf(unit.GetStatement("P", 0)), 20);
    EXPECT_EQ(unit.GetStatement("P", 1), nullptr);
}

TEST(ScriptPage, HoldsAtMostTheStatementsASixteenBitIndexCanEnd) {
    CScriptPage page;
    for (size_t i = 0; i < CScriptPage::kMaxStatements; ++i) page.Append(std::make_unique<CMarkerCommand>(1));
    EXPECT_THROW(page.Append(std::make_unique<CMarkerCommand>(1)), CScriptSyntaxError);
    EXPECT_EQ(page.Size(), 65535u);
    CScriptPage body;
    body.Append(std::make_unique<CMarkerCommand>(2));
    EXPECT_THROW(page.AppendPage(body), CScriptSyntaxError);
    CScriptPage small = std::move(*MarkerPage(0, 2));
    small.AppendPage(body);
    EXPECT_EQ(body.Size(), 0u);
    ASSERT_EQ(small.Size(), 3u);
    EXPECT_EQ(small.Records()[2].command->GetKind(), 2);
    EXPECT_TRUE(small.Records()[2].targetPath.empty());
}

TEST_F(ScriptCacheTest, AClassCompiledLastReplacesTheEarlierOneWhileItsHoldersKeepIt) {
    WriteScripts({{"A.txt", "class C { method FromA { } }\r\npage Main { }\r\n"},
                  {"B.txt", "class C { method FromB { } }\r\npage Main { }\r\n"}});
    EXPECT_TRUE(Fetch("S/A.txt", "Main", 0));
    std::shared_ptr<CScriptUnit> first = classes_.Find("C");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->HasPage("FromA"));
    EXPECT_TRUE(Fetch("S/B.txt", "Main", 0));
    std::shared_ptr<CScriptUnit> last = classes_.Find("C");
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(last->HasPage("FromB"));
    EXPECT_FALSE(last->HasPage("FromA"));
    // The replaced class lives on for whoever still runs it.
    EXPECT_TRUE(first->HasPage("FromA"));
    std::weak_ptr<CScriptUnit> gone = first;
    first.reset();
    EXPECT_TRUE(gone.expired());
}

}  // namespace
