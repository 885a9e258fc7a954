// Receipts on the emulated registrar: the goods base, a fiscal receipt from
// open to close, the document state in status byte 2, and each refusal with
// the code the program decodes.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/emulator/emu_bench.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

constexpr const char* kBread = "731942;101;Хліб;12.50;0;1;";
constexpr const char* kMilk = "731942;202;Молоко;30.00;1;2;";

void Program(Bench& b) {
  ASSERT_EQ(b.Error(0x24, kBread), "0000");
  ASSERT_EQ(b.Error(0x24, kMilk), "0000");
}

bool TapeHas(const Bench& b, const std::string& line) {
  const auto tape = b.Tape();
  return std::find(tape.begin(), tape.end(), line) != tape.end();
}

}  // namespace

TEST(Documents, fiscalReceiptGoesFromOpenToCloseWithStatusByteTwoFollowing) {
  Bench b;
  Program(b);
  EXPECT_EQ(b.Run(0x63, "731942;1;1;0;").status[2], 0x01);  // header printed
  EXPECT_EQ(b.Run(0x64, "731942;101;2.000;12.50;").status[2], 0x02);
  EXPECT_EQ(b.Run(0x6D, "731942;1;").Field(0), "25.00");
  EXPECT_EQ(b.Run(0x67, "731942;0;10.00;").status[2], 0x03);  // paid in part
  const auto& unpaid = b.Run(0x65, "731942;0;");
  EXPECT_EQ(unpaid.errorCode.View(), "000B");  // refused while unpaid
  EXPECT_EQ(unpaid.status[2], 0x03);
  EXPECT_EQ(b.Run(0x67, "731942;0;20.00;").status[2], 0x04);  // completed
  EXPECT_EQ(b.RowValue("ГОТІВКА"), "20.00");
  EXPECT_EQ(b.RowValue("РЕШТА"), "5.00");
  EXPECT_EQ(b.Run(0x65, "731942;0;").status[2], 0x00);
  EXPECT_EQ(b.reg.state.shift.saleReceipts, 1);
  EXPECT_EQ(b.reg.state.shift.byPayment[0].sales, 2500);  // cash net of the change
  EXPECT_EQ(b.reg.state.shift.byArticle[101].quantity.sales, 2000);
}

TEST(Documents, refundReceiptSetsBitFourAndCountsAsARefund) {
  Bench b;
  Program(b);
  EXPECT_EQ(b.Run(0x63, "731942;2;1;1;").status[2], 0x11);
  b.Run(0x64, "731942;202;1.000;30.00;");
  b.Run(0x67, "731942;1;30.00;");
  EXPECT_EQ(b.Run(0x65, "731942;0;").status[2], 0x00);
  const Shift& sh = b.reg.state.shift;
  EXPECT_EQ(sh.refundReceipts, 1);
  EXPECT_EQ(sh.byTaxGroup.at(1), (Turnover{0, 3000}));
  EXPECT_EQ(sh.byOperator.at(2), (Turnover{0, 3000}));
  EXPECT_EQ(sh.byDepartment.at(2), (Turnover{0, 3000}));
}

