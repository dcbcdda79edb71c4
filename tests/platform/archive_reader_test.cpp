#include "platform/archive_reader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "archive_fixture.h"
#include "packer/lzss_encoder.h"

namespace {

using namespace archive;

#define HYO "\x95\x5C"     // 表, second byte "\"
#define A_KANA "\x83\x41"  // ア, second byte "A"

TEST_F(ArchiveTest, FindsTheEntryInTheFoldersArchiveInAnyLetterCase) {
    const Bytes text = Compressible(5000, 1), noise = Noise(999, 2);
    for (uint32_t version : {kVersion1, kVersion2}) {
        for (bool pack : {false, true}) {
            SCOPED_TRACE("version " + std::to_string(version) + (pack ? " packed" : " stored"));
            Pack("S.dat", version, {Entry("Other.txt", noise, pack), Entry("MAIN.TXT", text, pack)});
            EXPECT_EQ(ReadWhole("S/Main.txt"), Text(text));
            EXPECT_EQ(ReadWhole("s/main.TXT"), Text(text));
            EXPECT_EQ(ReadWhole("S/other.txt"), Text(noise));
            EXPECT_EQ(ReadWhole("S/Missing.txt"), "<not found>");
            EXPECT_EQ(ReadWhole("T/Main.txt"), "<not found>");
        }
    }
}

TEST_F(ArchiveTest, PackedEntriesReallyArePacked) {
    const Bytes text = Compressible(5000, 1);
    Bytes archiveBytes = Pack("S.dat", kVersion2, {Entry("Main.txt", text, true, kScramblePlain)});
    EXPECT_LT(archiveBytes.size(), 2000u);
    EXPECT_EQ(ReadWhole("S/Main.txt"), Text(text));
}

TEST_F(ArchiveTest, AFileTwoFoldersDownIsInTheArchiveOfItsOwnFolder) {
    Pack("mn.dat", kVersion2, {Entry("a.png", Bytes{'o', 'u', 't'})});
    EXPECT_EQ(ReadWhole("mn/sub/a.png"), "<not found>");
    Pack("mn/sub.dat", kVersion1, {Entry("a.png", Bytes{'i', 'n'})});
    EXPECT_EQ(ReadWhole("mn/sub/a.png"), "in");
    EXPECT_EQ(ReadWhole("mn/a.png"), "out");
}

TEST_F(ArchiveTest, ArchiveUnderAnotherNameIsRefused) {
    Bytes bytes = Pack("S.dat", kVersion2, {Entry("Main.txt", Bytes{'x'})});
    temp_.Write("T.dat", bytes);
    EXPECT_EQ(ReadWhole("T/Main.txt"), "<not found>");
    // The name block's letter case does not matter.
    temp_.Write("U.dat", packer::BuildArchive(kVersion2, "u.DAT", {Entry("Main.txt", Bytes{'u'})}));
    EXPECT_EQ(ReadWhole("U/Main.txt"), "u");
}

TEST_F(ArchiveTest, EachReaderTakesOnlyItsOwnVersion) {
    Pack("V2.dat", kVersion2, {Entry("a.txt", Bytes{'2'})});
    Pack("V1.dat", kVersion1, {Entry("a.txt", Bytes{'1'})});
    uint8_t* buffer = nullptr;
    uint32_t size = 0;
    EXPECT_EQ(ReadArchiveEntryV1(temp_.Path() + "V2\\a.txt", buffer, size), 1);
    EXPECT_EQ(ReadArchiveEntryV2(temp_.Path() + "V1\\a.txt", buffer, size), 1);
    EXPECT_EQ(buffer, nullptr);
    ASSERT_EQ(ReadArchiveEntryV2(temp_.Path() + "V2\\a.txt", buffer, size), 0);
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(buffer[0], '2');
    EXPECT_EQ(buffer[1], 0);
    GlobalFree(buffer);
    EXPECT_EQ(ReadWhole("V2/a.txt"), "2");
    EXPECT_EQ(ReadWhole("V1/a.txt"), "1");
}

TEST_F(ArchiveTest, StoredEntriesAreNeverUnpacked) {
    // Stored bytes that happen to be a valid packed stream.
    Bytes packedLooking = packer::LzssEncode(Compressible(3000, 4).data(), 3000);
    for (uint32_t version : {kVersion1, kVersion2}) {
        Pack("S.dat", version, {Entry("Main.txt", packedLooking, false)});
        EXPECT_EQ(ReadWhole("S/Main.txt"), Text(packedLooking)) << version;
    }
}

TEST_F(ArchiveTest, DataAreDescrambledByTheEntrysKind) {
    const Bytes data = Noise(301, 9);
    struct KindCase {
        uint32_t kindField;
        bool plainInFile;
    };
    const KindCase cases[] = {{0, true}, {1, false}, {2, false}, {3, true}, {0xFF, true}, {0x101, false}};
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.kindField);
        // Written with the kind's low byte, then the whole field set as given.
        Bytes bytes = packer::BuildArchive(kVersion2, "S.dat",
                                           {Entry("Main.txt", data, false, static_cast<uint8_t>(c.kindField))});
        PatchEntry(bytes, 0, [&](uint8_t* e) { StoreU32(e + kV2ScrambleKindField, c.kindField); });
        temp_.Write("S.dat", bytes);
        bool plainInFile = std::equal(data.begin(), data.end(), bytes.end() - data.size());
        EXPECT_EQ(plainInFile, c.plainInFile);
        EXPECT_EQ(ReadWhole("S/Main.txt"), Text(data));
    }
}

