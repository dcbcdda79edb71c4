#include "graphics/video_surface.h"

#include <cstring>
#include <set>

#include "graphics/desktop_depth.h"
#include "graphics/direct_draw.h"
#include "graphics/picture_decoder.h"
#include "platform/data_file.h"
#include "platform/error_report.h"

namespace {

constexpr int kReleaseWithoutDcPlace = 346;
constexpr int kSecondDcPlace = 334;
constexpr int kMaskLockPlace = 271;
constexpr int kCreateSurfacePlace = 401;

constexpr DWORD kNoValue = 0xFFFFFFFF;
// New surfaces are cleared to black.
constexpr COLORREF kFillColor = RGB(0, 0, 0);

std::set<CVideoSurface*>& VideoSurfaces() {
    static std::set<CVideoSurface*> surfaces;
    return surfaces;
}

// Locks the whole surface, trying again while the card is still drawing.
HRESULT LockWhole(IDirectDrawSurface* surface, DDSURFACEDESC& desc) {
    HRESULT hr;
    do {
        desc = {};
        desc.dwSize = sizeof desc;
        hr = surface->Lock(nullptr, &desc, 0, nullptr);
    } while (hr == DDERR_WASSTILLDRAWING);
    return hr;
}

DWORD BitCount(const DDSURFACEDESC& desc) { return desc.ddpfPixelFormat.dwRGBBitCount; }

DWORD ColorMask(const DDSURFACEDESC& desc) {
    const DDPIXELFORMAT& format = desc.ddpfPixelFormat;
    return format.dwRBitMask | format.dwGBitMask | format.dwBBitMask;
}

uint8_t* PixelAddress(const DDSURFACEDESC& desc, int x, int y) {
    return static_cast<uint8_t*>(desc.lpSurface) + y * desc.lPitch + x * (BitCount(desc) / 8);
}

bool IsWholeBytePixel(const DDSURFACEDESC& desc) {
    const DWORD bits = BitCount(desc);
    return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The pixel's bytes as a little-endian value; only the pixel's own bytes
// are read or written, so a narrow surface is never overrun.
DWORD ReadPixelBytes(const DDSURFACEDESC& desc, int x, int y) {
    DWORD value = 0;
    std::memcpy(&value, PixelAddress(desc, x, y), BitCount(desc) / 8);
    return value;
}

void WritePixelBytes(const DDSURFACEDESC& desc, int x, int y, DWORD value) {
    std::memcpy(PixelAddress(desc, x, y), &value, BitCount(desc) / 8);
}

}  // namespace

CVideoSurface::CVideoSurface()
    : width_(0),
      height_(0),
      twoPaths_(false),
      restoreFirst_(false),
      hasImage_(false),
      keyX_(0),
      keyY_(0),
      dc_(nullptr),
      useSystemMemory_(false),
      fillValue_(0) {
    VideoSurfaces().insert(this);
}

CVideoSurface::~CVideoSurface() {
    VideoSurfaces().erase(this);
    CVideoSurface::Destroy();
}

int CVideoSurface::Create(int width, int height) {
    hasImage_ = false;
    ResetColorKey();
    const int result = CreateDirectDrawSurface(width, height);
    if (result != 0) return result;
    SetColorKeyFromPixel(0, 0);
    fillValue_ = ColorMatch(surface_.Get(), kFillColor);
    return 0;
}

int CVideoSurface::Destroy() {
    if (dc_) ReleaseDC();
    surface_.Reset();
    dc_ = nullptr;
    width_ = 0;
    height_ = 0;
    hasImage_ = false;
    path_.clear();
    secondPath_.clear();
    return 0;
}

int CVideoSurface::SetColorKeyFromPixel(int x, int y) {
    if (!surface_) return -1;
    const DWORD value = ReadSurfacePixel(surface_.Get(), x, y);
    keyX_ = x;
    keyY_ = y;
    DDCOLORKEY key = {value, value};
    return surface_->SetColorKey(DDCKEY_SRCBLT, &key);
}

int CVideoSurface::SetColorKey(Color32) { return 0; }

void CVideoSurface::GetSize(int& width, int& height) const {
    width = width_;
    height = height_;
}

int CVideoSurface::Load(const std::string& path, bool flag) {
    ResetColorKey();
    twoPaths_ = false;
    path_ = path;
    secondPath_.clear();
    restoreFirst_ = flag;
    return Reload(path);
}

int CVideoSurface::LoadForDisplayDepth(const std::string& pathFor8Bit,
                                       const std::string& pathForOthers, bool flag) {
    ResetColorKey();
    twoPaths_ = true;
    path_ = pathFor8Bit;
    secondPath_ = pathForOthers;
    restoreFirst_ = flag;
    return Reload(GetDesktopBitDepth() == 8 ? pathFor8Bit : pathForOthers);
}

void CVideoSurface::ResetColorKey() {
    keyX_ = 0;
    keyY_ = 0;
}

int CVideoSurface::Reload(const std::string& path) {
    hasImage_ = false;
    CDataFile file;
    if (file.OpenWhole(path, false) != 0) return 1;
    return DrawPicture(file.GetData(), file.GetSize());
}

int CVideoSurface::DrawPicture(const uint8_t* data, uint32_t size) {
    CPictureDecoder decoder;
    int width = 0;
    int height = 0;
    const int loaded = LoadPictureWithSize(decoder, data, size, width, height);
    if (loaded != 0) return loaded + 1;
    if (CreateDirectDrawSurface(width, height) != 0) return 4;
    HDC dc = GetDC();
    if (!dc) return 5;
    const bool drawn = decoder.Draw(dc) == 0;
    ReleaseDC();
    if (!drawn) return 6;
    if (GetDesktopBitDepth() == 32) MaskColorBits();
    ApplyColorKey();
    hasImage_ = true;
    return 0;
}

// GDI leaves its own bits in the unused top byte of 32-bit pixels; the
// surface's colour key compares whole pixels, so they are cleared.
void CVideoSurface::MaskColorBits() {
    DDSURFACEDESC desc;
    const HRESULT hr = LockWhole(surface_.Get(), desc);
    if (FAILED(hr)) ErrorReport(ErrorKind::DirectDraw, kModuleVideoSurface, kMaskLockPlace, hr);
    if (BitCount(desc) == 32) {
        const DWORD mask = ColorMask(desc);
        for (DWORD y = 0; y < desc.dwHeight; ++y) {
            DWORD* row = reinterpret_cast<DWORD*>(PixelAddress(desc, 0, y));
            for (DWORD x = 0; x < desc.dwWidth; ++x) row[x] &= mask;
        }
    }
    surface_->Unlock(nullptr);
}

int CVideoSurface::CreateDirectDrawSurface(int width, int height) {
    if (dc_) ReleaseDC();
    surface_.Reset();
    DDSURFACEDESC desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    desc.dwHeight = height;
    desc.dwWidth = width;
    desc.ddsCaps.dwCaps = useSystemMemory_ ? DDSCAPS_SYSTEMMEMORY | DDSCAPS_OFFSCREENPLAIN
                                           : DDSCAPS_OFFSCREENPLAIN;
    width_ = width;
    height_ = height;
    IDirectDraw* directDraw = GetDirectDraw();
    if (!directDraw) return 1;
    const HRESULT hr = directDraw->CreateSurface(&desc, surface_.Put(), nullptr);
    if (FAILED(hr)) ErrorReport(ErrorKind::DirectDraw, kModuleVideoSurface, kCreateSurfacePlace, hr);
    DDBLTFX fill = {};
    fill.dwSize = sizeof fill;
    fill.dwFillColor = fillValue_;
    surface_->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill);
    return 0;
}

