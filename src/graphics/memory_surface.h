// The 32-bit surface the whole graphics core draws on: Color32 pixels in
// memory, rows top-down with no padding (pitch = width x 4), so pixel (x, y)
// lies at GetPixels() + y x width + x. The pixels live either in a GDI DIB
// section selected into its own memory DC (GDI can draw into it and BitBlt
// can copy it to a window) or in a heap block that starts on a 32-byte
// boundary (so the SIMD blend paths can move whole 8- and 32-byte runs).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "graphics/surface.h"

class CVideoSurface;

class CMemorySurface : public CSurface {
public:
    CMemorySurface();
    ~CMemorySurface() override;
    CMemorySurface(const CMemorySurface&) = delete;
    CMemorySurface& operator=(const CMemorySurface&) = delete;

    // Allocates the pixels and clears them to the default colour (0).
    int Create(int width, int height) override;
    // Allocates the pixels and leaves them as the allocator gives them, for
    // callers that overwrite every pixel at once.
    int CreateUncleared(int width, int height);
    // Destroys what the surface held and allocates width x height pixels in
    // the store the use-DIB-section flag chooses. A size that is not
    // positive is a programming error: "Warning" box (1010, 66) and
    // CInternalError. 0, or 1 when the pixels cannot be had (what GDI made
    // so far is released by the next Destroy).
    int AllocatePixels(int width, int height);
    // Releases the pixels, the DC and the bitmap and clears the has-image and
    // has-alpha flags; the pitch, the key and the DIB-section
    // choice stay. Always 0.
    int Destroy() override;

    // Chooses the pixel store of the next allocation.
    void SetUseDibSection(bool use);
    // The DIB section's memory DC; null for a heap surface.
    HDC GetDC() const { return dc_; }

    // {0, 0, width, height}, all zero while there are no pixels.
    const RECT* GetBounds() const { return &bounds_; }
    // Bytes per row, width x 4.
    int GetPitch() const { return pitch_; }
    void GetSize(int& width, int& height) const override;
    // The first pixel of the top row. Asked of an empty surface: "Warning"
    // box (1010, 577) and CInternalError.
    Color32* GetPixels() const;
    // The pixel at (x, y), which the caller keeps inside the surface. Asked
    // of an empty surface: "Warning" box (1010, 624) and CInternalError.
    Color32 GetPixel(int x, int y) const;

    bool HasImage() const override { return hasImage_; }
    bool HasAlpha() const override { return hasAlpha_; }
    // Drawing code that makes pixels with meaningful alpha says so here.
    void SetHasAlpha(bool hasAlpha) { hasAlpha_ = hasAlpha; }

    // The key is kept as 24-bit RGB (alpha byte 0). Always 0.
    int SetColorKey(Color32 colour) override;
    // The key becomes the pixel's RGB: 0, or 1 (key kept) when (x, y) lies
    // outside. On an empty surface: "Warning" box (1010, 602).
    int SetColorKeyFromPixel(int x, int y) override;
    Color32 GetColorKey() const { return colorKey_; }

    // Stores the colour (0xFFFFFFFF: the default colour) unblended into every
    // pixel of the rectangle, or of the surface when it is null. A rectangle
    // reaching outside is a programming error: "Warning" box (1010, 532).
    // 0, or 1 on an empty surface.
    int Fill(Color32 colour, const RECT* rectangle);

    // Copies the whole surface to (0, 0) of the video surface, or the video
    // surface's whole size to this one, through GDI. Only DIB-section
    // surfaces can: on others "Warning" box (1010, 156 / 173). 0 copied,
    // 1 BitBlt failed, 2 the video surface has no DC.
    int CopyToVideoSurface(CVideoSurface& video);
    int CopyFromVideoSurface(CVideoSurface& video);

    // Loads a picture from the packed archives by its extension: "abm" (any
    // letter case) is the raw format, read straight into the pixels, which
    // then carry alpha and key the top-left pixel's colour; anything else is
    // drawn by the picture decoder, straight into a DIB-section surface or
    // through a temporary DIB section into a heap one. 0 loaded; raw: 1 not
    // found, 2 no pixels, 3 damaged; others on a DIB section: 1 not a
    // picture, 2 no size, 3 no pixels, 4 not drawn; others on the heap: 5 not
    // loaded, 6 no size, 3 no pixels. The flag is not used.
    int Load(const std::string& path, bool flag) override;
    // Reads a raw image file: 0, 1 not found, 2 no pixels, 3 damaged.
    int LoadRaw(const std::string& path);
    // A memory surface cannot choose by the display depth: always 1.
    int LoadForDisplayDepth(const std::string& pathFor8Bit, const std::string& pathForOthers,
                            bool flag) override;

private:
    int LoadThroughDecoder(const std::string& path);
    int LoadThroughDibSection(const std::string& path);
    int CopyWithVideoSurface(CVideoSurface& video, bool toVideo);

    HBITMAP bitmap_;
    HDC dc_;
    std::unique_ptr<uint8_t[]> heapBlock_;
    Color32* pixels_;
    RECT bounds_;
    int pitch_;
    Color32 colorKey_;
    Color32 defaultColor_;
    bool useDibSection_;
    bool hasImage_;
    bool hasAlpha_;
};
