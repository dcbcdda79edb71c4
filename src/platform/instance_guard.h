// Keeps a program file from running twice: the first start owns a mutex named
// after the program's full path; a later start of the same file brings the
// running copy's window to the front and is told to end. Copies in other
// folders, and other programs, have other names and run side by side.
#pragma once

#include <string>

#include "platform/named_mutex.h"

// The mutex name of a program path: every "\" becomes "+" (a Shift-JIS
// second byte 0x5C belongs to its character and stays); nothing else changes.
std::string MakeInstanceMutexName(const std::string& programPath);

class CInstanceGuard : public CNamedMutex {
public:
    // Takes the mutex of the program instance's file; when another process
    // holds it, shows that process's window in front.
    CInstanceGuard();

    bool IsFirstInstance() const { return firstInstance_; }

private:
    bool firstInstance_;
};
