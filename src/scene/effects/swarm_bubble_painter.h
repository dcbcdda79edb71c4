// 16 bubbles of "EI/Light_Blue.bmp" circling in the middle of the area, each
// at its own size, speed and turn; added at full opacity.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/effects/effect_painter.h"
#include "scene/effects/effect_rules.h"

struct SwarmParticle {
    int32_t x;
    int32_t y;
    int32_t size;   // zoom in eighths
    int32_t speed;  // 1/256 pixel per tick
    int32_t angle;  // 1024 per turn
    int32_t turn;   // added to the angle per tick
};

class CSwarmBubblePainter : public CEffectPainter {
public:
    static constexpr int kBubbles = 16;
    // 2 pi / 1024.
    static constexpr double kRadiansPerStep = 0.00613592315234375;

    using CEffectPainter::CEffectPainter;

    // The picture, then every bubble: x and y in the second quarter of the
    // area, size, speed, angle, and the turn's sign (an odd draw turns
    // backwards) before its magnitude.
    void Load() override;
    void Clear() override { bubbles_.clear(); }
    void Update(int milliseconds) override;
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    const std::vector<SwarmParticle>& GetBubbles() const { return bubbles_; }

private:
    std::vector<SwarmParticle> bubbles_;
    CTickAccumulator ticks_;
    CMemorySurface picture_;
};
