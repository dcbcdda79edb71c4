// One position in a script: the file whose compiled unit holds the page,
// the page (or the method of a class unit) and the index of the next
// statement to hand out. The index is 16 bits wide and all arithmetic on it
// wraps modulo 65536.
#pragma once

#include <cstdint>
#include <string>

struct CScriptFrame {
    std::string fileName;
    std::string pageName;
    uint16_t index = 0;
};
