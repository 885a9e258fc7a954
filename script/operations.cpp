#include "script/operations.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tesmar::script {

namespace {

constexpr const char* kDivisionByZero = Tesmar::mark("Ошибка - деление на ноль!");
constexpr const char* kOverflow = Tesmar::mark("Ошибка - переполнение при вычислении!");

// A failure of Oper: the line is logged with the message.
[[noreturn]] void Refuse(const std::string& message) {
  throw ScriptError{message, true};
}

// 3 and 4. The one quotient that does not fit is LLONG_MIN / -1; its
// remainder is 0.
bool DivideIntegers(long op, long long x, long long y, long long& r) {
  if (y == 0) Refuse(kDivisionByZero);
  if (y != -1) {
    r = op == 3 ? x / y : x % y;
    return false;
  }
  r = 0;
  return op == 3 && __builtin_sub_overflow(0LL, x, &r);
}

// 7: a + (r mod (b - a + 1)), r a non-negative 31-bit random number; a
// itself when b - a + 1 is 0.
bool RandomBetween(long long x, long long y, std::mt19937& random, long long& r) {
  long long span = 0;
  r = x;
  if (__builtin_sub_overflow(y, x, &span) || __builtin_add_overflow(span, 1LL, &span)) return true;
  if (span == 0) return false;
  const long long drawn = static_cast<long long>(random() & 0x7FFFFFFF);
  return __builtin_add_overflow(x, drawn % span, &r);
}

// The integer operations 0 to 4 and 7; a result beyond 64 bits is refused
// instead of wrapping round.
long long Arithmetic(long op, long long x, long long y, std::mt19937& random) {
  long long r = 0;
  bool overflow = false;
  switch (op) {
    case 0:
      overflow = __builtin_add_overflow(x, y, &r);
      break;
    case 1:
      overflow = __builtin_sub_overflow(x, y, &r);
      break;
    case 2:
      overflow = __builtin_mul_overflow(x, y, &r);
      break;
    case 3:
    case 4:
      overflow = DivideIntegers(op, x, y, r);
      break;
    default:
      overflow = RandomBetween(x, y, random, r);
      break;
  }
  if (overflow) Refuse(kOverflow);
  return r;
}

// 6: both operands as floating-point numbers, the quotient in the general
// format with up to 15 significant digits, "." whatever the locale.
std::string DivideFloats(const std::string& a, const std::string& b) {
  const double x = FloatValue(a), y = FloatValue(b);
  if (y == 0) Refuse(kDivisionByZero);
  const double q = x / y;
  if (!std::isfinite(q)) Refuse(kOverflow);
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, q, std::chars_format::general, 15);
  return std::string(buf, r.ptr);
}

// 8: the character whose code is a (low 8 bits), b times (at most 10000).
std::string Repeated(const std::string& a, const std::string& b) {
  const long long code = IntegerValue(a), times = IntegerValue(b);
  const long long count = std::min(std::max(times, 0LL), 10000LL);
  return std::string(static_cast<size_t>(count), static_cast<char>(code & 0xFF));
}

std::string Now(const std::string& pattern) {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return FormatDateTime(pattern, t);
}

// Characters from `from` (counted from 0), as many of `n` as there are.
std::string Part(const std::string& s, size_t from, size_t n) {
  return from < s.size() ? s.substr(from, n) : std::string();
}

// The value a date letter stands for, or -1 for any other character.
int DatePart(char letter, size_t run, const std::tm& t) {
  switch (letter) {
    case 'd':
      return t.tm_mday;
    case 'm':
      return t.tm_mon + 1;
    case 'y':
      return run >= 4 ? t.tm_year + 1900 : (t.tm_year % 100);
    case 'h':
      return t.tm_hour;
    case 'n':
      return t.tm_min;
    case 's':
      return t.tm_sec;
    default:
      return -1;
  }
}

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

void Oper(const std::string& arg, VariableTable& variables, std::mt19937& random) {
  std::vector<std::string> f = ParenthesisFields(arg);
  f.resize(std::max<size_t>(f.size(), 4));
  Operand a, b;
  if (!variables.Resolve(f[0], true, a)) Refuse(Tesmar::mark("Ошибка первого параметра!"));
  if (!variables.Resolve(f[1], true, b)) Refuse(Tesmar::mark("Ошибка второго параметра!"));
  if (f[2].empty() || !AllDigits(f[2])) Refuse(Tesmar::mark("Ошибка операции!"));
  const int result = variables.Find(f[3]);
  if (result < 0) Refuse(Tesmar::mark("Ошибка результата операции!"));
  const long op = SmallNumber(f[2]);
  const bool arithmetic = op <= 4 || op == 6;
  if (arithmetic && (a.isText || b.isText)) Refuse(Tesmar::mark("Ошибка операции!"));
  if (op > 12) return;  // no effect
  variables.Assign(result, Compute(variables.ValueOf(a), variables.ValueOf(b), op, random));
}

std::string Compute(const std::string& a, const std::string& b, long op, std::mt19937& random) {
  switch (op) {
    case 5:
      return a + b;
    case 6:
      return DivideFloats(a, b);
    case 8:
      return Repeated(a, b);
    case 9:
      return std::to_string(a.size());
    case 10:
      return a == b ? "1" : "0";
    case 11:
      return Now(a);
    case 12:
      return ReorderDate(a);
    default: {  // 0 to 4 and 7
      const long long x = IntegerValue(a), y = IntegerValue(b);
      return std::to_string(Arithmetic(op, x, y, random));
    }
  }
}

std::string FormatDateTime(const std::string& pattern, const std::tm& t) {
  std::string out;
  char buf[8];
  for (size_t i = 0; i < pattern.size();) {
    const char c = Lower(pattern[i]);
    size_t run = 1;
    while (i + run < pattern.size() && Lower(pattern[i + run]) == c) ++run;
    const int value = DatePart(c, run, t);
    if (value < 0) {
      out.append(pattern, i, run);
    } else {
      std::snprintf(buf, sizeof buf, run >= 4 ? "%04d" : run >= 2 ? "%02d" : "%d", value);
      out += buf;
    }
    i += run;
  }
  return out;
}

std::string ReorderDate(const std::string& date) {
  return Part(date, 4, 2) + Part(date, 2, 2) + Part(date, 0, 2);
}

}  // namespace tesmar::script
