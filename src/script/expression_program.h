// The flat form of a script expression: steps for a small stack machine,
// in the order the text's parse evaluates its operands, with every name
// already resolved to a script variable or a constant.
//
// A "/" or "%" whose divisor is 0 ends its term, and when another "*", "/"
// or "%" follows, the rest of the text parses differently from then on. The
// program therefore holds one run of steps per way the text can parse: all
// runs agree step for step up to the division where they part, and a
// division that can end its term names the step in the other run to go on
// from when its divisor turns out to be 0. The program starts at step 0.
#pragma once

#include <cstdint>
#include <vector>

#include "script/script_variables.h"

enum class ExpressionCode : uint8_t {
    Push,          // the constant value
    Load,          // the variable's value
    PostIncrement,  // the variable's value, then the variable goes up by 1
    PostDecrement,
    PreIncrement,   // the variable goes up by 1, then its value
    PreDecrement,
    Store,         // the variable takes op (an assignment operator) with the top
    Negate,
    Not,
    Add,
    Subtract,
    Multiply,
    Divide,
    Remainder,
    DivideOrCut,     // as Divide; by 0, go on after step value
    RemainderOrCut,  // as Remainder; by 0, go on after step value
    Compare,         // op is the comparison
    And,
    Or,
    Drop,
    Return,      // the top is the result
    ReturnZero,  // tokens left over or nested too deep: the result is 0
    Refuse,      // the variable's number is out of range: raise its error
};

struct ExpressionStep {
    ExpressionCode code;
    uint8_t op;
    ScriptVariableTable table;
    int32_t value;  // the constant, the variable's number or the step to go on after
};

struct ExpressionProgram {
    std::vector<ExpressionStep> steps;
    int stackSize = 0;  // the most values the steps hold at once
};
