#include "text/markup_parser.h"

#include <map>

#include "platform/paths.h"
#include "platform/sjis.h"
#include "platform/tokenizer.h"
#include "text/markup_errors.h"
#include "text/markup_tag_content.h"
#include "text/markup_values.h"

namespace {

constexpr int kPlaceUnclosedTag = 1135;
constexpr int kPlaceUnknownTag = 1442;
constexpr int kCommaPause = 500;
constexpr int kStopPause = 100;

using Attributes = std::map<std::string, std::string>;

// A tag without attributes: any attribute is the tag's error.
void RequireNoAttributes(const Attributes& attributes, int place) {
    if (!attributes.empty()) MarkupError(place);
}

Color32 ParseColorValue(const std::string& value) {
    CTokenizer reader(value);
    AddColorSymbols(reader);
    return ParseMarkupColor(reader);
}

// The index just past the ">" that ends the tag opened at start, stepping
// over Shift-JIS pairs whole; 0 when there is none.
std::size_t FindTagEnd(const std::string& text, std::size_t start) {
    for (std::size_t i = start + 1; i < text.size(); i += SjisCharacterLength(text, i))
        if (text[i] == '>') return i + 1;
    return 0;
}

// The style tags: each opens with one flag of the font state set.
struct StyleTag {
    const char* name;
    const char* closer;
    MarkupTagKind kind;
    bool MarkupFontState::*flag;
    int openPlace;
    int closePlace;
};
const StyleTag kStyleTags[] = {
    {"B", "/B", kTagBold, &MarkupFontState::bold, 1295, 1309},
    {"I", "/I", kTagItalic, &MarkupFontState::italic, 1316, 1330},
    {"U", "/U", kTagUnderline, &MarkupFontState::underline, 1337, 1351},
    {"S", "/S", kTagStrikeOut, &MarkupFontState::strikeOut, 1358, 1372},
};

}  // namespace

void CMarkupParser::ParseMarkup(const std::string& text, const MarkupFontState& initialFont,
                                const MarkupTypeState& initialType) {
    font_ = initialFont;
    type_ = initialType;
    AppendTypeToken();
    AppendFontToken();
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '<') {
            const std::size_t end = FindTagEnd(text, i);
            if (end == 0) MarkupError(kPlaceUnclosedTag);
            ParseTag(text.substr(i + 1, end - i - 2));
            i = end;
        } else if (c == ',' || c == '.') {
            tokens_.push_back(std::make_unique<CMarkupWaitToken>(c == ',' ? kCommaPause : kStopPause));
            ++i;
        } else {
            if (c == '&') {
                ++i;  // the "&" itself is dropped; at the very end it adds nothing
                if (i == text.size()) break;
            }
            const std::size_t length = SjisCharacterLength(text, i);
            tokens_.push_back(std::make_unique<CMarkupCharToken>(text.substr(i, length)));
            i += length;
        }
    }
}

