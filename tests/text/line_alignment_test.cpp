// Lines centred on their tallest glyph, and spread over the box when fill is
// on, on rectangles set by hand.
#include <gtest/gtest.h>

#include <vector>

#include "text/line_alignment.h"

namespace {


MarkupTokenList Tokens(const std::vector<RECT>& rects) {
    MarkupTokenList tokens;
    tokens.push_back(std::make_unique<CMarkupFontToken>(MarkupFontState()));
    for (const RECT& rect : rects) {
        auto glyph = std::make_unique<CMarkupCharToken>("a");
        glyph->rect = rect;
        tokens.push_back(std::move(glyph));
        tokens.push_back(std::make_unique<CMarkupWaitToken>(0));
    }
    return tokens;
}

std::vector<std::vector<LONG>> Rects(const MarkupTokenList& tokens) {
    std::vector<std::vector<LONG>> rects;
    for (const auto& token : tokens) {
        if (token->GetType() != kMarkupChar) continue;
        const RECT& r = static_cast<const CMarkupCharToken&>(*token).rect;
        rects.push_back({r.left, r.top, r.right, r.bottom});
    }
    return rects;
}

struct AlignCase {
    const char* name;
    std::vector<RECT> before;
    bool fill;
    int boxWidth;
    std::vector<std::vector<LONG>> after;
    int laidOutWidth;  // starting at 50
};

TEST(LineAlignmentTest, CentresAndFillsEachLine) {
    const AlignCase cases[] = {
        {"centred on the tallest",
         {{0, 5, 10, 15}, {10, 5, 20, 35}, {20, 5, 30, 25}, {0, 40, 10, 43}},
         false, 100,
         {{0, 15, 10, 25}, {10, 5, 20, 35}, {20, 10, 30, 30}, {0, 40, 10, 43}}, 50},
        {"odd differences round down",
         {{0, 0, 10, 10}, {10, 0, 20, 13}}, false, 100, {{0, 1, 10, 11}, {10, 0, 20, 13}}, 50},
        {"three of 30 spread over 120",
         {{0, 0, 30, 10}, {30, 0, 60, 10}, {60, 0, 90, 10}}, true, 120,
         {{0, 0, 30, 10}, {45, 0, 75, 10}, {90, 0, 120, 10}}, 120},
        {"fractional gaps truncate",
         {{0, 0, 7, 10}, {7, 0, 14, 10}, {14, 0, 21, 10}}, true, 30,
         {{0, 0, 7, 10}, {11, 0, 18, 10}, {23, 0, 30, 10}}, 50},
        {"each line by itself; one glyph is not spread",
         {{0, 0, 30, 10}, {30, 0, 60, 10}, {0, 20, 30, 30}}, true, 90,
         {{0, 0, 30, 10}, {60, 0, 90, 10}, {0, 20, 30, 30}}, 90},
        {"a line that reaches the box is not spread",
         {{0, 0, 50, 10}, {50, 0, 100, 10}}, true, 100, {{0, 0, 50, 10}, {50, 0, 100, 10}}, 50},
        {"no fill without the switch",
         {{0, 0, 30, 10}, {30, 0, 60, 10}}, false, 120, {{0, 0, 30, 10}, {30, 0, 60, 10}}, 50},
    };
    for (const AlignCase& c : cases) {
        SCOPED_TRACE(c.name);
        MarkupTokenList tokens = Tokens(c.before);
        int laidOutWidth = 50;
        AlignLines(tokens, c.fill, c.boxWidth, &laidOutWidth);
        EXPECT_EQ(Rects(tokens), c.after);
        EXPECT_EQ(laidOutWidth, c.laidOutWidth);
    }
}

}  // namespace
