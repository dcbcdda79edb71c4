#include "media/movie/avi_frame_drawer.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "media/movie/movie_base.h"
#include "platform/error_report.h"

namespace {

constexpr int kPlaceNoFrameDc = 183;
constexpr int kOwnSize = -1;

// Compressed pictures are stored bottom-up: a compressed format that claims a
// top-down picture (a negative height) is damaged. Codecs differ on it, some
// refusing it and some decoding it anyway, so the player refuses it itself
// and behaves alike on every system.
bool IsTopDownCompressed(PAVISTREAM stream) {
    LONG size = 0;
    const LONG start = AVIStreamStart(stream);
    if (AVIStreamReadFormat(stream, start, nullptr, &size) != 0 ||
        size < static_cast<LONG>(sizeof(BITMAPINFOHEADER))) {
        return false;
    }
    std::vector<BYTE> format(static_cast<size_t>(size));
    if (AVIStreamReadFormat(stream, start, format.data(), &size) != 0) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, format.data(), sizeof(header));
    return header.biHeight < 0 && header.biCompression != BI_RGB &&
           header.biCompression != BI_BITFIELDS;
}

}  // namespace

CAviFrameDrawer::CAviFrameDrawer(CMovieBase& owner)
    : owner_(owner),
      stream_(nullptr),
      getFrame_(nullptr),
      info_(),
      frameCount_(0),
      drawDib_(nullptr),
      width_(0),
      height_(0),
      currentFrame_(0),
      lastDrawnFrame_(-1) {}

CAviFrameDrawer::~CAviFrameDrawer() { Release(); }

void CAviFrameDrawer::Close() { Release(); }

void CAviFrameDrawer::Release() {
    if (getFrame_) AVIStreamGetFrameClose(getFrame_);
    if (stream_) AVIStreamRelease(stream_);
    if (drawDib_) DrawDibClose(drawDib_);
    getFrame_ = nullptr;
    stream_ = nullptr;
    drawDib_ = nullptr;
}

int CAviFrameDrawer::Open(PAVIFILE file) {
    Release();
    // Frame 0 is due first and must be drawn, so no frame counts as drawn.
    lastDrawnFrame_ = -1;
    if (!file) return kNoFile;
    if (AVIFileGetStream(file, &stream_, streamtypeVIDEO, 0) != 0) {
        stream_ = nullptr;
        return kNoPictureStream;
    }
    if (IsTopDownCompressed(stream_)) return kNoFirstFrame;
    getFrame_ = AVIStreamGetFrameOpen(stream_, nullptr);
    if (!getFrame_) return kNoFirstFrame;
    auto* first = static_cast<const BITMAPINFOHEADER*>(
        AVIStreamGetFrame(getFrame_, AVIStreamStart(stream_)));
    if (!first) return kNoFirstFrame;
    width_ = first->biWidth;
    height_ = std::abs(first->biHeight);
    drawDib_ = DrawDibOpen();
    if (!drawDib_) return kNoDrawDib;
    if (width_ <= 0 || height_ <= 0) return kNoVideoSurface;
    videoSurface_.SetUseSystemMemory(true);
    if (videoSurface_.Create(width_, height_) != 0) return kNoVideoSurface;
    frameSurface_.SetUseDibSection(true);
    if (frameSurface_.Create(width_, height_) != 0) return kNoFrameSurface;
    LONG length = AVIStreamLength(stream_);
    if (length == -1) return kNoLength;
    frameCount_ = length;
    AVIStreamInfoA(stream_, &info_, sizeof(info_));
    return kOpened;
}

int CAviFrameDrawer::GetCurrentFrame() {
    if (!drawDib_) return 0;
    LONG frame = AVIStreamTimeToSample(stream_, owner_.GetPosition());
    return frame < frameCount_ - 1 ? frame : frameCount_ - 1;
}

int CAviFrameDrawer::UpdateFrame() {
    if (!drawDib_) return -1;
    currentFrame_ = GetCurrentFrame();
    if (currentFrame_ == lastDrawnFrame_) return 0;
    lastDrawnFrame_ = currentFrame_;
    HDC dc = frameSurface_.GetDC();
    if (!dc) ErrorReport(ErrorKind::Movie, kModuleAviFrameDrawer, kPlaceNoFrameDc, 0);
    auto* frame = static_cast<BITMAPINFOHEADER*>(AVIStreamGetFrame(getFrame_, currentFrame_));
    if (frame) {
        DrawDibDraw(drawDib_, dc, 0, 0, width_, height_, frame, nullptr, 0, 0, kOwnSize, kOwnSize, 0);
        GdiFlush();
    }
    return 0;
}

void CAviFrameDrawer::DrawTo(HDC dc, int width, int height, const RECT* clip) {
    if (!drawDib_) return;
    if (static_cast<unsigned>(width) == 0xFFFFFFFFu) width = width_;
    if (static_cast<unsigned>(height) == 0xFFFFFFFFu) height = height_;
    RECT area = {0, 0, width, height};
    if (clip) IntersectRect(&area, &area, clip);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    currentFrame_ = GetCurrentFrame();
    auto* frame = static_cast<BITMAPINFOHEADER*>(AVIStreamGetFrame(getFrame_, currentFrame_));
    if (frame) {
        DrawDibDraw(drawDib_, dc, 0, 0, width, height, frame, nullptr, 0, 0, kOwnSize, kOwnSize,
                    DDF_HALFTONE);
    }
    SelectClipRgn(dc, nullptr);
}

CVideoSurface* CAviFrameDrawer::GetVideoSurface() {
    frameSurface_.CopyToVideoSurface(videoSurface_);
    return &videoSurface_;
}
