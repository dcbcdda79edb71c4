// The DirectShow player under Wine over the generated movies: opening and
// its refusals, the pictures in turn, pause and resume, the controls'
// answers, sound only, drawing, the display-mode rebuild and the volume.
#include <gtest/gtest.h>

#include "media/movie/direct_show_movie.h"
#include "media/movie/movie.h"
#include "movie_fixture.h"

namespace {

class DirectShowMovie : public MovieTest {};

TEST_F(DirectShowMovie, OpensThePicturesInTurnAndAnswersTheControls) {
    CDirectShowMovie movie;
    ASSERT_TRUE(CMultiMediaStreamProbe::IsAvailable());
    EXPECT_EQ(movie.Open(nullptr), 1);
    EXPECT_EQ(movie.Play(), 1);
    ASSERT_EQ(movie.Open(MoviePath("video1_pcm16.avi").c_str()), 0);
    EXPECT_TRUE(movie.HasVideo());
    EXPECT_TRUE(movie.HasAudio());
    EXPECT_EQ(movie.GetCurrentFrame(), -1);
    int width = 0;
    int height = 0;
    movie.GetSize(width, height);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(height, 120);
    EXPECT_NEAR(movie.GetLength(), 3000, 50);

    EXPECT_EQ(movie.Play(), 0);
    EXPECT_EQ(movie.Resume(), 2);
    std::string seen = PicturesUntil(movie, Shade::Green, 2500);
    EXPECT_EQ(seen.back(), 'g') << seen;
    EXPECT_EQ(movie.Pause(), 0);
    EXPECT_EQ(movie.Pause(), 3);
    Sleep(300);
    EXPECT_EQ(movie.Resume(), 0);
    // Goes on from the paused picture: green, then blue, never red again.
    seen = PicturesUntil(movie, Shade::Blue, 2500);
    EXPECT_EQ(seen.back(), 'b') << seen;
    EXPECT_EQ(seen.find('r'), std::string::npos) << seen;

    EXPECT_EQ(movie.Pause(), 0);
    EXPECT_EQ(movie.Stop(), 0);
    EXPECT_EQ(movie.Resume(), 3);
    EXPECT_FALSE(movie.IsPlaying());
    EXPECT_EQ(movie.Stop(), 2);

    EXPECT_EQ(movie.SetVolume(-1200), 0);
    EXPECT_EQ(movie.GetVolume(), -1200);
    movie.SetMute(true);
    EXPECT_EQ(movie.GetVolume(), -10000);
    movie.SetMute(false);
    EXPECT_EQ(movie.GetVolume(), -1200);
    EXPECT_EQ(movie.Close(), 0);
    EXPECT_EQ(movie.Play(), 1);
}

TEST_F(DirectShowMovie, ASoundOnlyFilePlaysWithoutPictures) {
    CDirectShowMovie movie;
    ASSERT_EQ(movie.Open(MoviePath("sound_only.avi").c_str()), 0);
    EXPECT_FALSE(movie.HasVideo());
    EXPECT_TRUE(movie.HasAudio());
    EXPECT_EQ(movie.GetFrameSurface(), nullptr);
    EXPECT_EQ(movie.Play(), 0);
    movie.UpdateFrame();
    EXPECT_TRUE(movie.IsPlaying());
}

TEST_F(DirectShowMovie, DrawToOutsideTheFrameDrawsNothingAndGivesTheDcBack) {
    CDirectShowMovie movie;
    ASSERT_EQ(movie.Open(MoviePath("silent.avi").c_str()), 0);
    movie.Play();
    PicturesUntil(movie, Shade::Red, 1000);
    CMemorySurface target;
    target.SetUseDibSection(true);
    ASSERT_EQ(target.Create(320, 240), 0);
    target.Fill(0x00808080, nullptr);
    const RECT outside = {200, 150, 300, 200};
    movie.DrawTo(target.GetDC(), 0, 0, -1, -1, &outside);
    GdiFlush();
    EXPECT_EQ(target.GetPixel(250, 170) & 0xFFFFFF, 0x808080u);
    // The surface's DC was given back: it can be taken again.
    HDC dc = nullptr;
    ASSERT_EQ(movie.GetVideoSurface()->GetDirectDrawSurface()->GetDC(&dc), DD_OK);
    movie.GetVideoSurface()->GetDirectDrawSurface()->ReleaseDC(dc);
    const RECT inside = {0, 0, 320, 240};
    movie.DrawTo(target.GetDC(), 0, 0, 320, 240, &inside);
    GdiFlush();
    EXPECT_EQ(ShadeName(ShadeOf(target.GetPixel(250, 170))), ShadeName(Shade::Red));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(target.GetDC(), region), 0);
    DeleteObject(region);
}

TEST_F(DirectShowMovie, ADisplayModeSwitchGivesANewSampleOfTheSameSize) {
    CDirectShowMovie movie;
    CVideoSurface* before = nullptr;
    EXPECT_EQ(movie.HandleMessage(nullptr, kMovieNotifyMessage, 0, 0), 0);
    ASSERT_EQ(movie.Open(MoviePath("silent.avi").c_str()), 0);
    before = movie.GetVideoSurface();
    IDirectDrawSurface* oldSurface = before->GetDirectDrawSurface();
    oldSurface->AddRef();
    EXPECT_EQ(movie.HandleMessage(nullptr, kMovieNotifyMessage, 0, 0), 0);
    EXPECT_NE(movie.GetVideoSurface()->GetDirectDrawSurface(), oldSurface);
    oldSurface->Release();
    int width = 0;
    int height = 0;
    movie.GetVideoSurface()->GetSize(width, height);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(height, 120);
    EXPECT_TRUE(movie.HasVideo());
    movie.Play();
    EXPECT_EQ(PicturesUntil(movie, Shade::Red, 1000).back(), 'r');
}

}  // namespace
