#include "text/balloon/gdi_region.h"

#include <memory>
#include <utility>

namespace {

HRGN EmptyRegion() { return CreateRectRgn(0, 0, 0, 0); }

}  // namespace

CGdiRegion::CGdiRegion() : region_(EmptyRegion()) {}

CGdiRegion::CGdiRegion(HRGN region) : region_(region ? region : EmptyRegion()) {}

CGdiRegion::~CGdiRegion() {
    if (region_) DeleteObject(region_);
}

CGdiRegion::CGdiRegion(CGdiRegion&& other) noexcept : region_(other.region_) {
    other.region_ = nullptr;
}

CGdiRegion& CGdiRegion::operator=(CGdiRegion&& other) noexcept {
    std::swap(region_, other.region_);
    return *this;
}

bool CGdiRegion::IsEmpty() const {
    RECT box;
    return region_ == nullptr || GetRgnBox(region_, &box) == NULLREGION;
}

RECT CGdiRegion::GetBox() const {
    RECT box{0, 0, 0, 0};
    if (region_ && GetRgnBox(region_, &box) == NULLREGION) box = RECT{0, 0, 0, 0};
    return box;
}

void CGdiRegion::Combine(const CGdiRegion& other, int mode) {
    if (CombineRgn(region_, region_, other.region_, mode) == ERROR) {
        *this = CGdiRegion();
    }
}

CGdiRegion MakeRectRegion(int left, int top, int right, int bottom) {
    // GDI would swap the sides of an inverted rectangle.
    if (right <= left || bottom <= top) return CGdiRegion();
    RECT rect{left, top, right, bottom};
    return CGdiRegion(CreateRectRgnIndirect(&rect));
}

CGdiRegion MakeEllipseRegion(int left, int top, int right, int bottom) {
    // GDI makes a one-pixel ellipse of an empty rectangle.
    if (right <= left || bottom <= top) return CGdiRegion();
    RECT rect{left, top, right, bottom};
    return CGdiRegion(CreateEllipticRgnIndirect(&rect));
}

CGdiRegion MakeRoundRectRegion(int left, int top, int right, int bottom, int cornerWidth,
                               int cornerHeight) {
    if (right <= left || bottom <= top) return CGdiRegion();
    return CGdiRegion(CreateRoundRectRgn(left, top, right, bottom, cornerWidth, cornerHeight));
}

CGdiRegion MakePolygonRegion(const std::vector<POINT>& points) {
    if (points.size() < 3) return CGdiRegion();
    return CGdiRegion(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
}

CGdiRegion MakeScaledRegion(const CGdiRegion& region, float factor) {
    DWORD size = GetRegionData(region.Get(), 0, nullptr);
    if (size == 0) return CGdiRegion();
    std::unique_ptr<char[]> buffer(new char[size]);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.get());
    if (GetRegionData(region.Get(), size, data) != size) return CGdiRegion();
    XFORM transform{factor, 0.0f, 0.0f, factor, 0.0f, 0.0f};
    return CGdiRegion(ExtCreateRegion(&transform, size, data));
}
