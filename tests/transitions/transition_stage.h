// A stage for the kinds that draw beyond the picture: the picture (800 x 600
// unless a test says otherwise) at (kStageX, kStageY) on a 1400 x 1000
// destination, so what lands outside the picture is seen. Expected images
// are built on a second stage surface, pixel by pixel from the coded picture
// (or, for stretched parts, with the scaled blits themselves).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "graphics/memory_surface.h"
#include "transitions/transition_routine.h"

constexpr int kStageX = 300;
constexpr int kStageY = 200;
constexpr int kStageWidth = 1400;
constexpr int kStageHeight = 1000;

// The coded picture's pixel (i, j).
inline Color32 CodedPixel(int i, int j) {
    return 0xFF000000u | static_cast<Color32>(j) << 12 | static_cast<Color32>(i);
}

// A stage filled with the sentinel.
std::unique_ptr<CMemorySurface> MakeStage();

// The stage pixel at picture coordinates (i, j) (relative to (kStageX,
// kStageY)) set to the coded pixel (si, sj); nothing off the stage.
void PutCoded(CMemorySurface& stage, int i, int j, int si, int sj);
// The coded part {left, top, right, bottom} with its top-left pixel at
// picture coordinates (i, j).
void PutCodedPart(CMemorySurface& stage, const RECT& part, int i, int j);

// Runs the routine at the stage's picture place with code 100 onto a fresh
// stage; `destination` receives the result.
std::unique_ptr<CMemorySurface> RunOnStage(TransitionRoutine routine, const CMemorySurface& picture,
                                           const RECT* clip, int level);
// The same onto an existing stage (for drawing cell by cell).
void DrawOnStage(TransitionRoutine routine, CMemorySurface& stage, const CMemorySurface& picture,
                 const RECT* clip, int level);

// How often each stage pixel was drawn: the routine with the count picture
// of the size (0x00010101, code 200) onto a black stage, after srand(seed).
std::vector<int> CountStageDraws(TransitionRoutine routine, int width, int height, int level,
                                 unsigned seed);

testing::AssertionResult SameStage(const CMemorySurface& actual, const CMemorySurface& expected);

// A rectangle in picture coordinates moved onto the stage.
inline RECT OnStage(RECT r) {
    return {r.left + kStageX, r.top + kStageY, r.right + kStageX, r.bottom + kStageY};
}

// The stretched part painted onto an expected stage with the scaled blit
// itself, into {left, top, right, bottom} in picture coordinates.
void PutScaledPart(CMemorySurface& stage, const CMemorySurface& picture, const RECT& part,
                   double left, double top, double right, double bottom);

// The first and last picture column drawn on picture row j (anything but the
// sentinel), or {1, 0} when nothing is; ColumnSpan the same for rows.
std::pair<int, int> RowSpan(const CMemorySurface& stage, int j);
std::pair<int, int> ColumnSpan(const CMemorySurface& stage, int i);

// Whether stage pixel (i, j), in picture coordinates, shows the coded (si, sj).
inline bool Shows(const CMemorySurface& stage, int i, int j, int si, int sj) {
    return stage.GetPixel(kStageX + i, kStageY + j) == CodedPixel(si, sj);
}
