// Pictures warped through the mesh-warp routines, scrolling with a clock:
// a landscape under a horizon, a tunnel and a sphere. Only the placement's
// translation counts: opacity, zoom and rotation are ignored.
#pragma once

#include <string>

#include "scene/effects/effect_painter.h"

class CWarpPainter : public CEffectPainter {
public:
    // The warp routines' shape: target, x, y, source, clip, width, height
    // and four parameters.
    using WarpRoutine = void (*)(CMemorySurface&, int, int, const CMemorySurface&, const RECT*, int,
                                 int, int, int, int, int);

    using CEffectPainter::CEffectPainter;

    // Clock 0; the picture is loaded onto a DIB section.
    void Load() override;
    void Update(int milliseconds) override { clock_ += static_cast<unsigned>(milliseconds); }
    // The routine at the truncated placement point over the painter's area,
    // cut by the clip, with the parameters of the painter at clock / 10.
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    unsigned GetClock() const { return clock_; }

protected:
    struct WarpCall {
        WarpRoutine routine;
        int a, b, c, d;
    };
    virtual const char* PictureName() const = 0;
    // The routine and its parameters for c = clock / 10.
    virtual WarpCall CallFor(int c) const = 0;

private:
    unsigned clock_ = 0;
    CMemorySurface picture_;
};

// "Image/地面.bmp" scrolled towards the viewer under a level horizon.
class CLandscapePainter : public CWarpPainter {
public:
    using CWarpPainter::CWarpPainter;

protected:
    const char* PictureName() const override;
    WarpCall CallFor(int c) const override;
};

// "Image/雲海.bmp" round the walls of a tunnel, turning and flowing past.
class CTunnelPainter : public CWarpPainter {
public:
    using CWarpPainter::CWarpPainter;

protected:
    const char* PictureName() const override;
    WarpCall CallFor(int c) const override;
};

// "Image/星空.bmp" on a sphere, tilting.
class CSpherePainter : public CWarpPainter {
public:
    using CWarpPainter::CWarpPainter;

protected:
    const char* PictureName() const override;
    WarpCall CallFor(int c) const override;
};
