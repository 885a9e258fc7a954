// Values and conditions without a file or a registrar.
#include "script/values.h"

#include <gtest/gtest.h>

#include "script/conditions.h"
#include "tests/script/script_error.h"

using namespace tesmar::script;
using tesmar::test::ErrorOf;

namespace {

VariableTable Table(std::initializer_list<std::pair<const char*, const char*>> vars) {
  VariableTable t;
  for (const auto& [name, value] : vars) t.Assign(t.Declare(name) - 1, value);
  return t;
}

}  // namespace

TEST(ScriptValues, operandsResolveAsVariableThenDigitsThenQuotedText) {
  const VariableTable t = Table({{"5", "five"}, {"T_n", "7"}});
  Operand o;
  ASSERT_TRUE(t.Resolve("5", false, o));  // a variable named by digits wins
  EXPECT_TRUE(o.isVariable);
  EXPECT_EQ(t.ValueOf(o), "five");
  ASSERT_TRUE(t.Resolve("12", false, o));
  EXPECT_FALSE(o.isVariable);
  EXPECT_EQ(t.ValueOf(o), "12");
  ASSERT_TRUE(t.Resolve("", false, o));  // no digits at all is a number too
  EXPECT_EQ(t.ValueOf(o), "");
  EXPECT_FALSE(t.Resolve("\"ab\"", false, o));
  ASSERT_TRUE(t.Resolve("\"ab\"", true, o));
  EXPECT_TRUE(o.isText);
  EXPECT_EQ(t.ValueOf(o), "ab");
  EXPECT_FALSE(t.Resolve("-3", true, o));   // no negative literals
  EXPECT_FALSE(t.Resolve("t_n", true, o));  // names compare exactly
  EXPECT_FALSE(t.Resolve("\"", true, o));   // one quote is no quoted text
}

TEST(ScriptValues, theHundredAndFirstVariableIsRefused) {
  VariableTable t;
  for (int i = 0; i < VariableTable::kMax; ++i)
    EXPECT_EQ(t.Declare("v" + std::to_string(i)), i + 1);
  EXPECT_EQ(ErrorOf([&] { t.Declare("w"); }), "Ошибка - больше 100 переменных!");
  EXPECT_EQ(t.All().size(), 100u);
}

TEST(ScriptValues, integerAndFloatConversions) {
  EXPECT_EQ(IntegerValue(" -42 "), -42);
  EXPECT_EQ(IntegerValue("9223372036854775807"), 9223372036854775807LL);
  for (const char* bad : {"", "1.5", "9223372036854775808", "+1", "1 2", "0x10"})
    EXPECT_EQ(ErrorOf([&] { IntegerValue(bad); }),
              std::string("Ошибка - значение \"") + bad + "\" не является целым числом!")
        << bad;
  EXPECT_DOUBLE_EQ(FloatValue("0.25"), 0.25);
  EXPECT_DOUBLE_EQ(FloatValue("-3"), -3.0);
  for (const char* bad : {"1,5", "inf", "nan", "1e999", ""})
    EXPECT_EQ(ErrorOf([&] { FloatValue(bad); }),
              std::string("Ошибка - значение \"") + bad + "\" не является числом!")
        << bad;
}

TEST(ScriptValues, retNamesFieldsZeroToNineteen) {
  EXPECT_EQ(RetField("%Ret0"), 0);
  EXPECT_EQ(RetField("%Ret19"), 19);
  EXPECT_EQ(RetField("%Ret0000000000000000000000007"), 7);  // leading zeros do not count
  EXPECT_EQ(RetField("%Ret"), std::nullopt);
  EXPECT_EQ(RetField("%Ret1x"), std::nullopt);
  EXPECT_EQ(RetField("%ret1"), std::nullopt);
  EXPECT_EQ(RetField(" %Ret1"), std::nullopt);
  EXPECT_EQ(ErrorOf([] { RetField("%Ret20"); }), "Ошибка - номер поля %Ret больше 19!");
  EXPECT_EQ(ErrorOf([] { RetField("%Ret99999999999999999999"); }),
            "Ошибка - номер поля %Ret больше 19!");
}

TEST(ScriptValues, parenthesisFieldsSplitAtCommasUpToTheLastParenthesis) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ParenthesisFields("(a, b ,c)"), (V{"a", "b", "c"}));
  EXPECT_EQ(ParenthesisFields("(f(x), y) tail"), (V{"f(x)", "y"}));
  EXPECT_EQ(ParenthesisFields("a, b"), (V{"a", "b"}));
  EXPECT_EQ(ParenthesisFields("()"), (V{""}));
  EXPECT_EQ(ParenthesisFields("(a,,)"), (V{"a", "", ""}));
}

TEST(ScriptConditions, eachOperatorBelowAtAndAboveItsBoundary) {
  struct Case {
    const char* op;
    bool below, at, above;  // left 2, 3, 4 against right 3
  };
  const Case cases[] = {{"<", true, false, false},
                        {"<=", true, true, false},
                        {"==", false, true, false},
                        {">=", false, true, true},
                        {">", false, false, true}};
  VariableTable t = Table({{"i", "0"}});
  for (const Case& c : cases) {
    Condition cond = ParseCondition(std::string("(i") + c.op + "3)", t, "none");
    const bool expected[] = {c.below, c.at, c.above};
    for (int left = 2; left <= 4; ++left) {
      t.Assign(0, std::to_string(left));  // evaluated at the variable's current value
      EXPECT_EQ(Evaluate(cond, t), expected[left - 2]) << c.op << " with " << left;
      EXPECT_EQ(cond.value, expected[left - 2]);
    }
  }
}

TEST(ScriptConditions, operatorIsTheFirstOfTheListFoundAnywhere) {
  const VariableTable t = Table({{"i", "5"}});
  EXPECT_EQ(ParseCondition("(i >= 3)", t, "none").op, Comparison::kGreaterEqual);
  EXPECT_EQ(ParseCondition("( 3 <= i )", t, "none").op, Comparison::kLessEqual);
  EXPECT_EQ(ParseCondition("(i>3)", t, "none").op, Comparison::kGreater);
  // "==" is searched before "<": the left side is then "1<2", no operand.
  bool logs = false;
  EXPECT_EQ(ErrorOf([&] { ParseCondition("(1<2==1)", t, "none"); }, &logs), "Ошибка переменной!");
  EXPECT_TRUE(logs);
  for (const char* none : {"(i=3)", "(i!=3)", "", "("}) {
    logs = false;
    EXPECT_EQ(ErrorOf([&] { ParseCondition(none, t, "no operator"); }, &logs), "no operator")
        << none;
    EXPECT_TRUE(logs) << none;
  }
}

TEST(ScriptConditions, operandsAreVariablesOrDigitsOnlyAndComparedAsIntegers) {
  VariableTable t = Table({{"s", "abc"}, {"n", "-7"}});
  for (const char* bad : {"(j<3)", "(n<-3)", "(n<\"3\")"})
    EXPECT_EQ(ErrorOf([&] { ParseCondition(bad, t, "none"); }), "Ошибка переменной!") << bad;
  Condition c = ParseCondition("(n<0)", t, "none");
  EXPECT_TRUE(Evaluate(c, t));  // a variable may hold a negative value
  c = ParseCondition("(10<9)", t, "none");
  EXPECT_FALSE(Evaluate(c, t));  // numbers, not texts
  c = ParseCondition("(s==0)", t, "none");
  EXPECT_EQ(ErrorOf([&] { Evaluate(c, t); }),
            "Ошибка - значение \"abc\" не является целым числом!");
}
