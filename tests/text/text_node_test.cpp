// Construction, build and rendering of the text node.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/memory_surface.h"
#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "support/error_recorder.h"
#include "text/font.h"
#include "text/glyph_renderer.h"
#include "text/text_node.h"
#include "text_node_fixture.h"

namespace {

const MarkupFontState kFont;
const MarkupTypeState kType;

TEST(TextNode, ConstructorErrors) {
    const struct {
        int place;
        std::function<void()> make;
    } kCases[] = {
        {68, [] { CTextNode(0, 0, 0, -1, 10, "", 0, 16, 1, 100, 200); }},
        {69, [] { CTextNode(0, 0, 0, 10, -1, "", 0, 16, 1, 100, 200); }},
        {70, [] { CTextNode(0, 0, 0, 10, 10, "", 0, 16, 1, -1, 200); }},
        {71, [] { CTextNode(0, 0, 0, 10, 10, "", 0, 16, 1, 100, -1); }},
        {111, [] { CTextNode(0, 0, 0, -1, 10, "", kFont, kType); }},
        {112, [] { CTextNode(0, 0, 0, 10, -1, "", kFont, kType); }},
    };
    for (const auto& c : kCases) {
        ClearRecordedErrors();
        EXPECT_THROW(c.make(), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, kModuleTextNode);
        EXPECT_EQ(RecordedErrors()[0].place, c.place);
    }
    ClearRecordedErrors();
    // The short form checks nothing.
    EXPECT_NO_THROW(CTextNode(0, 0, 0, -5, -5, "x"));
}

TEST(TextNode, ConstructorsSetTheInitialState) {
    CTextNode statement(3, 4, 5, 300, 200, "abc", 99, 16, kTypeFade, 70, 250);
    EXPECT_EQ(statement.InitialFontState().size, 16);
    EXPECT_EQ(statement.InitialFontState().face, std::string(kMinchoFaceName));
    EXPECT_EQ(statement.InitialTypeState().style, kTypeFade);
    EXPECT_EQ(statement.InitialTypeState().interval, 70);
    EXPECT_EQ(statement.InitialTypeState().speed, 250);
    EXPECT_EQ(statement.GetRenderMethod(), kRenderBySetting);
    EXPECT_EQ(statement.GetLineSpacing(), 8);
    EXPECT_EQ(statement.GetMinimumLineHeight(), 16);
    EXPECT_EQ(statement.GetNodeKind(), kNodeKindText);
    EXPECT_EQ(statement.GetTotalTypingTime(), -1);
    CTextNode plain(0, 0, 0, 10, 10, "x");
    EXPECT_EQ(plain.InitialFontState().size, 24);
    EXPECT_EQ(plain.InitialTypeState().interval, 0);
}

// The render method "by setting" is settled at the first build and kept.
TEST(TextNode, RenderMethodFromTheSettingOnce) {
    CConfig& config = GetConfig();
    const bool saved = config.IsAntiText();
    config.SetAntiText(false);
    CTextNode node(0, 0, 0, 200, 50, "abc", 0, 16, 1, 0, 0);
    node.Reset();
    EXPECT_EQ(node.GetRenderMethod(), kRenderPlain);
    config.SetAntiText(true);
    node.Reset();
    EXPECT_EQ(node.GetRenderMethod(), kRenderPlain);
    CTextNode other(0, 0, 0, 200, 50, "abc", 0, 16, 1, 0, 0);
    other.Reset();
    EXPECT_EQ(other.GetRenderMethod(), kRenderSupersampled);
    config.SetAntiText(saved);
}

// Clone copies the configuration, not the build.
TEST(TextNode, CloneCopiesTheConfiguration) {
    CTextNode node(7, 8, 9, 200, 50, "<RUBY text='ab'>xy</RUBY>", 0, 20, kTypeJump, 30, 40);
    node.SetRenderMethod(kRenderSupersampled);
    node.SetBaseDirectory("C:\\base\\");
    node.SetFillLines(true);
    node.Reset();
    ASSERT_FALSE(node.GetChildren().empty());
    std::unique_ptr<CNode> copy(node.Clone());
    auto& text = static_cast<CTextNode&>(*copy);
    EXPECT_EQ(text.GetText(), node.GetText());
    EXPECT_EQ(text.GetBoxWidth(), 200);
    EXPECT_EQ(text.GetBoxHeight(), 50);
    EXPECT_EQ(text.GetRenderMethod(), kRenderSupersampled);
    EXPECT_EQ(text.GetBaseDirectory(), "C:\\base\\");
    EXPECT_TRUE(text.GetFillLines());
    EXPECT_TRUE(text.InitialFontState() == node.InitialFontState());
    EXPECT_TRUE(text.InitialTypeState() == node.InitialTypeState());
    EXPECT_EQ(text.GetPlacement().x, 7);
    EXPECT_EQ(text.GetZ(), 9);
    EXPECT_TRUE(text.GetTokens().empty());
    EXPECT_TRUE(text.GetChildren().empty());
    EXPECT_EQ(text.GetDisplayMode(), kTextTyping);
}

TEST(TextNode, BuildMakesAnEmptySurfaceOfTheLaidOutSize) {
    auto node = MakeTypedText("abc", 0, 0);
    int width = 0, height = 0;
    node->GetSize(&width, &height);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    const CMemorySurface* surface = node->GetTextSurface();
    ASSERT_NE(surface, nullptr);
    int sw = 0, sh = 0;
    surface->GetSize(sw, sh);
    EXPECT_EQ(sw, width);
    EXPECT_EQ(sh, height);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) ASSERT_EQ(surface->GetPixel(x, y), 0u);
    EXPECT_EQ(node->GetDisplayMode(), kTextTyping);
    // An empty text lays out nothing: no surface, nothing drawn.
    auto empty = MakeTypedText("", 0, 0);
    EXPECT_EQ(empty->GetTextSurface(), nullptr);
    CMemorySurface target;
    ASSERT_EQ(target.Create(50, 50), 0);
    empty->ReceiveMessage("TypeOut");
    empty->DrawSelf(target, CTransform2D(0, 0, 1, 1, 1, 0), nullptr);
}

