#include "scene/effects/rain_painters.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphics/lines.h"
#include "scene/rect_math.h"

namespace {

constexpr int kTick = 16;
constexpr Color32 kWhite = 0x00FFFFFF;
constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
constexpr int kMaxLookUpLength = 255;

Color32 WhiteWithAlpha(double alpha) {
    const int a = std::clamp(static_cast<int>(alpha), 0, 255);
    return kWhite | static_cast<Color32>(a) << 24;
}

}  // namespace

void CRainPainter::Load() {
    drops_.clear();
    ticks_.Reset();
    for (int i = 0; i < kDrops; ++i) {
        EffectParticle drop;
        drop.x = (RandomBelow(width_ + 200) - 100) * 256;
        drop.y = (RandomBelow(height_ + 100) - 50) * 256;
        drop.depth = DrawDepth();
        drop.vx = 256;
        drop.vy = drop.depth * 2560;
        drops_.push_back(drop);
    }
}

void CRainPainter::Update(int milliseconds) {
    for (int n = ticks_.Add(milliseconds, kTick); n > 0; --n) {
        for (EffectParticle& drop : drops_) {
            drop.x += drop.vx;
            drop.y += drop.vy;
            if (drop.y / 256 < height_ + 50) continue;
            drop.x = (RandomBelow(width_ + 200) - 100) * 256;
            drop.y = (-50 - RandomBelow(drop.vy * 100 / 256)) * 256;
        }
    }
}

void CRainPainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    const RECT area = MappedEffectArea(placement, width_, height_, clip);
    if (IsEmptyRect(area)) return;
    for (const EffectParticle& drop : drops_) {
        int x1 = drop.x / 256;
        int y1 = drop.y / 256;
        int x2 = x1 + drop.vx * 10 / 256;
        int y2 = y1 + drop.vy * 10 / 256;
        placement.MapPoint(x1, y1);
        placement.MapPoint(x2, y2);
        const Color32 colour = WhiteWithAlpha((drop.vy * 2 / 256 + 32) * placement.opacity);
        DrawLine(target, x1, y1, x2, y2, colour, &area);
    }
}

void CLookUpRainPainter::Launch(EffectParticle& drop) const {
    drop.x = width_ / 2 * 256;
    drop.y = height_ / 2 * 256;
    const double angle = (std::rand() % 360) * kDegreesToRadians;
    const int speed = std::rand() % 10 + 5;
    drop.vx = static_cast<int32_t>(std::cos(angle) * speed * 256);
    drop.vy = static_cast<int32_t>(std::sin(angle) * speed * 256);
}

void CLookUpRainPainter::Load() {
    drops_.clear();
    ticks_.Reset();
    for (int i = 0; i < kDrops; ++i) {
        EffectParticle drop = {0, 0, 0, 0, 0};
        Launch(drop);
        drops_.push_back(drop);
    }
    Update(500);
}

void CLookUpRainPainter::Update(int milliseconds) {
    for (int n = ticks_.Add(milliseconds, kTick); n > 0; --n) {
        for (EffectParticle& drop : drops_) {
            drop.x += drop.vx;
            drop.y += drop.vy;
            const int px = drop.x / 256;
            const int py = drop.y / 256;
            const bool inside = -100 < py && py < height_ + 100 && -100 < px && px < width_ + 100;
            if (!inside) Launch(drop);
        }
    }
}

void CLookUpRainPainter::Draw(const CTransform2D& placement, CMemorySurface& target,
                              const RECT* clip) {
    const int cx = width_ / 2;
    const int cy = height_ / 2;
    for (const EffectParticle& drop : drops_) {
        int x1 = drop.x / 256;
        int y1 = drop.y / 256;
        const int length = std::min(
            static_cast<int>(std::hypot(cx - x1, cy - y1) * 0.7), kMaxLookUpLength);
        int x2 = x1 + drop.vx * 5 / 256 * length / 64;
        int y2 = y1 + drop.vy * 5 / 256 * length / 64;
        placement.MapPoint(x1, y1);
        placement.MapPoint(x2, y2);
        DrawLine(target, x1, y1, x2, y2, WhiteWithAlpha(length * placement.opacity), clip);
    }
}
