// Fat and Slim: every row (column) stretched about the centre line by its own
// factor; the fixed cosine table they read.
#include <gtest/gtest.h>

#include <cmath>

#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/fat_slim_transitions.h"
#include "transitions/fixed_cosine_table.h"

namespace {

TEST(FixedCosine, HoldsTheWorkedEntriesAndIsBuiltOnce) {
    BuildFixedCosineTable();
    EXPECT_EQ(FixedCosineTable[0], 65536);
    EXPECT_EQ(FixedCosineTable[1], 65531);
    EXPECT_EQ(FixedCosineTable[128], 0);
    EXPECT_EQ(FixedCosineTable[256], -65536);
    EXPECT_EQ(FixedCosineTable[384], 0);
    const int32_t saved = FixedCosineTable[5];
    FixedCosineTable[5] = 12345;
    BuildFixedCosineTable();
    EXPECT_EQ(FixedCosineTable[5], 12345) << "built a second time";
    FixedCosineTable[5] = saved;
}

// The model's own factor for line n of `lines`: 1 ± L/divisor · sin(π n / lines)
// from a table of its own.
double Factor(int n, int lines, int level, double divisor, bool narrows) {
    const int index = ((256 * n) / lines - 128) & 511;
    volatile double c = std::cos(index * (2 * 3.14159265358979323846 / 512)) * 65536;
    const int fixed = int(c);
    volatile double bulge = fixed * (level / divisor) * (1 / 65536.0);
    return narrows ? 1.0 - bulge : 1.0 + bulge;
}

std::unique_ptr<CMemorySurface> BendModel(const CMemorySurface& picture, int level, bool rows,
                                          bool slim) {
    int w = 0, h = 0;
    picture.GetSize(w, h);
    auto expected = MakeStage();
    const int lines = rows ? h : w;
    const int length = rows ? w : h;
    for (int n = 0; n < lines; ++n) {
        const double t = Factor(n, lines, level, slim ? 255.0 : 510.0, slim);
        volatile double sized = length * t;
        volatile double moved = (t - 1.0) * (length / 2);
        const int size = int(sized);
        const int shift = int(moved);
        if (rows) {
            PutScaledPart(*expected, picture, RECT{0, n, w, n + 1}, -shift, n, -shift + size,
                          n + 1);
        } else {
            PutScaledPart(*expected, picture, RECT{n, 0, n + 1, h}, n, -shift, n + 1,
                          -shift + size);
        }
    }
    return expected;
}

class Bends : public testing::Test {
protected:
    std::unique_ptr<CMemorySurface> picture_ = MakeCodedPicture(800, 600);
};

TEST_F(Bends, RowsAndColumnsReachTheirWorkedExtents) {
    using Span = std::pair<int, int>;
    EXPECT_EQ(RowSpan(*RunOnStage(&FatH, *picture_, nullptr, 1), 300), Span(0, 800));
    EXPECT_EQ(RowSpan(*RunOnStage(&FatH, *picture_, nullptr, 255), 300), Span(-200, 999));
    auto fat128 = RunOnStage(&FatH, *picture_, nullptr, 128);
    EXPECT_EQ(RowSpan(*fat128, 150), Span(-70, 870));
    EXPECT_EQ(RowSpan(*fat128, 0), Span(0, 799));
    for (int i = 0; i < 800; ++i) ASSERT_TRUE(Shows(*fat128, i, 0, i, 0)) << i;
    EXPECT_EQ(ColumnSpan(*RunOnStage(&FatV, *picture_, nullptr, 255), 400), Span(-150, 749));
    EXPECT_EQ(ColumnSpan(*RunOnStage(&SlimV, *picture_, nullptr, 255), 400), Span(1, 0));
    auto slim255 = RunOnStage(&SlimH, *picture_, nullptr, 255);
    EXPECT_EQ(RowSpan(*slim255, 300), Span(1, 0));
    for (int i = 0; i < 800; ++i) ASSERT_TRUE(Shows(*slim255, i, 0, i, 0)) << i;
    EXPECT_EQ(RowSpan(*RunOnStage(&SlimH, *picture_, nullptr, 128), 300), Span(200, 597));
}

TEST_F(Bends, EveryKindMatchesItsModel) {
    auto odd = MakeCodedPicture(101, 61);
    for (const CMemorySurface* picture : {picture_.get(), odd.get()}) {
        for (int level : {1, 64, 128, 200, 255}) {
            SCOPED_TRACE(level);
            EXPECT_TRUE(SameStage(*RunOnStage(&FatH, *picture, nullptr, level),
                                  *BendModel(*picture, level, true, false)));
            EXPECT_TRUE(SameStage(*RunOnStage(&FatV, *picture, nullptr, level),
                                  *BendModel(*picture, level, false, false)));
            EXPECT_TRUE(SameStage(*RunOnStage(&SlimH, *picture, nullptr, level),
                                  *BendModel(*picture, level, true, true)));
            EXPECT_TRUE(SameStage(*RunOnStage(&SlimV, *picture, nullptr, level),
                                  *BendModel(*picture, level, false, true)));
        }
    }
}

}  // namespace
