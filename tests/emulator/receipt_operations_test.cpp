// A receipt's operations beyond the sale: discounts and surcharges, the void
// sequence, card payment, bar code, display, and the till's cash in and out
// by both methods, each with the refusal a registrar gives.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/emulator/emu_bench.h"
#include "emulator/state_file.h"
#include "emulator/tape_form.h"

using namespace tesmar;
using namespace tesmar::emu;
using emu::test::Bench;

namespace {

struct Receipt : Bench {
  Receipt() {
    EXPECT_EQ(Error(0x24, "731942;101;Хліб;10.50;0;1;"), "0000");
    EXPECT_EQ(Error(0x24, "731942;202;Молоко;30.00;1;2;"), "0000");
  }
  void Open(bool refund = false) {
    ASSERT_EQ(Error(0x63, refund ? "731942;1;1;1;" : "731942;1;1;0;"), "0000");
  }
  void Sell(const std::string& line) { ASSERT_EQ(Error(0x64, "731942;" + line), "0000"); }
  long long Total() const { return reg.state.receipt.Total(); }
  bool TapeHas(const std::string& line) const {
    const auto t = Tape();
    return std::find(t.begin(), t.end(), line) != t.end();
  }
};

}  // namespace

TEST(ReceiptAdjustments, percentAndAbsoluteOnTheItemChangeTheTotalAndTheShift) {
  Receipt b;
  b.Open();
  b.Sell("101;2.000;10.50;");
  EXPECT_EQ(b.Error(0x68, "731942;-5.00;"), "0000");
  EXPECT_EQ(b.Run(0x6D, "731942;1;").Field(0), "19.95");
  EXPECT_EQ(b.RowValue("ЗНИЖКА -5.00%"), "-1.05");
  b.Sell("202;1.000;30.00;");
  EXPECT_EQ(b.Error(0x69, "731942;2.50;"), "0000");  // a surcharge
  EXPECT_EQ(b.Total(), 1995 + 3250);
  ASSERT_EQ(b.Error(0x67, "731942;0;60.00;"), "0000");
  EXPECT_EQ(b.RowValue("РЕШТА"), "7.55");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.shift.byTaxGroup.at(0).sales, 1995);
  EXPECT_EQ(b.reg.state.shift.byTaxGroup.at(1).sales, 3250);
}

TEST(ReceiptAdjustments, subtotalAndTaxGroupSpreadOverTheirItems) {
  Receipt b;
  b.Open();
  b.Sell("101;1.000;10.00;");
  b.Sell("202;1.000;30.00;");
  EXPECT_EQ(b.Error(0x73, "731942;-10.00;"), "0000");  // 4.00 off 40.00
  EXPECT_EQ(b.Total(), 3600);
  EXPECT_EQ(b.reg.state.receipt.items[0].sum, 900);
  EXPECT_EQ(b.Error(0x74, "731942;-1.00;"), "0000");
  EXPECT_EQ(b.Total(), 3500);
  EXPECT_EQ(b.Error(0x76, "731942;-2.00;1;"), "0000");  // only milk is in group 1
  EXPECT_EQ(b.reg.state.receipt.items[0].sum, 875);
  EXPECT_EQ(b.Error(0x75, "731942;50.00;0;"), "0000");
  EXPECT_EQ(b.reg.state.receipt.items[0].sum, 1313);  // 8.75 + 4.375, rounded up
}

TEST(ReceiptAdjustments, refusedOutsideASaleBelowZeroOrOnAnEmptyGroup) {
  Receipt b;
  EXPECT_EQ(b.Error(0x68, "731942;-5.00;"), "000B");  // no receipt
  b.Open();
  EXPECT_EQ(b.Error(0x68, "731942;-5.00;"), "000B");  // nothing sold
  b.Sell("101;1.000;10.50;");
  EXPECT_EQ(b.Error(0x69, "731942;-10.51;"), "0B0B");
  EXPECT_EQ(b.Error(0x68, "731942;-100.00;"), "0104");
  EXPECT_EQ(b.Error(0x68, "731942;abc;"), "0103");
  EXPECT_EQ(b.Error(0x76, "731942;-1.00;3;"), "0B0B");  // nothing in group 3
  EXPECT_EQ(b.Error(0x76, "731942;-1.00;9;"), "0204");  // five groups: 0 to 4
  EXPECT_EQ(b.Total(), 1050);
  ASSERT_EQ(b.Error(0x67, "731942;0;5.00;"), "0000");
  EXPECT_EQ(b.Error(0x73, "731942;-5.00;"), "000B");  // paid in part
}

