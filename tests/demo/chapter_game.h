// The demo, or one chapter of it alone, played by the game program as a
// player sees it: a temporary game folder holding the program, the demo's
// archives and, for a chapter, as "S.dat" the story that demo_chapter_game
// (tests/demo/CMakeLists.txt) packs for it, with the settings written
// before the start. The folder is the base directory for the test's length.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "demo_game.h"
#include "game_process.h"
#include "graphics/color32.h"
#include "platform/config.h"

class CChapterGame {
public:
    // The whole demo, from its own "Main".
    CChapterGame() = default;
    // `story` names the folder beside the test program that holds the
    // chapter's "S.dat" ("choice").
    explicit CChapterGame(const std::string& story);

    // Writes the settings, starts the program and waits for its window,
    // which is put above every other; null when it does not start or show.
    HWND Start(const CConfig& settings = ChapterSettings());

    // No diagnosis at the start and no pause when the window loses focus.
    static CConfig ChapterSettings();

    // A loose file built beside the test programs (`relative` to their
    // folder, "Movie/Lanterns.avi"), copied to the same place in the game
    // folder.
    void CopyLooseFile(const char* relative) { folder_.Replace(relative, relative); }
    // A loose file of these bytes at `relative` in the game folder.
    void WriteLooseFile(const char* relative, const Bytes& data) { folder_.Write(relative, data); }

    const std::string& Path() const { return folder_.Path(); }
    HWND Window() const { return window_; }
    const CGameProcess& Process() const { return *process_; }
    // Whether the program shows a message box now.
    bool ErrorBoxShown() const;

private:
    CDemoFolder folder_;
    std::unique_ptr<CGameProcess> process_;
    HWND window_ = nullptr;
};

using ScreenTest = std::function<bool(const std::vector<Color32>&)>;

// Polls the window's client area until the test holds; false after the
// time.
bool WaitUntilScreen(HWND window, const ScreenTest& test, DWORD timeoutMs = 20000);
// A key pressed and released, posted to the window.
void PressKey(HWND window, WPARAM key);
// The real cursor put on a point of the client area, and the game told it
// moved until the test holds (the display server may report an earlier
// cursor position a moment later). False on a time-out.
bool HoverUntil(HWND window, POINT p, const ScreenTest& test);
// A point of the desktop beside the window, in its client coordinates.
POINT BesideWindow(HWND window);
// The real cursor put on a point off the client area (in client
// coordinates), with no message from the test: the game has to find out
// itself that the pointer left. False when the test never holds.
bool LeaveUntil(HWND window, POINT outside, const ScreenTest& test);
// The pixel of a screen read at a point, 0 for an empty read.
inline Color32 PixelAt(const std::vector<Color32>& shown, POINT p) {
    return shown.empty() ? 0 : shown[p.y * 800 + p.x];
}
