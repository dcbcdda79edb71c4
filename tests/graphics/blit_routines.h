// The 54 blend-mode blits in one table, each callable the same way, with the
// mode and weighting its results follow.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "blend_model.h"
#include "graphics/memory_surface.h"

struct BlitCall {
    int x = 0;  // where the source rectangle's corner lands
    int y = 0;
    const RECT* sourceRect = nullptr;
    // Scaled blits only: {left, top, right, bottom}; null stretches onto a
    // rectangle of the source rectangle's own size at (x, y).
    const double* destRect = nullptr;
    const RECT* clip = nullptr;
    int opacity = 0;  // the weighted blits only
};

struct BlitRoutine {
    const char* name;
    BlendKind mode;
    Weighting weighting;
    bool scaled;
    bool hasSse;
    void (*run)(CMemorySurface& dest, const CMemorySurface& src, const BlitCall& call);
};

constexpr int kBlitRoutineCount = 54;
extern const BlitRoutine kBlitRoutines[kBlitRoutineCount];

const BlitRoutine& FindBlitRoutine(const std::string& name);
