// Damaged movie files, both players: each damage either ends in the player's
// box or opens without the stream it spoiled; nothing else. A sound stream
// that starts late is no damage: both players open it whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>

#include "media/avi_damage.h"
#include "media/movie/avi_file_movie.h"
#include "media/movie/direct_show_movie.h"
#include "movie_fixture.h"
#include "open_or_refuse.h"
#include "support/temp_folder.h"

namespace {

size_t Find(const Bytes& avi, const char* id, size_t from = 0) {
    for (size_t i = from; i + 4 <= avi.size(); ++i)
        if (std::memcmp(&avi[i], id, 4) == 0) return i;
    return std::string::npos;
}

void Put32(Bytes& avi, size_t at, int32_t value) { std::memcpy(&avi[at], &value, 4); }

// One damage of a movie. Files cut inside movi or without idx1 are refused
// before either player reads them. The first stream is the
// picture stream: its "strh" data holds the scale at 20, the rate at 24 and
// the length at 32; its "strf" data the height at 8.
struct Damage {
    const char* name;
    const char* movie;
    std::function<void(Bytes&)> apply;
    int aviPlace;             // the AVIFile player's box, 0 when it opens
    bool aviVideo;            // what an opened movie still has
    bool aviAudio;
    int directShowPlace;      // the DirectShow player's box, 0 when it opens
};

const Damage kDamages[] = {
    {"cut in the header list", "video1_pcm16.avi", [](Bytes& a) { a.resize(Find(a, "strf") + 6); }, 90, false, false, 99},
    {"cut in movi", "silent.avi", [](Bytes& a) { a.resize((Find(a, "movi") + Find(a, "idx1")) / 2); }, 90, false, false, 99},
    {"no idx1", "silent.avi", [](Bytes& a) { a.resize(Find(a, "idx1")); }, 90, false, false, 99},
    {"rate 0", "video1_pcm16.avi", [](Bytes& a) { Put32(a, Find(a, "strh") + 8 + 24, 0); }, 140, false, false, 0},
    {"scale 0", "video1_pcm16.avi", [](Bytes& a) { Put32(a, Find(a, "strh") + 8 + 20, 0); }, 140, false, false, 0},
    // A compressed picture cannot be top-down: the picture is refused, the
    // sound still plays.
    {"negative frame height", "video1_pcm16.avi", [](Bytes& a) { Put32(a, Find(a, "strf") + 8 + 8, -120); }, 0, false, true, 0},
    {"zero-length picture stream", "video1_pcm16.avi", [](Bytes& a) { Put32(a, Find(a, "strh") + 8 + 32, 0); }, 0, true, true, 0},
};

class DamagedMovie : public MovieTest {
protected:
    std::string Write(const Damage& damage) {
        Bytes avi = ReadBytes(MoviePath(damage.movie));
        EXPECT_FALSE(avi.empty());
        damage.apply(avi);
        return temp_.Write("damaged.avi", avi);
    }

    // Each player ends the file in its box or opens it and plays a moment.
    void OpensOrRefuses(const Bytes& avi) {
        const std::string path = temp_.Write("fuzzed.avi", avi);
        OpenOrRefuseWithBothPlayers(path, 120);
        DeleteFileA(path.c_str());
    }

    CTempFolder temp_;
};

TEST_F(DamagedMovie, TheAviFilePlayerRefusesWithItsBoxOrOpensWhatIsLeft) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        std::string path = Write(damage);
        CAviFileMovie movie;
        int place = OpenPlace(movie, path, 1003);
        EXPECT_EQ(place, damage.aviPlace);
        if (place == 0) {
            EXPECT_EQ(movie.HasVideo(), damage.aviVideo);
            EXPECT_EQ(movie.HasAudio(), damage.aviAudio);
            movie.Play();
            movie.UpdateFrame();
            movie.GetFrameSurface();
            movie.Stop();
        }
        movie.Close();
        DeleteFileA(path.c_str());
    }
}

TEST_F(DamagedMovie, TheDirectShowPlayerRefusesWithItsBoxOrOpens) {
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        std::string path = Write(damage);
        {
            CDirectShowMovie movie;
            EXPECT_EQ(OpenPlace(movie, path, 1005), damage.directShowPlace);
        }
        DeleteFileA(path.c_str());
    }
}

const char* const kMoviesWithSound[] = {"video1_pcm16.avi", "video1_msadpcm.avi", "cinepak_ima.avi"};

TEST_F(DamagedMovie, BothPlayersRefuseEveryStructuralDamageBeforeReadingIt) {
    for (const char* name : {"video1_pcm16.avi", "video1_msadpcm.avi", "cinepak_ima.avi", "opendml.avi"}) {
        const Bytes whole = ReadBytes(MoviePath(name));
        for (const avi_damage::Damage& damage : avi_damage::StructuralDamages()) {
            if (damage.needs != avi_damage::Codec::Any && damage.needs != avi_damage::SoundCodec(whole)) continue;
            SCOPED_TRACE(std::string(name) + ": " + damage.name);
            Bytes avi = whole;
            damage.apply(avi);
            const std::string path = temp_.Write("damaged.avi", avi);
            ExpectBothPlayersRefuse(path);
            DeleteFileA(path.c_str());
        }
    }
}

