#include "media/movie/avi_file_movie.h"

#include <cmath>

#include "media/avi_file_check.h"
#include "platform/clock_source.h"
#include "platform/error_report.h"
#include "platform/paths.h"

namespace {

constexpr int kPlaceNullPath = 71;
constexpr int kPlaceNotAvi = 81;
constexpr int kPlaceNotOpened = 90;
constexpr int kPlaceNothingToPlay = 128;
constexpr int kPlaceBadLength = 140;
constexpr UINT kOpenShareDenyWrite = 0x40;

[[noreturn]] void MovieError(int place, long code) {
    ErrorReport(ErrorKind::Movie, kModuleAviMovie, place, code);
}

}  // namespace

CAviFileMovie::CAviFileMovie(CClock& clock, CDirectSoundFactory& soundFactory)
    : soundFactory_(soundFactory),
      file_(nullptr),
      info_(),
      length_(0),
      framesPerSecond_(0),
      hasVideo_(false),
      hasAudio_(false),
      isOpen_(false),
      isPaused_(false),
      isPlaying_(false),
      clock_(clock),
      positionOffset_(0),
      volume_(0),
      looping_(false) {
    BeginTimerPeriod();
    AVIFileInit();
}

CAviFileMovie::~CAviFileMovie() {
    Close();
    AVIFileExit();
}

int CAviFileMovie::Open(const char* path) {
    Close();
    if (!path) MovieError(kPlaceNullPath, 0);
    name_ = NormalizePath(path);
    std::string extension = GetExtension(name_);
    MakeLowerCase(extension);
    if (extension != "avi") MovieError(kPlaceNotAvi, 0);
    if (!IsWholeAviFile(name_, AviIndexUse::kFirstIndex)) MovieError(kPlaceNotOpened, AVIERR_BADFORMAT);
    HRESULT opened = AVIFileOpenA(&file_, name_.c_str(), kOpenShareDenyWrite, nullptr);
    if (opened < 0) {
        file_ = nullptr;
        MovieError(kPlaceNotOpened, opened);
    }
    frameDrawer_ = std::make_unique<CAviFrameDrawer>(*this);
    hasVideo_ = frameDrawer_->Open(file_) == CAviFrameDrawer::kOpened;
    audio_ = std::make_unique<CAviAudioStreamer>(soundFactory_);
    bool hasSoundStream = audio_->OpenStream(name_) == 0;
    hasAudio_ = hasSoundStream && audio_->Prepare() == 0;
    if (!hasVideo_ && !hasAudio_) MovieError(kPlaceNothingToPlay, 0);

    PAVISTREAM described = nullptr;
    if (AVIFileGetStream(file_, &described, hasVideo_ ? streamtypeVIDEO : streamtypeAUDIO, 0) != 0) {
        described = nullptr;
    }
    info_ = AVISTREAMINFOA();
    if (described) {
        AVIStreamInfoA(described, &info_, sizeof info_);
        AVIStreamRelease(described);
    }
    // A damaged header may hold a zero rate or scale; refused before the
    // division rather than giving an endless or undefined length.
    if (info_.dwRate == 0 || info_.dwScale == 0) MovieError(kPlaceBadLength, 0);
    framesPerSecond_ = double(info_.dwRate) / double(info_.dwScale);
    double length = std::trunc(double(info_.dwLength) * 1000.0 / framesPerSecond_);
    if (length < 0 || length > 2147483647.0) MovieError(kPlaceBadLength, static_cast<long>(length));
    length_ = static_cast<int>(length);
    audio_->SetVolume(volume_);
    isOpen_ = true;
    return 0;
}

int CAviFileMovie::Close() {
    Stop();
    isPlaying_ = false;
    hasVideo_ = false;
    hasAudio_ = false;
    frameDrawer_.reset();
    audio_.reset();
    if (file_) AVIFileRelease(file_);
    file_ = nullptr;
    isOpen_ = false;
    return 0;
}

int CAviFileMovie::Play() {
    if (!isOpen_) return 0;
    Stop();
    isPaused_ = false;
    isPlaying_ = true;
    positionOffset_ = 0;
    clock_.Restart();
    if (hasAudio_) audio_->Play();
    // The clock starts once the sound has started.
    clock_.Restart();
    return 0;
}

int CAviFileMovie::Stop() {
    if (!isOpen_ || !isPlaying_) return 0;
    isPlaying_ = false;
    isPaused_ = false;
    if (hasAudio_) audio_->Stop();
    return 0;
}

int CAviFileMovie::Pause() {
    if (!isOpen_ || !isPlaying_ || isPaused_) return 0;
    clock_.Pause();
    // A silent movie's position is the paused clock plus the offset, which
    // stays; only a movie with sound keeps its position in the offset.
    if (hasAudio_) positionOffset_ = GetPosition();
    isPaused_ = true;
    if (hasAudio_) audio_->Pause();
    return 0;
}

int CAviFileMovie::Resume() {
    if (!isOpen_ || !isPlaying_ || !isPaused_) return 0;
    isPaused_ = false;
    clock_.Resume();
    if (hasAudio_) audio_->Resume();
    return 0;
}

bool CAviFileMovie::IsPlaying() { return isOpen_ && isPlaying_ && GetPosition() < length_; }

bool CAviFileMovie::IsLooping() { return looping_; }

int CAviFileMovie::SetLooping(bool looping) {
    if (looping_ == looping) return 1;
    looping_ = looping;
    return 0;
}

int CAviFileMovie::GetPosition() {
    if (!isOpen_) return 0;
    if (hasAudio_) return audio_->GetPosition();
    return static_cast<int>(clock_.GetElapsed()) + positionOffset_;
}

int CAviFileMovie::SetPosition(int ms) {
    if (!isOpen_) return -1;
    positionOffset_ = ms;
    clock_.Restart();
    if (isPaused_) clock_.Pause();
    if (hasAudio_) audio_->SetPosition(positionOffset_);
    return 0;
}

int CAviFileMovie::GetLength() { return length_; }

int CAviFileMovie::SetVolume(int volume) {
    volume_ = volume;
    return audio_ ? audio_->SetVolume(volume) : -1;
}

int CAviFileMovie::GetVolume() { return audio_ ? audio_->GetVolume() : volume_; }

bool CAviFileMovie::HasAudio() { return hasAudio_; }

bool CAviFileMovie::HasVideo() { return hasVideo_; }

int CAviFileMovie::GetCurrentFrame() {
    return frameDrawer_ && hasVideo_ ? frameDrawer_->GetCurrentFrame() : -1;
}

void CAviFileMovie::UpdateFrame() {
    if (frameDrawer_) frameDrawer_->UpdateFrame();
}

void CAviFileMovie::SetMute(bool muted) {
    if (audio_) audio_->SetMute(muted);
}

void CAviFileMovie::GetSize(int& width, int& height) {
    if (!frameDrawer_) return;
    width = frameDrawer_->GetWidth();
    height = frameDrawer_->GetHeight();
}

CVideoSurface* CAviFileMovie::GetVideoSurface() {
    return frameDrawer_ ? frameDrawer_->GetVideoSurface() : nullptr;
}

CMemorySurface* CAviFileMovie::GetFrameSurface() {
    // A movie without pictures has no frame to show: its drawer's surface
    // was never made.
    return isOpen_ && hasVideo_ ? frameDrawer_->GetFrameSurface() : nullptr;
}

void CAviFileMovie::DrawTo(HDC dc, int, int, int width, int height, const RECT* clip) {
    if (isOpen_ && frameDrawer_) frameDrawer_->DrawTo(dc, width, height, clip);
}
