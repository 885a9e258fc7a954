#include "service/core/logo_bmp.h"

#include <cstdlib>

namespace tesmar::service {

namespace {

constexpr size_t kFileHeader = 14;
constexpr uint32_t kCoreHeader = 12;  // OS/2 1.x: 16-bit sizes, no compression
constexpr uint32_t kInfoHeader = 40;
constexpr uint32_t kV4Header = 108;  // carries its bit field masks
constexpr int kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
// The largest picture Qt agrees to read.
constexpr uint64_t kMaxPixels = 16384ull * 16384ull;

uint32_t U16(std::string_view f, size_t at) {
  return static_cast<uint8_t>(f[at]) | static_cast<uint32_t>(static_cast<uint8_t>(f[at + 1])) << 8;
}
uint32_t U32(std::string_view f, size_t at) {
  return U16(f, at) | U16(f, at + 2) << 16;
}

struct Header {
  int64_t width = 0, height = 0;
  uint32_t planes = 0, bits = 0, compression = kRgb, colours = 0;
};

bool ReadHeader(std::string_view f, uint32_t size, Header& h) {
  const size_t at = kFileHeader + 4;
  if (size == kCoreHeader) {
    h.width = static_cast<int16_t>(U16(f, at));
    h.height = static_cast<int16_t>(U16(f, at + 2));
    h.planes = U16(f, at + 4);
    h.bits = U16(f, at + 6);
    return true;
  }
  if (size != kInfoHeader && size != 64 && size != kV4Header && size != 124) return false;
  h.width = static_cast<int32_t>(U32(f, at));
  h.height = static_cast<int32_t>(U32(f, at + 4));
  h.planes = U16(f, at + 8);
  h.bits = U16(f, at + 10);
  h.compression = U32(f, at + 12);
  h.colours = U32(f, at + 28);
  return true;
}

bool Readable(const Header& h) {
  const uint32_t b = h.bits, c = h.compression;
  const bool depth = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
  const bool packing = c == kRgb || (c == kRle8 && b == 8) || (c == kRle4 && b == 4) ||
                       (c == kBitFields && (b == 16 || b == 32));
  const uint64_t rows = static_cast<uint64_t>(std::llabs(h.height));
  return depth && packing && h.planes == 1 && h.width > 0 && rows > 0 && h.height != INT32_MIN &&
         static_cast<uint64_t>(h.width) * rows <= kMaxPixels && (b > 8 || h.colours <= 256);
}

// Walks a run-length body from `at`: every run inside its row, every pixel
// given a value, ended by the end-of-picture mark or the last row's end of
// line.
BmpFault WalkRle(std::string_view f, size_t at, uint64_t width, uint64_t rows, bool nibbles) {
  uint64_t x = 0, y = 0, filled = 0;
  while (y < rows) {
    if (f.size() - at < 2) return BmpFault::kCut;
    const uint8_t count = static_cast<uint8_t>(f[at]), what = static_cast<uint8_t>(f[at + 1]);
    at += 2;
    if (count > 0) {  // `count` pixels of one value
      if (x + count > width) return BmpFault::kBrokenRle;
      x += count;
      filled += count;
    } else if (what == 0) {  // end of line
      x = 0;
      ++y;
    } else if (what == 1) {  // end of picture
      break;
    } else if (what == 2) {  // a jump: skips pixels
      if (f.size() - at < 2) return BmpFault::kCut;
      const uint8_t dx = static_cast<uint8_t>(f[at]), dy = static_cast<uint8_t>(f[at + 1]);
      at += 2;
      if (x + dx > width || y + dy >= rows) return BmpFault::kBrokenRle;
      if (dx || dy) return BmpFault::kRleGaps;
    } else {  // `what` pixels as they stand, padded to a whole word
      size_t bytes = nibbles ? (what + 1u) / 2u : what;
      bytes += bytes & 1u;
      if (x + what > width) return BmpFault::kBrokenRle;
      if (f.size() - at < bytes) return BmpFault::kCut;
      at += bytes;
      x += what;
      filled += what;
    }
  }
  return filled == width * rows ? BmpFault::kNone : BmpFault::kRleGaps;
}

}  // namespace

BmpCheck CheckBmp(std::string_view f) {
  BmpCheck out;
  if (f.size() < kFileHeader + 4 || f.substr(0, 2) != "BM") return out;
  const uint32_t infoSize = U32(f, kFileHeader);
  Header h;
  if (infoSize > f.size() - kFileHeader) return out;
  if (!ReadHeader(f, infoSize, h) || !Readable(h)) return out;
  out.width = static_cast<int>(h.width);
  out.height = static_cast<int>(std::llabs(h.height));
  out.bits = static_cast<int>(h.bits);
  out.compression = static_cast<int>(h.compression);
  const uint64_t width = static_cast<uint64_t>(h.width), rows = static_cast<uint64_t>(out.height);

  // Then the bit field masks (unless the header holds them) or the colour
  // table, then the pixels: where the file header says, when that is
  // further on, else right behind.
  uint64_t at = kFileHeader + infoSize;
  if (h.compression == kBitFields && infoSize < kV4Header) at += 12;
  if (h.bits <= 8)
    at += (h.colours ? h.colours : 1u << h.bits) * (infoSize == kCoreHeader ? 3u : 4u);
  const int64_t offBits = static_cast<int32_t>(U32(f, 10));
  if (offBits > 0 && static_cast<uint64_t>(offBits) > at) at = static_cast<uint64_t>(offBits);
  out.pixelsAt = at;
  if (at >= f.size()) {
    out.fault = BmpFault::kCut;
    return out;
  }
  if (h.compression == kRle8 || h.compression == kRle4) {
    out.fault = WalkRle(f, static_cast<size_t>(at), width, rows, h.compression == kRle4);
    return out;
  }
  const uint64_t stride = (width * h.bits + 31) / 32 * 4;
  out.fault = stride * rows > f.size() - at ? BmpFault::kCut : BmpFault::kNone;
  return out;
}

}  // namespace tesmar::service
