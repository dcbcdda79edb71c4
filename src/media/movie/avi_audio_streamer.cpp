#include "media/movie/avi_audio_streamer.h"

#include <algorithm>
#include <cstring>

#include "platform/error_report.h"

namespace {

constexpr int kPlaceNegativePosition = 723;
constexpr uint32_t kBufferSeconds = 5;
constexpr DWORD kWorkerSleepMs = 100;

}  // namespace

const DWORD CAviAudioStreamer::kBufferFlags[3] = {
    DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_CTRLPOSITIONNOTIFY | DSBCAPS_CTRLVOLUME,
    DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_CTRLVOLUME,
    DSBCAPS_GETCURRENTPOSITION2,
};

CAviAudioStreamer::CAviAudioStreamer(CDirectSoundFactory& factory)
    : deviceUse_(factory),
      buffer_(nullptr),
      bufferBytes_(0),
      writeOffset_(0),
      lastWriteOffset_(0),
      bytesWritten_(0),
      startPositionMs_(0),
      isPaused_(false),
      isPlaying_(false),
      looping_(false),
      muted_(false),
      volume_(0),
      guard_(0),
      wake_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      worker_(*this) {}

CAviAudioStreamer::~CAviAudioStreamer() {
    Close();
    worker_.Stop();
    if (wake_) CloseHandle(wake_);
}

int CAviAudioStreamer::OpenStream(const std::string& path) {
    CSoundDevice* device = deviceUse_.Device();
    if (!device || device->GetInitResult() != CSoundDevice::kReady) return -1;
    Close();
    return stream_.Open(path) ? 0 : -1;
}

int CAviAudioStreamer::Prepare() {
    IDirectSound* directSound = GetDirectSound();
    if (!stream_.IsOpen() || !directSound) return -1;
    ReleaseBuffer();
    if (!reader_.Open(stream_)) return -1;
    const WAVEFORMATEX& pcm = reader_.GetPcmFormat();
    uint32_t block = reader_.GetBlockOutputBytes();
    uint32_t wanted = kBufferSeconds * pcm.nBlockAlign * pcm.nSamplesPerSec;
    // Whole source blocks, enough for the five seconds.
    bufferBytes_ = (wanted + block - 1) / block * block;
    WAVEFORMATEX format = pcm;
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof desc;
    desc.dwBufferBytes = bufferBytes_;
    desc.lpwfxFormat = &format;
    for (DWORD flags : kBufferFlags) {
        desc.dwFlags = flags;
        if (SUCCEEDED(directSound->CreateSoundBuffer(&desc, &buffer_, nullptr)) && buffer_) break;
        buffer_ = nullptr;
    }
    if (!buffer_) {
        reader_.Close();
        return -1;
    }
    SetMute(muted_);
    return 0;
}

void CAviAudioStreamer::Halt() {
    SetEvent(wake_);
    if (worker_.IsRunning()) worker_.Stop();
    if (buffer_) buffer_->Stop();
    worker_.RequestStop();
}

int CAviAudioStreamer::Close() {
    Stop();
    if (buffer_) Halt();
    ReleaseBuffer();
    stream_.Close();
    return 0;
}

void CAviAudioStreamer::ReleaseBuffer() {
    if (buffer_) buffer_->Release();
    buffer_ = nullptr;
    reader_.Close();
}

int CAviAudioStreamer::Play() {
    if (!stream_.IsOpen() || !buffer_) return -1;
    Stop();
    isPaused_ = false;
    startPositionMs_ = 0;
    return Start();
}

int CAviAudioStreamer::Resume() {
    if (!stream_.IsOpen() || !buffer_) return -1;
    if (!isPlaying_ || !isPaused_) return 0;
    isPaused_ = false;
    return Start();
}

int CAviAudioStreamer::Start() {
    isPlaying_ = true;
    writeOffset_ = 0;
    lastWriteOffset_ = 0;
    bytesWritten_ = 0;
    buffer_->SetCurrentPosition(0);
    const WAVEFORMATEX& pcm = reader_.GetPcmFormat();
    uint64_t byte = uint64_t(startPositionMs_) * pcm.nAvgBytesPerSec / 1000;
    reader_.SeekToByte(byte - byte % pcm.nBlockAlign);
    uint32_t first = Fill(bufferBytes_ / 8 * 7);
    bytesWritten_ += first;
    lastWriteOffset_ = writeOffset_;
    HRESULT played = buffer_->Play(0, 0, DSBPLAY_LOOPING);
    if (played == DSERR_BUFFERLOST && SUCCEEDED(buffer_->Restore())) {
        played = buffer_->Play(0, 0, DSBPLAY_LOOPING);
    }
    if (SUCCEEDED(played) && !worker_.IsRunning()) {
        ResetEvent(wake_);
        worker_.Start();
    }
    return 0;
}

int CAviAudioStreamer::Stop() {
    if (!stream_.IsOpen() || !buffer_) return -1;
    if (!isPlaying_) return 0;
    Halt();
    isPaused_ = false;
    isPlaying_ = false;
    return 0;
}

