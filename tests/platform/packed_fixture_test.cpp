// The archive that the mirl-pack program packed at build time from
// tests/platform/pack_fixture/Packed (see CMakeLists.txt), read against a
// copy of that folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/data_file.h"
#include "platform/paths.h"
#include "support/temp_folder.h"

namespace {

std::string Contents(CDataFile& file) {
    return std::string(reinterpret_cast<const char*>(file.GetData()), file.GetSize());
}

TEST(PackedFixture, EveryFileOfTheFolderIsInItsArchive) {
    CBaseDirectoryScope base(GetProgramDirectory() + "pack_fixture\\");
    // 台詞.txt: the packer stores UTF-8 file names in Shift-JIS.
    for (const char* name : {"Main.txt", "Stream.txt", "Table.csv", "\x91\xe4\x8e\x8c.txt"}) {
        SCOPED_TRACE(name);
        CDataFile loose, packed;
        ASSERT_EQ(loose.OpenWhole(std::string("Packed/") + name, true), 0);
        ASSERT_EQ(packed.OpenWhole(std::string("Packed/") + name, false), 0);
        EXPECT_GT(packed.GetSize(), 100u);
        EXPECT_EQ(Contents(packed), Contents(loose));
    }
}

TEST(PackedFixture, OnlyTheEntryStoredForStreamingStreams) {
    CBaseDirectoryScope base(GetProgramDirectory() + "pack_fixture\\");
    CDataFile loose, stream;
    ASSERT_EQ(loose.OpenWhole("Packed/Stream.txt", true), 0);
    ASSERT_EQ(stream.OpenStream("Packed/Stream.txt", "rb", false), 0);
    std::string read(stream.GetSize(), '\0');
    EXPECT_EQ(stream.StreamRead(&read[0], stream.GetSize()), loose.GetSize());
    EXPECT_EQ(read, Contents(loose));
    // Main.txt is packed and key-stream scrambled, the default.
    EXPECT_EQ(stream.OpenStream("Packed/Main.txt", "rb", false), -1);
    // The stream read the bit-transformed bytes, not plain ones.
    std::vector<uint8_t> archive = ReadBytes(GetProgramDirectory() + "pack_fixture\\Packed.dat");
    EXPECT_EQ(std::search(archive.begin(), archive.end(), read.begin(), read.begin() + 16), archive.end());
}

}  // namespace
