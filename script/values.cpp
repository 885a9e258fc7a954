#include "script/values.h"

#include <charconv>
#include <cmath>

#include "link/encoding.h"

namespace tesmar::script {

int VariableTable::Find(const std::string& name) const {
  for (size_t i = 0; i < table_.size(); ++i)
    if (table_[i].name == name) return static_cast<int>(i);
  return -1;
}

int VariableTable::Declare(const std::string& fullName) {
  if (table_.size() >= kMax) throw ScriptError{Tesmar::mark("Ошибка - больше 100 переменных!")};
  table_.push_back({fullName, ""});
  return static_cast<int>(table_.size());
}

bool VariableTable::Resolve(const std::string& text, bool allowText, Operand& out) const {
  out = Operand();
  if (int v = Find(text); v >= 0) {
    out.isVariable = true;
    out.variable = v;
    return true;
  }
  if (AllDigits(text)) {
    out.literal = text;
    return true;
  }
  if (allowText && Quoted(text)) {
    out.isText = true;
    out.literal = text.substr(1, text.size() - 2);
    return true;
  }
  return false;
}

std::string VariableTable::ValueOf(const Operand& o) const {
  return o.isVariable ? table_[o.variable].value : o.literal;
}

long long IntegerValue(const std::string& text) {
  const std::string t = Trim(text);
  long long v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size())
    throw ScriptError{Tesmar::mark("Ошибка - значение \"") + link::Cp1251ToUtf8(t) +
                      Tesmar::mark("\" не является целым числом!")};
  return v;
}

double FloatValue(const std::string& text) {
  const std::string t = Trim(text);
  double v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
    throw ScriptError{Tesmar::mark("Ошибка - значение \"") + link::Cp1251ToUtf8(t) + Tesmar::mark("\" не является числом!")};
  return v;
}

std::optional<int> RetField(const std::string& text) {
  if (text.size() <= 4 || text.compare(0, 4, "%Ret") != 0 || !AllDigits(text.substr(4)))
    return std::nullopt;
  const long n = SmallNumber(text.substr(4));
  if (n > 19) throw ScriptError{Tesmar::mark("Ошибка - номер поля %Ret больше 19!")};
  return static_cast<int>(n);
}

long SmallNumber(const std::string& digits) {
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  if (digits.size() - first > 3) return 1000;
  return std::stol(digits.substr(first));
}

namespace {
bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlankOrControl(s[b])) ++b;
  while (e > b && IsBlankOrControl(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool AllDigits(const std::string& s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool Quoted(const std::string& s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

std::vector<std::string> ParenthesisFields(const std::string& arg) {
  const size_t open = arg.find('(');
  std::string inner = open == std::string::npos ? arg : arg.substr(open + 1);
  const size_t close = inner.rfind(')');
  if (close != std::string::npos) inner.resize(close);
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = inner.find(',', start);
    fields.push_back(Trim(inner.substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return fields;
}

}  // namespace tesmar::script
