// The tokens a marked-up text is parsed into: characters, state changes,
// waits, breaks, pictures, sounds and ruby runs, in text order. The layout
// fills in the rectangles, pictures and ruby child names; after that the
// tokens do not change.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/cached_picture.h"
#include "text/markup_state.h"

enum MarkupTokenType : int {
    kMarkupChar = 1,
    kMarkupFont = 2,
    kMarkupType = 3,
    kMarkupWait = 4,
    kMarkupBreak = 5,
    kMarkupImage = 6,
    kMarkupSound = 7,
    kMarkupRuby = 8,
    kMarkupRubyEnd = 9,
};

class CMarkupToken {
public:
    virtual ~CMarkupToken() = default;
    virtual MarkupTokenType GetType() const = 0;
};

// One character: a byte, or a Shift-JIS pair.
class CMarkupCharToken : public CMarkupToken {
public:
    explicit CMarkupCharToken(std::string character) : text(std::move(character)) {}
    MarkupTokenType GetType() const override { return kMarkupChar; }

    std::string text;
    RECT rect = {0, 0, 0, 0};  // in the node's own pixels, set by the layout
};

class CMarkupFontToken : public CMarkupToken {
public:
    explicit CMarkupFontToken(MarkupFontState fontState) : state(std::move(fontState)) {}
    MarkupTokenType GetType() const override { return kMarkupFont; }

    MarkupFontState state;
};

class CMarkupTypeToken : public CMarkupToken {
public:
    explicit CMarkupTypeToken(MarkupTypeState typeState) : state(std::move(typeState)) {}
    MarkupTokenType GetType() const override { return kMarkupType; }

    MarkupTypeState state;
};

class CMarkupWaitToken : public CMarkupToken {
public:
    explicit CMarkupWaitToken(int milliseconds) : time(milliseconds) {}
    MarkupTokenType GetType() const override { return kMarkupWait; }

    int time;  // ms of typing time
};

class CMarkupBreakToken : public CMarkupToken {
public:
    MarkupTokenType GetType() const override { return kMarkupBreak; }
};

// An inline picture: a character without text whose picture the layout
// takes from the resource cache, so that a picture shown many times is
// decoded and kept once.
class CMarkupImageToken : public CMarkupCharToken {
public:
    explicit CMarkupImageToken(std::string path) : CMarkupCharToken(std::string()), src(std::move(path)) {}
    MarkupTokenType GetType() const override { return kMarkupImage; }

    std::string src;  // resolved path
    CCachedPicture picture;  // null when it could not be loaded
};

class CMarkupSoundToken : public CMarkupToken {
public:
    explicit CMarkupSoundToken(std::string path) : src(std::move(path)) {}
    MarkupTokenType GetType() const override { return kMarkupSound; }

    std::string src;  // resolved path
};

// The start of a ruby run: the reading shown above the characters up to
// the matching RubyEnd.
class CMarkupRubyToken : public CMarkupToken {
public:
    explicit CMarkupRubyToken(std::string rubyReading) : reading(std::move(rubyReading)) {}
    MarkupTokenType GetType() const override { return kMarkupRuby; }

    std::string reading;
    std::string childName;  // "RUBY0000" and on, set by the layout
};

class CMarkupRubyEndToken : public CMarkupToken {
public:
    MarkupTokenType GetType() const override { return kMarkupRubyEnd; }
};

using MarkupTokenList = std::vector<std::unique_ptr<CMarkupToken>>;
