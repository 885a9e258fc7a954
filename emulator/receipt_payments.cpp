// Payments into a fiscal receipt: by type (67h, through documents.cpp), by
// bank card with the terminal's transaction identifier (78h), and the till's
// cash when the receipt closes.
#include <algorithm>

#include "emulator/document_ops.h"
#include "link/encoding.h"
#include "emulator/printing.h"

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

namespace {

const PaymentForm& FormOf(const Registrar& r, int type) {
  static const PaymentForm kForbidden;
  const auto& forms = r.state.paymentForms;
  const auto it = forms.find(type);
  return it == forms.end() ? kForbidden : it->second;
}

// What the till holds once `receipt` closes: the cash it took in, net of
// the change handed back in cash; out of the till for a refund. False when
// it would hold less than nothing or more than it can count.
bool TillAfter(long long cash, const OpenReceipt& receipt, long long& till) {
  const auto paidCash = receipt.payments.find(0);
  const long long net =
      (paidCash == receipt.payments.end() ? 0 : paidCash->second) - receipt.Change();
  till = receipt.refund ? cash - net : cash + net;
  return till >= 0 && till <= kMaxAmount;
}

}  // namespace

Answer TakePayment(Registrar& r, int type, long long amount, std::string_view label) {
  RegistrarState& s = r.state;
  if (s.receipt.service || (s.document != Document::kSaleDone && s.document != Document::kPaying))
    return Refused(link::err::kWrongDocumentState);
  if (s.voiding) return Refused(link::err::kVoidSequenceIncomplete);
  const PaymentForm& form = FormOf(r, type);
  if (!(form.mask & (s.receipt.refund ? kPayInRefund : kPayInSale)))
    return Refused(link::err::kPaymentTypeForbidden);
  const long long due = s.receipt.Total() - s.receipt.Paid();
  if (amount > due && !(form.mask & kPayChangeInCash)) return Refused(link::err::kChangeForbidden);
  if (s.receipt.Paid() + amount > kMaxAmount) return Refused(link::err::kPaymentsOverflow);
  OpenReceipt paid = s.receipt;
  paid.payments[type] += amount;
  if (amount > due) paid.changeFrom = type;
  // The till pays a refund, and the change of any receipt, in cash.
  long long till = 0;
  if (!TillAfter(s.cash, paid, till))
    return Refused(till < 0 ? link::err::kNotEnoughCash : link::err::kArithmeticOverflow);
  s.receipt = std::move(paid);
  const std::string name = form.name.empty() ? link::Utf8ToCp1251(label) : form.name;
  PrintReceiptLine(r, ReportRowCp1251(r, name, FormatMoney(r, amount)));
  if (amount < due) {
    s.document = Document::kPaying;
    return {};
  }
  s.document = Document::kCompleted;
  if (amount > due) PrintReceiptLine(r, ReportRow(r, "РЕШТА", FormatMoney(r, amount - due)));
  return {};
}

// 78h: payment type (a form that works with the terminal, never cash);
// amount; the terminal's transaction identifier, printed under the payment.
Answer CardPayment(Registrar& r, ArgReader& args) {
  const int type = static_cast<int>(args.Integer(1, 0, PaymentTypes(r) - 1));
  const long long amount = args.Amount(2, 1, kMaxAmount);
  const std::string id = args.Text(3, kMaxTransactionId);
  if (!args) return args.Refusal();
  if (type == 0 || !(FormOf(r, type).mask & kPayWithTerminal))
    return Refused(link::err::kPaymentTypeForbidden);
  Answer a = TakePayment(r, type, amount, "КАРТКА " + std::to_string(type));
  if (a.error != "0000") return a;
  r.state.lastCardTransaction = id;
  PrintReceiptLine(r, link::Utf8ToCp1251("ТРАНЗАКЦІЯ ") + id);
  return a;
}

bool TillTakesReceipt(RegistrarState& s, const OpenReceipt& receipt) {
  long long till = 0;
  if (!TillAfter(s.cash, receipt, till)) return false;
  s.cash = till;
  return true;
}

}  // namespace tesmar::emu::docs
