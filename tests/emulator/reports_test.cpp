// Reports on the emulated registrar: the shift fed by receipts, X and Z
// reports, the fiscal memory records and the periodic reports over them,
// the goods report, the additional reports and the control tape, with the
// parameter strings the report windows send.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "tests/emulator/emu_bench.h"
#include "emulator/printing.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

std::time_t LocalTime(int year, int month, int day, int hour) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

// A registrar with two articles and a clock the test moves.
struct Shop : Bench {
  std::time_t now = LocalTime(2024, 3, 5, 10);
  Shop() {
    reg.SetClock([this] { return now; });
    EXPECT_EQ(Error(0x24, "731942;101;Хліб;12.50;0;1;"), "0000");
    EXPECT_EQ(Error(0x24, "731942;202;Молоко;30.00;1;2;"), "0000");
  }
  // One receipt paid in cash; `lines` are "code;quantity;price;".
  void Sell(std::initializer_list<const char*> lines, int op = 1) {
    ASSERT_EQ(Error(0x63, "731942;" + std::to_string(op) + ";1;0;"), "0000");
    for (const char* line : lines) ASSERT_EQ(Error(0x64, std::string("731942;") + line), "0000");
    ASSERT_EQ(Error(0x67, "731942;0;" + FormatMoney(reg, reg.state.receipt.Total()) + ";"), "0000");
    ASSERT_EQ(Error(0x65, "731942;0;"), "0000");
  }
  // Lines printed from the next command on.
  size_t Mark() const { return reg.Tape().size(); }
  std::vector<std::string> Since(size_t mark) const {
    const auto all = Tape();
    return {all.begin() + static_cast<long>(mark), all.end()};
  }
};

std::string ValueOf(const std::vector<std::string>& lines, const std::string& label) {
  for (const std::string& l : lines)
    if (l.rfind(label + " ", 0) == 0) return l.substr(l.find_last_of(' ') + 1);
  return "(no row " + label + ")";
}

}  // namespace

TEST(Reports, xReportChangesNothingAndTheZReportsTotalsEqualTheSales) {
  Shop s;
  s.Sell({"101;2.000;12.50;", "202;1.000;30.00;"});   // 25.00 in А, 30.00 in Б
  s.Sell({"202;0.500;30.00;"}, 2);                    // 15.00 in Б
  EXPECT_EQ(s.Run(0x21, "731942;").status[5], 0x10);  // shift open

  size_t mark = s.Mark();
  ASSERT_EQ(s.Error(0xA1, "731942;1;"), "0000");
  const auto x = s.Since(mark);
  EXPECT_EQ(x.front(), "X-ЗВІТ");
  EXPECT_EQ(ValueOf(x, "ПРОДАЖ ВСЬОГО"), "70.00");
  EXPECT_EQ(s.reg.state.shift.saleReceipts, 2);
  EXPECT_TRUE(s.reg.state.fiscalRecords.empty());

  mark = s.Mark();
  const auto& z = s.Run(0xA1, "731942;0;");
  ASSERT_EQ(z.errorCode.View(), "0000");
  EXPECT_EQ(z.status[5], 0x00);  // the shift is closed
  const auto lines = s.Since(mark);
  EXPECT_EQ(lines.front(), "Z-ЗВІТ № 1");
  EXPECT_EQ(ValueOf(lines, "ПРОДАЖ ВСЬОГО"), "70.00");
  EXPECT_EQ(ValueOf(lines, "ПРОДАЖ А"), "25.00");
  EXPECT_EQ(ValueOf(lines, "ПРОДАЖ Б"), "45.00");
  EXPECT_EQ(ValueOf(lines, "ЧЕКІВ ПРОДАЖУ"), "2");
  ASSERT_EQ(s.reg.state.fiscalRecords.size(), 1u);
  EXPECT_EQ(s.reg.state.fiscalRecords[0].date, 20240305);
  EXPECT_EQ(s.reg.state.fiscalRecords[0].Total().sales, 7000);
  EXPECT_TRUE(s.reg.state.shift.byTaxGroup.empty());

  mark = s.Mark();
  s.Run(0xA1, "731942;1;");
  EXPECT_EQ(ValueOf(s.Since(mark), "ПРОДАЖ ВСЬОГО"), "0.00");  // zeroed
}

TEST(Reports, zReportIsRefusedWhileAReceiptIsOpen) {
  Shop s;
  s.Run(0x63, "731942;1;1;0;");
  s.Run(0x64, "731942;101;1.000;12.50;");
  EXPECT_EQ(s.Error(0xA1, "731942;0;"), "000B");
  EXPECT_EQ(s.Error(0xA1, "731942;1;"), "000B");
  EXPECT_TRUE(s.reg.state.fiscalRecords.empty());
  EXPECT_EQ(s.reg.state.receipt.Total(), 1250);  // the receipt goes on
  s.Run(0x60, "731942;");
  EXPECT_EQ(s.Error(0xA1, "731942;0;"), "000B");  // and not inside another document
}

