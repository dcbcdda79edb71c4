// The blend-mode blits: six modes, each copying a source picture one to one
// or stretched onto a destination, unweighted or weighted by a constant
// opacity, by exactly one half, by the source pixel's alpha byte or by both.
//
// One-to-one blits place the top-left corner of the source rectangle (the
// whole source when null) at (x, y) of the destination. Scaled blits stretch
// it, nearest neighbour, onto destRect: four doubles {left, top, right,
// bottom} in destination pixels. Whatever lies outside the destination, the
// source or the clip rectangle (none when null) is cut away first; no pixel
// outside the result is read or written. Opacity is 0..255.
//
// Every call chooses its instruction set: the SSE path (only the opaque and
// half variants of Normal, Add and Sub have one) when the processor has SSE
// and the SSE switch is on, else the MMX path when the processor has MMX and
// the MMX switch is on, else the plain path. The paths differ in a few
// documented roundings and alpha bytes; the plain path is the reference.
// Weighting by 255 is not an exact copy; the opaque blits are.
#pragma once

#include <windows.h>

#include "graphics/memory_surface.h"

// Normal: the source replaces the destination, or is mixed into it by its weight.
void BlitNormal(CMemorySurface& dest, int x, int y, const CMemorySurface& src, const RECT* sourceRect,
        const RECT* clip);
void BlitNormalOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitNormalHalf(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitNormalAlpha(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitNormalAlphaOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitScaledNormal(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledNormalOpacity(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], int opacity, const RECT* clip);
void BlitScaledNormalAlpha(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledNormalAlphaOpacity(CMemorySurface& dest, const CMemorySurface& src,
        const RECT* sourceRect, const double destRect[4], int opacity, const RECT* clip);

// Add: the weighted source is added to each colour, saturating at 255.
void BlitAdd(CMemorySurface& dest, int x, int y, const CMemorySurface& src, const RECT* sourceRect,
        const RECT* clip);
void BlitAddOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitAddHalf(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitAddAlpha(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitAddAlphaOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitScaledAdd(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledAddOpacity(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], int opacity, const RECT* clip);
void BlitScaledAddAlpha(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledAddAlphaOpacity(CMemorySurface& dest, const CMemorySurface& src,
        const RECT* sourceRect, const double destRect[4], int opacity, const RECT* clip);

// Sub: the weighted source is taken from each colour, stopping at 0.
void BlitSub(CMemorySurface& dest, int x, int y, const CMemorySurface& src, const RECT* sourceRect,
        const RECT* clip);
void BlitSubOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitSubHalf(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitSubAlpha(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitSubAlphaOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitScaledSub(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledSubOpacity(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], int opacity, const RECT* clip);
void BlitScaledSubAlpha(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledSubAlphaOpacity(CMemorySurface& dest, const CMemorySurface& src,
        const RECT* sourceRect, const double destRect[4], int opacity, const RECT* clip);

// Multiply: each colour is multiplied by the source's (darkens).
void BlitMultiply(CMemorySurface& dest, int x, int y, const CMemorySurface& src, const RECT* sourceRect,
        const RECT* clip);
void BlitMultiplyOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitMultiplyHalf(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitMultiplyAlpha(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitMultiplyAlphaOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitScaledMultiply(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledMultiplyOpacity(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], int opacity, const RECT* clip);
void BlitScaledMultiplyAlpha(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledMultiplyAlphaOpacity(CMemorySurface& dest, const CMemorySurface& src,
        const RECT* sourceRect, const double destRect[4], int opacity, const RECT* clip);

// Screen: the inverted colours are multiplied (lightens).
void BlitScreen(CMemorySurface& dest, int x, int y, const CMemorySurface& src, const RECT* sourceRect,
        const RECT* clip);
void BlitScreenOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitScreenHalf(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitScreenAlpha(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitScreenAlphaOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitScaledScreen(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledScreenOpacity(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], int opacity, const RECT* clip);
void BlitScaledScreenAlpha(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledScreenAlphaOpacity(CMemorySurface& dest, const CMemorySurface& src,
        const RECT* sourceRect, const double destRect[4], int opacity, const RECT* clip);

// Overlay: multiply where the destination is dark, screen where it is light.
void BlitOverlay(CMemorySurface& dest, int x, int y, const CMemorySurface& src, const RECT* sourceRect,
        const RECT* clip);
void BlitOverlayOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitOverlayHalf(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitOverlayAlpha(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, const RECT* clip);
void BlitOverlayAlphaOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
        const RECT* sourceRect, int opacity, const RECT* clip);
void BlitScaledOverlay(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledOverlayOpacity(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], int opacity, const RECT* clip);
void BlitScaledOverlayAlpha(CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
        const double destRect[4], const RECT* clip);
void BlitScaledOverlayAlphaOpacity(CMemorySurface& dest, const CMemorySurface& src,
        const RECT* sourceRect, const double destRect[4], int opacity, const RECT* clip);
