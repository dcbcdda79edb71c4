#include "text/measure_string.h"

#include "platform/sjis.h"
#include "text/markup_errors.h"

namespace {
constexpr int kPlaceLoneLeadByte = 1801;
}  // namespace

void MeasureString(CFont* font, const std::string& text, int* width, int* height) {
    *width = 0;
    *height = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = SjisCharacterLength(text, i);
        if (length == 1 && IsSjisLeadByte(static_cast<unsigned char>(text[i]))) LayoutError(kPlaceLoneLeadByte);
        font->SetText(text.substr(i, length));
        int characterWidth = 0;
        int characterHeight = 0;
        font->Measure(&characterWidth, &characterHeight);
        *width += characterWidth;
        if (characterHeight > *height) *height = characterHeight;
        i += length;
    }
}
