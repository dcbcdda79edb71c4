// Rain drawn as white anti-aliased lines: Rain falls slanting through the
// area, LookUpRain bursts from its centre, its drops longer and brighter the
// farther they are from it.
#pragma once

#include <vector>

#include "scene/effects/effect_painter.h"
#include "scene/effects/effect_rules.h"

class CRainPainter : public CEffectPainter {
public:
    static constexpr int kDrops = 400;

    using CEffectPainter::CEffectPainter;

    // Every drop: x, y, then the depth that sets its fall.
    void Load() override;
    void Clear() override { drops_.clear(); }
    void Update(int milliseconds) override;
    // A drop is a line ten ticks long, its alpha growing with its speed and
    // scaled by the opacity, clipped to the mapped area.
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    const std::vector<EffectParticle>& GetDrops() const { return drops_; }

private:
    std::vector<EffectParticle> drops_;
    CTickAccumulator ticks_;
};

class CLookUpRainPainter : public CEffectPainter {
public:
    static constexpr int kDrops = 400;

    using CEffectPainter::CEffectPainter;

    // Every drop at the centre with a direction and a speed, then 500 ms of
    // flight so that they start spread out.
    void Load() override;
    void Clear() override { drops_.clear(); }
    void Update(int milliseconds) override;
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    const std::vector<EffectParticle>& GetDrops() const { return drops_; }

private:
    // At the centre, with a new direction (rand() mod 360 degrees) and speed
    // (rand() mod 10 + 5 pixels per tick). The depth is not used.
    void Launch(EffectParticle& drop) const;

    std::vector<EffectParticle> drops_;
    CTickAccumulator ticks_;
};
