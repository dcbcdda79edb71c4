#include "transitions/piece_drawer.h"

#include <algorithm>

namespace {

long partCount = 0;

}  // namespace

CPieceDrawer::CPieceDrawer(CMemorySurface& destination, const CMemorySurface* picture, int x, int y,
                           const RECT* clip, int code, uint32_t extra)
    : destination_(destination),
      picture_(picture),
      x_(x),
      y_(y),
      clip_(clip),
      extra_(extra),
      opacity_(static_cast<int>(std::min<uint32_t>(extra, 255))),
      blit_(picture ? FindDrawRoutine(code) : DrawRoutine{nullptr, nullptr}),
      scaledBlit_(picture ? FindScaledDrawRoutine(code) : ScaledDrawRoutine{nullptr, nullptr}),
      fill_(FindFillRoutine(code)) {}

void CPieceDrawer::Draw(const RECT& part, int px, int py) {
    if (part.right <= part.left || part.bottom <= part.top) return;
    Hand(&part, px, py, part.right - part.left, part.bottom - part.top);
}

void CPieceDrawer::DrawWhole(int width, int height) { Hand(nullptr, x_, y_, width, height); }

void CPieceDrawer::DrawScaled(const RECT& part, double left, double top, double right,
                              double bottom) {
    const double destRect[4] = {left, top, right, bottom};
    const bool hasArea = part.right > part.left && part.bottom > part.top;
    if (scaledBlit_.unweighted) {
        if (!hasArea) return;
        scaledBlit_.unweighted(destination_, *picture_, &part, destRect, clip_);
    } else if (scaledBlit_.weighted) {
        if (!hasArea) return;
        scaledBlit_.weighted(destination_, *picture_, &part, destRect, opacity_, clip_);
    } else if (fill_) {
        fill_(destination_, static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
              static_cast<int>(bottom), extra_, clip_);
    } else {
        return;
    }
    ++partCount;
}

void CPieceDrawer::Hand(const RECT* sourceRect, int px, int py, int width, int height) {
    if (blit_.unweighted) {
        blit_.unweighted(destination_, px, py, *picture_, sourceRect, clip_);
    } else if (blit_.weighted) {
        blit_.weighted(destination_, px, py, *picture_, sourceRect, opacity_, clip_);
    } else if (fill_) {
        fill_(destination_, px, py, px + width, py + height, extra_, clip_);
    } else {
        return;
    }
    ++partCount;
}

long TransitionPartCount() { return partCount; }

void ResetTransitionPartCount() { partCount = 0; }
