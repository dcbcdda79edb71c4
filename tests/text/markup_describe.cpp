#include "markup_describe.h"

#include <cstdio>

std::string DescribeFont(const MarkupFontState& s) {
    char line[256];
    std::snprintf(line, sizeof line, "Font size %d color %08X shadow %08X rim %08X face '%s' b%d i%d s%d u%d", s.size,
                  s.color, s.shadowColor, s.rimColor, s.face.c_str(), s.bold, s.italic, s.strikeOut, s.underline);
    return line;
}

std::string DescribeType(const MarkupTypeState& s) {
    char line[256];
    std::snprintf(line, sizeof line, "Type style %d interval %d speed %d sound '%s'", s.style, s.interval, s.speed,
                  s.sound.c_str());
    return line;
}

namespace {
std::string DescribeRect(const RECT& r) {
    char line[64];
    std::snprintf(line, sizeof line, " [%ld %ld %ld %ld]", r.left, r.top, r.right, r.bottom);
    return line;
}
}  // namespace

std::string DescribeToken(const CMarkupToken& token) {
    switch (token.GetType()) {
        case kMarkupChar: {
            const auto& c = static_cast<const CMarkupCharToken&>(token);
            return "Char '" + c.text + "'" + DescribeRect(c.rect);
        }
        case kMarkupFont:
            return DescribeFont(static_cast<const CMarkupFontToken&>(token).state);
        case kMarkupType:
            return DescribeType(static_cast<const CMarkupTypeToken&>(token).state);
        case kMarkupWait:
            return "Wait " + std::to_string(static_cast<const CMarkupWaitToken&>(token).time);
        case kMarkupBreak:
            return "Break";
        case kMarkupImage: {
            const auto& image = static_cast<const CMarkupImageToken&>(token);
            return "Image '" + image.src + "' text '" + image.text + "'" + DescribeRect(image.rect);
        }
        case kMarkupSound:
            return "Sound '" + static_cast<const CMarkupSoundToken&>(token).src + "'";
        case kMarkupRuby: {
            const auto& ruby = static_cast<const CMarkupRubyToken&>(token);
            return "Ruby '" + ruby.reading + "' child '" + ruby.childName + "'";
        }
        case kMarkupRubyEnd:
            return "RubyEnd";
    }
    return "unknown type " + std::to_string(token.GetType());
}

std::vector<std::string> DescribeTokens(const MarkupTokenList& tokens) {
    std::vector<std::string> lines;
    for (const auto& token : tokens) lines.push_back(DescribeToken(*token));
    return lines;
}
