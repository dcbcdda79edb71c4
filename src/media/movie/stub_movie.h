// The player of movie mode 0: opens anything and plays nothing.
#pragma once

#include "media/movie/movie_base.h"

class CStubMovie : public CMovieBase {
public:
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
};