TEST_F(ArchiveTest, KeyStreamLeavesATailOfOneToThreeBytesAndTheBitTransformDoesNot) {
    for (uint32_t size = 5; size <= 8; ++size) {
        const Bytes data = Noise(size, size);
        uint32_t tail = size % 4;
        struct Scrambled {
            uint32_t version;
            uint8_t kind;
        };
        for (Scrambled s : {Scrambled{kVersion1, kScramblePlain}, Scrambled{kVersion2, kScrambleKeyStream},
                            Scrambled{kVersion2, kScrambleBitTransform}}) {
            SCOPED_TRACE("size " + std::to_string(size) + " version " + std::to_string(s.version) +
                         " kind " + std::to_string(s.kind));
            Bytes bytes = Pack("S.dat", s.version, {Entry("Main.txt", data, false, s.kind)});
            for (uint32_t i = size - tail; i < size; ++i) {
                uint8_t stored = bytes[bytes.size() - size + i];
                if (s.kind == kScrambleBitTransform) {
                    EXPECT_NE(stored, data[i]);
                } else {
                    EXPECT_EQ(stored, data[i]);
                }
            }
            EXPECT_NE(bytes[bytes.size() - size], data[0]);
            EXPECT_EQ(ReadWhole("S/Main.txt"), Text(data));
        }
    }
}

TEST_F(ArchiveTest, BitTransformedEntryStreamsInChunks) {
    const Bytes voice = Noise(1003, 5);
    Pack("S.dat", kVersion2, {Entry("Main.txt", Bytes{'m'}), Entry("Voice.ogg", voice, false, kScrambleBitTransform),
                              Entry("Plain.ogg", voice, false, kScramblePlain)});
    for (const char* name : {"S/Voice.ogg", "S/plain.OGG"}) {
        for (uint32_t chunk : {4u, 8u, 12u, 256u, 2000u, 7u, 13u}) {
            SCOPED_TRACE(std::string(name) + " in chunks of " + std::to_string(chunk));
            CDataFile file;
            ASSERT_EQ(file.OpenStream(name, "rb", false), 0);
            EXPECT_EQ(file.GetSize(), 1003u);
            Bytes read, buffer(chunk);
            while (uint32_t n = file.StreamRead(buffer.data(), chunk)) read.insert(read.end(), buffer.begin(), buffer.begin() + n);
            EXPECT_EQ(read, voice);
            EXPECT_EQ(file.StreamTell(), 1003);
        }
    }
    CDataFile file;
    ASSERT_EQ(file.OpenStream("S/Voice.ogg", "rb", false), 0);
    uint8_t last[8];
    EXPECT_EQ(file.StreamSeek(-3, 2), 0);
    EXPECT_EQ(file.StreamRead(last, 8), 3u);
    EXPECT_TRUE(std::equal(last, last + 3, voice.end() - 3));
    EXPECT_EQ(file.StreamRead(last, 8), 0u);
    EXPECT_EQ(file.StreamSeek(1000, 0), 0);
    EXPECT_EQ(file.StreamTell(), 1000);
    EXPECT_EQ(file.StreamRead(last, 2), 2u);
    EXPECT_TRUE(std::equal(last, last + 2, voice.begin() + 1000));
    // Before the entry's first byte: nothing is read from the archive around it.
    EXPECT_EQ(file.StreamSeek(-1, 0), 0);
    EXPECT_EQ(file.StreamRead(last, 2), 0u);
}

