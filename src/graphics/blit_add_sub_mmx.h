// The MMX steps of the Add and Sub blends: saturating on bytes, and on
// 16-bit lanes before they are narrowed (which saturates at 255 again).
#pragma once

#include "graphics/blit_mmx.h"

struct MmxAddStep {
    static __m64 Bytes(__m64 d, __m64 t) { return _mm_adds_pu8(d, t); }
    static __m64 Lanes(__m64 d, __m64 t) { return _mm_add_pi16(d, t); }
};

struct MmxSubtractStep {
    static __m64 Bytes(__m64 d, __m64 t) { return _mm_subs_pu8(d, t); }
    static __m64 Lanes(__m64 d, __m64 t) { return _mm_subs_pu16(d, t); }
};