TEST(TextNode, ASurfaceThatCannotBeMadeIsAGraphicBox) {
    // Four thousand lines of the tallest glyphs need more pixels than one
    // surface may hold.
    std::string text = "<FONT size=600>";
    for (int i = 0; i < 4000; ++i) text += "W<BR>";
    CTextNode node(0, 0, 0, 800, 600, text, 0, 24, kTypeNormal, 0, 0);
    ClearRecordedErrors();
    EXPECT_THROW(node.Reset(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Graphic);
    EXPECT_EQ(RecordedErrors()[0].module, kModuleTextNode);
    EXPECT_EQ(RecordedErrors()[0].place, 102);
    ClearRecordedErrors();
    EXPECT_EQ(node.GetTextSurface(), nullptr);
}

// The text surface after a full render equals each glyph rendered by the
// chosen renderer at its rectangle with the font state in force; spaces
// leave it untouched.
TEST(TextNode, RendersEveryGlyphWithItsState) {
    const std::string text =
        "\x82\xA0 <FONT face='G' rim='#FFFFFFFF' shadow='#00000080'>\x82\xA2<B>A</B></FONT>\x81\x40<I>b</I>";
    for (int method : {kRenderPlain, kRenderSupersampled}) {
        SCOPED_TRACE(method);
        CTextNode node(0, 0, 0, 400, 100, text, 0, 24, 1, 0, 0);
        node.SetRenderMethod(method);
        node.Reset();
        CMemorySurface target;
        ASSERT_EQ(target.Create(400, 100), 0);
        node.ReceiveMessage("TypeOut");
        node.DrawSelf(target, CTransform2D(0, 0, 1, 1, 1, 0), nullptr);

        int width = 0, height = 0;
        node.GetSize(&width, &height);
        CMemorySurface expected;
        ASSERT_EQ(expected.Create(width, height), 0);
        MarkupFontState font;
        int rendered = 0;
        for (const auto& token : node.GetTokens()) {
            if (token->GetType() == kMarkupFont) font = static_cast<const CMarkupFontToken&>(*token).state;
            if (token->GetType() != kMarkupChar) continue;
            const auto& glyph = static_cast<const CMarkupCharToken&>(*token);
            if (glyph.text == " " || glyph.text == "\x81\x40") continue;
            CFont gdi;
            gdi.SetFace(font.face);
            gdi.SetWeight(font.bold ? 700 : 400);
            gdi.SetItalic(font.italic);
            gdi.SetText(glyph.text);
            const GlyphInk ink{font.size, font.color, font.rimColor, font.shadowColor};
            if (method == kRenderPlain) {
                RenderGlyphPlain(expected, glyph.rect, gdi, ink);
            } else {
                RenderGlyphSupersampled(expected, glyph.rect, gdi, ink, false);
            }
            ++rendered;
        }
        EXPECT_EQ(rendered, 4);
        const CMemorySurface& actual = *node.GetTextSurface();
        int inked = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(actual.GetPixel(x, y), expected.GetPixel(x, y)) << x << ", " << y;
                inked += actual.GetPixel(x, y) >> 24 != 0;
            }
        }
        EXPECT_GT(inked, 100);
    }
}

}  // namespace
