// Costs of the node tree and of one frame's redraw protocol without pixel
// work (the nodes draw nothing), each the best of many rounds:
// - 64 rectangles into the 8 x 8 dirty-cell grid, then Merge;
// - the protocol over 1,000 nodes of 32 x 32: a still frame, one node
//   moving, every node moving (with the number of cells);
// - on a tree of 10 x 10 x 10 nodes: FindNode of a three-component path,
//   Request ("*/*/*") to the 1,000 leaves, HitTestPath missing every node,
//   building (AddChild, Reset) and removing (RemoveAt ("*"), PurgeRemoved);
// - frames of real pictures: a white canvas under ten full-screen 800 x 600
//   pictures with varied alpha composed whole, beside the time to present
//   them in a window; a 64 x 64 sprite moving 3 pixels per frame over them
//   (its cells, pixels presented and drawn against the figures worked out
//   by hand); an opaque full-screen picture on top composed whole, beside
//   one BlitNormal of the frame;
// - attaching a Fade outline 32 pixels wide around 800 x 600 (the border a
//   frame adds around such a picture: its four pictures computed);
// - attaching a Fade frame 32 wide around an 800 x 600 picture that the
//   resource cache already holds (the picture's node, the window and the
//   outline with its pictures), beside the first attachment, which also
//   decodes the picture;
// - a frame of a 400 x 300 mask whose child moves 3 pixels: the work
//   picture composed again and drawn.
//
//   scripts/session start build
//   scripts/wine-run build/bin/scene_bench.exe
//   scripts/session stop build
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_pictures.h"
#include "bench_timing.h"
#include "graphics/blend_blits.h"
#include "graphics/memory_surface.h"
#include "scene/color_node.h"
#include "scene/composite/frame_node.h"
#include "scene/composite/mask_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/dirty_rect_grid.h"
#include "scene/image_node.h"
#include "scene/redraw.h"
#include "scene/scene_node.h"
#include "scene/test_pictures.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRounds = 200;

// An opaque rectangle that is culled and hit like a picture but paints
// nothing, so the figures show the protocol alone.
class CBenchNode : public CSceneNode {
public:
    CBenchNode(int x, int y, int z, int size) : CSceneNode(x, y, z), size_(size) {}
    CNode* Clone() override { return new CBenchNode(*this); }
    void GetLocalRect(RECT* out) override {
        *out = {0, 0, size_, size_};
        GetPlacement().MapRect(*out);
    }
    bool IsVisible(const CTransform2D&) override { return true; }
    bool IsOpaque(const CTransform2D&) override { return true; }
    bool HitTestSelf(double x, double y, CTransform2D parent) override {
        RECT area;
        GetLocalRect(&area);
        parent.MapRect(area);
        return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
    }
    void DirtyOwnArea(CTransform2D, const RECT*) override {
        RECT area;
        GetLocalRect(&area);
        AddDirtyRect(area);
    }

private:
    CBenchNode(const CBenchNode&) = default;
    int size_;
};

void Report(const char* what, double ms, double targetMs) {
    std::printf("%-52s %10.4f ms  (target %.4f ms)%s\n", what, ms, targetMs,
                ms <= targetMs ? "" : "  OVER");
}

void GridBench() {
    CDirtyRectGrid grid;
    grid.Init(8, 8, kWidth, kHeight);
    std::mt19937 random(1);
    std::vector<RECT> rects;
    for (int i = 0; i < 64; ++i) {
        const int x = static_cast<int>(random() % (kWidth - 40));
        const int y = static_cast<int>(random() % (kHeight - 40));
        rects.push_back({x, y, x + 32, y + 32});
    }
    const double ms = BestMilliseconds(kRounds, [&] { grid.Clear(); }, [&] {
        for (const RECT& r : rects) grid.AddRect(r);
        grid.Merge();
    });
    Report("64 AddRect + Merge", ms, 0.010);
}

