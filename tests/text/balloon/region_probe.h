// Reading GDI regions back in tests: their rectangles, the runs of a row
// and whether points lie inside.
#pragma once

#include <windows.h>

#include <vector>

#include "text/balloon/gdi_region.h"

std::vector<RECT> RegionRects(const CGdiRegion& region);
bool SameRegion(const CGdiRegion& a, const CGdiRegion& b);
bool Inside(const CGdiRegion& region, int x, int y);
// The runs [from, to) of a row that lie inside the region.
std::vector<std::pair<int, int>> RowRuns(const CGdiRegion& region, int y);
