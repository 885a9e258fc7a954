// Taxes and payment forms on the emulated registrar: the tax each group's
// turnover includes on the receipt and in the daily reports, the groups that
// take no goods, and the payment forms' masks and names.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "tests/emulator/emu_bench.h"
#include "emulator/printing.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

// A tape row of `width` characters, built here rather than by the
// registrar's own code: the label on the left, the value on the right.
std::string Row(const std::string& label, const std::string& value, size_t width = 40) {
  size_t chars = 0;
  for (char c : label + value) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return label + std::string(width - chars, ' ') + value;
}

std::time_t Noon() {
  std::tm tm{};
  tm.tm_year = 2024 - 1900;
  tm.tm_mon = 2;
  tm.tm_mday = 5;
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

struct Till : Bench {
  explicit Till(RegistrarOptions o = {}) : Bench(std::move(o)) {
    reg.SetClock([] { return Noon(); });
  }
  size_t Mark() const { return reg.Tape().size(); }
  std::vector<std::string> Since(size_t mark) const {
    const auto all = Tape();
    return {all.begin() + static_cast<long>(mark), all.end()};
  }
  // A receipt of one article paid in cash; false at the first refusal.
  bool SellFor(long long code, const std::string& price, bool refund = false) {
    const std::string line = "731942;" + std::to_string(code) + ";1.000;" + price + ";";
    return Error(0x63, std::string("731942;1;1;") + (refund ? "1;" : "0;")) == "0000" &&
           Error(0x64, line) == "0000" && Error(0x67, "731942;0;" + price + ";") == "0000" &&
           Error(0x65, "731942;0;") == "0000";
  }
};

}  // namespace

TEST(Taxes, aSaleOf120InATwentyPercentGroupShowsTheTax20OnTheReceiptAndInTheXReport) {
  Till b;
  ASSERT_EQ(b.Error(0x47, "731942;0;01;20.00;ПДВ;-1;"), "0000");
  ASSERT_EQ(b.Error(0x24, "731942;7;Товар;120.00;0;1;"), "0000");
  size_t mark = b.Mark();
  ASSERT_TRUE(b.SellFor(7, "120.00"));
  const std::vector<std::string> receipt = {
      "ФІСКАЛЬНИЙ ЧЕК № 1",          "КАСИР 1   КАСА 1",           "Товар",
      "  1.000 x 120.00 = 120.00 А", Row("ГОТІВКА", "120.00"),     Row("СУМА", "120.00"),
      Row("ОБІГ А", "120.00"),       Row("  ПДВ 20.00%", "20.00"), std::string(40, '=')};
  EXPECT_EQ(b.Since(mark), receipt) << ::testing::PrintToString(b.Since(mark));

  mark = b.Mark();
  ASSERT_EQ(b.Error(0xA1, "731942;1;"), "0000");
  const std::vector<std::string> x = {"X-ЗВІТ",
                                      "05.03.24 12:00",
                                      Row("ЧЕКІВ ПРОДАЖУ", "1"),
                                      Row("ЧЕКІВ ПОВЕРНЕННЯ", "0"),
                                      Row("ПРОДАЖ А", "120.00"),
                                      Row("  ПДВ 20.00%", "20.00"),
                                      Row("ПОВЕРНЕННЯ А", "0.00"),
                                      Row("  ПДВ 20.00%", "0.00"),
                                      Row("ОПЛАТА 0 ПРОДАЖ", "120.00"),
                                      Row("ОПЛАТА 0 ПОВЕРНЕННЯ", "0.00"),
                                      Row("ПРОДАЖ ВСЬОГО", "120.00"),
                                      Row("ПОВЕРНЕННЯ ВСЬОГО", "0.00"),
                                      std::string(40, '-')};
  EXPECT_EQ(b.Since(mark), x) << ::testing::PrintToString(b.Since(mark));
}

