#include "text/balloon/shape_builder.h"

#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.141592653589793;

int Trunc(double value) { return static_cast<int>(value); }

}  // namespace

CShapeBuilder::CShapeBuilder(const BalloonShapeInput& input, BalloonShapeRegions& out)
    : x(32),
      y(32),
      w(2 * input.width - 64),
      h(2 * input.height - 64),
      W(input.width),
      H(input.height),
      halfW(w / 2),
      halfH(h / 2),
      D(Trunc(std::hypot(static_cast<double>(w), static_cast<double>(h)))),
      tailAngle(input.tailAngle),
      tailRadians(input.tailAngle * kPi / 180.0),
      tailOn_(input.tail),
      out_(out) {}

POINT CShapeBuilder::EllipsePoint(double t, double rho, double dx, double dy) const {
    return POINT{Trunc(std::cos(t) * rho * halfW / D + (halfW + x) + dx),
                 Trunc(std::sin(t) * rho * halfH / D + (halfH + y) + dy)};
}

double CShapeBuilder::Diagonal() const {
    return std::hypot(static_cast<double>(w), static_cast<double>(h));
}

std::vector<POINT> CShapeBuilder::EllipseWalk(int count, double start,
                                              const std::function<double(int)>& rho) const {
    std::vector<POINT> points;
    if (D == 0) return points;
    for (int i = 0; i < count; ++i) {
        double t = i * 2 * kPi / count + start;
        points.push_back(EllipsePoint(t, rho(i)));
    }
    return points;
}

int CShapeBuilder::SideLength(RectSide side) const {
    return side == kSideTop || side == kSideBottom ? w : h;
}

POINT CShapeBuilder::SidePoint(RectSide side, int inset, int j, int n, double inward) const {
    const int left = x + inset, top = y + inset, right = x + w - inset, bottom = y + h - inset;
    switch (side) {
    case kSideTop:
        return POINT{left + (right - left) * j / n, Trunc(top + inward)};
    case kSideRight:
        return POINT{Trunc(right - inward), top + (bottom - top) * j / n};
    case kSideBottom:
        return POINT{right + (left - right) * j / n, Trunc(bottom - inward)};
    case kSideLeft:
    default:
        return POINT{Trunc(left + inward), bottom + (top - bottom) * j / n};
    }
}

CGdiRegion CShapeBuilder::ShapeEllipse(int inset) const {
    return MakeEllipseRegion(x + inset, y + inset, x + w - inset, y + h - inset);
}

CGdiRegion CShapeBuilder::ShapeRectangle(int inset) const {
    return MakeRectRegion(x + inset, y + inset, x + w - inset, y + h - inset);
}

POINT CShapeBuilder::TurnCorner(double px, double py, double radians, double cx, double cy) {
    double c = std::cos(radians), s = std::sin(radians);
    return POINT{Trunc(px * c + cx - py * s), Trunc(cy - px * s - py * c)};
}

void CShapeBuilder::RectangleAnchor(double radians, double& cx, double& cy) const {
    double r = std::hypot(static_cast<double>(W / 2), static_cast<double>(H / 2));
    cx = W / 2 + r * std::cos(radians);
    cy = H / 2 - r * std::sin(radians);
    cx = std::min(std::max(cx, 32.0), static_cast<double>(W - 32));
    cy = std::min(std::max(cy, 32.0), static_cast<double>(H - 32));
}

void CShapeBuilder::AddTail(int kind) {
    if (!tailOn_) return;
    if (kind == kThinkTail) {
        AddThinkTail();
    } else if (kind != kNoTail) {
        AddSpeechTail(kind);
    }
}

void CShapeBuilder::AddSpeechTail(int mode) {
    const double a = tailRadians;
    double cx, cy;
    if (mode == kTailEllipse) {
        cx = W / 2 + (W / 2 - 32) * std::cos(a);
        cy = H / 2 - (H / 2 - 32) * std::sin(a);
    } else if (mode == kTailRectangle) {
        RectangleAnchor(a, cx, cy);
    } else {
        cx = W / 2 + (W / 2) * std::cos(a);
        cy = H / 2 - (H / 2) * std::sin(a);
        cx = std::min(std::max(cx, 32.0), static_cast<double>(W - 32));
        cy = std::min(std::max(cy, 32.0), static_cast<double>(H - 32));
    }
    static const double kCorners[3][2] = {{-8, -8}, {32, 0}, {-8, 8}};
    std::vector<POINT> points;
    for (const auto& corner : kCorners) {
        POINT p = TurnCorner(corner[0], corner[1], a, cx, cy);
        p.x = std::min(std::max(p.x, 0L), static_cast<LONG>(W)) * 2;
        p.y = std::min(std::max(p.y, 0L), static_cast<LONG>(H)) * 2;
        points.push_back(p);
    }
    out_.paint.Combine(MakePolygonRegion(points), RGN_OR);
}

void CShapeBuilder::AddThinkTail() {
    const double a = tailRadians;
    int n = ((tailAngle % 360) + 360) % 360;
    int s = n < 91 || n >= 270 ? 5 : -5;
    double cx = W + (W - 48) * std::cos(a);
    double cy = H - (H - 48) * std::sin(a);
    const double centres[3][2] = {{40, 2.0 * s}, {24, 1.0 * s}, {0, 0}};
    const int radii[3] = {6, 8, 16};
    for (int b = 0; b < 3; ++b) {
        POINT c = TurnCorner(centres[b][0], centres[b][1], a, cx, cy);
        int r = radii[b];
        out_.paint.Combine(MakeEllipseRegion(c.x - r, c.y - r, c.x + r, c.y + r), RGN_OR);
    }
}

void CShapeBuilder::SetTextArea(int mode) {
    out_.hasTextArea = true;
    if (mode == 0) {
        out_.textWidth = Trunc(w * kInscribedTextFactor);
        out_.textHeight = Trunc(h * kInscribedTextFactor);
    } else if (mode == 1) {
        out_.textWidth = w / 2 - 32;
        out_.textHeight = h / 2 - 32;
    } else {
        out_.textWidth = Trunc(W * kInscribedTextFactor);
        out_.textHeight = Trunc(H * kInscribedTextFactor);
    }
}
