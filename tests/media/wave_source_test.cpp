#include <gtest/gtest.h>

#include <cstring>

#include "media/wave_source.h"
#include "media_fixture.h"

namespace {

struct WaveCase {
    const char* path;
    const char* reference;
    uint16_t channels;
    uint32_t rate;
    uint16_t bits;
};

class WaveDecoding : public testing::TestWithParam<WaveCase> {
protected:
    CMediaBase base_;
};

TEST_P(WaveDecoding, GivesSoxsSamplesFormatLengthAndCounts) {
    const WaveCase& c = GetParam();
    Bytes reference = MediaBytes(std::string("ref/") + c.reference);
    ASSERT_FALSE(reference.empty());
    CWaveSource source;
    ASSERT_EQ(source.Open(c.path), 1);
    const WAVEFORMATEX& f = *source.GetFormat();
    EXPECT_EQ(f.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(f.nChannels, c.channels);
    EXPECT_EQ(f.nSamplesPerSec, c.rate);
    EXPECT_EQ(f.wBitsPerSample, c.bits);
    EXPECT_EQ(f.cbSize, 0) << "a 16-byte fmt chunk has no cbSize";
    uint32_t block = c.channels * c.bits / 8;
    EXPECT_EQ(source.GetBlockAlign(), block);
    EXPECT_EQ(source.GetAvgBytesPerSec(), c.rate * block);
    EXPECT_EQ(source.GetDataBytes(), reference.size());
    EXPECT_EQ(source.GetLengthMs(), reference.size() * 1000 / (c.rate * block));
    EXPECT_EQ(source.GetSilenceByte(), c.bits == 8 ? 0x80 : 0);

    EXPECT_EQ(Drain(source, 1000), reference);
    EXPECT_EQ(source.GetConsumedBytes(), reference.size());

    ASSERT_EQ(source.Rewind(), 1);
    EXPECT_EQ(source.GetConsumedBytes(), 0u);
    uint32_t skip = 1000 * block + 0;
    source.Skip(skip);
    EXPECT_EQ(source.GetConsumedBytes(), skip);
    Bytes part(4000);
    ASSERT_EQ(source.Read(part.data(), 4000), 4000u);
    EXPECT_TRUE(std::equal(part.begin(), part.end(), reference.begin() + skip));
    EXPECT_EQ(source.GetConsumedBytes(), skip + 4000);
}

INSTANTIATE_TEST_SUITE_P(Generated, WaveDecoding,
                         testing::Values(WaveCase{"Snd/tone8.wav", "tone8.raw", 1, 22050, 8},
                                         WaveCase{"Snd/tone16.wav", "tone16.raw", 2, 44100, 16}));

class WaveSourceTest : public testing::Test {
protected:
    CSoundArchive archive_;
};

TEST_F(WaveSourceTest, AnOddChunkBeforeTheFormatIsSkippedWithItsPadByte) {
    Bytes pcm = MediaBytes("ref/tone16.raw");
    std::string path = archive_.Put(
        "list.wav", MakeWave({{"LIST", BytesOf("odd")}, {"fmt ", FormatChunk(1, 2, 44100, 16)}, {"data", pcm}}), 2);
    CWaveSource source;
    ASSERT_EQ(source.Open(path.c_str()), 1);
    EXPECT_EQ(source.GetFormat()->nChannels, 2);
    EXPECT_EQ(source.GetFormat()->cbSize, 0);
    EXPECT_EQ(Drain(source), pcm);
}

TEST_F(WaveSourceTest, ReadingPastTheEndGivesWhatIsLeftAndCountsIt) {
    std::string path = archive_.Put("ramp.wav", RampWave(22050, 100));
    CWaveSource source;
    ASSERT_EQ(source.Open(path.c_str()), 1);
    uint32_t size = static_cast<uint32_t>(source.GetDataBytes());
    source.Skip(size - 8);
    Bytes buffer(64);
    EXPECT_EQ(source.Read(buffer.data(), 64), 8u);
    EXPECT_EQ(source.GetConsumedBytes(), size);
    EXPECT_EQ(source.Read(buffer.data(), 64), 0u);
    EXPECT_EQ(source.GetConsumedBytes(), size);
}

// A WAV whose every byte has a known role: RIFF header (0-11), an odd LIST
// chunk (12-23 with its pad), fmt (24-47), data header (48-55), 40 PCM bytes.
Bytes SmallWave() {
    Bytes pcm(40);
    for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<uint8_t>(0x10 + i);
    return MakeWave({{"LIST", BytesOf("abc")}, {"fmt ", FormatChunk(1, 1, 22050, 8)}, {"data", pcm}});
}

struct CutRow {
    uint32_t from, to;  // cut lengths from..to-1
    int place;          // the box, or 0: a sound of (length - 56) bytes
};

TEST_F(WaveSourceTest, AFileCutAtEveryByteGivesTheBoxOfWhereItEndsOrTheSoundUpToIt) {
    const CutRow rows[] = {
        {0, 4, kWaveRiffUnreadable},       {4, 8, kWaveSizeUnreadable},   {8, 12, kWaveTypeUnreadable},
        {12, 16, kWaveNoFormat},           {16, 20, kWaveFormatSizeUnreadable},
        {20, 28, kWaveNoFormat},           {28, 32, kWaveFormatSizeUnreadable},
        {32, 48, kWaveFormatPastEnd},      {48, 52, kWaveNoData},         {52, 56, kWaveDataSizeUnreadable},
        {56, 97, 0},
    };
    Bytes whole = SmallWave();
    ASSERT_EQ(whole.size(), 96u);
    for (const CutRow& row : rows) {
        for (uint32_t length = row.from; length < row.to && length <= whole.size(); ++length) {
            SCOPED_TRACE("cut at " + std::to_string(length));
            std::string path = archive_.Put("cut.wav", Bytes(whole.begin(), whole.begin() + length));
            CWaveSource source;
            if (row.place) {
                ExpectBox([&] { source.Open(path.c_str()); }, ErrorKind::Sound, kModuleSoundSource, row.place);
                continue;
            }
            ASSERT_EQ(source.Open(path.c_str()), 1);
            EXPECT_EQ(source.GetDataBytes(), length - 56);
            Bytes out = Drain(source, 7);
            EXPECT_EQ(out, Bytes(whole.begin() + 56, whole.begin() + length));
            EXPECT_FALSE(Contains(out, MarkerBytes()));
        }
    }
}

TEST_F(WaveSourceTest, DamagedHeadersGiveTheirBoxOrTheSoundTheEntryHolds) {
    auto pcm = RampPcm(2205);  // 100 ms at 22050 Hz
    auto fmt = [](auto patch, uint32_t size = 16) {
        Bytes f = FormatChunk(1, 2, 22050, 16, size);
        patch(f);
        return f;
    };
    auto put32 = [](Bytes& b, size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); };
    auto put16 = [](Bytes& b, size_t at, uint16_t v) { std::memcpy(&b[at], &v, 2); };
    struct Row {
        const char* what;
        Bytes file;
        int place;            // the box, or 0
        uint32_t lengthMs;    // the sound's length when there is no box
    };
    Bytes hugeList = MakeWave({{"LIST", BytesOf("abcd")}, {"fmt ", FormatChunk(1, 2, 22050, 16)}, {"data", pcm}});
    put32(hugeList, 16, 0x7FFFFFF0);
    Bytes hugeFmt = MakeWave({{"fmt ", FormatChunk(1, 2, 22050, 16)}, {"data", pcm}});
    put32(hugeFmt, 16, 0xFFFFFFF0);
    Bytes hugeData = MakeWave({{"fmt ", FormatChunk(1, 2, 22050, 16)}, {"data", pcm}});
    put32(hugeData, 40, 0xFFFFFFFF);
    Bytes notRiff = MakeWave({{"fmt ", FormatChunk(1, 2, 22050, 16)}, {"data", pcm}});
    notRiff[3] = 'X';
    Bytes notWave = notRiff;
    notWave[3] = 'F';
    std::memcpy(&notWave[8], "AVI ", 4);
    const Row rows[] = {
        {"0 channels", MakeWave({{"fmt ", fmt([&](Bytes& f) { put16(f, 2, 0); })}, {"data", pcm}}), kWaveFormatUnusable, 0},
        {"rate 0", MakeWave({{"fmt ", fmt([&](Bytes& f) { put32(f, 4, 0); })}, {"data", pcm}}), kWaveFormatUnusable, 0},
        {"rate 0xFFFFFFFF", MakeWave({{"fmt ", fmt([&](Bytes& f) { put32(f, 4, 0xFFFFFFFF); })}, {"data", pcm}}),
         kWaveFormatUnusable, 0},
        {"block align 0", MakeWave({{"fmt ", fmt([&](Bytes& f) { put16(f, 12, 0); })}, {"data", pcm}}),
         kWaveFormatUnusable, 0},
        {"wrong average", MakeWave({{"fmt ", fmt([&](Bytes& f) { put32(f, 8, 44100); })}, {"data", pcm}}),
         kWaveFormatUnusable, 0},
        {"average 0", MakeWave({{"fmt ", fmt([&](Bytes& f) { put32(f, 8, 0); })}, {"data", pcm}}), kWaveFormatUnusable,
         0},
        {"14-byte fmt", MakeWave({{"fmt ", FormatChunk(1, 2, 22050, 16, 14)}, {"data", pcm}}), kWaveFormatTooShort, 0},
        {"18-byte fmt", MakeWave({{"fmt ", FormatChunk(1, 2, 22050, 16, 18)}, {"data", pcm}}), 0, 100},
        {"not RIFF", notRiff, kWaveNotRiff, 0},
        {"not WAVE", notWave, kWaveNotWave, 0},
        {"LIST size past the end", hugeList, kWaveNoFormat, 0},
        {"fmt size past the end", hugeFmt, kWaveFormatPastEnd, 0},
        {"data size past the end", hugeData, 0, 100},
        {"no data chunk", MakeWave({{"fmt ", FormatChunk(1, 2, 22050, 16)}}), kWaveNoData, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::string path = archive_.Put("bad.wav", row.file);
        CWaveSource source;
        if (row.place) {
            ExpectBox([&] { source.Open(path.c_str()); }, ErrorKind::Sound, kModuleSoundSource, row.place);
            continue;
        }
        ASSERT_EQ(source.Open(path.c_str()), 1);
        EXPECT_EQ(source.GetLengthMs(), row.lengthMs);
        Bytes out = Drain(source);
        EXPECT_EQ(out, pcm);
        EXPECT_FALSE(Contains(out, MarkerBytes()));
    }
}

TEST_F(WaveSourceTest, AMissingFileIsAFileBox) {
    CWaveSource source;
    ExpectBox([&] { source.Open("D/none.wav"); }, ErrorKind::FileIO, kModuleSoundSource, kWaveOpenFailed);
}

}  // namespace
