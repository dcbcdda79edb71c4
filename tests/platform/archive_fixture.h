// Archives for the reader's tests, written by the packer's library into a
// temporary base directory, and the means to damage them on purpose.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "packer/archive_writer.h"
#include "platform/archive_format.h"
#include "platform/archive_scramble.h"
#include "platform/data_file.h"
#include "platform/paths.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

inline packer::PackEntry Entry(const std::string& name, const Bytes& data, bool pack = true,
                               uint8_t kind = archive::kScrambleKeyStream) {
    return packer::PackEntry{name, data, pack, kind};
}

// Bytes that LZSS packs well, different for every seed.
inline Bytes Compressible(size_t size, unsigned seed) {
    Bytes out(size);
    for (size_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>("mirlwood"[(i / 5 + seed) % 8] + i % 3);
    return out;
}

// Bytes that do not pack.
inline Bytes Noise(size_t size, unsigned seed) {
    Bytes out(size);
    uint32_t x = seed * 2654435761u + 1;
    for (uint8_t& b : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<uint8_t>(x);
    }
    return out;
}

// Rewrites directory entry `index` in its plain form.
inline void PatchEntry(Bytes& archiveBytes, uint32_t index, const std::function<void(uint8_t*)>& patch) {
    uint32_t nameLength = archive::LoadU32(&archiveBytes[archive::kNameBlockLengthOffset]);
    uint8_t* e = &archiveBytes[archive::kNameBlockOffset + nameLength + 4 + index * archive::kEntrySize];
    archive::ApplyKeyStream(e, archive::kEntrySize, archive::kDirectoryEntryKey,
                            archive::KeyStreamDirection::Descramble);
    patch(e);
    archive::ApplyKeyStream(e, archive::kEntrySize, archive::kDirectoryEntryKey,
                            archive::KeyStreamDirection::Scramble);
}

class ArchiveTest : public testing::Test {
protected:
    void SetUp() override { ClearRecordedErrors(); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    // Packs the entries into temp/relative, named after its own file name.
    Bytes Pack(const std::string& relative, uint32_t version, const std::vector<packer::PackEntry>& entries) {
        Bytes bytes = packer::BuildArchive(version, GetFileNamePart(relative), entries);
        temp_.Write(relative, bytes);
        return bytes;
    }

    // The whole contents of a game path read from the archives alone, or
    // "<not found>".
    static std::string ReadWhole(const std::string& path, bool allowLooseFile = false) {
        CDataFile file;
        if (file.OpenWhole(path, allowLooseFile) != 0) return "<not found>";
        EXPECT_EQ(file.GetData()[file.GetSize()], 0) << "no zero byte after the contents";
        return std::string(reinterpret_cast<const char*>(file.GetData()), file.GetSize());
    }

    static std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};
