#include "transitions/fat_slim_transitions.h"

#include "transitions/fixed_cosine_table.h"
#include "transitions/transition_frame.h"

namespace {

// How a kind bends: along rows or columns, and by how much per level.
struct Bend {
    bool rows;
    double perLevel;  // 1/510 for Fat, 1/255 for Slim
    bool narrows;     // Slim: 1 - a * sin instead of 1 + a * sin
};

// Line n of the `lines` stretched over `length` pixels: t = 1 ± a * sin(π n
// / lines), from the table; the line becomes trunc(length * t) long and moves
// back by trunc((t - 1) * (length / 2)).
void DrawBent(const WipeArea& a, CPieceDrawer& pieces, Bend bend) {
    const double scale = a.level * bend.perLevel;
    const int lines = bend.rows ? a.height : a.width;
    const int length = bend.rows ? a.width : a.height;
    for (int n = 0; n < lines; ++n) {
        const int c = FixedCosineTable[((256 * n) / lines - 128) & 511];
        const double scaled = c * scale;
        const double bulge = scaled * (1 / 65536.0);
        const double t = bend.narrows ? 1.0 - bulge : 1.0 + bulge;
        const double stretched = length * t;
        const double growth = t - 1.0;
        const double moved = growth * (length >> 1);
        const int size = static_cast<int>(stretched);
        const int shift = static_cast<int>(moved);
        if (bend.rows) {
            const double left = a.x - shift;
            pieces.DrawScaled(RECT{0, n, a.width, n + 1}, left, a.y + n, left + size, a.y + n + 1);
        } else {
            const double top = a.y - shift;
            pieces.DrawScaled(RECT{n, 0, n + 1, a.height}, a.x + n, top, a.x + n + 1, top + size);
        }
    }
}

void RunBend(MIRL_TRANSITION_PARAMETERS, Bend bend) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [bend](const WipeArea& a, CPieceDrawer& pieces) { DrawBent(a, pieces, bend); }, kLastLevel);
}

constexpr double kFat = 0.00196078431372549;
constexpr double kSlim = 0.00392156862745098;

}  // namespace

void FatH(MIRL_TRANSITION_PARAMETERS) {
    static const CosineTableInitializer cosineTable;
    RunBend(MIRL_TRANSITION_ARGUMENTS, Bend{true, kFat, false});
}

void FatV(MIRL_TRANSITION_PARAMETERS) {
    static const CosineTableInitializer cosineTable;
    RunBend(MIRL_TRANSITION_ARGUMENTS, Bend{false, kFat, false});
}

void SlimH(MIRL_TRANSITION_PARAMETERS) {
    static const CosineTableInitializer cosineTable;
    RunBend(MIRL_TRANSITION_ARGUMENTS, Bend{true, kSlim, true});
}

void SlimV(MIRL_TRANSITION_PARAMETERS) {
    static const CosineTableInitializer cosineTable;
    RunBend(MIRL_TRANSITION_ARGUMENTS, Bend{false, kSlim, true});
}
