#include "text/font.h"

#include "platform/error_report.h"
#include "text/font_cache.h"
#include "text/font_faces.h"
#include "text/gdi_font.h"

namespace {

// Where an unknown quality code is reported.
constexpr int kPlaceUnknownQuality = 43;

// The GDI font of the object's attributes at the height, kept by the
// program's font cache.
HFONT FontOf(const CFont& font, int height) {
    return GdiFontCache().Get({height, font.GetWeight(), font.IsItalic(), font.IsUnderline(), font.IsStrikeOut(),
                               font.GetQuality(), font.GetFace()});
}

// Calls visit(start, length, isLast) for each LF-separated line of text, the
// piece after the last LF (possibly empty) included.
template <typename Visit>
void ForEachLine(const std::string& text, Visit visit) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            visit(text.data() + start, static_cast<int>(text.size() - start), true);
            return;
        }
        visit(text.data() + start, static_cast<int>(end - start), false);
        start = end + 1;
    }
}

}  // namespace

CFont::CFont()
    : quality_(DEFAULT_QUALITY),
      color_(0xFFFFFF),
      backgroundColor_(kTransparentBackground),
      height_(16),
      linePitch_(20),
      weight_(300),
      italic_(false),
      underline_(false),
      strikeOut_(false) {
    SetFace("G");
}

void CFont::SetQuality(int code) {
    static const int kGdiQuality[] = {DEFAULT_QUALITY, DRAFT_QUALITY, PROOF_QUALITY,
                                      ANTIALIASED_QUALITY, NONANTIALIASED_QUALITY};
    if (code < 0 || code > 4) ErrorReport(ErrorKind::Internal, kModuleFont, kPlaceUnknownQuality);
    quality_ = kGdiQuality[code];
}

void CFont::SetSize(int size) {
    height_ = size;
    linePitch_ = size;
}

void CFont::SetFace(const std::string& name) {
    if (name == "G")
        face_ = kGothicFaceName;
    else if (name == "M")
        face_ = kMinchoFaceName;
    else
        face_ = name;
}

void CFont::Draw(HDC dc, int x, int y) const {
    if (text_.empty()) return;
    const HFONT font = FontOf(*this, height_);
    if (!font) return;
    const CGdiSelection selection(dc, font);
    if (backgroundColor_ != kTransparentBackground) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, backgroundColor_);
    } else {
        SetBkMode(dc, TRANSPARENT);
    }
    SetTextColor(dc, color_);
    int lineY = y;
    ForEachLine(text_, [&](const char* line, int length, bool) {
        TextOutA(dc, x, lineY, line, length);
        lineY += linePitch_;
    });
}

int CFont::Measure(int* width, int* height) const {
    if (text_.empty()) return 1;
    *width = 0;
    *height = 0;
    const HFONT font = FontOf(*this, height_ * 2);
    if (!font) return 1;
    const HDC dc = GdiFontCache().MeasuringDC();
    const CGdiSelection selection(dc, font);
    ForEachLine(text_, [&](const char* line, int length, bool isLast) {
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(dc, line, length, &extent);
        int lineWidth = extent.cx / 2;
        if (italic_) lineWidth += height_ / 4;
        if (lineWidth > *width) *width = lineWidth;
        *height += isLast ? extent.cy / 2 : linePitch_;
    });
    return 0;
}
