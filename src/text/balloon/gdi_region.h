// An owned GDI region. A region that GDI could not make is replaced by an
// empty one, so every holder can combine, test and paint it as any other.
#pragma once

#include <windows.h>

#include <vector>

class CGdiRegion {
public:
    CGdiRegion();  // empty
    explicit CGdiRegion(HRGN region);  // takes ownership; null becomes empty
    ~CGdiRegion();
    CGdiRegion(CGdiRegion&& other) noexcept;
    CGdiRegion& operator=(CGdiRegion&& other) noexcept;
    CGdiRegion(const CGdiRegion&) = delete;
    CGdiRegion& operator=(const CGdiRegion&) = delete;

    HRGN Get() const { return region_; }
    bool IsEmpty() const;
    // The bounding box; all zero for an empty region.
    RECT GetBox() const;

    // this = this (mode) other, mode RGN_OR, RGN_XOR or RGN_DIFF.
    void Combine(const CGdiRegion& other, int mode);

private:
    HRGN region_;
};

// An empty or inverted rectangle makes an empty region for every figure.
CGdiRegion MakeRectRegion(int left, int top, int right, int bottom);
CGdiRegion MakeEllipseRegion(int left, int top, int right, int bottom);
CGdiRegion MakeRoundRectRegion(int left, int top, int right, int bottom, int cornerWidth,
                               int cornerHeight);
// A polygon in the WINDING fill mode; fewer than three points make an empty
// region.
CGdiRegion MakePolygonRegion(const std::vector<POINT>& points);
// The region's rectangles scaled by the factor (0.5: the same shape at half
// the resolution).
CGdiRegion MakeScaledRegion(const CGdiRegion& region, float factor);
