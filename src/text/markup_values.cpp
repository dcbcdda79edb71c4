#include "text/markup_values.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include "text/markup_errors.h"
#include "text/type_style.h"

namespace {

constexpr int kPlaceComponentMissing = 1554;
constexpr int kPlaceComponentNotNumber = 1557;
constexpr int kPlaceBadHexColor = 1681;
constexpr int kPlaceUnknownColor = 1725;
constexpr int kPlaceUnknownStyle = 1757;
constexpr int kPlaceIntegerIsZero = 1770;
constexpr int kPlaceFontSizeOffScreen = 1771;

// The tallest glyph the 600-pixel screen can show; the layout measures at
// twice and the smoothed rendering draws at four times this size.
constexpr int kLargestFontSize = 600;

// The places of the RGB and RGBA forms.
struct ColorForm {
    const char* name;
    int componentCount;
    int noOpening;
    int notClosed;
    int outOfRange[4];
};
const ColorForm kRgb = {"RGB", 3, 1687, 1693, {1695, 1696, 1697, 0}};
const ColorForm kRgba = {"RGBA", 4, 1705, 1713, {1715, 1716, 1717, 1718}};

const struct {
    const char* name;
    Color32 color;
} kNamedColors[] = {
    {"clear", 0x00000000},  {"black", 0xFF000000},  {"gray", 0xFF808080},    {"silver", 0xFFC0C0C0},
    {"white", 0xFFFFFFFF},  {"red", 0xFFFF0000},    {"lime", 0xFF00FF00},    {"blue", 0xFF0000FF},
    {"yellow", 0xFFFFFF00}, {"aqua", 0xFF00FFFF},   {"fuchsia", 0xFFFF00FF}, {"maroon", 0xFF800000},
    {"green", 0xFF008000},  {"navy", 0xFF000080},   {"olive", 0xFF808000},   {"teal", 0xFF008080},
    {"purple", 0xFF800080},
};

// Compared in this order; the codes are the TypeStyle values.
const struct {
    const char* name;
    int style;
} kStyleNames[] = {
    {"Normal", kTypeNormal},   {"Jump", kTypeJump},         {"Bang", kTypeBang},       {"Spit", kTypeSpit},
    {"Shutter", kTypeShutter}, {"Fade", kTypeFade},         {"Flicker", kTypeFlicker}, {"Stretch", kTypeStretch},
    {"OffCenter", kTypeOffCenter}, {"Rise", kTypeRise},     {"Wave", kTypeWave},       {"Spring", kTypeSpring},
    {"Splash", kTypeSplash},
};

// Leading blanks, a sign and the leading digits, as strtol reads them, the
// result clamped to the int range.
int ReadLeadingInt(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The hex digits right after "#": three or four digits each fill the high
// four bits of their byte (R G B [A]), six or eight give whole bytes
// (RRGGBB [AA]); the alpha, written last, becomes the top byte.
Color32 ReadHexColor(CTokenizer& reader) {
    const char* cursor = reader.Cursor();
    int count = 0;
    while (count < 8 && count < reader.BytesLeft() && HexDigitValue(cursor[count]) >= 0) ++count;
    const std::string digits = reader.ReadRaw(count);
    Color32 channels[4] = {0, 0, 0, 0xFF};  // R, G, B, A
    switch (count) {
        case 3:
        case 4:
            for (int i = 0; i < count; ++i) channels[i] = static_cast<Color32>(HexDigitValue(digits[i])) << 4;
            break;
        case 6:
        case 8:
            for (int i = 0; i < count / 2; ++i)
                channels[i] = static_cast<Color32>(HexDigitValue(digits[2 * i]) << 4 | HexDigitValue(digits[2 * i + 1]));
            break;
        default:
            MarkupError(kPlaceBadHexColor);
    }
    return channels[3] << 24 | channels[0] << 16 | channels[1] << 8 | channels[2];
}

bool NextIsSymbol(CTokenizer& reader, const char* symbol) {
    std::string text;
    return reader.NextToken(text) == kTokenSymbol && text == symbol;
}

// "(" and the components separated by ",", then ")": a missing "(" is the
// form's opening place, any other separator or a missing ")" its closing
// place; the ranges are checked once the form is closed.
Color32 ReadComponentColor(CTokenizer& reader, const ColorForm& form) {
    if (!NextIsSymbol(reader, "(")) MarkupError(form.noOpening);
    int components[4] = {0, 0, 0, 255};  // R, G, B, A
    for (int i = 0; i < form.componentCount; ++i) {
        if (i > 0 && !NextIsSymbol(reader, ",")) MarkupError(form.notClosed);
        components[i] = ReadColorComponent(reader);
    }
    if (!NextIsSymbol(reader, ")")) MarkupError(form.notClosed);
    for (int i = 0; i < form.componentCount; ++i)
        if (components[i] < 0 || components[i] > 255) MarkupError(form.outOfRange[i]);
    return static_cast<Color32>(components[3]) << 24 | static_cast<Color32>(components[0]) << 16 |
           static_cast<Color32>(components[1]) << 8 | static_cast<Color32>(components[2]);
}

}  // namespace

int ParseMarkupInteger(const std::string& value) {
    if (value == "0") return 0;
    const int result = ReadLeadingInt(value);
    if (result == 0) MarkupError(kPlaceIntegerIsZero);
    return result;
}

int ParseFontSize(const std::string& value) {
    const int size = ParseMarkupInteger(value);
    if (size > kLargestFontSize || size < -kLargestFontSize) MarkupError(kPlaceFontSizeOffScreen);
    return size;
}

void AddColorSymbols(CTokenizer& reader) { reader.AddSymbols("#", "(", ")", ",", ""); }

Color32 ParseMarkupColor(CTokenizer& reader) {
    std::string first;
    const TokenKind kind = reader.NextToken(first);
    if (kind == kTokenSymbol && first == "#") return ReadHexColor(reader);
    if (kind == kTokenWord) {
        for (const auto& named : kNamedColors)
            if (first == named.name) return named.color;
        if (first == kRgb.name) return ReadComponentColor(reader, kRgb);
        if (first == kRgba.name) return ReadComponentColor(reader, kRgba);
    }
    MarkupError(kPlaceUnknownColor);
}

int ReadColorComponent(CTokenizer& reader) {
    std::string text;
    const TokenKind kind = reader.NextToken(text);
    if (kind == kTokenEnd || kind == kTokenUnknown) MarkupError(kPlaceComponentMissing);
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) MarkupError(kPlaceComponentNotNumber);
    return ReadLeadingInt(text);
}

int ParseTypeStyle(const std::string& name) {
    for (const auto& style : kStyleNames)
        if (name == style.name) return style.style;
    MarkupError(kPlaceUnknownStyle);
}
