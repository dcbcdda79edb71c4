// The AVIFile player over the generated movies: opening and its refusals,
// lengths, the frames it draws at the clock's positions, drawing into a
// device context, a movie with sound only, and a silent movie's clock.
#include <gtest/gtest.h>

#include <cstring>

#include "media/movie/avi_file_movie.h"
#include "movie_fixture.h"
#include "support/fake_clock.h"
#include "support/temp_folder.h"

namespace {

constexpr int kAviModule = 1003;

class AviFileMovie : public MovieTest {
protected:
    FakeClock clock_;
};

TEST_F(AviFileMovie, OpensAviInAnyCaseAndRefusesOtherNames) {
    CAviFileMovie movie(clock_);
    EXPECT_EQ(movie.Open(MoviePath("VIDEO1_PCM16.AVI").c_str()), 0);
    EXPECT_TRUE(movie.HasVideo());
    EXPECT_TRUE(movie.HasAudio());
    int width = 0;
    int height = 0;
    movie.GetSize(width, height);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(height, 120);

    ExpectMovieBox([&] { movie.Open(nullptr); }, kAviModule, 71, 0);
    ExpectMovieBox([&] { movie.Open(MoviePath("video1_pcm16.avi2").c_str()); }, kAviModule, 81, 0);
    ExpectMovieBox([&] { movie.Open(MoviePath("video1_pcm16").c_str()); }, kAviModule, 81, 0);

    ClearRecordedErrors();
    EXPECT_THROW(movie.Open(MoviePath("missing.avi").c_str()), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].module, kAviModule);
    EXPECT_EQ(RecordedErrors()[0].place, 90);
    EXPECT_TRUE(RecordedErrors()[0].hasCode);
    EXPECT_LT(RecordedErrors()[0].code, 0);
    ClearRecordedErrors();
    // A refused open leaves nothing open; the next one works.
    EXPECT_EQ(movie.GetFrameSurface(), nullptr);
    EXPECT_EQ(movie.Open(MoviePath("silent.avi").c_str()), 0);
}

struct LengthCase {
    const char* file;
    bool video;
    bool audio;
    int length;
};

TEST_F(AviFileMovie, LengthsComeFromThePictureOrTheSoundStream) {
    const LengthCase cases[] = {
        {"video1_pcm16.avi", true, true, 3000}, {"video1_pcm8.avi", true, true, 3000},
        {"cinepak_ima.avi", true, true, 3000},  {"video1_msadpcm.avi", true, true, 3000},
        {"silent.avi", true, false, 3000},      {"sound_only.avi", false, true, 3000},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.file);
        CAviFileMovie movie(clock_);
        ASSERT_EQ(movie.Open(MoviePath(c.file).c_str()), 0);
        EXPECT_EQ(movie.HasVideo(), c.video);
        EXPECT_EQ(movie.HasAudio(), c.audio);
        EXPECT_EQ(movie.GetLength(), c.length);
        EXPECT_EQ(movie.GetFrameSurface() != nullptr, c.video);
    }
}

TEST_F(AviFileMovie, DrawsTheFrameDueAtTheClockFromTheFirstOnAndClampsAtTheEnd) {
    for (const char* file : {"silent.avi"}) {
        SCOPED_TRACE(file);
        CAviFileMovie movie(clock_);
        ASSERT_EQ(movie.Open(MoviePath(file).c_str()), 0);
        movie.Play();
        struct Step {
            uint32_t advance;
            int frame;
            Shade shade;
        };
        const Step steps[] = {{0, 0, Shade::Red}, {1500, 15, Shade::Green}, {900, 24, Shade::Blue},
                              {10000, 29, Shade::Blue}};
        for (const Step& step : steps) {
            clock_.now += step.advance;
            EXPECT_EQ(movie.GetCurrentFrame(), step.frame);
            movie.UpdateFrame();
            CMemorySurface* frame = movie.GetFrameSurface();
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(ShadeName(ShadeAt(*frame, 80, 60)), ShadeName(step.shade));
            EXPECT_EQ(ShadeName(ShadeAt(*frame, 0, 0)), ShadeName(step.shade));
            EXPECT_EQ(ShadeName(ShadeAt(*frame, 159, 119)), ShadeName(step.shade));
        }
        EXPECT_FALSE(movie.IsPlaying());
    }
}

