#include "link/money.h"

namespace tesmar::link {

namespace {
constexpr size_t kMaxWholeDigits = 15;
constexpr int kMaxDecimals = 3;  // 15 + 3 digits fit in 63 bits

bool AllDigits(std::string_view t) {
  for (char c : t)
    if (c < '0' || c > '9') return false;
  return true;
}
}  // namespace

bool ParseDecimal(std::string_view text, int decimals, int64_t& value) {
  const size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction =
      dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (decimals < 0 || decimals > kMaxDecimals || whole.empty() || whole.size() > kMaxWholeDigits ||
      !AllDigits(whole) || !AllDigits(fraction) ||
      fraction.size() > static_cast<size_t>(decimals) ||
      (dot != std::string_view::npos && fraction.empty()))
    return false;
  int64_t v = 0;
  for (char c : whole) v = v * 10 + (c - '0');
  for (int i = 0; i < decimals; ++i)
    v = v * 10 + (static_cast<size_t>(i) < fraction.size() ? fraction[i] - '0' : 0);
  value = v;
  return true;
}

std::string FormatKopecks(int64_t kopecks) {
  const bool negative = kopecks < 0;
  const uint64_t magnitude =
      negative ? 0 - static_cast<uint64_t>(kopecks) : static_cast<uint64_t>(kopecks);
  std::string cents = std::to_string(magnitude % 100);
  if (cents.size() < 2) cents.insert(0, "0");
  return (negative ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

}  // namespace tesmar::link
