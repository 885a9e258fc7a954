// The BMP check of the logo window: files whose pixel data fall short of
// what their header describes, or whose compressed body leaves the picture
// or some of its pixels, are told apart from whole ones.
#include "service/core/logo_bmp.h"

#include <gtest/gtest.h>

#include <string>

using namespace tesmar::service;

namespace {

void Put(std::string& s, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
}

struct Bmp {
  int32_t width = 8, height = 2;
  uint16_t bits = 1;
  uint32_t compression = 0, colours = 0, infoSize = 40;
  int32_t offBits = -1;  // -1: right behind the colour table
  std::string table, pixels;

  std::string File() const {
    std::string info;
    Put(info, infoSize, 4);
    if (infoSize == 12) {
      Put(info, static_cast<uint32_t>(width), 2);
      Put(info, static_cast<uint32_t>(height), 2);
      Put(info, 1, 2);
      Put(info, bits, 2);
    } else {
      Put(info, static_cast<uint32_t>(width), 4);
      Put(info, static_cast<uint32_t>(height), 4);
      Put(info, 1, 2);
      Put(info, bits, 2);
      Put(info, compression, 4);
      Put(info, static_cast<uint32_t>(pixels.size()), 4);
      Put(info, 2835, 4);
      Put(info, 2835, 4);
      Put(info, colours, 4);
      Put(info, 0, 4);
      info.resize(infoSize, '\0');
    }
    const uint32_t at = static_cast<uint32_t>(14 + info.size() + table.size());
    std::string f = "BM";
    Put(f, at + static_cast<uint32_t>(pixels.size()), 4);
    Put(f, 0, 4);
    Put(f, offBits < 0 ? at : static_cast<uint32_t>(offBits), 4);
    return f + info + table + pixels;
  }
};

// An 8-bit run-length picture of 4 x 2 pixels with two colours.
Bmp Rle8(const std::string& body) {
  Bmp b;
  b.width = 4;
  b.bits = 8;
  b.compression = 1;
  b.colours = 2;
  b.table = std::string("\xFF\xFF\xFF\0\0\0\0\0", 8);
  b.pixels = body;
  return b;
}

BmpFault Fault(const std::string& file) {
  return CheckBmp(file).fault;
}

}  // namespace

TEST(LogoBmp, anUncompressedPictureIsWholeOnlyWithEveryRowInTheFile) {
  Bmp b;
  b.table = std::string("\0\0\0\0\xFF\xFF\xFF\0", 8);
  b.pixels = std::string(8, '\x55');  // two rows of four bytes
  const BmpCheck whole = CheckBmp(b.File());
  EXPECT_EQ(whole.fault, BmpFault::kNone);
  EXPECT_EQ(whole.width, 8);
  EXPECT_EQ(whole.height, 2);
  const std::string file = b.File();
  EXPECT_EQ(Fault(file.substr(0, file.size() - 1)), BmpFault::kCut);
  b.height = 3;  // the header promises a row more than the file holds
  EXPECT_EQ(Fault(b.File()), BmpFault::kCut);
  b.height = -2;  // top-down
  EXPECT_EQ(CheckBmp(b.File()).height, 2);
  EXPECT_EQ(Fault(b.File()), BmpFault::kNone);
  b.offBits = 1000;  // the pixels said to lie beyond the end
  EXPECT_EQ(Fault(b.File()), BmpFault::kCut);
  b.offBits = 10;  // inside the headers: read right behind the colour table
  EXPECT_EQ(Fault(b.File()), BmpFault::kNone);

  Bmp rgb;  // 24 bits: rows of 3 x 3 bytes padded to 12
  rgb.width = 3;
  rgb.bits = 24;
  rgb.pixels = std::string(24, '\0');
  EXPECT_EQ(Fault(rgb.File()), BmpFault::kNone);
  rgb.pixels.resize(23);
  EXPECT_EQ(Fault(rgb.File()), BmpFault::kCut);

  Bmp core;  // the 12-byte header: three bytes a colour
  core.infoSize = 12;
  core.table = std::string(6, '\0');
  core.pixels = std::string(8, '\0');
  EXPECT_EQ(Fault(core.File()), BmpFault::kNone);
  core.table.resize(4);  // the pixels now begin two bytes early
  EXPECT_EQ(Fault(core.File()), BmpFault::kCut);
}

