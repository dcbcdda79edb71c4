// A text area that grows while the script runs: every AddText appends
// marked-up text to a queue, and at the typing pace of that text the node
// turns each character, inline picture and sound into a small child text
// node ("Text000", "Text001", ...), placed left to right in lines that wrap
// at the area's width. A few punctuation marks may hang past the right edge,
// one per line. Once a line starts below the area every later entry is
// dropped until ClearText. The node never shows anything itself.
#pragma once

#include <string>
#include <vector>

#include "text/markup_state.h"
#include "text/text_node.h"

class CDynamicTextNode : public CTextNode {
public:
    CDynamicTextNode(int x, int y, int z, int width, int height);

    CNode* Clone() override;
    // Adds the budget of time and turns queued tokens into entries while
    // the budget lasts; then the scene node's update.
    void Update(int milliseconds) override;
    void UpdateTransform(CTransform2D parent) override;
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override;
    // Requests are ignored: the entries are reached by their names.
    void ReceiveMessage(std::string name) override;
    // AddText and ClearText; anything else goes to the scene node.
    void ApplyCommand(CScriptCommand* command) override;
    void GetSize(int* width, int* height) override;
    void GetLocalRect(RECT* out) override;
    int GetNodeKind() override;
    bool IsVisible(const CTransform2D& parent) override;
    // For every selector while the queue's clock is below the total typing
    // time of the queued tokens.
    bool IsAnimating(AnimatorSelector which) override;
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    bool HitTestSelf(double x, double y, CTransform2D parent) override;
    void DirtyOwnArea(CTransform2D parent, const RECT* clip) override;

    // Appends the text's tokens to the queue. A FONT or TYPE left open stays
    // in force for the next text.
    void AddText(const std::string& text);
    // Removes every entry and restarts the layout and the queue; the font
    // and typing in force are kept.
    void ClearText();

    const MarkupFontState& GetCurrentFont() const { return currentFont_; }
    const MarkupTypeState& GetCurrentType() const { return currentType_; }
    const MarkupFontState& GetCarriedFont() const { return carriedFont_; }
    const MarkupTypeState& GetCarriedType() const { return carriedType_; }
    int GetAreaWidth() const { return areaWidth_; }
    int GetAreaHeight() const { return areaHeight_; }
    bool IsAccepting() const { return accepting_; }
    int GetCursorX() const { return cursorX_; }
    int GetCursorY() const { return cursorY_; }
    int GetLineHeight() const { return lineHeight_; }
    int GetElapsed() const { return elapsed_; }

private:
    CDynamicTextNode(const CDynamicTextNode& other) = default;

    void ProcessToken(const CMarkupToken& token);
    void StartLine();
    void AddCharacters(const std::string& text);
    void AddPicture(const std::string& name);
    void AddSound(const std::string& name);
    // The child with a tag of its own for a picture or sound file.
    void AddFileEntry(const char* tag, const std::string& name);
    void PlaceChild(CTextNode* child, bool hanging);
    bool IsHanging(const std::string& character) const;

    MarkupFontState currentFont_;
    MarkupTypeState currentType_;
    MarkupFontState carriedFont_;
    MarkupTypeState carriedType_;
    std::vector<std::string> hangingSet_;
    int areaWidth_;
    int areaHeight_;
    int defaultLineHeight_ = 16;
    int lineGap_ = 10;
    bool accepting_ = true;
    int cursorX_ = 0;
    int cursorY_ = 0;
    int entryCounter_ = 0;
    int lineHeight_ = 16;
    int overflowCount_ = 0;
    std::size_t nextToken_ = 0;
    int budget_ = 0;
    int elapsed_ = 0;
};
