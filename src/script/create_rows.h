// The Create statements as one table: each row names the statement, the
// kinds of the arguments after the common four (node path, z, horizontal
// and vertical placement), and how the prototype node is built from them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graphics/color32.h"
#include "script/argument_kinds.h"

class CNode;

// What a row's further arguments read, in script order within each kind:
// the first number argument goes to numbers[0], the next to numbers[1], and
// so on.
struct CreateValues {
    static constexpr int kSlots = 8;
    int32_t numbers[kSlots] = {};
    std::string strings[kSlots];
    std::string paths[kSlots];
    Color32 colours[kSlots] = {};
    bool flags[kSlots] = {};
    // What the compiler holds when the statement is read: the text settings
    // of the text-bearing nodes and the base path their marked-up paths
    // resolve against.
    int32_t baseTextInterval = 0;
    std::string basePath;
};

struct CreateRow {
    const char* statement;
    // Number, String, Path, Color or Bool kinds, in argument order; an
    // optional number fills a flag (given) and a number.
    std::vector<ArgumentKind> further;
    // The prototype at x = y = 0 with the given z.
    std::unique_ptr<CNode> (*build)(int32_t z, const CreateValues& values);
};

// The row of the statement name, or null.
const CreateRow* FindCreateRow(const std::string& statement);

// The blend codes of the "Ex" forms by name: the colour node's 0 to 5, and
// the picture nodes' draw modes 0 and 2 to 6. An unlisted name is Normal, 0.
int ColorBlendCode(const std::string& name);
int PictureBlendCode(const std::string& name);