TEST_F(AviFileMovie, CinepakFramesDecodeToo) {
    CAviFileMovie movie(clock_);
    ASSERT_EQ(movie.Open(MoviePath("cinepak_ima.avi").c_str()), 0);
    CMemorySurface* frame = movie.GetFrameSurface();
    ASSERT_NE(frame, nullptr);
    movie.UpdateFrame();
    EXPECT_EQ(ShadeName(ShadeAt(*frame, 80, 60)), ShadeName(Shade::Red));
}

TEST_F(AviFileMovie, DrawToCutsToTheClipAndLeavesNoClipRegion) {
    CAviFileMovie movie(clock_);
    ASSERT_EQ(movie.Open(MoviePath("silent.avi").c_str()), 0);
    movie.Play();
    CMemorySurface target;
    target.SetUseDibSection(true);
    ASSERT_EQ(target.Create(320, 240), 0);
    const Color32 marker = 0x00808080;
    struct ClipCase {
        RECT clip;
        RECT drawn;  // where red must show; the rest keeps the marker
    };
    const ClipCase cases[] = {
        {{200, 130, 300, 200}, {0, 0, 0, 0}},
        {{0, 0, 80, 120}, {0, 0, 80, 120}},
        {{40, 30, 400, 400}, {40, 30, 160, 120}},
    };
    for (const ClipCase& c : cases) {
        target.Fill(marker, nullptr);
        movie.DrawTo(target.GetDC(), 0, 0, -1, -1, &c.clip);
        GdiFlush();
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(target.GetDC(), region), 0);
        DeleteObject(region);
        for (int y = 0; y < 240; y += 10) {
            for (int x = 0; x < 320; x += 10) {
                POINT p = {x, y};
                bool inside = PtInRect(&c.drawn, p);
                Color32 pixel = target.GetPixel(x, y) & 0xFFFFFF;
                if (inside) {
                    EXPECT_EQ(ShadeName(ShadeOf(pixel)), ShadeName(Shade::Red)) << x << "," << y;
                } else {
                    EXPECT_EQ(pixel, marker) << x << "," << y;
                }
            }
        }
    }
}

TEST_F(AviFileMovie, WithSoundOnlyThereIsNoFrame) {
    CAviFileMovie movie(clock_);
    ASSERT_EQ(movie.Open(MoviePath("sound_only.avi").c_str()), 0);
    EXPECT_FALSE(movie.HasVideo());
    EXPECT_TRUE(movie.HasAudio());
    EXPECT_EQ(movie.GetCurrentFrame(), -1);
    EXPECT_EQ(movie.GetFrameSurface(), nullptr);
    movie.Play();
    EXPECT_TRUE(movie.IsPlaying());
    movie.UpdateFrame();
    movie.Stop();
    EXPECT_FALSE(movie.IsPlaying());
}

TEST_F(AviFileMovie, ASilentMovieKeepsItsPositionAcrossPauseAndSeek) {
    CAviFileMovie movie(clock_);
    ASSERT_EQ(movie.Open(MoviePath("silent.avi").c_str()), 0);
    movie.Play();
    clock_.now += 1000;
    EXPECT_EQ(movie.GetPosition(), 1000);
    movie.Pause();
    EXPECT_EQ(movie.GetPosition(), 1000);
    clock_.now += 5000;
    EXPECT_EQ(movie.GetPosition(), 1000);
    movie.Resume();
    EXPECT_EQ(movie.GetPosition(), 1000);
    clock_.now += 500;
    EXPECT_EQ(movie.GetPosition(), 1500);
    EXPECT_EQ(movie.SetPosition(2000), 0);
    EXPECT_EQ(movie.GetPosition(), 2000);
    clock_.now += 100;
    EXPECT_EQ(movie.GetPosition(), 2100);
    movie.Pause();
    EXPECT_EQ(movie.SetPosition(400), 0);
    clock_.now += 300;
    EXPECT_EQ(movie.GetPosition(), 400);
    movie.Resume();
    clock_.now += 300;
    EXPECT_EQ(movie.GetPosition(), 700);
    // Play starts from the beginning again.
    movie.Play();
    EXPECT_EQ(movie.GetPosition(), 0);
}

}  // namespace