TEST(ReceiptVoids, aSequenceVoidsTheNamedItemAndCancelRestoresIt) {
  Receipt b;
  b.Open();
  b.Sell("101;1.000;10.50;");
  b.Sell("202;1.000;30.00;");
  EXPECT_EQ(b.Error(0x6B, "731942;2;"), "050B");  // no sequence to end
  ASSERT_EQ(b.Error(0x6B, "731942;1;"), "0000");
  EXPECT_EQ(b.Error(0x6B, "731942;1;"), "110B");                // one at a time
  EXPECT_EQ(b.Error(0x64, "731942;202;2.000;30.00;"), "040B");  // not sold so
  EXPECT_EQ(b.Error(0x67, "731942;0;50.00;"), "050B");
  EXPECT_EQ(b.Error(0x6D, "731942;1;"), "050B");
  ASSERT_EQ(b.Error(0x64, "731942;202;1.000;30.00;"), "0000");
  EXPECT_EQ(b.Total(), 1050);
  ASSERT_EQ(b.Error(0x6B, "731942;3;"), "0000");  // cancel: milk is back
  EXPECT_EQ(b.Total(), 4050);
  ASSERT_EQ(b.Error(0x6B, "731942;1;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;101;1.000;10.50;"), "0000");
  ASSERT_EQ(b.Error(0x6B, "731942;2;"), "0000");  // end: bread stays voided
  EXPECT_EQ(b.Total(), 3000);
  EXPECT_EQ(b.RowValue("АНУЛЬОВАНО 101"), "-10.50");
  EXPECT_EQ(b.Run(0x6B, "731942;0;").status[2], 0x00);
  EXPECT_EQ(b.Error(0x6B, "731942;1;"), "060B");
}

TEST(ReceiptVoids, voidingEveryItemLeavesTheReceiptOpenWithNothingSold) {
  Receipt b;
  b.Open();
  b.Sell("101;1.000;10.50;");
  ASSERT_EQ(b.Error(0x6B, "731942;1;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;101;1.000;"), "0000");  // no price: any price
  EXPECT_EQ(b.Run(0x6B, "731942;2;").status[2], 0x01);
  EXPECT_EQ(b.Error(0x65, "731942;0;"), "000B");  // nothing to close
  ASSERT_EQ(b.Error(0x67, "731942;0;1.00;"), "000B");
}

TEST(ReceiptPayments, cardPaymentRecordsTheTerminalsTransaction) {
  Receipt b;
  b.Open();
  b.Sell("101;1.000;12.50;");
  EXPECT_EQ(b.Error(0x78, "731942;0;12.50;ABC;"), "090B");  // cash is no card
  EXPECT_EQ(b.Error(0x78, "731942;1;13.00;ABC;"), "0A0B");  // no change on a card
  EXPECT_EQ(b.Error(0x78, "731942;1;12.50;123456789012345678901;"), "0304");
  EXPECT_EQ(b.Error(0x78, "731942;1;12.50;;"), "0303");
  EXPECT_EQ(b.Run(0x78, "731942;1;12.50;TX42;").status[2], 0x04);
  EXPECT_EQ(b.reg.state.lastCardTransaction, "TX42");
  EXPECT_TRUE(b.TapeHas("ТРАНЗАКЦІЯ TX42"));
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.cash, 0);  // a card brings no cash
}

TEST(ReceiptPayments, cashReceiptsFillTheTillAndARefundNeedsIt) {
  Receipt b;
  b.Open();
  b.Sell("101;1.000;10.50;");
  b.Run(0x67, "731942;0;20.00;");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.cash, 1050);  // net of the change
  b.Open(true);
  b.Sell("202;1.000;30.00;");
  EXPECT_EQ(b.Error(0x67, "731942;0;30.00;"), "080B");  // too little in the till
  ASSERT_EQ(b.Error(0x67, "731942;0;10.50;"), "0000");
  ASSERT_EQ(b.Error(0x67, "731942;1;19.50;"), "0000");  // the factory's card form
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.cash, 0);
}

TEST(ReceiptExtras, barcodePrintsItsLineForItsHeightInsideADocument) {
  Receipt b;
  const std::string line = "007FC3A5" + std::string(24, '0');
  EXPECT_EQ(b.Error(0x6F, "731942;3;" + line + ";"), "000B");  // no document
  b.Open();
  EXPECT_EQ(b.Error(0x6F, "731942;3;XYZ;"), "0203");
  EXPECT_EQ(b.Error(0x6F, "731942;0;" + line + ";"), "0104");
  const size_t before = b.reg.Tape().size();
  ASSERT_EQ(b.Error(0x6F, "731942;3;" + line + ";"), "0000");
  ASSERT_EQ(b.reg.Tape().size(), before + 3);
  const std::string row = TapeFileLine(b.reg.Tape().back());
  EXPECT_EQ(row.rfind("▌         █████████    ███ █  █ █", 0), 0u) << row;
}

