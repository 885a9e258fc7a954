#include "link/ean13.h"

#include <gtest/gtest.h>

#include "link/formatters.h"
#include "link/memory_transport.h"
#include "tests/support/test_support.h"

using namespace tesmar::link;

// Module strings printed by `zint -b EANX --dump` for the same 12 digits.
TEST(Ean13, modulesAgreeWithAnIndependentEncoder) {
  const struct {
    const char* digits;
    const char* modules;
  } cases[] = {
      {"400638133393",
       "1010001101010011101011110111101000100101100110101010000101000010100001011101001000010110011"
       "0101"},
      {"590123412345",
       "1010001011010011101100110010011011110100111010101011001101101100100001010111001001110100010"
       "0101"},
      {"000000000000",
       "1010001101000110100011010001101000110100011010101011100101110010111001011100101110010111001"
       "0101"},
      {"978020137962",
       "1010111011000100101001110010011010011100110010101010000101000100111010010100001101100101110"
       "0101"},
      {"123456789012",
       "1010010011011110100111010110001000010100100010101010010001110100111001011001101101100100100"
       "0101"},
      {"871125300120",
       "1010111011011001100110010011011011100101111010101011100101110010110011011011001110010110110"
       "0101"},
      {"999999999999",
       "1010001011001011100101110001011001011100010110101011101001110100111010011101001110100101110"
       "0101"},
  };
  for (const auto& c : cases) {
    std::string d = c.digits;
    d += static_cast<char>('0' + Ean13CheckDigit(d));
    EXPECT_EQ(Ean13Modules(d), c.modules) << c.digits;
    // The packed line is the same modules behind 9 white pixels.
    const std::string line = Ean13Line(c.digits);
    std::string bits;
    for (char h : line) {
      const int v = h <= '9' ? h - '0' : h - 'A' + 10;
      for (int b = 3; b >= 0; --b) bits += ((v >> b) & 1) ? '1' : '0';
    }
    EXPECT_EQ(bits, std::string(9, '0') + c.modules + std::string(24, '0')) << c.digits;
    EXPECT_EQ(line.substr(0, 3), "005");
    EXPECT_EQ(line.substr(26), "000000");
  }
  EXPECT_EQ(Ean13CheckDigit("400638133393"), 1);
}

TEST(Ean13, barcodeFormatterSendsHeightAndLine) {
  tesmar::test::RecordingSleeper sleeper;
  Driver d(sleeper);
  auto* link = new MemoryTransport(
      [](const std::vector<uint8_t>& req) { return tesmar::test::Reply(req[2], req[3], ""); });
  d.AttachSerialLink(std::unique_ptr<Transport>(link));
  int r = 5;
  PrintEan13Barcode(d, "731942", 40, "400638133393", r);
  EXPECT_EQ(r, 0);
  const auto& f = link->Writes().back();
  EXPECT_EQ(std::string(f.begin() + 4, f.end() - 6),
            "731942;40;" + Ean13Line("400638133393") + ";");
  EXPECT_EQ(f[3], 0x6F);
}
