// A named mutex that this process creates or opens and owns while it lives.
#pragma once

#include <windows.h>

#include <string>

class CNamedMutex {
public:
    CNamedMutex();
    // Releases the mutex (harmless when another process owns it) and closes
    // the handle.
    virtual ~CNamedMutex();
    CNamedMutex(const CNamedMutex&) = delete;
    CNamedMutex& operator=(const CNamedMutex&) = delete;

    // Creates the mutex with that name, initially owned, or opens it when it
    // exists; a held mutex is released and closed first. True when the mutex
    // already existed: another creator owns it, this process does not.
    bool Create(const std::string& name);

private:
    void Close();

    HANDLE handle_;
};