TEST(ReceiptExtras, displayKeepsItsTwoLinesCutToTwentyCharacters) {
  Receipt b;
  ASSERT_EQ(b.Error(0x81, "731942;1;0;Comment for printing and more;"), "0000");
  ASSERT_EQ(b.Error(0x81, "731942;2;0;Низ;"), "0000");
  EXPECT_EQ(b.reg.state.display[0], "Comment for printing");
  EXPECT_EQ(link::Cp1251ToUtf8(b.reg.state.display[1]), "Низ");
  ASSERT_EQ(b.Error(0x81, "731942;0;0;;"), "0000");
  EXPECT_TRUE(b.reg.state.display[0].empty());
  EXPECT_EQ(b.Error(0x81, "731942;4;0;x;"), "0104");
}

TEST(TillCash, cashInAndOutBy6EhAnswerTheTillAndRefuseAnOverdraw) {
  Receipt b;
  const auto& in = b.Run(0x6E, "731942;1;100.00;");
  EXPECT_EQ(in.errorCode.View(), "0000");
  EXPECT_EQ(in.Field(0), "100.00");
  EXPECT_EQ(b.Run(0x6E, "731942;1;-40.00;").Field(0), "60.00");
  EXPECT_EQ(b.Error(0x6E, "731942;1;-60.01;"), "080B");
  EXPECT_EQ(b.Error(0x6E, "731942;1;0.00;"), "0204");
  EXPECT_EQ(b.reg.state.cash, 6000);
  EXPECT_TRUE(b.TapeHas("СЛУЖБОВА ВИДАЧА"));
  b.Open();
  EXPECT_EQ(b.Error(0x6E, "731942;1;1.00;"), "000B");  // not inside a receipt
}

TEST(TillCash, serviceReceiptMovesCashOnlyWhenItCloses) {
  Receipt b;
  EXPECT_EQ(b.Error(0x77, "731942;0;5.00;"), "000B");  // no service receipt
  ASSERT_EQ(b.Error(0x63, "731942;1;0;2;"), "0000");
  EXPECT_EQ(b.Run(0x63, "731942;1;0;2;").errorCode.View(), "000B");
  EXPECT_EQ(b.Error(0x64, "731942;101;1.000;10.50;"), "000B");
  EXPECT_EQ(b.Error(0x65, "731942;0;"), "000B");  // no amount yet
  EXPECT_EQ(b.Error(0x77, "731942;0;-1.00;"), "080B");
  const auto& in = b.Run(0x77, "731942;0;25.00;");
  EXPECT_EQ(in.Field(0), "25.00");
  EXPECT_EQ(in.status[2], 0x04);
  EXPECT_EQ(b.Error(0x77, "731942;0;1.00;"), "000B");  // once per receipt
  EXPECT_EQ(b.reg.state.cash, 0);
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.cash, 2500);
  EXPECT_EQ(b.reg.state.shift.saleReceipts, 0);  // no sale in the shift
  ASSERT_EQ(b.Error(0x63, "731942;1;0;2;"), "0000");
  ASSERT_EQ(b.Error(0x77, "731942;0;-25.00;"), "0000");
  ASSERT_EQ(b.Error(0x65, "731942;0;"), "0000");
  EXPECT_EQ(b.reg.state.cash, 0);
}

TEST(TillCash, theTillAServiceReceiptAndAVoidSequenceSurviveARestartSoundly) {
  Receipt b;
  b.Run(0x6E, "731942;1;50.00;");
  b.Open();
  b.Sell("101;1.000;10.50;");
  b.Sell("202;1.000;30.00;");
  ASSERT_EQ(b.Error(0x6B, "731942;1;"), "0000");
  ASSERT_EQ(b.Error(0x64, "731942;202;1.000;30.00;"), "0000");
  RegistrarState again;
  std::string error;
  ASSERT_TRUE(ParseState(StateText(b.reg.state), again, &error)) << error;
  EXPECT_EQ(again.cash, 5000);
  EXPECT_FALSE(again.voiding);  // the sequence is cancelled: both items are back
  EXPECT_EQ(again.receipt.Total(), 4050);

  Receipt c;
  ASSERT_EQ(c.Error(0x63, "731942;1;0;2;"), "0000");
  ASSERT_EQ(c.Error(0x77, "731942;0;12.00;"), "0000");
  RegistrarState service;
  ASSERT_TRUE(ParseState(StateText(c.reg.state), service, &error)) << error;
  EXPECT_TRUE(service.receipt.service);
  EXPECT_EQ(service.receipt.serviceAmount, 1200);
  EXPECT_EQ(service.document, Document::kCompleted);
}
