// The expressions of the evaluator's tests, with what they give when only
// @1 (from 10) and @2 (from 20) are assignable and #count reads 7. The
// compiled form's tests run the same texts over the script variables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ExpressionCase {
    std::string text;
    int32_t result;
    int status;
    int32_t at1;  // after, from 10
    int32_t at2;  // after, from 20
};

std::vector<ExpressionCase> GrammarCases();
std::vector<ExpressionCase> AssignmentCases();
std::vector<ExpressionCase> DivisionCases();
std::vector<ExpressionCase> NameCases();

// Text as a check scans it: how far the scan reaches and the status.
struct ScanCase {
    std::string text;
    int length;
    int status;
};

std::vector<ScanCase> ScanCases();

std::string Repeat(const std::string& piece, int count);
std::string NestedParentheses(int levels);

// Conditions over the script variables with @5 = 3 and $1023 = 9, and their
// values.
struct ConditionCase {
    std::string text;
    int32_t value;
};

std::vector<ConditionCase> ConditionCases();

// Conditional jumps over two counting statements, with @5 = 3.
struct JumpCase {
    std::string condition;
    int skip;
    int32_t ranSecond;  // the counter of the first statement afterwards
    int32_t ranThird;   // the counter of the second
};

std::vector<JumpCase> JumpCases();
