// Runs arbitrary files through the logo window's BMP check and, for a file
// it passes, through an independent reading of the pixel data: every pixel
// of a run-length body given a value exactly once, nothing read beyond the
// file's end, every row of an uncompressed one inside the file. Then the
// upload stream of the picture's area the registrar could take.
#include <cstdlib>
#include <string_view>
#include <vector>

#include "service/core/logo_bmp.h"
#include "service/core/logo_stream.h"

using namespace tesmar::service;

namespace {

// Decodes a run-length body pixel by pixel, each write and read checked; a
// fault of the body aborts, since the check passed it.
void DecodeRle(std::string_view f, const BmpCheck& c) {
  const size_t width = static_cast<size_t>(c.width), rows = static_cast<size_t>(c.height);
  if (width * rows > (1u << 22)) return;  // the walk alone is enough for huge ones
  std::vector<uint8_t> hits(width * rows, 0);
  size_t at = static_cast<size_t>(c.pixelsAt), x = 0, y = 0;
  auto next = [&]() -> uint8_t {
    if (at >= f.size()) std::abort();  // read beyond the end
    return static_cast<uint8_t>(f[at++]);
  };
  auto put = [&]() {
    if (x >= width || y >= rows) std::abort();  // written outside the picture
    if (++hits[y * width + x++] != 1) std::abort();
  };
  const bool nibbles = c.compression == 2;
  while (y < rows) {
    const uint8_t n = next(), v = next();
    if (n) {
      for (int i = 0; i < n; ++i) put();
    } else if (v == 0) {
      x = 0, ++y;
    } else if (v == 1) {
      break;
    } else if (v == 2) {
      if (next() || next()) std::abort();  // a jump leaves pixels without a value
    } else {
      const size_t bytes = nibbles ? (v + 1u) / 2u : v;
      for (size_t i = 0; i < bytes + (bytes & 1u); ++i) next();
      for (int i = 0; i < v; ++i) put();
    }
  }
  for (uint8_t h : hits)
    if (h != 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const BmpCheck c = CheckBmp(file);
  if (!c.ok()) return 0;
  if (c.width <= 0 || c.height <= 0 || c.pixelsAt >= size) std::abort();
  if (c.compression == 1 || c.compression == 2) {
    DecodeRle(file, c);
  } else {
    const uint64_t stride = (static_cast<uint64_t>(c.width) * c.bits + 31) / 32 * 4;
    if (c.pixelsAt + stride * static_cast<uint64_t>(c.height) > size) std::abort();
  }
  // The registrar's area at most: 384 x 96, ink from the file's bytes.
  const int w = c.width < 384 ? c.width : 384, h = c.height < 96 ? c.height : 96;
  const std::vector<uint8_t> stream =
      PackLogo(w, h, [&](int x, int y) { return (data[(x + y) % size] & 1) != 0; });
  if (stream.size() != static_cast<size_t>(h) * static_cast<size_t>((w + 7) / 8)) std::abort();
  const std::vector<std::string> lines = LogoLines(stream);
  if (lines.size() != (stream.size() + kLogoLineBytes - 1) / kLogoLineBytes) std::abort();
  for (const std::string& l : lines)
    if (l.size() != 2 * kLogoLineBytes) std::abort();
  return 0;
}
