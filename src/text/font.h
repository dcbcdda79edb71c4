// The one GDI text object of the game: a piece of Shift-JIS text and the
// attributes to draw it with. Draw and Measure take their GDI font from the
// program's font cache (font_cache.h), by the attributes and the height.
#pragma once

#include <windows.h>

#include <string>

class CFont {
public:
    // Background colour meaning "transparent": no background is painted.
    static constexpr COLORREF kTransparentBackground = 0xFFFFFFFFu;

    CFont();

    // Quality codes 0 default, 1 draft, 2 proof, 3 anti-aliased, 4 not
    // anti-aliased; any other code is an "Internal Error" (1008 - 43).
    void SetQuality(int code);
    // Sets the cell height and the line pitch alike.
    void SetSize(int size);
    void SetColor(COLORREF color) { color_ = color; }
    void SetBackgroundColor(COLORREF color) { backgroundColor_ = color; }
    void SetWeight(int weight) { weight_ = weight; }
    void SetItalic(bool italic) { italic_ = italic; }
    void SetUnderline(bool underline) { underline_ = underline; }
    void SetStrikeOut(bool strikeOut) { strikeOut_ = strikeOut; }
    // "G" stands for the Gothic face and "M" for the Mincho face; any other
    // name is kept as given.
    void SetFace(const std::string& name);
    // Lines are separated by LF; a CR stays part of its line.
    void SetText(const std::string& text) { text_ = text; }

    const std::string& GetText() const { return text_; }
    int GetQuality() const { return quality_; }
    COLORREF GetColor() const { return color_; }
    COLORREF GetBackgroundColor() const { return backgroundColor_; }
    int GetHeight() const { return height_; }
    const std::string& GetFace() const { return face_; }
    int GetLinePitch() const { return linePitch_; }
    int GetWeight() const { return weight_; }
    bool IsItalic() const { return italic_; }
    bool IsUnderline() const { return underline_; }
    bool IsStrikeOut() const { return strikeOut_; }

    // Draws the text with its top-left corner at (x, y), one line per line
    // pitch, the empty last line after a final LF included. Nothing happens
    // for an empty text or when the font cannot be made.
    void Draw(HDC dc, int x, int y) const;
    // The extent of the text, measured at twice the height and halved:
    // 0 with the extent written; 1 for an empty text (outputs untouched) or
    // when the font cannot be made (outputs 0).
    int Measure(int* width, int* height) const;

private:
    std::string text_;
    int quality_;
    COLORREF color_;
    COLORREF backgroundColor_;
    int height_;
    std::string face_;
    int linePitch_;
    int weight_;
    bool italic_;
    bool underline_;
    bool strikeOut_;
};
