#include "emulator/arg_reader.h"

#include "emulator/registrar.h"

namespace tesmar::emu {

namespace {

constexpr int kMaxDigits = 18;  // any 18 digits fit a long long

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsCalendarDay(int year, int month, int day) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return false;
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

std::vector<std::string> SplitFields(std::string_view params) {
  std::vector<std::string> fields;
  std::string current;
  for (char c : params) {
    if (c == ';') {
      fields.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) fields.push_back(current);
  return fields;
}

NumberParse ParseScaled(std::string_view text, int decimals, long long& value) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
  if (whole.empty() || (dot != std::string_view::npos && fraction.empty()))
    return NumberParse::kFormat;
  for (std::string_view part : {whole, fraction})
    for (char c : part)
      if (!IsDigit(c)) return NumberParse::kFormat;
  if (static_cast<int>(fraction.size()) > decimals) return NumberParse::kFormat;
  size_t lead = 0;
  while (lead + 1 < whole.size() && whole[lead] == '0') ++lead;
  if (static_cast<int>(whole.size() - lead) + decimals > kMaxDigits) return NumberParse::kRange;
  long long v = 0;
  for (char c : whole.substr(lead)) v = v * 10 + (c - '0');
  for (int i = 0; i < decimals; ++i)
    v = v * 10 + (i < static_cast<int>(fraction.size()) ? fraction[i] - '0' : 0);
  value = negative ? -v : v;
  return NumberParse::kOk;
}

std::string_view ArgReader::Raw(int n) const {
  if (n < 0 || n >= static_cast<int>(fields_.size())) return {};
  return fields_[static_cast<size_t>(n)];
}

void ArgReader::Refuse(link::err::Code code) {
  if (!refusal_) refusal_ = code;
}

Answer ArgReader::Refusal() const {
  return refusal_ ? Refused(*refusal_) : Answer{};
}

long long ArgReader::Scaled(int n, std::string_view text, int decimals, long long lo,
                            long long hi) {
  if (refusal_) return lo;
  long long v = 0;
  switch (ParseScaled(text, decimals, v)) {
    case NumberParse::kFormat:
      Refuse(link::err::FieldFormat(n));
      return lo;
    case NumberParse::kRange:
      Refuse(link::err::FieldRange(n));
      return lo;
    case NumberParse::kOk:
      break;
  }
  if (v < lo || v > hi) {
    Refuse(link::err::FieldRange(n));
    return lo;
  }
  return v;
}

long long ArgReader::Integer(int n, long long lo, long long hi) {
  return Scaled(n, Raw(n), 0, lo, hi);
}

long long ArgReader::Integer(int n, long long lo, long long hi, long long whenAbsent) {
  return Present(n) ? Scaled(n, Raw(n), 0, lo, hi) : whenAbsent;
}

long long ArgReader::Amount(int n, long long lo, long long hi) {
  std::string_view text = Raw(n);
  const size_t dot = text.find('.');
  const size_t keep = dot + 1 + static_cast<size_t>(moneyDecimals_);
  if (dot != std::string_view::npos && text.size() > keep) {
    while (text.size() > keep && text.back() == '0') text.remove_suffix(1);
    if (text.size() == dot + 1) text.remove_suffix(1);  // "12" of "12.00", no decimals
  }
  return Scaled(n, text, moneyDecimals_, lo, hi);
}

long long ArgReader::Hundredths(int n, long long lo, long long hi) {
  return Scaled(n, Raw(n), 2, lo, hi);
}

long long ArgReader::Quantity(int n, long long lo, long long hi) {
  return Scaled(n, Raw(n), 3, lo, hi);
}

std::string ArgReader::Text(int n, size_t maxBytes) {
  if (refusal_) return {};
  const std::string_view t = Raw(n);
  if (t.empty()) Refuse(link::err::FieldFormat(n));
  if (t.size() > maxBytes) Refuse(link::err::FieldRange(n));
  return refusal_ ? std::string() : std::string(t);
}

int ArgReader::Date(int n) {
  if (refusal_) return 0;
  const std::string_view t = Raw(n);
  bool digits = t.size() == 6;
  for (char c : t) digits = digits && IsDigit(c);
  const auto two = [&](size_t at) { return (t[at] - '0') * 10 + (t[at + 1] - '0'); };
  if (!digits || !IsCalendarDay(2000 + two(4), two(2), two(0))) {
    Refuse(link::err::kDateFormat);
    return 0;
  }
  return (2000 + two(4)) * 10000 + two(2) * 100 + two(0);
}

}  // namespace tesmar::emu