TEST(LogoBmp, aRunLengthBodyMustStayInsideThePictureAndGiveEveryPixel) {
  const std::string row = std::string("\x04\x01\0\0", 4);
  EXPECT_EQ(Fault(Rle8(row + row + std::string("\0\x01", 2)).File()), BmpFault::kNone);
  EXPECT_EQ(Fault(Rle8(row + row).File()), BmpFault::kNone);  // the last line's end ends it
  // Absolute pixels, padded to a whole word.
  const std::string absolute = std::string("\0\x03\x01\x00\x01\0\x01\x01\0\0", 10);
  EXPECT_EQ(Fault(Rle8(absolute + row).File()), BmpFault::kNone);
  // Cut: before the end, inside a run, inside absolute pixels, inside a jump.
  EXPECT_EQ(Fault(Rle8(row).File()), BmpFault::kCut);
  EXPECT_EQ(Fault(Rle8(row + "\x04").File()), BmpFault::kCut);
  EXPECT_EQ(Fault(Rle8(row + std::string("\0", 1)).File()), BmpFault::kCut);
  EXPECT_EQ(Fault(Rle8(row + std::string("\0\x03\x01\x01", 4)).File()), BmpFault::kCut);
  EXPECT_EQ(Fault(Rle8(row + std::string("\0\x02\x01", 3)).File()), BmpFault::kCut);
  // Broken: a run past the row's end, absolute pixels past it, a jump out.
  EXPECT_EQ(Fault(Rle8(std::string("\x05\x01\0\0", 4) + row).File()), BmpFault::kBrokenRle);
  EXPECT_EQ(Fault(Rle8(std::string("\x02\x01\0\x03\x01\x01\x01\0", 8) + row).File()),
            BmpFault::kBrokenRle);
  EXPECT_EQ(Fault(Rle8(std::string("\0\x02\x05\0", 4) + row + row).File()), BmpFault::kBrokenRle);
  EXPECT_EQ(Fault(Rle8(std::string("\0\x02\0\x02", 4) + row + row).File()), BmpFault::kBrokenRle);
  // Gaps: a row ended early, a jump, the end before the last row.
  EXPECT_EQ(Fault(Rle8(std::string("\x03\x01\0\0", 4) + row).File()), BmpFault::kRleGaps);
  EXPECT_EQ(Fault(Rle8(std::string("\0\x02\x01\0\x03\x01\0\0", 8) + row).File()),
            BmpFault::kRleGaps);
  EXPECT_EQ(Fault(Rle8(row + std::string("\0\x01", 2)).File()), BmpFault::kRleGaps);

  // 4 bits: five absolute pixels are three bytes and a pad byte.
  Bmp four = Rle8(std::string("\0\x05\x01\x23\x40\0\0\0", 8) + std::string("\x05\x11\0\x01", 4));
  four.width = 5;
  four.bits = 4;
  four.compression = 2;
  EXPECT_EQ(Fault(four.File()), BmpFault::kNone);
}

TEST(LogoBmp, headersThatAreNotReadHereAreNoBmp) {
  Bmp b;
  b.pixels = std::string(8, '\0');
  EXPECT_EQ(Fault("GIF89a" + b.File().substr(6)), BmpFault::kNotBmp);
  EXPECT_EQ(Fault("BM"), BmpFault::kNotBmp);
  EXPECT_EQ(Fault(b.File().substr(0, 30)), BmpFault::kNotBmp);
  for (uint32_t size : {4u, 56u, 200u}) {
    Bmp odd = b;
    odd.infoSize = size;
    EXPECT_EQ(Fault(odd.File()), BmpFault::kNotBmp) << size;
  }
  Bmp twoBits = b, rle4OfEight = b, noWidth = b, tooManyColours = b;
  twoBits.bits = 2;
  rle4OfEight.bits = 8;
  rle4OfEight.compression = 2;
  noWidth.width = 0;
  tooManyColours.colours = 257;
  for (const Bmp& bad : {twoBits, rle4OfEight, noWidth, tooManyColours})
    EXPECT_EQ(Fault(bad.File()), BmpFault::kNotBmp);
}
