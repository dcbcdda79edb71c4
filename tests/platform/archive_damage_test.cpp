// Damaged archives: whatever their header, directory or data say, a read
// gives "not found" or the right bytes, never a crash, a huge allocation or
// bytes from outside the file.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "archive_fixture.h"

namespace {

using namespace archive;

class ArchiveDamageTest : public ArchiveTest {
protected:
    // Three entries, the one under test in the middle: packed (whole reads)
    // or stored and bit-transformed (streams).
    Bytes Build(uint32_t version, bool packedTarget, const Bytes& target) {
        return packer::BuildArchive(
            version, "S.dat",
            {Entry("First.txt", Noise(50, 1), false),
             Entry("Target.txt", target, packedTarget,
                   packedTarget ? kScrambleKeyStream : kScrambleBitTransform),
             Entry("Last.txt", Noise(70, 2), false)});
    }

    // Where the target's stored bytes end: the last entry's 70 bytes follow.
    static size_t TargetEnd(const Bytes& archiveBytes) { return archiveBytes.size() - 70; }

    std::string Stream(const std::string& path) {
        CDataFile file;
        if (file.OpenStream(path, "rb", false) != 0) return "<not found>";
        std::string read(file.GetSize(), '\0');
        read.resize(file.StreamRead(&read[0], file.GetSize()));
        return read;
    }

