// What the process tests do to the game program's window and read back from
// it: the screen polled for the colours expected at fixed points and
// clicks made with the real cursor.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "chapter_game.h"
#include "demo_probes.h"

constexpr DWORD kStartMs = 30000;
constexpr DWORD kShownMs = 20000;
constexpr DWORD kPollMs = 20;
constexpr DWORD kLeaveMs = 300;
constexpr int kInputTries = 20;

// The probes that the screen does not show as expected, one line each.
inline std::string Mismatches(HWND window, const DemoProbe* probes, size_t count) {
    const std::vector<Color32> shown = ReadScreenOf(window);
    std::string wrong;
    for (size_t i = 0; i < count; ++i) {
        const DemoProbe& p = probes[i];
        const Color32 seen = shown.empty() ? 0 : shown[p.y * 800 + p.x];
        if (seen != p.colour) {
            char line[160];
            std::snprintf(line, sizeof line, "%s at %d, %d: %06X, not %06X\n", p.what, p.x, p.y,
                          static_cast<unsigned>(seen), static_cast<unsigned>(p.colour));
            wrong += line;
        }
    }
    return wrong;
}

// Polls the screen until every probe shows its colour; on a time-out, the
// probes that did not, as they were last seen.
inline std::string WaitUntilShown(HWND window, const DemoProbe* probes, size_t count) {
    const DWORD start = GetTickCount();
    for (;;) {
        const std::string wrong = Mismatches(window, probes, count);
        if (wrong.empty() || GetTickCount() - start >= kShownMs) return wrong;
        Sleep(kPollMs);
    }
}

// Goes on from a key wait: the picture can be complete a little before the
// wait begins, and a key pressed before it is not remembered, so the input
// is repeated until the picture changes (the story goes on at once: the
// probes leave their colours within a few frames). False when it never does.
template <class Input>
bool GoOn(HWND window, const DemoProbe* probes, size_t count, Input input) {
    for (int tries = 0; tries < kInputTries; ++tries) {
        input();
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kLeaveMs) {
            if (!Mismatches(window, probes, count).empty()) return true;
            Sleep(kPollMs);
        }
    }
    return false;
}

// A left click at a point of the window, the cursor there first: buttons
// read the cursor, not the message. The game's process sees the cursor
// where it was put only a moment later, and takes the click at its next
// frame: the cursor stays until then.
inline void ClickAt(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    POINT now = {-1, -1};
    for (int i = 0; i < 100 && (now.x != point.x || now.y != point.y); ++i) {
        SetCursorPos(point.x, point.y);
        Sleep(2);
        GetCursorPos(&now);
    }
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    Sleep(100);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Sleep(100);
}

inline std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}
