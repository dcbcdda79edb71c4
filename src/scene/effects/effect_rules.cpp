#include "scene/effects/effect_rules.h"

#include <cmath>
#include <cstdlib>

#include "scene/rect_math.h"

int DrawDepth() {
    const int r = std::rand() % 1000000;
    if (r == 0) return 1;
    return static_cast<int>(12.0 - std::log(static_cast<double>(r)));
}

int RandomBelow(int n) { return std::rand() % Divisor(n); }

int CTickAccumulator::Add(int milliseconds, int tick) {
    milliseconds_ += milliseconds;
    int ticks = 0;
    while (milliseconds_ >= tick) {
        milliseconds_ -= tick;
        ++ticks;
    }
    return ticks;
}

CTransform2D ParticlePlacement(int32_t x, int32_t y, double zoom, double opacity) {
    return CTransform2D(x >> 8, y >> 8, opacity, zoom, zoom, 0.0);
}

void DrawEffectPicture(CMemorySurface& target, const CMemorySurface& picture,
                       const CTransform2D& node, const CTransform2D& own, DrawImageFunction draw,
                       const RECT* source, const RECT* clip) {
    if (!HasPicture(picture)) return;
    CTransform2D placement = node;
    placement.Compose(own);
    draw(target, picture, placement, picture.HasAlpha(), source, clip);
}

RECT MappedEffectArea(const CTransform2D& placement, int width, int height, const RECT* clip) {
    RECT area = {0, 0, width, height};
    placement.MapRect(area);
    return clip ? IntersectRects(area, *clip) : area;
}

void LoadEffectPicture(CMemorySurface& surface, const std::string& path) {
    surface.Load(path, false);
}
