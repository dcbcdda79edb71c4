#include "text/balloon/region_painting.h"

#include "graphics/mask_composite.h"
#include "graphics/rectangle_fill.h"
#include "text/balloon/gdi_objects.h"

namespace {

// Work surfaces of twice the picture's size.
void CreateDoubleSurface(CMemorySurface& work, const CMemorySurface& picture, int place) {
    int width, height;
    picture.GetSize(width, height);
    CreateWorkSurface(work, 2 * width, 2 * height, place);
}

void FillRegion(const CMemorySurface& work, const CGdiRegion& region, COLORREF colour) {
    CGdiObject brush(CreateSolidBrush(colour));
    FillRgn(work.GetDC(), region.Get(), brush.Brush());
}

void FrameRegion(const CMemorySurface& work, const CGdiRegion& region, COLORREF colour,
                 int thickness) {
    CGdiObject brush(CreateSolidBrush(colour));
    FrameRgn(work.GetDC(), region.Get(), brush.Brush(), thickness, thickness);
}

}  // namespace

void FillShapeRegion(CMemorySurface& picture, const CGdiRegion& paint, Color32 fill) {
    CMemorySurface work;
    CreateDoubleSurface(work, picture, 167);
    FillRegion(work, paint, CoverageColour(fill));
    GdiFlush();
    FillColorWithMask2x(picture, work, fill);
}

void FrameShapeRegion(CMemorySurface& picture, const CGdiRegion& paint, Color32 edge) {
    CMemorySurface work;
    CreateDoubleSurface(work, picture, 189);
    FrameRegion(work, paint, CoverageColour(edge), 2);
    GdiFlush();
    FillColorWithMask2x(picture, work, edge);
}

void FillAndFrameShapeRegion(CMemorySurface& picture, const CGdiRegion& paint, Color32 fill,
                             Color32 edge) {
    CMemorySurface work;
    CreateDoubleSurface(work, picture, 178);
    FillSurfaceFast(work, fill & 0x00FFFFFF);
    FrameRegion(work, paint, RgbColour(edge), 2);
    GdiFlush();

    int width, height;
    picture.GetSize(width, height);
    const Color32* src = work.GetPixels();
    Color32* dest = picture.GetPixels();
    const int pitch = 2 * width;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Color32* block = src + 2 * y * pitch + 2 * x;
            Color32 out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                uint32_t sum = ((block[0] >> shift) & 0xFF) + ((block[1] >> shift) & 0xFF) +
                               ((block[pitch] >> shift) & 0xFF) +
                               ((block[pitch + 1] >> shift) & 0xFF);
                out |= (sum >> 2) << shift;
            }
            dest[y * width + x] = out;
        }
    }

    FillSurfaceFast(work, 0);
    FillRegion(work, paint, CoverageColour(fill));
    FrameRegion(work, paint, CoverageColour(edge), 2);
    GdiFlush();
    SetAlphaFromMask2x(picture, work);
}
