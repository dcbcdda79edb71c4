#include "transitions/tensile_transitions.h"

#include <algorithm>

#include "transitions/transition_frame.h"

void TensileHorizontal(const CMemorySurface* picture, CMemorySurface* destination, int x, int y,
                       const TransitionSize* size, const RECT* clip, int level, int code,
                       uint32_t extra, int flag) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [destination, flag](const WipeArea& a, CPieceDrawer& pieces) {
            int destWidth = 0;
            int destHeight = 0;
            destination->GetSize(destWidth, destHeight);
            const int w = a.width;
            const int h = a.height;
            const int n = (255 - a.level) * w / 256;
            if (flag == 0) {
                if (n > 0) pieces.DrawInPlace(0, 0, n, h);
                pieces.DrawScaled(RECT{n, 0, std::min(n + 1, w), h}, a.x + n, a.y, destWidth,
                                  a.y + h);
            } else {
                if (n > 0) pieces.DrawInPlace(w - n, 0, w, h);
                pieces.DrawScaled(RECT{std::max(w - n - 1, 0), 0, w - n, h}, 0, a.y, a.x + w - n,
                                  a.y + h);
            }
        },
        kLastLevel, EmptySize::kReachesBorders);
}

void TensileVertical(const CMemorySurface* picture, CMemorySurface* destination, int x, int y,
                     const TransitionSize* size, const RECT* clip, int level, int code,
                     uint32_t extra, int flag) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [destination, flag](const WipeArea& a, CPieceDrawer& pieces) {
            int destWidth = 0;
            int destHeight = 0;
            destination->GetSize(destWidth, destHeight);
            const int w = a.width;
            const int h = a.height;
            const int n = (255 - a.level) * h / 256;
            if (flag == 0) {
                pieces.DrawInPlace(0, 0, w, n);
                pieces.DrawScaled(RECT{0, n, w, std::min(n + 1, h)}, a.x, a.y + n, a.x + w,
                                  destHeight);
            } else {
                pieces.DrawInPlace(0, h - n, w, h);
                pieces.DrawScaled(RECT{0, std::max(h - n - 1, 0), w, h - n}, a.x, 0, a.x + w,
                                  a.y + h - n);
            }
        },
        kLastLevel, EmptySize::kReachesBorders);
}

void TensileLeft(MIRL_TRANSITION_PARAMETERS) {
    TensileHorizontal(picture, destination, x, y, size, clip, level, code, extra, 1);
}

void TensileRight(MIRL_TRANSITION_PARAMETERS) {
    TensileHorizontal(picture, destination, x, y, size, clip, level, code, extra, 0);
}

void TensileDown(MIRL_TRANSITION_PARAMETERS) {
    TensileVertical(picture, destination, x, y, size, clip, level, code, extra, 0);
}

void TensileUp(MIRL_TRANSITION_PARAMETERS) {
    TensileVertical(picture, destination, x, y, size, clip, level, code, extra, 1);
}