int CAviAudioStreamer::Pause() {
    if (!stream_.IsOpen() || !buffer_) return -1;
    if (!isPlaying_ || isPaused_) return 0;
    startPositionMs_ = GetPosition();
    isPaused_ = true;
    Halt();
    return 0;
}

int CAviAudioStreamer::SetLooping(bool looping) {
    if (looping_ == looping) return 1;
    looping_ = looping;
    return 0;
}

int CAviAudioStreamer::SetPosition(int) {
    Pause();
    return Resume();
}

void CAviAudioStreamer::TakeGuard() {
    while (guard_.exchange(1) != 0) Sleep(1);
}

void CAviAudioStreamer::ReleaseGuard() { guard_.exchange(0); }

int CAviAudioStreamer::GetPosition() {
    if (isPaused_) return static_cast<int>(startPositionMs_);
    // Before the first Play and after Stop nothing has been written: the
    // cursor arithmetic below would count one buffer too few.
    if (!buffer_ || !isPlaying_) return 0;
    TakeGuard();
    uint64_t written = bytesWritten_;
    uint32_t lastOffset = lastWriteOffset_;
    ReleaseGuard();
    const WAVEFORMATEX& pcm = reader_.GetPcmFormat();
    int64_t bytesPerSecond = int64_t(pcm.nBlockAlign) * pcm.nSamplesPerSec;
    if (bytesPerSecond <= 0) return 0;
    DWORD cursor = 0;
    int64_t total = 0;
    if (SUCCEEDED(buffer_->GetCurrentPosition(&cursor, nullptr))) {
        int64_t wraps = static_cast<int64_t>(written / bufferBytes_);
        int64_t played = cursor >= lastOffset ? (wraps - 1) * bufferBytes_ + cursor
                                              : wraps * bufferBytes_ + cursor;
        total = played + startPositionMs_ * bytesPerSecond / 1000;
    }
    int64_t ms = total * 1000 / bytesPerSecond;
    if (ms < 0) ErrorReport(ErrorKind::Warning, kModuleAviAudioStreamer, kPlaceNegativePosition);
    return static_cast<int>(ms);
}

void CAviAudioStreamer::SetMute(bool muted) {
    if (!buffer_) return;
    muted_ = muted;
    buffer_->SetVolume(muted_ ? DSBVOLUME_MIN : volume_);
}

int CAviAudioStreamer::SetVolume(int volume) {
    if (!buffer_) return -1;
    volume_ = volume;
    return buffer_->SetVolume(muted_ ? DSBVOLUME_MIN : volume_);
}

int CAviAudioStreamer::GetVolume() {
    LONG volume = DSBVOLUME_MIN;
    if (buffer_) buffer_->GetVolume(&volume);
    return volume;
}

void CAviAudioStreamer::CWorker::Run() {
    while (KeepGoing()) {
        owner_.Service();
        WaitForSingleObject(owner_.wake_, kWorkerSleepMs);
    }
}

void CAviAudioStreamer::Service() {
    if (!buffer_) return;
    DWORD cursor = 0;
    if (FAILED(buffer_->GetCurrentPosition(&cursor, nullptr))) return;
    uint32_t free = writeOffset_ <= cursor ? cursor - writeOffset_ : bufferBytes_ - writeOffset_ + cursor;
    if (free == 0) return;
    uint32_t written = Fill(free);
    TakeGuard();
    lastWriteOffset_ = writeOffset_;
    bytesWritten_ += written;
    ReleaseGuard();
}

uint32_t CAviAudioStreamer::Fill(uint32_t bytes) {
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    HRESULT locked = buffer_->Lock(writeOffset_, bytes, &first, &firstBytes, &second, &secondBytes, 0);
    if (locked == DSERR_BUFFERLOST && SUCCEEDED(buffer_->Restore())) {
        locked = buffer_->Lock(writeOffset_, bytes, &first, &firstBytes, &second, &secondBytes, 0);
    }
    if (FAILED(locked)) return 0;
    Read(static_cast<uint8_t*>(first), firstBytes);
    if (second) Read(static_cast<uint8_t*>(second), secondBytes);
    buffer_->Unlock(first, firstBytes, second, secondBytes);
    uint32_t filled = firstBytes + secondBytes;
    writeOffset_ = (writeOffset_ + filled) % bufferBytes_;
    return filled;
}

void CAviAudioStreamer::Read(uint8_t* dst, uint32_t bytes) {
    uint32_t done = reader_.Read(dst, bytes);
    while (looping_ && done < bytes) {
        reader_.SeekToByte(0);
        uint32_t more = reader_.Read(dst + done, bytes - done);
        if (more == 0) break;
        done += more;
    }
    uint8_t silence = reader_.GetPcmFormat().wBitsPerSample == 8 ? 0x80 : 0;
    std::memset(dst + done, silence, bytes - done);
}
