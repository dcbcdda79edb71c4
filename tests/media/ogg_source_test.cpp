#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "buffer_fixture.h"
#include "media/ogg_archive_source.h"
#include "media/stream_buffer.h"
#include "media_fixture.h"

namespace {

// The largest difference between two runs of 16-bit samples of equal length.
int MaxSampleDifference(const Bytes& a, const Bytes& b) {
    int worst = 0;
    for (size_t i = 0; i + 1 < a.size() && i + 1 < b.size(); i += 2) {
        int16_t x = static_cast<int16_t>(a[i] | a[i + 1] << 8);
        int16_t y = static_cast<int16_t>(b[i] | b[i + 1] << 8);
        worst = std::max(worst, std::abs(x - y));
    }
    return worst;
}

struct OggCase {
    const char* path;
    const char* reference;
    uint16_t channels;
    uint32_t rate;
};

class OggDecoding : public testing::TestWithParam<OggCase> {
protected:
    CMediaBase base_;
};

TEST_P(OggDecoding, GivesOggdecsSamplesWithinOneFormatLengthAndCounts) {
    const OggCase& c = GetParam();
    Bytes reference = MediaBytes(std::string("ref/") + c.reference);
    ASSERT_FALSE(reference.empty());
    COggArchiveSource source;
    ASSERT_EQ(source.Open(c.path), 1);
    const WAVEFORMATEX& f = *source.GetFormat();
    EXPECT_EQ(f.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(f.nChannels, c.channels);
    EXPECT_EQ(f.nSamplesPerSec, c.rate);
    EXPECT_EQ(f.wBitsPerSample, 16);
    EXPECT_EQ(f.nBlockAlign, 2 * c.channels);
    EXPECT_EQ(f.nAvgBytesPerSec, 2 * c.channels * c.rate);
    EXPECT_EQ(f.cbSize, 0);
    EXPECT_EQ(source.GetDataBytes(), reference.size());
    EXPECT_EQ(source.GetLengthMs(), reference.size() * 1000 / f.nAvgBytesPerSec);

    Bytes out = Drain(source, 10000);
    ASSERT_EQ(out.size(), reference.size());
    EXPECT_LE(MaxSampleDifference(out, reference), 1);
    EXPECT_EQ(source.GetConsumedBytes(), reference.size());

    ASSERT_EQ(source.Rewind(), 1);
    EXPECT_EQ(source.GetConsumedBytes(), 0u);
    // Skips go by whole frames; the rest of a frame is not skipped.
    uint32_t skip = 22050 * f.nBlockAlign + 1;
    source.Skip(skip);
    uint32_t skipped = skip - 1;
    EXPECT_EQ(source.GetConsumedBytes(), skipped);
    Bytes part(8000);
    ASSERT_EQ(source.Read(part.data(), 8000), 8000u);
    EXPECT_LE(MaxSampleDifference(part, Bytes(reference.begin() + skipped, reference.begin() + skipped + 8000)), 1);
    EXPECT_EQ(source.GetConsumedBytes(), skipped + 8000);
}

INSTANTIATE_TEST_SUITE_P(Generated, OggDecoding,
                         testing::Values(OggCase{"Snd/mono.ogg", "mono.raw", 1, 22050},
                                         OggCase{"Snd/stereo.ogg", "stereo.raw", 2, 44100}));

// The pages of an Ogg file: where each starts and how long it is.
struct Page {
    size_t start;
    size_t size;
    int64_t granule;
};

std::vector<Page> Pages(const Bytes& ogg) {
    std::vector<Page> pages;
    size_t at = 0;
    while (at + 27 <= ogg.size() && std::memcmp(&ogg[at], "OggS", 4) == 0) {
        size_t segments = ogg[at + 26];
        size_t size = 27 + segments;
        for (size_t i = 0; i < segments; ++i) size += ogg[at + 27 + i];
        int64_t granule = 0;
        std::memcpy(&granule, &ogg[at + 6], 8);
        pages.push_back({at, size, granule});
        at += size;
    }
    return pages;
}

Bytes WithoutPage(const Bytes& ogg, const Page& page) {
    Bytes rest = ogg;
    rest.erase(rest.begin() + page.start, rest.begin() + page.start + page.size);
    return rest;
}

// Sets the page's CRC again after its bytes were changed.
void RecomputeCrc(Bytes& ogg, const Page& page) {
    std::memset(&ogg[page.start + 22], 0, 4);
    uint32_t crc = 0;
    for (size_t i = 0; i < page.size; ++i) {
        crc ^= static_cast<uint32_t>(ogg[page.start + i]) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    std::memcpy(&ogg[page.start + 22], &crc, 4);
}

// Where the Vorbis setup header (packet type 5) starts in its page.
size_t SetupHeaderAt(const Bytes& ogg, const Page& setup) {
    size_t at = 0;
    for (size_t i = setup.start; i + 7 < setup.start + setup.size; ++i)
        if (ogg[i] == 5 && std::memcmp(&ogg[i + 1], "vorbis", 6) == 0) at = i;
    return at;
}

// The file with one byte of its first codebook changed so that the code is
// overfull: the header still reads, but the decoder cannot be set up. That
// codebook starts byte-aligned after the header's type, "vorbis" and the
// count: "BCV", 16 bits of dimensions, 24 of entries, then one byte holding
// the ordered and sparse flags and the first codeword's length less one.
Bytes WithOverfullCodebook(const Bytes& ogg) {
    std::vector<Page> pages = Pages(ogg);
    size_t header = SetupHeaderAt(ogg, pages.at(1));
    size_t lengths = header + 16;
    EXPECT_EQ(std::memcmp(&ogg[header + 8], "BCV", 3), 0);
    EXPECT_EQ(ogg[lengths] & 3, 0) << "the first codebook is not unordered and dense";
    EXPECT_NE(ogg[lengths] & 0x7C, 0) << "its first codeword is already one bit long";
    Bytes damaged = ogg;
    damaged[lengths] &= 0x80;
    RecomputeCrc(damaged, pages[1]);
    return damaged;
}

// The file as another logical stream: every page with a new serial number.
Bytes WithOtherSerial(const Bytes& ogg) {
    Bytes other = ogg;
    for (const Page& page : Pages(other)) {
        other[page.start + 14] ^= 0x5A;
        RecomputeCrc(other, page);
    }
    return other;
}

TEST(OggSourceDamage, EachDamageGivesItsBoxOrTheSoundUpToTheLastWholePage) {
    Bytes whole = MediaBytes("Snd/stereo.ogg");
    std::vector<Page> pages = Pages(whole);
    ASSERT_GE(pages.size(), 4u);
    const Page& id = pages[0];
    const Page& setup = pages[1];
    const Page& audio = pages[pages.size() / 2];
    size_t idPacket = id.start + 27 + whole[id.start + 26];

    auto cut = [&](size_t length) { return Bytes(whole.begin(), whole.begin() + length); };
    auto patched = [&](size_t at, std::initializer_list<uint8_t> bytes, const Page& page) {
        Bytes b = whole;
        std::copy(bytes.begin(), bytes.end(), b.begin() + at);
        RecomputeCrc(b, page);
        return b;
    };
    size_t setupHeader = SetupHeaderAt(whole, setup);
    ASSERT_NE(setupHeader, 0u);

    struct Row {
        const char* what;
        Bytes file;
        int place;           // the box, or 0: the sound up to the page's granule
        int64_t lastFrame;
    };
    const Row rows[] = {
        {"cut in the identification page", cut(id.start + id.size / 2), kOggArchiveNotVorbis, 0},
        {"cut in the setup page", cut(setup.start + setup.size / 2), kOggArchiveNotVorbis, 0},
        {"cut mid-audio", cut(audio.start + audio.size / 2), 0, pages[pages.size() / 2 - 1].granule},
        {"a flipped setup byte", patched(setupHeader + 1, {'w'}, setup), kOggArchiveNotVorbis, 0},
        {"0 channels", patched(idPacket + 11, {0}, id), kOggArchiveNotVorbis, 0},
        {"rate 0xFFFFFFFF", patched(idPacket + 12, {0xFF, 0xFF, 0xFF, 0xFF}, id), kOggArchiveNotVorbis, 0},
        {"rate 50", patched(idPacket + 12, {50, 0, 0, 0}, id), kOggArchiveFormatUnusable, 0},
        {"an overfull codebook", WithOverfullCodebook(whole), kOggArchiveFormatUnusable, 0},
        {"not Ogg at all", BytesOf("RIFF----WAVEfmt "), kOggArchiveNotVorbis, 0},
    };
    Bytes reference = MediaBytes("ref/stereo.raw");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CSoundArchive archive;
        std::string path = archive.Put("bad.ogg", row.file);
        COggArchiveSource source;
        if (row.place) {
            ExpectBox([&] { source.Open(path.c_str()); }, ErrorKind::Sound, kModuleSoundSource, row.place);
            continue;
        }
        ASSERT_EQ(source.Open(path.c_str()), 1);
        EXPECT_EQ(source.GetDataBytes(), uint64_t(row.lastFrame) * 4);
        Bytes out = Drain(source);
        EXPECT_EQ(out.size(), source.GetDataBytes());
        EXPECT_LE(MaxSampleDifference(out, reference), 1);
        EXPECT_FALSE(Contains(out, MarkerBytes()));
    }
}

TEST(OggSourceDamage, AChainedLinkThatCannotBeSetUpEndsTheSoundForGood) {
    Bytes whole = MediaBytes("Snd/stereo.ogg");
    Bytes chain = whole;
    Bytes broken = WithOtherSerial(WithOverfullCodebook(whole));
    chain.insert(chain.end(), broken.begin(), broken.end());
    Bytes reference = MediaBytes("ref/stereo.raw");
    CSoundArchive archive;
    std::string path = archive.Put("chain.ogg", chain);
    COggArchiveSource source;
    ASSERT_EQ(source.Open(path.c_str()), 1);
    EXPECT_EQ(source.GetDataBytes(), 2 * reference.size());

    // The first link plays; the read that meets the second one ends the
    // sound, and so does every call after it.
    Bytes out = Drain(source);
    EXPECT_LE(out.size(), reference.size());
    EXPECT_GT(out.size(), reference.size() - 8192);
    EXPECT_LE(MaxSampleDifference(out, reference), 1);
    Bytes more(4096);
    EXPECT_EQ(source.Read(more.data(), 4096), 0u);
    EXPECT_EQ(source.Rewind(), 0);
    source.Skip(4096);
    EXPECT_EQ(source.Read(more.data(), 4096), 0u);
}

// A gap among the audio pages, as libvorbisfile reports it: garbage between
// two pages, a page lost, or a page of another logical stream in place of
// one (to the decoder, that page is lost). The sound plays on after the gap,
// and a rewind (a looping music's) plays it again through the gap.
TEST(OggSourceDamage, TheSoundPlaysOnPastAGapAndAgainAfterARewind) {
    const Bytes whole = MediaBytes("Snd/stereo.ogg");
    const Bytes reference = MediaBytes("ref/stereo.raw");
    const std::vector<Page> pages = Pages(whole);
    ASSERT_GE(pages.size(), 6u);
    const size_t middle = pages.size() / 2;
    auto missing = [&](size_t page) { return uint64_t(pages[page].granule - pages[page - 1].granule) * 4; };
    Bytes garbage = whole;
    garbage.insert(garbage.begin() + pages[middle].start, 3000, 0x5A);
    const Bytes lost = WithoutPage(whole, pages[middle]);
    auto foreign = [&](size_t page) {
        Bytes damaged = whole;
        damaged[pages[page].start + 14] ^= 0x5A;
        RecomputeCrc(damaged, pages[page]);
        return damaged;
    };
    struct Row {
        const char* what;
        Bytes file;
        uint64_t missingBytes;  // at most this much of the sound is not heard
    };
    const Row rows[] = {
        {"garbage between two pages", garbage, 0},
        {"a page lost", lost, missing(middle)},
        {"a page of another stream in place of the first audio page but one", foreign(3), missing(3)},
        {"a page of another stream in place of the middle one", foreign(middle), missing(middle)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CSoundArchive archive;
        std::string path = archive.Put("gap.ogg", row.file);
        COggArchiveSource source;
        ASSERT_EQ(source.Open(path.c_str()), 1);
        Bytes first = Drain(source);
        EXPECT_GE(first.size() + row.missingBytes, reference.size()) << "the sound after the gap is heard";
        EXPECT_LE(first.size(), source.GetDataBytes());
        // What follows the gap is the file's own sound, to its end.
        const size_t tail = std::min(reference.size() / 4, first.size());
        const Bytes heard(first.end() - tail, first.end());
        EXPECT_LE(MaxSampleDifference(heard, Bytes(reference.end() - tail, reference.end())), 1);
        EXPECT_EQ(source.Rewind(), 1);
        EXPECT_EQ(Drain(source), first) << "played again from the start, through the gap";
        Bytes more(4096);
        EXPECT_EQ(source.Read(more.data(), 4096), 0u) << "and ends at the end";
    }
}

// A looping music with a lost page, streamed: the player's cursor goes
// round the ring, half of it a tick, for more than two passes of the sound;
// every half the tick fills holds sound, never silence.
class OggGapStream : public BufferTest {
protected:
    CStreamBuffer stream_{clock_, timer_};
};

TEST_F(OggGapStream, ALoopingMusicWithALostPageKeepsPlaying) {
    const Bytes whole = MediaBytes("Snd/stereo.ogg");
    const std::vector<Page> pages = Pages(whole);
    COggArchiveSource source;
    ASSERT_EQ(source.Open(archive_.Put("gap.ogg", WithoutPage(whole, pages[pages.size() / 2])).c_str()), 1);
    ASSERT_EQ(stream_.Open(&source), 1);
    stream_.SetLoop(true);
    stream_.Play();
    IDirectSoundBuffer* ds = stream_.GetDirectSoundBuffer();
    ds->Stop();
    const uint32_t half = stream_.GetRingBytes() / 2;
    const uint64_t ticks = 2 * source.GetDataBytes() / half + 2;
    for (uint64_t tick = 1; tick <= ticks; ++tick) {
        const uint32_t cursor = tick % 2 ? half : 0;
        ASSERT_EQ(ds->SetCurrentPosition(cursor), DS_OK);
        timer_.Tick();
        const Bytes ring = BufferBytes(ds);
        const auto filled = ring.begin() + (cursor ? 0 : half);
        const auto silent = static_cast<uint32_t>(std::count(filled, filled + half, uint8_t{0}));
        ASSERT_LT(silent, half / 8) << "tick " << tick << " of " << ticks;
    }
    EXPECT_TRUE(stream_.IsPlaying());
}

TEST(OggSource, AMissingEntryIsAFileBox) {
    CSoundArchive archive;
    archive.Put("other.ogg", MediaBytes("Snd/mono.ogg"));
    COggArchiveSource source;
    ExpectBox([&] { source.Open("D/none.ogg"); }, ErrorKind::FileIO, kModuleSoundSource, kOggArchiveOpenFailed);
}

TEST(OggFileSource, OpensAPlainFileAndAnswers0ForOneThatIsNotVorbis) {
    CTempFolder temp;
    COggFileSource good;
    ASSERT_EQ(good.Open(temp.Write("a.ogg", MediaBytes("Snd/mono.ogg")).c_str()), 1);
    EXPECT_EQ(Drain(good).size(), MediaBytes("ref/mono.raw").size());
    COggFileSource bad;
    EXPECT_EQ(bad.Open(temp.Write("b.ogg", BytesOf("not an ogg file at all")).c_str()), 0);
    COggFileSource unusable;
    std::string damaged = temp.Write("c.ogg", WithOverfullCodebook(MediaBytes("Snd/mono.ogg")));
    ExpectBox([&] { unusable.Open(damaged.c_str()); }, ErrorKind::Sound, kModuleSoundSource, kOggFileFormatUnusable);
    COggFileSource missing;
    ExpectBox([&] { missing.Open((temp.Path() + "none.ogg").c_str()); }, ErrorKind::FileIO, kModuleSoundSource,
              kOggFileOpenFailed);
}

}  // namespace