HDC CVideoSurface::GetDC() {
    if (dc_) ErrorReport(ErrorKind::Internal, kModuleVideoSurface, kSecondDcPlace);
    if (!surface_) return nullptr;
    HDC dc = nullptr;
    if (FAILED(surface_->GetDC(&dc))) return nullptr;
    dc_ = dc;
    return dc_;
}

void CVideoSurface::ReleaseDC() {
    if (!dc_) ErrorReport(ErrorKind::Internal, kModuleVideoSurface, kReleaseWithoutDcPlace);
    if (SUCCEEDED(surface_->ReleaseDC(dc_))) dc_ = nullptr;
}

int CVideoSurface::ApplyColorKey() {
    SetColorKeyFromPixel(keyX_, keyY_);
    return 0;
}

int CVideoSurface::Restore() {
    if (!surface_ || surface_->IsLost() == DD_OK) return 0;
    int result = 0;
    if (hasImage_) {
        result = Reload(twoPaths_ && GetDesktopBitDepth() != 8 ? secondPath_ : path_);
    } else if (CreateDirectDrawSurface(width_, height_) == 0) {
        ApplyColorKey();
    }
    if (surface_) fillValue_ = ColorMatch(surface_.Get(), kFillColor);
    return result;
}

int RestoreVideoSurfaces() {
    for (CVideoSurface* surface : VideoSurfaces()) {
        if (surface->restoreFirst_) surface->Restore();
    }
    for (CVideoSurface* surface : VideoSurfaces()) surface->Restore();
    return 0;
}

DWORD ColorMatch(IDirectDrawSurface* surface, COLORREF colour) {
    DDSURFACEDESC desc;
    bool saved = false;
    DWORD savedValue = 0;
    if (SUCCEEDED(LockWhole(surface, desc))) {
        if (IsWholeBytePixel(desc)) {
            savedValue = ReadPixelBytes(desc, 0, 0);
            saved = true;
        }
        surface->Unlock(nullptr);
    }
    if (colour != CLR_INVALID) {
        HDC dc = nullptr;
        if (SUCCEEDED(surface->GetDC(&dc))) {
            SetPixel(dc, 0, 0, colour);
            surface->ReleaseDC(dc);
        }
    }
    if (FAILED(LockWhole(surface, desc))) return kNoValue;
    DWORD value = kNoValue;
    if (IsWholeBytePixel(desc)) {
        value = ReadPixelBytes(desc, 0, 0);
        if (saved) WritePixelBytes(desc, 0, 0, savedValue);
        if (BitCount(desc) != 8) value &= ColorMask(desc);
    }
    surface->Unlock(nullptr);
    return value;
}

DWORD ReadSurfacePixel(IDirectDrawSurface* surface, int x, int y) {
    DDSURFACEDESC desc = {};
    desc.dwSize = sizeof desc;
    if (FAILED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) return kNoValue;
    DWORD value = kNoValue;
    const bool inside = x >= 0 && y >= 0 && static_cast<DWORD>(x) < desc.dwWidth &&
                        static_cast<DWORD>(y) < desc.dwHeight;
    if (inside && IsWholeBytePixel(desc)) {
        value = ReadPixelBytes(desc, x, y);
        if (BitCount(desc) != 8 && value != kNoValue) value &= ColorMask(desc);
    }
    surface->Unlock(nullptr);
    return value;
}
