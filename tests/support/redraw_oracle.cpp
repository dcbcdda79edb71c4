#include "support/redraw_oracle.h"

#include <cstdio>

#include "graphics/memory_surface.h"
#include "scene/node.h"
#include "support/tree_dump.h"

testing::AssertionResult MatchesFullRedraw(CNode& root, const CMemorySurface& incremental) {
    int width = 0;
    int height = 0;
    incremental.GetSize(width, height);
    CMemorySurface full;
    if (full.Create(width, height) != 0) return testing::AssertionFailure() << "no surface";
    root.Draw(full, CTransform2D(0, 0, 1, 1, 1, 0), nullptr);
    const Color32* expected = full.GetPixels();
    const Color32* actual = incremental.GetPixels();
    int wrong = 0;
    char first[96] = "";
    for (int i = 0; i < width * height; ++i) {
        if (expected[i] != actual[i] && wrong++ == 0) {
            snprintf(first, sizeof first, "(%d, %d) is %08x, not %08x", i % width, i / width,
                     static_cast<unsigned>(actual[i]), static_cast<unsigned>(expected[i]));
        }
    }
    if (wrong == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << wrong << " pixels differ from a full redraw, first "
                                       << first << "\n" << DumpTree(root);
}
