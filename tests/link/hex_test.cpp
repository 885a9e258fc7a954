// The one hexadecimal reader: each case rule takes what it says and nothing
// else, and no sign, prefix, blank or overflow slips through.
#include "link/hex.h"

#include <gtest/gtest.h>

using tesmar::link::HexCase;
using tesmar::link::HexDigit;
using tesmar::link::ParseHex;
using tesmar::link::ParseHexBytes;

TEST(Hex, theCaseRuleDecidesTheLowerCaseLettersAlone) {
  for (char c : std::string("0123456789ABCDEF")) {
    EXPECT_GE(HexDigit(c, HexCase::kUpperOnly), 0) << c;
    EXPECT_EQ(HexDigit(c, HexCase::kUpperOnly), HexDigit(c, HexCase::kAny)) << c;
  }
  for (char c : std::string("abcdef")) {
    EXPECT_EQ(HexDigit(c, HexCase::kUpperOnly), -1) << c;
    EXPECT_EQ(HexDigit(c, HexCase::kAny), c - 'a' + 10) << c;
  }
  for (char c : std::string("gG/:@`x \0", 9)) EXPECT_EQ(HexDigit(c, HexCase::kAny), -1) << int(c);
  EXPECT_EQ(ParseHex("C0A80001", HexCase::kUpperOnly), 0xC0A80001u);
  EXPECT_EQ(ParseHex("c0a80001", HexCase::kAny), 0xC0A80001u);
  EXPECT_FALSE(ParseHex("c0A80001", HexCase::kUpperOnly));
}

TEST(Hex, onlyDigitsAreAValue) {
  for (const char* bad : {"", "0x1F", "+1F", "-1", " 1F", "1F ", "1 F", "1G"})
    EXPECT_FALSE(ParseHex(bad, HexCase::kAny)) << '"' << bad << '"';
  EXPECT_EQ(ParseHex("FFFFFFFFFFFFFFFF", HexCase::kAny), UINT64_MAX);
  EXPECT_EQ(ParseHex("0000000000000000001", HexCase::kAny), 1u);  // leading zeros are no overflow
  EXPECT_FALSE(ParseHex("10000000000000000", HexCase::kAny));     // 2^64
}

TEST(Hex, bytesArePairsOfDigits) {
  EXPECT_EQ(ParseHexBytes("00FF7A", HexCase::kUpperOnly), std::string("\x00\xFF\x7A", 3));
  EXPECT_EQ(ParseHexBytes("", HexCase::kUpperOnly), std::string());
  EXPECT_FALSE(ParseHexBytes("ABC", HexCase::kAny));
  EXPECT_FALSE(ParseHexBytes("0a", HexCase::kUpperOnly));
  EXPECT_EQ(ParseHexBytes("0a", HexCase::kAny), std::string("\x0A"));
}
