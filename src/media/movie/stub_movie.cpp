#include "media/movie/stub_movie.h"

int CStubMovie::Open(const char*) { return 0; }
int CStubMovie::Close() { return 0; }
int CStubMovie::Play() { return 0; }
int CStubMovie::Resume() { return 0; }
int CStubMovie::Stop() { return 0; }
int CStubMovie::Pause() { return 0; }
bool CStubMovie::IsPlaying() { return false; }
bool CStubMovie::IsLooping() { return false; }
int CStubMovie::SetLooping(bool) { return 0; }
int CStubMovie::GetPosition() { return -1; }
int CStubMovie::SetPosition(int) { return -1; }
int CStubMovie::GetLength() { return -1; }
int CStubMovie::SetVolume(int) { return -1; }
int CStubMovie::GetVolume() { return -10000; }
bool CStubMovie::HasAudio() { return false; }
bool CStubMovie::HasVideo() { return false; }
int CStubMovie::GetCurrentFrame() { return -1; }
void CStubMovie::UpdateFrame() {}
void CStubMovie::SetMute(bool) {}
void CStubMovie::GetSize(int& width, int& height) {
    width = 0;
    height = 0;
}
CVideoSurface* CStubMovie::GetVideoSurface() { return nullptr; }
CMemorySurface* CStubMovie::GetFrameSurface() { return nullptr; }
void CStubMovie::DrawTo(HDC, int, int, int, int, const RECT*) {}
