// Money as a person types it and as the registrar writes it: a whole number
// of minor units (kopecks), never a binary fraction.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tesmar::link {

// Digits, then optionally "." and one to `decimals` (0 to 3) digits; no sign, no
// blanks, no exponent. The value scaled by 10^decimals ("12.5" with 2 is
// 1250). False, leaving `value` alone, for anything else or a value past
// 15 whole digits.
bool ParseDecimal(std::string_view text, int decimals, int64_t& value);

// An amount typed by a person: at most two decimals, in kopecks.
inline bool ParseMoney(std::string_view text, int64_t& kopecks) {
  return ParseDecimal(text, 2, kopecks);
}

// Kopecks as an amount with two decimals: 1250 -> "12.50", 7 -> "0.07".
std::string FormatKopecks(int64_t kopecks);

}  // namespace tesmar::link