void ProtocolBench() {
    CMemorySurface target;
    target.Create(kWidth, kHeight);
    CDirtyRectGrid grid;
    grid.Init(8, 8, kWidth, kHeight);
    CSceneNode root(0, 0, 0);
    std::mt19937 random(2);
    std::vector<CNode*> nodes;
    for (int i = 0; i < 1000; ++i) {
        auto* node = new CBenchNode(static_cast<int>(random() % (kWidth - 32)),
                                    static_cast<int>(random() % (kHeight - 32)), i % 7, 32);
        root.AddChild("N" + std::to_string(i), node);
        node->Reset();
        nodes.push_back(node);
    }
    RedrawDirtyCells(root, grid, target, nullptr);
    const double still = BestMilliseconds(kRounds, [] {}, [&] {
        RedrawDirtyCells(root, grid, target, nullptr);
    });
    Report("protocol, 1,000 nodes, still frame", still, 0.2);

    CNode* moving = nodes[500];
    int step = 0;
    const double one = BestMilliseconds(kRounds, [&] {
        double x, y;
        moving->GetPosition(&x, &y);
        moving->SetPosition(x + (++step % 2 ? 4 : -4), y);
    }, [&] { RedrawDirtyCells(root, grid, target, nullptr); });
    Report("protocol, 1,000 nodes, one 32 x 32 node moving", one, 0.5);

    size_t cells = 0;
    const double all = BestMilliseconds(20, [&] {
        ++step;
        for (CNode* node : nodes) {
            double x, y;
            node->GetPosition(&x, &y);
            node->SetPosition(x + (step % 2 ? 4 : -4), y);
        }
    }, [&] { cells = RedrawDirtyCells(root, grid, target, nullptr).size(); });
    std::printf("%-52s %10.4f ms  (%zu cells)\n", "protocol, 1,000 nodes, all moving", all, cells);
}

// Ten groups of ten groups of ten leaves, 32 x 32 each, spread over the frame.
void BuildTree(CNode& root) {
    for (int a = 0; a < 10; ++a) {
        auto* first = new CSceneNode(a * 70, 0, a);
        root.AddChild("A" + std::to_string(a), first);
        first->Reset();
        for (int b = 0; b < 10; ++b) {
            auto* second = new CSceneNode(0, b * 55, b);
            first->AddChild("B" + std::to_string(b), second);
            second->Reset();
            for (int c = 0; c < 10; ++c) {
                auto* leaf = new CBenchNode(c * 6, c * 5, c, 32);
                second->AddChild("C" + std::to_string(c), leaf);
                leaf->Reset();
            }
        }
    }
}

void TreeBench() {
    const CTransform2D identity(0, 0, 1, 1, 1, 0);
    CSceneNode root(0, 0, 0);
    BuildTree(root);

    constexpr int kRepeats = 1000;
    CNode* found = nullptr;
    const double find = BestMilliseconds(kRounds, [] {}, [&] {
        for (int i = 0; i < kRepeats; ++i) found = root.FindNode("A3/B4/C5");
    }) / kRepeats;
    Report(found ? "FindNode (\"A3/B4/C5\")" : "FindNode: not found", find, 0.002);

    const double request = BestMilliseconds(kRounds, [] {}, [&] {
        root.Request("*/*/*", "OnClick");
    });
    Report("Request (\"*/*/*\") to 1,000 nodes", request, 0.5);

    std::string path;
    const double hit = BestMilliseconds(kRounds, [&] { path.clear(); }, [&] {
        root.HitTestPath(790, 595, identity, &path);
    });
    Report("HitTestPath over 1,110 nodes, nothing hit", hit, 0.2);

    const double build = BestMilliseconds(50, [&] {
        root.RemoveAt("*");
        root.PurgeRemoved();
    }, [&] { BuildTree(root); });
    Report("building 1,110 nodes (AddChild, Reset)", build, 2.0);

    const double remove = BestMilliseconds(50, [&] {
        root.RemoveAt("*");
        root.PurgeRemoved();
        BuildTree(root);
    }, [&] {
        root.RemoveAt("*");
        root.PurgeRemoved();
    });
    Report("removing 1,110 nodes (RemoveAt (\"*\"), PurgeRemoved)", remove, 2.0);
}

// The pixels every DrawSelf of the frame benchmark's nodes was asked to
// draw: the areas of their clips.
long long g_drawnPixels = 0;

template <class Base>
class CCounted : public Base {
public:
    using Base::Base;
    void DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) override {
        if (clip) g_drawnPixels += static_cast<long long>(clip->right - clip->left) *
                                   (clip->bottom - clip->top);
        Base::DrawSelf(target, parent, clip);
    }
};

