// Bubbles rising faster and faster from below the area, each an animated
// 16 x 16 picture of "EI/Bubble.bmp" (8 frames side by side) added at half
// opacity.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/effects/effect_painter.h"
#include "scene/effects/effect_rules.h"

struct BubbleParticle {
    int32_t x;
    int32_t y;
    int32_t depth;
    int32_t vx;
    int32_t vy;
    int32_t lift;   // taken from vy, a quarter per tick
    int32_t clock;  // ms of ticks, for the frame
};

class CBubblePainter : public CEffectPainter {
public:
    static constexpr int kBubbles = 64;
    static constexpr int kFrames = 8;
    static constexpr int kFrameSize = 16;

    using CEffectPainter::CEffectPainter;

    // The picture, then every bubble: x, y, drift, lift, clock, then the
    // depth that sets its size.
    void Load() override;
    void Clear() override { bubbles_.clear(); }
    // A bubble 100 pixels above the top restarts below the area at
    // x = rand() mod 300, whatever the width.
    void Update(int milliseconds) override;
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    const std::vector<BubbleParticle>& GetBubbles() const { return bubbles_; }

private:
    std::vector<BubbleParticle> bubbles_;
    CTickAccumulator ticks_;
    CMemorySurface picture_;
};
