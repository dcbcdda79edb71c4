// The DirectShow player: an AMMultiMediaStream object reads the movie file,
// renders its sound through the default audio renderer and decodes its
// pictures into a system-memory DirectDraw surface through a stream sample;
// each new picture is copied into a 32-bit DIB-section surface for the scene
// graph. The stream's filter graph is one the program keeps from movie to
// movie. After a display-mode switch (WM_USER+3) the picture surfaces are
// built again. Main thread only; DirectShow runs its own threads.
#pragma once

#include <windows.h>
#include <amstream.h>
#include <control.h>

#include <memory>
#include <string>

#include "graphics/memory_surface.h"
#include "graphics/video_surface.h"
#include "media/movie/movie_base.h"
#include "media/movie/pooled_filter_graph.h"
#include "media/multimedia_stream_probe.h"
#include "platform/message_listener.h"

// The message posted to the main window after every display-mode switch.
constexpr UINT kMovieNotifyMessage = WM_USER + 3;

class CDirectShowMovie : public CMovieBase, public CMessageListener {
public:
    // Probes DirectShow streaming through the movie stream factory; the
    // program-wide flag tells the outcome.
    CDirectShowMovie();
    ~CDirectShowMovie() override;
    CDirectShowMovie(const CDirectShowMovie&) = delete;
    CDirectShowMovie& operator=(const CDirectShowMovie&) = delete;

    // 1 null path, 2 streaming unavailable, 3 no stream object; else opens
    // the file (failures are "Movie Error" boxes of module 1005 with the
    // place and the HRESULT; a damaged file is refused before DirectShow
    // reads it, at 99 with VFW_E_INVALID_FILE_FORMAT) and answers 0. A file with sound only opens
    // with HasVideo false.
    int Open(const char* path) override;
    int Close() override;
    // 1 when not open.
    int Play() override;
    // 1 not open, 2 not playing, 3 not paused.
    int Resume() override;
    // 1 not open, 2 neither playing nor paused.
    int Stop() override;
    // 1 not open, 2 not playing, 3 already paused.
    int Pause() override;
    bool IsPlaying() override;
    bool IsLooping() override;
    int SetLooping(bool looping) override;
    int GetPosition() override;
    int SetPosition(int ms) override;
    int GetLength() override;
    int SetVolume(int volume) override;
    int GetVolume() override;
    bool HasAudio() override;
    bool HasVideo() override;
    // Always -1: the node redraws every frame while the movie plays.
    int GetCurrentFrame() override;
    // Asks the sample for the picture due now.
    void UpdateFrame() override;
    void SetMute(bool muted) override;
    void GetSize(int& width, int& height) override;
    CVideoSurface* GetVideoSurface() override;
    // Copies a new picture in first.
    CMemorySurface* GetFrameSurface() override;
    void DrawTo(HDC dc, int x, int y, int width, int height, const RECT* clip) override;

    // WM_USER+3 while open builds the picture surfaces again; always 0.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    bool IsListening() const { return listening_; }

private:
    // Builds the picture surfaces and the sample on the stream's format;
    // answers the first failing HRESULT and its place (0 when none).
    HRESULT BuildPicture(int* place);
    // The surfaces and the sample at the format's size, when it has one.
    HRESULT CreatePicture();
    void ReleasePicture();
    // The graph for Initialize: a kept one when the stream holds none yet.
    IGraphBuilder* GraphToOffer();
    // Puts Wine's decoding parser into the stream's graph, where it exists.
    void OfferDecodingParser();
    // Gives the graph a reference clock that lives exactly as long as it.
    static void RunOnOwnClock(IGraphBuilder* graph);
    bool IsRunning();
    void Check(HRESULT result, int place);

    std::string name_;
    bool available_;
    int width_;
    int height_;
    int volume_;
    bool hasVideo_;
    bool hasAudio_;
    bool isOpen_;
    bool isPaused_;
    bool looping_;
    bool muted_;
    bool newFrame_;
    bool listening_;
    // Before the probe, so the stream lets the graph go before it is kept.
    CPooledFilterGraph graph_;
    std::unique_ptr<CMultiMediaStreamProbe> probe_;
    IAMMultiMediaStream* stream_;
    IMultiMediaStream* multiMediaStream_;
    IMediaStream* mediaStream_;
    IDirectDrawMediaStream* drawStream_;
    IDirectDrawStreamSample* sample_;
    IBasicAudio* basicAudio_;
    STREAM_TIME pausedTime_;
    CVideoSurface videoSurface_;
    CMemorySurface frameSurface_;
};
