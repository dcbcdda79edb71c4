#include "scene/effects/float_bubble_painter.h"

#include <cstdlib>

namespace {

constexpr int kTick = 16;
constexpr int32_t kRestartAbove = -100 * 256;
constexpr int32_t kRestartRow = 900 * 256;
constexpr int kRespawnColumns = 300;
constexpr float kZoomPerUnit = 1.0f / 204800.0f;
constexpr double kOpacity = 0.5;

int32_t Drift() { return (std::rand() % 16 - 8) * 16; }

}  // namespace

double CFloatBubblePainter::ZoomAt(int32_t y, int32_t depth) {
    return (y * static_cast<double>(kZoomPerUnit) + 0.5) * depth * 0.25;
}

void CFloatBubblePainter::Load() {
    LoadEffectPicture(picture_, "EI/Light_Blue.bmp");
    bubbles_.clear();
    ticks_.Reset();
    for (int i = 0; i < kBubbles; ++i) {
        EffectParticle bubble;
        bubble.x = RandomBelow(width_) * 256;
        bubble.y = (std::rand() % 100 + height_) * 256;
        bubble.vx = Drift();
        bubble.vy = std::rand() % 64 * 16;
        bubble.depth = DrawDepth();
        bubbles_.push_back(bubble);
    }
}

void CFloatBubblePainter::Update(int milliseconds) {
    for (int n = ticks_.Add(milliseconds, kTick); n > 0; --n) {
        for (EffectParticle& bubble : bubbles_) {
            bubble.x += bubble.vx;
            bubble.y += bubble.vy;
            bubble.vy -= 4;
            if (bubble.y >= kRestartAbove) continue;
            bubble.x = std::rand() % kRespawnColumns * 256;
            bubble.y = kRestartRow;
            bubble.vx = Drift();
            bubble.vy = 0;
        }
    }
}

void CFloatBubblePainter::Draw(const CTransform2D& placement, CMemorySurface& target,
                               const RECT* clip) {
    for (const EffectParticle& bubble : bubbles_) {
        DrawEffectPicture(target, picture_, placement,
                          ParticlePlacement(bubble.x, bubble.y, ZoomAt(bubble.y, bubble.depth), kOpacity),
                          &DrawImageAdd, nullptr, clip);
    }
}
