#include "graphics/raster_clip.h"

#include <algorithm>

bool DrawableArea(const CMemorySurface& dest, const RECT* clip, RECT& area) {
    area = *dest.GetBounds();
    if (clip) {
        area.left = std::max(area.left, clip->left);
        area.top = std::max(area.top, clip->top);
        area.right = std::min(area.right, clip->right);
        area.bottom = std::min(area.bottom, clip->bottom);
    }
    return area.left < area.right && area.top < area.bottom;
}
