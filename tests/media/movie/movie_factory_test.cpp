// The movie handle's choice of player by the movie mode, the stub's answers
// and a handle left without a player.
#include <gtest/gtest.h>

#include "media/movie/avi_file_movie.h"
#include "media/movie/direct_show_movie.h"
#include "media/movie/movie.h"
#include "media/movie/stub_movie.h"
#include "media/multimedia_stream_probe.h"
#include "movie_fixture.h"

namespace {

// COM starts, the stream object cannot be created.
class CNoStreamFactory : public CMultiMediaStreamFactory {
public:
    int StartCom() override { return SystemMultiMediaStreamFactory().StartCom(); }
    void EndCom() override { SystemMultiMediaStreamFactory().EndCom(); }
    HRESULT CreateStream(IAMMultiMediaStream** stream) override {
        *stream = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
};

class MovieFactory : public MovieTest {
protected:
    void TearDown() override {
        SetMovieMode(kMovieModeDirectShow);
        SetMovieStreamFactory(nullptr);
        MovieTest::TearDown();
    }
};

template <typename T>
bool Holds(const CMovie& movie) {
    return dynamic_cast<T*>(movie.GetImplementation()) != nullptr;
}

TEST_F(MovieFactory, EachModeGivesItsPlayer) {
    EXPECT_EQ(GetMovieMode(), kMovieModeDirectShow);
    SetMovieMode(kMovieModeStub);
    EXPECT_TRUE(Holds<CStubMovie>(CMovie()));
    SetMovieMode(kMovieModeAviFile);
    EXPECT_TRUE(Holds<CAviFileMovie>(CMovie()));

    SetMovieMode(kMovieModeDirectShow);
    CNoStreamFactory failing;
    SetMovieStreamFactory(&failing);
    for (int i = 0; i < 2; ++i) {
        CMovie movie;
        EXPECT_TRUE(Holds<CAviFileMovie>(movie));
        EXPECT_FALSE(CMultiMediaStreamProbe::IsAvailable());
    }
    SetMovieStreamFactory(nullptr);
    CMovie directShow;
    EXPECT_TRUE(CMultiMediaStreamProbe::IsAvailable());
    EXPECT_TRUE(Holds<CDirectShowMovie>(directShow));
}

TEST_F(MovieFactory, AnUnknownModeWarnsAndTheHandleAnswersAsTheStub) {
    SetMovieMode(3);
    ClearRecordedErrors();
    EXPECT_THROW(CMovie(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Warning);
    EXPECT_EQ(RecordedErrors()[0].module, 1016);
    EXPECT_EQ(RecordedErrors()[0].place, 80);
    ClearRecordedErrors();

    SetMovieMode(kMovieModeStub);
    CMovie movie;
    SetMovieMode(3);
    EXPECT_THROW(movie.CreateImplementation(), CInternalError);
    ClearRecordedErrors();
    EXPECT_EQ(movie.GetImplementation(), nullptr);
    EXPECT_EQ(movie.Open("x.avi"), 0);
    EXPECT_EQ(movie.GetLength(), -1);
    EXPECT_EQ(movie.GetFrameSurface(), nullptr);
}

TEST_F(MovieFactory, TheStubOpensAnythingAndPlaysNothing) {
    SetMovieMode(kMovieModeStub);
    CMovie movie;
    EXPECT_EQ(movie.Open("no such movie"), 0);
    EXPECT_EQ(movie.Play(), 0);
    EXPECT_EQ(movie.Pause(), 0);
    EXPECT_EQ(movie.Resume(), 0);
    EXPECT_EQ(movie.Stop(), 0);
    EXPECT_EQ(movie.Close(), 0);
    EXPECT_FALSE(movie.IsPlaying());
    EXPECT_FALSE(movie.HasAudio());
    EXPECT_FALSE(movie.HasVideo());
    EXPECT_EQ(movie.GetPosition(), -1);
    EXPECT_EQ(movie.SetPosition(100), -1);
    EXPECT_EQ(movie.GetLength(), -1);
    EXPECT_EQ(movie.SetVolume(-500), -1);
    EXPECT_EQ(movie.GetVolume(), -10000);
    EXPECT_EQ(movie.GetCurrentFrame(), -1);
    EXPECT_EQ(movie.GetVideoSurface(), nullptr);
    EXPECT_EQ(movie.GetFrameSurface(), nullptr);
    int width = 5;
    int height = 5;
    movie.GetSize(width, height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    // The stub keeps no flag: every SetLooping answers 0.
    EXPECT_EQ(movie.SetLooping(true), 0);
    EXPECT_FALSE(movie.IsLooping());
}

TEST_F(MovieFactory, SetLoopingAnswersOneWhenTheFlagIsUnchanged) {
    SetMovieMode(kMovieModeAviFile);
    CMovie movie;
    EXPECT_EQ(movie.SetLooping(true), 0);
    EXPECT_EQ(movie.SetLooping(true), 1);
    EXPECT_TRUE(movie.IsLooping());
    EXPECT_EQ(movie.SetLooping(false), 0);
}

}  // namespace