TEST(Reports, periodicReportByNumberOverTwoZReportsReadsBackFromTheTape) {
  Shop s;
  s.Sell({"101;1.000;12.50;"});
  ASSERT_EQ(s.Error(0xA1, "731942;0;"), "0000");
  s.now = LocalTime(2024, 3, 6, 10);
  s.Sell({"202;2.000;30.00;"});
  s.Sell({"101;2.000;12.50;"});
  ASSERT_EQ(s.Error(0xA1, "731942;0;"), "0000");

  const size_t mark = s.Mark();
  ASSERT_EQ(s.Error(0x60, "731942;"), "0000");
  ASSERT_EQ(s.Error(0xA3, "731942;1;10;1;"), "0000");  // past the last: what there is
  ASSERT_EQ(s.Error(0x65, "731942;0;"), "0000");
  const auto lines = s.Since(mark);
  EXPECT_EQ(ValueOf(lines, "Z-ЗВІТ № 1 05.03.24"), "12.50");
  EXPECT_EQ(ValueOf(lines, "Z-ЗВІТ № 2 06.03.24"), "85.00");
  EXPECT_EQ(ValueOf(lines, "ЗВІТІВ"), "2");
  EXPECT_EQ(ValueOf(lines, "ПРОДАЖ ВСЬОГО"), "97.50");
  EXPECT_EQ(ValueOf(lines, "ПРОДАЖ Б"), "60.00");

  EXPECT_EQ(s.Error(0xA3, "731942;3;10;0;"), "0104");  // no record in the range
  EXPECT_EQ(s.Error(0xA3, "731942;2;1;0;"), "0204");
  EXPECT_EQ(s.Error(0xA3, "731942;1;2;2;"), "0304");
}

TEST(Reports, periodicReportByDateTakesTheDatesAsTheWindowSendsThem) {
  Shop s;
  s.Sell({"101;1.000;12.50;"});
  ASSERT_EQ(s.Error(0xA1, "731942;0;"), "0000");
  const size_t mark = s.Mark();
  ASSERT_EQ(s.Error(0xA2, "731942;050324;310324;0;"), "0000");
  const auto lines = s.Since(mark);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "З 05.03.24 ПО 31.03.24"), lines.end());
  EXPECT_EQ(ValueOf(lines, "Z-ЗВІТ № 1 05.03.24"), "12.50");
  EXPECT_EQ(s.Error(0xA2, "731942;010424;300424;0;"), "0104");  // no record
  EXPECT_EQ(s.Error(0xA2, "731942;310324;050324;0;"), "0204");
  EXPECT_EQ(s.Error(0xA2, "731942;300224;310324;0;"), "0C05");  // no 30 February
  EXPECT_EQ(s.Error(0xA2, "731942;05.03.24;310324;0;"), "0C05");
}

TEST(Reports, zReportWithTheClockSetBackBeforeTheLastRecordIsRefused) {
  Shop s;
  ASSERT_EQ(s.Error(0xA1, "731942;0;"), "0000");
  s.now -= 24 * 3600;
  EXPECT_EQ(s.Error(0xA1, "731942;0;"), "0305");
  EXPECT_EQ(s.reg.state.fiscalRecords.size(), 1u);
}

TEST(Reports, goodsReportTakesFourteenNinesAndListsTheGoodsSold) {
  Shop s;
  s.Sell({"101;2.000;12.50;", "202;1.000;30.00;"});
  size_t mark = s.Mark();
  ASSERT_EQ(s.Error(0x60, "731942;"), "0000");
  ASSERT_EQ(s.Error(0xA4, "731942;0;99999999999999;"), "0000");
  ASSERT_EQ(s.Error(0x65, "731942;0;"), "0000");
  auto lines = s.Since(mark);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Молоко"), lines.end());
  EXPECT_EQ(ValueOf(lines, "ПРОДАЖ ВСЬОГО"), "55.00");

  mark = s.Mark();
  ASSERT_EQ(s.Error(0xA4, "731942;0;999999999;"), "0000");  // nine nines, and no document
  mark = s.Mark();
  ASSERT_EQ(s.Error(0xA4, "731942;150;999999999;"), "0000");
  EXPECT_EQ(ValueOf(s.Since(mark), "ПРОДАЖ ВСЬОГО"), "30.00");  // only 202
  EXPECT_EQ(s.Error(0xA4, "731942;0;999999999999999;"), "0204");
  EXPECT_EQ(s.Error(0xA4, "731942;5;4;"), "0204");
  EXPECT_EQ(s.Error(0xA4, "731942;x;4;"), "0103");
}

