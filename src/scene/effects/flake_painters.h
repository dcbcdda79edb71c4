// Falling snow: 128 flakes of "EI/Snow.bmp", added to what lies beneath,
// sized and sped by their depth. Snow and SlowSnow differ in their tick,
// their speed and their sideways drift.
#pragma once

#include <vector>

#include "scene/effects/effect_painter.h"
#include "scene/effects/effect_rules.h"

class CFlakePainter : public CEffectPainter {
public:
    static constexpr int kFlakes = 128;

    using CEffectPainter::CEffectPainter;

    // The picture, then every flake: x, y, drift, then the depth that sets
    // its fall.
    void Load() override;
    void Clear() override { flakes_.clear(); }
    void Update(int milliseconds) override;
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    const std::vector<EffectParticle>& GetFlakes() const { return flakes_; }

protected:
    virtual int Tick() const = 0;
    // The fall per tick of a depth, in 1/256 pixel.
    virtual int FallPerDepth() const = 0;
    virtual int StartDrift() const = 0;
    virtual int RespawnDrift() const = 0;

private:
    std::vector<EffectParticle> flakes_;
    CTickAccumulator ticks_;
    CMemorySurface picture_;
};

class CSnowPainter : public CFlakePainter {
public:
    using CFlakePainter::CFlakePainter;

protected:
    int Tick() const override { return 16; }
    int FallPerDepth() const override { return 256; }
    int StartDrift() const override;
    int RespawnDrift() const override;
};

class CSlowSnowPainter : public CFlakePainter {
public:
    using CFlakePainter::CFlakePainter;

protected:
    int Tick() const override { return 10; }
    int FallPerDepth() const override { return 64; }
    int StartDrift() const override;
    int RespawnDrift() const override { return StartDrift(); }
};
