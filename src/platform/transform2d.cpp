#include "platform/transform2d.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/truncate_toward_zero.h"

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kTolerance = 0.001;
constexpr double kZeroZoomCoordinate = 2147483647.0;

// Truncation towards zero, held inside the int range so that a far-off
// point cannot overflow the conversion.
long TruncateToLong(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<long>::max();
    if (v <= -2147483648.0) return std::numeric_limits<long>::min();
    return TruncateTowardZero(v);
}

long RoundHalfAwayFromZero(double v) { return TruncateToLong(v > 0 ? v + 0.5 : v - 0.5); }

void Rotate(double degrees, double& u, double& v) {
    const double radians = degrees * kDegreesToRadians;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double ru = c * u - s * v;
    const double rv = s * u + c * v;
    u = ru;
    v = rv;
}

}  // namespace

bool CTransform2D::IsRotated() const {
    // Within one turn the remainder is the angle itself, so the division is
    // needed only beyond (and for NaN, which stays NaN either way).
    const double turn = std::fabs(rotation) < 360.0 ? rotation : std::fmod(rotation, 360.0);
    return std::fabs(turn) > kTolerance;
}

bool CTransform2D::IsUnscaled() const {
    return std::fabs(zoomX - 1.0) <= kTolerance && std::fabs(zoomY - 1.0) <= kTolerance;
}

void CTransform2D::MapOutwards(double& u, double& v) const {
    u *= zoomX;
    v *= zoomY;
    if (IsRotated()) Rotate(rotation, u, v);
    u += x;
    v += y;
}

void CTransform2D::Compose(const CTransform2D& child) {
    double dx = child.x * zoomX;
    double dy = child.y * zoomY;
    if (IsRotated()) Rotate(rotation, dx, dy);
    x += dx;
    y += dy;
    opacity *= child.opacity;
    zoomX *= child.zoomX;
    zoomY *= child.zoomY;
    rotation += child.rotation;
}

void CTransform2D::MapPoint(int& px, int& py) const {
    double u = px;
    double v = py;
    MapOutwards(u, v);
    px = TruncateToLong(u);
    py = TruncateToLong(v);
}

void CTransform2D::MapPoint(POINT& p) const {
    int px = p.x;
    int py = p.y;
    MapPoint(px, py);
    p.x = px;
    p.y = py;
}

void CTransform2D::InverseMapPoint(double& px, double& py) const {
    double u = px - x;
    double v = py - y;
    if (IsRotated()) Rotate(-rotation, u, v);
    px = zoomX == 0.0 ? kZeroZoomCoordinate : u / zoomX;
    py = zoomY == 0.0 ? kZeroZoomCoordinate : v / zoomY;
}

void CTransform2D::InverseMapPoint(POINT& p) const {
    double px = p.x;
    double py = p.y;
    InverseMapPoint(px, py);
    p.x = TruncateToLong(px);
    p.y = TruncateToLong(py);
}

RECT CTransform2D::MapRect(RECT& rect) const {
    if (!IsRotated()) {
        const double sx = IsUnscaled() ? 1.0 : zoomX;
        const double sy = IsUnscaled() ? 1.0 : zoomY;
        rect.left = RoundHalfAwayFromZero(rect.left * sx + x);
        rect.right = RoundHalfAwayFromZero(rect.right * sx + x);
        rect.top = RoundHalfAwayFromZero(rect.top * sy + y);
        rect.bottom = RoundHalfAwayFromZero(rect.bottom * sy + y);
        return rect;
    }
    double cx[4] = {double(rect.left), double(rect.right), double(rect.right), double(rect.left)};
    double cy[4] = {double(rect.top), double(rect.top), double(rect.bottom), double(rect.bottom)};
    for (int i = 0; i < 4; ++i) MapOutwards(cx[i], cy[i]);
    rect.left = TruncateToLong(std::floor(*std::min_element(cx, cx + 4)));
    rect.top = TruncateToLong(std::floor(*std::min_element(cy, cy + 4)));
    rect.right = TruncateToLong(std::ceil(*std::max_element(cx, cx + 4)));
    rect.bottom = TruncateToLong(std::ceil(*std::max_element(cy, cy + 4)));
    return rect;
}

void CTransform2D::MapSegment(double points[4]) const {
    MapOutwards(points[0], points[1]);
    MapOutwards(points[2], points[3]);
}
