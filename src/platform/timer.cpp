#include "platform/timer.h"

CTimer::CTimer(CClock& clock) : clock_(&clock), start_(clock.Now()), pauseTime_(0), pauseDepth_(0) {}

uint32_t CTimer::Restart() {
    start_ = clock_->Now();
    pauseDepth_ = 0;
    return start_;
}

uint32_t CTimer::GetElapsed() const {
    return (pauseDepth_ > 0 ? pauseTime_ : clock_->Now()) - start_;
}

void CTimer::Pause() {
    if (pauseDepth_++ == 0) {
        pauseTime_ = clock_->Now();
    }
}

void CTimer::Resume() {
    if (pauseDepth_-- == 1) {
        start_ += clock_->Now() - pauseTime_;
    }
}