TEST(Taxes, theTaxOfEachGroupsTurnoverIsRoundedToTheKopeck) {
  Till b;
  ASSERT_EQ(b.Error(0x24, "731942;1;Сіль;0.10;0;1;"), "0000");    // А, 20 % included
  ASSERT_EQ(b.Error(0x24, "731942;2;Ліки;10.00;1;1;"), "0000");   // Б, 7 %
  ASSERT_EQ(b.Error(0x24, "731942;3;Квиток;5.00;2;1;"), "0000");  // В, no tax
  size_t mark = b.Mark();
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  for (const char* sale : {"731942;1;1.000;0.10;", "731942;2;1.000;10.00;", "731942;3;1.000;5.00;"})
    ASSERT_EQ(b.Error(0x64, sale), "0000") << sale;
  ASSERT_EQ(b.Error(0x67, "731942;0;15.10;"), "0000");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  const auto receipt = b.Since(mark);
  for (const std::string& row : {Row("ОБІГ А", "0.10"), Row("  ПДВ 20.00%", "0.02"),  // 0.0167
                                 Row("ОБІГ Б", "10.00"), Row("  ПДВ 7.00%", "0.65"),  // 0.6542
                                 Row("ОБІГ В", "5.00"), Row("  БЕЗ ПДВ 0.00%", "0.00")})
    EXPECT_NE(std::find(receipt.begin(), receipt.end(), row), receipt.end()) << row;

  ASSERT_TRUE(b.SellFor(1, "0.10"));
  ASSERT_TRUE(b.SellFor(1, "0.10", true));
  mark = b.Mark();
  ASSERT_EQ(b.Error(0xA1, "731942;0;"), "0000");  // Z: the tax of the shift's turnover
  const auto z = b.Since(mark);
  const auto at = std::find(z.begin(), z.end(), Row("ПРОДАЖ А", "0.20"));
  ASSERT_NE(at, z.end()) << ::testing::PrintToString(z);
  EXPECT_EQ(at[1], Row("  ПДВ 20.00%", "0.03"));  // 0.0333, not two receipts' 0.02
  EXPECT_EQ(at[2], Row("ПОВЕРНЕННЯ А", "0.10"));
  EXPECT_EQ(at[3], Row("  ПДВ 20.00%", "0.02"));
}

TEST(Taxes, aGroupThatTakesNoGoodsRefusesThemAndChangesNothing) {
  RegistrarOptions o;
  o.taxGroups = 9;
  Till b(o);
  EXPECT_EQ(b.Error(0x24, "731942;5;Пиво;40.00;5;1;"), "050A");  // Є forbids, as from the factory
  EXPECT_EQ(b.reg.state.articles.count(5), 0u);
  ASSERT_TRUE(b.Error(0x24, "731942;5;Пиво;40.00;0;1;") == "0000" && b.SellFor(5, "40.00"));
  ASSERT_EQ(b.Error(0xA1, "731942;0;"), "0000");
  ASSERT_EQ(b.Error(0x47, "731942;0;00;0.00;;-1;"), "0000");  // А now forbids
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  const size_t mark = b.Mark();
  const auto refused = b.Run(0x64, "731942;5;1.000;40.00;");
  EXPECT_EQ(refused.errorCode.View(), "050A");
  EXPECT_EQ(refused.status[2], 0x01);  // still only the header
  EXPECT_TRUE(b.reg.state.receipt.items.empty());
  EXPECT_EQ(b.Mark(), mark);
  // A tax added on top of the price is not this registrar's: it says so.
  ASSERT_EQ(b.Error(0x6B, "731942;0;"), "0000");
  ASSERT_EQ(b.Error(0xA1, "731942;0;"), "0000");
  ASSERT_EQ(b.Error(0x47, "731942;1;02;7.00;ПДВ;-1;"), "0000");
  EXPECT_EQ(b.Error(0x24, "731942;6;Вино;90.00;1;1;"), "0102");
}

