#include "transitions/fan_wipes.h"

#include <algorithm>
#include <cmath>

#include "transitions/transition_frame.h"

// Each row's edge lies t = trunc(d · c) pixels from the pivot's column, d the
// row's distance from the pivot and c = cos θ / sin θ the edge's slope at the
// level. Whole rectangles cover what the edge has not reached yet. Every
// double is kept in a variable of its own (the library is built with
// -ffloat-store), so the cuts do not depend on the x87 unit's precision.

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPiOver255 = 0.012319971190548208;
constexpr double kTwoPiOver255 = 0.024639942381096416;

double Slope(double theta) {
    const double cosine = std::cos(theta);
    const double sine = std::sin(theta);
    const double slope = cosine / sine;
    return slope;
}

// θ = π/2 − level · step.
double SlopeFromVertical(int level, double step) {
    const double turned = level * step;
    const double theta = kHalfPi - turned;
    return Slope(theta);
}

int Cut(int distance, double slope) {
    const double product = distance * slope;
    return static_cast<int>(product);
}

// The row's part [left, right), its left edge raised to 0 and its right edge
// brought back to the picture's.
void DrawRow(const WipeArea& a, CPieceDrawer& pieces, int row, int left, int right) {
    pieces.DrawInPlace(std::max(left, 0), row, std::min(right, a.width), row + 1);
}

}  // namespace

// Swept clockwise from straight up by a full turn.
void FanCenter(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int w = a.width;
        const int h = a.height;
        const int cx = w / 2;
        const int cy = h / 2;
        const double c = SlopeFromVertical(a.level, kTwoPiOver255);
        if (a.level <= 64) {
            pieces.DrawInPlace(0, 0, cx, cy);
            pieces.DrawInPlace(0, cy, w, 2 * cy);
            if (a.level == 64) return;
            for (int j = 0; j < cy; ++j) DrawRow(a, pieces, j, cx + Cut(cy - j, c), 2 * cx);
        } else if (a.level < 128) {
            pieces.DrawInPlace(0, 0, cx, h);
            for (int j = cy; j < h; ++j) {
                DrawRow(a, pieces, j, cx, std::min(cx + Cut(cy - j, c), w));
            }
        } else if (a.level <= 192) {
            pieces.DrawInPlace(0, 0, cx, cy);
            if (a.level == 192) return;
            for (int j = cy; j < h; ++j) {
                DrawRow(a, pieces, j, 0, std::min(cx + Cut(cy - j, c), w));
            }
        } else {
            for (int j = 0; j < cy; ++j) {
                const int t = std::min(Cut(j - cy, c), cx);
                DrawRow(a, pieces, j, cx - t, cx);
            }
        }
    });
}

// Two edges, from straight up and from straight down, each swept clockwise
// by half a turn.
void FanCenterDouble(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int w = a.width;
        const int h = a.height;
        const int cx = w / 2;
        const int cy = h / 2;
        const double c = SlopeFromVertical(a.level, kPiOver255);
        if (a.level <= 128) {
            pieces.DrawInPlace(0, 0, cx, cy);
            pieces.DrawInPlace(cx, cy, 2 * cx, 2 * cy);
            if (a.level == 128) return;
            for (int j = 0; j < cy; ++j) DrawRow(a, pieces, j, cx + Cut(cy - j, c), 2 * cx);
            for (int j = cy; j < h; ++j) {
                DrawRow(a, pieces, j, 0, std::min(cx + Cut(cy - j, c), w));
            }
        } else {
            for (int j = cy; j < h; ++j) {
                DrawRow(a, pieces, j, cx, std::min(cx + Cut(cy - j, c), w));
            }
            for (int j = 0; j < cy; ++j) {
                const int t = std::min(Cut(j - cy, c), cx);
                DrawRow(a, pieces, j, cx - t, cx);
            }
        }
    });
}

// Turns about the middle of the left side, from straight up to straight down.
void FanLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int w = a.width;
        const int h = a.height;
        const int cy = h / 2;
        const double c = SlopeFromVertical(a.level, kPiOver255);
        if (a.level <= 128) {
            pieces.DrawInPlace(0, cy, w, 2 * cy);
            if (a.level == 128) return;
            for (int j = 0; j < cy; ++j) DrawRow(a, pieces, j, std::max(Cut(cy - j, c), 0), w);
        } else {
            for (int j = cy; j < h; ++j) DrawRow(a, pieces, j, 0, std::min(Cut(cy - j, c), w));
        }
    });
}

// Turns about the middle of the right side, from straight down to straight up.
void FanRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int w = a.width;
        const int h = a.height;
        const int cy = h / 2;
        const double c = SlopeFromVertical(a.level, kPiOver255);
        if (a.level <= 128) {
            pieces.DrawInPlace(0, 0, w, cy);
            if (a.level == 128) return;
            for (int j = cy; j < h; ++j) DrawRow(a, pieces, j, 0, std::min(w + Cut(cy - j, c), w));
        } else {
            for (int j = 0; j < cy; ++j) {
                const int t = std::min(Cut(j - cy, c), w);
                DrawRow(a, pieces, j, w - t, w);
            }
        }
    });
}

// Turns about the middle of the top side, from the left half of the top edge
// down through the vertical to its right half.
void FanTop(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cx = a.width / 2;
        const double turned = a.level * kPiOver255;
        const double theta = kPi - turned;
        const double c = Slope(theta);
        if (a.level < 128) {
            pieces.DrawInPlace(cx, 0, 2 * cx, a.height);
            for (int j = 0; j < a.height; ++j) {
                const int t = std::min(Cut(-j, c), cx);
                DrawRow(a, pieces, j, cx - t, cx);
            }
        } else {
            for (int j = 0; j < a.height; ++j) DrawRow(a, pieces, j, cx + Cut(j, c), 2 * cx);
        }
    });
}

// The mirror of FanTop about the horizontal axis, the pivot just below the
// last row.
void FanBottom(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cx = a.width / 2;
        const int h = a.height;
        const double theta = a.level * kPiOver255;
        const double c = Slope(theta);
        if (a.level < 128) {
            pieces.DrawInPlace(cx, 0, 2 * cx, h);
            for (int j = 0; j < h; ++j) {
                const int t = std::min(Cut(h - j, c), cx);
                DrawRow(a, pieces, j, cx - t, cx);
            }
        } else {
            for (int j = 0; j < h; ++j) DrawRow(a, pieces, j, cx + Cut(j - h, c), 2 * cx);
        }
    });
}
