#include "text/balloon/balloon_motion.h"

#include <cmath>
#include <cstdlib>

namespace {

const double kPi = 3.141592653589793;

// The requests that set a state and reset every clock, with what the text
// child is told.
const struct {
    const char* name;
    int state;
    const char* text;
} kStateRequests[] = {
    {"Exit", kBalloonFadeOut, nullptr},   {"Show", kBalloonShownAtOnce, "TypeOut"},
    {"Enter", kBalloonFadeIn, "Erase"},    {"Erase", kBalloonHidden, "Erase"},
    {"TapEnter", kBalloonTapIn, "Erase"},  {"ExpandEnter", kBalloonExpandIn, "Erase"},
    {"BoundEnter", kBalloonBoundIn, "Erase"}, {"ShockEnter", kBalloonShockIn, "Erase"},
};

// The focus timer after a reversal, so the zoom continues from where it is.
int ReversedFocusTimer(int timer) { return timer < 250 ? 250 - timer : 0; }

// The amplitude of the floating motion; false when there is none.
bool FloatAmplitude(int mode, int t, double& a) {
    if (mode == kFocusSettle) {
        if (t < 3000) {
            a = 1;
        } else if (t < 6000) {
            float r = static_cast<float>((t - 3000) / 3000.0);
            a = std::cos(r * kPi / 2);
        } else {
            return false;
        }
        return true;
    }
    if (t < 0) return false;
    a = t < 1000 ? t * 0.001 : 1.0;
    return true;
}

}  // namespace

int BalloonProgress(int t, int duration) {
    if (t < 0) return 0;
    if (t > duration) return 256;
    return 256 * t / duration;
}

void CBalloonMotion::Start() {
    state_ = kBalloonTapIn;
    focusMode_ = kFocusNone;
    stateTimer_ = focusTimer_ = floatTimer_ = 0;
}

void CBalloonMotion::SetState(int state) {
    state_ = state;
    stateTimer_ = 0;
}

BalloonRequest CBalloonMotion::Request(const std::string& name) {
    BalloonRequest request;
    for (const auto& entry : kStateRequests) {
        if (name != entry.name) continue;
        SetState(entry.state);
        focusTimer_ = floatTimer_ = 0;
        focusMode_ = kFocusNone;
        request.known = request.dirty = true;
        request.textRequest = entry.text;
        return request;
    }
    request.known = true;
    if (name == "Soft") {
        if (focusMode_ != kFocusFloat) {
            focusMode_ = kFocusFloat;
            focusTimer_ = 0;
            floatTimer_ = -(std::rand() % 1000);
        }
    } else if (name == "UnSoft") {
        if (focusMode_ == kFocusFloat) {
            focusMode_ = kFocusSettle;
            focusTimer_ %= 3000;
            floatTimer_ %= 4000;
        }
    } else if (name == "SetFocus" || name == "Zoom") {
        if (focusMode_ != kFocusZoomIn) {
            focusMode_ = kFocusZoomIn;
            focusTimer_ = ReversedFocusTimer(focusTimer_);
        }
    } else if (name == "KillFocus" || name == "UnZoom") {
        if (focusMode_ == kFocusZoomIn) {
            focusMode_ = kFocusZoomOut;
            focusTimer_ = ReversedFocusTimer(focusTimer_);
        }
    } else if (name == "Select" || name == "Vanish") {
        SetState(kBalloonVanish);
    } else if (name == "Unselect" || name == "Drop") {
        SetState(kBalloonDrop);
    } else {
        request.known = false;
    }
    return request;
}

BalloonStep CBalloonMotion::Advance(int milliseconds) {
    BalloonStep step;
    switch (state_) {
    case kBalloonFadeIn:
    case kBalloonExpandIn:
    case kBalloonBoundIn:
    case kBalloonShockIn:
        step.beginChange = step.invalidate = true;
        if (stateTimer_ >= 500) {
            state_ = kBalloonShown;
            step.startTyping = true;
        }
        break;
    case kBalloonTapIn:
        step.invalidate = true;
        if (stateTimer_ >= 300) {
            state_ = kBalloonShown;
            step.startTyping = true;
        }
        break;
    case kBalloonFadeOut:
    case kBalloonDrop:
    case kBalloonVanish:
        step.beginChange = step.invalidate = true;
        if (stateTimer_ > (state_ == kBalloonVanish ? 1500 : 500)) SetState(kBalloonGone);
        break;
    case kBalloonGone:
        step.remove = true;
        return step;
    default:
        break;
    }
    if (focusMode_ != kFocusNone) {
        step.beginChange = step.invalidate = true;
        focusTimer_ += milliseconds;
        floatTimer_ += milliseconds;
    }
    return step;
}

