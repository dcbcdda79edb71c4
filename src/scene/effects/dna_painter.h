// A DNA helix of coloured beads that grows in, turns, flares at the bottom,
// flashes and finally bursts out of the screen, over a 12-second cycle,
// beside a column of beads rising through the middle. Laid out for an
// 800 x 600 area whatever the node's size; every bead is a picture added to
// what lies beneath.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/effects/effect_painter.h"

struct DnaBead {
    int32_t x;
    int32_t y;
    int32_t strand;  // 0 or 1, the two sides of the helix
    int32_t phase;
    int32_t colour;  // 0 to 3: red, green, blue, yellow
};

// One bead as drawn: the picture (a colour, or kDnaGlow or kDnaSpark) scaled
// to a w x h box at (left, top).
struct DnaBox {
    int picture;
    int left;
    int top;
    int width;
    int height;
    double opacity;
};

constexpr int kDnaGlow = 4;   // "EI/Ex.bmp"
constexpr int kDnaSpark = 5;  // "EI/Ex2.bmp"

class CDnaPainter : public CEffectPainter {
public:
    static constexpr int kCycle = 12000;

    using CEffectPainter::CEffectPainter;

    // The six pictures, then the colours of the helix beads and of the
    // column beads, two strands per phase.
    void Load() override;
    void Clear() override;
    // Advances the cycle clock and steps every bead once per step length,
    // which the clock sets.
    void Update(int milliseconds) override;
    void Draw(const CTransform2D& placement, CMemorySurface& target, const RECT* clip) override;
    bool IsAnimated() const override { return true; }

    // What Draw draws: the helix beads, then the column beads.
    std::vector<DnaBox> GetBoxes() const;
    const std::vector<DnaBead>& GetHelix() const { return helix_; }
    const std::vector<DnaBead>& GetColumn() const { return column_; }
    int GetClock() const { return clock_; }

    // The milliseconds per bead step at cycle time t: 32, easing to 4 by
    // 2000, 4 until 8000, then growing to 16 by 11000.
    static int StepLength(int t);

private:
    void StepBeads();
    DnaBox HelixBox(const DnaBead& bead) const;
    DnaBox ColumnBox(const DnaBead& bead) const;
    // From 8000 on, the box's corner moves away from the screen's centre and
    // its size grows by the same factor while it fades out.
    void Spread(DnaBox& box) const;

    std::vector<DnaBead> helix_;
    std::vector<DnaBead> column_;
    int clock_ = 0;
    int accumulator_ = 0;
    CMemorySurface pictures_[6];
};
