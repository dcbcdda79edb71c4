// Base of a worker thread that stops by flags: the owner clears keep-going
// and polls running every 10 ms; the body polls keep-going at least once per
// pass of its loop and returns when it turns false. Nothing else ends a body.
#pragma once

#include <windows.h>

#include <atomic>

class CThread {
public:
    CThread();
    // Asks the body to end and waits for it. A derived class whose body uses
    // members of its own must call Stop() in its destructor, since those
    // members are gone by the time this base destructor runs.
    virtual ~CThread();
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    // Stops a running body first, then runs Run() on a new thread.
    virtual void Start();
    // Clears keep-going and waits (polling) until the body has returned; 0.
    virtual int Stop();
    // Runs the body on the calling thread with the same flags; 0.
    virtual int RunInline();
    virtual bool IsRunning() const;
    virtual bool KeepGoing() const;
    // Clears keep-going and returns at once.
    virtual void RequestStop();

protected:
    virtual void Run() = 0;

private:
    static DWORD WINAPI ThreadEntry(LPVOID self);
    void WaitUntilIdle();

    std::atomic<bool> running_;
    std::atomic<bool> keepGoing_;
    DWORD threadId_;
};
