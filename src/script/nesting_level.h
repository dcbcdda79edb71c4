// One level of nested blocks and control structures while it is parsed. The
// parsers recurse once per level, so a bound on the levels is what keeps a
// deeply nested text from exhausting the stack.
#pragma once

#include "script/script_compiler.h"

class CScriptCompiler::CNestingLevel {
public:
    explicit CNestingLevel(int& nesting) : nesting_(nesting) {
        if (nesting_ >= kMaxNesting) throw CScriptSyntaxError();
        ++nesting_;
    }
    ~CNestingLevel() { --nesting_; }
    CNestingLevel(const CNestingLevel&) = delete;
    CNestingLevel& operator=(const CNestingLevel&) = delete;

private:
    int& nesting_;
};
