// The GDI fonts the font objects draw and measure with, kept across calls.
// Text is drawn one glyph at a time, and a glyph with a rim and a shadow
// alone draws ten times in two sizes: making and deleting a GDI font for
// every call cost more than the drawing. Fonts are kept by every argument
// CreateFontA takes, so a kept font is the very font a new call would make.
// The cache is bounded: past its size the font used longest ago is deleted.
// Main thread only, like all text drawing.
#pragma once

#include <windows.h>

#include <list>
#include <string>

#include "text/gdi_font.h"

// The CreateFontA arguments that vary between fonts; the others are fixed
// (Shift-JIS, TrueType precision, fixed pitch, modern family).
struct GdiFontKey {
    int height;
    int weight;
    bool italic;
    bool underline;
    bool strikeOut;
    int quality;
    std::string face;

    bool operator==(const GdiFontKey& other) const;
};

class CGdiFontCache {
public:
    explicit CGdiFontCache(std::size_t capacity);
    CGdiFontCache(const CGdiFontCache&) = delete;
    CGdiFontCache& operator=(const CGdiFontCache&) = delete;

    // The font for the arguments, made on first use; null when GDI cannot
    // make it (then nothing is kept). The font stays owned by the cache:
    // callers select it for the length of one call and select it back out.
    HFONT Get(const GdiFontKey& key);
    std::size_t Size() const { return fonts_.size(); }

    // A memory DC compatible with the screen, kept for measuring.
    HDC MeasuringDC() const { return measuringDC_.Get(); }

private:
    struct Entry {
        Entry(GdiFontKey key, HFONT font) : key(std::move(key)), font(font) {}
        GdiFontKey key;
        CGdiFont font;
    };

    std::size_t capacity_;
    // Most recently used first.
    std::list<Entry> fonts_;
    CScreenCompatibleDC measuringDC_;
};

// The program's one cache (capacity 16: the faces, sizes and styles of a
// screen of text with its rim, shadow and ruby readings).
CGdiFontCache& GdiFontCache();
