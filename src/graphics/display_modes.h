// The display modes of the DirectDraw object: whether one is available, and
// the whole list for the diagnosis report.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <vector>

// A mode as DirectDraw describes it.
using DisplayModeList = std::vector<DDSURFACEDESC>;

// True when DirectDraw offers the size at that depth (at any refresh rate).
// False without a DirectDraw object and when the enumeration fails.
bool IsDisplayModeSupported(DWORD width, DWORD height, DWORD bitDepth);

// Replaces the list's contents with every mode in DirectDraw's order, each
// refresh rate an entry of its own. An enumeration that fails leaves the list
// as far as it got; without a DirectDraw object it stays empty.
void ListDisplayModes(DisplayModeList* modes);
