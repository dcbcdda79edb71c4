// The lines the start-up diagnosis prints on the window: their kinds, each
// with its colour and place, and what draws them.
#pragma once

#include <windows.h>

#include <string>

enum class DiagnosisLineKind { kHeading, kItem, kWarning, kError };

struct DiagnosisLine {
    DiagnosisLineKind kind;
    std::string text;
    COLORREF colour;
    // Top-left corner of the text on the window.
    int x;
    int y;
};

// The colour, indent, drop below the current top and advance of a kind.
struct DiagnosisLineStyle {
    COLORREF colour;
    int x;
    int drop;
    int advance;
};
DiagnosisLineStyle DiagnosisLineStyleOf(DiagnosisLineKind kind);

class CDiagnosisLineDrawer {
public:
    virtual ~CDiagnosisLineDrawer() = default;
    virtual void Draw(HDC target, const DiagnosisLine& line) = 0;
};

// Draws each line with a fresh font object in its default face and size.
CDiagnosisLineDrawer& FontLineDrawer();
