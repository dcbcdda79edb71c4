// A long sound (two seconds or more) streamed through a DirectSound ring of
// two seconds that always plays in a loop. A periodic timer refills what has
// been played from the decoder; seeking rewinds the decoder, skips to the
// byte and refills the whole ring.
//
// Two threads touch a playing stream: the caller's (every operation) and the
// timer's (OnTimer, which reads the position and fills). callbackLock is held
// by a tick while it works; the tick only tries it once and skips when it is
// taken, and the caller spins on it (1 ms sleeps) around stopping DirectSound
// and killing the timer, so a tick is never half done when the timer dies.
// counterLock guards bytesWritten and its snapshot and is always taken after
// callbackLock. The tick neither allocates nor blocks, and raises nothing.
#pragma once

#include <atomic>

#include "media/clocked_sound_buffer.h"
#include "media/sound_clock.h"
#include "media/stream_timer.h"

class CStreamBuffer : public CClockedSoundBuffer, private CTimerTarget {
public:
    static constexpr uint32_t kRingMs = 2000;
    static constexpr uint32_t kPeriodMs = 100;

    explicit CStreamBuffer(CClock& clock = SoundClock(), CStreamTimer& timer = MultimediaStreamTimer());
    ~CStreamBuffer() override;

    // A source under two seconds, or a ring that cannot be made, is a box.
    int Open(CSoundSource* source) override;
    int Close() override;
    void Play() override;
    void Stop() override;
    void Pause() override;
    void Resume() override;
    int SetLoop(bool loop) override;
    bool IsPlaying() override;
    DWORD GetPassPosition() override;
    DWORD GetPosition() override;

    uint32_t GetRingBytes() const { return ringBytes_; }
    uint32_t GetWriteOffset() const { return writeOffset_; }

private:
    void OnTimer() override;
    // The position; a negative one is a box, or 0 on the timer's thread.
    uint32_t Position(bool onTimerThread);
    // n bytes at writeOffset: the source's data, from its start again when
    // looping, then silence. 0 when the ring cannot be locked.
    int Fill(uint32_t bytes);
    void Produce(uint8_t* dst, uint32_t bytes, bool* rewound);
    // Restarts the decoder at the position and refills the ring from it;
    // false past the end of a sound that does not loop.
    bool Seek(uint32_t ms);
    // Rebuilds the ring from the decoder's start.
    void Refill();
    // DirectSound Play and the timer; a failure leaves the sound stopped.
    void Start();
    // DirectSound Stop and the timer killed, under callbackLock.
    void Halt() override;
    void Resynchronise() override;
    void TakeLock(std::atomic<uint32_t>& lock);

    CStreamTimer& timer_;
    uint32_t ringBytes_;
    uint32_t timerId_;
    std::atomic<uint32_t> callbackLock_;
    uint32_t writeOffset_;
    uint64_t bytesWritten_;
    uint32_t writeOffsetAtLastFill_;
    std::atomic<uint32_t> counterLock_;
};
