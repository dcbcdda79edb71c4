#include "region_probe.h"

#include <memory>

std::vector<RECT> RegionRects(const CGdiRegion& region) {
    DWORD size = GetRegionData(region.Get(), 0, nullptr);
    std::unique_ptr<char[]> buffer(new char[size]);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.get());
    GetRegionData(region.Get(), size, data);
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

bool SameRegion(const CGdiRegion& a, const CGdiRegion& b) {
    return EqualRgn(a.Get(), b.Get()) != FALSE;
}

bool Inside(const CGdiRegion& region, int x, int y) {
    return PtInRegion(region.Get(), x, y) != FALSE;
}

std::vector<std::pair<int, int>> RowRuns(const CGdiRegion& region, int y) {
    std::vector<std::pair<int, int>> runs;
    RECT box = region.GetBox();
    for (int x = box.left; x < box.right; ++x) {
        if (!Inside(region, x, y)) continue;
        if (!runs.empty() && runs.back().second == x) {
            runs.back().second = x + 1;
        } else {
            runs.emplace_back(x, x + 1);
        }
    }
    return runs;
}
