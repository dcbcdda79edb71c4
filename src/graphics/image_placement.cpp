#include "graphics/image_placement.h"

#include <algorithm>
#include <cmath>

#include "graphics/placement.h"

namespace {

constexpr double kFixedOne = 65536.0;

void PictureSize(const CMemorySurface& src, const RECT* sourceRect, int& width, int& height) {
    if (sourceRect) {
        width = sourceRect->right - sourceRect->left;
        height = sourceRect->bottom - sourceRect->top;
    } else {
        src.GetSize(width, height);
    }
}

// Held inside the 32-bit range (less one, for the corners' - 1); such
// corners lie outside every source and draw nothing.
int32_t FixedFrom(double pixels) {
    return static_cast<int32_t>(std::clamp(std::trunc(pixels * kFixedOne), -2147483647.0, 2147483647.0));
}

ImageBlitWeighting Weighting(bool useSourceAlpha, int opacity, bool halfAllowed) {
    if (useSourceAlpha) {
        return opacity == 255 ? ImageBlitWeighting::Alpha : ImageBlitWeighting::AlphaOpacity;
    }
    if (opacity == 255) return ImageBlitWeighting::Opaque;
    return halfAllowed && opacity == 128 ? ImageBlitWeighting::Half : ImageBlitWeighting::Opacity;
}

}  // namespace

bool PlaceImageUnrotated(const CMemorySurface& src, const CTransform2D& placement,
                         const RECT* sourceRect, double destRect[4], int& opacity) {
    const int byte = OpacityByte(placement.opacity);
    if (byte == 0) return false;
    opacity = byte;
    int width, height;
    PictureSize(src, sourceRect, width, height);
    if (placement.IsUnscaled()) {
        RECT r = {0, 0, width, height};
        placement.MapRect(r);
        destRect[0] = r.left;
        destRect[1] = r.top;
        destRect[2] = r.right;
        destRect[3] = r.bottom;
    } else {
        destRect[0] = destRect[1] = 0;
        destRect[2] = width;
        destRect[3] = height;
        placement.MapSegment(destRect);
    }
    return true;
}

bool PlaceImageRotated(const CMemorySurface& src, const CTransform2D& placement,
                       const RECT* sourceRect, FixedPoint sourceCorners[4],
                       FixedPoint destCorners[4], int& opacity) {
    const int byte = OpacityByte(placement.opacity);
    if (byte == 0) return false;
    opacity = byte;
    int32_t x0 = 0, y0 = 0, x1, y1;
    if (sourceRect) {
        x0 = FixedFrom(sourceRect->left);
        y0 = FixedFrom(sourceRect->top);
        x1 = FixedFrom(sourceRect->right) - 1;
        y1 = FixedFrom(sourceRect->bottom) - 1;
    } else {
        int width, height;
        src.GetSize(width, height);
        x1 = static_cast<int32_t>(static_cast<uint32_t>(width) << 16) - 1;
        y1 = static_cast<int32_t>(static_cast<uint32_t>(height) << 16) - 1;
    }
    sourceCorners[0] = {x0, y0};
    sourceCorners[1] = {x1, y0};
    sourceCorners[2] = {x1, y1};
    sourceCorners[3] = {x0, y1};
    ComputeRotatedCorners(placement, double(x1) - x0, double(y1) - y0, destCorners);
    return true;
}

ImageBlit ChooseImageBlit(const CMemorySurface& src, const CTransform2D& placement,
                          bool useSourceAlpha, const RECT* sourceRect) {
    ImageBlit blit;
    if (!IsPlacementVisible(placement)) return blit;
    if (placement.IsRotated()) {
        if (!PlaceImageRotated(src, placement, sourceRect, blit.sourceCorners, blit.destCorners,
                               blit.opacity)) {
            return blit;
        }
        blit.kind = ImageBlitKind::Rotated;
        blit.weighting = Weighting(useSourceAlpha, blit.opacity, false);
        return blit;
    }
    if (!PlaceImageUnrotated(src, placement, sourceRect, blit.destRect, blit.opacity)) return blit;
    if (!(blit.destRect[0] < blit.destRect[2] && blit.destRect[1] < blit.destRect[3])) return blit;
    const bool unit = placement.IsUnscaled();
    blit.kind = unit ? ImageBlitKind::OneToOne : ImageBlitKind::Scaled;
    blit.weighting = Weighting(useSourceAlpha, blit.opacity, unit);
    if (unit) {
        blit.x = static_cast<int>(std::trunc(blit.destRect[0]));
        blit.y = static_cast<int>(std::trunc(blit.destRect[1]));
    }
    return blit;
}
