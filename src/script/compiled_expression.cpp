#include "script/compiled_expression.h"

#include "platform/global_state.h"
#include "platform/save_data.h"
#include "script/condition_evaluator.h"
#include "script/expression_compiler.h"
#include "script/expression_syntax.h"

using namespace expression;

CCompiledExpression::CCompiledExpression(std::string_view text) : compiled_(CompileExpression(text, program_)) {
    if (compiled_) {
        // Slot 0 stays below the first value.
        stack_.resize(static_cast<size_t>(program_.stackSize) + 1);
    } else {
        text_ = std::string(text);
    }
}

int32_t CCompiledExpression::Evaluate() {
    if (!compiled_) return CConditionEvaluator::Evaluate(text_);
    // Indexed by ScriptVariableTable; None never reaches a step.
    int32_t* const tables[] = {nullptr, GetPlayData().vars.values.data(), GetSystemData().vars.values.data()};
    const ExpressionStep* const steps = program_.steps.data();
    int32_t* top = stack_.data();
    for (const ExpressionStep* step = steps;; ++step) {
        switch (step->code) {
            case ExpressionCode::Push: *++top = step->value; break;
            case ExpressionCode::Load: *++top = tables[static_cast<int>(step->table)][step->value]; break;
            case ExpressionCode::PostIncrement:
            case ExpressionCode::PostDecrement: {
                int32_t& variable = tables[static_cast<int>(step->table)][step->value];
                *++top = variable;
                variable = step->code == ExpressionCode::PostIncrement ? Add(variable, 1) : Subtract(variable, 1);
                break;
            }
            case ExpressionCode::PreIncrement:
            case ExpressionCode::PreDecrement: {
                int32_t& variable = tables[static_cast<int>(step->table)][step->value];
                variable = Add(variable, step->code == ExpressionCode::PreIncrement ? 1 : -1);
                *++top = variable;
                break;
            }
            case ExpressionCode::Store: {
                int32_t& variable = tables[static_cast<int>(step->table)][step->value];
                variable = Assign(step->op, variable, *top);
                *top = variable;
                break;
            }
            case ExpressionCode::Negate: *top = Negate(*top); break;
            case ExpressionCode::Not: *top = *top == 0 ? 1 : 0; break;
            case ExpressionCode::Add: --top; *top = Add(top[0], top[1]); break;
            case ExpressionCode::Subtract: --top; *top = Subtract(top[0], top[1]); break;
            case ExpressionCode::Multiply: --top; *top = Multiply(top[0], top[1]); break;
            case ExpressionCode::Divide: --top; *top = Divide(top[0], top[1]); break;
            case ExpressionCode::Remainder: --top; *top = Remainder(top[0], top[1]); break;
            case ExpressionCode::DivideOrCut:
            case ExpressionCode::RemainderOrCut:
                --top;
                if (top[1] == 0) {
                    *top = 0;
                    step = steps + step->value;
                } else {
                    *top = step->code == ExpressionCode::DivideOrCut ? Divide(top[0], top[1])
                                                                     : Remainder(top[0], top[1]);
                }
                break;
            case ExpressionCode::Compare: --top; *top = Compare(step->op, top[0], top[1]); break;
            case ExpressionCode::And: --top; *top = top[0] != 0 && top[1] != 0 ? 1 : 0; break;
            case ExpressionCode::Or: --top; *top = top[0] != 0 || top[1] != 0 ? 1 : 0; break;
            case ExpressionCode::Drop: --top; break;
            case ExpressionCode::Return: return *top;
            case ExpressionCode::ReturnZero: return 0;
            case ExpressionCode::Refuse:
                // Raises the variable's error and does not come back.
                ScriptVariableAddress({step->table, step->value});
                return 0;
        }
    }
}
