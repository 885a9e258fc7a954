// The logo window's look at a BMP file before the picture is read: whether
// the file holds all the pixel data its header describes, so that no row is
// left unread (Qt reads a cut file without a word and leaves the missing
// rows as they happen to be). Qt-free, so that it can be fuzzed.
#pragma once

#include <cstdint>
#include <string_view>

namespace tesmar::service {

enum class BmpFault : uint8_t {
  kNone,
  kNotBmp,     // no BMP signature, or a header this program does not read
  kCut,        // the file ends before the pixel data its header describes
  kBrokenRle,  // a run or a jump of the compressed data leaves the picture
  kRleGaps,    // the compressed data leave pixels without a value
};

struct BmpCheck {
  BmpFault fault = BmpFault::kNotBmp;
  // What the header says, once it is read:
  int width = 0;          // pixels
  int height = 0;         // rows (a top-down picture's too)
  int bits = 0;           // a pixel
  int compression = 0;    // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  uint64_t pixelsAt = 0;  // where the pixel data begin
  bool ok() const { return fault == BmpFault::kNone; }
};

// Checks the file header, the info header (12, 40, 64, 108 or 124 bytes;
// 1, 4, 8, 16, 24 or 32 bits a pixel; uncompressed, RLE8, RLE4 or bit
// fields), the colour table and the pixel data against the file's size; a
// compressed body is walked to its end-of-picture mark.
BmpCheck CheckBmp(std::string_view file);

}  // namespace tesmar::service
