#include "graphics/dib_section.h"

#include "graphics/picture_decoder.h"
#include "platform/data_file.h"

CDibSection::CDibSection()
    : bits_(nullptr),
      width_(0),
      height_(0),
      bitsPerPixel_(0),
      bitmap_(nullptr),
      previousBitmap_(nullptr),
      dc_(nullptr) {}

CDibSection::~CDibSection() { Destroy(); }

int CDibSection::Create(int width, int height, int bitsPerPixel) {
    Destroy();
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) return 1;
    bits_ = static_cast<uint8_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) return 2;
    previousBitmap_ = SelectObject(dc_, bitmap_);
    return 0;
}

void CDibSection::Destroy() {
    if (dc_ && previousBitmap_) SelectObject(dc_, previousBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
    bits_ = nullptr;
    bitmap_ = nullptr;
    previousBitmap_ = nullptr;
    dc_ = nullptr;
}

int CDibSection::GetSize(int& width, int& height) const {
    if (!dc_) return 1;
    width = width_;
    height = height_;
    return 0;
}

int CDibSection::LoadPicture(const std::string& path, int bitsPerPixel) {
    CDataFile file;
    file.OpenWhole(path, false);
    return DrawPicture(file.GetData(), file.GetSize(), bitsPerPixel);
}

int CDibSection::DrawPicture(const uint8_t* data, uint32_t size, int bitsPerPixel) {
    CPictureDecoder decoder;
    int width = 0;
    int height = 0;
    const int loaded = LoadPictureWithSize(decoder, data, size, width, height);
    if (loaded != 0) return loaded;
    if (Create(width, height, bitsPerPixel) != 0) return 3;
    if (decoder.Draw(dc_) != 0) return 4;
    GdiFlush();
    return 0;
}
