// How the fills are put together. A public fill works out, once per call,
// the area it changes and the terms its colour gives, and hands both to a
// loop of one kind on one instruction set. Every kind has a plain loop, the
// reference; some have an MMX and an SSE loop too, which give the plain
// colours but may treat the alpha byte (and a few roundings) otherwise, as
// noted beside each kind.
#pragma once

#include <cstddef>

#include "graphics/fill_area.h"
#include "platform/cpu_info.h"
#include "platform/simd_flags.h"

// What a loop reads besides the area; the meaning depends on the kind.
struct FillTerms {
    Color32 colour;
    int parameter;
};

using FillLoop = void (*)(CFillArea area, const FillTerms& terms);
// Fills `count` words from `pixels` on.
using WordFillLoop = void (*)(Color32* pixels, size_t count, Color32 colour);

// One kind of loop on the three instruction sets; null where a set has none.
template <class Loop>
struct PathLoops {
    Loop plain;
    Loop mmx;
    Loop sse;

    // Asked at every call, so a changed switch counts from the next call:
    // the SSE loop when there is one, the processor has SSE and the SSE
    // switch is on; else the MMX loop likewise; else the plain one.
    Loop Choose() const {
        if (sse && HasSSE() && GetUseSSEFlag()) return sse;
        if (mmx && HasMMX() && GetUseMMXFlag()) return mmx;
        return plain;
    }
};
using FillLoops = PathLoops<FillLoop>;

// The kinds, per colour channel d of the destination and c of the terms'
// colour. The SIMD loops work two pixels at a time after a first single
// pixel on rows of odd length, and end with EMMS.

// The colour word stored; the SSE loop stores past the cache.
void StoreColourPlain(CFillArea area, const FillTerms& terms);
void StoreColourMmx(CFillArea area, const FillTerms& terms);
void StoreColourSse(CFillArea area, const FillTerms& terms);

// ((d x parameter) >> 8) + c, for sums of at most 255. Plain: the alpha byte
// is kept. MMX Colours: the alpha byte becomes 0. MMX AllBytes: the alpha
// byte is treated like a colour, with the colour's alpha byte as its c.
void ScaleAndAddPlain(CFillArea area, const FillTerms& terms);
void ScaleAndAddColoursMmx(CFillArea area, const FillTerms& terms);
void ScaleAndAddAllBytesMmx(CFillArea area, const FillTerms& terms);

// (d >> parameter) + (c >> parameter), parameter 1 to 7. Plain: the alpha
// byte is kept; MMX: it becomes 0. The MMX loop serves as the SSE one too:
// SSE has nothing to add to it.
void ShiftedSumPlain(CFillArea area, const FillTerms& terms);
void ShiftedSumMmx(CFillArea area, const FillTerms& terms);
// (d + c + 1) >> 1 on all four bytes, the alpha byte included.
void AverageSse(CFillArea area, const FillTerms& terms);

// min(255, d + c) and max(0, d - c); the alpha byte is kept.
void AddSaturatePlain(CFillArea area, const FillTerms& terms);
void AddSaturateMmx(CFillArea area, const FillTerms& terms);
void SubSaturatePlain(CFillArea area, const FillTerms& terms);
void SubSaturateMmx(CFillArea area, const FillTerms& terms);

// (d x c) >> 8; the alpha byte is kept.
void MultiplyPlain(CFillArea area, const FillTerms& terms);
void MultiplyMmx(CFillArea area, const FillTerms& terms);

// 255 - (((255 - d) x (255 - c)) >> 8); the alpha byte is kept.
void ScreenPlain(CFillArea area, const FillTerms& terms);
void ScreenMmx(CFillArea area, const FillTerms& terms);

// Overlay of c weighted by a = parameter, with the levels of fill_terms.h:
// d <= 128: (d x dark) >> 7; d > 128: 255 - trunc((255 - d) x light / 128).
// The alpha byte is kept.
void OverlayPlain(CFillArea area, const FillTerms& terms);
void OverlayMmx(CFillArea area, const FillTerms& terms);

// The colour word into every pixel. MMX: two pixels a step, then the odd
// last one; SSE: eight pixels a step past the cache, then four, two, one.
void FillWordsPlain(Color32* pixels, size_t count, Color32 colour);
void FillWordsMmx(Color32* pixels, size_t count, Color32 colour);
void FillWordsSse(Color32* pixels, size_t count, Color32 colour);
