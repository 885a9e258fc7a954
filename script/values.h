// The values of the statement language: the variable table, operands,
// conversions of texts to numbers and the "%Ret" reference.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tesmar::script {

// A failure of a statement: the run ends with `message`; when `logsLine`,
// the statement's line is also written to the exchange log.
struct ScriptError {
  std::string message;
  bool logsLine = false;
};

struct ScriptVariable {
  std::string name;  // full name: prefix + declared name
  std::string value;
};

// A statement's operand: a declared variable, a text of digits, or (where
// texts are allowed) a literal in double quotes.
struct Operand {
  bool isVariable = false;
  bool isText = false;
  int variable = -1;
  std::string literal;
};

class VariableTable {
 public:
  static constexpr int kMax = 100;

  const std::vector<ScriptVariable>& All() const { return table_; }
  void Clear() { table_.clear(); }
  // The index of the variable with exactly this full name, or -1.
  int Find(const std::string& name) const;
  // Appends an empty variable; gives its row in the variables grid (from 1).
  int Declare(const std::string& fullName);
  void Assign(int index, const std::string& value) { table_[index].value = value; }
  const std::string& Value(int index) const { return table_[index].value; }

  // A variable's full name first, then digits only (the empty text
  // included), then, when `allowText`, a text in double quotes.
  bool Resolve(const std::string& text, bool allowText, Operand& out) const;
  std::string ValueOf(const Operand& o) const;

 private:
  std::vector<ScriptVariable> table_;
};

// A decimal integer (a leading "-" allowed), blanks around it ignored.
long long IntegerValue(const std::string& text);
// A finite floating-point number written with ".".
double FloatValue(const std::string& text);

// "%Ret" immediately followed by digits N names the last reply's field N
// (from 0); any other text names none. N above 19 is an error.
std::optional<int> RetField(const std::string& text);

// A text of digits as a number; leading zeros do not count, and anything too
// long for a field or operation number reads as 1000.
long SmallNumber(const std::string& digits);

// Blanks and control characters removed from both ends.
std::string Trim(const std::string& s);
bool AllDigits(const std::string& s);
bool Quoted(const std::string& s);
// The text between the first "(" and the last ")" (or to the end), split at
// "," and each field trimmed.
std::vector<std::string> ParenthesisFields(const std::string& arg);

}  // namespace tesmar::script
