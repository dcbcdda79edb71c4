// How the blend-mode blits are put together. Every blit clips its rectangles
// first, then picks, once per call, the loop for its mode, weighting and
// instruction set and runs it over the clipped rows. The loops of one mode on
// one instruction set form a BlitVariants table; a mode has a plain table, an
// MMX table and, for some variants, an SSE table.
#pragma once

#include <windows.h>

#include "graphics/memory_surface.h"

// The clipped work of a one-to-one blit.
struct BlitRows {
    Color32* dest;          // the first pixel of the top row
    const Color32* source;  // the source pixel that lands there
    int width;
    int height;
    int destSkip;    // pixels from the end of one row to the start of the next
    int sourceSkip;  // likewise in the source
    int opacity;     // 0..255, for the weighted variants
};

// The clipped work of a scaled blit: nearest neighbour in 16.16 fixed point.
// Destination row j samples source row (vStart + j x vStep) >> 16; along a
// row the column starts at sourceLeft + (uStart >> 16) and advances by the
// whole part of a fraction that grows by uStep per pixel.
struct ScaledBlitRows {
    Color32* dest;
    int width;
    int height;
    int destSkip;
    const Color32* source;  // the source's pixel (0, 0)
    int sourceWidth;        // pixels per source row
    int sourceLeft;
    int uStep;
    int vStep;
    int uStart;
    int vStart;
    int opacity;
};

using BlitLoop = void (*)(const BlitRows&);
using ScaledBlitLoop = void (*)(const ScaledBlitRows&);

// One mode's loops on one instruction set; a variant the set has no loop for
// is null.
struct BlitVariants {
    BlitLoop opaque;
    BlitLoop opacity;
    BlitLoop half;
    BlitLoop alpha;
    BlitLoop alphaOpacity;
    ScaledBlitLoop scaled;
    ScaledBlitLoop scaledOpacity;
    ScaledBlitLoop scaledAlpha;
    ScaledBlitLoop scaledAlphaOpacity;
};

// The SSE paths cover only the opaque and half variants.
constexpr BlitVariants OpaqueAndHalfOnly(BlitLoop opaque, BlitLoop half) {
    BlitVariants variants{};
    variants.opaque = opaque;
    variants.half = half;
    return variants;
}

// A mode's tables; sse is null for modes without SSE loops.
struct BlitPaths {
    const BlitVariants& plain;
    const BlitVariants& mmx;
    const BlitVariants* sse;
};

// Clips, chooses the path (SSE when the mode has the variant there, the
// processor has SSE and the SSE switch is on; else MMX when the processor has
// it and the MMX switch is on; else plain) and runs the variant's loop.
void RunBlit(const BlitPaths& paths, BlitLoop BlitVariants::*variant, CMemorySurface& dest, int x,
             int y, const CMemorySurface& src, const RECT* sourceRect, int opacity,
             const RECT* clip);
void RunScaledBlit(const BlitPaths& paths, ScaledBlitLoop BlitVariants::*variant,
                   CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
                   const double* destRect, int opacity, const RECT* clip);

// Defines the nine blits of a mode, Blit<mode> to BlitScaled<mode>AlphaOpacity
// (declared in blend_blits.h), over the mode's BlitPaths.
#define DEFINE_BLEND_BLITS(mode, paths)                                                         \
    void Blit##mode(CMemorySurface& dest, int x, int y, const CMemorySurface& src,              \
                    const RECT* sourceRect, const RECT* clip) {                                 \
        RunBlit(paths, &BlitVariants::opaque, dest, x, y, src, sourceRect, 0, clip);            \
    }                                                                                           \
    void Blit##mode##Opacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src,     \
                             const RECT* sourceRect, int opacity, const RECT* clip) {           \
        RunBlit(paths, &BlitVariants::opacity, dest, x, y, src, sourceRect, opacity, clip);     \
    }                                                                                           \
    void Blit##mode##Half(CMemorySurface& dest, int x, int y, const CMemorySurface& src,        \
                          const RECT* sourceRect, const RECT* clip) {                           \
        RunBlit(paths, &BlitVariants::half, dest, x, y, src, sourceRect, 0, clip);              \
    }                                                                                           \
    void Blit##mode##Alpha(CMemorySurface& dest, int x, int y, const CMemorySurface& src,       \
                           const RECT* sourceRect, const RECT* clip) {                          \
        RunBlit(paths, &BlitVariants::alpha, dest, x, y, src, sourceRect, 0, clip);             \
    }                                                                                           \
    void Blit##mode##AlphaOpacity(CMemorySurface& dest, int x, int y, const CMemorySurface& src, \
                                  const RECT* sourceRect, int opacity, const RECT* clip) {      \
        RunBlit(paths, &BlitVariants::alphaOpacity, dest, x, y, src, sourceRect, opacity, clip); \
    }                                                                                           \
    void BlitScaled##mode(CMemorySurface& dest, const CMemorySurface& src,                      \
                          const RECT* sourceRect, const double destRect[4], const RECT* clip) { \
        RunScaledBlit(paths, &BlitVariants::scaled, dest, src, sourceRect, destRect, 0, clip);  \
    }                                                                                           \
    void BlitScaled##mode##Opacity(CMemorySurface& dest, const CMemorySurface& src,             \
                                   const RECT* sourceRect, const double destRect[4],            \
                                   int opacity, const RECT* clip) {                             \
        RunScaledBlit(paths, &BlitVariants::scaledOpacity, dest, src, sourceRect, destRect,     \
                      opacity, clip);                                                           \
    }                                                                                           \
    void BlitScaled##mode##Alpha(CMemorySurface& dest, const CMemorySurface& src,               \
                                 const RECT* sourceRect, const double destRect[4],              \
                                 const RECT* clip) {                                            \
        RunScaledBlit(paths, &BlitVariants::scaledAlpha, dest, src, sourceRect, destRect, 0,    \
                      clip);                                                                    \
    }                                                                                           \
    void BlitScaled##mode##AlphaOpacity(CMemorySurface& dest, const CMemorySurface& src,        \
                                        const RECT* sourceRect, const double destRect[4],       \
                                        int opacity, const RECT* clip) {                        \
        RunScaledBlit(paths, &BlitVariants::scaledAlphaOpacity, dest, src, sourceRect, destRect, \
                      opacity, clip);                                                           \
    }

// The SIMD tables, each in a source file of its own compiled for its
// instruction set.
extern const BlitVariants kNormalMmx;
extern const BlitVariants kNormalSse;
extern const BlitVariants kAddMmx;
extern const BlitVariants kAddSse;
extern const BlitVariants kSubMmx;
extern const BlitVariants kSubSse;
extern const BlitVariants kMultiplyMmx;
extern const BlitVariants kScreenMmx;
extern const BlitVariants kOverlayMmx;
