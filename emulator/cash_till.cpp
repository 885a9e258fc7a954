// The till's cash: service cash in and out, by the single command 6Eh or by
// a service receipt (63h kind 2, then 77h with the amount, then 65h). Cash
// out is refused when the till holds less; both answer the cash in the till
// in field 1. Each is a numbered service receipt, kept on the electronic
// tape as the fiscal receipts are.
#include "emulator/document_ops.h"
#include "emulator/printing.h"
#include "emulator/receipt_frame.h"
#include "emulator/reports.h"

namespace tesmar::emu::docs {

namespace {

constexpr long long kMaxOperator = 99;

Answer TillAnswer(const Registrar& r, long long cash) {
  return {"0000", FormatMoney(r, cash) + ";"};
}

void PrintCashLines(Registrar& r, long long amount, long long till) {
  ReceiptLineUtf8(r, amount < 0 ? "СЛУЖБОВА ВИДАЧА" : "СЛУЖБОВЕ ВНЕСЕННЯ");
  PrintReceiptLine(r, ReportRow(r, "СУМА", FormatMoney(r, amount < 0 ? -amount : amount)));
  PrintReceiptLine(r, ReportRow(r, "ГОТІВКА В КАСІ", FormatMoney(r, till)));
}

// The till after `amount` (negative: cash out); false when it cannot.
bool TillAfter(const RegistrarState& s, long long amount, long long& till) {
  till = s.cash + amount;
  return till >= 0 && till <= kMaxAmount;
}

Answer NotEnough(long long amount) {
  return Refused(amount < 0 ? link::err::kNotEnoughCash : link::err::kArithmeticOverflow);
}

}  // namespace

// 6Eh: operator; amount (negative for cash out). Outside any document.
Answer CashInOut(Registrar& r, ArgReader& args) {
  const long long op = args.Integer(1, 0, kMaxOperator);
  const long long amount = args.Amount(2, -kMaxAmount, kMaxAmount);
  if (!args) return args.Refusal();
  RegistrarState& s = r.state;
  if (s.document != Document::kClosed) return Refused(link::err::kWrongDocumentState);
  if (amount == 0) return Refused(link::err::FieldRange(2));
  long long till = 0;
  if (!TillAfter(s, amount, till)) return NotEnough(amount);
  OpenShiftIfClosed(r);
  const int number = ++s.lastReceiptNumber;
  PrintReceiptHead(r);
  ReceiptLineUtf8(r, "СЛУЖБОВИЙ ЧЕК № " + std::to_string(number));
  ReceiptLineUtf8(r, "КАСИР " + std::to_string(op));
  PrintCashLines(r, amount, till);
  PrintReceiptLine(r, Ruler(r, '='));
  KeepOnElectronicTape(r, number);
  s.cash = till;
  return TillAnswer(r, till);
}

Answer OpenServiceReceipt(Registrar& r, int operatorNumber, int till) {
  RegistrarState& s = r.state;
  OpenShiftIfClosed(r);
  s.receipt = {};
  s.receipt.number = ++s.lastReceiptNumber;
  s.receipt.operatorNumber = operatorNumber;
  s.receipt.till = till;
  s.receipt.service = true;
  s.document = Document::kReceiptOpened;
  PrintReceiptHead(r);
  ReceiptLineUtf8(r, "СЛУЖБОВИЙ ЧЕК № " + std::to_string(s.receipt.number));
  ReceiptLineUtf8(r, "КАСИР " + std::to_string(operatorNumber) + "   КАСА " + std::to_string(till));
  return {};
}

// 77h: kind (0); amount (negative for cash out), once per service receipt.
// The till changes when the receipt closes; the answer gives it as it
// will be then.
Answer ServiceAmount(Registrar& r, ArgReader& args) {
  args.Integer(1, 0, 0);
  const long long amount = args.Amount(2, -kMaxAmount, kMaxAmount);
  if (!args) return args.Refusal();
  RegistrarState& s = r.state;
  if (!s.receipt.service || s.document != Document::kReceiptOpened || s.receipt.serviceAmountSet)
    return Refused(link::err::kWrongDocumentState);
  if (amount == 0) return Refused(link::err::FieldRange(2));
  long long till = 0;
  if (!TillAfter(s, amount, till)) return NotEnough(amount);
  s.receipt.serviceAmount = amount;
  s.receipt.serviceAmountSet = true;
  s.document = Document::kCompleted;
  PrintCashLines(r, amount, till);
  return TillAnswer(r, till);
}

void CloseServiceReceipt(Registrar& r) {
  RegistrarState& s = r.state;
  s.cash += s.receipt.serviceAmount;
  PrintReceiptFoot(r);
  PrintReceiptLine(r, Ruler(r, '='));
  KeepOnElectronicTape(r, s.receipt.number);
  s.receipt = {};
  s.document = Document::kClosed;
}

}  // namespace tesmar::emu::docs
