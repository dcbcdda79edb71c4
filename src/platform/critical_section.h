// The lock that brackets every dispatch of a window message. Recursive on
// its owning thread, as Windows critical sections are.
#pragma once

#include <windows.h>

class CCriticalSection {
public:
    CCriticalSection();
    virtual ~CCriticalSection();
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    void Enter();
    void Leave();

private:
    CRITICAL_SECTION section_;
};

// Holds a critical section for the lifetime of a scope.
class CCriticalSectionLock {
public:
    explicit CCriticalSectionLock(CCriticalSection& section) : section_(section) {
        section_.Enter();
    }
    ~CCriticalSectionLock() { section_.Leave(); }
    CCriticalSectionLock(const CCriticalSectionLock&) = delete;
    CCriticalSectionLock& operator=(const CCriticalSectionLock&) = delete;

private:
    CCriticalSection& section_;
};
