// The layout of parsed texts: pictures of known sizes from a packed archive
// give exact rectangles for wrapping, breaks and ruby runs; glyphs take the
// size their font measures, grown for rim and shadow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/picture_archive.h"
#include "graphics/resource_cache.h"
#include "platform/sjis.h"
#include "text/font.h"
#include "text/markup_layout.h"
#include "text/markup_parser.h"
#include "text/measure_string.h"

namespace {

// A w x h opaque grey PNG.
Bytes SolidPng(uint32_t width, uint32_t height) {
    return EncodePng({width, height, 8, 2, std::vector<Bytes>(height, Bytes(width * 3, 0x80)), {}, {}});
}

std::string Img(int width, int height) {
    return "<IMG src='" + std::to_string(width) + "x" + std::to_string(height) + ".png'>";
}

std::string Repeat(const std::string& text, int count) {
    std::string all;
    for (int i = 0; i < count; ++i) all += text;
    return all;
}

RECT Rect(LONG left, LONG top, LONG right, LONG bottom) { return {left, top, right, bottom}; }

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
}

class MarkupLayoutTest : public PictureArchiveTest {
protected:
    void SetUp() override {
        Pack("pic", {{"20x10.png", SolidPng(20, 10)},
                     {"20x30.png", SolidPng(20, 30)},
                     {"10x20.png", SolidPng(10, 20)},
                     {"40x12.png", SolidPng(40, 12)},
                     {"24x24.png", SolidPng(24, 24)},
                     {"10x10.png", SolidPng(10, 10)},
                     {"small.bmp", SmallBmp()},
                     {"bad.png", Bytes{'n', 'o', 't', ' ', 'p', 'n', 'g'}}});
        parser_.SetBaseDirectory("pic");
    }

    // Parses and lays out the text in a box of the given size.
    void Layout(const std::string& text, int width, int height) {
        parser_.ParseMarkup(text, MarkupFontState(), MarkupTypeState());
        box_.width = width;
        box_.height = height;
        LayoutTokens(parser_.GetTokens(), parser_.GetFontState(), parser_.GetTypeState(), box_,
                     [this](const RubyChildSpec& child) { children_.push_back(child); });
    }

    // The rectangles of the glyphs and pictures, in token order.
    std::vector<RECT> Rects() const {
        std::vector<RECT> rects;
        for (const auto& token : parser_.GetTokens())
            if (token->GetType() == kMarkupChar || token->GetType() == kMarkupImage)
                rects.push_back(static_cast<const CMarkupCharToken&>(*token).rect);
        return rects;
    }

    void ExpectRects(const std::vector<RECT>& expected) const {
        const std::vector<RECT> actual = Rects();
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_TRUE(SameRect(actual[i], expected[i])) << i << ": " << Describe(actual[i]);
    }

    std::vector<const CMarkupRubyToken*> RubyTokens() const {
        std::vector<const CMarkupRubyToken*> rubies;
        for (const auto& token : parser_.GetTokens())
            if (token->GetType() == kMarkupRuby) rubies.push_back(static_cast<const CMarkupRubyToken*>(token.get()));
        return rubies;
    }

    void ExpectLayoutError(int place) {
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, 2036);
        EXPECT_EQ(RecordedErrors()[0].place, place);
        ClearRecordedErrors();
    }

    CMarkupParser parser_;
    MarkupLayoutBox box_;
    std::vector<RubyChildSpec> children_;
};

// The reading's size as the layout measures it: the Gothic face at the line
// spacing, weight 400 unless bold.
void ReadingSize(const std::string& reading, int size, bool bold, int* width, int* height) {
    CFont font;
    font.SetSize(size);
    font.SetFace("G");
    font.SetWeight(bold ? 700 : 400);
    MeasureString(&font, reading, width, height);
}

TEST_F(MarkupLayoutTest, FourPicturesOf20FitIn100AndTheFifthWraps) {
    Layout(Repeat(Img(20, 10), 5), 100, 50);
    ExpectRects({Rect(0, 0, 20, 10), Rect(20, 0, 40, 10), Rect(40, 0, 60, 10), Rect(60, 0, 80, 10),
                 Rect(0, 24, 20, 34)});
    EXPECT_EQ(box_.width, 80);
    EXPECT_EQ(box_.height, 34);
}

