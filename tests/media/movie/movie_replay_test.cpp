// A movie played over and over, as a story that loops plays it: the first
// round loads what the players load once (codecs, the sound device's
// threads); every later round must leave the process with no more threads
// than the first left, and no more handles than the system's own graph
// building keeps (stream_open_cost.h), whichever player plays it.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

#include "media/movie/movie.h"
#include "movie_fixture.h"
#include "support/process_counts.h"
#include "support/stream_open_cost.h"

namespace {

constexpr int kRounds = 5;
// What the heap may move by between rounds without anything being kept.
constexpr SIZE_T kMemoryNoise = 1 << 20;
constexpr int kPicturesPerRound = 8;

struct ReplayCase {
    const char* name;
    int mode;
    const char* file;
    // Whether memory must stay level too: Wine's own graph building keeps
    // memory on every opening of a stream, so the DirectShow player's
    // memory cannot.
    bool memoryLevel;
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

TEST_P(MovieReplay, LaterRoundsLeaveTheThreadsAndHandlesOfTheFirst) {
    const std::string path = MoviePath(GetParam().file);
    const DWORD systemPerRound =
        GetParam().mode == kMovieModeDirectShow ? HandlesLeftByStreamOpening(path) : 0;
    ASSERT_NO_FATAL_FAILURE(PlayOnce(path));
    const ProcessCounts first = SettledCounts(GetCurrentProcess(), ProcessCounts());
    ASSERT_GT(first.threads, 0);
    ASSERT_GT(first.handles, 0u);
    for (int round = 2; round <= kRounds; ++round) ASSERT_NO_FATAL_FAILURE(PlayOnce(path));
    const DWORD allowed = first.handles + systemPerRound * (kRounds - 1);
    const ProcessCounts last = SettledCounts(GetCurrentProcess(), {first.threads, allowed});
    std::printf("%s: after the first round %d threads, %lu handles, %lu KiB; after round %d %d threads, %lu handles,"
                " %lu KiB (the system keeps %lu handles a round)\n",
                GetParam().name, first.threads, first.handles, static_cast<unsigned long>(first.privateBytes / 1024),
                kRounds, last.threads, last.handles, static_cast<unsigned long>(last.privateBytes / 1024),
                systemPerRound);
    EXPECT_LE(last.threads, first.threads) << "after " << kRounds << " rounds";
    EXPECT_LE(last.handles, allowed) << "after " << kRounds << " rounds";
    if (GetParam().memoryLevel) {
        EXPECT_LE(last.privateBytes, first.privateBytes + kMemoryNoise);
    }
}

INSTANTIATE_TEST_SUITE_P(Players, MovieReplay,
                         testing::Values(ReplayCase{"DirectShow", kMovieModeDirectShow, "video1_pcm16.avi", false},
                                         ReplayCase{"AviFile", kMovieModeAviFile, "video1_pcm16.avi", true}),
                         [](const testing::TestParamInfo<ReplayCase>& info) { return info.param.name; });

}  // namespace
