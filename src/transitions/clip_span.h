// The part of a picture's columns or rows that a clip rectangle reaches.
#pragma once

#include <windows.h>

#include <algorithm>

// The columns [first, end) of a picture `extent` columns wide at `origin`
// that the clip's horizontal extent [clipStart, clipEnd) reaches, both held
// to [0, extent); all of them without a clip.
struct ClipSpan {
    int first;
    int end;
};

inline ClipSpan ClipColumns(const RECT* clip, int x, int width) {
    if (!clip) return {0, width};
    return {std::clamp<int>(clip->left - x, 0, width), std::clamp<int>(clip->right - x, 0, width)};
}

inline ClipSpan ClipRows(const RECT* clip, int y, int height) {
    if (!clip) return {0, height};
    return {std::clamp<int>(clip->top - y, 0, height),
            std::clamp<int>(clip->bottom - y, 0, height)};
}
