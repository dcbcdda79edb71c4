#include "media/clocked_sound_buffer.h"

CClockedSoundBuffer::CClockedSoundBuffer(CClock& clock)
    : clock_(clock),
      dsBuffer_(nullptr),
      source_(nullptr),
      lengthMs_(0),
      looping_(false),
      startTime_(0),
      savedPosition_(0),
      passEnd_(0),
      primed_(false),
      open_(false),
      playing_(false),
      paused_(false),
      muted_(false),
      pauseWhenMuted_(true),
      volume_(0) {}

CClockedSoundBuffer::~CClockedSoundBuffer() { ReleaseBuffer(); }

void CClockedSoundBuffer::ReleaseBuffer() {
    if (dsBuffer_) {
        dsBuffer_->Release();
        dsBuffer_ = nullptr;
    }
}

int CClockedSoundBuffer::SetVolume(long volume) {
    volume_ = volume;
    if (muted_) return 0;
    if (!dsBuffer_) return 1;
    return dsBuffer_->SetVolume(volume);
}

int CClockedSoundBuffer::SetFrequency(DWORD hz) {
    if (!dsBuffer_) return 1;
    if (pauseWhenMuted_ && source_ && source_->GetFormat() && hz != source_->GetFormat()->nSamplesPerSec)
        SetPauseWhenMuted(false);
    return dsBuffer_->SetFrequency(hz);
}

int CClockedSoundBuffer::SetPan(long pan) { return dsBuffer_ ? dsBuffer_->SetPan(pan) : 1; }

long CClockedSoundBuffer::GetPan() {
    LONG pan = 0;
    if (!dsBuffer_ || FAILED(dsBuffer_->GetPan(&pan))) return 0;
    return pan;
}

DWORD CClockedSoundBuffer::GetFrequency() {
    DWORD hz = 0;
    if (!dsBuffer_ || FAILED(dsBuffer_->GetFrequency(&hz))) return 0;
    return hz;
}

uint32_t CClockedSoundBuffer::ResumePosition() const {
    return looping_ ? savedPosition_ % LengthDivisor() : lengthMs_ - passEnd_ + savedPosition_;
}
