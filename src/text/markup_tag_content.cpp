#include "text/markup_tag_content.h"

#include "platform/tokenizer.h"
#include "text/markup_errors.h"

namespace {
constexpr int kPlaceCloserWithoutWord = 1512;
constexpr int kPlaceNameNotWord = 1519;
constexpr int kPlaceAttributeNotWord = 1530;
constexpr int kPlaceNoEquals = 1536;
constexpr int kPlaceNoValue = 1542;
}  // namespace

void ParseTagContent(const std::string& content, std::string* name, std::map<std::string, std::string>* attributes) {
    CTokenizer reader(content);
    reader.AddSymbols("+", "-", "=", "/", "#", "");
    std::string text;
    TokenKind kind = reader.NextToken(text);
    if (kind == kTokenSymbol && text == "/") {
        if (reader.NextToken(text) != kTokenWord) MarkupError(kPlaceCloserWithoutWord);
        *name = "/" + text;
    } else if (kind == kTokenWord) {
        *name = text;
    } else {
        MarkupError(kPlaceNameNotWord);
    }
    attributes->clear();
    while ((kind = reader.NextToken(text)) != kTokenEnd) {
        if (kind != kTokenWord) MarkupError(kPlaceAttributeNotWord);
        const std::string attribute = text;
        if (reader.NextToken(text) != kTokenSymbol || text != "=") MarkupError(kPlaceNoEquals);
        kind = reader.NextToken(text);
        if (kind == kTokenEnd || kind == kTokenUnknown) MarkupError(kPlaceNoValue);
        (*attributes)[attribute] = text;
    }
}
