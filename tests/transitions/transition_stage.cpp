#include "transition_stage.h"

#include <cstdlib>
#include <sstream>

#include "graphics/blend_blits.h"
#include "transition_harness.h"

std::unique_ptr<CMemorySurface> MakeStage() {
    return MakeSurface(kStageWidth, kStageHeight, kSentinel);
}

void PutCoded(CMemorySurface& stage, int i, int j, int si, int sj) {
    const int x = kStageX + i;
    const int y = kStageY + j;
    if (x < 0 || y < 0 || x >= kStageWidth || y >= kStageHeight) return;
    stage.GetPixels()[y * kStageWidth + x] = CodedPixel(si, sj);
}

void PutCodedPart(CMemorySurface& stage, const RECT& part, int i, int j) {
    for (int sj = part.top; sj < part.bottom; ++sj)
        for (int si = part.left; si < part.right; ++si)
            PutCoded(stage, i + si - part.left, j + sj - part.top, si, sj);
}

void DrawOnStage(TransitionRoutine routine, CMemorySurface& stage, const CMemorySurface& picture,
                 const RECT* clip, int level) {
    routine(&stage, &picture, kStageX, kStageY, nullptr, clip, level, 100, 0);
}

std::unique_ptr<CMemorySurface> RunOnStage(TransitionRoutine routine, const CMemorySurface& picture,
                                           const RECT* clip, int level) {
    auto stage = MakeStage();
    DrawOnStage(routine, *stage, picture, clip, level);
    return stage;
}

std::vector<int> CountStageDraws(TransitionRoutine routine, int width, int height, int level,
                                 unsigned seed) {
    auto stage = MakeSurface(kStageWidth, kStageHeight, 0);
    auto picture = MakeSurface(width, height, 0x00010101);
    srand(seed);
    routine(stage.get(), picture.get(), kStageX, kStageY, nullptr, nullptr, level, 200, 0);
    std::vector<int> counts(static_cast<size_t>(kStageWidth) * kStageHeight);
    for (size_t n = 0; n < counts.size(); ++n) counts[n] = stage->GetPixels()[n] & 0xFF;
    return counts;
}

testing::AssertionResult SameStage(const CMemorySurface& actual, const CMemorySurface& expected) {
    const Color32* a = actual.GetPixels();
    const Color32* e = expected.GetPixels();
    int differing = 0;
    std::ostringstream first;
    for (int n = 0; n < kStageWidth * kStageHeight; ++n) {
        if (a[n] == e[n]) continue;
        if (differing++ < 5) {
            first << " picture (" << n % kStageWidth - kStageX << ", " << n / kStageWidth - kStageY
                  << ") is " << std::hex << a[n] << " not " << e[n] << std::dec << ";";
        }
    }
    if (differing == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ:" << first.str();
}

void PutScaledPart(CMemorySurface& stage, const CMemorySurface& picture, const RECT& part,
                   double left, double top, double right, double bottom) {
    const double rect[4] = {left + kStageX, top + kStageY, right + kStageX, bottom + kStageY};
    BlitScaledNormal(stage, picture, &part, rect, nullptr);
}

std::pair<int, int> RowSpan(const CMemorySurface& stage, int j) {
    std::pair<int, int> span = {1, 0};
    bool any = false;
    for (int x = 0; x < kStageWidth; ++x) {
        if (stage.GetPixel(x, kStageY + j) == kSentinel) continue;
        if (!any) span.first = x - kStageX;
        span.second = x - kStageX;
        any = true;
    }
    return span;
}

std::pair<int, int> ColumnSpan(const CMemorySurface& stage, int i) {
    std::pair<int, int> span = {1, 0};
    bool any = false;
    for (int y = 0; y < kStageHeight; ++y) {
        if (stage.GetPixel(kStageX + i, y) == kSentinel) continue;
        if (!any) span.first = y - kStageY;
        span.second = y - kStageY;
        any = true;
    }
    return span;
}
