#include "transitions/scratch_transitions.h"

#include <algorithm>
#include <cstdlib>

#include "transitions/clip_span.h"
#include "transitions/transition_frame.h"

namespace {

constexpr int kFringe = 64;

// One kind's lines: rows or columns, and where the solid part lies.
struct Fray {
    bool rows;
    bool solidAtEnd;    // Down and Right: the solid part runs to the last line
    bool tearByHeight;  // Right scales its tear by the height, the others by the width
};

// Line `line` across the picture, moved by `off` along the line (a row) or
// across it (a column tears up or down).
void DrawLine(const WipeArea& a, CPieceDrawer& pieces, const Fray& fray, int line, int off) {
    if (fray.rows) {
        pieces.Draw(RECT{0, line, a.width, line + 1}, a.x + off, a.y + line);
    } else {
        pieces.Draw(RECT{line, 0, line + 1, a.height}, a.x + line, a.y + off);
    }
}

void DrawFrayed(const WipeArea& a, CPieceDrawer& pieces, const Fray& fray) {
    const int lines = fray.rows ? a.height : a.width;
    const int boundary = fray.solidAtEnd ? ((lines + 64) * a.level) >> 8
                                         : (((lines + 64) * (255 - a.level)) >> 8) - 64;
    if (fray.solidAtEnd) {
        const int first = std::max(boundary + 1, 0);
        if (fray.rows) {
            pieces.DrawInPlace(0, first, a.width, a.height);
        } else {
            pieces.DrawInPlace(first, 0, a.width, a.height);
        }
    } else {
        const int end = std::min(boundary, lines);
        if (fray.rows) {
            pieces.DrawInPlace(0, 0, a.width, end);
        } else {
            pieces.DrawInPlace(0, 0, end, a.height);
        }
    }
    const ClipSpan visible =
        fray.rows ? ClipRows(a.clip, a.y, a.height) : ClipColumns(a.clip, a.x, a.width);
    const int tearScale = fray.tearByHeight ? a.height : a.width;
    for (int k = 0; k < kFringe; ++k) {
        const int line = fray.solidAtEnd ? boundary + 1 - k : boundary + k;
        if (line < visible.first || line >= visible.end) continue;
        const int q = std::rand() % 64;
        int off = 0;
        if (q < k) {
            const int sign = std::rand() % 2 ? -1 : 1;
            const int t = std::rand() % 10;
            off = ((sign * t * tearScale / 10) / (kFringe - k)) / 4;
        }
        DrawLine(a, pieces, fray, line, off);
    }
}

void RunFray(MIRL_TRANSITION_PARAMETERS, Fray fray) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [fray](const WipeArea& a, CPieceDrawer& pieces) {
        DrawFrayed(a, pieces, fray);
    });
}

}  // namespace

void ScratchDown(MIRL_TRANSITION_PARAMETERS) {
    RunFray(MIRL_TRANSITION_ARGUMENTS, Fray{true, true, false});
}

void ScratchUp(MIRL_TRANSITION_PARAMETERS) {
    RunFray(MIRL_TRANSITION_ARGUMENTS, Fray{true, false, false});
}

void ScratchLeft(MIRL_TRANSITION_PARAMETERS) {
    RunFray(MIRL_TRANSITION_ARGUMENTS, Fray{false, false, false});
}

void ScratchRight(MIRL_TRANSITION_PARAMETERS) {
    RunFray(MIRL_TRANSITION_ARGUMENTS, Fray{false, true, true});
}
