// The emulated registrar's tape is as wide as its model's, and every amount
// it reads and writes follows its decimal point.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/emulator/emu_bench.h"
#include "emulator/printing.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

RegistrarOptions Model(const std::string& model) {
  RegistrarOptions o;
  o.model = model;
  return o;
}

size_t Chars(const std::string& utf8) {
  size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

const std::string* LineStarting(const std::vector<std::string>& tape, const std::string& start) {
  for (auto it = tape.rbegin(); it != tape.rend(); ++it)
    if (it->rfind(start, 0) == 0) return &*it;
  return nullptr;
}

}  // namespace

TEST(TapeWidth, receiptsAndReportsAreAsWideAsTheModelsTape) {
  for (const auto& [model, width] :
       std::vector<std::pair<std::string, size_t>>{{"Tesmar EMU-01", 40},
                                                   {"Tesmar CMP-10", 32},
                                                   {"Tesmar 3141", 38},
                                                   {"Datecs FP-510", 42}}) {
    Bench b(Model(model));
    ASSERT_EQ(b.Error(0x24, "731942;1;Хліб;12.50;0;1;"), "0000");
    const std::pair<int, const char*> steps[] = {{0x63, "731942;1;1;0;"},
                                                 {0x64, "731942;1;1.000;12.50;"},
                                                 {0x67, "731942;0;12.50;"},
                                                 {0x65, "731942;0;"}};
    for (const auto& [code, params] : steps) ASSERT_EQ(b.Error(code, params), "0000") << code;
    const auto receipt = b.Tape();
    ASSERT_NE(LineStarting(receipt, "СУМА"), nullptr) << model;
    EXPECT_EQ(Chars(*LineStarting(receipt, "СУМА")), width) << model;
    EXPECT_EQ(receipt.back(), std::string(width, '=')) << model;
    ASSERT_EQ(b.Error(0xA1, "731942;1;"), "0000");
    EXPECT_EQ(Chars(*LineStarting(b.Tape(), "ПРОДАЖ ВСЬОГО")), width) << model;
    EXPECT_EQ(b.Tape().back(), std::string(width, '-')) << model;
  }
}

TEST(TapeWidth, headerLinesWiderThanTheTapeAreRefusedAndPrintedLinesAreCut) {
  Bench b;  // 40 columns
  EXPECT_EQ(b.Error(0x22, "731942;0;" + std::string(40, 'H') + ";0;"), "0000");
  EXPECT_EQ(b.Error(0x22, "731942;1;" + std::string(41, 'H') + ";0;"), "0204");
  EXPECT_EQ(b.Error(0x22, "731942;2;" + std::string(20, 'D') + ";1;"), "0000");
  EXPECT_EQ(b.Error(0x22, "731942;3;" + std::string(21, 'D') + ";1;"), "0204");  // 42 columns
  EXPECT_EQ(b.Error(0x22, "731942;13;" + std::string(41, 'A') + ";0;"), "0204");
  EXPECT_TRUE(b.reg.state.textLines[1].text.empty());
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  const auto head = b.Tape();
  ASSERT_GE(head.size(), 4u);
  EXPECT_EQ(head[0], std::string(40, 'H'));
  EXPECT_EQ(Chars(head[1]), 39u);  // twenty double-width characters
  ASSERT_EQ(b.Error(0x61, "731942;" + std::string(120, 'c') + ";"), "0000");
  EXPECT_EQ(b.Tape().back(), std::string(40, 'c'));
  ASSERT_EQ(b.Error(0x6B, "731942;0;"), "0000");
  ASSERT_EQ(b.Error(0x60, "731942;"), "0000");
  ASSERT_EQ(b.Error(0x61, "731942;" + std::string(120, 'n') + ";"), "0000");
  EXPECT_EQ(b.Tape().back(), std::string(40, 'n'));
}

TEST(TapeWidth, aModelOfTheTableBringsItsFirmwareAndCountsUnlessGiven) {
  RegistrarOptions o = Model("Datecs FP-320");
  TakeModelDefaults(o, {});
  EXPECT_EQ(o.version, "4.00");
  Bench b(o);
  const auto& id = b.Run(0x80, "731942;");
  EXPECT_EQ(id.Field(1), "4.00");
  EXPECT_EQ(id.Field(9), "5");
  RegistrarOptions given = Model("CMP-10M");
  given.version = "9.99";
  given.taxGroups = 2;
  TakeModelDefaults(given, {true, true, false});
  EXPECT_EQ(given.version, "9.99");
  EXPECT_EQ(given.taxGroups, 2);
  EXPECT_EQ(given.paymentTypes, 4);
  RegistrarOptions unknown = Model("Каса 7");
  TakeModelDefaults(unknown, {});
  EXPECT_EQ(unknown.version, RegistrarOptions{}.version);
}

TEST(DecimalPoint, everyAmountIsReadAndWrittenWithThePointsDecimals) {
  Bench b;
  ASSERT_EQ(b.Error(0x49, "731942;3;"), "0000");
  ASSERT_EQ(b.Error(0x24, "731942;1;Хліб;12.50;0;1;"), "0000");
  EXPECT_EQ(b.reg.state.articles.at(1).price, 12500);
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;1;2.000;12.50;"), "0000");
  EXPECT_EQ(b.Tape().back(), "  2.000 x 12.500 = 25.000 А");
  const std::string total(b.Run(0x6D, "731942;").Field(0));
  EXPECT_EQ(total, "25.000");
  // The receipt window copies the total into the payment and sends it with
  // two decimals: it pays the receipt exactly.
  char typed[32];
  std::snprintf(typed, sizeof typed, "%.2f", std::stod(total));
  EXPECT_EQ(b.Run(0x67, std::string("731942;0;") + typed + ";").status[2], 0x04);
  EXPECT_EQ(b.RowValue("РЕШТА"), "(no row РЕШТА)");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.cash, 25000);
  EXPECT_EQ(b.RowValue("  ПДВ 20.00%"), "4.167");

  ASSERT_EQ(b.Error(0xA1, "731942;0;"), "0000");
  ASSERT_EQ(b.Error(0x49, "731942;0;"), "0000");
  EXPECT_EQ(b.Error(0x6E, "731942;1;0.50;"), "0203");  // no room for the fraction
  EXPECT_EQ(b.reg.state.cash, 25000);
  EXPECT_EQ(b.Run(0x6E, "731942;1;-5.00;").Field(0), "24995");  // cash out, whole units
  ASSERT_EQ(b.Error(0xA1, "731942;0;"), "0000");
  ASSERT_EQ(b.Error(0x49, "731942;1;"), "0000");
  ASSERT_EQ(b.Error(0x63, "731942;1;0;2;"), "0000");
  EXPECT_EQ(b.Run(0x77, "731942;0;0.50;").Field(0), "2500.0");
}
