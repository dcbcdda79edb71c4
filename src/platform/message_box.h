// The program's own message boxes (exit confirmation, about box, start-up
// failure, out of memory) go through one replaceable function, so a test can
// answer them without a modal box blocking its run. The program always uses
// SystemMessageBox.
#pragma once

#include <windows.h>

#include <string>

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;     // Shift-JIS
    std::string caption;  // Shift-JIS
    UINT style = 0;
    // With MB_USERICON in the style: the icon resource of this module, and
    // the language of the box's buttons (MessageBoxIndirect).
    HINSTANCE instance = nullptr;
    int iconId = 0;
    DWORD languageId = 0;
};

// Shows the box; the button chosen (IDYES, IDNO, IDOK, ...).
using MessageBoxFunction = int (*)(const MessageBoxRequest& request);

// MessageBoxA, or MessageBoxIndirectA when the style asks for a user icon.
int SystemMessageBox(const MessageBoxRequest& request);
// Through the current function.
int ShowMessageBox(const MessageBoxRequest& request);
// Installs a function (null: SystemMessageBox again); the previous one.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function);

// The window that the fatal error boxes belong to; null (none) until the
// application sets its main window. A box that belongs to the window stays
// above it even when the window is raised while the box is up, as a topmost
// window is: a box without an owner can end up beneath it, unpainted.
void SetErrorBoxOwner(HWND owner);
HWND GetErrorBoxOwner();
