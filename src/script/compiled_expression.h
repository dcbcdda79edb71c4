// A condition or expression statement over the script variables, translated
// once so that running it again and again does not read its text again.
// Evaluate gives exactly what CConditionEvaluator::Evaluate gives for the
// text with the variables as they are at that moment (see
// expression_compiler.h); it allocates nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "script/expression_program.h"

class CCompiledExpression {
public:
    explicit CCompiledExpression(std::string_view text);
    int32_t Evaluate();

private:
    ExpressionProgram program_;
    bool compiled_;
    std::string text_;  // kept only when the text could not be compiled
    std::vector<int32_t> stack_;
};
