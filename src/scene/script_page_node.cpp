#include "scene/script_page_node.h"

#include <algorithm>
#include <utility>

#include "platform/error_report.h"
#include "script/script_command_kind.h"
#include "script/script_statement.h"
#include "script/statement_record.h"

namespace {

constexpr int kPlaceRunaway = 304;

bool SelectsScript(AnimatorSelector which) { return which == kAnimatorAny || which == kAnimatorScript; }

// The messages a locked page holds back from its buttons.
bool IsClickOrKey(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return true;
        default:
            return false;
    }
}

}  // namespace

CScriptPageNode::CScriptPageNode(int x, int y, int z, std::string file, double speed)
    : CSceneNode(x, y, z), file_(std::move(file)), content_(0, 0, 1, 1, 1, 0) {
    SetTimeScale(speed);
}

CScriptPageNode::CScriptPageNode(const CScriptPageNode& other)
    : CSceneNode(other), CScriptHost(), CMessageBroadcaster(), file_(other.file_), content_(other.content_) {}

CScriptPageNode::~CScriptPageNode() {
    pending_.Drop();
    fade_.reset();
    pause_.reset();
    StopListening();
}

void CScriptPageNode::Reset() {
    started_ = 1;
    if (!file_.empty()) {
        executor_.Clear();
        executor_.FarCall(file_, "Main");
        script_ = 1;
    }
    StopListening();
    listeningTo_ = ParentOwner();
    if (listeningTo_) listeningTo_->AddMessageListener(this);
    CSceneNode::Reset();
    Update(0);
}

void CScriptPageNode::Clear() {
    pending_.Drop();
    fade_.reset();
    pause_.reset();
    StopListening();
    started_ = 0;
    running_ = 0;
    CSceneNode::Clear();
}

void CScriptPageNode::Detach() {
    StopListening();
    CSceneNode::Detach();
}

CNode* CScriptPageNode::Clone() { return new CScriptPageNode(*this); }

void CScriptPageNode::Update(int milliseconds) {
    if (fade_) {
        fade_->Step(*this, milliseconds);
        if (fade_ && !fade_->IsRunning()) fade_.reset();
    }
    if (pause_) {
        pause_->Step(*this, milliseconds);
        if (pause_ && !pause_->IsRunning()) pause_.reset();
    }
    RunScript(static_cast<int>(milliseconds * GetTimeScale()));
}

void CScriptPageNode::RunScript(int ms) {
    running_ = 1;
    int count = 0;
    while (IsScriptRunning()) {
        int step = 0;
        if (executor_.GetWait() > 0 && ms > 0) {
            step = std::min(executor_.GetWait(), ms);
            CSceneNode::Update(step);
            executor_.DecreaseWait(step);
            ms -= step;
        }
        pending_.Update(step);
        CStatementRecord* record = executor_.Step(scripts_, classes_);
        if (!record) break;
        if (record->targetPath.empty()) {
            ApplyCommand(record->command.get());
        } else {
            ApplyCommandAt(record->targetPath, record->command.get());
        }
        if (++count == kMaxStatementsPerRun) ErrorReport(ErrorKind::Internal, kModuleScriptPageNode, kPlaceRunaway);
    }
    if (ms > 0 && running_) {
        CSceneNode::Update(ms);
        pending_.Update(ms);
    }
}

void CScriptPageNode::Hold(std::unique_ptr<CPageCommand>& slot, CPageCommand* command) {
    // The old command goes before the new one starts.
    slot.reset();
    slot.reset(command->Clone());
    slot->Start(*this);
    slot->Step(*this, 0);
}

void CScriptPageNode::ApplyCommand(CScriptCommand* command) {
    if (RunHostStatement(command, this, executor_, pending_)) return;
    switch (command->GetCategory()) {
        case kCategoryMenuCallback:
            if (command->GetKind() == kKindPageOpacityFade) {
                Hold(fade_, static_cast<CPageCommand*>(command));
            } else if (command->GetKind() == kKindPageScriptPause) {
                Hold(pause_, static_cast<CPageCommand*>(command));
            }
            break;
        case kCategoryCD:
        case kCategoryHostSound:
            GetCommandTarget()->ExecuteCommand(command);
            break;
        default:
            CSceneNode::ApplyCommand(command);
            break;
    }
}

