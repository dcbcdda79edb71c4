#include "script/condition_evaluator.h"

#include "script/expression_evaluator.h"
#include "script/script_variables.h"

int32_t CConditionEvaluator::Evaluate(std::string_view text) {
    CExpressionEvaluator evaluator;
    evaluator.SetSigils("$@#");
    evaluator.SetAddressCallback(GetScriptVariableAddress);
    evaluator.SetReadCallback(ReadScriptVariable);
    return evaluator.Evaluate(text);
}
