// Builds a parameter string field by field, each field followed by ";":
//
//   Params(password).Add(line).Add(text).Amount(price).Str()
//
// Integers go out in decimal, amounts with two decimals and quantities with
// three, always with a "." whatever the locale. A number that cannot be
// written (not finite, or longer than a number field can be) leaves its field
// empty and makes Fits() false, so the caller refuses instead of sending it.
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace tesmar::link {

// The longest amount or quantity text a formatter writes.
inline constexpr size_t kMaxNumberText = 64;

// "%-#.2f" and "%-#.3f" without a locale: 12.5 -> "12.50", 2 -> "2.000".
// Empty when the value cannot be written (see above).
std::string FormatAmount(double value);
std::string FormatQuantity(double value);

class Params {
 public:
  explicit Params(std::string_view first) { Add(first); }

  // Text as it stands (Windows-1251; a ";" in it is not escaped).
  Params& Add(std::string_view text);
  Params& Add(const char* text) { return Add(std::string_view(text)); }
  // Integers of any width, in decimal without leading zeros.
  template <std::integral T>
  Params& Add(T value) {
    return AddInteger(static_cast<long long>(value));
  }
  // Upper-case hexadecimal of fixed width ("%02X", "%04X").
  Params& Hex(int value, int width);
  // Decimal with at least two digits ("%02i").
  Params& TwoDigits(int value);
  Params& Amount(double value);
  Params& Quantity(double value);
  // An empty field: just the ";".
  Params& Empty() { return Add(std::string_view()); }

  bool Fits() const { return fits_; }
  const std::string& Str() const { return text_; }

 private:
  Params& AddInteger(long long value);
  Params& AddNumber(const std::string& number);

  std::string text_;
  bool fits_ = true;
};

}  // namespace tesmar::link
