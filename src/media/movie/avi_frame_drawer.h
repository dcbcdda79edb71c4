// The picture half of the AVIFile player: the movie's picture stream decoded
// frame by frame with AVIStreamGetFrame and drawn with DrawDib into a 32-bit
// DIB-section surface, the frame chosen by the owning movie's position.
#pragma once

#include <windows.h>
#include <vfw.h>

#include "graphics/memory_surface.h"
#include "graphics/video_surface.h"

class CMovieBase;

class CAviFrameDrawer {
public:
    // Results of Open.
    enum OpenResult {
        kOpened = 0,
        kNoFile = 1,
        kNoPictureStream = 2,
        kNoFirstFrame = 3,
        kNoDrawDib = 4,
        kNoVideoSurface = 5,
        kNoFrameSurface = 6,
        kNoLength = 7,
    };

    // The owner's position chooses the frame; the owner outlives the drawer.
    explicit CAviFrameDrawer(CMovieBase& owner);
    virtual ~CAviFrameDrawer();
    CAviFrameDrawer(const CAviFrameDrawer&) = delete;
    CAviFrameDrawer& operator=(const CAviFrameDrawer&) = delete;

    // Opens the file's first picture stream and decodes its first frame to
    // learn the size; an OpenResult. The surfaces take the frame's absolute
    // height (top-down frames report a negative one); a zero size is
    // kNoVideoSurface. A compressed format claiming a top-down picture is
    // kNoFirstFrame, whatever its codec would make of it.
    int Open(PAVIFILE file);
    // Releases the decompressor, the stream and DrawDib.
    virtual void Close();
    // The frame due at the owner's position, at most the last frame; 0
    // before a successful Open.
    virtual int GetCurrentFrame();
    // Draws the due frame into the frame surface unless it is the one drawn
    // last; -1 before a successful Open. A frame surface without a DC is a
    // "Movie Error" (1004, 183).
    int UpdateFrame();
    // Draws the due frame into the DC at (0, 0, width, height) halftoned,
    // cut to the clip; the DC is left without a clip region.
    virtual void DrawTo(HDC dc, int width, int height, const RECT* clip);
    // The frame surface copied into the system-memory video surface.
    CVideoSurface* GetVideoSurface();
    CMemorySurface* GetFrameSurface() { return &frameSurface_; }

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetFrameCount() const { return frameCount_; }
    const AVISTREAMINFOA& GetInfo() const { return info_; }

private:
    void Release();

    CMovieBase& owner_;
    PAVISTREAM stream_;
    PGETFRAME getFrame_;
    AVISTREAMINFOA info_;
    int frameCount_;
    HDRAWDIB drawDib_;
    int width_;
    int height_;
    int currentFrame_;
    int lastDrawnFrame_;
    CVideoSurface videoSurface_;
    CMemorySurface frameSurface_;
};
