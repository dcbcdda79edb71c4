// Evaluates a condition or an expression statement over the script
// variables ("@N", "$N"; see script_variables.h). Assignments, "++" and "--"
// write the variables at once. Nothing is kept between evaluations.
#pragma once

#include <cstdint>
#include <string_view>

class CConditionEvaluator {
public:
    // The value of the text; 0 when it is empty or has tokens left over.
    static int32_t Evaluate(std::string_view text);
};
