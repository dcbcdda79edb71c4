#include "platform/lzss.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/guarded_bytes.h"
#include "packer/lzss_encoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kCanary = 0xCD;

// Decodes into a buffer of exactly size bytes followed by canary bytes.
int DecodeInto(const Bytes& packed, uint32_t size, Bytes& out) {
    CGuardedBytes source(packed);
    out.assign(size + 16, kCanary);
    uint8_t* destination = out.data();
    int result = LzssDecode(source.data(), source.size(), destination, size, false);
    for (size_t i = size; i < out.size(); ++i) EXPECT_EQ(out[i], kCanary) << "written past the end at " << i;
    out.resize(size);
    return result;
}

struct StreamCase {
    const char* what;
    Bytes packed;
    uint32_t size;
    Bytes expected;
};

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

TEST(Lzss, DecodesLiteralsAndRingReferences) {
    // Ring position 4078 is where the first byte goes: 0xEE | (0xF0 << 4).
    const StreamCase cases[] = {
        {"eight literals", {0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}, 8, Text("abcdefgh")},
        {"stops inside a group", {0xFF, 'a', 'b', 'c'}, 2, Text("ab")},
        {"a ring never written is zero", {0x00, 0x00, 0x00}, 3, Bytes{0, 0, 0}},
        {"a reference repeats what it writes", {0x03, 'a', 'b', 0xEE, 0xF2}, 7, Text("abababa")},
        {"stops inside a reference", {0x03, 'a', 'b', 0xEE, 0xF2}, 4, Text("abab")},
        {"a reference from zeros into written bytes", {0x01, 'x', 0xEC, 0xF1}, 5,
         Bytes{'x', 0, 0, 'x', 0}},
        {"second group", {0xFF, '1', '2', '3', '4', '5', '6', '7', '8', 0x01, '9', 0xEE, 0xF0}, 12,
         Text("123456789123")},
    };
    for (const StreamCase& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes out;
        EXPECT_EQ(DecodeInto(c.packed, c.size, out), 0);
        EXPECT_EQ(out, c.expected);
    }
}

TEST(Lzss, WritePositionWrapsAtTheEndOfTheRing) {
    // 18 literals fill ring positions 4078 to 4095, the 19th goes to 0; a
    // reference to 4095 of length 3 copies the 18th, the 19th and then the
    // byte it wrote itself at position 1 (the 18th again).
    Bytes packed = {0xFF, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H',
                    0xFF, 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P',
                    0x07, 'Q', 'R', 'S', 0xFF, 0xF0};
    Bytes out;
    EXPECT_EQ(DecodeInto(packed, 22, out), 0);
    EXPECT_EQ(out, Text("ABCDEFGHIJKLMNOPQRSRSR"));
}

TEST(Lzss, ReferenceToTheWritePositionReadsTheByteFrom4096Back) {
    Bytes packed, expected;
    for (int group = 0; group < 512; ++group) {
        packed.push_back(0xFF);
        for (int i = 0; i < 8; ++i) {
            uint8_t b = static_cast<uint8_t>((group * 8 + i) * 7 + 1);
            packed.push_back(b);
            expected.push_back(b);
        }
    }
    // After 4096 bytes the write position is 4078 again.
    packed.insert(packed.end(), {0x00, 0xEE, 0xF0});
    expected.insert(expected.end(), {expected[0], expected[1], expected[2]});
    Bytes out;
    EXPECT_EQ(DecodeInto(packed, 4099, out), 0);
    EXPECT_EQ(out, expected);
}

TEST(Lzss, SizeZeroWritesNothing) {
    Bytes out;
    EXPECT_EQ(DecodeInto({0xFF, 'a'}, 0, out), 1);
    uint8_t* allocated = nullptr;
    const uint8_t packed[] = {0xFF, 'a'};
    EXPECT_EQ(LzssDecode(packed, 2, allocated, 0, true), 1);
    EXPECT_EQ(allocated, nullptr);
}

TEST(Lzss, AllocatesTheDestinationOnRequestAndFreesItOnFailure) {
    const uint8_t packed[] = {0x03, 'a', 'b', 0xEE, 0xF2};
    uint8_t* allocated = nullptr;
    ASSERT_EQ(LzssDecode(packed, sizeof packed, allocated, 7, true), 0);
    ASSERT_NE(allocated, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(allocated), 7), "abababa");
    delete[] allocated;

    allocated = nullptr;
    EXPECT_EQ(LzssDecode(packed, sizeof packed, allocated, 8, true), 2);
    EXPECT_EQ(allocated, nullptr);
}

Bytes SampleText(size_t size) {
    static const char* words[] = {"mirl ", "wood ", "scene ", "Main ", "\r\n", "\x83\x41", "=", "42"};
    std::mt19937 random(7);
    Bytes out;
    while (out.size() < size) {
        for (const char* w = words[random() % 8]; *w && out.size() < size; ++w) out.push_back(*w);
    }
    return out;
}

Bytes RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    Bytes out(size);
    for (uint8_t& b : out) b = static_cast<uint8_t>(random());
    return out;
}

TEST(Lzss, PackedStreamsCutShortFailWithoutReadingPastTheirEnd) {
    const Bytes streams[] = {
        packer::LzssEncode(SampleText(3000).data(), 3000),
        packer::LzssEncode(RandomBytes(100, 1).data(), 100),
        {0x03, 'a', 'b', 0xEE, 0xF2},
        {0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 0x00, 0xEE, 0xF2},
    };
    const uint32_t sizes[] = {3000, 100, 7, 13};
    for (size_t s = 0; s < 4; ++s) {
        for (size_t cut = 0; cut < streams[s].size(); ++cut) {
            SCOPED_TRACE("stream " + std::to_string(s) + " cut to " + std::to_string(cut));
            Bytes shortStream(streams[s].begin(), streams[s].begin() + cut);
            Bytes out;
            EXPECT_EQ(DecodeInto(shortStream, sizes[s], out), 2);
        }
    }
}

TEST(Lzss, EncoderOutputDecodesToTheOriginal) {
    Bytes periodic(20000);
    for (size_t i = 0; i < periodic.size(); ++i) periodic[i] = static_cast<uint8_t>(i * 131 % 4096 % 251);
    Bytes runs;
    for (int i = 0; i < 300; ++i) runs.insert(runs.end(), 17 + i % 40, static_cast<uint8_t>(i));
    const std::pair<const char*, Bytes> cases[] = {
        {"one byte", {0x42}},
        {"zeros, matched against the ring's initial zeros", Bytes(10000, 0)},
        {"text", SampleText(50000)},
        {"random", RandomBytes(70000, 2)},
        {"period 4096", periodic},
        {"runs", runs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        Bytes packed = packer::LzssEncode(c.second.data(), c.second.size());
        Bytes out;
        EXPECT_EQ(DecodeInto(packed, static_cast<uint32_t>(c.second.size()), out), 0);
        EXPECT_EQ(out, c.second);
    }
    EXPECT_LT(packer::LzssEncode(cases[1].second.data(), 10000).size(), 1200u);
    EXPECT_LT(packer::LzssEncode(cases[2].second.data(), 50000).size(), 20000u);
}

}  // namespace
