// Whole movies of the kinds beside the plain AVI file, through both players:
// an MPEG-1 movie (DirectShow's alone to read), an OpenDML file whose second
// part holds the last, blue second, and an AVI file whose MP3 sound comes in
// blocks of varying size. Each plays its pictures from red to blue, or the
// AVIFile player refuses it with its box.
#include <gtest/gtest.h>

#include "media/movie/avi_file_movie.h"
#include "media/movie/direct_show_movie.h"
#include "movie_fixture.h"

namespace {

constexpr int kAviModule = 1003;

struct KindCase {
    const char* file;
    int aviFilePlace;  // the AVIFile player's box, 0 when it plays the file
    bool aviFileSound;
};

const KindCase kKinds[] = {
    {"mpeg1.mpg", 81, false},  // not named .avi
    // AVIFile reads only the first part and its "idx1": the pictures would
    // stop at the end of that part.
    {"opendml.avi", 90, false},
    // The AVIFile player reads sound only in blocks of one size: it shows
    // the pictures without the sound.
    {"video1_mp3.avi", 0, false},
};

class MovieFileKinds : public MovieTest {
protected:
    // Opens the movie and plays it through; a box fails the test instead of
    // ending it.
    void PlaysFromRedToBlue(CMovieBase& movie, const char* file, bool sound) {
        try {
            ASSERT_EQ(movie.Open(MoviePath(file).c_str()), 0);
        } catch (const CInternalError&) {
            for (const ErrorBox& box : RecordedErrors()) ADD_FAILURE() << "box " << box.module << "-" << box.place;
            ClearRecordedErrors();
            return;
        }
        EXPECT_TRUE(movie.HasVideo());
        EXPECT_EQ(movie.HasAudio(), sound);
        EXPECT_NEAR(movie.GetLength(), 3000, 100);
        movie.Play();
        std::string seen = PicturesUntil(movie, Shade::Blue, 5000);
        EXPECT_NE(seen.find('r'), std::string::npos) << seen;
        EXPECT_NE(seen.find('g'), std::string::npos) << seen;
        ASSERT_NE(movie.GetFrameSurface(), nullptr);
        EXPECT_EQ(ShadeName(ShadeAt(*movie.GetFrameSurface(), 80, 60)), ShadeName(Shade::Blue)) << seen;
        movie.Stop();
    }
};

TEST_F(MovieFileKinds, TheDirectShowPlayerPlaysEachWithItsSound) {
    for (const KindCase& kind : kKinds) {
        SCOPED_TRACE(kind.file);
        CDirectShowMovie movie;
        PlaysFromRedToBlue(movie, kind.file, true);
    }
}

TEST_F(MovieFileKinds, TheAviFilePlayerPlaysEachOrRefusesItWithItsBox) {
    for (const KindCase& kind : kKinds) {
        SCOPED_TRACE(kind.file);
        CAviFileMovie movie;
        if (kind.aviFilePlace == 0) {
            PlaysFromRedToBlue(movie, kind.file, kind.aviFileSound);
            continue;
        }
        ClearRecordedErrors();
        EXPECT_THROW(movie.Open(MoviePath(kind.file).c_str()), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].module, kAviModule);
        EXPECT_EQ(RecordedErrors()[0].place, kind.aviFilePlace);
        ClearRecordedErrors();
    }
}

}  // namespace