TEST(PaymentForms, aFreshRegistrarHasCashAndACardUnderTheirNamesAndForbidsTheRest) {
  Bench b;
  const auto& cash = b.Run(0x2E, "731942;0;");
  EXPECT_EQ(cash.Field(0), "83");  // sale, refund, change
  EXPECT_EQ(link::Cp1251ToUtf8(cash.Field(1)), "ГОТІВКА");
  const auto& card = b.Run(0x2E, "731942;1;");
  EXPECT_EQ(card.Field(0), "13");  // sale, refund, the terminal
  EXPECT_EQ(link::Cp1251ToUtf8(card.Field(1)), "КАРТКА");
  EXPECT_EQ(b.reg.Execute(0x2E, "731942;2;").data, "00;;");  // forbidden, no name
}

TEST(PaymentForms, theMaskSaysWhereAFormPaysAndWhetherItGivesChangeAndTheTapeNamesIt) {
  Till b;
  ASSERT_EQ(b.Error(0x24, "731942;1;Хліб;12.50;0;1;"), "0000");
  ASSERT_TRUE(b.SellFor(1, "12.50"));  // 12.50 in the till
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;1;1.000;12.50;"), "0000");
  size_t mark = b.Mark();
  EXPECT_EQ(b.Error(0x67, "731942;2;5.00;"), "090B");  // never programmed
  EXPECT_EQ(b.Error(0x78, "731942;2;5.00;TX1;"), "090B");
  EXPECT_EQ(b.Mark(), mark);
  EXPECT_TRUE(b.reg.state.receipt.payments.empty());
  ASSERT_EQ(b.Error(0x6B, "731942;0;"), "0000");

  ASSERT_EQ(b.Error(0x2D, "731942;2;01;ЧЕК;"), "0000");      // sales only
  ASSERT_EQ(b.Error(0x2D, "731942;3;81;ВАУЧЕР;"), "0000");   // sales, change in cash
  ASSERT_EQ(b.Error(0x2D, "731942;0;03;ГОТІВКА;"), "0000");  // cash without change
  ASSERT_EQ(b.Error(0x63, "731942;1;1;0;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;1;1.000;12.50;"), "0000");
  EXPECT_EQ(b.Error(0x67, "731942;0;20.00;"), "0A0B");
  EXPECT_EQ(b.Error(0x67, "731942;2;20.00;"), "0A0B");
  EXPECT_EQ(b.Error(0x78, "731942;2;5.00;TX1;"), "090B");  // no terminal for this form
  ASSERT_EQ(b.Error(0x67, "731942;2;5.00;"), "0000");
  EXPECT_EQ(b.Tape().back(), Row("ЧЕК", "5.00"));
  EXPECT_EQ(b.Error(0x67, "731942;3;30.00;"), "080B");  // 22.50 of change, 12.50 in the till
  ASSERT_EQ(b.Error(0x67, "731942;3;10.00;"), "0000");  // 2.50 of change from the till
  EXPECT_EQ(b.RowValue("ВАУЧЕР"), "10.00");
  EXPECT_EQ(b.RowValue("РЕШТА"), "2.50");
  RegistrarState kept;  // a restart before the close keeps who gave the change
  std::string error;
  ASSERT_TRUE(ParseState(StateText(b.reg.state), kept, &error)) << error;
  EXPECT_EQ(kept.receipt.changeFrom, 3);
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.cash, 1000);
  EXPECT_EQ(b.reg.state.shift.byPayment.at(3).sales, 750);  // what the voucher paid, net

  ASSERT_EQ(b.Error(0x63, "731942;1;1;1;"), "0000");  // a refund
  ASSERT_EQ(b.Error(0x64, "731942;1;1.000;12.50;"), "0000");
  EXPECT_EQ(b.Error(0x67, "731942;2;12.50;"), "090B");  // not for refunds
  EXPECT_EQ(b.Error(0x67, "731942;1;12.50;"), "0000");
}
