#include "support/display_screen.h"

#include <cstdint>
#include <cstdio>
#include <utility>

#include "platform/file_handles.h"

namespace {

// The XWD header's words, each stored most significant byte first.
enum HeaderWord {
    kHeaderSize,
    kFileVersion,
    kPixmapFormat,
    kPixmapDepth,
    kPixmapWidth,
    kPixmapHeight,
    kXOffset,
    kByteOrder,
    kBitmapUnit,
    kBitmapBitOrder,
    kBitmapPad,
    kBitsPerPixel,
    kBytesPerLine,
    kVisualClass,
    kRedMask,
    kGreenMask,
    kBlueMask,
    kBitsPerRgb,
    kColormapEntries,
    kColorCount,
    kHeaderWords = 25,
};

constexpr uint32_t kXwdVersion = 7;
constexpr uint32_t kZPixmap = 2;
constexpr uint32_t kLsbFirst = 0;
constexpr uint32_t kColorEntryBytes = 12;

struct Frame {
    uint32_t width;
    uint32_t height;
    uint32_t bytesPerLine;
    long pixelsAt;
};

// The frame's layout when it holds 32-bit little-endian 0x00RRGGBB pixels,
// the only kind the session's 24-bit screen has.
bool ReadFrame(FILE* file, Frame* frame) {
    uint8_t bytes[kHeaderWords * 4];
    if (std::fread(bytes, sizeof bytes, 1, file) != 1) return false;
    uint32_t word[kHeaderWords];
    for (int i = 0; i < kHeaderWords; ++i) {
        const uint8_t* b = bytes + i * 4;
        word[i] = (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
    }
    if (word[kFileVersion] != kXwdVersion || word[kPixmapFormat] != kZPixmap || word[kBitsPerPixel] != 32 ||
        word[kByteOrder] != kLsbFirst || word[kRedMask] != 0xFF0000 || word[kGreenMask] != 0xFF00 ||
        word[kBlueMask] != 0xFF) {
        return false;
    }
    frame->width = word[kPixmapWidth];
    frame->height = word[kPixmapHeight];
    frame->bytesPerLine = word[kBytesPerLine];
    frame->pixelsAt = static_cast<long>(word[kHeaderSize] + word[kColorCount] * kColorEntryBytes);
    return true;
}

// One read of the rectangle from the frame buffer file.
std::vector<Color32> ReadOnce(const RECT& area) {
    const StdioFile file(std::fopen(MIRL_DISPLAY_SCREEN_FILE, "rb"));
    Frame frame;
    if (!file || !ReadFrame(file.get(), &frame)) return {};
    if (area.left < 0 || area.top < 0 || area.right <= area.left || area.bottom <= area.top ||
        static_cast<uint32_t>(area.right) > frame.width || static_cast<uint32_t>(area.bottom) > frame.height) {
        return {};
    }
    const size_t width = static_cast<size_t>(area.right - area.left);
    const size_t height = static_cast<size_t>(area.bottom - area.top);
    // The rows from the area's first to its last, read at once.
    std::vector<uint8_t> rows((height - 1) * frame.bytesPerLine + width * 4);
    const long first = frame.pixelsAt + static_cast<long>(area.top) * static_cast<long>(frame.bytesPerLine) +
                       static_cast<long>(area.left) * 4;
    if (std::fseek(file.get(), first, SEEK_SET) != 0 ||
        std::fread(rows.data(), rows.size(), 1, file.get()) != 1) {
        return {};
    }
    std::vector<Color32> pixels(width * height);
    for (size_t y = 0; y < height; ++y) {
        const uint8_t* row = rows.data() + y * frame.bytesPerLine;
        for (size_t x = 0; x < width; ++x) {
            const uint8_t* p = row + x * 4;
            pixels[y * width + x] = (Color32{p[2]} << 16) | (Color32{p[1]} << 8) | p[0];
        }
    }
    return pixels;
}

}  // namespace

std::vector<Color32> ReadDisplayScreen(const RECT& area) {
    // The X server goes on writing the frame buffer while the file is read,
    // so one read can hold part of one picture and part of the next, a mix
    // that was never on the screen; a picture read twice alike was there
    // whole. A screen that changes at every read gives its last read.
    constexpr int kReads = 8;
    std::vector<Color32> last = ReadOnce(area);
    for (int read = 1; read < kReads && !last.empty(); ++read) {
        std::vector<Color32> again = ReadOnce(area);
        if (again == last) break;
        last = std::move(again);
    }
    return last;
}
