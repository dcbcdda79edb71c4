#include "scene/effects/swarm_bubble_painter.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kTick = 16;
constexpr double kZoomPerSize = 0.125;

}  // namespace

void CSwarmBubblePainter::Load() {
    LoadEffectPicture(picture_, "EI/Light_Blue.bmp");
    bubbles_.clear();
    ticks_.Reset();
    for (int i = 0; i < kBubbles; ++i) {
        SwarmParticle bubble;
        bubble.x = (RandomBelow(width_ / 4) + width_ / 4) * 256;
        bubble.y = (RandomBelow(height_ / 4) + height_ / 4) * 256;
        bubble.size = std::rand() % 6 + 2;
        bubble.speed = std::rand() % 256 + 256;
        bubble.angle = std::rand() % 1024;
        const int sign = std::rand() % 2 != 0 ? -1 : 1;
        bubble.turn = sign * (std::rand() % 8 + 4);
        bubbles_.push_back(bubble);
    }
}

void CSwarmBubblePainter::Update(int milliseconds) {
    for (int n = ticks_.Add(milliseconds, kTick); n > 0; --n) {
        for (SwarmParticle& bubble : bubbles_) {
            bubble.angle += bubble.turn;
            const double theta = bubble.angle * kRadiansPerStep;
            bubble.x = static_cast<int32_t>(bubble.x + std::cos(theta) * bubble.speed);
            bubble.y = static_cast<int32_t>(bubble.y + std::sin(theta) * bubble.speed);
        }
    }
}

void CSwarmBubblePainter::Draw(const CTransform2D& placement, CMemorySurface& target,
                               const RECT* clip) {
    for (const SwarmParticle& bubble : bubbles_) {
        DrawEffectPicture(target, picture_, placement,
                          ParticlePlacement(bubble.x, bubble.y, bubble.size * kZoomPerSize, 1.0),
                          &DrawImageAdd, nullptr, clip);
    }
}