TEST_F(MarkupLayoutTest, APictureWiderThanTheBoxStartsANewLineEvenAtTheStart) {
    Layout(Img(40, 12) + Img(10, 10), 30, 50);
    ExpectRects({Rect(0, 24, 40, 36), Rect(0, 48, 10, 58)});
    EXPECT_EQ(box_.width, 40);
    EXPECT_EQ(box_.height, 58);
}

TEST_F(MarkupLayoutTest, BreaksAdvanceBySpacingAndTheLineExtent) {
    Layout("<BR><BR>" + Img(20, 10), 100, 100);
    ExpectRects({Rect(0, 48, 20, 58)});

    parser_.Release();
    box_.lineSpacing = 5;
    box_.minimumLineHeight = 12;
    Layout(Img(20, 30) + Img(10, 10) + "<BR>" + Img(10, 10) + "<BR><BR>" + Img(10, 10), 100, 100);
    ExpectRects({Rect(0, 0, 20, 30), Rect(20, 0, 30, 10), Rect(0, 35, 10, 45), Rect(0, 69, 10, 79)});
    EXPECT_EQ(box_.width, 30);
    EXPECT_EQ(box_.height, 79);
}

TEST_F(MarkupLayoutTest, VerticalTextRunsDownInColumns) {
    box_.direction = 1;
    Layout(Repeat(Img(10, 20), 3) + "<BR>" + Img(20, 10), 100, 50);
    ExpectRects({Rect(0, 0, 10, 20), Rect(0, 20, 10, 40), Rect(24, 0, 34, 20), Rect(48, 0, 68, 10)});
    EXPECT_EQ(box_.width, 68);
    EXPECT_EQ(box_.height, 40);
}

TEST_F(MarkupLayoutTest, AnEmptyTextHasNoExtent) {
    Layout("", 100, 50);
    EXPECT_TRUE(Rects().empty());
    EXPECT_EQ(box_.width, 0);
    EXPECT_EQ(box_.height, 0);
}

TEST_F(MarkupLayoutTest, PicturesAreLoadedIntoTheirTokens) {
    Layout(Img(20, 10) + "<IMG src='small.bmp'><IMG src='missing.bmp'>", 100, 50);
    ExpectRects({Rect(0, 0, 20, 10), Rect(20, 0, 22, 2), Rect(22, 0, 22, 0)});
    const auto& png = static_cast<const CMarkupImageToken&>(*parser_.GetTokens()[2]);
    const auto& bmp = static_cast<const CMarkupImageToken&>(*parser_.GetTokens()[3]);
    ASSERT_NE(png.picture.Get(), nullptr);
    ASSERT_NE(bmp.picture.Get(), nullptr);
    EXPECT_EQ(png.picture.Get()->GetPixel(5, 5) & 0xFFFFFF, 0x808080u);
    EXPECT_EQ(bmp.picture.Get()->GetPixel(1, 1) & 0xFFFFFF, 0xA0B0C0u);
}

TEST_F(MarkupLayoutTest, APictureShownManyTimesIsDecodedOnceFromTheResourceCache) {
    Layout(Repeat(Img(10, 10), 600) + Img(20, 10), 100, 50);
    const MarkupTokenList& tokens = parser_.GetTokens();
    const auto& first = static_cast<const CMarkupImageToken&>(*tokens[2]);
    const auto& other = static_cast<const CMarkupImageToken&>(*tokens.back());
    ASSERT_NE(first.picture.Get(), nullptr);
    EXPECT_NE(other.picture.Get(), first.picture.Get());
    for (std::size_t i = 2; i + 1 < tokens.size(); ++i)
        ASSERT_EQ(static_cast<const CMarkupImageToken&>(*tokens[i]).picture.Get(), first.picture.Get()) << i;
    // The picture is the cache's, shared with every other user of the file.
    CMemorySurface* cached = GetResourceCache().Acquire(first.src);
    EXPECT_EQ(cached, first.picture.Get());
    GetResourceCache().Release(first.src);
}

