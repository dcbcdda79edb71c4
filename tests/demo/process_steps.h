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
#include "support/real_cursor.h"

constexpr DWORD kStartMs = 30000;
constexpr DWORD kShownMs = 20000;
constexpr DWORD kPollMs = 20;
constexpr DWORD kLeaveMs = 300;
constexpr int kInputTries = 20;
// Past the 100 ms for which the system answers from its own record of the
// cursor's last move.
constexpr DWORD kCursorRecordMs = 120;

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

// Whether the cursor stays at the point of the window's client area until
// the display server itself reports it there. For 100 ms after a move the
// system answers from its own record of it, and a move to an earlier point
// that the game takes late from the display server sets that record back;
// after that time it asks the display server, which has by then sent the
// game every move before, in order.
inline bool CursorReportedAt(HWND window, POINT p) {
    ClientToScreen(window, &p);
    const DWORD start = GetTickCount();
    for (;;) {
        POINT now;
        GetCursorPos(&now);
        if (now.x != p.x || now.y != p.y) return false;
        if (GetTickCount() - start > kCursorRecordMs) return true;
        Sleep(kPollMs);
    }
}

// A mouse message handed to the window's procedure; on return the game has
// taken it.
inline void SendMouse(HWND window, UINT message, WPARAM keys, int x, int y) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, keys, MAKELPARAM(x, y), SMTO_NORMAL, kStartMs, &answer);
}

// A left click at a point of the window, the cursor there first: buttons
// read the cursor when they take the click, not the message's point, so
// the game must see the cursor there, not where an earlier step put it,
// and take the click before the cursor moves on.
inline void ClickAt(HWND window, int x, int y) {
    for (int tries = 0; tries < kInputTries; ++tries) {
        if (PlaceCursor(window, x, y) && CursorReportedAt(window, {x, y})) break;
    }
    SendMouse(window, WM_MOUSEMOVE, 0, x, y);
    SendMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    SendMouse(window, WM_LBUTTONUP, 0, x, y);
}

inline std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}
