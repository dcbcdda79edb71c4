#include "media/movie/movie.h"

#include <new>

#include "media/movie/avi_file_movie.h"
#include "media/movie/direct_show_movie.h"
#include "media/movie/stub_movie.h"
#include "media/multimedia_stream_probe.h"
#include "platform/error_report.h"

namespace {

constexpr int kPlaceBadMode = 80;

int movieMode = kMovieModeDirectShow;
CMultiMediaStreamFactory* streamFactory = nullptr;

// A handle left without a player answers as the stub does instead of
// reaching through a null pointer.
CStubMovie& NoPlayer() {
    static CStubMovie stub;
    return stub;
}

std::unique_ptr<CMovieBase> MakePlayer(int mode) {
    switch (mode) {
        case kMovieModeStub:
            return std::unique_ptr<CMovieBase>(new (std::nothrow) CStubMovie());
        case kMovieModeDirectShow: {
            std::unique_ptr<CMovieBase> player(new (std::nothrow) CDirectShowMovie());
            if (player && !CMultiMediaStreamProbe::IsAvailable()) {
                std::unique_ptr<CMovieBase> fallback(new (std::nothrow) CAviFileMovie());
                player = std::move(fallback);
            }
            return player;
        }
        case kMovieModeAviFile:
            return std::unique_ptr<CMovieBase>(new (std::nothrow) CAviFileMovie());
        default:
            ErrorReport(ErrorKind::Warning, kModuleMovieFactory, kPlaceBadMode);
    }
}

}  // namespace

int GetMovieMode() { return movieMode; }
void SetMovieMode(int mode) { movieMode = mode; }

void SetMovieStreamFactory(CMultiMediaStreamFactory* factory) { streamFactory = factory; }

CMultiMediaStreamFactory& GetMovieStreamFactory() {
    return streamFactory ? *streamFactory : SystemMultiMediaStreamFactory();
}

CMovie::CMovie() { CreateImplementation(); }

CMovie::~CMovie() = default;

void CMovie::CreateImplementation() {
    implementation_.reset();
    implementation_ = MakePlayer(movieMode);
}

CMovieBase& CMovie::Player() { return implementation_ ? *implementation_ : NoPlayer(); }

int CMovie::Open(const char* path) { return Player().Open(path); }
int CMovie::Close() { return Player().Close(); }
int CMovie::Play() { return Player().Play(); }
int CMovie::Resume() { return Player().Resume(); }
int CMovie::Stop() { return Player().Stop(); }
int CMovie::Pause() { return Player().Pause(); }
bool CMovie::IsPlaying() { return Player().IsPlaying(); }
bool CMovie::IsLooping() { return Player().IsLooping(); }
int CMovie::SetLooping(bool looping) { return Player().SetLooping(looping); }
int CMovie::GetPosition() { return Player().GetPosition(); }
int CMovie::SetPosition(int ms) { return Player().SetPosition(ms); }
int CMovie::GetLength() { return Player().GetLength(); }
int CMovie::SetVolume(int volume) { return Player().SetVolume(volume); }
int CMovie::GetVolume() { return Player().GetVolume(); }
bool CMovie::HasAudio() { return Player().HasAudio(); }
bool CMovie::HasVideo() { return Player().HasVideo(); }
int CMovie::GetCurrentFrame() { return Player().GetCurrentFrame(); }
void CMovie::UpdateFrame() { Player().UpdateFrame(); }
void CMovie::SetMute(bool muted) { Player().SetMute(muted); }
void CMovie::GetSize(int& width, int& height) { Player().GetSize(width, height); }
CVideoSurface* CMovie::GetVideoSurface() { return Player().GetVideoSurface(); }
CMemorySurface* CMovie::GetFrameSurface() { return Player().GetFrameSurface(); }
void CMovie::DrawTo(HDC dc, int x, int y, int width, int height, const RECT* clip) {
    Player().DrawTo(dc, x, y, width, height, clip);
}
