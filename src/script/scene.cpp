#include "script/scene.h"

#include <algorithm>
#include <utility>

#include "app/cursor_position.h"
#include "app/display_device.h"
#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/frame_clock_flags.h"
#include "platform/global_state.h"
#include "scene/clone_tree.h"
#include "scene/color_node.h"
#include "scene/redraw.h"
#include "script/scene_host.h"
#include "script/script_statement.h"

namespace {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;
constexpr int kGridColumns = 8;
constexpr int kGridRows = 8;
constexpr int kPlaceRunaway = 331;

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kEmpty = {0, 0, 0, 0};

// How many scenes are inside RunScript now, one within the other.
int runDepth = 0;

// Counts one scene's run for its lifetime.
class CRunDepth {
public:
    CRunDepth() {
        if (++runDepth > CScene::kMaxNestedRuns) {
            --runDepth;  // the runs around this one count themselves out as they unwind
            ErrorReport(ErrorKind::Internal, kModuleScene, kPlaceRunaway);
        }
    }
    ~CRunDepth() { --runDepth; }
    CRunDepth(const CRunDepth&) = delete;
    CRunDepth& operator=(const CRunDepth&) = delete;
};

}  // namespace

CScene::CScene() : CScene(std::string()) {}

CScene::CScene(std::string scriptName)
    : canvas_(std::make_unique<CColorNode>(0, 0, 0, kCanvasWidth, kCanvasHeight, 0xFFFFFFFF, kColorBlendNormal)),
      scriptName_(std::move(scriptName)),
      changedArea_(kEmpty),
      previousChangedArea_(kEmpty),
      cursor_{0, 0} {}

CScene::CScene(const CScene& other)
    : CSceneBroadcaster(),
      CScriptHost(),
      canvas_(static_cast<CColorNode*>(other.canvas_->Clone())),
      scripts_(other.scripts_),
      classes_(other.classes_),
      executor_(other.executor_),
      scriptName_(other.scriptName_),
      scriptEnabled_(other.scriptEnabled_),
      running_(other.running_),
      pending_(other.pending_),
      grid_(other.grid_),
      cells_(other.cells_),
      changedArea_(other.changedArea_),
      previousChangedArea_(other.previousChangedArea_),
      cursor_(other.cursor_),
      cursorOnClient_(other.cursorOnClient_),
      hoverPath_(other.hoverPath_),
      hoverKnown_(other.hoverKnown_) {
    // The copied nodes belong to this scene: links first, so the children
    // take them on as they are added.
    canvas_->SetOwner(this);
    canvas_->SetScene(this);
    CloneChildren(*other.canvas_, *canvas_);
}

CScene::~CScene() {
    if (IsAttached()) CScene::Close();
}

int CScene::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleWindowMessage(window, message, wParam, lParam);
}

int CScene::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The system's leave message is the move that took the pointer out.
    if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) TakeCursor();
    return CMessageBroadcaster::HandleMessage(window, message, wParam, lParam);
}

void CScene::Open(CSceneHost* host) {
    Close();
    Attach(host);
    canvas_->SetOwner(this);
    canvas_->SetScene(this);
    canvas_->Reset();
    pending_.Drop();
    scriptEnabled_ = true;
    grid_.Init(kGridColumns, kGridRows, kCanvasWidth, kCanvasHeight);
    cells_.clear();
    changedArea_ = kEmpty;
    previousChangedArea_ = kEmpty;
    StartMain();
}

void CScene::Close() {
    if (!IsAttached()) return;
    canvas_->Clear();
    scripts_.Clear();
    classes_.Clear();
    executor_.Clear();
    pending_.Drop();
    Detach();
}

void CScene::BeginFrame() { canvas_->PurgeRemoved(); }

void CScene::Update(int ms) {
    TakeCursor();
    RunScript(ms);
}

void CScene::UpdateTransform(CTransform2D parent) { canvas_->UpdateTransform(parent); }

void CScene::Draw(CMemorySurface& target, CTransform2D, const RECT* clip) {
    previousChangedArea_ = changedArea_;
    cells_ = RedrawDirtyCells(*canvas_, grid_, target, clip);
    changedArea_ = kEmpty;
    for (const RECT& cell : cells_) UnionRect(&changedArea_, &changedArea_, &cell);
}

void CScene::Present(CDisplayDevice& display) { display.PresentCells(cells_, GetConfig().IsWaitVerticalBlank()); }

void CScene::OnEvent(std::string) {}

std::unique_ptr<CScene> CScene::Clone() { return std::unique_ptr<CScene>(new CScene(*this)); }