TEST_F(MarkupLayoutTest, APngThatCannotBeReadIsAnInternalError) {
    for (const char* src : {"bad.png", "missing.PNG"}) {
        parser_.Release();
        EXPECT_THROW(Layout(std::string("<IMG src='") + src + "'>", 100, 50), CInternalError);
        ExpectLayoutError(1883);
    }
}

TEST_F(MarkupLayoutTest, GlyphsTakeTheirMeasuredSizeAndGrowForRimAndShadow) {
    Layout("<FONT face=G size=32>字<FONT shadow=black>字<FONT rim='#0001'>字<FONT shadow=clear>字", 1000, 100);
    CFont font;
    font.SetFace("G");
    font.SetSize(32);
    font.SetWeight(400);
    font.SetText("字");
    int width = 0;
    int height = 0;
    ASSERT_EQ(font.Measure(&width, &height), 0);
    ASSERT_GT(width, 0);
    const std::vector<RECT> rects = Rects();
    ASSERT_EQ(rects.size(), 4u);
    const int grows[] = {0, 1, 3, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rects[i].right - rects[i].left, width + grows[i]) << i;
        EXPECT_EQ(rects[i].bottom - rects[i].top, height + grows[i]) << i;
    }
}

TEST_F(MarkupLayoutTest, ARubyRunMakesItsReadingChild) {
    box_.lineSpacing = 12;
    box_.minimumLineHeight = 18;
    Layout("<BR><TYPE interval=50 style=Fade speed=300><B><RUBY text='かな'>" + Img(24, 24) + Img(24, 24) +
               "</RUBY>",
           200, 100);
    ExpectRects({Rect(0, 30, 24, 54), Rect(24, 30, 48, 54)});
    ASSERT_EQ(children_.size(), 1u);
    const RubyChildSpec& child = children_[0];
    int readingWidth = 0;
    int readingHeight = 0;
    ReadingSize("かな", 12, true, &readingWidth, &readingHeight);
    ASSERT_LT(readingWidth, 48);
    EXPECT_EQ(child.name, "RUBY0000");
    EXPECT_EQ(child.x, 0);
    EXPECT_EQ(child.y, 18);
    EXPECT_EQ(child.width, 48);
    EXPECT_EQ(child.height, readingHeight);
    EXPECT_EQ(child.reading, "かな");
    MarkupFontState font;
    font.bold = true;
    font.size = 12;
    font.face = "G";
    EXPECT_EQ(child.font, font);
    MarkupTypeState type;
    type.style = kTypeFade;
    type.interval = 50;  // (2 x 50 - 50) / (2 - 1)
    type.speed = 50;
    EXPECT_EQ(child.type, type);
    EXPECT_EQ(RubyTokens().at(0)->childName, "RUBY0000");
}

