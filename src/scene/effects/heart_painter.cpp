#include "scene/effects/heart_painter.h"

#include <cstdlib>

#include "graphics/png_image.h"

namespace {

constexpr int kTick = 16;
constexpr int kStartRow = 670;
constexpr int32_t kRestartAbove = -50 * 256;
constexpr double kZoomPerDepth = 0.0625;

}  // namespace

void CHeartPainter::Place(EffectParticle& heart) const {
    heart.x = RandomBelow(width_) * 256;
    heart.y = (RandomBelow(height_ + 100) + kStartRow) * 256;
    heart.vx = std::rand() % 512 - 255;
}

void CHeartPainter::Load() {
    LoadPngImage(picture_, "EI/Heart.png");
    hearts_.clear();
    ticks_.Reset();
    for (int i = 0; i < kHearts; ++i) {
        EffectParticle heart;
        Place(heart);
        heart.depth = DrawDepth();
        heart.vy = -heart.depth * 256;
        hearts_.push_back(heart);
    }
}

void CHeartPainter::Update(int milliseconds) {
    for (int n = ticks_.Add(milliseconds, kTick); n > 0; --n) {
        for (EffectParticle& heart : hearts_) {
            heart.x += heart.vx;
            heart.y += heart.vy;
            if (heart.y <= kRestartAbove) Place(heart);
        }
    }
}

void CHeartPainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    for (const EffectParticle& heart : hearts_) {
        DrawEffectPicture(target, picture_, placement,
                          ParticlePlacement(heart.x, heart.y, heart.depth * kZoomPerDepth, 1.0),
                          &DrawImageNormal, nullptr, clip);
    }
}
