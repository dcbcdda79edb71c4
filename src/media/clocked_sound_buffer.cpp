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

void CClockedSoundBuffer::SetMute(bool mute) {
    if (mute == muted_) return;
    muted_ = mute;
    if (!dsBuffer_ || !playing_ || paused_) return;
    if (mute) {
        if (pauseWhenMuted_)
            Halt();
        else
            dsBuffer_->SetVolume(kMutedRunningVolume);
    } else if (!pauseWhenMuted_) {
        dsBuffer_->SetVolume(volume_);
    } else {
        savedPosition_ = clock_.Now() - startTime_;
        dsBuffer_->SetVolume(volume_);
        Resynchronise();
    }
}

int CClockedSoundBuffer::SetPauseWhenMuted(bool pause) {
    if (pause == pauseWhenMuted_) return 0;
    if (dsBuffer_ && playing_ && !paused_ && muted_) {
        if (pause) {
            savedPosition_ = GetPosition();
            Halt();
        } else {
            savedPosition_ = clock_.Now() - startTime_;
            dsBuffer_->SetVolume(kMutedRunningVolume);
            Resynchronise();
        }
    }
    pauseWhenMuted_ = pause;
    return 0;
}
