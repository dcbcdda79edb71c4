// The movie interface every player implements: a movie file opened, played,
// paused and resumed, its clock, its sound volume and its current frame as a
// picture. Times and positions are milliseconds; volumes hundredths of a
// decibel, -10000 silent to 0 full; the int operations answer 0 for success
// unless said otherwise. Main thread only.
#pragma once

#include <windows.h>

class CMemorySurface;
class CVideoSurface;

class CMovieBase {
public:
    virtual ~CMovieBase() = default;

    // Closes first, then opens the movie file; 0 on success.
    virtual int Open(const char* path) = 0;
    // Stops and releases the file, streams and surfaces; can be opened again.
    virtual int Close() = 0;
    // Stops, then plays from the start.
    virtual int Play() = 0;
    // Continues a paused movie where it was paused.
    virtual int Resume() = 0;
    // Stops playing; the position is not kept.
    virtual int Stop() = 0;
    // Remembers the position and stops.
    virtual int Pause() = 0;
    // Playing and the position is below the length.
    virtual bool IsPlaying() = 0;
    virtual bool IsLooping() = 0;
    // Stores the flag (no player acts on it): 1 when it already had that
    // value, else 0.
    virtual int SetLooping(bool looping) = 0;
    virtual int GetPosition() = 0;
    virtual int SetPosition(int ms) = 0;
    virtual int GetLength() = 0;
    virtual int SetVolume(int volume) = 0;
    virtual int GetVolume() = 0;
    virtual bool HasAudio() = 0;
    virtual bool HasVideo() = 0;
    // The frame due at the current position; -1 when the player cannot tell.
    virtual int GetCurrentFrame() = 0;
    // Brings the frame picture up to date for the current position.
    virtual void UpdateFrame() = 0;
    // Muted plays at -10000 while the stored volume stays.
    virtual void SetMute(bool muted) = 0;
    virtual void GetSize(int& width, int& height) = 0;
    // The frame picture as a DirectDraw surface, or null.
    virtual CVideoSurface* GetVideoSurface() = 0;
    // The frame picture as a 32-bit memory surface, or null.
    virtual CMemorySurface* GetFrameSurface() = 0;
    // Draws the current frame into the device context at its origin, cut to
    // the clip; a width or height of 0xFFFFFFFF is the frame's own. The two
    // position arguments are not used.
    virtual void DrawTo(HDC dc, int x, int y, int width, int height, const RECT* clip) = 0;
};
