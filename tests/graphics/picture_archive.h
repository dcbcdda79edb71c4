// Picture files packed into archives in a temporary base directory, where
// the loaders look for them, and the pictures the file tests use.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "packer/archive_writer.h"
#include "picture_bytes.h"
#include "platform/archive_format.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

class PictureArchiveTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    // Packs the files as folder.dat, so that "folder/name" finds them.
    void Pack(const std::string& folder, const std::vector<std::pair<std::string, Bytes>>& files) {
        std::vector<packer::PackEntry> entries;
        for (const auto& file : files) {
            entries.push_back({file.first, file.second, true, archive::kScrambleKeyStream});
        }
        temp_.Write(folder + ".dat", packer::BuildArchive(archive::kVersion2, folder + ".dat", entries));
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};

// A 2 x 2 picture, bottom-up, 24 bits: 0x00102030 0x00405060 on the top row,
// 0x00708090 0x00A0B0C0 below.
inline Bytes SmallBmp() {
    return EncodeBmp({2, 2, 24, {}, {{0x30, 0x20, 0x10, 0x60, 0x50, 0x40}, {0x90, 0x80, 0x70, 0xC0, 0xB0, 0xA0}}});
}

// The same colours as an 8-bit PNG with alpha: 0x80 0xFF on the top row,
// 0x00 0x40 below.
inline Bytes SmallPng() {
    return EncodePng({2, 2, 8, 6, {{0x10, 0x20, 0x30, 0x80, 0x40, 0x50, 0x60, 0xFF}, {0x70, 0x80, 0x90, 0x00, 0xA0, 0xB0, 0xC0, 0x40}}, {}, {}});
}
