#include "text/balloon/soft_edges.h"

#include "graphics/lines.h"
#include "graphics/mask_composite.h"
#include "text/balloon/gdi_objects.h"

namespace {

struct SoftEdgeForm {
    void (*blur)(CMemorySurface& dest, const CMemorySurface& src);
    COLORREF border;  // coverage 128 in the blue byte
    int placeA, placeB;  // of the work surfaces' allocation errors
};

void PaintSoftEdge(CMemorySurface& picture, const CGdiRegion& hit, Color32 edgeRgb, int passes,
                   int edgeAlpha, const SoftEdgeForm& form) {
    int width, height;
    picture.GetSize(width, height);
    CMemorySurface a, b;
    CreateWorkSurface(a, width, height, form.placeA);
    CreateWorkSurface(b, width, height, form.placeB);
    // The filters never write the border, so B's border must start at zero.
    DrawLineSolid(b, 0, 0, width - 1, 0, 0, nullptr);
    DrawLineSolid(b, 0, height - 1, width - 1, height - 1, 0, nullptr);
    DrawLineSolid(b, 0, 0, 0, height - 1, 0, nullptr);
    DrawLineSolid(b, width - 1, 0, width - 1, height - 1, 0, nullptr);
    {
        CGdiObject brush(CreateSolidBrush(static_cast<COLORREF>(edgeAlpha & 0xFF) << 16));
        FillRgn(a.GetDC(), hit.Get(), brush.Brush());
        GdiFlush();
    }
    CMemorySurface* last = &a;
    for (int k = 0; k < passes; ++k) {
        if (k % 2 == 0) {
            form.blur(b, a);
            last = &b;
        } else {
            form.blur(a, b);
            last = &a;
        }
    }
    CGdiObject clear(CreateSolidBrush(0));
    CGdiObject border(CreateSolidBrush(form.border));
    FillRgn(last->GetDC(), hit.Get(), clear.Brush());
    FrameRgn(last->GetDC(), hit.Get(), border.Brush(), 1, 1);
    GdiFlush();
    CompositeColorUnderMask(picture, *last, edgeRgb);
}

}  // namespace

void PaintFadeEdge(CMemorySurface& picture, const CGdiRegion& hit, Color32 edgeRgb, int passes,
                   int edgeAlpha) {
    PaintSoftEdge(picture, hit, edgeRgb, passes, edgeAlpha,
                  {AverageNeighbours8, 0x800000, 268, 271});
}

void PaintShadowEdge(CMemorySurface& picture, const CGdiRegion& hit, Color32 edgeRgb,
                     int passes, int edgeAlpha) {
    PaintSoftEdge(picture, hit, edgeRgb, passes, edgeAlpha,
                  {AverageBlock2x2, 0x808080, 329, 332});
}
