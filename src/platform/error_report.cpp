#include "platform/error_report.h"

#include <windows.h>

#include <cstdio>

#include "platform/message_box.h"

namespace {

struct CaptionAndMessage {
    const char* caption;
    const char* message;
};

// Indexed by ErrorKind.
const CaptionAndMessage kTexts[] = {
    {"Internal Error", "内部で不正な処理を行いました"},
    {"Warning", "内部で危険な処理を行いました"},
    {"FileI/O Error", "ファイル処理中に不正な処理を行いました"},
    {"Sound Error", "サウンド処理中に不正な処理を行いました"},
    {"Graphic Error", "グラフィック処理中に不正な処理を行いました"},
    {"Movie Error", "ムービー処理中に不正な処理を行いました"},
    {"Script Error", "スクリプト処理中に不正な処理を行いました"},
    {"DirectDraw Error", "DirectDrawが不正な動作を行いました"},
    {"OS Error", "Windowsが不正な動作を行いました"},
};

ErrorReporter g_reporter = ShowErrorBox;

ErrorBox Fill(ErrorKind kind, int module, int place, bool hasCode, long code) {
    const CaptionAndMessage& t = kTexts[static_cast<int>(kind)];
    char text[512];
    int n = std::snprintf(text, sizeof text, "%s\n%s\nCode: 1.0.5 %d - %d", t.caption,
                          t.message, module, place);
    if (hasCode) {
        std::snprintf(text + n, sizeof text - n, " [%d]", static_cast<int>(code));
    }
    return ErrorBox{kind, module, place, hasCode, code, t.caption, text};
}

[[noreturn]] void Report(const ErrorBox& box) {
    g_reporter(box);
    throw CInternalError();
}

}  // namespace

const char* ErrorCaption(ErrorKind kind) { return kTexts[static_cast<int>(kind)].caption; }

const char* ErrorMessage(ErrorKind kind) { return kTexts[static_cast<int>(kind)].message; }

ErrorBox MakeErrorBox(ErrorKind kind, int module, int place) {
    return Fill(kind, module, place, false, 0);
}

ErrorBox MakeErrorBox(ErrorKind kind, int module, int place, long code) {
    return Fill(kind, module, place, true, code);
}

void ErrorReport(ErrorKind kind, int module, int place) {
    Report(MakeErrorBox(kind, module, place));
}

void ErrorReport(ErrorKind kind, int module, int place, long code) {
    Report(MakeErrorBox(kind, module, place, code));
}

void ShowErrorBox(const ErrorBox& box) {
    MessageBoxA(GetErrorBoxOwner(), box.text.c_str(), box.caption.c_str(),
                MB_ICONHAND | MB_SYSTEMMODAL | MB_SETFOREGROUND);
}

void ShowOutOfMemoryBox() {
    MessageBoxRequest request;
    request.text = "メモリの確保に失敗しました";
    request.caption = "メモリエラー";
    request.style = MB_ICONHAND | MB_SYSTEMMODAL | MB_SETFOREGROUND;
    ShowMessageBox(request);
}

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    ErrorReporter previous = g_reporter;
    g_reporter = reporter ? reporter : ShowErrorBox;
    return previous;
}
