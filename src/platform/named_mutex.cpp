#include "platform/named_mutex.h"

CNamedMutex::CNamedMutex() : handle_(nullptr) {}

CNamedMutex::~CNamedMutex() { Close(); }

bool CNamedMutex::Create(const std::string& name) {
    Close();
    handle_ = CreateMutexA(nullptr, TRUE, name.c_str());
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

void CNamedMutex::Close() {
    if (handle_) {
        ReleaseMutex(handle_);
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}
