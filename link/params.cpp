#include "link/params.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tesmar::link {

namespace {

std::string Fixed(double value, int decimals) {
  if (!std::isfinite(value)) return {};
  char buf[kMaxNumberText];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string();
}

}  // namespace

std::string FormatAmount(double value) {
  return Fixed(value, 2);
}

std::string FormatQuantity(double value) {
  return Fixed(value, 3);
}

Params& Params::Add(std::string_view text) {
  text_.append(text);
  text_ += ';';
  return *this;
}

Params& Params::AddInteger(long long value) {
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return Add(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

Params& Params::Hex(int value, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", width, static_cast<unsigned>(value));
  return Add(buf);
}

Params& Params::TwoDigits(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02i", value);
  return Add(buf);
}

Params& Params::AddNumber(const std::string& number) {
  if (number.empty()) fits_ = false;
  return Add(number);
}

Params& Params::Amount(double value) {
  return AddNumber(FormatAmount(value));
}

Params& Params::Quantity(double value) {
  return AddNumber(FormatQuantity(value));
}

}  // namespace tesmar::link
