// The movie handle a movie node holds: it owns one player, chosen when the
// handle is built from the program-wide movie mode, and forwards every
// operation to it.
#pragma once

#include <memory>

#include "media/movie/movie_base.h"

class CMultiMediaStreamFactory;

// Which player new handles get: 0 the stub, 1 DirectShow with the AVIFile
// player when DirectShow streaming cannot be had, 2 AVIFile. Starts as 1.
enum MovieModeValue : int {
    kMovieModeStub = 0,
    kMovieModeDirectShow = 1,
    kMovieModeAviFile = 2,
};
int GetMovieMode();
void SetMovieMode(int mode);

// How the DirectShow player reaches the stream object; tests make the probe
// fail through their own factory. Null restores the system's.
void SetMovieStreamFactory(CMultiMediaStreamFactory* factory);
CMultiMediaStreamFactory& GetMovieStreamFactory();

class CMovie : public CMovieBase {
public:
    CMovie();
    ~CMovie() override;
    CMovie(const CMovie&) = delete;
    CMovie& operator=(const CMovie&) = delete;

    // Builds the player for the movie mode, deleting any held before. A mode
    // outside 0..2 is a "Warning" (1016, 80) with no player held.
    void CreateImplementation();
    // The held player, null when there is none.
    CMovieBase* GetImplementation() const { return implementation_.get(); }

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
    int SetPosition(int ms) override;
    int GetLength() override;
    int SetVolume(int volume) override;
    int GetVolume() override;
    bool HasAudio() override;
    bool HasVideo() override;
    int GetCurrentFrame() override;
    void UpdateFrame() override;
    void SetMute(bool muted) override;
    void GetSize(int& width, int& height) override;
    CVideoSurface* GetVideoSurface() override;
    CMemorySurface* GetFrameSurface() override;
    void DrawTo(HDC dc, int x, int y, int width, int height, const RECT* clip) override;

private:
    // The held player, or a shared stub while there is none.
    CMovieBase& Player();

    std::unique_ptr<CMovieBase> implementation_;
};
