#include "platform/com_init.h"

#include <windows.h>
#include <objbase.h>

namespace {
unsigned g_users = 0;
}  // namespace

int ComInit() {
    if (g_users == 0) {
        // S_FALSE means COM was already started on this thread by someone
        // else: it is ready all the same, and this call still owes its own
        // CoUninitialize.
        if (FAILED(CoInitialize(nullptr))) return 1;
    }
    ++g_users;
    return 0;
}

void ComUninit() {
    if (g_users == 0) return;
    if (--g_users == 0) CoUninitialize();
}
