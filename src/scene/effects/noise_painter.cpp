#include "scene/effects/noise_painter.h"

#include "graphics/blend_blits.h"
#include "graphics/placement.h"
#include "scene/effects/effect_rules.h"
#include "scene/rect_math.h"

namespace {

constexpr int kFramePeriod = 100;

}  // namespace

void CNoisePainter::Load() {
    frame_ = 0;
    accumulator_ = 0;
    LoadEffectPicture(picture_, "EI/Noise.bmp");
}

void CNoisePainter::Update(int milliseconds) {
    accumulator_ += milliseconds;
    while (accumulator_ > kFramePeriod) {
        accumulator_ -= kFramePeriod;
        ++frame_;
    }
}

void CNoisePainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    if (!HasPicture(picture_)) return;
    const int level = OpacityByte(placement.opacity);
    if (level == 0) return;
    const RECT area = MappedEffectArea(placement, width_, height_, clip);
    if (IsEmptyRect(area)) return;
    const int f = frame_ % kFrames;
    const RECT source = {kTile * f, 0, kTile * f + kTile, kTile};
    const int columns = (area.right - area.left) / kTile + 1;
    const int rows = (area.bottom - area.top) / kTile + 1;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int x = area.left + column * kTile;
            const int y = area.top + row * kTile;
            if (light_) {
                if (level == 255) BlitAdd(target, x, y, picture_, &source, &area);
                else BlitAddOpacity(target, x, y, picture_, &source, level, &area);
            } else {
                if (level == 255) BlitSub(target, x, y, picture_, &source, &area);
                else BlitSubOpacity(target, x, y, picture_, &source, level, &area);
            }
        }
    }
}
