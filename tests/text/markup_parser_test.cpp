// Marked-up texts and the exact tokens they parse into, every field
// compared; the closing rule and the state the parser keeps between parses.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "markup_describe.h"
#include "support/error_recorder.h"
#include "text/markup_parser.h"

namespace {

const char* const kBaseDirectory = "C:\\Story\\";

MarkupFontState BaseFont() { return MarkupFontState(); }
MarkupTypeState BaseType() { return MarkupTypeState(); }

MarkupFontState FontWith(const std::function<void(MarkupFontState&)>& change) {
    MarkupFontState state = BaseFont();
    change(state);
    return state;
}
MarkupTypeState TypeWith(const std::function<void(MarkupTypeState&)>& change) {
    MarkupTypeState state = BaseType();
    change(state);
    return state;
}

std::string F(const MarkupFontState& state = BaseFont()) { return DescribeFont(state); }
std::string T(const MarkupTypeState& state = BaseType()) { return DescribeType(state); }
std::string C(const std::string& character) { return "Char '" + character + "' [0 0 0 0]"; }
std::string W(int time) { return "Wait " + std::to_string(time); }
std::string Img(const std::string& src) { return "Image '" + src + "' text '' [0 0 0 0]"; }
std::string Snd(const std::string& src) { return "Sound '" + src + "'"; }
std::string Ruby(const std::string& reading) { return "Ruby '" + reading + "' child ''"; }
const std::string kBreak = "Break";
const std::string kRubyEnd = "RubyEnd";

std::vector<std::string> Parse(const std::string& text) {
    CMarkupParser parser;
    parser.SetBaseDirectory(kBaseDirectory);
    parser.ParseMarkup(text, BaseFont(), BaseType());
    return DescribeTokens(parser.GetTokens());
}

struct TokenCase {
    const char* name;
    std::string text;
    std::vector<std::string> tokens;
};

TEST(MarkupParserTest, TextsGiveTheirTokens) {
    const MarkupFontState red24 = FontWith([](MarkupFontState& s) { s.color = 0xFFFF0000; s.size = 24; });
    const MarkupFontState bold = FontWith([](MarkupFontState& s) { s.bold = true; });
    const MarkupFontState boldItalic = FontWith([](MarkupFontState& s) { s.bold = s.italic = true; });
    const MarkupFontState size30 = FontWith([](MarkupFontState& s) { s.size = 30; });
    const MarkupFontState size600 = FontWith([](MarkupFontState& s) { s.size = 600; });
    const MarkupFontState sizeMinus600 = FontWith([](MarkupFontState& s) { s.size = -600; });
    const TokenCase cases[] = {
        {"empty text", "", {T(), F()}},
        {"pauses", "a,b.", {T(), F(), C("a"), W(500), C("b"), W(100)}},
        {"& makes the next character plain", "&,&.&&&<", {T(), F(), C(","), C("."), C("&"), C("<")}},
        {"& at the end adds nothing", "x&", {T(), F(), C("x")}},
        {"no entities", "&amp;", {T(), F(), C("a"), C("m"), C("p"), C(";")}},
        {"& before a pair", "&漢", {T(), F(), C("漢")}},
        {"> blanks tabs and line ends are characters", "> \t\r\n", {T(), F(), C(">"), C(" "), C("\t"), C("\r"), C("\n")}},
        {"pairs with 0x5C and 0x7C second bytes", "表\x83\x7C", {T(), F(), C("表"), C("\x83\x7C")}},
        {"a lone lead byte at the end", "a\x82", {T(), F(), C("a"), C("\x82")}},
        {"the search for > steps over pairs", "<RUBY text='\x82>'>y</RUBY>",
         {T(), F(), Ruby("\x82>"), C("y"), kRubyEnd}},
        {"FONT around a character", "<FONT color=red size=24>x</FONT>y", {T(), F(), F(red24), C("x"), F(), C("y")}},
        {"a closer closes what opened after its tag", "<B><I>x</B>y</I>",
         {T(), F(), F(bold), F(boldItalic), C("x"), F(bold), F(), C("y")}},
        {"a closer with nothing open", "</B></TYPE></RUBY>", {T(), F()}},
        {"a closer of a kind not open closes everything", "<TYPE interval=5><B>x</FONT>y",
         {T(), F(), T(TypeWith([](MarkupTypeState& s) { s.interval = 5; })), F(bold), C("x"), F(), T(), C("y")}},
        {"tags left open stay open", "<B><RUBY text=a>x", {T(), F(), F(bold), Ruby("a"), C("x")}},
        {"a tab between IMG and src", "<IMG\tsrc='pic/a.png'>", {T(), F(), Img("C:\\Story\\pic\\a.png")}},
        {"IMG and SOUND without src", "<IMG><SOUND>", {T(), F(), Img(""), Snd("")}},
        {"SOUND", "<SOUND src=\"se/ding.wav\">", {T(), F(), Snd("C:\\Story\\se\\ding.wav")}},
        {"blanks and comments between the parts", "<FONT size=30>x< / FONT >y<BR /* a note */>",
         {T(), F(), F(size30), C("x"), F(), C("y"), kBreak}},
        {"WAIT", "<WAIT><WAIT time='-10'><WAIT time=0><WAIT time='12px'><WAIT time=' 7'>",
         {T(), F(), W(0), W(-10), W(0), W(12), W(7)}},
        {"a name given twice keeps the later value", "<FONT size=12 size=30>x", {T(), F(), F(size30), C("x")}},
        {"sizes up to the screen's height either way", "<FONT size=600>x<FONT size='-600'>y",
         {T(), F(), F(size600), C("x"), F(sizeMinus600), C("y")}},
        {"RUBY around two kanji", "<RUBY text='かな'>漢字</RUBY>", {T(), F(), Ruby("かな"), C("漢"), C("字"), kRubyEnd}},
        {"RUBY without text", "<RUBY>a</RUBY>", {T(), F(), Ruby(""), C("a"), kRubyEnd}},
        {"TYPE with every attribute", "<TYPE style=Jump speed=200 interval=50 sound='se/t.wav'>a</TYPE>b",
         {T(), F(),
          T(TypeWith([](MarkupTypeState& s) {
              s.style = 4;
              s.speed = 200;
              s.interval = 50;
              s.sound = "C:\\Story\\se\\t.wav";
          })),
          C("a"), T(), C("b")}},
        {"FONT with every attribute", "<FONT color='#F80' shadow='#00000001' rim=\"RGBA(1, 2, 3, 4)\" face=G size=40>",
         {T(), F(),
          F(FontWith([](MarkupFontState& s) {
              s.color = 0xFFF08000;
              s.shadowColor = 0x01000000;
              s.rimColor = 0x04010203;
              s.face = "G";
              s.size = 40;
          }))}},
        {"a face stored as written", "<FONT face='IPA Mincho'>", {T(), F(), F(FontWith([](MarkupFontState& s) {
                                                                          s.face = "IPA Mincho";
                                                                      }))}},
        {"a symbol as a value", "<FONT face=#>", {T(), F(), F(FontWith([](MarkupFontState& s) { s.face = "#"; }))}},
        {"U and S", "<U>a</U><S>b</S>",
         {T(), F(), F(FontWith([](MarkupFontState& s) { s.underline = true; })), C("a"), F(),
          F(FontWith([](MarkupFontState& s) { s.strikeOut = true; })), C("b"), F()}},
        {"BR", "a<BR>b", {T(), F(), C("a"), kBreak, C("b")}},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Parse(c.text), c.tokens);
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(MarkupParserTest, StartsFromTheInitialState) {
    MarkupFontState font = FontWith([](MarkupFontState& s) { s.size = 16; s.face = "G"; s.italic = true; });
    MarkupTypeState type = TypeWith([](MarkupTypeState& s) { s.style = 5; s.interval = 30; s.speed = 200; });
    CMarkupParser parser;
    parser.ParseMarkup("<B>x</B>", font, type);
    MarkupFontState bold = font;
    bold.bold = true;
    EXPECT_EQ(DescribeTokens(parser.GetTokens()),
              (std::vector<std::string>{T(type), F(font), F(bold), C("x"), F(font)}));
    EXPECT_EQ(parser.GetFontState(), font);
    EXPECT_EQ(parser.GetTypeState(), type);
}

// A second parse appends to the first and closes the tags it left open; a
// release empties the tokens and the stacks.
TEST(MarkupParserTest, ParsesAppendAndCarryOpenTagsOver) {
    const MarkupFontState bold = FontWith([](MarkupFontState& s) { s.bold = true; });
    const MarkupTypeState fade = TypeWith([](MarkupTypeState& s) { s.style = 5; });
    CMarkupParser parser;
    parser.ParseMarkup("<TYPE style=Fade><B>x", BaseFont(), BaseType());
    EXPECT_EQ(parser.GetFontStack().size(), 1u);
    EXPECT_EQ(parser.GetTypeStack().size(), 1u);
    EXPECT_EQ(parser.GetOpenTags(), (std::vector<MarkupTagKind>{kTagType, kTagBold}));
    EXPECT_EQ(parser.GetFontState(), bold);

    parser.ParseMarkup("y</TYPE>z", BaseFont(), BaseType());
    EXPECT_EQ(DescribeTokens(parser.GetTokens()),
              (std::vector<std::string>{T(), F(), T(fade), F(bold), C("x"), T(), F(), C("y"), F(), T(), C("z")}));
    EXPECT_TRUE(parser.GetOpenTags().empty());
    EXPECT_TRUE(parser.GetFontStack().empty());
    EXPECT_TRUE(parser.GetTypeStack().empty());

    parser.ParseMarkup("<I><RUBY text=r><TYPE speed=9>", BaseFont(), BaseType());
    parser.Release();
    EXPECT_TRUE(parser.GetTokens().empty());
    EXPECT_TRUE(parser.GetOpenTags().empty());
    EXPECT_TRUE(parser.GetFontStack().empty());
    EXPECT_TRUE(parser.GetTypeStack().empty());
}

TEST(MarkupParserTest, CloseTagRestoresWhatEachOpenedTagSaved) {
    CMarkupParser parser;
    parser.ParseMarkup("<FONT size=10><RUBY text=a><TYPE speed=3><S>", BaseFont(), BaseType());
    const std::size_t before = parser.GetTokens().size();
    parser.CloseTag(kTagRuby);
    const MarkupFontState size10 = FontWith([](MarkupFontState& s) { s.size = 10; });
    const std::vector<std::string> all = DescribeTokens(parser.GetTokens());
    EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(before), all.end()),
              (std::vector<std::string>{F(size10), T(), kRubyEnd}));
    EXPECT_EQ(parser.GetOpenTags(), std::vector<MarkupTagKind>{kTagFont});
    EXPECT_EQ(parser.GetFontState(), size10);
}

}  // namespace
