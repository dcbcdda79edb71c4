// Loading pictures into a memory surface: the raw format read straight into
// the pixels, every other picture drawn by the picture decoder.
#include <cstring>

#include "graphics/dib_section.h"
#include "graphics/memory_surface.h"
#include "graphics/picture_decoder.h"
#include "graphics/raw_image.h"
#include "platform/data_file.h"
#include "platform/paths.h"

namespace {

constexpr int kDecodedBitsPerPixel = 32;

}  // namespace

int CMemorySurface::Load(const std::string& path, bool) {
    Destroy();
    std::string extension = GetExtension(path);
    MakeLowerCase(extension);
    if (extension == "abm") {
        const int result = LoadRaw(path);
        if (result == 0) {
            SetColorKeyFromPixel(0, 0);
            hasImage_ = true;
            hasAlpha_ = true;
        }
        return result;
    }
    return useDibSection_ ? LoadThroughDecoder(path) : LoadThroughDibSection(path);
}

int CMemorySurface::LoadRaw(const std::string& path) {
    CDataFile file;
    if (file.OpenWhole(path, false) != 0) return 1;
    return DecodeRawImage(*this, file.GetData(), file.GetSize());
}

// The decoder draws straight into this surface's DIB section.
int CMemorySurface::LoadThroughDecoder(const std::string& path) {
    CDataFile file;
    file.OpenWhole(path, false);
    CPictureDecoder decoder;
    int width = 0;
    int height = 0;
    const int loaded = LoadPictureWithSize(decoder, file.GetData(), file.GetSize(), width, height);
    if (loaded != 0) return loaded;
    if (AllocatePixels(width, height) != 0) return 3;
    if (decoder.Draw(dc_) != 0) return 4;
    GdiFlush();
    hasImage_ = true;
    return 0;
}

// A heap surface takes the pixels of a temporary 32-bit DIB section.
int CMemorySurface::LoadThroughDibSection(const std::string& path) {
    CDibSection picture;
    if (picture.LoadPicture(path, kDecodedBitsPerPixel) != 0) return 5;
    int width = 0;
    int height = 0;
    if (picture.GetSize(width, height) != 0) return 6;
    if (AllocatePixels(width, height) != 0) return 3;
    std::memcpy(pixels_, picture.GetBits(), static_cast<size_t>(width) * height * 4);
    hasImage_ = true;
    return 0;
}