void CScene::Pause() {
    Suspend();
    canvas_->Deactivate();
    StopScript();
}

void CScene::Resume() {
    Reattach();
    canvas_->Activate();
    ReadCursor();
}

void CScene::Invalidate() { canvas_->InvalidateAll(); }

bool CScene::CanReturnTo(CScene*, std::string) { return true; }

void CScene::OnReturned(CScene*, std::string) {}

void CScene::OnLeave() {}

int CScene::GetSceneKind() { return 1; }

void CScene::Execute(std::string path, CScriptCommand* command) {
    if (!path.empty()) {
        canvas_->ApplyCommandAt(path, command);
        return;
    }
    if (RunHostStatement(command, this, executor_, pending_)) return;
    switch (command->GetCategory()) {
        case kCategoryNodeCommand:
        case kCategoryOpacityAnimator:
        case kCategoryZoomAnimator:
        case kCategoryPositionAnimator:
        case kCategoryRotationAnimator:
            canvas_->ApplyCommand(command);
            break;
        default:
            break;
    }
}

bool CScene::IsScriptFinished() { return executor_.IsFinished(); }

void CScene::RunFrom(std::string file, std::string page) {
    executor_.Clear();
    executor_.FarCall(file, page);
    scriptEnabled_ = true;
    FrameClockFlags().shortStepOnce = true;
    Update(0);
}

void CScene::StartMain() {
    if (!scriptName_.empty()) RunFrom(scriptName_, "Main");
}

void CScene::RunScript(int ms) {
    CRunDepth depth;
    int count = 0;
    running_ = true;
    while (IsScriptRunning()) {
        int step = 0;
        if (executor_.GetWait() >= 1 && ms > 0) {
            step = std::min(executor_.GetWait(), ms);
            canvas_->Update(step);
            executor_.DecreaseWait(step);
            ms -= step;
        }
        pending_.Update(step);
        CStatementRecord* record = executor_.Step(scripts_, classes_);
        if (!record) break;
        Execute(record->targetPath, record->command.get());
        if (++count == kMaxStatementsPerRun) ErrorReport(ErrorKind::Internal, kModuleScene, kPlaceRunaway);
    }
    // A script that stopped for the frame drops the rest of its time.
    if (ms > 0 && running_) {
        canvas_->Update(ms);
        pending_.Update(ms);
    }
}

void CScene::GetHoverPath(std::string* out) {
    if (!hoverKnown_) {
        hoverPath_.clear();
        // A pointer off the client area is over nothing of the picture.
        if (cursorOnClient_) canvas_->HitTestPath(cursor_.x, cursor_.y, kIdentity, &hoverPath_);
        hoverKnown_ = true;
    }
    *out = hoverPath_;
}

void CScene::TakeCursor() {
    hoverPath_.clear();
    hoverKnown_ = false;
    ReadCursor();
}

void CScene::ReadCursor() {
    cursor_ = GetCursorClientPos();
    cursorOnClient_ = IsOnClientArea(cursor_);
}

void CScene::SetScriptEnabled(bool enabled) {
    executor_.ResetWait();
    scriptEnabled_ = enabled;
}

bool CScene::IsScriptRunning() { return scriptEnabled_ && running_; }

void CScene::StopScript() {
    running_ = false;
    FrameClockFlags().shortStepOnce = true;
}

CScriptExecutor* CScene::GetExecutor() { return &executor_; }

CScriptCache* CScene::GetScriptCache() { return &scripts_; }

CScriptCache* CScene::GetClassCache() { return &classes_; }

void CScene::ExecuteCommand(CScriptCommand* command) { Execute(std::string(), command); }

void CScene::SendMessage(std::string name) { OnEvent(std::move(name)); }

void CScene::AddMessageListener(CMessageListener* listener) { AddListener(listener); }

void CScene::RemoveMessageListener(CMessageListener* listener) { RemoveListener(listener); }

CSoundGroup* CScene::GetSESoundGroup() { return GetParent() ? GetParent()->GetSEGroup() : nullptr; }

CSoundGroup* CScene::GetBGMSoundGroup() { return GetParent() ? GetParent()->GetBGMGroup() : nullptr; }

CSoundGroup* CScene::GetVoiceSoundGroup() { return GetParent() ? GetParent()->GetVoiceGroup() : nullptr; }

CNode* CScene::GetRootNode() { return canvas_.get(); }

void CScene::DropPendingStatement() { pending_.Drop(); }

CScriptHost* CScene::GetParentHost() { return this; }

CSceneHost* CScene::GetSceneHost() { return GetParent(); }

CScriptHost* CScene::GetCommandTarget() { return this; }