// An image node holding its own picture-like pixels, with or without alpha.
CImageNode* AddPicture(CNode& parent, const std::string& name, int x, int y, int z, int width,
                       int height, unsigned seed, bool alpha) {
    auto* node = new CCounted<CImageNode>(x, y, z, name, kPictureDrawNormal);
    parent.AddChild(name, node);
    node->CreateBlankSurface(width, height);
    FillPicture(*node->GetSurface(), seed);
    node->GetSurface()->SetHasAlpha(alpha);
    return node;
}

// A plain window that shows a DIB-section frame, to time presenting.
class CPresentWindow {
public:
    CPresentWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SceneBenchFrame";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("SceneBenchFrame", "scene_bench", WS_POPUP | WS_VISIBLE, 0, 0,
                                kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~CPresentWindow() { DestroyWindow(window_); }
    CPresentWindow(const CPresentWindow&) = delete;
    CPresentWindow& operator=(const CPresentWindow&) = delete;

    // Copies the cells of the frame to the window.
    void Present(CMemorySurface& frame, const std::vector<RECT>& cells) {
        HDC dc = GetDC(window_);
        for (const RECT& c : cells) {
            BitBlt(dc, c.left, c.top, c.right - c.left, c.bottom - c.top, frame.GetDC(), c.left,
                   c.top, SRCCOPY);
        }
        GdiFlush();
        ReleaseDC(window_, dc);
    }

private:
    HWND window_;
};

long long Area(const std::vector<RECT>& cells) {
    long long area = 0;
    for (const RECT& c : cells) area += static_cast<long long>(c.right - c.left) * (c.bottom - c.top);
    return area;
}

void FrameBench() {
    CMemorySurface frame;
    frame.SetUseDibSection(true);
    frame.Create(kWidth, kHeight);
    CDirtyRectGrid grid;
    grid.Init(8, 8, kWidth, kHeight);
    CCounted<CColorNode> canvas(0, 0, 0, kWidth, kHeight, 0xFFFFFF, kColorBlendNormal);
    canvas.Reset();
    for (int i = 0; i < 10; ++i) {
        AddPicture(canvas, "Layer" + std::to_string(i), 0, 0, i, kWidth, kHeight, 10 + i, true);
    }
    CPresentWindow window;
    std::vector<RECT> cells;
    const double full = BestMilliseconds(20, [&] { canvas.InvalidateAll(); }, [&] {
        cells = RedrawDirtyCells(canvas, grid, frame, nullptr);
    });
    Report("frame: canvas + 10 full-screen alpha pictures", full, 8.0);
    const double present = BestMilliseconds(20, [] {}, [&] { window.Present(frame, cells); });
    std::printf("%-52s %10.4f ms  (%lld pixels)\n", "  presenting it", present, Area(cells));

    // The sprite stays inside the cell (100, 0)-(200, 75): each frame redraws
    // its old and new place, one 67 x 64 piece, which the canvas and the ten
    // layers draw only where the opaque sprite leaves it (3 x 64 pixels) and
    // the sprite draws 64 x 64.
    CImageNode* sprite = AddPicture(canvas, "Sprite", 110, 5, 20, 64, 64, 30, false);
    RedrawDirtyCells(canvas, grid, frame, nullptr);
    int step = 0;
    long long drawn = 0;
    const double moving = BestMilliseconds(kRounds, [&] {
        sprite->SetPosition(step % 2 ? 110 : 113, 5);
        ++step;
        g_drawnPixels = 0;
    }, [&] { cells = RedrawDirtyCells(canvas, grid, frame, nullptr); });
    drawn = g_drawnPixels;
    Report("frame: a 64 x 64 sprite moving 3 pixels", moving, 0.5);
    const long long expectedDrawn = 11 * 3 * 64 + 64 * 64;
    std::printf("%-52s %10zu cells, %lld pixels presented (expected 1, %d), %lld drawn "
                "(expected %lld)%s\n",
                "  its cells", cells.size(), Area(cells), 67 * 64, drawn, expectedDrawn,
                cells.size() == 1 && Area(cells) == 67 * 64 && drawn == expectedDrawn
                    ? ""
                    : "  WRONG");

    AddPicture(canvas, "Cover", 0, 0, 30, kWidth, kHeight, 40, false);
    CMemorySurface cover;
    cover.Create(kWidth, kHeight);
    FillPicture(cover, 41);
    const double blit = BestMilliseconds(20, [] {}, [&] { BlitNormal(frame, 0, 0, cover, nullptr, nullptr); });
    const double covered = BestMilliseconds(20, [&] { canvas.InvalidateAll(); }, [&] {
        RedrawDirtyCells(canvas, grid, frame, nullptr);
    });
    Report("frame: an opaque full-screen picture on top", covered, 2 * blit);
    std::printf("%-52s %10.4f ms\n", "  one BlitNormal of the frame", blit);
}

