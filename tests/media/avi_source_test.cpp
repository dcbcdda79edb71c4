#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "media/avi_audio_source.h"
#include "media_fixture.h"

namespace {

struct AviCase {
    const char* path;
    const char* reference;
    uint16_t channels;
    uint32_t rate;
    uint16_t bits;
};

class AviDecoding : public testing::TestWithParam<AviCase> {
protected:
    CMediaBase base_;
};

TEST_P(AviDecoding, GivesTheReferenceSamplesFormatLengthAndCounts) {
    const AviCase& c = GetParam();
    Bytes reference = MediaBytes(std::string("ref/") + c.reference);
    ASSERT_FALSE(reference.empty());
    CAviAudioSource source;
    ASSERT_EQ(source.Open(c.path), 1);
    const WAVEFORMATEX& f = *source.GetFormat();
    EXPECT_EQ(f.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(f.nChannels, c.channels);
    EXPECT_EQ(f.nSamplesPerSec, c.rate);
    EXPECT_EQ(f.wBitsPerSample, c.bits);
    EXPECT_EQ(f.cbSize, 0);
    uint32_t block = c.channels * c.bits / 8;
    EXPECT_EQ(f.nBlockAlign, block);
    EXPECT_EQ(f.nAvgBytesPerSec, block * c.rate);
    EXPECT_EQ(source.GetDataBytes(), reference.size());
    EXPECT_EQ(source.GetLengthMs(), source.GetDataBytes() * 1000 / f.nAvgBytesPerSec);

    Bytes out = Drain(source, 4000);
    EXPECT_EQ(out.size(), reference.size());
    EXPECT_TRUE(out == reference);
    EXPECT_EQ(source.GetConsumedBytes(), out.size());

    ASSERT_EQ(source.Rewind(), 1);
    EXPECT_EQ(source.GetConsumedBytes(), 0u);
    uint32_t skip = 3333 * block;
    source.Skip(skip);
    EXPECT_EQ(source.GetConsumedBytes(), skip);
    Bytes part(4000);
    ASSERT_EQ(source.Read(part.data(), 4000), 4000u);
    EXPECT_TRUE(std::equal(part.begin(), part.end(), reference.begin() + skip));
}

INSTANTIATE_TEST_SUITE_P(Generated, AviDecoding,
                         testing::Values(AviCase{"avi/pcm16.avi", "pcm16.raw", 2, 44100, 16},
                                         AviCase{"avi/pcm8.avi", "pcm8.raw", 1, 22050, 8},
                                         AviCase{"avi/ima.avi", "ima.raw", 2, 44100, 16},
                                         AviCase{"avi/msadpcm.avi", "msadpcm.raw", 2, 44100, 16}));

// Where a RIFF list or chunk with the four-character id starts, or npos.
size_t Find(const Bytes& avi, const char* id) {
    for (size_t i = 0; i + 4 <= avi.size(); ++i)
        if (std::memcmp(&avi[i], id, 4) == 0) return i;
    return std::string::npos;
}

TEST(AviSourceDamage, EachDamageIsRefusedOrGivesTheSoundItHolds) {
    Bytes whole = MediaBytes("avi/pcm16.avi");
    Bytes reference = MediaBytes("ref/pcm16.raw");
    size_t movi = Find(whole, "movi");
    size_t index = Find(whole, "idx1");
    size_t strf = Find(whole, "strf");
    ASSERT_NE(movi, std::string::npos);
    ASSERT_NE(index, std::string::npos);
    ASSERT_NE(strf, std::string::npos);
    auto cut = [&](size_t length) { return Bytes(whole.begin(), whole.begin() + length); };
    size_t middle = movi + (index - movi) / 2;
    // A compressed stream that no converter reads.
    Bytes unknownCodec = MediaBytes("avi/ima.avi");
    size_t imaFormat = Find(unknownCodec, "strf") + 8;
    unknownCodec[imaFormat] = 0x34;
    unknownCodec[imaFormat + 1] = 0x12;
    // Without its index, the RIFF size saying so: the file is whole.
    Bytes noIndex = cut(index);
    uint32_t riffSize = static_cast<uint32_t>(noIndex.size() - 8);
    std::memcpy(&noIndex[4], &riffSize, 4);
    // The first chunk of movi claims the whole file.
    Bytes chunkPastList = whole;
    uint32_t huge = 0x7FFFFF00;
    std::memcpy(&chunkPastList[movi + 8], &huge, 4);
    Bytes noChannels = whole;
    noChannels[strf + 8 + 2] = 0;
    noChannels[strf + 8 + 3] = 0;

    struct Row {
        const char* what;
        Bytes file;
        bool opens;
        uint64_t dataBytes;  // when it opens
    };
    const Row rows[] = {
        {"cut in the header", cut(strf + 12), false, 0},
        {"cut in movi", cut(middle), false, 0},
        {"cut before idx1", cut(index), false, 0},
        {"no idx1", noIndex, false, 0},
        {"a movi chunk past its list", chunkPastList, false, 0},
        {"0-channel strf", noChannels, false, 0},
        {"no converter for the codec", unknownCodec, false, 0},
        {"whole", whole, true, reference.size()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CTempFolder temp;
        CBaseDirectoryScope base(temp.Path());
        temp.Write("bad.avi", row.file);
        CAviAudioSource source;
        ASSERT_EQ(source.Open("bad.avi"), row.opens ? 1 : 0);
        if (!row.opens) continue;
        EXPECT_EQ(source.GetDataBytes(), row.dataBytes);
        Bytes out = Drain(source);
        EXPECT_EQ(out.size(), row.dataBytes);
        EXPECT_TRUE(std::equal(out.begin(), out.end(), reference.begin()));
    }
}

TEST(AviSource, AMissingFileIsRefused) {
    CTempFolder temp;
    CBaseDirectoryScope base(temp.Path());
    CAviAudioSource source;
    EXPECT_EQ(source.Open("none.avi"), 0);
}

}  // namespace
