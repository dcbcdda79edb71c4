// A movie played over and over, as a story that loops plays it: the first
// round loads what the players load once (codecs, the sound device's
// threads, the DirectShow player's kept filter graph); every later round must
// leave the process with no more threads, handles and memory than the first
// left, whichever player plays it.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

#include "media/movie/movie.h"
#include "movie_fixture.h"
#include "support/process_counts.h"

namespace {

constexpr int kRounds = 5;
// What the heap may move by between rounds without anything being kept.
constexpr SIZE_T kMemoryNoise = 1 << 20;
constexpr int kPicturesPerRound = 8;

struct ReplayCase {
    const char* name;
    int mode;
    const char* file;
};

void PrintTo(const ReplayCase& c, std::ostream* out) { *out << c.name; }

class MovieReplay : public MovieTest, public testing::WithParamInterface<ReplayCase> {
protected:
    void SetUp() override {
        MovieTest::SetUp();
        mode_ = GetMovieMode();
        SetMovieMode(GetParam().mode);
    }
    void TearDown() override {
        SetMovieMode(mode_);
        MovieTest::TearDown();
    }

    // One round as the movie node plays it: a new handle opened and played,
    // its pictures fetched for a while, paused, resumed and stopped, then
    // destroyed with the node.
    static void PlayOnce(const std::string& path) {
        CMovie movie;
        ASSERT_EQ(movie.Open(path.c_str()), 0);
        movie.SetMute(true);
        ASSERT_EQ(movie.Play(), 0);
        for (int i = 0; i < kPicturesPerRound; ++i) {
            if (i == kPicturesPerRound / 2) {
                movie.Pause();
                movie.Resume();
            }
            movie.UpdateFrame();
            movie.GetFrameSurface();
            Sleep(40);
        }
        movie.Stop();
    }

    int mode_ = kMovieModeDirectShow;
};

TEST_P(MovieReplay, LaterRoundsLeaveTheThreadsHandlesAndMemoryOfTheFirst) {
    const std::string path = MoviePath(GetParam().file);
    ASSERT_NO_FATAL_FAILURE(PlayOnce(path));
    const ProcessCounts first = SettledCounts(GetCurrentProcess(), ProcessCounts());
    ASSERT_GT(first.threads, 0);
    ASSERT_GT(first.handles, 0u);
    for (int round = 2; round <= kRounds; ++round) ASSERT_NO_FATAL_FAILURE(PlayOnce(path));
    const ProcessCounts last = SettledCounts(GetCurrentProcess(), first);
    std::printf("%s: after the first round %d threads, %lu handles, %lu KiB; after round %d %d threads, %lu handles,"
                " %lu KiB\n",
                GetParam().name, first.threads, first.handles, static_cast<unsigned long>(first.privateBytes / 1024),
                kRounds, last.threads, last.handles, static_cast<unsigned long>(last.privateBytes / 1024));
    EXPECT_LE(last.threads, first.threads) << "after " << kRounds << " rounds";
    EXPECT_LE(last.handles, first.handles) << "after " << kRounds << " rounds";
    EXPECT_LE(last.privateBytes, first.privateBytes + kMemoryNoise) << "after " << kRounds << " rounds";
}

INSTANTIATE_TEST_SUITE_P(Players, MovieReplay,
                         testing::Values(ReplayCase{"DirectShow", kMovieModeDirectShow, "video1_pcm16.avi"},
                                         ReplayCase{"AviFile", kMovieModeAviFile, "video1_pcm16.avi"}),
                         [](const testing::TestParamInfo<ReplayCase>& info) { return info.param.name; });

}  // namespace
