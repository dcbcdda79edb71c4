#include "text/balloon/soft_ellipse.h"

void FillSoftEllipse(CMemorySurface& picture, Color32 colour, double reach, int power) {
    if (reach == 0) return;
    int width, height;
    picture.GetSize(width, height);
    const int a = width / 2, b = height / 2;
    if (a == 0 || b == 0) return;
    const float inverse = static_cast<float>(1 / reach);
    const Color32 rgb = colour & 0x00FFFFFF;
    const int alpha = static_cast<int>(colour >> 24);
    Color32* pixels = picture.GetPixels();
    for (int y = 0; y < height; ++y) {
        const int dy = y - b;
        const int row = static_cast<int>((510 * dy * dy / (b * b)) * inverse);
        for (int x = 0; x < width; ++x) {
            const int dx = x - a;
            const int column = static_cast<int>((510 * dx * dx / (a * a)) * -inverse);
            int v = (row - column) / 2;
            Color32 out = rgb;
            if (v <= 255) {
                for (int i = 0; i < power; ++i) v = v * v / 255;
                v = 255 - v;
                for (int i = 0; i < power; ++i) v = v * v / 255;
                out |= static_cast<Color32>(v * alpha / 255) << 24;
            }
            pixels[y * width + x] = out;
        }
    }
}
