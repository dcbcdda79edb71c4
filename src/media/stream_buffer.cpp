#include "media/stream_buffer.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/error_report.h"

namespace {

constexpr int kTooShortPlace = 66;
constexpr int kNegativePositionPlace = 430;
constexpr int kCreateFailedPlace = 589;

}  // namespace

CStreamBuffer::CStreamBuffer(CClock& clock, CStreamTimer& timer)
    : CClockedSoundBuffer(clock),
      timer_(timer),
      ringBytes_(0),
      timerId_(0),
      callbackLock_(0),
      writeOffset_(0),
      bytesWritten_(0),
      writeOffsetAtLastFill_(0),
      counterLock_(0) {}

CStreamBuffer::~CStreamBuffer() { Close(); }

void CStreamBuffer::TakeLock(std::atomic<uint32_t>& lock) {
    while (lock.exchange(1) != 0) Sleep(1);
}

int CStreamBuffer::Open(CSoundSource* source) {
    if (open_) Close();
    source_ = source;
    lengthMs_ = source->GetLengthMs();
    if (lengthMs_ < kRingMs) ErrorReport(ErrorKind::Sound, kModuleStreamingBuffer, kTooShortPlace);
    const WAVEFORMATEX& format = *source->GetFormat();
    ringBytes_ = format.nAvgBytesPerSec * kRingMs / 1000;
    dsBuffer_ = CreateSecondaryBuffer(GetDirectSound(), ringBytes_, format, kModuleStreamingBuffer, kCreateFailedPlace);
    timerId_ = 0;
    startTime_ = savedPosition_ = passEnd_ = 0;
    volume_ = 0;
    pauseWhenMuted_ = true;
    writeOffset_ = writeOffsetAtLastFill_ = 0;
    bytesWritten_ = 0;
    Fill(ringBytes_);
    primed_ = true;
    open_ = true;
    return 1;
}

int CStreamBuffer::Close() {
    Stop();
    // A tick that stopped the sound itself may still be leaving.
    TakeLock(callbackLock_);
    ReleaseBuffer();
    callbackLock_.exchange(0);
    open_ = false;
    return 1;
}

void CStreamBuffer::Refill() {
    source_->Rewind();
    writeOffset_ = writeOffsetAtLastFill_ = 0;
    bytesWritten_ = 0;
    dsBuffer_->SetCurrentPosition(0);
    Fill(ringBytes_);
}

void CStreamBuffer::Play() {
    if (!dsBuffer_ || playing_) return;
    playing_ = true;
    paused_ = false;
    startTime_ = clock_.Now();
    passEnd_ = lengthMs_;
    savedPosition_ = 0;
    if (!primed_) Refill();
    primed_ = false;
    if (muted_ && pauseWhenMuted_) return;  // only the clock runs
    dsBuffer_->SetVolume(muted_ ? kMutedRunningVolume : volume_);
    Start();
}

void CStreamBuffer::Start() {
    if (FAILED(PlayRestoring(dsBuffer_, DSBPLAY_LOOPING))) {
        playing_ = false;
        return;
    }
    timerId_ = timer_.Start(kPeriodMs, this);
    if (timerId_ == 0) {
        dsBuffer_->Stop();
        playing_ = false;
    }
}

void CStreamBuffer::Halt() {
    TakeLock(callbackLock_);
    dsBuffer_->Stop();
    if (timerId_) timer_.Kill(timerId_);
    timerId_ = 0;
    callbackLock_.exchange(0);
}

void CStreamBuffer::Stop() {
    if (!playing_) return;
    Halt();
    playing_ = false;
    paused_ = false;
}

void CStreamBuffer::Pause() {
    if (!playing_ || paused_) return;
    savedPosition_ = GetPosition();
    Halt();
    paused_ = true;
}

void CStreamBuffer::Resume() {
    if (!playing_ || !paused_) return;
    startTime_ = clock_.Now() - savedPosition_;
    primed_ = false;
    paused_ = false;
    if (muted_ && pauseWhenMuted_) return;
    dsBuffer_->SetVolume(muted_ ? kMutedRunningVolume : volume_);
    Resynchronise();
}

void CStreamBuffer::Resynchronise() {
    if (Seek(ResumePosition()))
        Start();
    else
        Stop();
}

bool CStreamBuffer::Seek(uint32_t ms) {
    if (!looping_ && ms >= lengthMs_) return false;
    if (looping_) ms %= LengthDivisor();
    uint32_t byte = ByteOffsetOfMs(*source_->GetFormat(), ms);
    source_->Rewind();
    source_->Skip(byte);
    writeOffset_ = writeOffsetAtLastFill_ = 0;
    bytesWritten_ = 0;
    dsBuffer_->SetCurrentPosition(0);
    Fill(ringBytes_);
    primed_ = false;
    return true;
}


