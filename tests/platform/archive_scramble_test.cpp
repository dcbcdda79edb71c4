#include "platform/archive_scramble.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "packer/archive_writer.h"
#include "platform/archive_format.h"

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kPlain = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K'};

struct KeyCase {
    const char* block;
    uint32_t key;
    Bytes scrambled;  // worked out by hand from the key-stream rule
};

TEST(ArchiveScramble, KeyStreamRunsOverWholeWordsAndLeavesTheTail) {
    const KeyCase cases[] = {
        {"entry data", archive::kEntryDataKey,
         {0xE2, 0xB6, 0x93, 0xD5, 0x44, 0x6B, 0x7C, 0xE6, 'I', 'J', 'K'}},
        {"name block", archive::kNameBlockKey,
         {0xD0, 0x6F, 0x0D, 0x2E, 0xAA, 0x23, 0xFF, 0xCE, 'I', 'J', 'K'}},
        {"directory entry", archive::kDirectoryEntryKey,
         {0xA9, 0xF7, 0x54, 0x78, 0x03, 0xA8, 0xC6, 0x10, 'I', 'J', 'K'}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.block);
        Bytes block = kPlain;
        archive::ApplyKeyStream(block.data(), 11, c.key, archive::KeyStreamDirection::Scramble);
        EXPECT_EQ(block, c.scrambled);
        archive::ApplyKeyStream(block.data(), 11, c.key, archive::KeyStreamDirection::Descramble);
        EXPECT_EQ(block, kPlain);
    }
}

TEST(ArchiveScramble, BitTransformFollowsItsFormulaOnWordsAndTailBytes) {
    // (NOT((w << 6) AND M1) AND M2) XOR ((w >> 2) AND M3), worked out by hand
    // for two words and a three-byte tail.
    Bytes block = {0x00, 0xFF, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0x01, 0x80, 0x7F};
    archive::ApplyBitTransform(block.data(), static_cast<uint32_t>(block.size()));
    EXPECT_EQ(block, (Bytes{0xD9, 0x26, 0x5D, 0xD4, 0x4C, 0xC7, 0x7F, 0xF6, 0x99, 0xF9, 0x06}));
}

TEST(ArchiveScramble, PackerInvertsTheBitTransformForEveryByte) {
    std::set<uint8_t> images;
    for (int b = 0; b < 256; ++b) {
        uint8_t byte = static_cast<uint8_t>(b);
        packer::InvertBitTransform(&byte, 1);
        images.insert(byte);
        archive::ApplyBitTransform(&byte, 1);
        EXPECT_EQ(byte, b);
    }
    EXPECT_EQ(images.size(), 256u);

    std::mt19937 random(3);
    for (uint32_t size = 0; size < 40; ++size) {
        Bytes original(size);
        for (uint8_t& b : original) b = static_cast<uint8_t>(random());
        Bytes block = original;
        packer::InvertBitTransform(block.data(), size);
        archive::ApplyBitTransform(block.data(), size);
        EXPECT_EQ(block, original) << size;
    }
}

}  // namespace
