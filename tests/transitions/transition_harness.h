// Memory surfaces and checks for running transition routines in tests.
//
// The coded picture tells every pixel apart (pixel (i, j) = 0xFF000000 |
// j << 12 | i) and is drawn with code 100 at (kPictureX, kPictureY) onto a
// destination filled with an alpha-0 sentinel, so a wrong source pixel, a
// wrong place or a stray write all show. The count picture (0x00010101,
// code 200 onto black) and the fill 1200 of 0x00020202 (FillAdd's weight 255
// adds 1) leave in each pixel the number of times it was drawn.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "coverage.h"
#include "graphics/memory_surface.h"
#include "transitions/transition_routine.h"

constexpr int kPictureX = 37;
constexpr int kPictureY = 23;
// The destination reaches this far beyond the picture's right and bottom edges.
constexpr int kMarginRight = 29;
constexpr int kMarginBottom = 19;
constexpr Color32 kSentinel = 0x00A5C3E1;

std::unique_ptr<CMemorySurface> MakeSurface(int width, int height, Color32 colour);
std::unique_ptr<CMemorySurface> MakeCodedPicture(int width, int height);
// A destination with room for a width x height picture at (kPictureX,
// kPictureY) and the margins, filled with `colour`.
std::unique_ptr<CMemorySurface> MakeDestination(int width, int height, Color32 colour);

// The destination of a width x height coded picture: the covered pixels'
// own codes at their places, the sentinel everywhere else.
std::vector<Color32> ExpectedCodedImage(const CCoverage& coverage);
// The sentinel destination with `colour` wherever the coverage holds.
std::vector<Color32> ExpectedColouredImage(const CCoverage& coverage, Color32 colour);

// Runs the routine at the picture's place.
void RunAtPicturePlace(TransitionRoutine routine, CMemorySurface& destination,
                       const CMemorySurface* picture, const TransitionSize* size, const RECT* clip,
                       int level, int code, uint32_t extra);

// The routine at the level with the count picture (or, for `fill`, with a
// size and FillAdd): how often each picture pixel was drawn. A write outside
// the picture's place fails the test.
CCoverage CountDraws(TransitionRoutine routine, int width, int height, int level, bool fill);

testing::AssertionResult SameImage(const CMemorySurface& actual,
                                   const std::vector<Color32>& expected);
testing::AssertionResult SameCoverage(const CCoverage& actual, const CCoverage& expected);
