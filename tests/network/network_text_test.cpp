// The network windows' encodings and texts: addresses, ports and periods on
// the wire, the acquirer settings file, the modem's dates, ID_DEV in
// hexadecimal and the Wi-Fi command line.
#include "service/network_text.h"

#include <gtest/gtest.h>

#include "link/network_formatters.h"

using namespace tesmar;
using namespace tesmar::service;

TEST(NetworkEncoding, addressesGoOutAsEightHexDigitsInDottedOrder) {
  uint32_t a = 0;
  ASSERT_TRUE(ParseDottedAddress("192.168.0.1", a));
  EXPECT_EQ(link::HexAddress(a), "C0A80001");
  ASSERT_TRUE(ParseDottedAddress("10.0.0.1", a));
  EXPECT_EQ(link::HexAddress(a), "0A000001");
  ASSERT_TRUE(ParseDottedAddress("255.255.255.255", a));
  EXPECT_EQ(link::HexAddress(a), "FFFFFFFF");
  uint32_t back = 0;
  ASSERT_TRUE(link::ParseHexAddress("C0A80001", back));
  EXPECT_EQ(DottedAddress(back), "192.168.0.1");
}

TEST(NetworkEncoding, wordsGoOutLowByteFirstAndComeBackTheSame) {
  EXPECT_EQ(link::HexWord(8080), "901F");
  EXPECT_EQ(link::HexWord(80), "5000");
  EXPECT_EQ(link::HexWord(65535), "FFFF");
  EXPECT_EQ(link::HexWord(0), "0000");
  uint16_t w = 0;
  ASSERT_TRUE(link::ParseHexWord("901F", w));
  EXPECT_EQ(w, 8080);
  ASSERT_TRUE(link::ParseHexWord("5000", w));
  EXPECT_EQ(w, 80);
}

TEST(NetworkEncoding, repliesOutsideTheEncodingAreNotRead) {
  uint32_t a = 7;
  uint16_t w = 7;
  for (const char* bad : {"C0A8000", "C0A800011", "c0a80001", "C0A8000G", "C0A8 001", ""})
    EXPECT_FALSE(link::ParseHexAddress(bad, a)) << bad;
  for (const char* bad : {"901", "901F0", "901f", "-01F", "GG00"})
    EXPECT_FALSE(link::ParseHexWord(bad, w)) << bad;
  EXPECT_EQ(a, 7u);
  EXPECT_EQ(w, 7);
}

TEST(NetworkEncoding, onlyFourDecimalOctetsMakeAnAddress) {
  uint32_t a = 0;
  for (const char* bad : {"192.168.0", "192.168.0.1.5", "192.168.0.256", "192.168..1", "a.b.c.d",
                          "192.168.0.-1", "192.168.0.+1", "", "1921680001"})
    EXPECT_FALSE(ParseDottedAddress(bad, a)) << bad;
  EXPECT_TRUE(ParseDottedAddress(" 10.0.0.1 ", a));  // blanks around the address are no harm
}

TEST(NetworkEncoding, portsAndPeriodsAreDecimalBelow65536) {
  uint16_t w = 0;
  EXPECT_TRUE(ParseWord("65535", w));
  EXPECT_EQ(w, 65535);
  for (const char* bad : {"65536", "99999", "-1", "", "80a", "1e3", "0x50"})
    EXPECT_FALSE(ParseWord(bad, w)) << bad;
}

TEST(LinkTexts, theFirstBadFieldNamesItsMessage) {
  const LinkTexts good{
      true, "192.168.0.100", "255.255.255.0", "192.168.0.1", "10.0.0.1", "8080", "60", "30"};
  link::NetworkSettings s;
  ASSERT_EQ(ParseLinkTexts(good, s), "");
  EXPECT_TRUE(s.dhcp);
  EXPECT_EQ(s.port, 8080);
  EXPECT_EQ(ShownSettings(s), good);

  auto with = [&](auto change) {
    LinkTexts t = good;
    change(t);
    link::NetworkSettings out;
    out.port = 1;
    const QString message = ParseLinkTexts(t, out);
    EXPECT_EQ(out.port, 1) << "a refused text changed the settings";
    return message;
  };
  EXPECT_EQ(with([](LinkTexts& t) { t.gateway = "192.168.0"; }), kBadAddress);
  EXPECT_EQ(with([](LinkTexts& t) { t.port = "65536"; }), kBadPort);
  EXPECT_EQ(with([](LinkTexts& t) { t.period = "70000"; }), kBadPeriod);
  EXPECT_EQ(with([](LinkTexts& t) { t.retry = ""; }), kBadRetry);
  // Addresses are checked before the numbers.
  EXPECT_EQ(with([](LinkTexts& t) {
              t.port = "x";
              t.server = "1.2.3";
            }),
            kBadAddress);
}

