// Payments into a fiscal receipt: by type (67h, through documents.cpp), by
// bank card with the terminal's transaction identifier (78h), and the till's
// cash when the receipt closes.
#include <algorithm>

#include "document_ops.h"
#include "encoding.h"
#include "printing.h"

namespace tesmar::emu::docs {

namespace {
constexpr int kMaxPaymentTypes = 10;
constexpr size_t kMaxTransactionId = 20;
}  // namespace

int PaymentTypes(const Registrar& r) {
  const int n = r.options.paymentTypes;
  return n <= 0 ? kMaxPaymentTypes : std::min(n, kMaxPaymentTypes);
}

void ReceiptLineUtf8(Registrar& r, std::string_view utf8) {
  PrintReceiptLine(r, link::Utf8ToCp1251(utf8));
}

Answer TakePayment(Registrar& r, int type, long long amount, std::string_view label) {
  RegistrarState& s = r.state;
  if (s.receipt.service || (s.document != Document::kSaleDone && s.document != Document::kPaying))
    return Refused(err::kWrongDocumentState);
  if (s.voiding) return Refused(err::kVoidSequenceIncomplete);
  const long long due = s.receipt.Total() - s.receipt.Paid();
  if (type != 0 && amount > due) return Refused(err::kChangeForbidden);
  if (s.receipt.Paid() + amount > kMaxAmount) return Refused(err::kPaymentsOverflow);
  // A refund pays cash out of the till: it must hold what is handed back.
  if (s.receipt.refund && type == 0 && std::min(amount, due) > s.cash)
    return Refused(err::kNotEnoughCash);
  s.receipt.payments[type] += amount;
  PrintReceiptLine(r, ReportRow(label, FormatMoney(amount)));
  if (amount < due) {
    s.document = Document::kPaying;
    return {};
  }
  s.document = Document::kCompleted;
  if (amount > due) PrintReceiptLine(r, ReportRow("РЕШТА", FormatMoney(amount - due)));
  return {};
}

// 78h: payment type (not cash); amount; the terminal's transaction
// identifier, printed under the payment.
Answer CardPayment(Registrar& r, ArgReader& args) {
  const int type = static_cast<int>(args.Integer(1, 0, PaymentTypes(r) - 1));
  const long long amount = args.Amount(2, 1, kMaxAmount);
  const std::string id = args.Text(3, kMaxTransactionId);
  if (!args) return args.Refusal();
  if (type == 0) return Refused(err::kPaymentTypeForbidden);
  Answer a = TakePayment(r, type, amount, "КАРТКА " + std::to_string(type));
  if (a.error != "0000") return a;
  r.state.lastCardTransaction = id;
  PrintReceiptLine(r, link::Utf8ToCp1251("ТРАНЗАКЦІЯ ") + id);
  return a;
}

bool TillTakesReceipt(RegistrarState& s, const OpenReceipt& receipt) {
  const long long change = receipt.Paid() - receipt.Total();
  auto cash = receipt.payments.find(0);
  const long long net = cash == receipt.payments.end() ? 0 : cash->second - change;
  const long long till = receipt.refund ? s.cash - net : s.cash + net;
  if (till < 0 || till > kMaxAmount) return false;
  s.cash = till;
  return true;
}

}  // namespace tesmar::emu::docs