int CBalloonMotion::EnterTimeLeft() const {
    if (state_ == kBalloonTapIn) return 300 - stateTimer_;
    return 500 - stateTimer_;
}

BalloonPlacement CBalloonMotion::Placement(int width, int height) const {
    BalloonPlacement p;
    const int t = stateTimer_;
    switch (state_) {
    case kBalloonFadeIn:
        p.opacity = BalloonProgress(t, 500) / 256.0;
        break;
    case kBalloonTapIn:
        if (t < 200) {
            double u = BalloonProgress(t, 200) / 256.0;
            double s = 0.9 + 0.1 * std::sin(u * kPi / 2);
            p.opacity = u;
            p.zoomX = s + (8.0 / width) * std::sin(u * kPi);
            p.zoomY = s + (6.0 / height) * std::sin(u * kPi);
        } else if (t < 300) {
            double u = BalloonProgress(t - 200, 100) / 256.0;
            p.zoomX = 1 - (4.0 / width) * std::sin(u * kPi);
            p.zoomY = 1 - (3.0 / height) * std::sin(u * kPi);
        }
        break;
    case kBalloonExpandIn: {
        double u = BalloonProgress(t, 500) / 256.0;
        p.opacity = u;
        p.zoomX = p.zoomY = 0.5 + 0.5 * std::sin(u * kPi / 2);
        break;
    }
    case kBalloonBoundIn:
        if (t < 300) {
            double u = BalloonProgress(t, 300) / 256.0;
            p.opacity = u;
            p.zoomX = p.zoomY = 0.5 + 0.5 * std::sin(u * kPi / 2) + 0.15 * std::sin(u * kPi);
        } else if (t < 500) {
            double u = BalloonProgress(t - 300, 200) / 256.0;
            p.zoomX = p.zoomY = 1 - 0.01 * std::sin(u * kPi);
        }
        break;
    case kBalloonShockIn:
        if (t < 250) {
            double u = BalloonProgress(t, 250) / 256.0;
            p.zoomX = p.zoomY = 1 + std::sin(u * 3 * kPi / 2);
        } else {
            double u = BalloonProgress(t - 250, 250) / 256.0;
            p.zoomX = p.zoomY = 1 + 0.2 * u * (1 - u) * std::cos(4 * kPi * u);
        }
        break;
    case kBalloonFadeOut:
        p.opacity = 1 - BalloonProgress(t, 500) / 256.0;
        break;
    case kBalloonGone:
        p.zoomX = p.zoomY = p.opacity = 0;
        break;
    case kBalloonVanish:
        p.opacity = 1 - BalloonProgress(t - 1000, 500) / 256.0;
        break;
    case kBalloonDrop: {
        int q = BalloonProgress(t, 500);
        p.opacity = 1 - q / 256.0;
        p.dy = (q * q * 100 / 256) / 256;
        break;
    }
    default:
        break;
    }
    double a;
    if (focusMode_ != kFocusNone && FloatAmplitude(focusMode_, floatTimer_, a)) {
        const double breathing = 0.025 * a * std::sin(2 * kPi * floatTimer_ / 1000);
        p.zoomX += breathing;
        p.zoomY += breathing;
        p.dy = static_cast<int>(p.dy + 8 * a * std::sin(kPi * floatTimer_ / 2000));
    }
    double f = 1;
    if (focusMode_ == kFocusZoomIn) {
        f = focusTimer_ < 250 ? 1 + 0.5 * std::sin(2 * kPi * focusTimer_ / 1000) : 1.5;
    } else if (focusMode_ == kFocusZoomOut) {
        f = focusTimer_ < 250 ? 1 + 0.5 * std::cos(2 * kPi * focusTimer_ / 1000) : 1.0;
    }
    p.zoomX *= f;
    p.zoomY *= f;
    return p;
}
