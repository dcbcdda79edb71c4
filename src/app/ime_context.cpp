#include "app/ime_context.h"

#include <windows.h>
#include <imm.h>

#include "app/application.h"

namespace {
// The context detached from the main window, given back by RestoreImeContext.
// Null when the window had none (the game detaches it once at start).
HIMC g_detached = nullptr;
}  // namespace

void DetachImeContext() {
    HWND window = GetMainWindowHandle();
    if (!window) {
        return;
    }
    HIMC previous = ImmAssociateContext(window, nullptr);
    if (previous) {
        g_detached = previous;
    }
}

void RestoreImeContext() {
    HWND window = GetMainWindowHandle();
    if (!window || !g_detached) {
        return;
    }
    ImmAssociateContext(window, g_detached);
    g_detached = nullptr;
}
