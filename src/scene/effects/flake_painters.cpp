#include "scene/effects/flake_painters.h"

#include <cstdlib>

namespace {

constexpr double kZoomPerDepth = 0.0625;

}  // namespace

void CFlakePainter::Load() {
    LoadEffectPicture(picture_, "EI/Snow.bmp");
    flakes_.clear();
    ticks_.Reset();
    for (int i = 0; i < kFlakes; ++i) {
        EffectParticle flake;
        flake.x = RandomBelow(width_) * 256;
        flake.y = (RandomBelow(height_ + 100) - 50) * 256;
        flake.vx = StartDrift();
        flake.depth = DrawDepth();
        flake.vy = flake.depth * FallPerDepth();
        flakes_.push_back(flake);
    }
}

void CFlakePainter::Update(int milliseconds) {
    for (int n = ticks_.Add(milliseconds, Tick()); n > 0; --n) {
        for (EffectParticle& flake : flakes_) {
            flake.x += flake.vx;
            flake.y += flake.vy;
            if (flake.y / 256 < height_ + 50) continue;
            flake.x = RandomBelow(width_) * 256;
            flake.y = (-50 - RandomBelow(flake.vy * 100 / 256)) * 256;
            flake.vx = RespawnDrift();
        }
    }
}

void CFlakePainter::Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) {
    for (const EffectParticle& flake : flakes_) {
        DrawEffectPicture(target, picture_, placement,
                          ParticlePlacement(flake.x, flake.y, flake.depth * kZoomPerDepth, 1.0),
                          &DrawImageAdd, nullptr, clip);
    }
}

int CSnowPainter::StartDrift() const { return std::rand() % 256 - 128; }

int CSnowPainter::RespawnDrift() const { return (std::rand() % 16 - 8) * 16; }

int CSlowSnowPainter::StartDrift() const { return std::rand() % 64 - 32; }
