// 32 bubbles of "EI/Light_Blue.bmp" that sink a little, then float up,
// growing with their distance from the top; added at half opacity.
#pragma once

#include <vector>

#include "scene/effects/effect_painter.h"
#include "scene/effects/effect_rules.h"

class CFloatBubblePainter : public CEffectPainter {
public:
    static constexpr int kBubbles = 32;

    using CEffectPainter::CEffectPainter;

    // The picture, then every bubble: x, y, drift, fall, then its depth.
    void Load() override;
    void Clear() override { bubbles_.clear(); }
    // A bubble 100 pixels above the top restarts at x = rand() mod 300 on
    // row 900, whatever the area's size.
    void Update(int milliseconds) override;
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    const std::vector<EffectParticle>& GetBubbles() const { return bubbles_; }

    // The zoom of a bubble at y (1/256 pixel) of the depth: y / 800 in
    // pixels plus one half, times a quarter of the depth.
    static double ZoomAt(int32_t y, int32_t depth);

private:
    std::vector<EffectParticle> bubbles_;
    CTickAccumulator ticks_;
    CMemorySurface picture_;
};
