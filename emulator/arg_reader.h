// Reads a command's parameter fields as the registrar does, refusing the
// first field that is missing, ill-formed or out of range with the code that
// names it ("wrong format of field number n", "field n out of range").
//
// Field 0 is the password; field 1 is the first after it. Every reader
// returns a harmless value once a refusal is recorded, so a handler reads all
// its fields and then checks once:
//
//   const long long number = args.Integer(1, 0, 255);
//   const long long value = args.Integer(2, 0, 999999);
//   if (!args) return args.Refusal();
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/error_codes.h"

namespace tesmar::emu {

struct Answer;

// Splits a parameter string at ';' (a trailing ';' ends the last field).
std::vector<std::string> SplitFields(std::string_view params);

// A decimal number with at most `decimals` digits after a '.', an optional
// leading '-', nothing else ("1e5", " 1", "+1" and "1," are not numbers).
// The value is scaled by 10^decimals: "12.5" with 2 decimals is 1250.
enum class NumberParse { kOk, kFormat, kRange };
NumberParse ParseScaled(std::string_view text, int decimals, long long& value);

class ArgReader {
 public:
  // `moneyDecimals`: the registrar's decimal point, the decimals of its
  // amounts.
  explicit ArgReader(std::vector<std::string> fields, int moneyDecimals = 2)
      : fields_(std::move(fields)), moneyDecimals_(moneyDecimals) {}

  // Fields after the password.
  int Count() const { return fields_.empty() ? 0 : static_cast<int>(fields_.size()) - 1; }
  // The field as sent; empty when it is absent.
  std::string_view Raw(int n) const;
  bool Present(int n) const { return !Raw(n).empty(); }

  // A whole number from lo to hi. Absent or empty is a format refusal,
  // unless a value for that case is given.
  long long Integer(int n, long long lo, long long hi);
  long long Integer(int n, long long lo, long long hi, long long whenAbsent);
  // Money in the registrar's smallest unit: with a decimal point of 2,
  // "12.50", "12.5" and "12" are 1250; of 0, "12" and "12.00" are 12 and
  // "12.50" is ill-formed (a fraction the registrar cannot keep; zeros past
  // its decimals are no part of the value).
  long long Amount(int n, long long lo, long long hi);
  // Percentages and tax rates in hundredths, quantities in thousandths.
  long long Hundredths(int n, long long lo, long long hi);
  long long Quantity(int n, long long lo, long long hi);
  // A text of 1 to maxBytes bytes.
  std::string Text(int n, size_t maxBytes);
  // A date DDMMYY as YYYYMMDD (years 2000 to 2099); a date that is not six
  // digits or is no day of the calendar is the registrar's date format error.
  int Date(int n);

  explicit operator bool() const { return !refusal_; }
  // The first refusal recorded (a refusal of "no error" when there is none).
  Answer Refusal() const;
  // Records a refusal of the handler's own, unless one is recorded already.
  void Refuse(link::err::Code code);

 private:
  long long Scaled(int n, std::string_view text, int decimals, long long lo, long long hi);

  std::vector<std::string> fields_;
  int moneyDecimals_;
  std::optional<link::err::Code> refusal_;
};

}  // namespace tesmar::emu
