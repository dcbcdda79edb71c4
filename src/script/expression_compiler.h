// Translates a script expression into an ExpressionProgram that, run over
// the script variables, does exactly what CConditionEvaluator::Evaluate does
// with the text: the same value and the same writes in the same order, an
// out-of-range variable refused at the point where the evaluator looks it
// up, and nesting beyond the evaluator's limit giving 0 where it gives up.
#pragma once

#include <string_view>

#include "script/expression_program.h"

// False when the text can parse in more ways than the program keeps (many
// divisions that may end their term, one after another); the caller then
// evaluates the text itself.
bool CompileExpression(std::string_view text, ExpressionProgram& program);
