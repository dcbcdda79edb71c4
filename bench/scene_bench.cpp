// Costs of the node tree and of one frame's redraw protocol without pixel
// work (the nodes draw nothing), each the best of many rounds:
// - 64 rectangles into the 8 x 8 dirty-cell grid, then Merge;
// - the protocol over 1,000 nodes of 32 x 32: a still frame, one node
//   moving, every node moving (with the number of cells);
// - on a tree of 10 x 10 x 10 nodes: FindNode of a three-component path,
//   Request ("*/*/*") to the 1,000 leaves, HitTestPath missing every node,
//   building (AddChild, Reset) and removing (RemoveAt ("*"), PurgeRemoved).
//
//   scripts/session start build
//   scripts/wine-run build/bin/scene_bench.exe
//   scripts/session stop build
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "graphics/memory_surface.h"
#include "scene/dirty_rect_grid.h"
#include "scene/redraw.h"
#include "scene/scene_node.h"

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

}  // namespace

int main() {
    GridBench();
    ProtocolBench();
    TreeBench();
    return 0;
}
