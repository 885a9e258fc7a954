#include "link/encoding.h"

#include <gtest/gtest.h>

using namespace tesmar::link;

TEST(TextConversion, typedTextConvertsExactlyOrSaysWhatIsWrongWhere) {
  const Cp1251Text ok = Utf8ToCp1251Exact("Привіт, № 5 € «x»");
  ASSERT_TRUE(ok.ok);
  EXPECT_EQ(ok.text, "\xCF\xF0\xE8\xE2\xB3\xF2, \xB9 5 \x88 \xABx\xBB");
  EXPECT_EQ(ok.fault, TextFault::kNone);

  // A Latin-1 byte typed where UTF-8 was expected.
  const Cp1251Text broken = Utf8ToCp1251Exact("731942;caf\xE9 12.50;");
  EXPECT_FALSE(broken.ok);
  EXPECT_TRUE(broken.text.empty());
  EXPECT_EQ(broken.fault, TextFault::kInvalidUtf8);
  EXPECT_EQ(broken.offset, 10u);

  const Cp1251Text outside = Utf8ToCp1251Exact("ok 😀 ok");
  EXPECT_FALSE(outside.ok);
  EXPECT_EQ(outside.fault, TextFault::kNotInCp1251);
  EXPECT_EQ(outside.offset, 3u);
  EXPECT_EQ(outside.codePoint, U'\U0001F600');

  EXPECT_EQ(Utf8ToCp1251Exact("café").codePoint, U'é');  // Latin, not Cyrillic
  for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xE2\x82", "\x80"})
    EXPECT_EQ(Utf8ToCp1251Exact(bad).fault, TextFault::kInvalidUtf8) << bad;
  EXPECT_TRUE(Utf8ToCp1251Exact("").ok);
}

TEST(TextConversion, lossyConversionMarksEachFaultOnceAndSkipsNothingElse) {
  // Only the broken byte is lost, not the valid bytes after it.
  EXPECT_EQ(Utf8ToCp1251("caf\xE9 12.50;"), "caf? 12.50;");
  EXPECT_EQ(Utf8ToCp1251("a\xE2\x82z"), "a?z");  // one broken sequence, one '?'
  EXPECT_EQ(Utf8ToCp1251("a😀b日c"), "a?b?c");
  EXPECT_EQ(Utf8ToCp1251("Тест"), "\xD2\xE5\xF1\xF2");
}

TEST(TextConversion, printableFormsEscapeWhatAPersonCannotRead) {
  EXPECT_EQ(PrintableUtf8("caf\xE9\x01 ok ї"), "caf<E9><01> ok ї");
  EXPECT_EQ(PrintableCp1251("\x01\xCF"), "<01>П");
  EXPECT_EQ(Cp1251ToUtf8("\xCF\x98\xF0"), "П?р");  // 98h has no character
}
