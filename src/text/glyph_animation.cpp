#include "text/glyph_animation.h"

#include <cmath>
#include <cstdlib>

#include "platform/error_report.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kBangAfterglow = 250;
constexpr int kPlaceUnknownStyle = 2955;

// The offset, opacity and zoom of one style at t = elapsed / speed.
struct Appearance {
    double dx = 0.0;
    double dy = 0.0;
    double opacity = 1.0;
    double zoomX = 1.0;
    double zoomY = 1.0;
};

Appearance AppearanceAt(const GlyphMotion& motion, double t, const RECT& glyph) {
    Appearance a;
    const double size = motion.fontSize;
    switch (motion.style) {
        case kTypeNormal: break;
        case kTypeSpit: {
            const double c = std::cos(t * kPi / 2);
            a.opacity = 1 - c;
            a.zoomX = a.zoomY = 2 * c + 1;
            break;
        }
        case kTypeBang: a.zoomX = a.zoomY = 2 - t * t; break;
        case kTypeJump: a.dy = std::trunc(-8 * std::sin(t * kPi)); break;
        case kTypeFade: a.opacity = 1 - std::cos(t * kPi / 2); break;
        case kTypeShutter: a.zoomX = a.zoomY = std::sin(t * kPi / 2); break;
        case kTypeFlicker: a.zoomX = a.zoomY = 1 + std::sin(t * 2 * kPi); break;
        case kTypeStretch: a.zoomX = a.zoomY = 1 + 0.5 * std::sin(t * 2 * kPi); break;
        case kTypeOffCenter: {
            std::srand(static_cast<unsigned>(motion.clock));
            a.opacity = t;
            const int range = 1 + static_cast<int>(std::trunc(32 * (1 - t)));
            const int middle = static_cast<int>(std::trunc(16 * (1 - t)));
            a.dx = std::rand() % range - middle;
            a.dy = std::rand() % range - middle;
            break;
        }
        case kTypeRise:
            a.opacity = std::sin(t * kPi / 2);
            a.dy = std::trunc(std::cos(t * kPi / 2) * (glyph.bottom - glyph.top));
            break;
        case kTypeWave: a.dy = std::trunc(-3 * std::sin(t * 2 * kPi)); break;
        case kTypeSpring: {
            const double s = std::sin(t * kPi);
            a.dx = 0.2 * size * s;
            a.zoomX = 1 + 1.2 * s;
            break;
        }
        case kTypeSplash: {
            const double s = std::sin(t * kPi);
            a.dx = 0.25 * size * s;
            a.dy = -0.25 * size * s;
            a.zoomX = a.zoomY = 1 + 0.3 * s;
            break;
        }
        default: ErrorReport(ErrorKind::Internal, kModuleTextNode, kPlaceUnknownStyle);
    }
    return a;
}

}  // namespace

int ApplyGlyphAnimation(const GlyphMotion& motion, int elapsed, CTransform2D* placement,
                        const RECT& glyph) {
    const int speed = motion.speed;
    if (speed == 0 || speed <= elapsed) return 0;
    const double t = static_cast<double>(elapsed) / speed;
    const Appearance a = AppearanceAt(motion, t, glyph);
    const int halfWidth = (glyph.right - glyph.left) / 2;
    const int halfHeight = (glyph.bottom - glyph.top) / 2;
    placement->Compose(CTransform2D(halfWidth, halfHeight, a.opacity, a.zoomX, a.zoomY, 0));
    placement->Compose(CTransform2D(a.dx - halfWidth, a.dy - halfHeight, 1, 1, 1, 0));
    return speed - elapsed + (motion.style == kTypeBang ? kBangAfterglow : 0);
}

int GlyphAnimationTime(const GlyphMotion& motion, const RECT& glyph) {
    CTransform2D scratch(0, 0, 1, 1, 1, 0);
    return ApplyGlyphAnimation(motion, 0, &scratch, glyph);
}