    const Bytes target_ = Compressible(3000, 7);
    // Small enough to cut an archive at every byte.
    const Bytes smallTarget_ = Compressible(400, 7);
};

TEST_F(ArchiveDamageTest, ArchiveCutAnywhereGivesNotFoundUntilTheEntryIsWhole) {
    struct Kind {
        uint32_t version;
        bool packed;
    };
    // The stored entry is also opened as a stream.
    for (Kind k : {Kind{kVersion1, true}, Kind{kVersion2, true}, Kind{kVersion2, false}}) {
        Bytes whole = Build(k.version, k.packed, smallTarget_);
        for (size_t length = 0; length < whole.size(); ++length) {
            SCOPED_TRACE("version " + std::to_string(k.version) + (k.packed ? " packed" : " stored") +
                         " cut to " + std::to_string(length));
            temp_.Write("S.dat", Bytes(whole.begin(), whole.begin() + length));
            std::string expected = length >= TargetEnd(whole) ? Text(smallTarget_) : "<not found>";
            EXPECT_EQ(ReadWhole("S/Target.txt"), expected);
            if (!k.packed) {
                EXPECT_EQ(Stream("S/Target.txt"), expected);
            }
            if (HasFailure()) return;
        }
    }
}

struct Fields {
    uint32_t offset, size, stored;
};

Fields FieldsOf(uint32_t version) {
    return version == kVersion1 ? Fields{kV1OffsetField, kV1SizeField, kV1StoredSizeField}
                                : Fields{kV2OffsetField, kV2SizeField, kV2StoredSizeField};
}

uint32_t ReadTargetField(Bytes b, uint32_t field) {
    uint32_t value = 0;
    PatchEntry(b, 1, [&](uint8_t* e) { value = LoadU32(e + field); });
    return value;
}

void SetU32(Bytes& b, size_t at, uint32_t v) { StoreU32(&b[at], v); }

void SetTargetField(Bytes& b, uint32_t field, uint32_t v) {
    PatchEntry(b, 1, [&](uint8_t* e) { StoreU32(e + field, v); });
}

TEST_F(ArchiveDamageTest, DamagedCountsOffsetsAndSizesGiveNotFound) {
    for (uint32_t version : {kVersion1, kVersion2}) {
        for (bool packed : {true, false}) {
            const Fields f = FieldsOf(version);
            const Bytes whole = Build(version, packed, target_);
            const uint32_t fileSize = static_cast<uint32_t>(whole.size());
            const uint32_t nameLength = LoadU32(&whole[kNameBlockLengthOffset]);
            const size_t countAt = kNameBlockOffset + nameLength;
            const uint32_t offset = ReadTargetField(whole, f.offset);
            const uint32_t size = ReadTargetField(whole, f.size);
            const uint32_t stored = ReadTargetField(whole, f.stored);
            struct Damage {
                const char* what;
                // Only for packed entries: a stored entry whose sizes no
                // longer agree is taken for packed, and its bytes may unpack.
                bool packedOnly;
                std::function<void(Bytes&)> apply;
            };
            const Damage damages[] = {
                {"magic", false, [](Bytes& b) { b[3] = 'v'; }},
                {"version 0", false, [](Bytes& b) { SetU32(b, kVersionOffset, 0); }},
                {"version 3", false, [](Bytes& b) { SetU32(b, kVersionOffset, 3); }},
                {"name block of 256 bytes", false, [](Bytes& b) { SetU32(b, kNameBlockLengthOffset, 256); }},
                {"name block of 4 GB", false, [](Bytes& b) { SetU32(b, kNameBlockLengthOffset, 0xFFFFFFFF); }},
                {"name block one byte short", false,
                 [&](Bytes& b) { SetU32(b, kNameBlockLengthOffset, nameLength - 1); }},
                {"name block's text", false, [](Bytes& b) { b[kNameBlockOffset] ^= 1; }},
                {"count 1", false, [&](Bytes& b) { SetU32(b, countAt, 1); }},
                {"count 0xFFFFFFFF", false, [&](Bytes& b) { SetU32(b, countAt, 0xFFFFFFFF); }},
                // 80 times this count is 80 in 32 bits.
                {"count that wraps", false, [&](Bytes& b) { SetU32(b, countAt, 0x03333334); }},
                {"count past the end of the file", false, [&](Bytes& b) { SetU32(b, countAt, fileSize / 80 + 1); }},
                {"offset 0xFFFFFFF0", false, [&](Bytes& b) { SetTargetField(b, f.offset, 0xFFFFFFF0); }},
                {"offset at the end of the file", false, [&](Bytes& b) { SetTargetField(b, f.offset, fileSize); }},
                {"offset one byte too far", false,
                 [&](Bytes& b) { SetTargetField(b, f.offset, fileSize - stored + 1); }},
                {"stored size 0xFFFFFFFF", false, [&](Bytes& b) { SetTargetField(b, f.stored, 0xFFFFFFFF); }},
                {"stored size one byte past the end", false,
                 [&](Bytes& b) { SetTargetField(b, f.stored, fileSize - offset + 1); }},
                {"size 0xFFFFFFFF", false, [&](Bytes& b) { SetTargetField(b, f.size, 0xFFFFFFFF); }},
                {"size 0x7FFFFFFF", false, [&](Bytes& b) { SetTargetField(b, f.size, 0x7FFFFFFF); }},
                {"size more than the stored bytes can unpack to", false,
                 [&](Bytes& b) { SetTargetField(b, f.size, stored * 9 + 1); }},
                {"size one more than the packed bytes give", true,
                 [&](Bytes& b) { SetTargetField(b, f.size, size + 1); }},
                // Whole words, so that what is left descrambles as before.
                {"packed bytes cut by a word", true, [&](Bytes& b) { SetTargetField(b, f.stored, stored - 4); }},
                {"packed bytes cut by half", true,
                 [&](Bytes& b) { SetTargetField(b, f.stored, stored / 2 & ~3u); }},
                {"packed bytes cut to nothing", true, [&](Bytes& b) { SetTargetField(b, f.stored, 0); }},
            };
            for (const Damage& d : damages) {
                if (d.packedOnly && !packed) continue;
                SCOPED_TRACE("version " + std::to_string(version) + (packed ? " packed: " : " stored: ") +
                             d.what);
                Bytes bytes = whole;
                d.apply(bytes);
                temp_.Write("S.dat", bytes);
                EXPECT_EQ(ReadWhole("S/Target.txt"), "<not found>");
                EXPECT_EQ(Stream("S/Target.txt"), "<not found>");
            }
            // The undamaged archive reads.
            temp_.Write("S.dat", whole);
            EXPECT_EQ(ReadWhole("S/Target.txt"), Text(target_));
        }
    }
}

}  // namespace