TEST(SettingsFile, whatIsWrittenReadsBackTheSame) {
  link::NetworkSettings s{false, 0xC0A80064, 0xFFFFFF00, 0xC0A80001, 0x0A000001, 8080, 15, 65535};
  const QString text = SettingsFileText(s);
  EXPECT_EQ(text, "0\n192.168.0.100\n255.255.255.0\n192.168.0.1\n10.0.0.1\n8080\n15\n65535\n");
  link::NetworkSettings back;
  ASSERT_EQ(ReadSettingsFile(text, back), "");
  EXPECT_EQ(back, s);
  // Lines ended the Windows way read the same.
  QString crlf = text;
  crlf.replace("\n", "\r\n");
  ASSERT_EQ(ReadSettingsFile(crlf, back), "");
  EXPECT_EQ(back, s);
}

TEST(SettingsFile, aFileThatIsNotEightValuesIsRefusedWhole) {
  link::NetworkSettings untouched;
  untouched.port = 1234;
  link::NetworkSettings out = untouched;
  const QString good = "1\n1.2.3.4\n255.0.0.0\n1.2.3.1\n5.6.7.8\n80\n1\n2\n";
  EXPECT_EQ(ReadSettingsFile("1\n1.2.3.4\n", out), kBadSettingsFile);
  EXPECT_EQ(ReadSettingsFile(good + "9\n", out), kBadSettingsFile);
  EXPECT_EQ(ReadSettingsFile(QString(good).replace(0, 1, "2"), out), kBadSettingsFile);
  EXPECT_EQ(ReadSettingsFile(QString(good).replace("80\n", QString(30, '8') + "\n"), out),
            kBadSettingsFile);
  EXPECT_EQ(ReadSettingsFile(QString(good).replace("5.6.7.8", "5.6.7.888"), out), kBadAddress);
  EXPECT_EQ(ReadSettingsFile(QString(good).replace("\n80\n", "\n80000\n"), out), kBadPort);
  EXPECT_EQ(out, untouched);
}

TEST(ModemTexts, tenDigitDatesGetTheirSeparators) {
  EXPECT_EQ(ModemDate("0812261530"), "08-12-26 15:30");
  EXPECT_EQ(ModemDate(""), "");
  EXPECT_EQ(ModemDate("08122615"), "08122615");  // not a date of that form: as it came
}

TEST(ModemTexts, idDevIsShownAsEightHexDigits) {
  EXPECT_EQ(IdDevHex("305419896"), "12345678");
  EXPECT_EQ(IdDevHex("255"), "000000FF");
  EXPECT_EQ(IdDevHex("4294967295"), "FFFFFFFF");
  EXPECT_EQ(IdDevHex("4294967296"), "");
  EXPECT_EQ(IdDevHex("12a"), "");
  EXPECT_EQ(IdDevHex(""), "");
}

TEST(WifiTexts, theCommandLineJoinsTheFieldsEachFollowedByASemicolon) {
  EXPECT_EQ(WifiCommandLine("", 0, 0, ""), ";0;0;;");
  EXPECT_EQ(WifiCommandLine("Shop-1", 3, 4, "secret12"), "Shop-1;3;4;secret12;");
  EXPECT_FALSE(WifiFieldsHoldSemicolon("", ""));
  EXPECT_TRUE(WifiFieldsHoldSemicolon("A;B", ""));
  EXPECT_TRUE(WifiFieldsHoldSemicolon("AB", "pa;ss1234"));
}