int CStreamBuffer::SetLoop(bool loop) {
    if (loop == looping_) return 0;
    if (playing_ && looping_) passEnd_ = (GetPosition() / LengthDivisor() + 1) * lengthMs_;
    looping_ = loop;
    return 0;
}

bool CStreamBuffer::IsPlaying() {
    if (!dsBuffer_ || !playing_ || paused_) return false;
    return looping_ || GetPosition() < passEnd_;
}

DWORD CStreamBuffer::GetPassPosition() { return GetPosition() % LengthDivisor(); }

DWORD CStreamBuffer::GetPosition() { return Position(false); }

uint32_t CStreamBuffer::Position(bool onTimerThread) {
    if (!dsBuffer_ || !playing_) return 0;
    if (paused_) return savedPosition_;
    int64_t t;
    if (muted_ && pauseWhenMuted_) {
        t = static_cast<uint32_t>(clock_.Now() - startTime_);
    } else {
        TakeLock(counterLock_);
        uint64_t written = bytesWritten_;
        uint32_t snapshot = writeOffsetAtLastFill_;
        counterLock_.exchange(0);
        DWORD play = 0;
        if (FAILED(dsBuffer_->GetCurrentPosition(&play, nullptr))) play = 0;
        int64_t laps = static_cast<int64_t>(written / ringBytes_);
        int64_t bytes = (play < snapshot ? laps : laps - 1) * ringBytes_ + play;
        const WAVEFORMATEX& format = *source_->GetFormat();
        int64_t bytesPerSecond = int64_t{format.nBlockAlign} * format.nSamplesPerSec;
        t = bytes * 1000 / bytesPerSecond + savedPosition_;
        if (t < 0 || t > INT_MAX) {
            if (!onTimerThread) ErrorReport(ErrorKind::Warning, kModuleStreamingBuffer, kNegativePositionPlace);
            t = 0;
        }
    }
    if (!looping_) t = std::min<int64_t>(t, passEnd_);
    return static_cast<uint32_t>(t);
}

int CStreamBuffer::Fill(uint32_t bytes) {
    if (bytes == 0) return 1;
    void* part1 = nullptr;
    void* part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    if (FAILED(LockRestoring(dsBuffer_, writeOffset_, bytes, &part1, &bytes1, &part2, &bytes2))) return 0;
    bool rewound = false;
    Produce(static_cast<uint8_t*>(part1), bytes1, &rewound);
    if (part2) Produce(static_cast<uint8_t*>(part2), bytes2, &rewound);
    dsBuffer_->Unlock(part1, bytes1, part2, bytes2);
    uint32_t written = bytes1 + (part2 ? bytes2 : 0);
    writeOffset_ = static_cast<uint32_t>((uint64_t{writeOffset_} + written) % ringBytes_);
    TakeLock(counterLock_);
    bytesWritten_ += written;
    writeOffsetAtLastFill_ = writeOffset_;
    counterLock_.exchange(0);
    return 1;
}

void CStreamBuffer::Produce(uint8_t* dst, uint32_t bytes, bool* rewound) {
    while (bytes > 0) {
        uint64_t consumed = source_->GetConsumedBytes();
        uint64_t left = source_->GetDataBytes() > consumed ? source_->GetDataBytes() - consumed : 0;
        uint32_t wanted = static_cast<uint32_t>(std::min<uint64_t>(bytes, left));
        uint32_t read = wanted ? source_->Read(dst, wanted) : 0;
        dst += read;
        bytes -= read;
        if (bytes == 0) return;
        // The end of the source's data, or a read that came short: a looping
        // sound goes on from its start, once per fill; the rest is silence.
        if (!looping_ || *rewound) break;
        source_->Rewind();
        *rewound = true;
    }
    std::memset(dst, source_->GetSilenceByte(), bytes);
}

void CStreamBuffer::OnTimer() {
    if (!playing_) return;
    if (callbackLock_.exchange(1) != 0) return;
    if (!looping_ && Position(true) >= passEnd_) {
        dsBuffer_->Stop();
        if (timerId_) timer_.Kill(timerId_);
        timerId_ = 0;
        playing_ = false;
        callbackLock_.exchange(0);
        return;
    }
    DWORD play = 0;
    if (SUCCEEDED(dsBuffer_->GetCurrentPosition(&play, nullptr))) {
        uint32_t bytes = play >= writeOffset_ ? play - writeOffset_ : ringBytes_ - writeOffset_ + play;
        if (bytes > 0) Fill(bytes);
    }
    callbackLock_.exchange(0);
}
