// Pixel filters that rework, in place, what has already been drawn beneath
// the node, inside its mapped area. They load nothing, do not animate and
// ignore the opacity.
#pragma once

#include "graphics/color32.h"
#include "scene/effects/effect_painter.h"

class CFilterPainter : public CEffectPainter {
public:
    using CEffectPainter::CEffectPainter;

    void Load() override {}
    void Update(int) override {}
    // Every target pixel of the area (0, 0, width, height) mapped by the
    // placement and cut by the clip and the target, row by row.
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return false; }

protected:
    // Reworks one row's pixels; y is the target row.
    virtual void FilterRow(Color32* pixels, int count, int y) const = 0;
};

// Keeps one colour channel per row, by the target row mod 3: red, green,
// blue; the rest, alpha included, becomes 0.
class CTVRasterPainter : public CFilterPainter {
public:
    using CFilterPainter::CFilterPainter;

protected:
    void FilterRow(Color32* pixels, int count, int y) const override;
};

// The top three bits of each colour channel; alpha kept.
class CPosterizationPainter : public CFilterPainter {
public:
    using CFilterPainter::CFilterPainter;

protected:
    void FilterRow(Color32* pixels, int count, int y) const override;
};

// Every bit inverted, alpha included.
class CNegativePainter : public CFilterPainter {
public:
    using CFilterPainter::CFilterPainter;

protected:
    void FilterRow(Color32* pixels, int count, int y) const override;
};

// Grey (77 red + 28 green + 151 blue) / 256 in every channel, alpha 0.
class CMonochromePainter : public CFilterPainter {
public:
    using CFilterPainter::CFilterPainter;

protected:
    void FilterRow(Color32* pixels, int count, int y) const override;
};