// An OpenDML file's own parts: its per-stream indexes and its second part.
// The picture stream's index of indexes names the first part's standard
// index, then the second's.
TEST_F(DamagedMovie, BothPlayersRefuseADamagedOpenDmlIndexOrPart) {
    const Bytes whole = ReadBytes(MoviePath("opendml.avi"));
    const size_t second = Find(whole, "AVIX") - 8;
    const size_t superIndex = Find(whole, "indx");
    const size_t secondIndex = Find(whole, "ix00", second);
    ASSERT_NE(secondIndex, std::string::npos);
    const size_t firstEntry = secondIndex + 8 + 24;
    const struct {
        const char* name;
        std::function<void(Bytes&)> apply;
    } damages[] = {
        {"second part cut", [&](Bytes& a) { a.resize((second + secondIndex) / 2); }},
        {"second standard index past the file",
         [&](Bytes& a) { Put32(a, superIndex + 8 + 24 + 16, static_cast<int32_t>(a.size() + 64)); }},
        {"standard index entry past its movi", [&](Bytes& a) { Put32(a, firstEntry, 0x7FFFFFF0); }},
        {"standard index entry of another size",
         [&](Bytes& a) { a[firstEntry + 4] = static_cast<uint8_t>(a[firstEntry + 4] + 1); }},
        {"standard index of another stream", [&](Bytes& a) { a[secondIndex + 8 + 8 + 1] = '1'; }},
        {"index of indexes of more entries than it holds", [&](Bytes& a) { Put32(a, superIndex + 8 + 4, 3); }},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.name);
        Bytes avi = whole;
        damage.apply(avi);
        const std::string path = temp_.Write("damaged.avi", avi);
        ExpectBothPlayersRefuse(path);
        DeleteFileA(path.c_str());
    }
}

TEST_F(DamagedMovie, BothPlayersOpenASoundThatStartsLateWithItsPicturesAndSound) {
    for (const char* name : kMoviesWithSound) {
        SCOPED_TRACE(name);
        Bytes avi = ReadBytes(MoviePath(name));
        avi_damage::DelaySound(avi, 17);
        const std::string path = temp_.Write("late.avi", avi);
        {
            CAviFileMovie movie;
            ASSERT_EQ(OpenPlace(movie, path, 1003), 0);
            EXPECT_TRUE(movie.HasVideo());
            EXPECT_TRUE(movie.HasAudio());
            EXPECT_EQ(movie.GetLength(), 3000);
            // Each poll draws the picture of the position, as a movie node does.
            const auto position = [&] {
                movie.UpdateFrame();
                return movie.GetPosition();
            };
            movie.Play();
            EXPECT_TRUE(PositionPasses(position, 100));
            movie.Stop();
        }
        {
            CDirectShowMovie movie;
            ASSERT_EQ(OpenPlace(movie, path, 1005), 0);
            EXPECT_TRUE(movie.HasVideo());
            EXPECT_TRUE(movie.HasAudio());
        }
        DeleteFileA(path.c_str());
    }
}

// Seeded damage of the fields the players' readers trust; a failure names
// its index. Each file ends in the player's box or opens and plays a moment.
TEST_F(DamagedMovie, Fuzz) {
    const uint32_t kSeed = 20261211;
    std::mt19937 random(kSeed);
    for (int index = 0; index < 90; ++index) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", index " + std::to_string(index));
        Bytes avi = ReadBytes(MoviePath(kMoviesWithSound[index % 3]));
        avi_damage::Mutate(avi, random);
        OpensOrRefuses(avi);
        if (HasFailure()) break;
    }
}

// Seeded damage of an OpenDML file: one to three longs of its indexes of
// indexes and standard indexes, and half of the time the fields the other
// fuzz changes as well.
TEST_F(DamagedMovie, FuzzOpenDml) {
    const uint32_t kSeed = 20261212;
    const int kInputs = 60;
    std::mt19937 random(kSeed);
    const Bytes whole = ReadBytes(MoviePath("opendml.avi"));
    std::vector<size_t> longs;
    for (const char* id : {"indx", "ix00", "ix01"}) {
        for (size_t at = Find(whole, id); at != std::string::npos; at = Find(whole, id, at + 4)) {
            const size_t end = std::min<size_t>(at + 8 + avi_damage::Get32(whole, at + 4), whole.size());
            for (size_t field = at + 8; field + 4 <= end && field < at + 8 + 4 * 64; field += 4) longs.push_back(field);
        }
    }
    ASSERT_GE(longs.size(), 4 * 6u);
    for (int index = 0; index < kInputs; ++index) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", index " + std::to_string(index));
        Bytes avi = whole;
        for (int changes = 1 + static_cast<int>(random() % 3); changes > 0; --changes) {
            const size_t at = longs[random() % longs.size()];
            const uint32_t old = avi_damage::Get32(avi, at);
            const uint32_t values[] = {0, 1, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, old + 1, old - 1, old + 8,
                                       old * 2, old / 2, static_cast<uint32_t>(random())};
            avi_damage::Put32(avi, at, values[random() % (sizeof values / sizeof values[0])]);
        }
        if (random() % 2) avi_damage::Mutate(avi, random);
        OpensOrRefuses(avi);
        if (HasFailure()) break;
    }
}

}  // namespace
