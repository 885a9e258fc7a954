#include "service/core/logo_stream.h"

namespace tesmar::service {

std::vector<uint8_t> PackLogo(int width, int height, const PixelInk& ink) {
  std::vector<uint8_t> out;
  if (width <= 0 || height <= 0) return out;
  const int rowBytes = (width + 7) / 8;
  out.reserve(static_cast<size_t>(rowBytes) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int b = 0; b < rowBytes; ++b) {
      uint8_t byte = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = b * 8 + bit;
        if (x < width && ink(x, y)) byte |= static_cast<uint8_t>(0x80 >> bit);
      }
      out.push_back(byte);
    }
  }
  return out;
}

std::vector<std::string> LogoLines(const std::vector<uint8_t>& stream) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::vector<std::string> lines;
  for (size_t at = 0; at < stream.size(); at += kLogoLineBytes) {
    std::string line;
    for (size_t i = at; i < at + kLogoLineBytes; ++i) {
      const uint8_t b = i < stream.size() ? stream[i] : 0;
      line += kDigits[b >> 4];
      line += kDigits[b & 15];
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

int MaxLogoHeight(long long logoBytes, long long maxWidth) {
  if (maxWidth <= 0 || logoBytes <= 0) return 0;
  return static_cast<int>(logoBytes * 8 / maxWidth);
}

}  // namespace tesmar::service
