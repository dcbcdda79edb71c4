// The statements that move the script thread: wait, call, far_call, shift
// and return. Each hands itself to the executor that runs it.
#pragma once

#include <string>
#include <utility>

#include "script/flow_statement.h"

// "wait N;" and "Wait(N);": the script sleeps for the milliseconds.
class CWaitStatement : public CFlowStatement {
public:
    explicit CWaitStatement(int ms) : ms_(ms) {}
    int GetKind() const override;
    // A negative time is the executor's "Internal Error".
    void Execute(CScriptExecutor* executor) override;
    int Milliseconds() const { return ms_; }

private:
    int ms_;
};

// "call NAME;": the page of the same file, returning here afterwards.
class CCallStatement : public CFlowStatement {
public:
    explicit CCallStatement(std::string page) : page_(std::move(page)) {}
    int GetKind() const override;
    void Execute(CScriptExecutor* executor) override;
    const std::string& Page() const { return page_; }

private:
    std::string page_;
};

// "far_call FILE, NAME;": a page of another file, returning here afterwards.
class CFarCallStatement : public CFlowStatement {
public:
    CFarCallStatement(std::string file, std::string page) : file_(std::move(file)), page_(std::move(page)) {}
    int GetKind() const override;
    void Execute(CScriptExecutor* executor) override;
    const std::string& File() const { return file_; }
    const std::string& Page() const { return page_; }

private:
    std::string file_;
    std::string page_;
};

// "shift NAME;": continues in the page of the same file, saving nothing.
class CShiftStatement : public CFlowStatement {
public:
    explicit CShiftStatement(std::string page) : page_(std::move(page)) {}
    int GetKind() const override;
    void Execute(CScriptExecutor* executor) override;
    const std::string& Page() const { return page_; }

private:
    std::string page_;
};

// "return;": back to the last saved position; with none the script ends.
class CReturnStatement : public CFlowStatement {
public:
    int GetKind() const override;
    void Execute(CScriptExecutor* executor) override;
};
