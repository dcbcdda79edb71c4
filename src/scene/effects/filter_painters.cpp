#include "scene/effects/filter_painters.h"

#include "scene/effects/effect_rules.h"
#include "scene/rect_math.h"

void CFilterPainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    const RECT area =
        IntersectRects(MappedEffectArea(placement, width_, height_, clip), *target.GetBounds());
    if (IsEmptyRect(area)) return;
    const int width = area.right - area.left;
    const int stride = target.GetPitch() / 4;
    Color32* row = target.GetPixels() + area.top * stride + area.left;
    for (int y = area.top; y < area.bottom; ++y, row += stride) {
        FilterRow(row, width, y);
    }
}

void CTVRasterPainter::FilterRow(Color32* pixels, int count, int y) const {
    static const Color32 kKept[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    const Color32 kept = kKept[y % 3];
    for (int i = 0; i < count; ++i) pixels[i] &= kept;
}

void CPosterizationPainter::FilterRow(Color32* pixels, int count, int) const {
    for (int i = 0; i < count; ++i) pixels[i] &= 0xFFE0E0E0;
}

void CNegativePainter::FilterRow(Color32* pixels, int count, int) const {
    for (int i = 0; i < count; ++i) pixels[i] = ~pixels[i];
}

void CMonochromePainter::FilterRow(Color32* pixels, int count, int) const {
    for (int i = 0; i < count; ++i) {
        const Color32 p = pixels[i];
        const Color32 grey = (77 * (p >> 16 & 0xFF) + 28 * (p >> 8 & 0xFF) + 151 * (p & 0xFF)) >> 8;
        pixels[i] = grey * 0x010101;
    }
}
