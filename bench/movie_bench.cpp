// Movie playback figures over the generated 640 x 480 movie: the AVIFile
// player's UpdateFrame per frame against bare AVIStreamGetFrame plus
// DrawDibDraw of the same frames, the DirectShow player's frame copy, and
// the main thread's time in the AVIFile player's Play, Pause and Resume with
// sound.
//
//   movie_bench
#include <windows.h>
#include <vfw.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "graphics/direct_draw.h"
#include "media/movie/avi_file_movie.h"
#include "media/movie/direct_show_movie.h"
#include "support/fake_clock.h"

namespace {

const std::string kMovie = std::string(MIRL_MOVIE_DIR) + "big_video1.avi";
constexpr int kFrames = 30;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds per frame of decoding and drawing every frame once, bare.
double BareFrames() {
    PAVIFILE file = nullptr;
    PAVISTREAM stream = nullptr;
    if (AVIFileOpenA(&file, kMovie.c_str(), OF_SHARE_DENY_WRITE, nullptr) != 0) return -1;
    AVIFileGetStream(file, &stream, streamtypeVIDEO, 0);
    PGETFRAME frames = AVIStreamGetFrameOpen(stream, nullptr);
    HDRAWDIB drawDib = DrawDibOpen();
    CMemorySurface target;
    target.SetUseDibSection(true);
    target.Create(640, 480);
    const double start = Now();
    for (int i = 0; i < kFrames; ++i) {
        auto* header = static_cast<BITMAPINFOHEADER*>(AVIStreamGetFrame(frames, i));
        DrawDibDraw(drawDib, target.GetDC(), 0, 0, 640, 480, header, nullptr, 0, 0, -1, -1, 0);
        GdiFlush();
    }
    const double perFrame = (Now() - start) * 1000 / kFrames;
    DrawDibClose(drawDib);
    AVIStreamGetFrameClose(frames);
    AVIStreamRelease(stream);
    AVIFileRelease(file);
    return perFrame;
}

// No sound device, so the player's clock is the test clock.
class CNoSoundFactory : public CDirectSoundFactory {
public:
    int StartCom() override { return 0; }
    void EndCom() override {}
    HRESULT CreateDirectSound(IDirectSound** device) override {
        *device = nullptr;
        return DSERR_NODRIVER;
    }
};

// Milliseconds per frame of the player's UpdateFrame, one frame due each.
double PlayerFrames() {
    FakeClock clock;
    CNoSoundFactory noSound;
    CAviFileMovie movie(clock, noSound);
    movie.Open(kMovie.c_str());
    movie.Play();
    const double start = Now();
    for (int i = 0; i < kFrames; ++i) {
        movie.UpdateFrame();
        clock.now += 100;
    }
    return (Now() - start) * 1000 / kFrames;
}

void AviFileFrames() {
    std::vector<double> bare, player;
    for (int round = 0; round < 5; ++round) {
        bare.push_back(BareFrames());
        player.push_back(PlayerFrames());
    }
    const double b = Median(bare);
    const double p = Median(player);
    std::printf("AVIFile UpdateFrame: median %.2f ms a frame, bare %.2f ms, ratio %.2f (target at most 1.2)\n",
                p, b, p / b);
}

void DirectShowCopy() {
    CDirectShowMovie movie;
    if (movie.Open(kMovie.c_str()) != 0) {
        std::printf("DirectShow: not available\n");
        return;
    }
    movie.Play();
    std::vector<double> copies;
    for (int i = 0; i < 20; ++i) {
        movie.UpdateFrame();
        Sleep(60);
        const double start = Now();
        movie.GetFrameSurface();
        copies.push_back((Now() - start) * 1000);
    }
    std::printf("DirectShow frame copy in GetFrameSurface: median %.3f ms (target at most 1 ms)\n",
                Median(copies));
}

void SoundControls() {
    CAviFileMovie movie;
    movie.Open(kMovie.c_str());
    std::vector<double> plays, pauses, resumes;
    for (int i = 0; i < 10; ++i) {
        double start = Now();
        movie.Play();
        plays.push_back((Now() - start) * 1000);
        Sleep(120);
        start = Now();
        movie.Pause();
        pauses.push_back((Now() - start) * 1000);
        start = Now();
        movie.Resume();
        resumes.push_back((Now() - start) * 1000);
        Sleep(120);
    }
    std::printf("AVIFile with sound, main thread: Play %.2f ms, Pause %.2f ms, Resume %.2f ms at the most "
                "(target at most 15 ms each)\n",
                *std::max_element(plays.begin(), plays.end()), *std::max_element(pauses.begin(), pauses.end()),
                *std::max_element(resumes.begin(), resumes.end()));
}

}  // namespace

int main() {
    CDirectDrawHolder holder;
    GetDirectDraw()->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
    AVIFileInit();
    AviFileFrames();
    DirectShowCopy();
    SoundControls();
    AVIFileExit();
    return 0;
}
