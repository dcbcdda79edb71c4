// The readers of statement arguments and the list that runs them.
#include <string_view>

#include "platform/paths.h"
#include "platform/tokenizer.h"
#include "script/decimal_value.h"
#include "script/expression_evaluator.h"
#include "script/script_compiler.h"

namespace {

[[noreturn]] void SyntaxError() { throw CScriptSyntaxError{}; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// What a number reader takes: a token beginning with a digit, or a sign.
bool StartsNumber(const std::string& token) {
    return (!token.empty() && IsDigit(token[0])) || token == "-" || token == "+";
}

std::string PeekText(CTokenizer& tokenizer) {
    std::string text;
    tokenizer.PeekToken(text);
    return text;
}

struct NamedColour {
    const char* name;
    Color32 colour;
};

constexpr NamedColour kNamedColours[] = {
    {"clear", 0x00000000u},  {"black", 0xFF000000u}, {"gray", 0xFF808080u},
    {"silver", 0xFFC0C0C0u}, {"white", 0xFFFFFFFFu}, {"red", 0xFFFF0000u},
    {"lime", 0xFF00FF00u},   {"blue", 0xFF0000FFu},  {"yellow", 0xFFFFFF00u},
    {"aqua", 0xFF00FFFFu},   {"fuchsia", 0xFFFF00FFu}, {"maroon", 0xFF800000u},
    {"green", 0xFF008000u},  {"navy", 0xFF000080u},  {"olive", 0xFF808000u},
    {"teal", 0xFF008080u},   {"purple", 0xFF800080u},
};

// The placement words in PlacementKeyword order.
using PlacementWords = const char* const[7];
constexpr PlacementWords kHorizontalWords = {"out_left", "in_left",  "center",  "in_right",
                                             "out_right", "on_left", "on_right"};
constexpr PlacementWords kVerticalWords = {"out_top",    "in_top", "middle",   "in_bottom",
                                           "out_bottom", "on_top", "on_bottom"};

// After the number of a placement: "px" gives the pixel mode, "%" the
// percent mode that follows it; anything else is left and gives pixels.
int32_t ReadPlacementUnit(CTokenizer& tokenizer, PlacementMode pixels) {
    const std::string unit = PeekText(tokenizer);
    if (unit == "px") {
        tokenizer.SkipToken();
    } else if (unit == "%") {
        tokenizer.SkipToken();
        return pixels + 1;
    }
    return pixels;
}

void ParsePlacement(CScriptCompiler& compiler, CTokenizer& tokenizer, int32_t& mode,
                    int32_t& value, PlacementWords& words, bool intactKeepsValue) {
    std::string next = PeekText(tokenizer);
    PlacementMode pixels = kPlacementPixels;
    if (next == "@" || next == "#") {
        tokenizer.SkipToken();
        pixels = next == "@" ? kPlacementRelativePixels : kPlacementCentredPixels;
        if (next == "#") {
            next = PeekText(tokenizer);
            if (next == "@") {
                tokenizer.SkipToken();
                pixels = kPlacementRelativeCentredPixels;
            } else if (!StartsNumber(next)) {
                return;  // "#" alone stores nothing
            }
        }
    } else if (!StartsNumber(next)) {
        std::string word;
        tokenizer.NextToken(word);
        mode = kPlacementKeyword;
        if (word == "intact") {
            mode = kPlacementIntact;
            if (!intactKeepsValue) value = 0;
            return;
        }
        for (int code = 0; code < 7; ++code) {
            if (word == words[code]) {
                value = code;
                return;
            }
        }
        SyntaxError();
    }
    const int32_t number = compiler.ParseNumber(tokenizer);
    mode = ReadPlacementUnit(tokenizer, pixels);
    value = number;
}

// "(x, y)" or "{x, y}" after its opener; the separators are taken
// unchecked.
ScriptPoint ReadPoint(CScriptCompiler& compiler, CTokenizer& tokenizer) {
    ScriptPoint point;
    point.x = compiler.ParseNumber(tokenizer);
    tokenizer.SkipToken();
    point.y = compiler.ParseNumber(tokenizer);
    tokenizer.SkipToken();
    return point;
}

// One more "{x, y}" when it comes next.
bool ReadBracedPoint(CScriptCompiler& compiler, CTokenizer& tokenizer,
                     std::vector<ScriptPoint>& points) {
    if (PeekText(tokenizer) != "{") return false;
    tokenizer.SkipToken();
    points.push_back(ReadPoint(compiler, tokenizer));
    return true;
}

// Reads "(x, y)" points while they come, each followed by up to
// bracedPerPoint "{x, y}" points.
void ReadPointList(CScriptCompiler& compiler, CTokenizer& tokenizer,
                   std::vector<ScriptPoint>& points, int bracedPerPoint) {
    points.clear();
    while (PeekText(tokenizer) == "(") {
        tokenizer.SkipToken();
        points.push_back(ReadPoint(compiler, tokenizer));
        for (int i = 0; i < bracedPerPoint; ++i) {
            if (!ReadBracedPoint(compiler, tokenizer, points)) break;
        }
    }
}

}  // namespace

void CScriptCompiler::ParseArguments(CTokenizer& tokenizer,
                                     std::initializer_list<CScriptArgument> arguments) {
    ParseArguments(tokenizer, std::vector<CScriptArgument>(arguments));
}

void CScriptCompiler::ParseArguments(CTokenizer& tokenizer, const std::vector<CScriptArgument>& arguments) {
    Expect(tokenizer, "(");
    bool first = true;
    for (const CScriptArgument& argument : arguments) {
        if (!first) {
            // ")" here means too few arguments: as wrong as any other token.
            std::string separator;
            tokenizer.NextToken(separator);
            if (separator != ",") SyntaxError();
        }
        first = false;
        argument.Clear();
        try {
            switch (argument.kind_) {
                case kArgumentNumber:
                    *argument.first_ = ParseNumber(tokenizer);
                    break;
                case kArgumentOptionalNumber:
                    ParseOptionalNumber(tokenizer, *argument.flag_, *argument.first_);
                    break;
                case kArgumentRelativeNumber:
                    ParseRelativeNumber(tokenizer, *argument.first_, *argument.second_);
                    break;
                case kArgumentString:
                    ParseStringArgument(tokenizer, *argument.text_);
                    break;
                case kArgumentWord:
                    ParseWordArgument(tokenizer, *argument.text_);
                    break;
                case kArgumentPath:
                    ParsePathArgument(tokenizer, *argument.text_);
                    break;
                case kArgumentBool:
                    *argument.flag_ = ParseBool(tokenizer);
                    break;
                case kArgumentHorizontalPlacement:
                    ParseHorizontalPlacement(tokenizer, *argument.first_, *argument.second_);
                    break;
                case kArgumentVerticalPlacement:
                    ParseVerticalPlacement(tokenizer, *argument.first_, *argument.second_);
                    break;
                case kArgumentColor:
                    *argument.colour_ = ParseColor(tokenizer);
                    break;
                case kArgumentExpression:
                    ParseExpressionText(tokenizer, *argument.text_);
                    break;
                case kArgumentEasing:
                    *argument.curve_ = ParseEasing(tokenizer);
                    break;
                case kArgumentSoundChannel:
                    ParseSoundChannel(tokenizer, *argument.first_, *argument.second_);
                    break;
                case kArgumentBezierPoints:
                    ParseBezierPoints(tokenizer, *argument.points_);
                    break;
                case kArgumentHermitePoints:
                    ParseHermitePoints(tokenizer, *argument.points_);
                    break;
            }
        } catch (const CScriptSyntaxError&) {
            // The argument is abandoned with what its reader had stored.
        }
    }
    Expect(tokenizer, ")");
    ExpectStatementEnd(tokenizer);
}

void CScriptCompiler::ExpectStatementEnd(CTokenizer& tokenizer) { Expect(tokenizer, ";"); }

void CScriptCompiler::ParseWordArgument(CTokenizer& tokenizer, std::string& out) {
    if (tokenizer.ReadWord(out) != CTokenizer::kRead) SyntaxError();
}

void CScriptCompiler::ParseStringArgument(CTokenizer& tokenizer, std::string& out) {
    if (tokenizer.ReadQuotedString(out) != CTokenizer::kRead) SyntaxError();
}

void CScriptCompiler::ParsePathArgument(CTokenizer& tokenizer, std::string& out) {
    std::string path;
    ParseStringArgument(tokenizer, path);
    out = ResolvePath(basePath_, path);
}

void CScriptCompiler::ParseExpressionText(CTokenizer& tokenizer, std::string& out) {
    CExpressionEvaluator evaluator;
    evaluator.SetSigils("$@#");
    evaluator.Check(std::string_view(tokenizer.Cursor(), static_cast<size_t>(tokenizer.BytesLeft())));
    out = tokenizer.ReadRaw(evaluator.GetScanLength());
}

void CScriptCompiler::ParseConditionText(CTokenizer& tokenizer, std::string& out) {
    Expect(tokenizer, "(");
    ParseExpressionText(tokenizer, out);
    Expect(tokenizer, ")");
}

int32_t CScriptCompiler::ParseNumber(CTokenizer& tokenizer) {
    std::string token;
    tokenizer.NextToken(token);
    if (token == "+" || token == "-") {
        std::string digits;
        if (tokenizer.ReadNumber(digits) != CTokenizer::kRead) SyntaxError();
        return DecimalValue(digits, token == "-");
    }
    if (token.empty() || !IsDigit(token[0])) SyntaxError();
    return DecimalValue(token);
}

void CScriptCompiler::ParseOptionalNumber(CTokenizer& tokenizer, bool& given, int32_t& value) {
    const std::string next = PeekText(tokenizer);
    if (StartsNumber(next)) {
        value = ParseNumber(tokenizer);
        given = true;
    } else if (next == "invalid") {
        tokenizer.SkipToken();
        given = false;
        value = 0;
    } else {
        SyntaxError();
    }
}

void CScriptCompiler::ParseRelativeNumber(CTokenizer& tokenizer, int32_t& mode, int32_t& value) {
    const std::string next = PeekText(tokenizer);
    if (next == "@") {
        tokenizer.SkipToken();
        value = ParseNumber(tokenizer);
        mode = 2;
    } else if (StartsNumber(next)) {
        value = ParseNumber(tokenizer);
        mode = 1;
    } else {
        SyntaxError();
    }
}

bool CScriptCompiler::ParseBool(CTokenizer& tokenizer) {
    std::string word;
    tokenizer.NextToken(word);
    if (word == "true") return true;
    if (word != "false") SyntaxError();
    return false;
}

void CScriptCompiler::ParseHorizontalPlacement(CTokenizer& tokenizer, int32_t& mode, int32_t& value) {
    ParsePlacement(*this, tokenizer, mode, value, kHorizontalWords, false);
}

void CScriptCompiler::ParseVerticalPlacement(CTokenizer& tokenizer, int32_t& mode, int32_t& value) {
    ParsePlacement(*this, tokenizer, mode, value, kVerticalWords, true);
}

Color32 CScriptCompiler::ParseColor(CTokenizer& tokenizer) {
    std::string token;
    tokenizer.NextToken(token);
    for (const NamedColour& named : kNamedColours) {
        if (token == named.name) return named.colour;
    }
    if (token == "#") {
        // The digits standing right at the cursor, at most eight.
        const char* digits = tokenizer.Cursor();
        const int left = tokenizer.BytesLeft();
        int count = 0;
        while (count < 8 && count < left && HexDigitValue(digits[count]) >= 0) ++count;
        if (count != 3 && count != 4 && count != 6 && count != 8) SyntaxError();
        uint32_t value = 0;
        for (char c : tokenizer.ReadRaw(count)) value = value << 4 | static_cast<uint32_t>(HexDigitValue(c));
        switch (count) {
            case 3:  // RGB: each digit the high nibble of its byte
                return 0xFF000000u | (value & 0xF00) << 12 | (value & 0x0F0) << 8 | (value & 0x00F) << 4;
            case 4:  // RGBA
                return (value & 0x000F) << 28 | (value & 0xF000) << 8 | (value & 0x0F00) << 4 |
                       (value & 0x00F0);
            case 6:
                return 0xFF000000u | value;
            default:  // RRGGBBAA: alpha written last
                return value >> 8 | value << 24;
        }
    }
    if (token == "RGB" || token == "RGBA") {
        const int count = token == "RGB" ? 3 : 4;
        int32_t components[4] = {0, 0, 0, 255};
        Expect(tokenizer, "(");
        for (int i = 0; i < count; ++i) {
            if (i > 0) Expect(tokenizer, ",");
            components[i] = ParseNumber(tokenizer);
        }
        Expect(tokenizer, ")");
        for (int32_t component : components) {
            if (component < 0 || component > 255) SyntaxError();
        }
        return static_cast<Color32>(components[3]) << 24 | static_cast<Color32>(components[0]) << 16 |
               static_cast<Color32>(components[1]) << 8 | static_cast<Color32>(components[2]);
    }
    SyntaxError();
}

EasingCurve CScriptCompiler::ParseEasing(CTokenizer& tokenizer) {
    std::string name;
    tokenizer.NextToken(name);
    EasingCurve curve = nullptr;
    if (!FindEasingCurve(name, &curve)) SyntaxError();
    return curve;
}

void CScriptCompiler::ParseSoundChannel(CTokenizer& tokenizer, int32_t& kind, int32_t& number) {
    std::string word;
    if (tokenizer.ReadWord(word) != CTokenizer::kRead) SyntaxError();
    struct Prefix {
        const char* text;
        SoundChannelKind kind;
    };
    static constexpr Prefix kPrefixes[] = {
        {"BGM", kSoundChannelBGM}, {"SE", kSoundChannelSE}, {"VOICE", kSoundChannelVoice}};
    const std::string_view name(word);
    for (const Prefix& prefix : kPrefixes) {
        const std::string_view text(prefix.text);
        if (name.substr(0, text.size()) == text) {
            kind = prefix.kind;
            number = DecimalValue(name.substr(text.size()));
            return;
        }
    }
    if (word != "CD") SyntaxError();
    kind = kSoundChannelCD;
}

void CScriptCompiler::ParseBezierPoints(CTokenizer& tokenizer, std::vector<ScriptPoint>& points) {
    ReadPointList(*this, tokenizer, points, 2);
    if (points.size() < 4 || points.size() % 3 != 1) SyntaxError();
}

void CScriptCompiler::ParseHermitePoints(CTokenizer& tokenizer, std::vector<ScriptPoint>& points) {
    ReadPointList(*this, tokenizer, points, 1);
    if (points.size() < 4 || points.size() % 2 != 0) SyntaxError();
}
