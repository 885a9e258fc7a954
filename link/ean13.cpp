#include "link/ean13.h"

namespace tesmar::link {

namespace {

// Left-hand odd (set A), left-hand even (set B) and right-hand (set C) codes.
constexpr const char* kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                   "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr const char* kSetB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                   "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr const char* kSetC[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                   "1001110", "1010000", "1000100", "1001000", "1110100"};
// Parity of digits 2 to 7, chosen by the first digit.
constexpr const char* kParity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                     "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
constexpr int kLinePixels = 128;
constexpr int kLeftQuiet = 9;

}  // namespace

bool IsEan13Payload(std::string_view digits) {
  if (digits.size() != 12) return false;
  for (char c : digits)
    if (c < '0' || c > '9') return false;
  return true;
}

int Ean13CheckDigit(std::string_view digits12) {
  int sum = 0;
  for (size_t i = 0; i < 12; ++i) sum += (digits12[i] - '0') * (i % 2 == 0 ? 1 : 3);
  return (10 - sum % 10) % 10;
}

std::string Ean13Modules(std::string_view d) {
  std::string m = "101";
  const char* parity = kParity[d[0] - '0'];
  for (int i = 1; i <= 6; ++i) m += (parity[i - 1] == 'A' ? kSetA : kSetB)[d[i] - '0'];
  m += "01010";
  for (int i = 7; i <= 12; ++i) m += kSetC[d[i] - '0'];
  m += "101";
  return m;
}

std::string Ean13Line(std::string_view digits12) {
  std::string digits(digits12);
  digits += static_cast<char>('0' + Ean13CheckDigit(digits12));
  std::string pixels(kLinePixels, '0');
  pixels.replace(kLeftQuiet, 95, Ean13Modules(digits));
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (int i = 0; i < kLinePixels; i += 4) {
    int nibble = 0;
    for (int j = 0; j < 4; ++j) nibble = nibble * 2 + (pixels[i + j] - '0');
    out += hex[nibble];
  }
  return out;
}

}  // namespace tesmar::link
