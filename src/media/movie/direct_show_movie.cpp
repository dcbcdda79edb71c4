#include "media/movie/direct_show_movie.h"

#include <ddstream.h>
#include <vfwmsgs.h>

#include "app/application.h"
#include "graphics/direct_draw.h"
#include "media/avi_file_check.h"
#include "media/movie/movie.h"
#include "platform/com_ptr.h"
#include "platform/error_report.h"
#include "platform/paths.h"

namespace {

const GUID kMspidPrimaryVideo = {0xA35FF56A, 0x9FDA, 0x11D0, {0x8F, 0xDF, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0x9D}};
const GUID kMspidPrimaryAudio = {0xA35FF56B, 0x9FDA, 0x11D0, {0x8F, 0xDF, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0x9D}};
const IID kIidMultiMediaStream = {0xB502D1BC, 0x9A57, 0x11D0, {0x8F, 0xDE, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0x9D}};
const IID kIidDirectDrawMediaStream = {0xF4104FCE, 0x9A70, 0x11D0, {0x8F, 0xDE, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0x9D}};
const IID kIidBasicAudio = {0x56A868B3, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
const CLSID kClsidSystemClock = {0xE436EBB1, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
// Wine's filter that reads and decodes every stream of a file.
const CLSID kClsidDecodingParser = {0xF9D8D64E, 0xA144, 0x47DC, {0x8E, 0xE0, 0xF5, 0x34, 0x98, 0x37, 0x2C, 0x29}};

constexpr HRESULT kBusy = static_cast<HRESULT>(0x80040406);
constexpr HRESULT kNoStream = static_cast<HRESULT>(0x80040403);
constexpr DWORD kFinishSample = COMPSTAT_NOUPDATEOK | COMPSTAT_WAIT | COMPSTAT_ABORT;
constexpr LONG kSilent = -10000;
constexpr STREAM_TIME kTicksPerMs = 10000;

enum Place : int {
    kPlaceInitialize = 85,
    kPlaceOpenFile = 99,
    kPlaceFilterGraph = 116,
    kPlaceMultiMediaStream = 183,
    kPlaceNoPrimaryStream = 194,
    kPlaceGetFormat = 223,
    kPlaceCreateSample = 241,
    kPlacePlaySeek = 274,
    kPlacePlayRun = 280,
    kPlaceStop = 298,
    kPlacePause = 318,
    kPlaceResumeSeek = 340,
    kPlaceResumeRun = 346,
    kPlaceUpdate = 471,
    kPlaceSurfaceDc = 512,
};

template <typename T>
void ReleaseHeld(T*& held) {
    if (held) held->Release();
    held = nullptr;
}

}  // namespace

CDirectShowMovie::CDirectShowMovie()
    : available_(false),
      width_(0),
      height_(0),
      volume_(0),
      hasVideo_(false),
      hasAudio_(false),
      isOpen_(false),
      isPaused_(false),
      looping_(false),
      muted_(false),
      newFrame_(false),
      listening_(false),
      probe_(std::make_unique<CMultiMediaStreamProbe>(GetMovieStreamFactory())),
      stream_(probe_->GetStream()),
      multiMediaStream_(nullptr),
      mediaStream_(nullptr),
      drawStream_(nullptr),
      sample_(nullptr),
      basicAudio_(nullptr),
      pausedTime_(0) {
    available_ = CMultiMediaStreamProbe::IsAvailable();
}

CDirectShowMovie::~CDirectShowMovie() {
    Close();
    videoSurface_.Destroy();
    frameSurface_.Destroy();
}

void CDirectShowMovie::Check(HRESULT result, int place) {
    if (result < 0) ErrorReport(ErrorKind::Movie, kModuleDirectShowMovie, place, result);
}

int CDirectShowMovie::Open(const char* path) {
    if (!path) return 1;
    if (!available_) return 2;
    if (!stream_) return 3;
    Close();
    name_ = NormalizePath(path);
    // An AVI file reaches DirectShow only whole; any other kind of movie
    // (MPEG-1, ...) is DirectShow's to read.
    if (IsRiffAviFile(name_) && !IsWholeAviFile(name_, AviIndexUse::kAny)) {
        ErrorReport(ErrorKind::Movie, kModuleDirectShowMovie, kPlaceOpenFile, VFW_E_INVALID_FILE_FORMAT);
    }
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, name_.c_str(), -1, wide, MAX_PATH);
    hasVideo_ = true;
    hasAudio_ = true;

    Check(stream_->Initialize(STREAMTYPE_READ, 0, GraphToOffer()), kPlaceInitialize);
    if (stream_->AddMediaStream(GetDirectDraw(), &kMspidPrimaryVideo, 0, nullptr) < 0) hasVideo_ = false;
    if (stream_->AddMediaStream(nullptr, &kMspidPrimaryAudio, AMMSF_ADDDEFAULTRENDERER, nullptr) < 0) {
        hasAudio_ = false;
    }
    Check(stream_->QueryInterface(kIidMultiMediaStream, reinterpret_cast<void**>(&multiMediaStream_)),
          kPlaceMultiMediaStream);
    if (multiMediaStream_->GetMediaStream(kMspidPrimaryVideo, &mediaStream_) < 0) {
        mediaStream_ = nullptr;
        Check(multiMediaStream_->GetMediaStream(kMspidPrimaryAudio, &mediaStream_), kPlaceNoPrimaryStream);
    }
    OfferDecodingParser();
    HRESULT opened = stream_->OpenFile(wide, 0);
    if (opened != 0) {
        Close();
        ErrorReport(ErrorKind::Movie, kModuleDirectShowMovie, kPlaceOpenFile, opened);
    }

    int place = 0;
    Check(BuildPicture(&place), place);

    IGraphBuilder* graph = nullptr;
    Check(stream_->GetFilterGraph(&graph), kPlaceFilterGraph);
    if (!graph || graph->QueryInterface(kIidBasicAudio, reinterpret_cast<void**>(&basicAudio_)) < 0) {
        basicAudio_ = nullptr;
        hasAudio_ = false;
    }
    if (graph) RunOnOwnClock(graph);
    ReleaseHeld(graph);

    isOpen_ = true;
    if (GetApplication()) {
        AddAppMessageListener(this);
        listening_ = true;
    }
    return 0;
}

IGraphBuilder* CDirectShowMovie::GraphToOffer() {
    CComPtr<IGraphBuilder> held;
    if (stream_->GetFilterGraph(held.Put()) >= 0 && held) return nullptr;
    return graph_.Take();
}

// Opening the file renders it with the graph's intelligent connect, which
// tries the filters already in the graph before the registered ones. With
// Wine's decoding parser in the graph no registered filter is looked at as
// long as the parser takes every stream of the file, and Wine 8 keeps a
// registry key open for every filter it looks at, about 38 for every file.
// Where the parser does not exist, the graph chooses its filters as always.
void CDirectShowMovie::OfferDecodingParser() {
    CComPtr<IGraphBuilder> graph;
    CComPtr<IBaseFilter> parser;
    if (stream_->GetFilterGraph(graph.Put()) < 0 || !graph) return;
    if (CoCreateInstance(kClsidDecodingParser, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter, parser.PutVoid()) < 0) {
        return;
    }
    graph->AddFilter(parser.Get(), nullptr);
}

// The graph would take the sound renderer's clock, and Wine's renderer never
// lets its clock go: the clock's timer thread, started by the first picture
// that waits for its time, and its handles would outlive every movie. A
// system clock of the graph's own instead goes when the movie gives its graph
// back. When none can be made the graph is left as it is.
void CDirectShowMovie::RunOnOwnClock(IGraphBuilder* graph) {
    CComPtr<IMediaFilter> timing;
    CComPtr<IReferenceClock> clock;
    if (graph->QueryInterface(IID_IMediaFilter, timing.PutVoid()) < 0) return;
    if (CoCreateInstance(kClsidSystemClock, nullptr, CLSCTX_INPROC_SERVER, IID_IReferenceClock, clock.PutVoid()) < 0) {
        return;
    }
    timing->SetSyncSource(clock.Get());
}

HRESULT CDirectShowMovie::BuildPicture(int* place) {
    // A file with sound only has no picture stream to ask, or one that
    // answers MS_E_NOSTREAM for its format: it plays its sound.
    if (mediaStream_->QueryInterface(kIidDirectDrawMediaStream, reinterpret_cast<void**>(&drawStream_)) < 0) {
        drawStream_ = nullptr;
        hasVideo_ = false;
        return S_OK;
    }
    DDSURFACEDESC format = {};
    format.dwSize = sizeof format;
    HRESULT result = drawStream_->GetFormat(&format, nullptr, nullptr, nullptr);
    if (result == kNoStream) {
        hasVideo_ = false;
        return S_OK;
    }
    if (result < 0) {
        *place = kPlaceGetFormat;
        return result;
    }
    width_ = static_cast<int>(format.dwWidth);
    height_ = static_cast<int>(format.dwHeight);
    if (width_ <= 0 || height_ <= 0) {
        hasVideo_ = false;
        return S_OK;
    }
    result = CreatePicture();
    if (result < 0) *place = kPlaceCreateSample;
    return result;
}

HRESULT CDirectShowMovie::CreatePicture() {
    videoSurface_.SetUseSystemMemory(true);
    if (videoSurface_.Create(width_, height_) != 0) return E_FAIL;
    RECT area = {0, 0, width_, height_};
    HRESULT result = drawStream_->CreateSample(videoSurface_.GetDirectDrawSurface(), &area, 0, &sample_);
    if (result < 0) {
        sample_ = nullptr;
        return result;
    }
    frameSurface_.SetUseDibSection(true);
    if (frameSurface_.Create(width_, height_) != 0) return E_OUTOFMEMORY;
    return result;
}

void CDirectShowMovie::ReleasePicture() {
    if (sample_) sample_->CompletionStatus(kFinishSample, INFINITE);
    ReleaseHeld(sample_);
}

int CDirectShowMovie::Close() {
    if (listening_ && GetApplication()) RemoveAppMessageListener(this);
    listening_ = false;
    Stop();
    hasVideo_ = false;
    hasAudio_ = false;
    isOpen_ = false;
    isPaused_ = false;
    newFrame_ = false;
    ReleasePicture();
    ReleaseHeld(drawStream_);
    ReleaseHeld(basicAudio_);
    ReleaseHeld(mediaStream_);
    ReleaseHeld(multiMediaStream_);
    return 0;
}

bool CDirectShowMovie::IsRunning() {
    STREAM_STATE state = STREAMSTATE_STOP;
    return multiMediaStream_ && multiMediaStream_->GetState(&state) >= 0 && state == STREAMSTATE_RUN;
}

int CDirectShowMovie::Play() {
    if (!isOpen_) return 1;
    Stop();
    isPaused_ = false;
    SetVolume(volume_);
    Check(multiMediaStream_->Seek(0), kPlacePlaySeek);
    Check(multiMediaStream_->SetState(STREAMSTATE_RUN), kPlacePlayRun);
    return 0;
}

int CDirectShowMovie::Stop() {
    if (!isOpen_) return 1;
    // A paused movie is stopped too, so a later Resume does not go on.
    if (!IsRunning() && !isPaused_) return 2;
    isPaused_ = false;
    Check(multiMediaStream_->SetState(STREAMSTATE_STOP), kPlaceStop);
    return 0;
}

int CDirectShowMovie::Pause() {
    if (!isOpen_) return 1;
    if (isPaused_) return 3;
    if (!IsRunning()) return 2;
    isPaused_ = true;
    multiMediaStream_->GetTime(&pausedTime_);
    Check(multiMediaStream_->SetState(STREAMSTATE_STOP), kPlacePause);
    return 0;
}

int CDirectShowMovie::Resume() {
    if (!isOpen_) return 1;
    if (IsRunning()) return 2;
    if (!isPaused_) return 3;
    isPaused_ = false;
    Check(multiMediaStream_->Seek(pausedTime_), kPlaceResumeSeek);
    Check(multiMediaStream_->SetState(STREAMSTATE_RUN), kPlaceResumeRun);
    return 0;
}

bool CDirectShowMovie::IsPlaying() {
    if (!IsRunning()) return false;
    STREAM_TIME now = 0;
    STREAM_TIME duration = 0;
    multiMediaStream_->GetTime(&now);
    multiMediaStream_->GetDuration(&duration);
    return now < duration;
}

bool CDirectShowMovie::IsLooping() { return looping_; }

int CDirectShowMovie::SetLooping(bool looping) {
    if (looping_ == looping) return 1;
    looping_ = looping;
    return 0;
}

int CDirectShowMovie::GetPosition() {
    if (!multiMediaStream_) return -1;
    STREAM_TIME now = 0;
    multiMediaStream_->GetTime(&now);
    return static_cast<int>(now / kTicksPerMs);
}

int CDirectShowMovie::SetPosition(int ms) {
    if (!multiMediaStream_) return -1;
    STREAM_STATE state = STREAMSTATE_STOP;
    multiMediaStream_->GetState(&state);
    multiMediaStream_->SetState(STREAMSTATE_STOP);
    multiMediaStream_->Seek(STREAM_TIME(ms) * kTicksPerMs);
    return multiMediaStream_->SetState(state);
}

int CDirectShowMovie::GetLength() {
    if (!multiMediaStream_) return -1;
    STREAM_TIME duration = 0;
    multiMediaStream_->GetDuration(&duration);
    return static_cast<int>(duration / kTicksPerMs);
}

int CDirectShowMovie::SetVolume(int volume) {
    if (!basicAudio_) return -1;
    HRESULT result = basicAudio_->put_Volume(muted_ ? kSilent : volume);
    if (result == 0) volume_ = volume;
    return result;
}

int CDirectShowMovie::GetVolume() {
    if (!basicAudio_) return -1;
    long volume = 0;
    basicAudio_->get_Volume(&volume);
    return volume;
}

void CDirectShowMovie::SetMute(bool muted) {
    muted_ = muted;
    if (basicAudio_) basicAudio_->put_Volume(muted_ ? kSilent : volume_);
}

bool CDirectShowMovie::HasAudio() { return hasAudio_; }

bool CDirectShowMovie::HasVideo() { return hasVideo_; }

int CDirectShowMovie::GetCurrentFrame() { return -1; }

void CDirectShowMovie::UpdateFrame() {
    if (!isOpen_ || !hasVideo_ || !sample_ || !IsPlaying()) return;
    HRESULT result = sample_->Update(SSUPDATE_ASYNC, nullptr, nullptr, 0);
    if (result == kBusy) return;
    Check(result, kPlaceUpdate);
    newFrame_ = true;
}

void CDirectShowMovie::GetSize(int& width, int& height) {
    width = width_;
    height = height_;
}

CVideoSurface* CDirectShowMovie::GetVideoSurface() { return hasVideo_ ? &videoSurface_ : nullptr; }

CMemorySurface* CDirectShowMovie::GetFrameSurface() {
    if (newFrame_) {
        frameSurface_.CopyFromVideoSurface(videoSurface_);
        newFrame_ = false;
    }
    return hasVideo_ ? &frameSurface_ : nullptr;
}

void CDirectShowMovie::DrawTo(HDC dc, int, int, int width, int height, const RECT* clip) {
    IDirectDrawSurface* surface = videoSurface_.GetDirectDrawSurface();
    if (!isOpen_ || !hasVideo_ || !surface) return;
    HDC source = nullptr;
    HRESULT result = surface->GetDC(&source);
    Check(result, kPlaceSurfaceDc);
    if (static_cast<unsigned>(width) == 0xFFFFFFFFu) width = width_;
    if (static_cast<unsigned>(height) == 0xFFFFFFFFu) height = height_;
    RECT area = {0, 0, width, height};
    if (clip) IntersectRect(&area, &area, clip);
    if (!IsRectEmpty(&area)) {
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        if (width != width_ || height != height_) {
            StretchBlt(dc, 0, 0, width, height, source, 0, 0, width_, height_, SRCCOPY);
        } else {
            BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
        }
        SelectClipRgn(dc, nullptr);
    }
    surface->ReleaseDC(source);
}

int CDirectShowMovie::HandleMessage(HWND, UINT message, WPARAM, LPARAM) {
    if (!isOpen_ || message != kMovieNotifyMessage || !drawStream_) return 0;
    ReleasePicture();
    videoSurface_.Destroy();
    DDSURFACEDESC format = {};
    format.dwSize = sizeof format;
    if (drawStream_->GetFormat(&format, nullptr, nullptr, nullptr) < 0) return 0;
    width_ = static_cast<int>(format.dwWidth);
    height_ = static_cast<int>(format.dwHeight);
    if (width_ > 0 && height_ > 0) {
        CreatePicture();
        hasVideo_ = true;
    }
    return 0;
}
