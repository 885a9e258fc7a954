// Oper's operations and the date formats, without a file or a registrar.
#include "script/operations.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/script/script_error.h"

using namespace tesmar::script;
using tesmar::test::ErrorOf;

namespace {

struct OperRig {
  VariableTable table;
  std::mt19937 random{1};
  OperRig() {
    table.Declare("a");
    table.Declare("r");
  }
  std::string Run(const std::string& arg) {
    Oper(arg, table, random);
    return table.Value(1);
  }
};

}  // namespace

TEST(ScriptOperations, resultGoesToTheVariableAndUnknownOperationsDoNothing) {
  OperRig rig;
  rig.table.Assign(0, "40");
  EXPECT_EQ(rig.Run("(a, 2, 0, r)"), "42");
  EXPECT_EQ(rig.Run("(a, 2, 13, r)"), "42");  // 13 and above: no effect
  EXPECT_EQ(rig.Run("(a, 2, 0000000000000000001, r)"), "38");
  EXPECT_EQ(rig.Run("(a, a, 5, a)"), "38");
  EXPECT_EQ(rig.table.Value(0), "4040");  // the result may be an operand
}

TEST(ScriptOperations, failuresNameTheirFieldAndLogTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"(x, 1, 0, r)", "Ошибка первого параметра!"},
      {"(1, x, 0, r)", "Ошибка второго параметра!"},
      {"(1, 1, , r)", "Ошибка операции!"},
      {"(1, 1, -1, r)", "Ошибка операции!"},
      {"(1, 1, 0, x)", "Ошибка результата операции!"},
      {"(1, 1, 0)", "Ошибка результата операции!"},
      {"(\"1\", 1, 6, r)", "Ошибка операции!"},
      {"(1, \"1\", 4, r)", "Ошибка операции!"},
      {"(1, 0, 3, r)", "Ошибка - деление на ноль!"},
      {"(1, 0, 6, r)", "Ошибка - деление на ноль!"},
  };
  for (const auto& [arg, message] : cases) {
    OperRig rig;
    bool logs = false;
    EXPECT_EQ(ErrorOf([&] { rig.Run(arg); }, &logs), message) << arg;
    EXPECT_TRUE(logs) << arg;
    EXPECT_EQ(rig.table.Value(1), "") << arg;  // nothing assigned
  }
}

TEST(ScriptOperations, integerArithmeticAtTheEdgesOf64Bits) {
  std::mt19937 random;
  const std::string max = std::to_string(LLONG_MAX), min = std::to_string(LLONG_MIN);
  EXPECT_EQ(Compute("-7", "2", 3, random), "-3");  // truncated towards zero
  EXPECT_EQ(Compute("-7", "2", 4, random), "-1");
  EXPECT_EQ(Compute(min, "-1", 4, random), "0");
  EXPECT_EQ(Compute(max, "-1", 3, random), "-" + max);
  EXPECT_EQ(Compute(max, "0", 0, random), max);
  struct Case {
    std::string a, b;
    long op;
  };
  const Case cases[] = {{max, "1", 0}, {min, "1", 1}, {max, "2", 2}, {min, "-1", 3}, {"0", max, 7}};
  for (const auto& [a, b, op] : cases) {
    bool logs = false;
    EXPECT_EQ(ErrorOf([&] { Compute(a, b, op, random); }, &logs),
              "Ошибка - переполнение при вычислении!")
        << op;
    EXPECT_TRUE(logs);
  }
  // Conversion errors name the value and do not log the line.
  bool logs = true;
  EXPECT_EQ(ErrorOf([&] { Compute("1", "x", 0, random); }, &logs),
            "Ошибка - значение \"x\" не является целым числом!");
  EXPECT_FALSE(logs);
}

TEST(ScriptOperations, randomNumbersStayWithinBothEndsAndReachThem) {
  std::mt19937 random(7);
  bool low = false, high = false;
  for (int i = 0; i < 200; ++i) {
    const long long r = std::stoll(Compute("-2", "2", 7, random));
    ASSERT_GE(r, -2);
    ASSERT_LE(r, 2);
    low = low || r == -2;
    high = high || r == 2;
  }
  EXPECT_TRUE(low && high);
  EXPECT_EQ(Compute("5", "4", 7, random), "5");  // b - a + 1 is 0
  // The same seed gives the same numbers.
  std::mt19937 a(3), b(3);
  EXPECT_EQ(Compute("0", "1000000", 7, a), Compute("0", "1000000", 7, b));
}

TEST(ScriptOperations, textOperations) {
  std::mt19937 random;
  EXPECT_EQ(Compute("65", "3", 8, random), "AAA");
  EXPECT_EQ(Compute("321", "2", 8, random), "AA");  // the low 8 bits
  EXPECT_EQ(Compute("65", "-1", 8, random), "");
  EXPECT_EQ(Compute("32", "20000", 8, random).size(), 10000u);
  EXPECT_EQ(Compute("\xe0\xe1", "", 9, random), "2");  // Windows-1251 bytes
  EXPECT_EQ(Compute("1", "01", 10, random), "0");      // texts, not numbers
  EXPECT_EQ(Compute("1", "4", 6, random), "0.25");
  EXPECT_EQ(Compute("2", "3", 6, random), "0.666666666666667");
  EXPECT_EQ(Compute("1e300", "1e-5", 6, random), "1e+305");
  EXPECT_EQ(ErrorOf([&] { Compute("1e308", "1e-308", 6, random); }),
            "Ошибка - переполнение при вычислении!");
}

TEST(ScriptOperations, datesReorderedAndFormatted) {
  EXPECT_EQ(ReorderDate("091226"), "261209");
  EXPECT_EQ(ReorderDate(ReorderDate("091226")), "091226");
  EXPECT_EQ(ReorderDate("0912"), "1209");
  EXPECT_EQ(ReorderDate("1"), "1");
  std::tm t{};
  t.tm_mday = 9;
  t.tm_mon = 11;
  t.tm_year = 126;
  t.tm_hour = 7;
  t.tm_min = 5;
  t.tm_sec = 3;
  EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn:ss", t), "09.12.2026 07:05:03");
  EXPECT_EQ(FormatDateTime("d/m/yy h-n-s", t), "9/12/26 7-5-3");
  EXPECT_EQ(FormatDateTime("DDMMYY", t), "091226");
  EXPECT_EQ(FormatDateTime("\xc4\xe0\xf2\xe0: dd", t), "\xc4\xe0\xf2\xe0: 09");
  EXPECT_EQ(FormatDateTime("", t), "");
}
