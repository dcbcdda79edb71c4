#include "graphics/png_image.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "platform/data_file.h"

namespace {

constexpr uint32_t kSignatureBytes = 4;
constexpr png_uint_32 kOpaqueFiller = 8;

struct PngSource {
    const uint8_t* data;
    uint32_t size;
    uint32_t offset;
};

// libpng's reader: a read past the end of the data is a libpng error, so a
// truncated file fails instead of decoding bytes that were never there.
void ReadFromSource(png_structp png, png_bytep out, png_size_t count) {
    PngSource* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->size - source->offset) png_error(png, "the PNG data end early");
    std::memcpy(out, source->data + source->offset, count);
    source->offset += static_cast<uint32_t>(count);
}

class CPngReadStructs {
public:
    CPngReadStructs()
        : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)),
          info_(png_ ? png_create_info_struct(png_) : nullptr) {}
    ~CPngReadStructs() {
        if (png_) png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr);
    }
    CPngReadStructs(const CPngReadStructs&) = delete;
    CPngReadStructs& operator=(const CPngReadStructs&) = delete;

    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

private:
    png_structp png_;
    png_infop info_;
};

void SetTransforms(png_structp png, int colorType, int bitDepth) {
    switch (colorType) {
    case PNG_COLOR_TYPE_PALETTE:
        png_set_expand(png);
        png_set_bgr(png);
        break;
    case PNG_COLOR_TYPE_GRAY:
        if (bitDepth < 8) png_set_expand(png);
        png_set_gray_to_rgb(png);
        break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(png);
        break;
    default:
        png_set_bgr(png);
        break;
    }
    if (bitDepth == 16) png_set_strip_16(png);
    if (colorType != PNG_COLOR_TYPE_RGB_ALPHA || bitDepth != 8) {
        png_set_filler(png, kOpaqueFiller, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(png);
}

// The part of the read during which libpng may give up: its errors come back
// here by long jump, past nothing that needs destroying.
int ReadImage(png_structp png, png_infop info, CMemorySurface& surface,
              std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return -1;
    png_set_sig_bytes(png, kSignatureBytes);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const int colorType = png_get_color_type(png, info);
    SetTransforms(png, colorType, png_get_bit_depth(png, info));
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) return -1;

    if (surface.CreateUncleared(static_cast<int>(width), static_cast<int>(height)) != 0) return -2;
    uint8_t* pixels = reinterpret_cast<uint8_t*>(surface.GetPixels());
    rows.resize(height);
    for (png_uint_32 i = 0; i < height; ++i) rows[i] = pixels + static_cast<size_t>(i) * width * 4;
    png_read_image(png, rows.data());
    if (colorType & PNG_COLOR_MASK_ALPHA) surface.SetHasAlpha(true);
    return 0;
}

}  // namespace

int DecodePngImage(CMemorySurface& surface, const uint8_t* data, uint32_t size) {
    if (size < kSignatureBytes || png_sig_cmp(data, 0, kSignatureBytes) != 0) return -1;
    CPngReadStructs structs;
    if (!structs.Info()) return -1;
    PngSource source = {data, size, kSignatureBytes};
    png_set_read_fn(structs.Png(), &source, ReadFromSource);
    std::vector<png_bytep> rows;
    const int result = ReadImage(structs.Png(), structs.Info(), surface, rows);
    if (result != 0) surface.Destroy();
    return result;
}

int LoadPngImage(CMemorySurface& surface, const std::string& path) {
    CDataFile file;
    if (file.OpenWhole(path, false) != 0) return -1;
    return DecodePngImage(surface, file.GetData(), file.GetSize());
}
