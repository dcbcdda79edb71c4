#include "graphics/picture_decoder.h"

#include <olectl.h>

#include <cstring>

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kStaticColors = 10;
constexpr int kLastEntry = 255;
constexpr uint32_t kMaxPictureColors = 236;

class CScreenDc {
public:
    CScreenDc() : dc_(::GetDC(nullptr)) {}
    ~CScreenDc() {
        if (dc_) ::ReleaseDC(nullptr, dc_);
    }
    CScreenDc(const CScreenDc&) = delete;
    CScreenDc& operator=(const CScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

CPictureDecoder::CPictureDecoder() : data_(nullptr), bmp_{} {}

CPictureDecoder::~CPictureDecoder() { Close(); }

int CPictureDecoder::Load(const uint8_t* data, uint32_t size) {
    if (ParseBmp(data, size) == 0) return 0;
    return LoadOlePicture(data, size) == 0 ? 0 : 1;
}

int CPictureDecoder::ParseBmp(const uint8_t* data, uint32_t size) {
    Close();
    if (!data || !ReadBmpLayout(data, size, bmp_)) return 1;
    data_ = data;
    return 0;
}

int CPictureDecoder::LoadOlePicture(const uint8_t* data, uint32_t size) {
    Close();
    // The stream owns a copy of the bytes in movable global memory, which is
    // what OLE streams are made of.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* copy = memory ? GlobalLock(memory) : nullptr;
    if (!copy) {
        if (memory) GlobalFree(memory);
        Close();
        return 1;
    }
    if (size != 0) std::memcpy(copy, data, size);
    GlobalUnlock(memory);
    CComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.Put()))) {
        GlobalFree(memory);
        Close();
        return 1;
    }
    const HRESULT hr = OleLoadPicture(stream.Get(), static_cast<LONG>(size), TRUE, IID_IPicture,
                                      picture_.PutVoid());
    if (FAILED(hr) || !picture_) {
        Close();
        return 2;
    }
    return 0;
}

int CPictureDecoder::GetSize(int& width, int& height) const {
    if (data_) {
        width = bmp_.width;
        height = bmp_.height;
        return 0;
    }
    if (!picture_) return 1;
    OLE_XSIZE_HIMETRIC himetricWidth = 0;
    OLE_YSIZE_HIMETRIC himetricHeight = 0;
    picture_->get_Width(&himetricWidth);
    picture_->get_Height(&himetricHeight);
    CScreenDc screen;
    width = MulDiv(himetricWidth, GetDeviceCaps(screen.Get(), LOGPIXELSX), kHimetricPerInch);
    height = MulDiv(himetricHeight, GetDeviceCaps(screen.Get(), LOGPIXELSY), kHimetricPerInch);
    return 0;
}

int CPictureDecoder::Draw(HDC dc) const {
    int width = 0;
    int height = 0;
    if (GetSize(width, height) != 0) return 1;
    if (data_) {
        const int lines = SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, bmp_.bits,
                                            bmp_.info, DIB_RGB_COLORS);
        return lines != 0 ? 0 : 1;
    }
    OLE_XSIZE_HIMETRIC himetricWidth = 0;
    OLE_YSIZE_HIMETRIC himetricHeight = 0;
    picture_->get_Width(&himetricWidth);
    picture_->get_Height(&himetricHeight);
    const HRESULT hr = picture_->Render(dc, 0, 0, width, height, 0, himetricHeight, himetricWidth,
                                        -himetricHeight, nullptr);
    return hr == S_OK ? 0 : 1;
}

int CPictureDecoder::Close() {
    data_ = nullptr;
    bmp_ = {};
    picture_.Reset();
    return 0;
}

int CPictureDecoder::BuildPalette(PALETTEENTRY (&entries)[256]) const {
    if (!data_) return 1;
    const int bitCount = bmp_.bitCount;
    if (bitCount > 8) return 2;
    for (int i = 0; i < kStaticColors; ++i) {
        entries[i] = {static_cast<BYTE>(i), 0, 0, PC_EXPLICIT};
        entries[kLastEntry - i] = {static_cast<BYTE>(kLastEntry - i), 0, 0, PC_EXPLICIT};
    }
    uint32_t colors = 1u << bitCount;
    if (colors > kMaxPictureColors) colors = kMaxPictureColors;
    if (colors > bmp_.tableEntries) colors = bmp_.tableEntries;
    for (uint32_t i = 0; i < colors; ++i) {
        RGBQUAD color;
        std::memcpy(&color, bmp_.table + i, sizeof color);
        entries[kStaticColors + i] = {color.rgbRed, color.rgbGreen, color.rgbBlue,
                                      PC_RESERVED | PC_NOCOLLAPSE};
    }
    for (int i = kStaticColors + static_cast<int>(colors); i < kLastEntry - kStaticColors + 1; ++i) {
        entries[i] = {0, 0, 0, 0};
    }
    return 0;
}

int LoadPictureWithSize(CPictureDecoder& decoder, const uint8_t* data, uint32_t size, int& width,
                        int& height) {
    if (decoder.Load(data, size) != 0) return 1;
    if (decoder.GetSize(width, height) != 0 || width <= 0 || height <= 0) return 2;
    return 0;
}