void CMarkupParser::ParseTag(const std::string& content) {
    std::string name;
    Attributes attributes;
    ParseTagContent(content, &name, &attributes);

    if (name == "WAIT") {
        int time = 0;
        for (const auto& attribute : attributes) {
            if (attribute.first != "time") MarkupError(1210);
            time = ParseMarkupInteger(attribute.second);
        }
        tokens_.push_back(std::make_unique<CMarkupWaitToken>(time));
    } else if (name == "BR") {
        RequireNoAttributes(attributes, 1221);
        tokens_.push_back(std::make_unique<CMarkupBreakToken>());
    } else if (name == "PR") {
        MarkupError(1227);
    } else if (name == "FONT") {
        PushFont(kTagFont);
        for (const auto& attribute : attributes) {
            const std::string& key = attribute.first;
            const std::string& value = attribute.second;
            if (key == "color")
                font_.color = ParseColorValue(value);
            else if (key == "face")
                font_.face = value;
            else if (key == "rim")
                font_.rimColor = ParseColorValue(value);
            else if (key == "shadow")
                font_.shadowColor = ParseColorValue(value);
            else if (key == "size")
                font_.size = ParseFontSize(value);
            else
                MarkupError(1246);
        }
        AppendFontToken();
    } else if (name == "/FONT") {
        RequireNoAttributes(attributes, 1257);
        CloseTag(kTagFont);
    } else if (name == "TYPE") {
        typeStack_.push_back(type_);
        openTags_.push_back(kTagType);
        for (const auto& attribute : attributes) {
            const std::string& key = attribute.first;
            const std::string& value = attribute.second;
            if (key == "interval")
                type_.interval = ParseMarkupInteger(value);
            else if (key == "sound")
                type_.sound = ResolveMarkupPath(value);
            else if (key == "speed")
                type_.speed = ParseMarkupInteger(value);
            else if (key == "style")
                type_.style = ParseTypeStyle(value);
            else
                MarkupError(1277);
        }
        AppendTypeToken();
    } else if (name == "/TYPE") {
        RequireNoAttributes(attributes, 1288);
        CloseTag(kTagType);
    } else if (name == "RUBY") {
        std::string reading;
        for (const auto& attribute : attributes) {
            if (attribute.first != "text") MarkupError(1389);
            reading = attribute.second;
        }
        openTags_.push_back(kTagRuby);
        tokens_.push_back(std::make_unique<CMarkupRubyToken>(reading));
    } else if (name == "/RUBY") {
        RequireNoAttributes(attributes, 1400);
        CloseTag(kTagRuby);
    } else if (name == "IMG" || name == "SOUND") {
        const bool image = name == "IMG";
        std::string path;
        for (const auto& attribute : attributes) {
            if (attribute.first != "src") MarkupError(image ? 1418 : 1436);
            path = ResolveMarkupPath(attribute.second);
        }
        if (image)
            tokens_.push_back(std::make_unique<CMarkupImageToken>(path));
        else
            tokens_.push_back(std::make_unique<CMarkupSoundToken>(path));
    } else {
        for (const StyleTag& tag : kStyleTags) {
            if (name == tag.name) {
                RequireNoAttributes(attributes, tag.openPlace);
                PushFont(tag.kind);
                font_.*tag.flag = true;
                AppendFontToken();
                return;
            }
            if (name == tag.closer) {
                RequireNoAttributes(attributes, tag.closePlace);
                CloseTag(tag.kind);
                return;
            }
        }
        MarkupError(kPlaceUnknownTag);
    }
}

void CMarkupParser::CloseTag(MarkupTagKind kind) {
    while (!openTags_.empty()) {
        const MarkupTagKind top = openTags_.back();
        if (top == kTagType) {
            if (!typeStack_.empty()) {
                type_ = typeStack_.back();
                typeStack_.pop_back();
                AppendTypeToken();
            }
        } else if (top == kTagRuby) {
            tokens_.push_back(std::make_unique<CMarkupRubyEndToken>());
        } else if (!fontStack_.empty()) {
            font_ = fontStack_.back();
            fontStack_.pop_back();
            AppendFontToken();
        }
        openTags_.pop_back();
        if (top == kind) return;
    }
}

std::string CMarkupParser::ResolveMarkupPath(const std::string& value) const {
    return ResolvePath(baseDirectory_, value);
}

void CMarkupParser::Release() {
    tokens_.clear();
    fontStack_.clear();
    typeStack_.clear();
    openTags_.clear();
}

void CMarkupParser::PushFont(MarkupTagKind kind) {
    fontStack_.push_back(font_);
    openTags_.push_back(kind);
}

void CMarkupParser::AppendFontToken() { tokens_.push_back(std::make_unique<CMarkupFontToken>(font_)); }

void CMarkupParser::AppendTypeToken() { tokens_.push_back(std::make_unique<CMarkupTypeToken>(type_)); }
