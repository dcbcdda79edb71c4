#include "scene/movie_node.h"

#include <utility>

#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "scene/node_kind.h"
#include "script/script_host.h"

namespace {

constexpr int kPlaceNotOpened = 47;

}  // namespace

CMovieNode::CMovieNode(int x, int y, int z, std::string file, int drawMode)
    : CPictureNode(x, y, z, drawMode),
      file_(std::move(file)),
      playing_(0),
      newFrame_(0),
      open_(0),
      lastFrame_(-1),
      listeningTo_(nullptr) {}

CMovieNode::CMovieNode(const CMovieNode& other)
    : CPictureNode(other),
      file_(other.file_),
      playing_(0),
      newFrame_(0),
      open_(0),
      lastFrame_(-1),
      listeningTo_(nullptr) {}

CMovieNode::~CMovieNode() {
    if (open_) Clear();
    StopListening();
}

void CMovieNode::StartListening() {
    if (listeningTo_) return;
    listeningTo_ = GetOwner();
    if (listeningTo_) listeningTo_->AddMessageListener(this);
}

void CMovieNode::StopListening() {
    if (!listeningTo_) return;
    listeningTo_->RemoveMessageListener(this);
    listeningTo_ = nullptr;
}

void CMovieNode::Reset() {
    Clear();
    int opened = movie_.Open(file_.c_str());
    if (opened < 0) ErrorReport(ErrorKind::Movie, kModuleMovieNode, kPlaceNotOpened, opened);
    CConfig& config = GetConfig();
    movie_.SetMute(!config.IsPlayBGM());
    movie_.SetVolume(config.GetBGMVolume());
    movie_.Play();
    playing_ = 1;
    lastFrame_ = -1;
    StartListening();
    CNode::Reset();
    open_ = 1;
}

void CMovieNode::Clear() {
    if (!open_) return;
    movie_.Stop();
    playing_ = 0;
    StopListening();
    CPictureNode::Clear();
    open_ = 0;
}

void CMovieNode::Detach() {
    StopListening();
    CPictureNode::Detach();
}

CNode* CMovieNode::Clone() { return new CMovieNode(*this); }

void CMovieNode::Update(int milliseconds) {
    if (movie_.IsPlaying()) {
        int frame = movie_.GetCurrentFrame();
        if (frame != lastFrame_ || frame == -1) {
            lastFrame_ = frame;
            SetDirty();
            newFrame_ = 1;
        }
    }
    CPictureNode::Update(milliseconds);
}

void CMovieNode::UpdateTransform(CTransform2D parent) {
    if (newFrame_) movie_.UpdateFrame();
    newFrame_ = 0;
    CSceneNode::UpdateTransform(parent);
}

void CMovieNode::ReceiveMessage(std::string name) {
    if (name == "Play") {
        movie_.Play();
        playing_ = 1;
    } else if (name == "Stop") {
        movie_.Stop();
        playing_ = 0;
    } else if (name == "Pause") {
        movie_.Pause();
        playing_ = 0;
    } else if (name == "Replay") {
        movie_.Resume();
        playing_ = 1;
    } else {
        CPictureNode::ReceiveMessage(std::move(name));
        return;
    }
    SetDirty();
}

int CMovieNode::GetNodeKind() { return kNodeKindMovie; }

void CMovieNode::Deactivate() {
    if (!IsDeactivated() && playing_) movie_.Pause();
    CPictureNode::Deactivate();
}

void CMovieNode::Activate() {
    if (IsDeactivated() && playing_) movie_.Resume();
    CPictureNode::Activate();
}

CMemorySurface* CMovieNode::GetSurface() { return movie_.GetFrameSurface(); }

const RECT* CMovieNode::GetSourceRect() { return nullptr; }

int CMovieNode::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kSettingChangedMessage) return 0;
    if (wParam == kSettingPlayBGM) movie_.SetMute(lParam == 0);
    if (wParam == kSettingBGMVolume) movie_.SetVolume(static_cast<int>(lParam));
    return 0;
}
