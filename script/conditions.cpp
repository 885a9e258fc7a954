#include "script/conditions.h"

#include <cstring>
#include <utility>

namespace tesmar::script {

Condition ParseCondition(const std::string& arg, const VariableTable& variables,
                         const char* noOperatorMessage) {
  const std::string inner = arg.size() >= 2 ? arg.substr(1, arg.size() - 2) : std::string();
  static const std::pair<const char*, Comparison> kOps[] = {{"<=", Comparison::kLessEqual},
                                                            {"==", Comparison::kEqual},
                                                            {">=", Comparison::kGreaterEqual},
                                                            {"<", Comparison::kLess},
                                                            {">", Comparison::kGreater}};
  Condition c;
  for (const auto& [text, op] : kOps) {
    const size_t at = inner.find(text);
    if (at == std::string::npos) continue;
    c.op = op;
    if (!variables.Resolve(Trim(inner.substr(0, at)), false, c.left) ||
        !variables.Resolve(Trim(inner.substr(at + std::strlen(text))), false, c.right))
      throw ScriptError{Tesmar::mark("Ошибка переменной!"), true};
    return c;
  }
  throw ScriptError{noOperatorMessage, true};
}

bool Evaluate(Condition& c, const VariableTable& variables) {
  const long long l = IntegerValue(variables.ValueOf(c.left));
  const long long r = IntegerValue(variables.ValueOf(c.right));
  switch (c.op) {
    case Comparison::kLess:
      c.value = l < r;
      break;
    case Comparison::kLessEqual:
      c.value = l <= r;
      break;
    case Comparison::kEqual:
      c.value = l == r;
      break;
    case Comparison::kGreaterEqual:
      c.value = l >= r;
      break;
    case Comparison::kGreater:
      c.value = l > r;
      break;
  }
  return c.value;
}

}  // namespace tesmar::script
