// Sound streaming figures: opening and seeking a 44.1 kHz stereo Ogg stream,
// one timer tick, and how far the ring's filled part leads the play cursor
// while three streams play beside a frame loop for 60 seconds.
//
//   sound_bench [seconds]   (the third figure's length, 60 by default)
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_timing.h"
#include "media/ogg_archive_source.h"
#include "media/sound_device.h"
#include "media/stream_buffer.h"
#include "platform/paths.h"
#include "support/fake_clock.h"

namespace {

const char* kStream = "Snd/stereo.ogg";

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Hands the tick to the bench instead of running it on a timer thread.
class CHeldTimer : public CStreamTimer {
public:
    CTimerTarget* target = nullptr;
    uint32_t Start(uint32_t, CTimerTarget* timerTarget) override {
        target = timerTarget;
        return 1;
    }
    void Kill(uint32_t) override { target = nullptr; }
};

void OpenAndSeek() {
    std::vector<double> opens, seeks;
    for (int round = 0; round < 30; ++round) {
        COggArchiveSource source;
        FakeClock clock(1000);
        CHeldTimer timer;
        CStreamBuffer stream(clock, timer);
        double start = Now();
        source.Open(kStream);
        stream.Open(&source);
        opens.push_back((Now() - start) * 1000);
        stream.SetMute(true);
        stream.Play();
        clock.now += 1000 + 317 * round % 9000;
        start = Now();
        stream.SetMute(false);  // the decoder restarts at the clock's position
        seeks.push_back((Now() - start) * 1000);
        stream.Stop();
    }
    std::printf("Open of the Ogg stream: median %.2f ms (target at most 8 ms)\n", Median(opens));
    std::printf("Seek of the Ogg stream: median %.2f ms (target at most 8 ms)\n", Median(seeks));
}

void Tick() {
    COggArchiveSource source;
    CHeldTimer timer;
    CStreamBuffer stream(SoundClock(), timer);
    source.Open(kStream);
    stream.Open(&source);
    stream.SetLoop(true);
    stream.Play();
    std::vector<double> ticks;
    for (int i = 0; i < 100; ++i) {
        Sleep(100);
        double start = Now();
        timer.target->OnTimer();
        ticks.push_back((Now() - start) * 1000);
    }
    std::printf("Tick (100 ms of 44.1 kHz stereo Vorbis): median %.3f ms, worst %.3f ms (target median at most 1 ms)\n",
                Median(ticks), *std::max_element(ticks.begin(), ticks.end()));
}

// Milliseconds of filled ring ahead of the play cursor.
double Lead(CStreamBuffer& stream) {
    DWORD play = 0;
    stream.GetDirectSoundBuffer()->GetCurrentPosition(&play, nullptr);
    uint32_t ring = stream.GetRingBytes();
    uint32_t write = stream.GetWriteOffset();
    uint32_t ahead = write >= play ? write - play : ring - play + write;
    if (ahead == 0) ahead = ring;  // just refilled up to the cursor: the whole ring is ahead
    return ahead * 1000.0 / (ring / 2.0);
}

void ThreeStreams(int seconds) {
    COggArchiveSource sources[3];
    CStreamBuffer streams[3];
    for (int i = 0; i < 3; ++i) {
        sources[i].Open(kStream);
        streams[i].Open(&sources[i]);
        streams[i].SetLoop(true);
        streams[i].SetVolume(-3000);
        streams[i].Play();
    }
    double lowest = 1e9;
    int frames = 0;
    volatile double sink = 0;
    double end = Now() + seconds;
    while (Now() < end) {
        // A frame's work: about 10 ms of arithmetic, then the rest of 16 ms.
        double frameStart = Now();
        while (Now() - frameStart < 0.010) sink = sink + 1.0;
        for (CStreamBuffer& stream : streams) lowest = std::min(lowest, Lead(stream));
        Sleep(6);
        ++frames;
    }
    std::printf("Three streams for %d s beside %d frames: lowest lead of the ring over the play cursor %.0f ms "
                "(target above 1500 ms)\n",
                seconds, frames, lowest);
}

}  // namespace

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    SetBaseDirectory(MIRL_SOUND_MEDIA_DIR);
    CSoundDeviceUse use;
    if (!GetDirectSound()) {
        std::printf("no DirectSound\n");
        return 1;
    }
    OpenAndSeek();
    Tick();
    ThreeStreams(seconds);
    return 0;
}
