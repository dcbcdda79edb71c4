// Surfaces for the drawing tests of the node kinds: a varied background and
// a pixel-exact comparison that names the first difference.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "graphics/memory_surface.h"

// Fills the surface with a pattern that differs in every byte, alpha
// included, so that any blend that lands shows.
inline void PaintPattern(CMemorySurface& surface, uint32_t seed) {
    int width = 0;
    int height = 0;
    surface.GetSize(width, height);
    uint32_t state = seed * 2654435761u + 1;
    for (int i = 0; i < width * height; ++i) {
        state = state * 1664525u + 1013904223u;
        surface.GetPixels()[i] = state;
    }
}

inline testing::AssertionResult SamePixels(const CMemorySurface& actual,
                                           const CMemorySurface& expected) {
    int width = 0, height = 0, expectedWidth = 0, expectedHeight = 0;
    actual.GetSize(width, height);
    expected.GetSize(expectedWidth, expectedHeight);
    if (width != expectedWidth || height != expectedHeight) {
        return testing::AssertionFailure() << "sizes differ";
    }
    int wrong = 0;
    char first[80] = "";
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Color32 a = actual.GetPixel(x, y);
            const Color32 e = expected.GetPixel(x, y);
            if (a != e && wrong++ == 0) {
                snprintf(first, sizeof first, "(%d, %d) is %08x, not %08x", x, y,
                         static_cast<unsigned>(a), static_cast<unsigned>(e));
            }
        }
    }
    if (wrong == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << wrong << " pixels differ, first " << first;
}

// Two surfaces of one size holding the same pattern: the node draws into
// the first, the expected routine into the second.
struct SurfacePair {
    SurfacePair(int width, int height, uint32_t seed) {
        EXPECT_EQ(actual.Create(width, height), 0);
        EXPECT_EQ(expected.Create(width, height), 0);
        PaintPattern(actual, seed);
        PaintPattern(expected, seed);
    }
    CMemorySurface actual;
    CMemorySurface expected;
};
