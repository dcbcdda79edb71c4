// The sound half of the AVIFile player: the movie's sound stream converted to
// PCM and kept flowing into a looping DirectSound buffer of about five
// seconds by a worker thread, whose play position is the movie's clock.
// After the stream's end the buffer is fed silence until the movie stops.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "media/acm_audio_reader.h"
#include "media/avi_sound_stream.h"
#include "media/sound_device.h"
#include "platform/thread.h"

class CAviAudioStreamer {
public:
    // Takes one use of the shared sound device for the streamer's life.
    explicit CAviAudioStreamer(CDirectSoundFactory& factory = SystemDirectSoundFactory());
    virtual ~CAviAudioStreamer();
    CAviAudioStreamer(const CAviAudioStreamer&) = delete;
    CAviAudioStreamer& operator=(const CAviAudioStreamer&) = delete;

    // Opens the first sound stream of the file at path (a normalised path).
    // -1 without a ready sound device, or when the file is damaged or has no
    // sound stream; else 0.
    int OpenStream(const std::string& path);
    // Opens the PCM converter and creates the buffer (flags tried from the
    // fullest set down). -1 when either cannot be had; else 0.
    int Prepare();

    // Each answers -1 without a stream or buffer, else 0; each stops the
    // worker and waits for it first.
    virtual int Close();
    // From the start of the sound.
    virtual int Play();
    // From the paused position; only while paused.
    virtual int Resume();
    virtual int Stop();
    virtual int Pause();
    virtual bool IsPlaying() const { return isPlaying_; }
    // 1 when the flag already had that value, else 0.
    virtual int SetLooping(bool looping);
    // Pause then Resume: the sound goes on from where it was.
    virtual int SetPosition(int ms);
    // Milliseconds of sound played since the start; the paused position
    // while paused, 0 while stopped. A negative position is a "Warning" (1017, 723).
    virtual int GetPosition();
    virtual void SetMute(bool muted);
    // -1 without a buffer; else the buffer's answer.
    int SetVolume(int volume);
    // The buffer's volume, -10000 without one.
    int GetVolume();

    const WAVEFORMATEX& GetPcmFormat() const { return reader_.GetPcmFormat(); }
    uint32_t GetBufferBytes() const { return bufferBytes_; }
    IDirectSoundBuffer* GetBuffer() const { return buffer_; }
    // The flag sets CreateSoundBuffer is asked for, in order.
    static const DWORD kBufferFlags[3];

    // One refill of the buffer up to the play cursor (the worker's step).
    void Service();
    bool IsWorkerRunning() const { return worker_.IsRunning(); }

private:
    // The thread that services the buffer while the sound plays.
    class CWorker : public CThread {
    public:
        explicit CWorker(CAviAudioStreamer& owner) : owner_(owner) {}
        ~CWorker() override { Stop(); }

    protected:
        void Run() override;

    private:
        CAviAudioStreamer& owner_;
    };

    // Starts the sound at startPositionMs_.
    int Start();
    // Stops the worker (waking it) and the buffer.
    void Halt();
    // Writes bytes at the write offset: decoded sound while the stream
    // lasts (from its start again when looping), then silence.
    uint32_t Fill(uint32_t bytes);
    // Decoded PCM into dst; silence where the stream (not looping) has
    // ended.
    void Read(uint8_t* dst, uint32_t bytes);
    void TakeGuard();
    void ReleaseGuard();
    void ReleaseBuffer();

    CSoundDeviceUse deviceUse_;
    CAviSoundStream stream_;
    IDirectSoundBuffer* buffer_;
    CAcmAudioReader reader_;
    uint32_t bufferBytes_;
    uint32_t writeOffset_;
    uint32_t lastWriteOffset_;
    uint64_t bytesWritten_;
    int64_t startPositionMs_;
    bool isPaused_;
    bool isPlaying_;
    bool looping_;
    bool muted_;
    int volume_;
    std::atomic<long> guard_;
    // Set by Stop, Pause and Close so the sleeping worker wakes at once.
    HANDLE wake_;
    CWorker worker_;
};
