// Oper: the operations of the statement language on two operands.
#pragma once

#include <ctime>
#include <random>
#include <string>

#include "script/values.h"

namespace tesmar::script {

// "(a, b, operation, result)": resolves a and b, computes the operation and
// puts the text it gives into the result variable. Operation numbers above
// 12 do nothing. `random` gives the numbers of operation 7.
void Oper(const std::string& arg, VariableTable& variables, std::mt19937& random);

// The operation on the operands' values (texts of operation 5 and on).
std::string Compute(const std::string& a, const std::string& b, long op, std::mt19937& random);

// The date and time letters d dd m mm yy yyyy h hh n nn s ss (either case)
// replaced by the parts of `t`; anything else is copied.
std::string FormatDateTime(const std::string& pattern, const std::tm& t);

// Characters 5-6, 3-4 and 1-2 of the text, in that order: DDMMYY to YYMMDD
// and back.
std::string ReorderDate(const std::string& date);

}  // namespace tesmar::script
