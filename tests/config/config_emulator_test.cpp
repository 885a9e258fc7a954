// The software registrar's configuration: what it keeps, what it refuses,
// what it prints around receipts, and that all of it survives a restart.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "emulator/configuration.h"
#include "tests/emulator/emu_bench.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

void SellOne(Bench& b, int operatorNumber) {
  b.Run(0x24, "731942;101;Хліб;12.50;1;1;");
  ASSERT_EQ(b.Error(0x63, "731942;" + std::to_string(operatorNumber) + ";1;0;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;101;1.000;12.50;"), "0000");
  ASSERT_EQ(b.Error(0x67, "731942;0;12.50;"), "0000");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
}

}  // namespace

TEST(EmuTextLines, headerLinesHeadAndAdvertisingLinesEndEveryReceiptUnlessFlaggedOff) {
  Bench b;
  ASSERT_EQ(b.Error(0x22, "731942;0;ТОВ Ромашка;0;"), "0000");
  ASSERT_EQ(b.Error(0x22, "731942;11;Дякуємо!;1;"), "0000");
  EXPECT_EQ(b.Run(0x23, "731942;0;").Field(0), link::Utf8ToCp1251("ТОВ Ромашка"));
  EXPECT_EQ(b.Run(0x23, "731942;11;").Field(1), "1");
  SellOne(b, 1);
  const auto tape = b.Tape();
  const auto head = std::find(tape.begin(), tape.end(), "ТОВ Ромашка");
  const auto foot = std::find(tape.begin(), tape.end(), "Д я к у є м о !");  // double width
  ASSERT_NE(head, tape.end());
  ASSERT_NE(foot, tape.end());
  EXPECT_LT(head, foot);

  ASSERT_EQ(b.Error(0x27, "731942;0;0;0100;00;0A;0A;32;"), "0000");
  const size_t before = b.Tape().size();
  SellOne(b, 1);
  const auto after = b.Tape();
  EXPECT_EQ(std::count(after.begin() + static_cast<long>(before), after.end(), "Д я к у є м о !"),
            0);
}

TEST(EmuTextLines, lineNumberTextLengthAndWidthAreChecked) {
  Bench b;
  EXPECT_NE(b.Error(0x22, "731942;14;x;0;"), "0000");
  EXPECT_NE(b.Error(0x22, "731942;0;" + std::string(41, 'x') + ";0;"), "0000");  // 40 wide
  EXPECT_NE(b.Error(0x22, "731942;0;x;2;"), "0000");
  EXPECT_EQ(b.Error(0x22, "731942;0;;0;"), "0000");  // an empty text clears the line
}

TEST(EmuOperators, aSaleMarksItsOperatorAndDeletingMinusOneRemovesAll) {
  Bench b;
  ASSERT_EQ(b.Error(0x2F, "731942;1;111111;Іваненко;"), "0000");
  ASSERT_EQ(b.Error(0x2F, "731942;2;222222;Петренко;"), "0000");
  EXPECT_EQ(b.Run(0x30, "731942;1;").Field(0), "0");
  SellOne(b, 1);
  EXPECT_EQ(b.Run(0x30, "731942;1;").Field(0), "1");
  EXPECT_EQ(b.Run(0x30, "731942;2;").Field(0), "0");
  EXPECT_EQ(b.Run(0x30, "731942;2;").Field(1), link::Utf8ToCp1251("Петренко"));
  ASSERT_EQ(b.Error(0x2C, "731942;-1;"), "0000");
  EXPECT_EQ(b.Run(0x30, "731942;1;").Field(1), "");
  EXPECT_NE(b.Error(0x2F, "731942;abc;1;x;"), "0000");
}

