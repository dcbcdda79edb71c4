// What start-up has shown on the game window before the first frame: a black
// screen with the diagnosis lines ("Please Wait ..." at least). It draws each
// line through another drawer and keeps it, so a paint of the window (an
// expose, a restyle, a box moved over it) shows the same screen again.
#pragma once

#include <windows.h>

#include <vector>

#include "app/diagnosis_lines.h"

class CStartupScreen : public CDiagnosisLineDrawer {
public:
    explicit CStartupScreen(CDiagnosisLineDrawer& drawer) : drawer_(drawer) {}

    void Draw(HDC target, const DiagnosisLine& line) override;
    // The area blacked out and every line drawn so far drawn on it again.
    void Redraw(HDC target, const RECT& area);

private:
    CDiagnosisLineDrawer& drawer_;
    std::vector<DiagnosisLine> lines_;
};
