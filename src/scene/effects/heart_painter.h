// Hearts of "EI/Heart.png" rising from below the area, drawn over it with
// their alpha; no script name makes this painter.
#pragma once

#include <vector>

#include "scene/effects/effect_painter.h"
#include "scene/effects/effect_rules.h"

class CHeartPainter : public CEffectPainter {
public:
    static constexpr int kHearts = 128;

    using CEffectPainter::CEffectPainter;

    // The picture, then every heart: x, y (from row 670 down, whatever the
    // height), drift, then the depth that sets its rise.
    void Load() override;
    void Clear() override { hearts_.clear(); }
    void Update(int milliseconds) override;
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    const std::vector<EffectParticle>& GetHearts() const { return hearts_; }

private:
    // New x, y and drift by the starting formulas.
    void Place(EffectParticle& heart) const;

    std::vector<EffectParticle> hearts_;
    CTickAccumulator ticks_;
    CMemorySurface picture_;
};