TEST_F(ArchiveTest, StreamOpenerRefusesEntriesItCannotHandOutInPieces) {
    const Bytes text = Compressible(4000, 3);
    Pack("S.dat", kVersion2, {Entry("Packed.ogg", text, true, kScrambleBitTransform),
                              Entry("PackedPlain.ogg", text, true, kScramblePlain),
                              Entry("Keyed.ogg", text, false, kScrambleKeyStream)});
    Pack("Old.dat", kVersion1, {Entry("Voice.ogg", text, false)});
    for (const char* path : {"S/Packed.ogg", "S/PackedPlain.ogg", "S/Keyed.ogg", "Old/Voice.ogg"}) {
        SCOPED_TRACE(path);
        CDataFile file;
        EXPECT_EQ(file.OpenStream(path, "rb", false), -1);
        EXPECT_EQ(ReadWhole(path), Text(text));
    }
}

TEST_F(ArchiveTest, ShiftJisNamesKeepTheirSecondBytes) {
    const Bytes a = {'a'}, b = {'b'}, c = {'c'};
    Pack("S.dat", kVersion2, {Entry(HYO ".txt", a), Entry(A_KANA "B.txt", b)});
    Pack(HYO ".dat", kVersion1, {Entry(A_KANA ".txt", c)});
    EXPECT_EQ(ReadWhole("S/" HYO ".txt"), "a");
    EXPECT_EQ(ReadWhole("S/" A_KANA "b.TXT"), "b");
    // ャ (0x83 0x61) is another character, not a lower-case ア.
    EXPECT_EQ(ReadWhole("S/\x83\x61" "B.txt"), "<not found>");
    EXPECT_EQ(ReadWhole(HYO "/" A_KANA ".txt"), "c");
}

TEST_F(ArchiveTest, EntryNameFillingItsWholeFieldIsTakenWithoutAZeroByte) {
    const std::string name60(60, 'n');
    Bytes bytes = packer::BuildArchive(kVersion2, "S.dat", {Entry("short.txt", Bytes{'f'}, false)});
    PatchEntry(bytes, 0, [&](uint8_t* e) { std::memcpy(e, (name60 + ".txt").data(), 64); });
    temp_.Write("S.dat", bytes);
    EXPECT_EQ(ReadWhole("S/" + name60 + ".txt"), "f");
    // The offset field that follows the name is not part of it.
    std::string withOffset = name60 + ".txt" + std::string(1, static_cast<char>(bytes.size() - 1));
    EXPECT_EQ(ReadWhole("S/" + withOffset), "<not found>");
}

TEST_F(ArchiveTest, LooseFilesComeFirstWhenAllowed) {
    Pack("UserData.dat", kVersion2, {Entry("Config.ini", Bytes{'a', 'r', 'c'}, false, kScramblePlain),
                                     Entry("Only.ini", Bytes{'o'}, false, kScramblePlain)});
    temp_.Write("UserData/Config.ini", "loose");
    EXPECT_EQ(ReadWhole("UserData/Config.ini", true), "loose");
    EXPECT_EQ(ReadWhole("UserData/Config.ini", false), "arc");
    EXPECT_EQ(ReadWhole("UserData/Only.ini", true), "o");

    char buffer[8] = {};
    CDataFile file;
    ASSERT_EQ(file.OpenStream("UserData/Config.ini", "rb", true), 0);
    EXPECT_EQ(file.StreamRead(buffer, 8), 5u);
    EXPECT_EQ(std::string(buffer, 5), "loose");
    ASSERT_EQ(file.OpenStream("UserData/Config.ini", "rb", false), 0);
    EXPECT_EQ(file.StreamRead(buffer, 8), 3u);
    EXPECT_EQ(std::string(buffer, 3), "arc");
    ASSERT_EQ(file.OpenStream("UserData/Only.ini", "rb", true), 0);
    EXPECT_EQ(file.StreamRead(buffer, 8), 1u);
}

}  // namespace
