// The conditions of If and While: two operands and a comparison.
#pragma once

#include <string>

#include "script/values.h"

namespace tesmar::script {

enum class Comparison { kLess, kLessEqual, kEqual, kGreaterEqual, kGreater };

struct Condition {
  Comparison op = Comparison::kEqual;
  Operand left, right;
  bool value = false;  // as last evaluated
};

// `arg` is the text after the keyword, trimmed; its first and last
// characters (the parentheses) are dropped. The operator is the first of
// "<=", "==", ">=", "<", ">" found anywhere in it; each side is a variable or
// digits. Without an operator the error is `noOperatorMessage`.
Condition ParseCondition(const std::string& arg, const VariableTable& variables,
                         const char* noOperatorMessage);
// Compares the operands' current values as integers and keeps the result.
bool Evaluate(Condition& c, const VariableTable& variables);

}  // namespace tesmar::script
