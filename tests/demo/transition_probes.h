// What the demo's transitions chapter shows at fixed points clear of the
// menu layer: "Dawn" alone, the picture "Dusk" over it or the colour
// "Shade", worked out from the pictures' flat colours; and which kinds still
// draw their node when fully transitioned.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "demo_colours.h"
#include "graphics/memory_surface.h"
#include "transitions/transition_kinds.h"

// "S/Transitions.txt" colours "Shade" #C85A3C.
constexpr uint32_t kDemoShade = 0xC85A3C;

// Points clear of the menu layer, spread over the screen; two inside the
// sun of "Dusk".
constexpr POINT kTransitionProbes[] = {{100, 100}, {700, 100}, {100, 500}, {700, 500},
                                       {400, 260}, {360, 240}, {560, 200}, {250, 430}};

enum class Shown { Dawn, Dusk, Shade };

inline uint32_t ColourOf(Shown what, POINT p) {
    switch (what) {
        case Shown::Dawn:
            return p.y >= 420 ? kDemoField : kDemoDawn;
        case Shown::Dusk:
            return std::hypot(p.x - 400.0, p.y - 260.0) < 110 ? kDemoSun : kDemoDusk;
        case Shown::Shade:
            return kDemoShade;
    }
    return 0;
}

// The colours at the probes.
inline std::vector<uint32_t> Expected(Shown what) {
    std::vector<uint32_t> colours;
    for (POINT p : kTransitionProbes) colours.push_back(ColourOf(what, p));
    return colours;
}

// Whether the kind draws anything fully transitioned (level 255) over a
// screen-sized picture.
inline bool DrawsWhenFullyTransitioned(const TransitionKind& kind) {
    CMemorySurface screen, picture;
    screen.Create(800, 600);
    picture.Create(800, 600);
    picture.Fill(0xFF808080, nullptr);
    kind.routine(&screen, &picture, 0, 0, nullptr, nullptr, 255, 100, 0);
    const Color32* pixels = screen.GetPixels();
    return std::any_of(pixels, pixels + 800 * 600, [](Color32 c) { return (c & 0xFFFFFF) != 0; });
}
