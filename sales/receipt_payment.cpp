// The fiscal receipt window's payment: by type (67h), or by bank card
// through the bank terminal (78h with the terminal's transaction).
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <cmath>

#include "bank_terminal.h"
#include "fiscal_receipt_dialog.h"
#include "formatters.h"
#include "receipt_formatters.h"
#include "serial_port.h"
#include "wire_text.h"

namespace tesmar::sales {

namespace {

constexpr const char* kBadPayment = "Ошибочный тип оплаты";
constexpr const char* kTerminalWarning = "Внимание! Банковский терминал!";
constexpr const char* kTerminalFailed = "Ошибка оплаты банковской картой!";
constexpr const char* kPaymentTimeout = "Таймаут устройства! Ошибка оплаты чека!";
constexpr const char* kPaymentError = "Ошибка оплаты чека";
constexpr const char* kCardTimeout = "Таймаут устройства! Ошибка оплаты банковской картой!";
constexpr const char* kCardError = "Ошибка оплаты чека банковской картой";
constexpr int kTransactionLength = 20;

}  // namespace

bool FiscalReceiptDialog::usesTerminal(int type) const {
  const QString& v = ctx_.state.firmwareVersion;
  return type != 0 &&
         (v.contains("4.00") || v.contains("5.00") || ctx_.state.electronicJournal == "КСЕФ");
}

void FiscalReceiptDialog::pay() {
  bool typeOk = false, amountOk = false;
  const int type = paymentType_->currentText().toInt(&typeOk);
  const QString typed = amount_->text().trimmed();
  const double amount = typed.toDouble(&amountOk);
  if (!typeOk || !amountOk || !std::isfinite(amount)) {
    ctx_.prompt.showMessage(kBadPayment);
    return;
  }
  std::string pwd;
  if (!typedPassword(pwd)) return;
  if (usesTerminal(type)) {
    payByCard(pwd, type, app::ToWire(typed));
    return;
  }
  const app::Sent sent = path_.direct(
      kPaymentTimeout, kPaymentError, [&](link::Driver & d, int& r) -> auto& {
        return link::Payment(d, pwd, type, amount, r);
      });
  if (sent.refusal != 0) ctx_.prompt.showMessage(kBadPayment);
}

void FiscalReceiptDialog::payByCard(const std::string& pwd, int type, const std::string& amount) {
  ctx_.prompt.showMessage(kTerminalWarning);
  if (useTransaction_->isChecked()) {
    const std::string id = app::ToWire(transaction_->text().left(kTransactionLength));
    cardPayment(pwd, type, amount, id);
    return;
  }
  CardDetails details;
  if (!terminalExchange(amount, details)) {
    ctx_.prompt.showMessage(kTerminalFailed);
    return;
  }
  const bool lines = !noCardLines_->isChecked();
  if (lines) {
    const auto card = CardLines(details);
    printLines(pwd, {app::FromWire(card[0]).toStdString(), app::FromWire(card[1]).toStdString(),
                     app::FromWire(card[2]).toStdString()});
  }
  cardPayment(pwd, type, amount, details.transaction);
  if (lines)
    printLines(pwd, {"ПІДПИС", "КАСИРА . . . . . . . . ", "ПІДПИС", "КЛІЄНТА. . . . . . . . "});
}

// Opens the terminal's port for this payment only, runs the exchange, and
// closes the port again whatever came of it.
bool FiscalReceiptDialog::terminalExchange(const std::string& amount, CardDetails& details) {
  const QString port = ctx_.state.terminalPort;
  if (port.isEmpty()) return false;
  std::string error;
  auto link = link::SerialPort::Open(port.toStdString(), kTerminalBaud, &error);
  if (!link) return false;
  const bool ok = RunTerminalPayment(*link, amount, details, terminalLimitMs_);
  return ok && !details.transaction.empty();
}

void FiscalReceiptDialog::printLines(const std::string& pwd,
                                     std::initializer_list<std::string> utf8Lines) {
  for (const std::string& line : utf8Lines) {
    const std::string wire = link::Utf8ToCp1251(line);
    path_.send([&](link::Driver & d) -> auto& { return link::PrintText(d, pwd, wire); });
  }
}

// A refused card payment is said, whichever way the transaction came.
void FiscalReceiptDialog::cardPayment(const std::string& pwd, int type, const std::string& amount,
                                      const std::string& transaction) {
  path_.direct(
      kCardTimeout, kCardError, [&](link::Driver & d) -> auto& {
        return link::CardPayment(d, pwd, type, amount, transaction);
      });
}

}  // namespace tesmar::sales
