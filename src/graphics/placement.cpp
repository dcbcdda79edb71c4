#include "graphics/placement.h"

#include <cmath>

namespace {

constexpr double kVisibleAbove = 0.001;
constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kFixedOne = 65536.0;

int32_t TruncateToInt32(double v) {
    if (!(v > -2147483648.0)) return INT32_MIN;  // NaN included
    if (v >= 2147483647.0) return INT32_MAX;
    return static_cast<int32_t>(v);
}

// a x b rounded to a double. The x87 registers keep 64-bit mantissas, in
// which 128/255 x 255 falls just short of 128; a double is stored exactly.
double DoubleProduct(double a, double b) {
    volatile double product = a * b;
    return product;
}

}  // namespace

bool IsPlacementVisible(const CTransform2D& placement) {
    return placement.opacity > kVisibleAbove && placement.zoomX > kVisibleAbove &&
           placement.zoomY > kVisibleAbove;
}

int OpacityByte(double opacity) {
    const double scaled = std::trunc(DoubleProduct(opacity, 255.0));
    if (!(scaled > 0)) return 0;
    if (scaled >= 255.0) return 255;
    return static_cast<int>(scaled);
}

void ComputeRotatedCorners(const CTransform2D& placement, double width, double height,
                           FixedPoint corners[4]) {
    const double w = placement.zoomX * width;
    const double h = placement.zoomY * height;
    const double u[4] = {0, w, w, 0};
    const double v[4] = {0, 0, h, h};
    const double angle = placement.rotation * kDegreesToRadians;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (int i = 0; i < 4; ++i) {
        corners[i].x = TruncateToInt32(u[i] * c - v[i] * s + placement.x * kFixedOne);
        corners[i].y = TruncateToInt32(v[i] * c + u[i] * s + placement.y * kFixedOne);
    }
}
