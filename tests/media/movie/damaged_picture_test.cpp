// Damaged picture formats, both players: each damage a decoder would crash,
// abort or wait forever on ends in the player's box before any decoder sees
// the file; seeded damage of the picture format ends in the box or plays.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>
#include <string>

#include "media/movie/avi_file_movie.h"
#include "media/movie/direct_show_movie.h"
#include "movie_fixture.h"
#include "open_or_refuse.h"
#include "picture_damage.h"
#include "support/temp_folder.h"

namespace {

using namespace picture_damage;

struct PictureDamage {
    const char* name;
    const char* movie;
    std::function<void(Bytes&)> apply;
};

// silent.avi and video1_pcm16.avi hold MS Video 1, cinepak_ima.avi Cinepak
// and silent_rgb.avi uncompressed 24-bit pictures, all 160 x 120.
const PictureDamage kPictureDamages[] = {
    {"header longer than its record", "silent.avi", [](Bytes& a) { Put(a, kSize, 1064); }},
    {"header of a negative size", "silent.avi", [](Bytes& a) { Put(a, kSize, 0xFFFFFFF0u); }},
    {"MS Video 1 width of 161 in the format only", "silent.avi", [](Bytes& a) { Put(a, kWidth, 161); }},
    {"MS Video 1 width of 159", "video1_pcm16.avi", [](Bytes& a) { Resize(a, 159, 120); }},
    {"MS Video 1 height of 121", "silent.avi", [](Bytes& a) { Resize(a, 160, 121); }},
    {"Cinepak width of 17", "cinepak_ima.avi", [](Bytes& a) { Resize(a, 17, 120); }},
    {"Cinepak of a negative width", "cinepak_ima.avi", [](Bytes& a) { Put(a, kWidth, uint32_t(-160)); }},
    {"uncompressed of a negative width", "silent_rgb.avi", [](Bytes& a) { Put(a, kWidth, uint32_t(-160)); }},
    {"width of 16777216", "video1_pcm16.avi", [](Bytes& a) { Put(a, kWidth, 16777216); }},
    {"height 0", "silent.avi", [](Bytes& a) { Resize(a, 160, 0); }},
    {"colour table far past the record", "silent.avi", [](Bytes& a) { Put(a, kColoursUsed, 0xFFFFFFFCu); }},
    {"MS Video 1 labelled Cinepak", "silent.avi", [](Bytes& a) { Put(a, kCompression, Code("cvid")); }},
    {"MS Video 1 labelled 32-bit Cinepak", "video1_pcm16.avi",
     [](Bytes& a) {
         Put(a, kCompression, Code("cvid"));
         avi_damage::Put16(a, Bitmap(a) + kBitCount, 32);
     }},
    {"unknown compression", "silent.avi", [](Bytes& a) { Put(a, kCompression, Code("QZ42")); }},
    {"MS Video 1 of 24 bits", "silent.avi", [](Bytes& a) { avi_damage::Put16(a, Bitmap(a) + kBitCount, 24); }},
    {"uncompressed frames shorter than the picture", "silent_rgb.avi", [](Bytes& a) { Resize(a, 160, -240); }},
};

// Names the row in a failure rather than its bytes.
void PrintTo(const PictureDamage& damage, std::ostream* out) { *out << damage.movie << ": " << damage.name; }

std::string TestName(const testing::TestParamInfo<PictureDamage>& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

class PictureTest : public MovieTest {
protected:
    std::string Write(const char* movie, const std::function<void(Bytes&)>& apply) {
        Bytes avi = ReadBytes(MoviePath(movie));
        EXPECT_FALSE(avi.empty());
        apply(avi);
        return temp_.Write("damaged.avi", avi);
    }

    CTempFolder temp_;
};

class DamagedPicture : public PictureTest, public testing::WithParamInterface<PictureDamage> {};

TEST_P(DamagedPicture, BothPlayersRefuseItWithTheirBox) {
    const std::string path = Write(GetParam().movie, GetParam().apply);
    ExpectBothPlayersRefuse(path);
    DeleteFileA(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedPicture, testing::ValuesIn(kPictureDamages), TestName);

// The uncompressed movie is whole: both players open its pictures.
TEST_F(PictureTest, BothPlayersOpenAnUncompressedMovie) {
    const std::string path = MoviePath("silent_rgb.avi");
    auto opensWhole = [&](auto& movie) {
        ASSERT_EQ(movie.Open(path.c_str()), 0);
        EXPECT_TRUE(movie.HasVideo());
        int width = 0;
        int height = 0;
        movie.GetSize(width, height);
        EXPECT_EQ(width, 160);
        EXPECT_EQ(height, 120);
    };
    {
        CAviFileMovie movie;
        opensWhole(movie);
    }
    {
        CDirectShowMovie movie;
        opensWhole(movie);
    }
}

// An environment value as a number, or the fallback.
uint32_t Setting(const char* name, uint32_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? static_cast<uint32_t>(std::strtoul(value, nullptr, 10)) : fallback;
}

const char* const kFuzzedMovies[] = {"silent.avi", "video1_pcm16.avi", "cinepak_ima.avi", "silent_rgb.avi"};

// Seeded damage of the picture format; a failure names its seed and index.
// MIRL_FUZZ_SEED and MIRL_FUZZ_INPUTS run other and more inputs by hand.
TEST_F(PictureTest, Fuzz) {
    const uint32_t seed = Setting("MIRL_FUZZ_SEED", 20261211);
    const uint32_t inputs = Setting("MIRL_FUZZ_INPUTS", 300);
    std::mt19937 random(seed);
    for (uint32_t index = 0; index < inputs; ++index) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", index " + std::to_string(index));
        const std::string path =
            Write(kFuzzedMovies[index % (sizeof kFuzzedMovies / sizeof kFuzzedMovies[0])],
                  [&](Bytes& avi) { Mutate(avi, random); });
        OpenOrRefuseWithBothPlayers(path, 50);
        DeleteFileA(path.c_str());
        if (HasFailure()) break;
    }
}

}  // namespace