TEST(EmuPasswords, newModePasswordsAreNeededByTheirModesAndTheOldOnesNoLonger) {
  Bench b;
  ASSERT_EQ(b.Error(0x2B, "731942;111111;222222;333333;"), "0000");
  const std::string wrong = Refused(link::err::kWrongPassword).error;
  EXPECT_EQ(b.Error(0x23, "731942;0;"), wrong);  // programming
  EXPECT_EQ(b.Error(0x23, "111111;0;"), "0000");
  EXPECT_EQ(b.Error(0xA0, "731942;"), wrong);  // reports
  EXPECT_EQ(b.Error(0xA0, "222222;"), "0000");
  EXPECT_EQ(b.Error(0x2B, "731942;1;2;3;"), wrong);                 // administrator
  EXPECT_NE(b.Error(0x2B, "333333;12345;222222;333333;"), "0000");  // not six digits
  EXPECT_EQ(b.Error(0x80, "731942;"), "0000");  // other commands keep the registrar's own
}

TEST(EmuPaymentForms, maskAndNameAreKeptAndTheNumberIsBoundedByTheCount) {
  Bench b;
  ASSERT_EQ(b.Error(0x2D, "731942;2;93;Картка;"), "0000");
  const auto& r = b.Run(0x2E, "731942;2;");
  EXPECT_EQ(r.Field(0), "93");
  EXPECT_EQ(r.Field(1), link::Utf8ToCp1251("Картка"));
  EXPECT_NE(b.Error(0x2D, "731942;10;01;x;"), "0000");
  EXPECT_NE(b.Error(0x2D, "731942;1;G1;x;"), "0000");
}

TEST(EmuFiscalIdentity, numbersTaxGroupsAndOneFiscalizationFollowTheStatusBytes) {
  Bench b;
  EXPECT_NE(b.Error(0x40, "731942;ЕК1234567;123456;"), "0000");  // no factory number yet
  ASSERT_EQ(b.Error(0x41, "731942;ЕК1234567;"), "0000");
  EXPECT_EQ(b.Run(0x42, "731942;").status[4] & 0x03, 0x01);
  ASSERT_EQ(b.Error(0x43, "731942;1234567890;"), "0000");
  ASSERT_EQ(b.Error(0x45, "731942;123456789012;1234567890123;"), "0000");
  EXPECT_EQ(b.Run(0x44, "731942;").Field(0), "1234567890");
  EXPECT_EQ(b.Run(0x46, "731942;").Field(1), "1234567890123");
  ASSERT_EQ(b.Error(0x47, "731942;0;01;20.00;ПДВ_А;-1;"), "0000");
  ASSERT_EQ(b.Error(0x47, "731942;1;02;7;ПДВ_Б;0;"), "0000");
  EXPECT_NE(b.Error(0x47, "731942;1;01;7;x;1;"), "0000");   // linked to itself
  EXPECT_NE(b.Error(0x47, "731942;0;0A;7;x;-1;"), "0000");  // no such type
  const auto& g = b.Run(0x48, "731942;1;");
  EXPECT_EQ(std::string(g.Field(0)) + "|" + std::string(g.Field(1)) + "|" + std::string(g.Field(3)),
            "2|7.00|0");

  EXPECT_NE(b.Error(0x40, "731942;ЕК7654321;123456;"), "0000");  // another number
  ASSERT_EQ(b.Error(0x40, "731942;ЕК1234567;123456;"), "0000");
  EXPECT_EQ(b.Run(0x80, "731942;").status[4] & 0x02, 0x02);
  EXPECT_NE(b.Error(0x40, "731942;ЕК1234567;123456;"), "0000");  // only once
  EXPECT_NE(b.Error(0x41, "731942;ЕК0000000;"), "0000");
}

TEST(EmuParameters, speedsAndFieldsAreCheckedAndKeptAndZeroKeepsTheSpeed) {
  Bench b;
  ASSERT_EQ(b.Error(0x27, "731942;115200;3;8000;40;0A;1F;05;"), "0000");
  EXPECT_EQ(b.reg.state.lineSpeed, 115200);
  const auto& r = b.Run(0x28, "731942;");
  std::string all;
  for (int i = 0; i < 7; ++i) all += std::string(r.Field(i)) + ";";
  EXPECT_EQ(all, "115200;3;8000;40;0A;1F;05;");
  ASSERT_EQ(b.Error(0x27, "731942;0;0;0000;00;0A;0A;32;"), "0000");
  EXPECT_EQ(b.reg.state.lineSpeed, 115200);
  for (const char* bad : {"731942;14400;0;0000;00;0A;0A;32;", "731942;9600;5;0000;00;0A;0A;32;",
                          "731942;9600;0;000;00;0A;0A;32;", "731942;9600;0;0000;00;;0A;32;"})
    EXPECT_NE(b.Error(0x27, bad), "0000") << bad;
  EXPECT_EQ(b.reg.state.lineSpeed, 115200);
}

