#include "transitions/curtain_wipes.h"

#include <algorithm>

#include "transitions/transition_frame.h"

namespace {

constexpr int kStripeWidth = 16;

// The stripes still drawn along an extent, each reported as [start, stop)
// cut to the extent. T = (N + W)(255 - level) / 256 of them stay, so the
// ramp of narrowing stripes enters from beyond the far side.
template <class DrawStripe>
void ForEachStripe(int extent, int stripeCount, int level, bool fromStart, int stripeWidth,
                   DrawStripe drawStripe) {
    const int drawn = ((stripeCount + stripeWidth) * (255 - level)) / 256;
    for (int k = 0; k < stripeCount && k < drawn; ++k) {
        const int width = std::min(stripeWidth, drawn - k);
        int start, stop;
        if (fromStart) {
            start = k * stripeWidth;
            stop = start + width;
        } else {
            stop = extent - k * stripeWidth;
            start = stop - width;
        }
        drawStripe(std::max(start, 0), std::min(stop, extent));
    }
}

}  // namespace

void CurtainWipeHorizontal(MIRL_TRANSITION_PARAMETERS, uint8_t fromStart, int stripeWidth) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [&](const WipeArea& a, CPieceDrawer& pieces) {
        const int count = (a.width + stripeWidth) / stripeWidth;
        ForEachStripe(a.width, count, a.level, fromStart != 0, stripeWidth,
                      [&](int left, int right) { pieces.DrawInPlace(left, 0, right, a.height); });
    });
}

// Counts one stripe more than the horizontal rule when h + 1 is a multiple
// of the stripe width.
void CurtainWipeVertical(MIRL_TRANSITION_PARAMETERS, uint8_t fromStart, int stripeWidth) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [&](const WipeArea& a, CPieceDrawer& pieces) {
        const int count = (a.height + stripeWidth + 1) / stripeWidth;
        ForEachStripe(a.height, count, a.level, fromStart != 0, stripeWidth,
                      [&](int top, int bottom) { pieces.DrawInPlace(0, top, a.width, bottom); });
    });
}

void CurtainLeft(MIRL_TRANSITION_PARAMETERS) {
    CurtainWipeHorizontal(MIRL_TRANSITION_ARGUMENTS, 1, kStripeWidth);
}

void CurtainRight(MIRL_TRANSITION_PARAMETERS) {
    CurtainWipeHorizontal(MIRL_TRANSITION_ARGUMENTS, 0, kStripeWidth);
}

void CurtainUp(MIRL_TRANSITION_PARAMETERS) {
    CurtainWipeVertical(MIRL_TRANSITION_ARGUMENTS, 1, kStripeWidth);
}

void CurtainDown(MIRL_TRANSITION_PARAMETERS) {
    CurtainWipeVertical(MIRL_TRANSITION_ARGUMENTS, 0, kStripeWidth);
}
