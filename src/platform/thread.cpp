#include "platform/thread.h"

#include "platform/error_report.h"

namespace {
constexpr DWORD kPollMs = 10;
constexpr int kCreateFailedPlace = 33;
}  // namespace

CThread::CThread() : running_(false), keepGoing_(false), threadId_(0) {}

CThread::~CThread() {
    keepGoing_ = false;
    WaitUntilIdle();
}

void CThread::Start() {
    Stop();
    running_ = true;
    keepGoing_ = true;
    HANDLE handle = CreateThread(nullptr, 0, &CThread::ThreadEntry, this, 0, &threadId_);
    if (!handle) {
        running_ = false;
        keepGoing_ = false;
        ErrorReport(ErrorKind::OS, kModuleThread, kCreateFailedPlace);
    }
    // The thread is followed through the flags alone; the handle is not needed.
    CloseHandle(handle);
}

int CThread::Stop() {
    keepGoing_ = false;
    WaitUntilIdle();
    return 0;
}

int CThread::RunInline() {
    running_ = true;
    keepGoing_ = true;
    Run();
    running_ = false;
    return 0;
}

bool CThread::IsRunning() const { return running_; }

bool CThread::KeepGoing() const { return keepGoing_; }

void CThread::RequestStop() { keepGoing_ = false; }

DWORD WINAPI CThread::ThreadEntry(LPVOID self) {
    CThread* thread = static_cast<CThread*>(self);
    thread->Run();
    thread->running_ = false;
    return 0;
}

void CThread::WaitUntilIdle() {
    while (running_) {
        Sleep(kPollMs);
    }
}