TEST(EmuDecimalPointAndRestart, pointIsKeptOutsideAShiftAndF3hAsksTheLineToRest) {
  Bench b;
  ASSERT_EQ(b.Error(0x49, "731942;3;"), "0000");
  EXPECT_EQ(b.Run(0x4A, "731942;").Field(0), "3");
  EXPECT_NE(b.Error(0x49, "731942;4;"), "0000");
  SellOne(b, 1);  // opens the shift
  EXPECT_NE(b.Error(0x49, "731942;2;"), "0000");
  ASSERT_EQ(b.Error(0xF3, "731942;"), "0000");
  Session s(b.reg);
  EXPECT_TRUE(s.TakeRestart());
  EXPECT_FALSE(s.TakeRestart());
}

TEST(EmuConfigurationState, everythingConfiguredSurvivesARestartAndBadValuesAreRefused) {
  Bench before;
  before.Run(0x22, "731942;3;Рядок;1;");
  before.Run(0x2F, "731942;4;444444;Оператор;");
  before.Run(0x2D, "731942;1;83;Готівка;");
  before.Run(0x43, "731942;1234567890;");
  before.Run(0x45, "731942;123456789012;;");
  before.Run(0x47, "731942;2;01;20.00;ПДВ_В;0;");
  before.Run(0x27, "731942;57600;1;0001;02;0B;0C;20;");
  before.Run(0x49, "731942;1;");
  before.Run(0x2B, "731942;111111;222222;333333;");

  RegistrarState after;
  std::string error;
  ASSERT_TRUE(ParseState(StateText(before.reg.state), after, &error)) << error;
  const ConfigurationState& a = after;
  const ConfigurationState& w = before.reg.state;
  EXPECT_EQ(a.textLines, w.textLines);
  EXPECT_EQ(a.operators, w.operators);
  EXPECT_EQ(a.paymentForms, w.paymentForms);
  EXPECT_EQ(a.taxGroups, w.taxGroups);
  EXPECT_EQ(a.parameters, w.parameters);
  EXPECT_EQ(a.lineSpeed, 57600);
  EXPECT_EQ(a.decimalPoint, 1);
  EXPECT_EQ(a.fiscalNumber, "1234567890");
  EXPECT_EQ(a.taxIdNumber, "123456789012");
  EXPECT_EQ(a.adminPassword, "333333");

  for (const char* bad :
       {"line_speed=14400\n", "decimal_point=4\n", "text_line.14=0,41\n", "operator.1=2,,\n",
        "tax_group.0=10,-1,,\n", "parameters=1,2,3\n", "payment_form.1=83\n"}) {
    RegistrarState s;
    EXPECT_FALSE(ParseState(bad, s, &error)) << bad;
  }
}

TEST(EmuDecimalPoint, amountsInRepliesAreWrittenWithThePointsDecimals) {
  // The price is read with the point's decimals and the total written with
  // them: the same 12.50 throughout, as far as the point can hold it.
  for (const auto& [point, price, expected] : std::vector<std::tuple<int, std::string, std::string>>{
           {2, "12.50", "12.50"}, {0, "13.00", "13"}, {1, "12.50", "12.5"}, {3, "12.50", "12.500"}}) {
    Bench b;
    ASSERT_EQ(b.Error(0x49, "731942;" + std::to_string(point) + ";"), "0000");
    ASSERT_EQ(b.Error(0x24, "731942;101;Хліб;" + price + ";1;1;"), "0000") << point;
    b.Run(0x63, "731942;1;1;0;");
    ASSERT_EQ(b.Error(0x64, "731942;101;1.000;" + price + ";"), "0000") << point;
    EXPECT_EQ(b.Run(0x6D, "731942;").Field(0), expected) << point;
  }
}
