// Costs of typed text: a 400-character Shift-JIS page in a 760 x 560 box
// (Mincho 24 and Gothic 32 paragraphs, both with rim and shadow, 20 ruby
// runs, style Fade, interval 30, speed 200) typed over a full-screen picture
// into an 800 x 600 back buffer through the dirty-cell grid, AntiText on:
// - the build (parse, layout with its GDI measurements, the ruby readings);
// - every 17 ms typing frame (update, transforms, redraw of the dirty
//   cells), its median and worst, and the frame with every glyph started;
// - the full render of every glyph and the redraw of the typed-out text;
// - one 32-pixel glyph rendered four times supersampled with rim and shadow.
//
//   scripts/session start build
//   scripts/wine-run build/bin/text_bench.exe
//   scripts/session stop build
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_pictures.h"
#include "bench_timing.h"
#include "graphics/memory_surface.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "scene/dirty_rect_grid.h"
#include "scene/picture_node.h"
#include "scene/redraw.h"
#include "text/font.h"
#include "text/glyph_renderer.h"
#include "text/text_node.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kFrame = 17;

// A full-screen picture held in memory.
class CBackdropNode : public CPictureNode {
public:
    CBackdropNode() : CPictureNode(0, 0, -1, kPictureDrawNormal) {
        picture_.Create(kWidth, kHeight);
        FillPicture(picture_, 7);
        picture_.SetHasAlpha(false);
    }
    CNode* Clone() override { return nullptr; }
    CMemorySurface* GetSurface() override { return &picture_; }
    const RECT* GetSourceRect() override { return nullptr; }

private:
    CMemorySurface picture_;
};

// 400 characters: kana and kanji in paragraphs that alternate Mincho 24
// and Gothic 32, twenty of the kanji pairs under a ruby reading.
std::string Page() {
    const std::string kanji[] = {"\x8A\xBF\x8E\x9A", "\x95\xB6\x8F\xCD", "\x8C\xBE\x97\x74", "\x90\xA2\x8A\x45"};
    const std::string reading = "\x82\xA9\x82\xC8";
    std::string page;
    int characters = 0;
    int rubies = 0;
    for (int paragraph = 0; characters < 400; ++paragraph) {
        page += paragraph % 2 ? "<FONT face='G' size=32 rim='#FFFFFFFF' shadow='#80000000'>"
                              : "<FONT face='M' size=24 rim='#FFFFFFFF' shadow='#80000000'>";
        for (int i = 0; i < 40 && characters < 400; ++i) {
            if (i % 10 == 4 && rubies < 20 && characters + 2 <= 400) {
                page += "<RUBY text='" + reading + "'>" + kanji[rubies % 4] + "</RUBY>";
                characters += 2;
                ++rubies;
                ++i;
                continue;
            }
            const char kana[] = {'\x82', static_cast<char>(0xA0 + (characters * 7) % 80), 0};
            page += kana;
            ++characters;
        }
        page += "</FONT><BR>";
    }
    return page;
}

void Report(const char* what, double ms, double targetMs) {
    std::printf("%-48s %10.4f ms  (target %.4f ms)%s\n", what, ms, targetMs, ms <= targetMs ? "" : "  OVER");
}

void Info(const char* what, double ms) { std::printf("%-48s %10.4f ms\n", what, ms); }

}  // namespace

int main() {
    GetConfig().SetAntiText(true);
    CMemorySurface backBuffer;
    backBuffer.Create(kWidth, kHeight);
    CDirtyRectGrid grid;
    grid.Init(8, 8, kWidth, kHeight);
    CSceneNode root(0, 0, 0);
    auto* backdrop = new CBackdropNode();
    root.AddChild("Back", backdrop);
    backdrop->Reset();
    auto* text = new CTextNode(20, 20, 0, 760, 560, Page(), 0, 24, kTypeFade, 30, 200);
    root.AddChild("Text", text);

    const double buildStart = Now();
    text->Reset();
    const double build = (Now() - buildStart) * 1000;
    RedrawDirtyCells(root, grid, backBuffer, nullptr);

    std::vector<double> frames;
    double allStarted = 0;
    int glyphs = 0;
    for (const auto& token : text->GetTokens()) glyphs += token->GetType() == kMarkupChar;
    const int lastStart = (glyphs - 1) * 30;
    while (text->GetDisplayMode() == kTextTyping) {
        const double start = Now();
        root.Update(kFrame);
        root.UpdateTransform(CTransform2D(0, 0, 1, 1, 1, 0));
        RedrawDirtyCells(root, grid, backBuffer, nullptr);
        const double ms = (Now() - start) * 1000;
        frames.push_back(ms);
        if (text->GetClock() >= lastStart && allStarted == 0) allStarted = ms;
    }
    std::vector<double> sorted = frames;
    std::sort(sorted.begin(), sorted.end());

    // The full render: a fresh build typed out at once and drawn.
    text->Reset();
    text->ReceiveMessage("TypeOut");
    const double renderStart = Now();
    RedrawDirtyCells(root, grid, backBuffer, nullptr);
    const double fullRender = (Now() - renderStart) * 1000;
    const double typeOutRedraw = BestMilliseconds(
        20, [&] { text->InvalidateAll(); }, [&] { RedrawDirtyCells(root, grid, backBuffer, nullptr); });

    CMemorySurface glyphTarget;
    glyphTarget.Create(40, 40);
    const RECT glyphRect = {0, 0, 35, 35};
    const double glyph = BestMilliseconds(
        50, [] {},
        [&] {
            CFont font;
            font.SetFace("G");
            font.SetText("\x8A\xBF");
            RenderGlyphSupersampled(glyphTarget, glyphRect, font, {32, 0xFF000000u, 0xFFFFFFFFu, 0x80000000u}, false);
        });

    std::printf("text_bench: %d glyphs, %zu typing frames of %d ms\n", glyphs, frames.size(), kFrame);
    Report("build (parse, layout, ruby readings)", build, 40);
    Report("typing frame, median", sorted[sorted.size() / 2], 2);
    Report("typing frame, worst", sorted.back(), 4);
    Info("typing frame, every glyph started", allStarted);
    Info("full render and draw of the typed-out text", fullRender);
    Info("typed-out text, redraw", typeOutRedraw);
    Report("every glyph started / typed-out redraw (ratio)", allStarted / typeOutRedraw, 3);
    Report("32-pixel glyph with rim and shadow", glyph, 0.5);
    return 0;
}
