// A surface in a DirectDraw off-screen surface (the version 1 interface):
// the movie players' frame target. DirectDraw surfaces are lost when the
// display mode changes, so each one keeps what it needs to rebuild itself
// (its picture file or files, its key pixel) and all of them are registered,
// for RestoreVideoSurfaces to walk after every mode switch. Main thread only.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <string>

#include "graphics/surface.h"
#include "platform/com_ptr.h"

class CVideoSurface : public CSurface {
public:
    CVideoSurface();
    ~CVideoSurface() override;
    CVideoSurface(const CVideoSurface&) = delete;
    CVideoSurface& operator=(const CVideoSurface&) = delete;

    // A blank (black) surface whose colour key is that black. 0; 1 without a
    // DirectDraw object. DirectDraw refusing the surface is a fatal
    // "DirectDraw Error" (1014, 401).
    int Create(int width, int height) override;
    // Releases the surface and forgets the size and the picture files.
    int Destroy() override;
    // The key becomes the surface's pixel at (x, y), read raw; the key pixel
    // is remembered for restoring. SetColorKey's result, or -1 without a
    // surface.
    int SetColorKeyFromPixel(int x, int y) override;
    // Keys are taken from pixels only: does nothing, 0.
    int SetColorKey(Color32 colour) override;
    void GetSize(int& width, int& height) const override;
    bool HasImage() const override { return hasImage_; }
    bool HasAlpha() const override { return false; }

    // Draws the picture file (from the packed archives) into a new surface
    // of its size, transparent wherever it has its top-left pixel's colour.
    // Surfaces loaded with the flag set are restored before the others.
    // 0; 1 not found; 2 not a picture; 3 no size; 4 no surface; 5 no DC;
    // 6 not drawn.
    int Load(const std::string& path, bool flag) override;
    // Load of the first file on an 8-bit desktop, else of the second; a
    // restore chooses again.
    int LoadForDisplayDepth(const std::string& pathFor8Bit, const std::string& pathForOthers,
                            bool flag) override;
    // The key is taken from pixel (0, 0) again.
    void ResetColorKey();
    // The loading work of Load, without remembering the file.
    int Reload(const std::string& path);
    // Replaces the surface with a new one of that size, cleared to the fill
    // colour. 0, or 1 without a DirectDraw object; a refusal is the fatal
    // box (1014, 401).
    int CreateDirectDrawSurface(int width, int height);
    // The next surface is made in system memory.
    void SetUseSystemMemory(bool use) { useSystemMemory_ = use; }

    // A DC on the surface (null when there is none or DirectDraw refuses),
    // kept until ReleaseDC. Taking a second one, or releasing none, is an
    // "Internal Error" (1014, 334 / 346).
    HDC GetDC();
    void ReleaseDC();
    // The key from the remembered key pixel. 0.
    int ApplyColorKey();
    // A lost surface is rebuilt: a loaded one from its picture file, a blank
    // one blank at its size, and its key taken again. 0, or the reload's
    // failure.
    int Restore();

    IDirectDrawSurface* GetDirectDrawSurface() const { return surface_.Get(); }

private:
    friend int RestoreVideoSurfaces();

    int DrawPicture(const uint8_t* data, uint32_t size);
    void MaskColorBits();

    CComPtr<IDirectDrawSurface> surface_;
    int width_;
    int height_;
    std::string path_;
    std::string secondPath_;
    bool twoPaths_;
    bool restoreFirst_;
    bool hasImage_;
    int keyX_;
    int keyY_;
    HDC dc_;
    bool useSystemMemory_;
    DWORD fillValue_;
};

// Restores every video surface: first those loaded with the flag set, then
// all of them. 0.
int RestoreVideoSurfaces();

// The colour as a pixel value of the surface's format, found by letting GDI
// write it into pixel (0, 0), whose own value is put back (CLR_INVALID reads
// the pixel as it is). Except at 8 bits the value keeps only the colour
// bits. 0xFFFFFFFF when the surface cannot be locked.
DWORD ColorMatch(IDirectDrawSurface* surface, COLORREF colour);

// The raw value of the pixel at (x, y), without the bits outside the colour
// masks (except at 8 bits). 0xFFFFFFFF outside the surface, for a pixel
// format of another size, or when the surface cannot be locked.
DWORD ReadSurfacePixel(IDirectDrawSurface* surface, int x, int y);