void CScriptPageNode::ReceiveMessage(std::string name) {
    if (name == "#Lock") {
        locked_ = 1;
    } else if (name == "#Release") {
        locked_ = 0;
    } else {
        CSceneNode::ReceiveMessage(std::move(name));
    }
}

int CScriptPageNode::GetNodeKind() { return kNodeKindScriptPage; }

bool CScriptPageNode::IsAnimating(AnimatorSelector which) {
    if (CSceneNode::IsAnimating(which)) return true;
    return SelectsScript(which) && RunsScript();
}

unsigned CScriptPageNode::GetAnimationTimeLeft(AnimatorSelector which) {
    if (which == kAnimatorAny && RunsScript()) return kAnimationEndless;
    return CSceneNode::GetAnimationTimeLeft(which);
}

void CScriptPageNode::Deactivate() {
    StopScript();
    CSceneNode::Deactivate();
}

CScriptHost* CScriptPageNode::GetOwner() { return this; }

CTransform2D* CScriptPageNode::GetTransform(CTransform2D* out) {
    *out = GetPlacement();
    out->Compose(content_);
    return out;
}

int CScriptPageNode::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (locked_ && IsClickOrKey(message)) return 0;
    return CMessageBroadcaster::HandleMessage(window, message, wParam, lParam);
}

bool CScriptPageNode::QueryMenuCommand() { return pause_ && pause_->IsRunning(); }

void CScriptPageNode::FinishMenuCommand() {
    if (!pause_) return;
    std::unique_ptr<CPageCommand> finishing = std::move(pause_);
    finishing->Finish(*this);
}

void CScriptPageNode::SetContentOpacity(double opacity) {
    opacity = std::min(1.0, std::max(0.0, opacity));
    if (opacity == content_.opacity) return;
    content_.opacity = opacity;
    InvalidateAll();
}

void CScriptPageNode::SetScriptEnabled(bool enabled) {
    executor_.ResetWait();
    script_ = enabled ? 1 : 0;
}

bool CScriptPageNode::IsScriptRunning() { return started_ && script_ && running_; }

void CScriptPageNode::StopScript() {
    running_ = 0;
    if (CScriptHost* owner = ParentOwner()) owner->StopScript();
}

CScriptExecutor* CScriptPageNode::GetExecutor() { return &executor_; }

CScriptCache* CScriptPageNode::GetScriptCache() { return &scripts_; }

CScriptCache* CScriptPageNode::GetClassCache() { return &classes_; }

void CScriptPageNode::ExecuteCommand(CScriptCommand* command) { ApplyCommand(command); }

void CScriptPageNode::SendMessage(std::string name) { ParentOwner()->SendMessage(std::move(name)); }

void CScriptPageNode::AddMessageListener(CMessageListener* listener) { AddListener(listener); }

void CScriptPageNode::RemoveMessageListener(CMessageListener* listener) { RemoveListener(listener); }

CSoundGroup* CScriptPageNode::GetSESoundGroup() { return ParentOwner()->GetSESoundGroup(); }

CSoundGroup* CScriptPageNode::GetBGMSoundGroup() { return ParentOwner()->GetBGMSoundGroup(); }

CSoundGroup* CScriptPageNode::GetVoiceSoundGroup() { return ParentOwner()->GetVoiceSoundGroup(); }

CNode* CScriptPageNode::GetRootNode() { return this; }

void CScriptPageNode::DropPendingStatement() { pending_.Drop(); }

CScriptHost* CScriptPageNode::GetParentHost() { return ParentOwner(); }

CSceneHost* CScriptPageNode::GetSceneHost() { return ParentOwner()->GetSceneHost(); }

CScriptHost* CScriptPageNode::GetCommandTarget() { return ParentOwner()->GetCommandTarget(); }

bool CScriptPageNode::RunsScript() const { return started_ && !file_.empty() && !executor_.IsFinished(); }

CScriptHost* CScriptPageNode::ParentOwner() { return CNode::GetOwner(); }

void CScriptPageNode::StopListening() {
    if (listeningTo_) listeningTo_->RemoveMessageListener(this);
    listeningTo_ = nullptr;
}
