// The display's screen as the X server shows it, read from the frame buffer
// that the test session's Xvfb keeps in a file (scripts/session), not through
// Wine: what a player would see, message boxes and all. Wine's virtual desktop
// covers the X screen from its corner, so screen coordinates are the same on
// both sides.
#pragma once

#include <windows.h>

#include <vector>

#include "graphics/color32.h"

// A rectangle of the screen in screen coordinates, row by row, 0x00RRGGBB,
// as the screen showed it whole; empty when the frame buffer cannot be read
// or does not hold the whole rectangle.
std::vector<Color32> ReadDisplayScreen(const RECT& area);
