#include "platform/data_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/error_report.h"
#include "platform/loose_file.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

namespace {

class DataFileTest : public testing::Test {
protected:
    void SetUp() override { ClearRecordedErrors(); }

    std::string ReadString(CDataFile& file, uint32_t count) {
        std::string s(count, '\0');
        s.resize(file.Read(&s[0], count));
        return s;
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};

TEST_F(DataFileTest, WholeLooseFileIsReadInMemoryWithATrailingZero) {
    temp_.Write("UserData/Config.ini", "abcdefghij");
    CDataFile file;
    ASSERT_EQ(file.OpenWhole("UserData/Config.ini", true), 0);
    ASSERT_EQ(file.GetSize(), 10u);
    EXPECT_EQ(file.GetData()[10], 0);
    EXPECT_EQ(ReadString(file, 4), "abcd");
    EXPECT_EQ(file.Seek(2, 1), 0);
    EXPECT_EQ(ReadString(file, 2), "gh");
    uint8_t* mark = file.GetReadPointer();
    file.Seek(-3, 2);
    EXPECT_EQ(ReadString(file, 100), "hij");
    EXPECT_EQ(ReadString(file, 1), "");
    file.SetReadPointer(mark);
    EXPECT_EQ(ReadString(file, 1), "i");
    file.Seek(0, 0);
    EXPECT_EQ(ReadString(file, 100), "abcdefghij");
    // An unknown origin leaves the read pointer; one outside the contents
    // reads nothing.
    file.Seek(3, 0);
    file.Seek(5, 7);
    EXPECT_EQ(ReadString(file, 1), "d");
    file.Seek(-4, 0);
    EXPECT_EQ(ReadString(file, 4), "");
    file.Seek(11, 0);
    EXPECT_EQ(ReadString(file, 4), "");
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(file.GetSize(), 0u);
    EXPECT_EQ(file.GetData(), nullptr);
    EXPECT_EQ(ReadString(file, 4), "");
}

TEST_F(DataFileTest, EmptyLooseFileHasOneZeroByte) {
    temp_.Write("Empty.txt", "");
    CDataFile file;
    ASSERT_EQ(file.OpenWhole("Empty.txt", true), 0);
    EXPECT_EQ(file.GetSize(), 0u);
    ASSERT_NE(file.GetData(), nullptr);
    EXPECT_EQ(file.GetData()[0], 0);
    EXPECT_EQ(ReadString(file, 4), "");
}

TEST_F(DataFileTest, MissingFilesAreNotFound) {
    CDataFile file;
    EXPECT_EQ(file.OpenWhole("UserData/Config.ini", true), 1);
    EXPECT_EQ(file.OpenStream("UserData/Config.ini", "rb", true), -1);
    temp_.Write("Folder/inside.txt", "x");
    EXPECT_EQ(file.OpenWhole("Folder", true), 1);
    // Loose files are not looked at unless allowed.
    EXPECT_EQ(file.OpenWhole("Folder/inside.txt", false), 1);
    uint8_t* buffer = nullptr;
    uint32_t size = 0;
    EXPECT_EQ(ReadLooseFile(temp_.Path() + "missing.txt", buffer, size), 1);
    EXPECT_EQ(buffer, nullptr);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(DataFileTest, LooseStreamReadsSeeksAndStopsAtTheEnd) {
    temp_.Write("S/Voice.ogg", "0123456789");
    CDataFile file;
    ASSERT_EQ(file.OpenStream("S/Voice.ogg", "rb", true), 0);
    EXPECT_EQ(file.GetSize(), 10u);
    char buf[16] = {};
    EXPECT_EQ(file.StreamRead(buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4), "0123");
    EXPECT_EQ(file.StreamTell(), 4);
    EXPECT_EQ(file.StreamSeek(2, 1), 0);
    EXPECT_EQ(file.StreamRead(buf, 100), 4u);
    EXPECT_EQ(std::string(buf, 4), "6789");
    EXPECT_EQ(file.StreamRead(buf, 1), 0u);
    EXPECT_EQ(file.StreamSeek(-3, 2), 0);
    EXPECT_EQ(file.StreamRead(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), "789");
    EXPECT_EQ(file.StreamSeek(1, 0), 0);
    EXPECT_EQ(file.StreamSeek(5, 9), 0);
    EXPECT_EQ(file.StreamTell(), 1);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(file.StreamRead(buf, 1), 0u);
    EXPECT_EQ(file.StreamSeek(0, 0), -1);
    EXPECT_EQ(file.StreamTell(), -1);
}

TEST_F(DataFileTest, WriteStreamWritesTextUnchanged) {
    CDataFile file;
    EXPECT_EQ(file.WriteString("no stream"), -1);
    ASSERT_EQ(file.OpenStream("Debug.txt", "wb", false), 0);
    EXPECT_EQ(file.GetSize(), 0u);
    EXPECT_EQ(file.WriteString("100% %d %s\r\n"), 0);
    EXPECT_EQ(file.WriteString(""), 0);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes(temp_.Path() + "Debug.txt"), BytesOf("100% %d %s\r\n"));
    EXPECT_EQ(file.OpenStream("NoSuchFolder/Debug.txt", "wt", false), 1);
}

TEST_F(DataFileTest, VectorsRoundTripThroughFiles) {
    const std::vector<uint8_t> bytes = {0, 1, 2, 0xFF, 0x5C, 0};
    EXPECT_EQ(WriteVectorToFile("UserData_Table.dat", bytes), 0);
    std::vector<uint8_t> read;
    EXPECT_EQ(ReadFileToVector("UserData_Table.dat", read, true), 0);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(ReadFileToVector("Nothing.dat", read, true), 1);
}

TEST_F(DataFileTest, WriteWholeFileReplacesTheWholeFile) {
    std::string target = temp_.Write("UserData/System.dat", std::string(100, 'o'));
    EXPECT_EQ(WriteWholeFile("UserData/System.dat", "new", 3), 0);
    EXPECT_EQ(ReadBytes(target), BytesOf("new"));
    EXPECT_EQ(WriteWholeFile("UserData/Play0001.dat", "", 0), 0);
    EXPECT_TRUE(FileExists(temp_.Path() + "UserData\\Play0001.dat"));
    EXPECT_EQ(ReadBytes(temp_.Path() + "UserData\\Play0001.dat").size(), 0u);
    EXPECT_FALSE(FileExists(target + ".tmp"));
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(DataFileTest, FailedWriteKeepsThePreviousFileAndReportsIt) {
    std::string target = temp_.Write("UserData/Config.ini", "previous settings");
    ClearRecordedErrors();

    // The bytes run into memory that cannot be read, as a write that fails
    // half way does.
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    auto* block = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, 2 * info.dwPageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(block + info.dwPageSize, info.dwPageSize, PAGE_NOACCESS, &old);
    EXPECT_THROW(WriteWholeFile("UserData/Config.ini", block, 2 * info.dwPageSize), CInternalError);
    VirtualFree(block, 0, MEM_RELEASE);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::FileIO);
    EXPECT_EQ(RecordedErrors()[0].module, 1002);
    EXPECT_EQ(RecordedErrors()[0].place, 356);
    EXPECT_EQ(ReadBytes(target), BytesOf("previous settings"));
    EXPECT_FALSE(FileExists(target + ".tmp"));
}

TEST_F(DataFileTest, FileThatCannotBeCreatedOrReplacedIsReported) {
    std::string target = temp_.Write("UserData/Config.ini", "previous settings");
    // A folder where the temporary file would go, a folder where the file
    // itself would go, and a folder that does not exist.
    CreateDirectoryA((target + ".tmp").c_str(), nullptr);
    CreateDirectoryA((temp_.Path() + "UserData\\Play0001.dat").c_str(), nullptr);
    const char* paths[] = {"UserData/Config.ini", "UserData/Play0001.dat", "NoFolder/System.dat"};
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        ClearRecordedErrors();
        EXPECT_THROW(WriteWholeFile(path, "new", 3), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].caption, "FileI/O Error");
        EXPECT_EQ(RecordedErrors()[0].module, 1002);
        EXPECT_EQ(RecordedErrors()[0].place, 343);
    }
    EXPECT_EQ(ReadBytes(target), BytesOf("previous settings"));
    EXPECT_FALSE(FileExists(temp_.Path() + "UserData\\Play0001.dat.tmp"));
}

}  // namespace
