// The logo upload stream: the upload area read row by row from the top,
// every pixel that is not pure white a 1 bit, eight to a byte with the first
// pixel in the most significant bit, each row padded to a whole byte; the
// stream cut into lines of 24 bytes written as 48 upper-case hexadecimal
// digits, the last padded with "00".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tesmar::service {

inline constexpr int kLogoLineBytes = 24;

// Whether the pixel at (x, y) prints (is not pure white).
using PixelInk = std::function<bool(int x, int y)>;

std::vector<uint8_t> PackLogo(int width, int height, const PixelInk& ink);
std::vector<std::string> LogoLines(const std::vector<uint8_t>& stream);

// The largest height the registrar takes: field 7 x 8 / field 8 of 80h.
int MaxLogoHeight(long long logoBytes, long long maxWidth);

}  // namespace tesmar::service
