#include "platform/progress_counter.h"

void CProgressCounter::Reset() {
    elapsed_ = 0;
    duration_ = 0;
    easing_ = nullptr;
}

void CProgressCounter::Set(uint32_t duration, EasingCurve easing) {
    elapsed_ = 0;
    duration_ = duration;
    easing_ = easing;
}

void CProgressCounter::Advance(uint32_t dt) {
    // Compared before adding, so a huge step cannot wrap past the end.
    elapsed_ = dt >= duration_ - elapsed_ ? duration_ : elapsed_ + dt;
}

uint32_t CProgressCounter::Remaining() const {
    return elapsed_ >= duration_ ? 0 : duration_ - elapsed_;
}

double CProgressCounter::Ratio() const {
    if (!IsRunning()) return 1.0;
    const double r = static_cast<double>(elapsed_) / static_cast<double>(duration_);
    return easing_ ? easing_(r) : r;
}

long double CProgressCounter::Lerp(long double from, long double to) const {
    if (easing_) {
        const double r = static_cast<double>(elapsed_) / static_cast<double>(duration_);
        return from + (to - from) * easing_(r);
    }
    return from + elapsed_ * (to - from) / duration_;
}

double CProgressCounter::LerpDouble(double from, double to) const {
    if (!IsRunning()) return to;
    return static_cast<double>(Lerp(from, to));
}

int CProgressCounter::LerpInt(int from, int to) const {
    if (!IsRunning()) return to;
    const long double v = Lerp(from, to);
    return static_cast<int>(v < 0 ? v - 0.5L : v + 0.5L);
}
