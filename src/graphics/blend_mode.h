// The six blend modes, and the codes that name a blit or a fill by mode and
// weighting: DrawCode = mode x 100 + variant, FillCode = 1000 + mode x 100 +
// (1 when the colour is weighted by its own alpha byte).
#pragma once

enum BlendMode : int {
    kBlendNormal = 1,
    kBlendAdd = 2,
    kBlendSub = 3,
    kBlendMultiply = 4,
    kBlendScreen = 5,
    kBlendOverlay = 6,
};

enum DrawVariant : int {
    kDrawOpaque = 0,
    kDrawSourceAlpha = 1,
    kDrawOpacity = 2,
    kDrawSourceAlphaOpacity = 3,
};

constexpr int MakeDrawCode(BlendMode mode, DrawVariant variant) { return mode * 100 + variant; }

constexpr int MakeFillCode(BlendMode mode, bool weightedByAlpha) {
    return 1000 + mode * 100 + (weightedByAlpha ? 1 : 0);
}
