#include "scene/effects/bubble_painter.h"

#include <cstdlib>

namespace {

constexpr int kTick = 16;
constexpr int32_t kRestartAbove = -100 * 256;
constexpr int kRespawnColumns = 300;
constexpr double kZoomPerDepth = 0.25;
constexpr double kOpacity = 0.5;

int32_t Drift() { return (std::rand() % 16 - 8) * 16; }
int32_t Lift() { return std::rand() % 13 + 4; }

}  // namespace

void CBubblePainter::Load() {
    LoadEffectPicture(picture_, "EI/Bubble.bmp");
    bubbles_.clear();
    ticks_.Reset();
    for (int i = 0; i < kBubbles; ++i) {
        BubbleParticle bubble;
        bubble.x = RandomBelow(width_) * 256;
        bubble.y = (RandomBelow(height_ + 1) + height_) * 256;
        bubble.vx = Drift();
        bubble.vy = 0;
        bubble.lift = Lift();
        bubble.clock = std::rand() % 1000;
        bubble.depth = DrawDepth();
        bubbles_.push_back(bubble);
    }
}

void CBubblePainter::Update(int milliseconds) {
    for (int n = ticks_.Add(milliseconds, kTick); n > 0; --n) {
        for (BubbleParticle& bubble : bubbles_) {
            bubble.x += bubble.vx;
            bubble.y += bubble.vy;
            bubble.vy -= bubble.lift / 4;
            if (bubble.y < kRestartAbove) {
                bubble.x = std::rand() % kRespawnColumns * 256;
                bubble.y = (height_ + 100) * 256;
                bubble.vx = Drift();
                bubble.vy = 0;
                bubble.lift = Lift();
            }
            bubble.clock += kTick;
        }
    }
}

void CBubblePainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    for (const BubbleParticle& bubble : bubbles_) {
        const int frame = bubble.clock / 100 % kFrames;
        const RECT source = {frame * kFrameSize, 0, frame * kFrameSize + kFrameSize, kFrameSize};
        DrawEffectPicture(target, picture_, placement,
                          ParticlePlacement(bubble.x, bubble.y, bubble.depth * kZoomPerDepth, kOpacity),
                          &DrawImageAdd, &source, clip);
    }
}
