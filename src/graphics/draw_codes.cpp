#include "graphics/draw_codes.h"

#include "graphics/blend_blits.h"

namespace {

struct CodedBlit {
    int code;
    DrawRoutine routine;
};

#define MIRL_CODED_BLITS(mode, hundreds)                          \
    {hundreds + 0, {&Blit##mode, nullptr}},                       \
    {hundreds + 1, {&Blit##mode##Alpha, nullptr}},                \
    {hundreds + 2, {nullptr, &Blit##mode##Opacity}},              \
    {hundreds + 3, {nullptr, &Blit##mode##AlphaOpacity}}

const CodedBlit kBlits[] = {
    MIRL_CODED_BLITS(Normal, 100),   MIRL_CODED_BLITS(Add, 200),    MIRL_CODED_BLITS(Sub, 300),
    MIRL_CODED_BLITS(Multiply, 400), MIRL_CODED_BLITS(Screen, 500), MIRL_CODED_BLITS(Overlay, 600),
};

struct CodedScaledBlit {
    int code;
    ScaledDrawRoutine routine;
};

#define MIRL_CODED_SCALED_BLITS(mode, hundreds)                   \
    {hundreds + 0, {&BlitScaled##mode, nullptr}},                 \
    {hundreds + 1, {&BlitScaled##mode##Alpha, nullptr}},          \
    {hundreds + 2, {nullptr, &BlitScaled##mode##Opacity}},        \
    {hundreds + 3, {nullptr, &BlitScaled##mode##AlphaOpacity}}

const CodedScaledBlit kScaledBlits[] = {
    MIRL_CODED_SCALED_BLITS(Normal, 100), MIRL_CODED_SCALED_BLITS(Add, 200),
    MIRL_CODED_SCALED_BLITS(Sub, 300),    MIRL_CODED_SCALED_BLITS(Multiply, 400),
    MIRL_CODED_SCALED_BLITS(Screen, 500), MIRL_CODED_SCALED_BLITS(Overlay, 600),
};

#undef MIRL_CODED_SCALED_BLITS
#undef MIRL_CODED_BLITS

}  // namespace

DrawRoutine FindDrawRoutine(int drawCode) {
    for (const CodedBlit& blit : kBlits) {
        if (blit.code == drawCode) return blit.routine;
    }
    return {nullptr, nullptr};
}

ScaledDrawRoutine FindScaledDrawRoutine(int drawCode) {
    for (const CodedScaledBlit& blit : kScaledBlits) {
        if (blit.code == drawCode) return blit.routine;
    }
    return {nullptr, nullptr};
}

void DrawByCode(int drawCode, CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                const RECT* sourceRect, int opacity, const RECT* clip) {
    const DrawRoutine routine = FindDrawRoutine(drawCode);
    if (routine.unweighted) routine.unweighted(dest, x, y, src, sourceRect, clip);
    if (routine.weighted) routine.weighted(dest, x, y, src, sourceRect, opacity, clip);
}
