#include "platform/frame_limiter.h"

namespace {

constexpr uint32_t kDefaultFps = 60;
// One second in 1/65536 ms.
constexpr uint32_t kSecondFixed = 1000u << 16;
constexpr uint32_t kFractionMask = 0xFFFF;
// The last milliseconds before a frame is due are spun, not slept.
constexpr uint32_t kSpinMs = 3;

}  // namespace

CFrameLimiter::CFrameLimiter(CClock& clock)
    : clock_(&clock),
      fps_(kDefaultFps),
      period_(kSecondFixed / kDefaultFps),
      accumulator_(0),
      lastFrameTime_(clock.Now()) {}

void CFrameLimiter::SetFrameRate(uint32_t fps) {
    lastFrameTime_ = clock_->Now();
    fps_ = fps;
    if (fps != 0) {
        period_ = kSecondFixed / fps;
        accumulator_ = 0;
    }
}

void CFrameLimiter::WaitNextFrame() {
    const uint32_t now = clock_->Now();
    if (fps_ == 0) return;

    accumulator_ = (accumulator_ & kFractionMask) + period_;
    const uint32_t due = accumulator_ >> 16;
    const uint32_t elapsed = now - lastFrameTime_;
    if (elapsed >= due) {
        lastFrameTime_ = now;
        return;
    }

    const uint32_t remaining = due - elapsed;
    if (remaining > kSpinMs) {
        clock_->Sleep(remaining - kSpinMs);
    }
    while (clock_->Now() - lastFrameTime_ < due) {
    }
    // The grid moves by the frame's own length, not by the time the wait
    // actually ended, so oversleeping does not push later frames back.
    lastFrameTime_ += due;
}
