// Inline pictures in the text surface: drawn at their rectangle with their
// own alpha, and opaque where a picture without alpha lies.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/draw_image.h"
#include "graphics/picture_archive.h"
#include "text/text_node.h"

namespace {

class TextPictureTest : public PictureArchiveTest {
protected:
    void SetUp() override {
        // 6 x 4 grey without alpha; 3 x 2 red with alpha 0x40 and 0xC0 columns.
        const Bytes redRow = {0xFF, 0, 0, 0x40, 0xFF, 0, 0, 0xC0, 0xFF, 0, 0, 0x40};
        Pack("pic", {{"grey.png", EncodePng({6, 4, 8, 2, std::vector<Bytes>(4, Bytes(18, 0x80)), {}, {}})},
                     {"red.png", EncodePng({3, 2, 8, 6, {redRow, redRow}, {}, {}})}});
    }

    std::unique_ptr<CTextNode> TypedOut(const std::string& text) {
        auto node = std::make_unique<CTextNode>(0, 0, 0, 200, 50, text, 0, 24, kTypeNormal, 0, 0);
        node->SetBaseDirectory("pic");
        node->Reset();
        node->ReceiveMessage("TypeOut");
        CMemorySurface target;
        EXPECT_EQ(target.Create(200, 50), 0);
        node->DrawSelf(target, CTransform2D(0, 0, 1, 1, 1, 0), nullptr);
        return node;
    }

    static const CMarkupImageToken& Picture(const CTextNode& node, int nth) {
        for (const auto& token : node.GetTokens()) {
            if (token->GetType() == kMarkupImage && nth-- == 0) return static_cast<const CMarkupImageToken&>(*token);
        }
        throw std::runtime_error("no picture");
    }
};

TEST_F(TextPictureTest, PicturesLandInTheTextSurface) {
    auto node = TypedOut("<IMG src='grey.png'><IMG src='red.png'>");
    const CMemorySurface& surface = *node->GetTextSurface();
    const RECT grey = Picture(*node, 0).rect;
    const CMarkupImageToken& red = Picture(*node, 1);
    ASSERT_EQ(grey.right - grey.left, 6);
    ASSERT_EQ(red.rect.right - red.rect.left, 3);
    // The picture with alpha as the plain draw puts it on a cleared surface.
    int width = 0, height = 0;
    node->GetSize(&width, &height);
    CMemorySurface expected;
    ASSERT_EQ(expected.Create(width, height), 0);
    ASSERT_NE(red.picture.Get(), nullptr);
    DrawImageNormal(expected, *red.picture.Get(), CTransform2D(red.rect.left, red.rect.top, 1, 1, 1, 0), true, nullptr,
                    nullptr);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inGrey = x >= grey.left && x < grey.right && y >= grey.top && y < grey.bottom;
            EXPECT_EQ(surface.GetPixel(x, y), inGrey ? 0xFF808080u : expected.GetPixel(x, y)) << x << ", " << y;
        }
    }
    EXPECT_NE(surface.GetPixel(red.rect.left + 1, red.rect.top), 0u);
}

}  // namespace
