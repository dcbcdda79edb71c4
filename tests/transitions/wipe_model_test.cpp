// The models the routine tests compare against, checked on worked values.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "transition_harness.h"
#include "wipe_model.h"

namespace {

CCoverage Model(const std::string& kind, int w, int h, int level) {
    const WipeModel model = FindWipeModel(kind);
    if (!model) throw std::runtime_error("no model for " + kind);
    return model(w, h, level);
}

// The union of rectangles {left, top, right, bottom}, right and bottom exclusive.
CCoverage Rects(int w, int h, std::initializer_list<RECT> rects) {
    CCoverage out(w, h);
    for (const RECT& r : rects) out.Mark(r.left, r.top, r.right, r.bottom);
    return out;
}

// Row j of the coverage as the union of column ranges [left, right).
testing::AssertionResult RowIs(const CCoverage& c, int j,
                               std::initializer_list<std::pair<int, int>> runs) {
    CCoverage expected(c.Width(), 1);
    for (const auto& run : runs) expected.MarkRow(0, run.first, run.second);
    for (int i = 0; i < c.Width(); ++i) {
        if (c.Covers(i, j) != expected.Covers(i, 0)) {
            return testing::AssertionFailure() << "row " << j << " column " << i << " is "
                                               << (c.Covers(i, j) ? "drawn" : "not drawn");
        }
    }
    return testing::AssertionSuccess();
}

bool RowEmpty(const CCoverage& c, int j) { return RowIs(c, j, {}); }

CCoverage Transposed(const CCoverage& c) {
    CCoverage out(c.Height(), c.Width());
    for (int j = 0; j < c.Height(); ++j)
        for (int i = 0; i < c.Width(); ++i) out.Set(j, i, c.At(i, j));
    return out;
}

TEST(WipeModel, Linear) {
    EXPECT_TRUE(SameCoverage(Model("LinearUp", 800, 100, 128), Rects(800, 100, {{0, 0, 800, 50}})));
    EXPECT_TRUE(
        SameCoverage(Model("LinearDown", 800, 255, 1), Rects(800, 255, {{0, 1, 800, 255}})));
    EXPECT_TRUE(
        SameCoverage(Model("LinearDown", 800, 254, 1), Rects(800, 254, {{0, 0, 800, 254}})));
    EXPECT_TRUE(
        SameCoverage(Model("LinearLeft", 800, 600, 128), Rects(800, 600, {{0, 0, 399, 600}})));
    EXPECT_TRUE(
        SameCoverage(Model("LinearRight", 800, 600, 128), Rects(800, 600, {{401, 0, 800, 600}})));
}

TEST(WipeModel, Rect) {
    EXPECT_TRUE(
        SameCoverage(Model("RectCenter", 800, 600, 1), Rects(800, 600, {{4, 3, 797, 598}})));
    EXPECT_TRUE(
        SameCoverage(Model("RectCenter", 800, 600, 254), Rects(800, 600, {{399, 299, 402, 301}})));
    for (int level = 1; level < 255; ++level)
        EXPECT_EQ(Model("RectCenter", 1, 600, level).Total(), 0);
    EXPECT_TRUE(
        SameCoverage(Model("RectTopLeft", 800, 600, 1), Rects(800, 600, {{0, 0, 793, 600}})));
    EXPECT_TRUE(
        SameCoverage(Model("RectTopLeft", 800, 600, 128), Rects(800, 600, {{0, 0, 396, 396}})));
    EXPECT_TRUE(
        SameCoverage(Model("RectTopRight", 800, 600, 128), Rects(800, 600, {{404, 0, 800, 396}})));
    EXPECT_TRUE(SameCoverage(Model("RectBottomLeft", 800, 600, 128),
                             Rects(800, 600, {{0, 204, 396, 600}})));
    EXPECT_TRUE(SameCoverage(Model("RectBottomRight", 800, 600, 128),
                             Rects(800, 600, {{404, 204, 800, 600}})));
}

TEST(WipeModel, Box) {
    EXPECT_TRUE(SameCoverage(Model("BoxTopLeft", 800, 600, 128),
                             Rects(800, 600, {{500, 0, 800, 500}, {0, 500, 800, 600}})));
    EXPECT_TRUE(SameCoverage(Model("BoxTopRight", 800, 600, 128),
                             Rects(800, 600, {{0, 0, 300, 500}, {0, 500, 800, 600}})));
    EXPECT_TRUE(SameCoverage(Model("BoxBottomLeft", 800, 600, 128),
                             Rects(800, 600, {{0, 0, 800, 100}, {500, 100, 800, 600}})));
    EXPECT_TRUE(SameCoverage(Model("BoxBottomRight", 800, 600, 128),
                             Rects(800, 600, {{0, 0, 800, 100}, {0, 100, 300, 600}})));
    // An odd width: the hole's rows keep the last column.
    EXPECT_TRUE(SameCoverage(
        Model("BoxCenter", 101, 61, 128),
        Rects(101, 61, {{0, 0, 101, 1}, {0, 1, 21, 59}, {79, 1, 101, 59}, {0, 59, 101, 61}})));
    EXPECT_TRUE(SameCoverage(
        Model("BoxCenter", 800, 600, 128),
        Rects(800, 600,
              {{0, 0, 800, 50}, {0, 50, 150, 550}, {650, 50, 800, 550}, {0, 550, 800, 600}})));
}

TEST(WipeModel, Circle) {
    const CCoverage center = Model("CircleCenter", 800, 600, 128);
    // The disc's rows are 52..547; the first has a chord of length 0.
    for (int j = 0; j < 600; ++j) EXPECT_EQ(RowEmpty(center, j), j <= 52 || j > 547) << j;
    EXPECT_TRUE(RowIs(center, 300, {{152, 648}}));
    const CCoverage top = Model("CircleTop", 800, 600, 128);
    EXPECT_TRUE(RowIs(top, 0, {{43, 757}}));
    for (int j = 0; j < 600; ++j) EXPECT_EQ(RowEmpty(top, j), j >= 357) << j;
    const CCoverage bottom = Model("CircleBottom", 800, 600, 128);
    for (int j = 0; j < 600; ++j) EXPECT_EQ(RowEmpty(bottom, j), j < 244) << j;
    EXPECT_TRUE(RowIs(bottom, 599, {{44, 757}}));
    EXPECT_TRUE(RowIs(Model("CircleLeft", 800, 600, 128), 0, {{0, 298}}));
    EXPECT_TRUE(RowIs(Model("CircleRight", 800, 600, 128), 0, {{502, 800}}));
}

TEST(WipeModel, Hole) {
    const CCoverage top = Model("HoleTop", 800, 600, 128);
    EXPECT_TRUE(RowIs(top, 0, {{0, 39}, {761, 800}}));
    for (int j = 361; j < 600; ++j) EXPECT_TRUE(RowIs(top, j, {{0, 800}}));
    EXPECT_FALSE(RowIs(top, 360, {{0, 800}}));
    const CCoverage bottom = Model("HoleBottom", 800, 600, 128);
    for (int j = 0; j <= 238; ++j) EXPECT_TRUE(RowIs(bottom, j, {{0, 800}}));
    // The hole's first row (dy = -r) has a chord of length 0.
    EXPECT_TRUE(RowIs(bottom, 239, {{0, 800}}));
    EXPECT_FALSE(RowIs(bottom, 240, {{0, 800}}));
    EXPECT_TRUE(RowIs(bottom, 599, {{0, 40}, {760, 800}}));
    EXPECT_TRUE(RowIs(Model("HoleLeft", 800, 600, 128), 0, {{305, 800}}));
    EXPECT_TRUE(RowIs(Model("HoleRight", 800, 600, 128), 0, {{0, 495}}));
    const CCoverage center = Model("HoleCenter", 101, 61, 128);
    EXPECT_TRUE(RowIs(center, 30, {{0, 21}, {79, 101}}));
    EXPECT_TRUE(RowIs(center, 0, {{0, 101}}));
    const CCoverage wide = Model("HoleCenter", 800, 600, 128);
    EXPECT_TRUE(RowIs(wide, 49, {{0, 800}}));
    EXPECT_TRUE(RowIs(wide, 300, {{0, 150}, {650, 800}}));
}

TEST(WipeModel, Fan) {
    CCoverage small = Rects(16, 12, {{0, 0, 8, 6}, {0, 6, 16, 12}});
    const int cut[] = {3, 2, 2, 1, 1, 0};
    for (int j = 0; j < 6; ++j) small.MarkRow(j, 8 + cut[j], 16);
    EXPECT_TRUE(SameCoverage(Model("FanCenter", 16, 12, 20), small));
    const CCoverage odd = Model("FanCenter", 15, 11, 20);
    EXPECT_TRUE(RowEmpty(odd, 10));
    for (int j = 0; j < 11; ++j) EXPECT_EQ(odd.Covers(14, j), j >= 5 && j <= 9) << j;

    const RECT topLeft = {0, 0, 400, 300}, lowerHalf = {0, 300, 800, 600};
    EXPECT_TRUE(
        SameCoverage(Model("FanCenter", 800, 600, 64), Rects(800, 600, {topLeft, lowerHalf})));
    EXPECT_TRUE(SameCoverage(Model("FanCenter", 800, 600, 192), Rects(800, 600, {topLeft})));
    EXPECT_TRUE(SameCoverage(Model("FanCenterDouble", 800, 600, 128),
                             Rects(800, 600, {topLeft, {400, 300, 800, 600}})));
    EXPECT_TRUE(SameCoverage(Model("FanLeft", 800, 600, 128), Rects(800, 600, {lowerHalf})));
    EXPECT_TRUE(
        SameCoverage(Model("FanRight", 800, 600, 128), Rects(800, 600, {{0, 0, 800, 300}})));

    const CCoverage top = Model("FanTop", 800, 600, 128);
    EXPECT_TRUE(RowIs(top, 0, {{400, 800}}));
    EXPECT_TRUE(RowIs(top, 599, {{403, 800}}));
    const CCoverage bottom = Model("FanBottom", 800, 600, 128);
    EXPECT_TRUE(RowIs(bottom, 0, {{403, 800}}));
    EXPECT_TRUE(RowIs(bottom, 599, {{400, 800}}));
}

TEST(WipeModel, Tereco) {
    const CCoverage h = Model("TerecoH", 800, 600, 128);
    for (int j = 0; j < 600; ++j)
        EXPECT_TRUE(RowIs(h, j, {j % 2 ? std::make_pair(404, 800) : std::make_pair(0, 396)}));
    const CCoverage v = Transposed(Model("TerecoV", 800, 600, 128));
    for (int i = 0; i < 800; ++i)
        EXPECT_TRUE(RowIs(v, i, {i % 2 ? std::make_pair(303, 600) : std::make_pair(0, 297)}));

    const CCoverage d126 = Model("TerecoHDouble", 800, 600, 126);
    const CCoverage d127 = Model("TerecoHDouble", 800, 600, 127);
    for (int j = 0; j < 600; ++j) {
        const int place = j % 4;
        if (place == 1) {
            EXPECT_TRUE(RowIs(d126, j, {{0, 6}}));
        }
        if (place == 3) {
            EXPECT_TRUE(RowIs(d126, j, {{794, 800}}));
        }
        if (place % 2 == 0) {
            EXPECT_TRUE(RowIs(d126, j, {{0, 800}}));
            EXPECT_TRUE(RowIs(d127, j, {{0, 800}}));
        } else {
            EXPECT_TRUE(RowEmpty(d127, j));
        }
    }
    const CCoverage vd = Transposed(Model("TerecoVDouble", 800, 600, 200));
    for (int i = 0; i < 800; ++i) {
        const int place = i % 4;
        if (place == 0) {
            EXPECT_TRUE(RowIs(vd, i, {{0, 257}}));
        }
        if (place == 2) {
            EXPECT_TRUE(RowIs(vd, i, {{343, 600}}));
        }
        if (place % 2) {
            EXPECT_TRUE(RowEmpty(vd, i));
        }
    }
}

TEST(WipeModel, Blind) {
    EXPECT_TRUE(SameCoverage(Model("BlindLeft", 20, 20, 100),
                             Rects(20, 20, {{0, 0, 9, 20}, {16, 0, 20, 20}})));
    EXPECT_TRUE(SameCoverage(Model("BlindRight", 20, 20, 100), Rects(20, 20, {{7, 0, 16, 20}})));
    EXPECT_TRUE(SameCoverage(Model("BlindUp", 20, 20, 100),
                             Rects(20, 20, {{0, 0, 20, 9}, {0, 16, 20, 20}})));
    EXPECT_TRUE(SameCoverage(Model("BlindDown", 20, 20, 100), Rects(20, 20, {{0, 7, 20, 16}})));

    // 800 columns are 50 whole slats, 600 rows 37 slats and 8 rows.
    const std::pair<const char*, int> keptAtLevel1[] = {{"BlindLeft", 750 * 600},
                                                        {"BlindRight", 750 * 600},
                                                        {"BlindUp", 800 * (600 - 37)},
                                                        {"BlindDown", 800 * (600 - 38)},
                                                        {"BlindSlant", 750 * 600}};
    for (const auto& [kind, kept] : keptAtLevel1) {
        EXPECT_EQ(Model(kind, 800, 600, 1).Total(), kept) << kind;
        for (int level = 240; level < 255; ++level)
            EXPECT_EQ(Model(kind, 800, 600, level).Total(), 0) << kind;
    }
    const CCoverage left = Model("BlindLeft", 800, 600, 1);
    const CCoverage right = Model("BlindRight", 800, 600, 1);
    for (int i = 0; i < 800; ++i) {
        EXPECT_EQ(left.Covers(i, 0), i % 16 != 15) << i;
        EXPECT_EQ(right.Covers(i, 0), i % 16 != 0) << i;
    }

    const CCoverage slant = Model("BlindSlant", 800, 600, 100);
    for (int i = 0; i < 800; ++i) {
        EXPECT_EQ(slant.Covers(i, 0), i % 16 <= 8) << i;
        EXPECT_EQ(slant.Covers(i, 1), i % 16 <= 7 || i % 16 == 15) << i;
        EXPECT_EQ(slant.Covers(i, 16), slant.Covers(i, 0)) << i;
    }
}

TEST(WipeModel, Curtain) {
    // Stripe k of CurtainLeft at 128 keeps min(16, 33 - k) columns from 16k on.
    CCoverage left = Rects(800, 600, {{0, 0, 288, 600}});
    for (int k = 18; k <= 32; ++k) left.Mark(16 * k, 0, 16 * k + 33 - k, 600);
    EXPECT_TRUE(SameCoverage(Model("CurtainLeft", 800, 600, 128), left));
    for (int i : {287, 288, 302, 512}) EXPECT_TRUE(left.Covers(i, 0)) << i;
    for (int i : {303, 513}) EXPECT_FALSE(left.Covers(i, 0)) << i;
    CCoverage right(800, 600);
    for (int j = 0; j < 600; ++j)
        for (int i = 0; i < 800; ++i) right.Set(i, j, left.At(799 - i, j));
    EXPECT_TRUE(SameCoverage(Model("CurtainRight", 800, 600, 128), right));

    CCoverage up = Rects(800, 600, {{0, 0, 800, 176}});
    for (int k = 11; k <= 25; ++k) up.Mark(0, 16 * k, 800, 16 * k + 26 - k);
    EXPECT_TRUE(SameCoverage(Model("CurtainUp", 800, 600, 128), up));
    EXPECT_TRUE(up.Covers(0, 400) && !up.Covers(0, 401) && up.Covers(0, 190) && !up.Covers(0, 191));
    CCoverage down(800, 600);
    for (int j = 0; j < 600; ++j)
        for (int i = 0; i < 800; ++i) down.Set(i, j, up.At(i, 599 - j));
    EXPECT_TRUE(SameCoverage(Model("CurtainDown", 800, 600, 128), down));

    // 591 rows make 38 row stripes, not the 37 of the column rule.
    const CCoverage tall = Model("CurtainUp", 800, 591, 155);
    EXPECT_TRUE(tall.Covers(0, 320));
    for (int j = 321; j < 591; ++j) EXPECT_FALSE(tall.Covers(0, j)) << j;
}

}  // namespace
