// The check that incremental redrawing is right: after a frame drawn by
// RedrawDirtyCells, the surface must equal a full redraw of the tree (Draw
// from the root with the identity transform into a fresh, cleared surface of
// the same size).
#pragma once

#include <gtest/gtest.h>

class CMemorySurface;
class CNode;

testing::AssertionResult MatchesFullRedraw(CNode& root, const CMemorySurface& incremental);
