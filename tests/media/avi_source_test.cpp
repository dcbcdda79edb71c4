#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>

#include "media/avi_damage.h"
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

// The source over a damaged copy of a generated file, in a folder of its own.
class CDamagedAvi {
public:
    explicit CDamagedAvi(const Bytes& avi) { temp_.Write("bad.avi", avi); }
    int Open() { return source.Open("bad.avi"); }

    CAviAudioSource source;

private:
    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};

TEST(AviSourceDamage, EveryStructuralDamageIsRefused) {
    for (const char* file : {"avi/pcm16.avi", "avi/msadpcm.avi", "avi/ima.avi"}) {
        const Bytes whole = MediaBytes(file);
        for (const avi_damage::Damage& damage : avi_damage::StructuralDamages()) {
            if (damage.needs != avi_damage::Codec::Any && damage.needs != avi_damage::SoundCodec(whole)) continue;
            SCOPED_TRACE(std::string(file) + ": " + damage.name);
            Bytes avi = whole;
            damage.apply(avi);
            CDamagedAvi damaged(avi);
            EXPECT_EQ(damaged.Open(), 0);
        }
    }
}

// A stream may start late: it is silent until its start, then gives the
// whole sound the file holds.
struct LateCase {
    const char* path;
    const char* reference;
    uint32_t blockBytes;  // the PCM bytes of one of its blocks
};

class AviLateStart : public testing::TestWithParam<LateCase> {};

TEST_P(AviLateStart, IsSilentUntilItsStartThenGivesTheWholeSound) {
    const LateCase& c = GetParam();
    const Bytes reference = MediaBytes(std::string("ref/") + c.reference);
    ASSERT_FALSE(reference.empty());
    const uint32_t kLate = 17;
    Bytes avi = MediaBytes(c.path);
    avi_damage::DelaySound(avi, kLate);
    CDamagedAvi late(avi);
    ASSERT_EQ(late.Open(), 1);
    const size_t lead = size_t(kLate) * c.blockBytes;
    EXPECT_EQ(late.source.GetDataBytes(), lead + reference.size());
    Bytes out = Drain(late.source, 3000);
    ASSERT_EQ(out.size(), lead + reference.size());
    EXPECT_TRUE(std::all_of(out.begin(), out.begin() + lead, [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::equal(reference.begin(), reference.end(), out.begin() + lead));

    // Skipped to a block within the silence, the sound still follows it.
    ASSERT_EQ(late.source.Rewind(), 1);
    const size_t quiet = lead / c.blockBytes / 2 * c.blockBytes;
    late.source.Skip(lead - quiet);
    Bytes part(quiet + 4000);
    ASSERT_EQ(late.source.Read(part.data(), static_cast<uint32_t>(part.size())), part.size());
    EXPECT_TRUE(std::all_of(part.begin(), part.begin() + quiet, [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(std::equal(part.begin() + quiet, part.end(), reference.begin()));
}

INSTANTIATE_TEST_SUITE_P(Generated, AviLateStart,
                         testing::Values(LateCase{"avi/pcm16.avi", "pcm16.raw", 4},
                                         LateCase{"avi/ima.avi", "ima.raw", 4 * 1017}));

// Seeded damage of the fields the reader trusts; a failure names its index.
// Each file is refused or read (up to 16 MB, a late start may claim hours of
// silence) never past what it claims.
TEST(AviSourceDamage, Fuzz) {
    const uint32_t kSeed = 20261211;
    std::mt19937 random(kSeed);
    const char* files[] = {"avi/pcm16.avi", "avi/msadpcm.avi", "avi/ima.avi"};
    for (int index = 0; index < 300; ++index) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", index " + std::to_string(index));
        Bytes avi = MediaBytes(files[index % 3]);
        avi_damage::Mutate(avi, random);
        CDamagedAvi damaged(avi);
        if (damaged.Open() == 1) {
            const uint64_t claimed = damaged.source.GetDataBytes();
            Bytes part(65536);
            uint64_t read = 0;
            for (uint32_t got; read <= claimed && read < (16u << 20) &&
                               (got = damaged.source.Read(part.data(), static_cast<uint32_t>(part.size()))) != 0;)
                read += got;
            EXPECT_LE(read, claimed);
        }
        if (HasFailure()) break;
    }
}

TEST(AviSource, AMissingFileIsRefused) {
    CTempFolder temp;
    CBaseDirectoryScope base(temp.Path());
    CAviAudioSource source;
    EXPECT_EQ(source.Open("none.avi"), 0);
}

}  // namespace
