#include "transitions/tile_turn_transitions.h"

#include <algorithm>
#include <cmath>

#include "transitions/clip_span.h"
#include "transitions/transition_frame.h"

namespace {

constexpr int kTile = 64;

// cos(L * 2π / 255): 1 at levels 0 and 255, -1 in the middle.
double TurnCosine(int level) {
    const double c = std::cos(level * 0.024639942381096416);
    return c;
}

// The source line shown at destination line i of a picture `extent` lines
// long: trunc(half - (half - i) / c), or -1 when that falls outside the
// picture (tested on the double, so a huge quotient is never converted).
int TurnedLine(int i, int extent, double c) {
    const int half = extent / 2;
    const double quotient = (half - i) / c;
    const double s = half - quotient;
    if (!(s > -1.0 && s < extent)) return -1;
    return static_cast<int>(s);
}

}  // namespace

void TileLeftTop(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int s = (255 - a.level) * kTile / 255;
        for (int ty = 0; ty < a.height; ty += kTile)
            for (int tx = 0; tx < a.width; tx += kTile)
                pieces.DrawInPlace(tx, ty, tx + std::min(s, a.width - tx),
                                   ty + std::min(s, a.height - ty));
    });
}

void TurnH(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [](const WipeArea& a, CPieceDrawer& pieces) {
            const double c = TurnCosine(a.level);
            const ClipSpan columns = ClipColumns(a.clip, a.x, a.width);
            for (int i = columns.first; i < columns.end; ++i) {
                const int s = TurnedLine(i, a.width, c);
                if (s >= 0) pieces.Draw(RECT{s, 0, s + 1, a.height}, a.x + i, a.y);
            }
        },
        kLastLevel);
}

void TurnV(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [](const WipeArea& a, CPieceDrawer& pieces) {
            const double c = TurnCosine(a.level);
            const ClipSpan rows = ClipRows(a.clip, a.y, a.height);
            for (int j = rows.first; j < rows.end; ++j) {
                const int s = TurnedLine(j, a.height, c);
                if (s >= 0) pieces.Draw(RECT{0, s, a.width, s + 1}, a.x, a.y + j);
            }
        },
        kLastLevel);
}