TEST(Documents, saleAndPaymentRefusalsNameTheirCause) {
  Bench b;
  Program(b);
  ASSERT_EQ(b.Error(0x2D, "731942;3;03;ЧЕК;"), "0000");  // pays in sales and refunds
  EXPECT_EQ(b.Error(0x64, "731942;101;1.000;12.50;"), "000B");  // no receipt open
  b.Run(0x63, "731942;1;1;0;");
  EXPECT_EQ(b.Error(0x64, "731942;999;1.000;1.00;"), "020A");  // no such article
  EXPECT_EQ(b.Error(0x64, "731942;101;0.000;12.50;"), "0F0B");
  EXPECT_EQ(b.Error(0x64, "731942;101;1e61;12.50;"), "0203");    // not a number
  EXPECT_EQ(b.Error(0x64, "731942;101;1.0000;12.50;"), "0203");  // a fourth decimal
  EXPECT_EQ(b.Error(0x64, "731942;101;1.000;-1.00;"), "100B");
  EXPECT_EQ(b.Error(0x64, "731942;101;100000.000;12.50;"), "0204");
  EXPECT_EQ(b.Error(0x67, "731942;0;1.00;"), "000B");  // nothing sold yet
  b.Run(0x64, "731942;101;1.000;12.50;");
  EXPECT_EQ(b.Error(0x67, "731942;10;1.00;"), "0104");  // ten payment types: 0 to 9
  EXPECT_EQ(b.Error(0x67, "731942;3;20.00;"), "0A0B");  // change only from cash
  EXPECT_EQ(b.Error(0x67, "731942;0;0.00;"), "0204");
  EXPECT_TRUE(b.reg.state.receipt.payments.empty());
  EXPECT_EQ(b.Error(0x63, "731942;1;1;0;"), "000B");  // one receipt at a time
}

TEST(Documents, goodsBaseTakesAnArticleAgainAlikeButNotChangedAfterItsSales) {
  RegistrarOptions o;
  o.taxGroups = 3;
  Bench b(o);
  EXPECT_EQ(b.Error(0x24, "731942;303;Сир;99.99;3;1;"), "0404");  // groups 0 to 2
  EXPECT_EQ(b.Error(0x24, "731942;303;;99.99;0;1;"), "0203");
  EXPECT_EQ(b.Error(0x24, "731942;303;Сир;99,99;0;1;"), "0303");
  Program(b);
  EXPECT_EQ(b.Error(0x24, "731942;101;Хліб;13.00;0;1;"), "0000");  // no sales: changed
  EXPECT_EQ(b.reg.state.articles.at(101).price, 1300);
  b.Run(0x63, "731942;1;1;0;");
  ASSERT_EQ(b.Error(0x64, "731942;101;1.000;13.00;"), "0000");
  EXPECT_EQ(b.Error(0x24, "731942;101;Хліб;13.00;0;1;"), "0000");  // the same again
  EXPECT_EQ(b.Error(0x24, "731942;101;Хліб;14.00;0;1;"), "040A");
  EXPECT_EQ(b.reg.state.articles.at(101).price, 1300);
}

TEST(Documents, saleWithoutAPriceTakesTheArticlesOwn) {
  Bench b;
  Program(b);
  b.Run(0x63, "731942;1;1;0;");
  ASSERT_EQ(b.Error(0x64, "731942;202;0.500;"), "0000");
  EXPECT_EQ(b.reg.state.receipt.Total(), 1500);
}

TEST(Documents, nonFiscalDocumentClosesWith65hAsTheProgramSends) {
  Bench b;
  b.Run(0x60, "731942;");
  b.Run(0x61, "731942;рядок;");
  EXPECT_EQ(b.Run(0x65, "731942;0;").status[2], 0x00);
  EXPECT_EQ(b.Error(0x65, "731942;0;"), "000B");  // nothing left to close
  EXPECT_EQ(b.Error(0x65, "731942;2;"), "0104");
  EXPECT_TRUE(b.reg.state.controlTape.empty());  // service documents stay off the tape
}

TEST(Documents, voidDiscardsTheWholeReceiptAndLeavesTheShiftAsItWas) {
  Bench b;
  Program(b);
  EXPECT_EQ(b.Error(0x6B, "731942;0;"), "060B");  // nothing to void
  b.Run(0x63, "731942;1;1;0;");
  b.Run(0x64, "731942;101;1.000;12.50;");
  EXPECT_EQ(b.Run(0x6B, "731942;0;").status[2], 0x00);
  EXPECT_TRUE(b.reg.state.shift.byTaxGroup.empty());
  EXPECT_TRUE(TapeHas(b, "ЧЕК АНУЛЬОВАНО"));
}