void OutlineBench() {
    CSceneNode root(0, 0, 0);
    const double attach = BestMilliseconds(20, [&] {
        root.RemoveAt("Outline");
        root.PurgeRemoved();
    }, [&] {
        auto* outline = new COutlineNode(0, 0, 0, kWidth, kHeight, kOutlineFade, 0xFFFFFFFF, 32);
        root.AddChild("Outline", outline);
        outline->Reset();
    });
    Report("outline: attaching Fade 32 wide around 800 x 600", attach, 5.0);
}

void FrameNodeBench() {
    CPictureFolder folder;
    folder.Pack("Bench", {{"picture.bmp", BmpPictureFile(kWidth, kHeight, PatternPixel)}});
    CSceneNode root(0, 0, 0);
    const auto attach = [&] {
        auto* frame = new CFrameNode(0, 0, 0, "Bench/picture.bmp", kOutlineFade, 0xFFFFFFFF, 32);
        root.AddChild("Frame", frame);
        frame->Reset();
    };
    const auto detach = [&] {
        root.RemoveAt("Frame");
        root.PurgeRemoved();
    };
    const double first = BestMilliseconds(1, [] {}, attach);
    // A second user keeps the picture in the cache between the rounds.
    CImageNode keeper(0, 0, 0, "Bench/picture.bmp", kPictureDrawNormal);
    keeper.Reset();
    const double cached = BestMilliseconds(20, detach, attach);
    Report("frame: attaching Fade 32 wide around 800 x 600", cached, 5.0);
    std::printf("%-52s %10.4f ms\n", "  the first, decoding the picture", first);
}

// White on the left, a ramp to black on the right, a grey hole in the middle.
Color32 MaskPixel(int x, int y) {
    if (x > 150 && x < 250 && y > 100 && y < 200) return 0x808080;
    return x < 200 ? 0xFFFFFF : static_cast<Color32>((399 - x) * 255 / 199) * 0x010101;
}

void MaskBench() {
    CPictureFolder folder;
    folder.Pack("Bench", {{"mask.bmp", BmpPictureFile(400, 300, MaskPixel)}});
    CMemorySurface frame;
    frame.Create(kWidth, kHeight);
    CDirtyRectGrid grid;
    grid.Init(8, 8, kWidth, kHeight);
    const CTransform2D identity(0, 0, 1, 1, 1, 0);
    CSceneNode root(0, 0, 0);
    auto* mask = new CMaskNode(200, 150, 0, "Bench/mask.bmp", true);
    root.AddChild("Mask", mask);
    mask->Reset();
    CImageNode* child = AddPicture(*mask, "Child", 0, 0, 0, 400, 300, 50, true);
    root.Update(0);
    root.UpdateTransform(identity);
    RedrawDirtyCells(root, grid, frame, nullptr);
    int step = 0;
    std::vector<RECT> cells;
    const double moving = BestMilliseconds(kRounds, [&] {
        child->SetPosition(step % 2 ? 0 : 3, 0);
        ++step;
    }, [&] {
        root.Update(17);
        root.UpdateTransform(identity);
        cells = RedrawDirtyCells(root, grid, frame, nullptr);
    });
    Report("frame: a 400 x 300 mask over a child moving 3 px", moving, 2.0);
    std::printf("%-52s %10zu cells, %lld pixels\n", "  its cells", cells.size(), Area(cells));
}

}  // namespace

int main() {
    GridBench();
    ProtocolBench();
    TreeBench();
    FrameBench();
    OutlineBench();
    FrameNodeBench();
    MaskBench();
    return 0;
}
