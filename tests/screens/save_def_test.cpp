// "System/Save.def" read from a packed "System" archive: a table of files and
// the entries they give, and the two fatal failures under the caller's sites.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../graphics/expect_box.h"
#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "screens/save_def.h"
#include "support/temp_folder.h"

namespace {

const SaveDefErrorSites kMenuSites{kModuleInGameMenu, 1662, 1693};

class SaveDefTest : public testing::Test {
protected:
    void SetUp() override { ClearRecordedErrors(); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    void PackSaveDef(const std::string& text) {
        const std::vector<packer::PackEntry> entries{{"Save.def", BytesOf(text), true, archive::kScrambleKeyStream}};
        temp_.Write("System.dat", packer::BuildArchive(archive::kVersion2, "System.dat", entries));
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};

// A line of exactly 1023 bytes: the first entry, then a comment that runs
// to the end of what one read takes.
std::string LineOf1023(const std::string& start) {
    std::string line = start + " //";
    line.resize(1023, 'x');
    return line;
}

TEST_F(SaveDefTest, LinesGiveEntries) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<SaveDefEntry> expected;  // in key order
    };
    const Case cases[] = {
        {"quoted fields", "Ch1,\"System/thumb1.png\",\"<B>Chapter</B> one\"\r\n",
         {{"Ch1", "System/thumb1.png", "<B>Chapter</B> one"}}},
        {"comment and empty lines", "# a note\r\n\r\nA,'p.png','c'\r\n#B,x,y\r\n", {{"A", "p.png", "c"}}},
        {"three words without commas", "one two three\r\n", {{"one", "three", ""}}},
        {"an unquoted path", "K,System/thumb.png,\"c\"\r\n", {{"K", "System", ""}}},
        {"missing fields", "Only\r\nTwo,pic\r\n", {{"Only", "", ""}, {"Two", "pic", ""}}},
        {"comments inside a line", "A, /* note */ 'p' , 'c' // rest\r\n", {{"A", "p", "c"}}},
        {"a backslash in a string", "A,'p','it\\'s'\r\n", {{"A", "p", "it's"}}},
        {"no final CR LF", "A,'p','c'\r\nB,'q','d'", {{"A", "p", "c"}, {"B", "q", "d"}}},
        {"an empty file", "", {}},
        {"a line over 1023 bytes", LineOf1023("L1,'pic','c'") + " R2,'q','d'\r\nZ,'z',''\r\n",
         {{"L1", "pic", "c"}, {"R2", "q", "d"}, {"Z", "z", ""}}},
        {"a lone LF does not end a line", "A,'p','c'\nB,'q','d'\r\n", {{"A", "p", "c"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PackSaveDef(c.text);
        const SaveDefTable table = ReadSaveDef(kMenuSites);
        ASSERT_EQ(table.size(), c.expected.size());
        auto it = table.begin();
        for (const SaveDefEntry& want : c.expected) {
            EXPECT_EQ(it->first, want.key);
            EXPECT_EQ(it->second.key, want.key);
            EXPECT_EQ(it->second.picture, want.picture);
            EXPECT_EQ(it->second.comment, want.comment);
            ++it;
        }
    }
}

TEST_F(SaveDefTest, ARepeatedKeyIsFatalUnderTheCallersSites) {
    struct Case {
        SaveDefErrorSites sites;
    };
    const Case cases[] = {{kMenuSites}, {{kModuleLoadScreen, 363, 391}}, {{kModuleSaveScreen, 356, 386}}};
    PackSaveDef("A,'p','c'\r\nB,'q','d'\r\nA,'r','e'\r\n");
    for (const Case& c : cases) {
        EXPECT_THROW(ReadSaveDef(c.sites), CInternalError);
        ExpectOneBox(ErrorKind::Internal, c.sites.module, c.sites.repeatedKey);
    }
    // Keys differ by case and by their bytes alone.
    PackSaveDef("a,'p','c'\r\nA,'q','d'\r\n");
    EXPECT_EQ(ReadSaveDef(kMenuSites).size(), 2u);
}

TEST_F(SaveDefTest, OnlyTheArchiveCounts) {
    // A loose file beside the program is not looked at.
    temp_.Write("System/Save.def", std::string("A,'p','c'\r\n"));
    EXPECT_THROW(ReadSaveDef(kMenuSites), CInternalError);
    ExpectOneBox(ErrorKind::FileIO, kModuleInGameMenu, 1662);
    EXPECT_THROW(ReadSaveDef({kModuleLoadScreen, 363, 391}), CInternalError);
    ExpectOneBox(ErrorKind::FileIO, kModuleLoadScreen, 363);

    // The archive without the entry.
    const std::vector<packer::PackEntry> entries{{"Other.txt", BytesOf("x"), true, archive::kScrambleKeyStream}};
    temp_.Write("System.dat", packer::BuildArchive(archive::kVersion2, "System.dat", entries));
    EXPECT_THROW(ReadSaveDef(kMenuSites), CInternalError);
    ExpectOneBox(ErrorKind::FileIO, kModuleInGameMenu, 1662);
}

}  // namespace
