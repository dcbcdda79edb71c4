// The AVIFile player: a movie file from the file system (never from the
// packed archives) whose pictures a frame drawer decodes and whose sound an
// audio streamer plays. With sound the sound's position is the movie's
// clock; without it a stopwatch is.
#pragma once

#include <windows.h>
#include <vfw.h>

#include <memory>
#include <string>

#include "media/movie/avi_audio_streamer.h"
#include "media/movie/avi_frame_drawer.h"
#include "media/movie/movie_base.h"
#include "platform/clock.h"
#include "platform/timer.h"

class CAviFileMovie : public CMovieBase {
public:
    // The stopwatch reads the clock; the sound goes through the factory's
    // device.
    explicit CAviFileMovie(CClock& clock = SystemClock(),
                           CDirectSoundFactory& soundFactory = SystemDirectSoundFactory());
    ~CAviFileMovie() override;
    CAviFileMovie(const CAviFileMovie&) = delete;
    CAviFileMovie& operator=(const CAviFileMovie&) = delete;

    // Opens the file with its picture and sound streams. Refusals are
    // "Movie Error" boxes of module 1003 with a code: 71 null path (0),
    // 81 an extension other than avi in any letter case (0), 90 the file
    // is damaged (AVIERR_BADFORMAT) or cannot be opened (AVIFile's result), 128 neither pictures nor sound
    // (0), 140 a zero rate or scale (0) or a negative length (the length).
    int Open(const char* path) override;
    int Close() override;
    int Play() override;
    int Resume() override;
    int Stop() override;
    int Pause() override;
    bool IsPlaying() override;
    bool IsLooping() override;
    int SetLooping(bool looping) override;
    int GetPosition() override;
    // The position becomes ms; the sound goes on where it was.
    int SetPosition(int ms) override;
    int GetLength() override;
    int SetVolume(int volume) override;
    int GetVolume() override;
    bool HasAudio() override;
    bool HasVideo() override;
    // The drawer's frame; -1 for a movie without pictures.
    int GetCurrentFrame() override;
    void UpdateFrame() override;
    void SetMute(bool muted) override;
    void GetSize(int& width, int& height) override;
    CVideoSurface* GetVideoSurface() override;
    CMemorySurface* GetFrameSurface() override;
    void DrawTo(HDC dc, int x, int y, int width, int height, const RECT* clip) override;

    const std::string& GetName() const { return name_; }
    CAviAudioStreamer* GetAudio() const { return audio_.get(); }

private:
    CDirectSoundFactory& soundFactory_;
    std::string name_;
    PAVIFILE file_;
    AVISTREAMINFOA info_;
    int length_;
    double framesPerSecond_;
    std::unique_ptr<CAviFrameDrawer> frameDrawer_;
    std::unique_ptr<CAviAudioStreamer> audio_;
    bool hasVideo_;
    bool hasAudio_;
    bool isOpen_;
    bool isPaused_;
    bool isPlaying_;
    CTimer clock_;
    int positionOffset_;
    int volume_;
    bool looping_;
};
