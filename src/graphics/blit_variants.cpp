#include "graphics/blit_variants.h"

#include "graphics/blit_clip.h"
#include "platform/cpu_info.h"
#include "platform/simd_flags.h"

namespace {

template <class Loop>
Loop ChoosePath(const BlitPaths& paths, Loop BlitVariants::*variant) {
    if (paths.sse && paths.sse->*variant && HasSSE() && GetUseSSEFlag()) return paths.sse->*variant;
    if (HasMMX() && GetUseMMXFlag()) return paths.mmx.*variant;
    return paths.plain.*variant;
}

}  // namespace

void RunBlit(const BlitPaths& paths, BlitLoop BlitVariants::*variant, CMemorySurface& dest, int x,
             int y, const CMemorySurface& src, const RECT* sourceRect, int opacity,
             const RECT* clip) {
    RECT destOut;
    RECT sourceOut;
    BlitRows rows;
    if (!ClipBlitRects(dest, x, y, src, sourceRect, clip, &destOut, &sourceOut, &rows.source,
                       &rows.dest, &rows.sourceSkip, &rows.destSkip)) {
        return;
    }
    rows.width = destOut.right - destOut.left;
    rows.height = destOut.bottom - destOut.top;
    rows.opacity = opacity;
    ChoosePath(paths, variant)(rows);
}

void RunScaledBlit(const BlitPaths& paths, ScaledBlitLoop BlitVariants::*variant,
                   CMemorySurface& dest, const CMemorySurface& src, const RECT* sourceRect,
                   const double* destRect, int opacity, const RECT* clip) {
    RECT destOut;
    RECT sourceOut;
    ScaledBlitRows rows;
    if (!ClipScaledBlitRects(dest, src, sourceRect, destRect, clip, &destOut, &sourceOut, &rows.uStep,
                             &rows.vStep, &rows.uStart, &rows.vStart)) {
        return;
    }
    const int destWidth = dest.GetBounds()->right;
    rows.width = destOut.right - destOut.left;
    rows.height = destOut.bottom - destOut.top;
    rows.dest = dest.GetPixels() + destOut.top * destWidth + destOut.left;
    rows.destSkip = destWidth - rows.width;
    rows.source = src.GetPixels();
    rows.sourceWidth = src.GetBounds()->right;
    rows.sourceLeft = sourceOut.left;
    rows.opacity = opacity;
    ChoosePath(paths, variant)(rows);
}
