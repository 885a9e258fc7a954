// Hexadecimal digits read in one place. Each caller says which letters it
// takes: the registrar's fields and the files the program writes use
// upper-case digits only (a lower-case letter there is malformed), while what a
// person types may take either case.
//
// Self-contained and header-only: nothing but the standard library is needed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesmar::link {

enum class HexCase {
  kUpperOnly,  // 0-9 and A-F
  kAny,        // 0-9, A-F and a-f
};

// The value of one hexadecimal digit, or -1 when `c` is none of the case's.
constexpr int HexDigit(char c, HexCase letters) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (letters == HexCase::kAny && c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The value of `text` read whole as hexadecimal digits: no sign, prefix or
// blank. Nothing when it is empty, holds any other character, or its value
// does not fit 64 bits.
constexpr std::optional<uint64_t> ParseHex(std::string_view text, HexCase letters) {
  if (text.empty()) return std::nullopt;
  uint64_t v = 0;
  for (char c : text) {
    const int d = HexDigit(c, letters);
    if (d < 0 || v > (UINT64_MAX >> 4)) return std::nullopt;
    v = v * 16 + static_cast<uint64_t>(d);
  }
  return v;
}

// The bytes of `hex`, two digits each, the first digit the high half. Nothing
// when the count of digits is odd or a character is no digit of the case.
inline std::optional<std::string> ParseHexBytes(std::string_view hex, HexCase letters) {
  if (hex.size() % 2) return std::nullopt;
  std::string out(hex.size() / 2, '\0');
  for (size_t i = 0; i < out.size(); ++i) {
    const int hi = HexDigit(hex[2 * i], letters), lo = HexDigit(hex[2 * i + 1], letters);
    if (hi < 0 || lo < 0) return std::nullopt;
    out[i] = static_cast<char>(hi * 16 + lo);
  }
  return out;
}

}  // namespace tesmar::link
