// A node tree as text, one line per node in name order, depth first:
// "<full path> kind=<kind> z=<z> at=(<x>, <y>) opacity=<o> zoom=(<zx>, <zy>)
// rotation=<degrees>", the root's path shown as "/". For failure messages and
// for comparing trees in tests.
#pragma once

#include <string>

class CNode;

std::string DumpTree(CNode& root);
