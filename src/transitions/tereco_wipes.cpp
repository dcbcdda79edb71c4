#include "transitions/tereco_wipes.h"

#include <algorithm>

#include "transitions/transition_frame.h"

// Lines count from the picture's first row or column, in groups of 2 (4 for
// the Double kinds); only the groups that can meet the clip are visited.

namespace {

// One kind's lines: rows (H) or columns (V).
struct LineAxis {
    bool rows;

    int Extent(const WipeArea& a) const { return rows ? a.height : a.width; }
    int Length(const WipeArea& a) const { return rows ? a.width : a.height; }

    // The picture's lines [first, end) that the clip reaches. Both bounds are
    // held to the picture, so a clip that misses it (above or left of it too)
    // reaches no line.
    void VisibleLines(const WipeArea& a, int& first, int& end) const {
        const int extent = Extent(a);
        first = 0;
        end = extent;
        if (!a.clip) return;
        const int origin = rows ? a.y : a.x;
        const int clipStart = rows ? a.clip->top : a.clip->left;
        const int clipEnd = rows ? a.clip->bottom : a.clip->right;
        first = std::clamp(clipStart - origin, 0, extent);
        end = std::clamp(clipEnd - origin, 0, extent);
    }

    // The line's part [start, stop) along its length; lines at or beyond the
    // picture's edge draw nothing.
    void Draw(const WipeArea& a, CPieceDrawer& pieces, int line, int start, int stop) const {
        if (line >= Extent(a)) return;
        if (rows) {
            pieces.DrawInPlace(start, line, stop, line + 1);
        } else {
            pieces.DrawInPlace(line, start, line + 1, stop);
        }
    }
    // The first `kept` pixels of the line, or its last `kept`.
    void DrawStart(const WipeArea& a, CPieceDrawer& pieces, int line, int kept) const {
        Draw(a, pieces, line, 0, std::min(kept, Length(a)));
    }
    void DrawEnd(const WipeArea& a, CPieceDrawer& pieces, int line, int kept) const {
        Draw(a, pieces, line, std::max(Length(a) - kept, 0), Length(a));
    }
};

// Calls drawGroup(n) for the first line n of every group of `group` lines
// (2 or 4) that holds a visible line.
template <class DrawGroup>
void ForEachVisibleGroup(const WipeArea& a, LineAxis axis, int group, DrawGroup drawGroup) {
    int first = 0;
    int end = 0;
    axis.VisibleLines(a, first, end);
    if (first >= end) return;
    const int mask = ~(group - 1);
    for (int n = first & mask; n < (end & mask) + group; n += group) drawGroup(n);
}

void DrawSingle(const WipeArea& a, CPieceDrawer& pieces, LineAxis axis) {
    const int kept = ((255 - a.level) * axis.Length(a)) >> 8;
    ForEachVisibleGroup(a, axis, 2, [&](int n) {
        axis.DrawStart(a, pieces, n, kept);
        axis.DrawEnd(a, pieces, n + 1, kept);
    });
}

// Up to level 126 the lines 4k and 4k + 2 stay whole while 4k + 1 and 4k + 3
// shrink; from 127 on those are gone and 4k and 4k + 2 shrink.
void DrawDouble(const WipeArea& a, CPieceDrawer& pieces, LineAxis axis) {
    const int keep = 255 - a.level;
    const int firstKept = (keep * axis.Length(a)) >> 7;
    ForEachVisibleGroup(a, axis, 4, [&](int n) {
        axis.DrawStart(a, pieces, n, firstKept);
        axis.DrawEnd(a, pieces, n + 2, firstKept);
    });
    if (keep <= 128) return;
    const int secondKept = ((keep - 128) * axis.Length(a)) >> 7;
    ForEachVisibleGroup(a, axis, 4, [&](int n) {
        axis.DrawStart(a, pieces, n + 1, secondKept);
        axis.DrawEnd(a, pieces, n + 3, secondKept);
    });
}

}  // namespace

void TerecoH(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        DrawSingle(a, pieces, LineAxis{true});
    });
}

void TerecoV(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        DrawSingle(a, pieces, LineAxis{false});
    });
}

void TerecoHDouble(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        DrawDouble(a, pieces, LineAxis{true});
    });
}

void TerecoVDouble(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        DrawDouble(a, pieces, LineAxis{false});
    });
}
