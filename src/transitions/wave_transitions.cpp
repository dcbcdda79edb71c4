#include "transitions/wave_transitions.h"

#include <cmath>
#include <cstdint>

#include "transitions/clip_span.h"
#include "transitions/fixed_cosine_table.h"
#include "transitions/transition_frame.h"

namespace {

// Row j moves by (cos[(step * (L + j)) & 511] * L) >> 16, rounded down.
void DrawWave(const WipeArea& a, CPieceDrawer& pieces, int step) {
    for (int j = 0; j < a.height; ++j) {
        const int phase = (step * a.level + step * j) & 511;
        const int off = (FixedCosineTable[phase] * a.level) >> 16;
        pieces.Draw(RECT{0, j, a.width, j + 1}, a.x + off, a.y + j);
    }
}

}  // namespace

void Wave(MIRL_TRANSITION_PARAMETERS) {
    static const CosineTableInitializer cosineTable;
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [](const WipeArea& a, CPieceDrawer& pieces) { DrawWave(a, pieces, 1); }, kLastLevel);
}

void WaveSmall(MIRL_TRANSITION_PARAMETERS) {
    static const CosineTableInitializer cosineTable;
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [](const WipeArea& a, CPieceDrawer& pieces) { DrawWave(a, pieces, 4); }, kLastLevel);
}

// Every level value draws, 0 and 255 included; the level only shifts the
// phase by w * L / 255 columns.
void WaveBump(MIRL_TRANSITION_PARAMETERS) {
    int w = 0;
    int h = 0;
    if (!TransitionPictureSize(destination, picture, size, w, h)) return;
    CPieceDrawer pieces(*destination, picture, x, y, clip, code, extra);
    // w * L as a 32-bit product that wraps for levels far outside 0..255
    // instead of overflowing.
    const int32_t shift =
        static_cast<int32_t>(static_cast<uint32_t>(w) * static_cast<uint32_t>(level));
    const ClipSpan columns = ClipColumns(clip, x, w);
    for (int i = columns.first; i < columns.end; ++i) {
        const double shifted = double(shift) * 0.00392156862745098;
        const double column = shifted + i;
        const double turns = column * 6.283185307179586;
        const double angle = turns / w;
        const double s = std::sin(angle);
        const double swing = 32 * s;
        const double mapped = swing + i;
        const double lifted = s + 1;
        const double stretch = lifted * 8;
        const int c = static_cast<int>(mapped);
        const int d = static_cast<int>(stretch);
        if (c < 0 || c >= w) continue;
        pieces.DrawScaled(RECT{c, 0, c + 1, h}, x + i, y - d, x + i + 1, y + h + d);
    }
}