TEST(Reports, additionalReportsByDepartmentsOperatorsAndTheControlTape) {
  Shop s;
  s.Sell({"101;1.000;12.50;"}, 3);
  size_t mark = s.Mark();
  ASSERT_EQ(s.Error(0xA6, "731942;0;;;"), "0000");
  EXPECT_EQ(ValueOf(s.Since(mark), "ВІДДІЛ 1 ПРОДАЖ"), "12.50");
  mark = s.Mark();
  ASSERT_EQ(s.Error(0xA6, "731942;1;;;"), "0000");
  EXPECT_EQ(ValueOf(s.Since(mark), "КАСИР 3 ПРОДАЖ"), "12.50");

  mark = s.Mark();
  ASSERT_EQ(s.Error(0x60, "731942;"), "0000");
  ASSERT_EQ(s.Error(0x61, "731942;%MHJc*** Контрольная лента ***;"), "0000");
  ASSERT_EQ(s.Error(0xA6, "731942;2;;;"), "0000");
  ASSERT_EQ(s.Error(0x65, "731942;0;"), "0000");
  const auto lines = s.Since(mark);
  const auto at = std::find(lines.begin(), lines.end(), "КОНТРОЛЬНА СТРІЧКА");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 1), "ФІСКАЛЬНИЙ ЧЕК № 1");       // the receipt again, line for line
  EXPECT_EQ(s.Error(0xA6, "731942;3;;;"), "0000");  // the network settings
  EXPECT_EQ(s.Error(0xA6, "731942;4;;;"), "0104");
}

TEST(Reports, additionalReportRefusedInAReceiptLeavesTheReceiptOpen) {
  Shop s;
  s.Run(0x63, "731942;1;1;0;");
  EXPECT_EQ(s.Error(0xA6, "731942;2;;;"), "000B");
  EXPECT_EQ(s.Run(0x21, "731942;").status[2], 0x01);
}

TEST(Reports, controlTapeUnloadAndZeroingFreeTheReceiptCount) {
  Shop s;
  s.Sell({"101;1.000;12.50;"});
  EXPECT_EQ(s.Run(0xA0, "731942;").Field(11), "4999");
  size_t mark = s.Mark();
  ASSERT_EQ(s.Error(0xA1, "731942;5;"), "0000");
  EXPECT_EQ(ValueOf(s.Since(mark), "ЧЕКІВ"), "1");
  EXPECT_FALSE(s.reg.state.controlTape.empty());  // unloading keeps it
  ASSERT_EQ(s.Error(0xA1, "731942;2;"), "0000");
  EXPECT_TRUE(s.reg.state.controlTape.empty());
  EXPECT_EQ(s.Run(0xA0, "731942;").Field(11), "5000");
  EXPECT_EQ(s.Error(0xA1, "731942;3;"), "0102");
  EXPECT_EQ(s.Error(0xA1, "731942;6;"), "0104");
}

TEST(Reports, goodsBaseZeroingWaitsForTheZReportOfItsSales) {
  Shop s;
  s.Sell({"101;1.000;12.50;"});
  EXPECT_EQ(s.Error(0x3B, "731942;"), "0107");
  EXPECT_EQ(s.reg.state.articles.size(), 2u);
  ASSERT_EQ(s.Error(0xA1, "731942;0;"), "0000");
  ASSERT_EQ(s.Error(0x3B, "731942;"), "0000");
  EXPECT_TRUE(s.reg.state.articles.empty());
  s.Run(0x63, "731942;1;1;0;");
  EXPECT_EQ(s.Error(0x64, "731942;101;1.000;12.50;"), "020A");
  EXPECT_EQ(s.Error(0x3B, "731942;"), "000B");
}

TEST(Reports, resourcesCountTheFiscalRecordsAndTheShiftOpening) {
  Shop s;
  EXPECT_EQ(s.Run(0xA0, "731942;").Field(8), "000000");
  s.Sell({"101;1.000;12.50;"});
  const auto& open = s.Run(0xA0, "731942;");
  EXPECT_EQ(open.Field(8), "050324");
  EXPECT_EQ(open.Field(9), "1000");
  EXPECT_EQ(open.Field(10), "9998");  // two articles in the base
  s.Run(0xA1, "731942;0;");
  EXPECT_EQ(s.Run(0xA0, "731942;").Field(7), "1824");
}
