#include "app/startup_screen.h"

void CStartupScreen::Draw(HDC target, const DiagnosisLine& line) {
    lines_.push_back(line);
    drawer_.Draw(target, line);
}

void CStartupScreen::Redraw(HDC target, const RECT& area) {
    FillRect(target, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (const DiagnosisLine& line : lines_) drawer_.Draw(target, line);
}
