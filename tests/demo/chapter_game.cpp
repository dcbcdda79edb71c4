#include "chapter_game.h"

#include "platform/paths.h"
#include "support/real_cursor.h"

namespace {

constexpr DWORD kStartMs = 30000;
constexpr DWORD kPollMs = 20;

}  // namespace

CChapterGame::CChapterGame(const std::string& story) {
    folder_.Replace("S.dat", story + "\\S.dat");
}

CConfig CChapterGame::ChapterSettings() {
    CConfig settings;
    settings.SetDiagnosis(false);
    settings.SetAutoPause(false);
    return settings;
}

HWND CChapterGame::Start(const CConfig& settings) {
    const std::string program = Path() + "mirlwood.exe";
    if (!CopyFileA((GetProgramDirectory() + "mirlwood.exe").c_str(), program.c_str(), FALSE)) return nullptr;
    CConfig written = settings;
    written.Save("UserData/Config.ini");
    process_ = std::make_unique<CGameProcess>(program, Path());
    if (!process_->Started()) return nullptr;
    window_ = process_->WaitForWindow("MIRLHOLLOW", kStartMs);
    if (window_) SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
    return window_;
}

bool CChapterGame::ErrorBoxShown() const { return process_ && process_->WaitForWindow("#32770", 0) != nullptr; }

bool WaitUntilScreen(HWND window, const ScreenTest& test, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (test(ReadScreenOf(window))) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
}

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

bool HoverUntil(HWND window, POINT p, const ScreenTest& test) {
    if (!PlaceCursor(window, p.x, p.y)) return false;
    return WaitUntilScreen(window, [&](const std::vector<Color32>& shown) {
        if (test(shown)) return true;
        PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        return false;
    });
}

POINT BesideWindow(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    // Right of the window where the screen leaves room, else below it.
    POINT p = {outer.right + 20, (outer.top + outer.bottom) / 2};
    if (p.x >= GetSystemMetrics(SM_CXSCREEN)) p = {(outer.left + outer.right) / 2, outer.bottom + 20};
    ScreenToClient(window, &p);
    return p;
}

bool LeaveUntil(HWND window, POINT outside, const ScreenTest& test) {
    return PlaceCursor(window, outside.x, outside.y) && WaitUntilScreen(window, test);
}
