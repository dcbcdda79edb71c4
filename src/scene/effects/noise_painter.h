// Animated noise tiled over the area from "EI/Noise.bmp" (16 frames of
// 64 x 64 side by side), added to what lies beneath (LightNoise) or taken
// from it (DarkNoise), weighted by the opacity.
#pragma once

#include "scene/effects/effect_painter.h"

class CNoisePainter : public CEffectPainter {
public:
    static constexpr int kTile = 64;
    static constexpr int kFrames = 16;

    // light: add the noise; otherwise subtract it.
    CNoisePainter(int width, int height, bool light)
        : CEffectPainter(width, height), light_(light) {}

    void Load() override;
    // The frame advances once per 100 ms, and only while more than 100 ms
    // are gathered.
    void Update(int milliseconds) override;
    // Tiles of the frame from the top-left corner of the mapped area, as many
    // as cover it, each kept inside that area and the clip.
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    int GetFrame() const { return frame_; }

private:
    bool light_;
    int frame_ = 0;
    int accumulator_ = 0;
    CMemorySurface picture_;
};
