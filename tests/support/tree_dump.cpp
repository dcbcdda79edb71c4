#include "support/tree_dump.h"

#include <cstdio>

#include "scene/node.h"

namespace {

void DumpNode(CNode& node, std::string& out) {
    const CTransform2D& p = node.GetPlacement();
    const std::string path = node.GetFullPath();
    char line[256];
    snprintf(line, sizeof line,
             " kind=%d z=%d at=(%g, %g) opacity=%g zoom=(%g, %g) rotation=%g\n",
             node.GetNodeKind(), node.GetZ(), p.x, p.y, p.opacity, p.zoomX, p.zoomY, p.rotation);
    out += path.empty() ? "/" : path;
    out += line;
    for (const auto& entry : node.GetChildren()) DumpNode(*entry.second, out);
}

}  // namespace

std::string DumpTree(CNode& root) {
    std::string out;
    DumpNode(root, out);
    return out;
}
