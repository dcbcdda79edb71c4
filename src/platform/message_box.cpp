#include "platform/message_box.h"

namespace {
MessageBoxFunction g_function = SystemMessageBox;
HWND g_errorBoxOwner = nullptr;
}  // namespace

int SystemMessageBox(const MessageBoxRequest& request) {
    if (!(request.style & MB_USERICON)) {
        return MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(),
                           request.style);
    }
    MSGBOXPARAMSA params = {};
    params.cbSize = sizeof params;
    params.hwndOwner = request.owner;
    params.hInstance = request.instance;
    params.lpszText = request.text.c_str();
    params.lpszCaption = request.caption.c_str();
    params.dwStyle = request.style;
    params.lpszIcon = MAKEINTRESOURCEA(request.iconId);
    params.dwLanguageId = request.languageId;
    return MessageBoxIndirectA(&params);
}

int ShowMessageBox(const MessageBoxRequest& request) { return g_function(request); }

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function) {
    MessageBoxFunction previous = g_function;
    g_function = function ? function : SystemMessageBox;
    return previous;
}

void SetErrorBoxOwner(HWND owner) { g_errorBoxOwner = owner; }

HWND GetErrorBoxOwner() { return g_errorBoxOwner; }
