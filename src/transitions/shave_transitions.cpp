#include "transitions/shave_transitions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "transitions/chosen_parts.h"
#include "transitions/clip_span.h"
#include "transitions/transition_frame.h"

// Blocks are 4 wide and 2 high; those at the right and bottom edges are cut
// to the picture. The band loops run while <= the size, so they test one
// last band or block without pixels: its rand() call still counts.

namespace {

constexpr int kBlockWidth = 4;
constexpr int kBlockHeight = 2;

void DrawBlock(const WipeArea& a, CPieceDrawer& pieces, int bx, int by) {
    pieces.DrawInPlace(bx, by, std::min(bx + kBlockWidth, a.width),
                       std::min(by + kBlockHeight, a.height));
}

// A row band drawn whole, cut to the clip's columns.
void DrawRowBand(const WipeArea& a, CPieceDrawer& pieces, int by) {
    const ClipSpan columns = ClipColumns(a.clip, a.x, a.width);
    pieces.DrawInPlace(columns.first, by, columns.end, std::min(by + kBlockHeight, a.height));
}

// A column band drawn whole, cut to the clip's rows.
void DrawColumnBand(const WipeArea& a, CPieceDrawer& pieces, int bx) {
    const ClipSpan rows = ClipRows(a.clip, a.y, a.height);
    pieces.DrawInPlace(bx, rows.first, std::min(bx + kBlockWidth, a.width), rows.end);
}

// Tests every block of the row band by (bx = 0, 4, ... while bx <= width).
template <class Keep>
void TestRowBand(const WipeArea& a, CPieceDrawer& pieces, int by, Keep keep) {
    DrawChosenParts(
        0, a.width + 1, kBlockWidth, [&](int) { return keep(std::rand()); },
        [&](int bx) { DrawBlock(a, pieces, bx, by); });
}

// Tests every block of the column band bx (by = 0, 2, ... while by <= height).
template <class Keep>
void TestColumnBand(const WipeArea& a, CPieceDrawer& pieces, int bx, Keep keep) {
    DrawChosenParts(
        0, a.height + 1, kBlockHeight, [&](int) { return keep(std::rand()); },
        [&](int by) { DrawBlock(a, pieces, bx, by); });
}

// How far into the sweep a band lies: trunc(remaining * 256 / extent + 1.5
// * weight - 256), the first term an integer quotient.
int SweepValue(int remaining, int extent, int weight) {
    const double value = double(remaining * 256 / extent) + 1.5 * weight - 256.0;
    return static_cast<int>(value);
}

// trunc(hypot(w, h) + 255): the disc's radius scale, in half pixels.
int DiscScale(const WipeArea& a) {
    const double scale = std::hypot(double(a.width), double(a.height)) + 255.0;
    return static_cast<int>(scale);
}

// Every block, row by row, tested with keep(random, radius - distance) where
// the distance is that of the block's top-left corner from the centre, in
// half pixels.
template <class Keep>
void TestDisc(const WipeArea& a, CPieceDrawer& pieces, int radius, Keep keep) {
    for (int by = 0; by <= a.height; by += kBlockHeight) {
        for (int bx = 0; bx <= a.width; bx += kBlockWidth) {
            const int r = std::rand() & 255;
            const double distance = std::hypot(double(2 * bx - a.width), double(2 * by - a.height));
            const double margin = radius - distance;
            if (keep(r, margin)) DrawBlock(a, pieces, bx, by);
        }
    }
}

}  // namespace

void ShaveAll(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        for (int by = 0; by < a.height; by += kBlockHeight) {
            DrawChosenParts(
                0, a.width, kBlockWidth, [&](int) { return (std::rand() & 255) > a.level; },
                [&](int bx) { DrawBlock(a, pieces, bx, by); });
        }
    });
}

void ShaveUp(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        for (int by = 0; by <= a.height; by += kBlockHeight) {
            const int v = SweepValue(a.height - by, a.height, 255 - a.level);
            if (v >= 255) {
                DrawRowBand(a, pieces, by);
            } else if (v > 0) {
                TestRowBand(a, pieces, by, [v](int r) { return (r & 127) <= v; });
            }
        }
    });
}

void ShaveDown(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int k = (a.height + 128) * a.level / 255;
        for (int by = 0; by <= a.height; by += kBlockHeight) {
            const int d = by - k;
            if (d >= 0) {
                DrawRowBand(a, pieces, by);
            } else if (d > -128) {
                TestRowBand(a, pieces, by, [d](int r) { return r % 128 < d + 128; });
            }
        }
    });
}

void ShaveLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        for (int bx = 0; bx <= a.width; bx += kBlockWidth) {
            const int v = SweepValue(a.width - bx - 1, a.width, 255 - a.level);
            if (v >= 127) {
                DrawColumnBand(a, pieces, bx);
            } else if (v > 0) {
                TestColumnBand(a, pieces, bx, [v](int r) { return (r & 127) <= v; });
            }
        }
    });
}

void ShaveRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        for (int bx = 0; bx <= a.width; bx += kBlockWidth) {
            const int v = SweepValue(a.width - bx - 1, a.width, a.level);
            if (v < 255) TestColumnBand(a, pieces, bx, [v](int r) { return (r & 127) > v; });
        }
    });
}

void ShaveCircle(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int radius = (DiscScale(a) * (255 - a.level)) >> 8;
        TestDisc(a, pieces, radius, [](int r, double margin) { return r <= margin; });
    });
}

void ShaveHole(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int radius = (DiscScale(a) * a.level) >> 8;
        TestDisc(a, pieces, radius, [](int r, double margin) { return r > margin; });
    });
}
