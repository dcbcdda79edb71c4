#include "text/line_alignment.h"

#include <algorithm>
#include <vector>

namespace {

bool IsPlaced(const CMarkupToken& token) {
    return token.GetType() == kMarkupChar || token.GetType() == kMarkupImage;
}

void CentreLine(const std::vector<RECT*>& line) {
    const LONG top = line.front()->top;
    LONG lineHeight = 0;
    for (const RECT* rect : line) lineHeight = std::max(lineHeight, rect->bottom - rect->top);
    for (RECT* rect : line) {
        const LONG height = rect->bottom - rect->top;
        rect->top = top + (lineHeight - height) / 2;
        rect->bottom = rect->top + height;
    }
}

void FillLine(const std::vector<RECT*>& line, int boxWidth, int* laidOutWidth) {
    if (line.size() < 2) return;
    LONG right = 0;
    for (const RECT* rect : line) right = std::max(right, rect->right);
    if (right >= boxWidth) return;
    const float gap = static_cast<float>(boxWidth - right) / static_cast<float>(line.size() - 1);
    float pen = 0.0f;
    for (RECT* rect : line) {
        const LONG width = rect->right - rect->left;
        rect->left = static_cast<LONG>(pen);
        rect->right = static_cast<LONG>(pen + static_cast<float>(width));
        pen = pen + static_cast<float>(width) + gap;
        *laidOutWidth = std::max(*laidOutWidth, static_cast<int>(rect->right));
    }
}

}  // namespace

void AlignLines(MarkupTokenList& tokens, bool fillLines, int boxWidth, int* laidOutWidth) {
    std::vector<std::vector<RECT*>> lines;
    for (auto& token : tokens) {
        if (!IsPlaced(*token)) continue;
        RECT* rect = &static_cast<CMarkupCharToken&>(*token).rect;
        if (lines.empty() || lines.back().front()->top != rect->top) lines.emplace_back();
        lines.back().push_back(rect);
    }
    for (const auto& line : lines) {
        CentreLine(line);
        if (fillLines) FillLine(line, boxWidth, laidOutWidth);
    }
}
