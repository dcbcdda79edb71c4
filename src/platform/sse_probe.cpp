#include "platform/sse_probe.h"

#include <windows.h>

extern "C" void mirl_sse_probe();
__asm__(
    ".text\n" MIRL_ASM_SYMBOL(mirl_sse_probe) ":\n"
    "    xorps %xmm0, %xmm0\n"
    "    ret\n");

namespace {

DWORD g_guardedThread = 0;
bool g_faulted = false;

// The compiler offers no structured exception handling on this target, so a
// vectored handler, installed only while the routine runs, takes any
// exception of the guarded thread and returns from the routine: the return
// address is on top of the stack, since the routine pushes nothing.
LONG CALLBACK LeaveGuardedRoutine(EXCEPTION_POINTERS* exception) {
    if (GetCurrentThreadId() != g_guardedThread) return EXCEPTION_CONTINUE_SEARCH;
    CONTEXT* context = exception->ContextRecord;
#ifdef _WIN64
    context->Rip = *reinterpret_cast<DWORD64*>(context->Rsp);
    context->Rsp += sizeof(DWORD64);
#else
    context->Eip = *reinterpret_cast<DWORD*>(context->Esp);
    context->Esp += sizeof(DWORD);
#endif
    g_faulted = true;
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

bool RunLeafRoutineGuarded(LeafRoutine routine) {
    g_guardedThread = GetCurrentThreadId();
    g_faulted = false;
    PVOID handler = AddVectoredExceptionHandler(1, LeaveGuardedRoutine);
    if (!handler) {
        g_guardedThread = 0;
        return false;
    }
    routine();
    RemoveVectoredExceptionHandler(handler);
    g_guardedThread = 0;
    return !g_faulted;
}

bool TestSseExecution() { return RunLeafRoutineGuarded(mirl_sse_probe); }
