#include "graphics/display_modes.h"

#include "graphics/direct_draw.h"

namespace {

#ifndef _WIN64
static_assert(sizeof(DDSURFACEDESC) == 108, "a mode record is DirectDraw's 108-byte description");
#endif

HRESULT WINAPI NoteMatch(DDSURFACEDESC*, void* found) {
    *static_cast<bool*>(found) = true;
    return DDENUMRET_CANCEL;
}

HRESULT WINAPI AppendMode(DDSURFACEDESC* mode, void* modes) {
    static_cast<DisplayModeList*>(modes)->push_back(*mode);
    return DDENUMRET_OK;
}

}  // namespace

bool IsDisplayModeSupported(DWORD width, DWORD height, DWORD bitDepth) {
    IDirectDraw* directDraw = GetDirectDraw();
    if (!directDraw) return false;
    DDSURFACEDESC wanted = {};
    wanted.dwSize = sizeof wanted;
    wanted.dwFlags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
    wanted.dwWidth = width;
    wanted.dwHeight = height;
    wanted.ddpfPixelFormat.dwRGBBitCount = bitDepth;
    bool found = false;
    const HRESULT hr = directDraw->EnumDisplayModes(DDEDM_REFRESHRATES, &wanted, &found, NoteMatch);
    return hr == DD_OK && found;
}

void ListDisplayModes(DisplayModeList* modes) {
    modes->clear();
    IDirectDraw* directDraw = GetDirectDraw();
    if (!directDraw) return;
    directDraw->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, modes, AppendMode);
}
