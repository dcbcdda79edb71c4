#include "scene/class_node.h"

#include <algorithm>
#include <utility>

#include "platform/error_report.h"
#include "script/script_cache.h"
#include "script/script_statement.h"
#include "script/script_unit.h"
#include "script/statement_record.h"

namespace {

constexpr int kPlaceMissingClass = 54;
constexpr int kPlaceRunaway = 291;

bool SelectsScript(AnimatorSelector which) { return which == kAnimatorAny || which == kAnimatorScript; }

// Counts one Update of a node for its lifetime.
class CUpdateDepth {
public:
    explicit CUpdateDepth(int& depth) : depth_(depth) {
        if (++depth_ > CClassNode::kMaxNestedUpdates) {
            --depth_;  // the updates around this one count themselves out as they unwind
            ErrorReport(ErrorKind::Internal, kModuleClassNode, kPlaceRunaway);
        }
    }
    ~CUpdateDepth() { --depth_; }
    CUpdateDepth(const CUpdateDepth&) = delete;
    CUpdateDepth& operator=(const CUpdateDepth&) = delete;

private:
    int& depth_;
};

}  // namespace

CClassNode::CClassNode(int x, int y, int z, std::string className)
    : CSceneNode(x, y, z), className_(std::move(className)) {}

CClassNode::CClassNode(const CClassNode& other) : CSceneNode(other), CScriptHost(), className_(other.className_) {}

CClassNode::~CClassNode() {
    pending_.Drop();
    CClassNode::Clear();
}

void CClassNode::Reset() {
    executor_.Clear();
    if (!className_.empty()) {
        CScriptCache* classes = GetOwner() ? GetClassCache() : nullptr;
        unit_ = classes ? classes->Find(className_) : nullptr;
        if (!unit_) ErrorReport(ErrorKind::Internal, kModuleClassNode, kPlaceMissingClass);
        executor_.FarCall(std::string(), "Main");
        script_ = 1;
    } else {
        unit_.reset();
        script_ = 0;
    }
    locked_ = 0;
    paused_ = 0;
    running_ = 0;
    CSceneNode::Reset();
    // The page starts with this node's own update: what a derived kind adds
    // to its update (a button's hover check) waits for the next frame.
    CClassNode::Update(0);
}

void CClassNode::Clear() {
    script_ = 0;
    running_ = 0;
    pending_.Drop();
    CSceneNode::Clear();
}

void CClassNode::Detach() {
    pending_.Drop();
    CSceneNode::Detach();
}

CNode* CClassNode::Clone() { return new CClassNode(*this); }

void CClassNode::Update(int milliseconds) {
    if (paused_) return;
    CUpdateDepth depth(updateDepth_);
    running_ = 1;
    int count = 0;
    int remaining = milliseconds;
    while (IsScriptRunning()) {
        int step = 0;
        if (executor_.GetWait() > 0 && remaining > 0) {
            step = std::min(executor_.GetWait(), remaining);
            CSceneNode::Update(step);
            executor_.DecreaseWait(step);
            remaining -= step;
        }
        pending_.Update(step);
        CStatementRecord* record =
            unit_ ? executor_.StepInUnit(*unit_, *GetScriptCache(), *GetClassCache()) : nullptr;
        if (!record) break;
        ExecuteStatement(record->targetPath, record->command.get());
        if (++count == kMaxStatementsPerUpdate) ErrorReport(ErrorKind::Internal, kModuleClassNode, kPlaceRunaway);
    }
    if (remaining > 0 && running_) {
        CSceneNode::Update(remaining);
        pending_.Update(remaining);
    }
}

void CClassNode::ExecuteStatement(const std::string& path, CScriptCommand* command) {
    if (!path.empty()) {
        ApplyCommandAt(path, command);
        return;
    }
    if (RunHostStatement(command, this, executor_, pending_)) return;
    switch (command->GetCategory()) {
        case kCategoryCD:
        case kCategoryHostSound:
            GetCommandTarget()->ExecuteCommand(command);
            break;
        default:
            ApplyCommand(command);
            break;
    }
}

void CClassNode::ReceiveMessage(std::string name) {
    if (locked_) {
        if (name == "#Release") locked_ = 0;
        return;
    }
    if (name == "#Lock") {
        locked_ = 1;
    } else if (name == "#Pause") {
        paused_ = 1;
    } else if (name == "#Play") {
        paused_ = 0;
    } else if (name != "#Release" && unit_ && unit_->HasPage(name)) {
        // Whatever ran is abandoned; the page runs at once up to its first wait.
        executor_.Clear();
        executor_.FarCall(std::string(), name);
        CClassNode::Update(0);
    }
}

int CClassNode::GetNodeKind() { return kNodeKindClass; }

bool CClassNode::IsAnimating(AnimatorSelector which) {
    if (CSceneNode::IsAnimating(which)) return true;
    return SelectsScript(which) && !executor_.IsFinished();
}

unsigned CClassNode::GetAnimationTimeLeft(AnimatorSelector which) {
    if (SelectsScript(which) && !executor_.IsFinished()) return kAnimationEndless;
    return CSceneNode::GetAnimationTimeLeft(which);
}

void CClassNode::Deactivate() {
    running_ = 0;
    CSceneNode::Deactivate();
}

void CClassNode::SetScriptEnabled(bool enabled) {
    executor_.ResetWait();
    script_ = enabled ? 1 : 0;
}

bool CClassNode::IsScriptRunning() { return script_ && running_; }

void CClassNode::StopScript() {
    running_ = 0;
    GetOwner()->StopScript();
}

CScriptExecutor* CClassNode::GetExecutor() { return &executor_; }

CScriptCache* CClassNode::GetScriptCache() { return GetOwner()->GetScriptCache(); }

CScriptCache* CClassNode::GetClassCache() { return GetOwner()->GetClassCache(); }

void CClassNode::ExecuteCommand(CScriptCommand* command) { ApplyCommand(command); }

void CClassNode::SendMessage(std::string name) { ReceiveMessage(std::move(name)); }

void CClassNode::AddMessageListener(CMessageListener* listener) { GetOwner()->AddMessageListener(listener); }

void CClassNode::RemoveMessageListener(CMessageListener* listener) { GetOwner()->RemoveMessageListener(listener); }

CSoundGroup* CClassNode::GetSESoundGroup() { return GetOwner()->GetSESoundGroup(); }

CSoundGroup* CClassNode::GetBGMSoundGroup() { return GetOwner()->GetBGMSoundGroup(); }

CSoundGroup* CClassNode::GetVoiceSoundGroup() { return GetOwner()->GetVoiceSoundGroup(); }

CNode* CClassNode::GetRootNode() { return this; }

void CClassNode::DropPendingStatement() { pending_.Drop(); }

CScriptHost* CClassNode::GetParentHost() { return GetOwner(); }

CSceneHost* CClassNode::GetSceneHost() { return GetOwner()->GetSceneHost(); }

CScriptHost* CClassNode::GetCommandTarget() { return GetOwner()->GetCommandTarget(); }
