#include "graphics/memory_surface.h"

#include <cstdint>
#include <new>

#include "graphics/video_surface.h"
#include "platform/error_report.h"

namespace {

constexpr int kBadSizePlace = 66;
constexpr int kCopyToVideoPlace = 156;
constexpr int kCopyFromVideoPlace = 173;
constexpr int kFillOutsidePlace = 532;
constexpr int kNoPixelsPlace = 577;
constexpr int kKeyOfEmptyPlace = 602;
constexpr int kPixelOfEmptyPlace = 624;

constexpr Color32 kUseDefaultColor = 0xFFFFFFFF;
constexpr Color32 kRgbMask = 0x00FFFFFF;
constexpr uintptr_t kHeapAlignment = 32;
// The pixels of one surface stay addressable with 32-bit signed offsets.
constexpr uint64_t kMaxPixelBytes = 0x7FFFFFFF - (kHeapAlignment - 1);

[[noreturn]] void SurfaceWarning(int place) {
    ErrorReport(ErrorKind::Warning, kModuleSurface, place);
}

}  // namespace

CMemorySurface::CMemorySurface()
    : bitmap_(nullptr),
      dc_(nullptr),
      pixels_(nullptr),
      bounds_{0, 0, 0, 0},
      pitch_(0),
      colorKey_(0),
      defaultColor_(0),
      useDibSection_(false),
      hasImage_(false),
      hasAlpha_(false) {}

CMemorySurface::~CMemorySurface() { CMemorySurface::Destroy(); }

int CMemorySurface::Create(int width, int height) {
    const int result = AllocatePixels(width, height);
    if (result == 0) Fill(kUseDefaultColor, nullptr);
    return result;
}

int CMemorySurface::CreateUncleared(int width, int height) { return AllocatePixels(width, height); }

int CMemorySurface::AllocatePixels(int width, int height) {
    Destroy();
    if (width <= 0 || height <= 0) SurfaceWarning(kBadSizePlace);
    const uint64_t bytes = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4;
    if (bytes > kMaxPixelBytes) return 1;
    bounds_ = {0, 0, width, height};
    pitch_ = width * 4;

    if (useDibSection_) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // rows top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap_ || !bits) return 1;
        dc_ = CreateCompatibleDC(nullptr);
        if (!dc_ || !SelectObject(dc_, bitmap_)) return 1;
        pixels_ = static_cast<Color32*>(bits);
    } else {
        heapBlock_.reset(new (std::nothrow) uint8_t[bytes + kHeapAlignment - 1]);
        if (!heapBlock_) return 1;
        const uintptr_t start = reinterpret_cast<uintptr_t>(heapBlock_.get());
        pixels_ = reinterpret_cast<Color32*>((start + kHeapAlignment - 1) & ~(kHeapAlignment - 1));
    }
    return 0;
}

int CMemorySurface::Destroy() {
    if (dc_) DeleteDC(dc_);
    if (bitmap_) DeleteObject(bitmap_);
    heapBlock_.reset();
    dc_ = nullptr;
    bitmap_ = nullptr;
    pixels_ = nullptr;
    hasImage_ = false;
    hasAlpha_ = false;
    bounds_ = {0, 0, 0, 0};
    return 0;
}

void CMemorySurface::SetUseDibSection(bool use) { useDibSection_ = use; }

void CMemorySurface::GetSize(int& width, int& height) const {
    width = pixels_ ? bounds_.right : 0;
    height = pixels_ ? bounds_.bottom : 0;
}

Color32* CMemorySurface::GetPixels() const {
    if (!pixels_) SurfaceWarning(kNoPixelsPlace);
    return pixels_;
}

Color32 CMemorySurface::GetPixel(int x, int y) const {
    if (!pixels_) SurfaceWarning(kPixelOfEmptyPlace);
    return pixels_[y * bounds_.right + x];
}

int CMemorySurface::SetColorKey(Color32 colour) {
    colorKey_ = colour & kRgbMask;
    return 0;
}

int CMemorySurface::SetColorKeyFromPixel(int x, int y) {
    if (!pixels_) SurfaceWarning(kKeyOfEmptyPlace);
    if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return 1;
    return SetColorKey(GetPixel(x, y));
}

int CMemorySurface::Fill(Color32 colour, const RECT* rectangle) {
    if (!pixels_) return 1;
    if (colour == kUseDefaultColor) colour = defaultColor_;
    if (!rectangle) {
        const size_t count = static_cast<size_t>(bounds_.right) * static_cast<size_t>(bounds_.bottom);
        for (size_t i = 0; i < count; ++i) pixels_[i] = colour;
        return 0;
    }
    if (rectangle->left < bounds_.left || rectangle->right > bounds_.right ||
        rectangle->top < bounds_.top || rectangle->bottom > bounds_.bottom) {
        SurfaceWarning(kFillOutsidePlace);
    }
    for (int y = rectangle->top; y < rectangle->bottom; ++y) {
        Color32* row = pixels_ + static_cast<size_t>(y) * bounds_.right;
        for (int x = rectangle->left; x < rectangle->right; ++x) row[x] = colour;
    }
    return 0;
}

int CMemorySurface::CopyToVideoSurface(CVideoSurface& video) {
    if (!bitmap_) SurfaceWarning(kCopyToVideoPlace);
    return CopyWithVideoSurface(video, true);
}

int CMemorySurface::CopyFromVideoSurface(CVideoSurface& video) {
    if (!bitmap_) SurfaceWarning(kCopyFromVideoPlace);
    return CopyWithVideoSurface(video, false);
}

int CMemorySurface::CopyWithVideoSurface(CVideoSurface& video, bool toVideo) {
    HDC videoDc = video.GetDC();
    if (!videoDc) return 2;
    int width = 0;
    int height = 0;
    if (toVideo) {
        GetSize(width, height);
    } else {
        video.GetSize(width, height);
    }
    const BOOL copied = toVideo ? BitBlt(videoDc, 0, 0, width, height, dc_, 0, 0, SRCCOPY)
                                : BitBlt(dc_, 0, 0, width, height, videoDc, 0, 0, SRCCOPY);
    video.ReleaseDC();
    return copied ? 0 : 1;
}

int CMemorySurface::LoadForDisplayDepth(const std::string&, const std::string&, bool) { return 1; }
