// Turns a node's marked-up text into its token list. The parser keeps the
// whole parse state of one text node: the current font and typing states,
// the font-state, type-state and open-tag stacks and the token list. A parse
// only appends and pushes, so several texts parsed one after another (the
// entries of a dynamic text) carry their tokens and open tags over; Release
// empties everything.
//
// The text: "<...>" is a tag; "," and "." are pauses of 500 and 100 ms; "&"
// makes the next character plain; every other byte or Shift-JIS pair is a
// character. No entity names are decoded ("&amp;" shows "amp;"). Errors are
// "Script Error" boxes (2036).
#pragma once

#include <string>
#include <vector>

#include "text/markup_state.h"
#include "text/markup_tokens.h"

class CMarkupParser {
public:
    // The directory against which IMG src, SOUND src and TYPE sound are
    // resolved.
    void SetBaseDirectory(const std::string& directory) { baseDirectory_ = directory; }
    const std::string& GetBaseDirectory() const { return baseDirectory_; }

    // Starts from the initial state (a Type token, then a Font token) and
    // appends the tokens of the text. Tags left open stay open.
    void ParseMarkup(const std::string& text, const MarkupFontState& initialFont,
                     const MarkupTypeState& initialType);
    // Handles one tag; content is what stands between "<" and ">".
    void ParseTag(const std::string& content);
    // Closes the tags opened since the last open tag of this kind (all open
    // tags when none is of this kind), restoring the saved states; nothing
    // when no tag is open.
    void CloseTag(MarkupTagKind kind);
    std::string ResolveMarkupPath(const std::string& value) const;

    // Deletes every token and empties the three stacks.
    void Release();

    MarkupTokenList& GetTokens() { return tokens_; }
    const MarkupTokenList& GetTokens() const { return tokens_; }
    MarkupFontState& GetFontState() { return font_; }
    MarkupTypeState& GetTypeState() { return type_; }
    const std::vector<MarkupFontState>& GetFontStack() const { return fontStack_; }
    const std::vector<MarkupTypeState>& GetTypeStack() const { return typeStack_; }
    const std::vector<MarkupTagKind>& GetOpenTags() const { return openTags_; }

private:
    // Saves the font state and opens the tag.
    void PushFont(MarkupTagKind kind);
    void AppendFontToken();
    void AppendTypeToken();

    std::string baseDirectory_;
    MarkupFontState font_;
    MarkupTypeState type_;
    std::vector<MarkupFontState> fontStack_;
    std::vector<MarkupTypeState> typeStack_;
    std::vector<MarkupTagKind> openTags_;
    MarkupTokenList tokens_;
};
