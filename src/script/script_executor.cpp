#include "script/script_executor.h"

#include <climits>

#include "platform/error_report.h"
#include "script/flow_statement.h"
#include "script/script_cache.h"

template <typename Fetch>
CStatementRecord* CScriptExecutor::StepWith(Fetch fetch) {
    if (finished_ || wait_ >= 1) return nullptr;
    while (frame_) {
        if (CStatementRecord* record = fetch(*frame_)) {
            ++frame_->index;  // wraps at 65536
            return record;
        }
        if (stack_.empty()) break;
        // The page has ended: the caller goes on within this step.
        frame_ = std::move(stack_.back());
        stack_.pop_back();
        ForgetPage();
    }
    Finish();
    return nullptr;
}

CStatementRecord* CScriptExecutor::Step(CScriptCache& scripts, CScriptCache& classes) {
    return StepWith([&](const CScriptFrame& frame) { return FetchFromFile(frame, scripts, classes); });
}

CStatementRecord* CScriptExecutor::StepInUnit(CScriptUnit& unit, CScriptCache& scripts, CScriptCache& classes) {
    return StepWith([&](const CScriptFrame& frame) {
        if (frame.fileName.empty()) return unit.GetStatement(frame.pageName, frame.index);
        return FetchFromFile(frame, scripts, classes);
    });
}

CStatementRecord* CScriptExecutor::FetchFromFile(const CScriptFrame& frame, CScriptCache& scripts,
                                                 CScriptCache& classes) {
    if (!page_ || pageVersion_ != scripts.GetVersion()) {
        const std::shared_ptr<CScriptUnit>& unit = scripts.FetchUnit(frame.fileName, classes);
        if (running_ != unit) running_ = unit;
        page_ = &running_->GetPage(frame.pageName);
        // Read after the fetch, which may have compiled the unit into the cache.
        pageVersion_ = scripts.GetVersion();
    }
    return page_->At(frame.index);
}

void CScriptExecutor::Execute(CScriptCommand* statement) {
    if (statement->GetCategory() == kCategoryFlowStatement) static_cast<CFlowStatement*>(statement)->Execute(this);
}

void CScriptExecutor::SetIndex(uint16_t index) {
    finished_ = false;
    if (!frame_) return;
    frame_->index = index;
}

void CScriptExecutor::AdvanceIndex(uint16_t distance) {
    finished_ = false;
    if (!frame_) return;
    frame_->index = static_cast<uint16_t>(frame_->index + distance);
}

void CScriptExecutor::Shift(const std::string& page) {
    finished_ = false;
    if (!frame_) return;
    frame_->pageName = page;
    frame_->index = 0;
    ForgetPage();
}

void CScriptExecutor::Call(const std::string& page) {
    finished_ = false;
    if (!frame_) return;
    std::string file = frame_->fileName;
    stack_.push_back(std::move(frame_));
    frame_ = CScriptFrame{std::move(file), page, 0};
    ForgetPage();
}

void CScriptExecutor::FarCall(const std::string& file, const std::string& page) {
    finished_ = false;
    stack_.push_back(std::move(frame_));
    frame_ = CScriptFrame{file, page, 0};
    ForgetPage();
}

void CScriptExecutor::Return() {
    if (stack_.empty()) {
        Clear();
        return;
    }
    finished_ = false;
    frame_ = std::move(stack_.back());
    stack_.pop_back();
    ForgetPage();
}

void CScriptExecutor::Clear() { Finish(); }

void CScriptExecutor::Finish() {
    finished_ = true;
    wait_ = 0;
    frame_.reset();
    stack_.clear();
    ForgetPage();
}

int CScriptExecutor::IncreaseWait(int ms) {
    if (ms < 0) ErrorReport(ErrorKind::Internal, kModuleScriptExecutor, 218);
    long long sum = static_cast<long long>(wait_) + ms;
    wait_ = sum > INT_MAX ? INT_MAX : static_cast<int>(sum);
    return ms;
}

void CScriptExecutor::DecreaseWait(int ms) {
    if (ms < 0) ErrorReport(ErrorKind::Internal, kModuleScriptExecutor, 211);
    long long rest = static_cast<long long>(wait_) - ms;
    wait_ = rest < INT_MIN ? INT_MIN : static_cast<int>(rest);
}