// The reading's interval spreads the run's typing time (its glyphs' intervals
// and its pauses, less one interval) over the reading's characters.
TEST_F(MarkupLayoutTest, RubyIntervalsAndWidths) {
    const struct {
        const char* name;
        std::string text;
        std::string reading;
        int baseWidth;
        int interval;
    } cases[] = {
        {"pauses count", "<TYPE interval=40><RUBY text='あいう'>" + Img(20, 10) + "," + Img(20, 10) + "</RUBY>",
         "あいう", 40, 270},
        {"one character", "<TYPE interval=40><RUBY text='あ'>" + Img(20, 10) + Img(20, 10) + "</RUBY>", "あ", 40, 0},
        {"negative becomes 0", "<RUBY text='あい'>" + Img(20, 10) + "<TYPE interval=100></RUBY>", "あい", 20, 0},
        {"a pause in the reading is one character", "<RUBY text='あ,'>" + Img(20, 10) + "<WAIT time=90></RUBY>",
         "あ,", 20, 90},
        {"a reading wider than its run", "<RUBY text='ながいよみがな'>" + Img(10, 10) + "</RUBY>", "ながいよみがな", 10,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        parser_.Release();
        children_.clear();
        Layout(c.text, 500, 100);
        ASSERT_EQ(children_.size(), 1u);
        int readingWidth = 0;
        int readingHeight = 0;
        ReadingSize(c.reading, 8, false, &readingWidth, &readingHeight);
        EXPECT_EQ(children_[0].width, readingWidth >= c.baseWidth ? readingWidth + 1 : c.baseWidth);
        EXPECT_EQ(children_[0].type.interval, c.interval);
        EXPECT_EQ(children_[0].type.speed, c.interval);
    }
}

// A run whose first picture wraps keeps its reading above that picture; a
// run with nothing in it anchors at the pen.
TEST_F(MarkupLayoutTest, TheReadingAnchorsAtTheRunsFirstPicture) {
    Layout(Img(20, 10) + Img(20, 10) + "<RUBY text='あ'>" + Img(20, 10) + "</RUBY><RUBY text='い'></RUBY>", 50, 100);
    ExpectRects({Rect(0, 0, 20, 10), Rect(20, 0, 40, 10), Rect(0, 24, 20, 34)});
    ASSERT_EQ(children_.size(), 2u);
    EXPECT_EQ(children_[0].x, 0);
    EXPECT_EQ(children_[0].y, 16);
    int readingWidth = 0;
    int readingHeight = 0;
    ReadingSize("あ", 8, false, &readingWidth, &readingHeight);
    EXPECT_EQ(children_[0].width, readingWidth >= 20 ? readingWidth + 1 : 20);
    EXPECT_EQ(children_[1].name, "RUBY0001");
    EXPECT_EQ(children_[1].x, 20);
    EXPECT_EQ(children_[1].y, 16);
    ReadingSize("い", 8, false, &readingWidth, &readingHeight);
    EXPECT_EQ(children_[1].width, readingWidth + 1);
}

TEST_F(MarkupLayoutTest, AnOpenRunMakesNoChild) {
    Layout("<RUBY text='あ'>" + Img(20, 10), 100, 50);
    EXPECT_TRUE(children_.empty());
    EXPECT_EQ(RubyTokens().at(0)->childName, "RUBY0000");
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(MarkupLayoutTest, RubyErrors) {
    EXPECT_THROW(Layout("<RUBY text=a>x<RUBY text=b>y", 100, 50), CInternalError);
    ExpectLayoutError(1930);

    parser_.Release();
    box_.lineSpacing = 0;
    EXPECT_THROW(Layout("<RUBY text=a>x</RUBY>", 100, 50), CInternalError);
    ExpectLayoutError(1952);

    parser_.Release();
    box_.lineSpacing = 8;
    box_.direction = 1;
    EXPECT_THROW(Layout("<RUBY text=a>x</RUBY>", 100, 50), CInternalError);
    ExpectLayoutError(1974);
    EXPECT_TRUE(children_.empty());

    MarkupTokenList tokens;
    tokens.push_back(std::make_unique<CMarkupRubyEndToken>());
    MarkupFontState font;
    MarkupTypeState type;
    box_.direction = 0;
    EXPECT_THROW(LayoutTokens(tokens, font, type, box_, [](const RubyChildSpec&) {}), CInternalError);
    ExpectLayoutError(1948);
}

TEST(MeasureStringTest, SumsWidthsAndTakesTheTallest) {
    CFont font;
    font.SetFace("G");
    font.SetSize(20);
    int width = -1;
    int height = -1;
    MeasureString(&font, "", &width, &height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);

    int widths = 0;
    int tallest = 0;
    for (const char* character : {"a", "漢", "\x83\x5C"}) {
        font.SetText(character);
        int w = 0;
        int h = 0;
        ASSERT_EQ(font.Measure(&w, &h), 0);
        widths += w;
        tallest = std::max(tallest, h);
    }
    MeasureString(&font, "a漢\x83\x5C", &width, &height);
    EXPECT_EQ(width, widths);
    EXPECT_EQ(height, tallest);
}

TEST(MeasureStringTest, ALoneLeadByteAtTheEndIsAnInternalError) {
    CFont font;
    int width = 0;
    int height = 0;
    EXPECT_THROW(MeasureString(&font, "a\x82", &width, &height), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
    EXPECT_EQ(RecordedErrors()[0].place, 1801);
}

}  // namespace
