// The fiscal receipt window's payment: by type (67h), or by bank card
// through the bank terminal (78h with the terminal's transaction).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "sales/bank_terminal.h"
#include "sales/fiscal_receipt_dialog.h"
#include "link/formatters.h"
#include "link/money.h"
#include "link/receipt_formatters.h"
#include "link/serial_port.h"
#include "app/wire_text.h"

namespace tesmar::sales {

namespace {

constexpr const char* kBadPayment = Tesmar::mark("Ошибочный тип оплаты");
constexpr const char* kTerminalWarning = Tesmar::mark("Внимание! Банковский терминал!");
constexpr const char* kTerminalFailed = Tesmar::mark("Ошибка оплаты банковской картой!");
constexpr const char* kPaymentTimeout = Tesmar::mark("Таймаут устройства! Ошибка оплаты чека!");
constexpr const char* kPaymentError = Tesmar::mark("Ошибка оплаты чека");
constexpr const char* kCardTimeout = Tesmar::mark("Таймаут устройства! Ошибка оплаты банковской картой!");
constexpr const char* kCardError = Tesmar::mark("Ошибка оплаты чека банковской картой");
constexpr const char* kStateTitle = Tesmar::mark("Проверка состояния регистратора");
constexpr const char* kNotCharged = Tesmar::mark("Оплата банковской картой не выполнена.");
constexpr int kTransactionLength = 20;

// The receipt states of status byte 2 (its low four bits) in which a
// fiscal receipt can still take a payment: header printed, sale done,
// paying, a subtotal discount done, a void under way. The registrar's own
// answers to 6Dh and 78h judge the rest.
constexpr uint8_t kReceiptStateBits = 0x0F;
constexpr uint8_t kPayableStates[] = {1, 2, 3, 6, 9};
constexpr uint8_t kReceiptPaid = 4;

bool ReceiptTakesPayment(uint8_t statusByte2) {
  for (uint8_t state : kPayableStates)
    if ((statusByte2 & kReceiptStateBits) == state) return true;
  return false;
}

}  // namespace

bool FiscalReceiptDialog::usesTerminal(int type) const {
  return type != 0 && ctx_.state.profile.terminalPayments;
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
    int64_t kopecks = 0;
    if (typedCardAmount(typed, kopecks)) payByCard(pwd, type, kopecks);
    return;
  }
  const app::Sent sent = path_.direct(
      kPaymentTimeout, kPaymentError, [&](link::Driver & d, int& r) -> auto& {
        return link::Payment(d, pwd, type, amount, r);
      });
  if (sent.refusal != 0) ctx_.prompt.showMessage(kBadPayment);
}

// A card is charged in kopecks, so the amount must be money as typed: a
// binary fraction would charge another sum than the receipt records.
bool FiscalReceiptDialog::typedCardAmount(const QString& typed, int64_t& kopecks) {
  const bool money = link::ParseMoney(typed.toStdString(), kopecks);
  if (money && kopecks > 0) return true;
  ctx_.prompt.showMessage(
      money ? QString(Tesmar::mark("Сумма оплаты должна быть больше нуля. %1")).arg(kNotCharged)
            : QString(Tesmar::mark("Сумма оплаты \"%1\" - не сумма денег. Введите цифры и не более двух "
                      "знаков после точки, например 12.50"))
                  .arg(typed));
  return false;
}

void FiscalReceiptDialog::payByCard(const std::string& pwd, int type, int64_t kopecks) {
  if (useTransaction_->isChecked()) {
    ctx_.prompt.showMessage(kTerminalWarning);
    const std::string id = app::ToWire(transaction_->text().left(kTransactionLength));
    cardPayment(pwd, type, kopecks, id);
    return;
  }
  if (!receiptTakes(pwd, kopecks)) return;
  ctx_.prompt.showMessage(kTerminalWarning);
  CardDetails details;
  if (!terminalAnswered(terminalExchange(kopecks, details), details)) return;
  const bool lines = !noCardLines_->isChecked();
  if (lines) {
    const auto card = CardLines(details);
    printLines(pwd, {app::FromWire(card[0]).toStdString(), app::FromWire(card[1]).toStdString(),
                     app::FromWire(card[2]).toStdString()});
  }
  const app::Sent paid = cardPayment(pwd, type, kopecks, details.transaction);
  if (!paid) keepTransaction(details.transaction);
  if (!lines) return;
  printLines(pwd, {"ПІДПИС", "КАСИРА . . . . . . . . ", "ПІДПИС", "КЛІЄНТА. . . . . . . . "});
  if (paid.reply) showCardReply();
}

// Before a card is charged: a fiscal receipt must be open for payment
// (status byte 2, read with 80h) and the amount must not exceed its total
// (6Dh, which also shows the total in the window).
bool FiscalReceiptDialog::receiptTakes(const std::string& pwd, int64_t kopecks) {
  const app::Sent state = path_.decoded(
      kStateTitle, [&](link::Driver & d) -> auto& { return link::Identify(d, pwd); });
  if (!state) return false;
  const uint8_t s2 = state.reply->status[2];
  if (!ReceiptTakesPayment(s2)) {
    ctx_.prompt.showMessage((s2 & kReceiptStateBits) == kReceiptPaid
                                ? QString(Tesmar::mark("Чек уже оплачен. %1")).arg(kNotCharged)
                                : QString(Tesmar::mark("Нет открытого фискального чека. %1")).arg(kNotCharged));
    return false;
  }
  const app::Sent total = sendTotal(pwd);
  if (!total) return false;
  const std::string_view totalText = total.reply->Field(0);
  int64_t totalKopecks = 0;
  if (!link::ParseMoney(totalText, totalKopecks)) {
    ctx_.prompt.showMessage(QString(Tesmar::mark("Сумма по чеку \"%1\" не прочитана. %2"))
                                .arg(app::FromWire(totalText), kNotCharged));
    return false;
  }
  if (kopecks <= totalKopecks) return true;
  ctx_.prompt.showMessage(QString(Tesmar::mark("Сумма оплаты %1 больше суммы по чеку %2. %3"))
                              .arg(QString::fromStdString(link::FormatKopecks(kopecks)),
                                   QString::fromStdString(link::FormatKopecks(totalKopecks)),
                                   kNotCharged));
  return false;
}

// Opens the terminal's port for this payment only, runs the exchange, and
// closes the port again whatever came of it.
TerminalResult FiscalReceiptDialog::terminalExchange(int64_t kopecks, CardDetails& details) {
  const QString port = ctx_.state.terminalPort;
  if (port.isEmpty()) return TerminalResult::kFailed;
  std::string error;
  auto link = link::SerialPort::Open(port.toStdString(), kTerminalBaud, &error);
  if (!link) return TerminalResult::kFailed;
  return RunTerminalPayment(*link, kopecks, details, terminalWaitMs_);
}

// Says why the terminal gave no transaction; true when it gave one.
bool FiscalReceiptDialog::terminalAnswered(TerminalResult result, const CardDetails& details) {
  switch (result) {
    case TerminalResult::kApproved:
      return true;
    case TerminalResult::kDeclined:
      ctx_.prompt.showMessage(QString(Tesmar::mark("%1\nТерминал отклонил оплату, код ответа %2."))
                                  .arg(kTerminalFailed, app::FromWire(details.response)));
      return false;
    case TerminalResult::kFailed:
      break;
  }
  ctx_.prompt.showMessage(kTerminalFailed);
  return false;
}

void FiscalReceiptDialog::printLines(const std::string& pwd,
                                     std::initializer_list<std::string> utf8Lines) {
  for (const std::string& line : utf8Lines) {
    const std::string wire = link::Utf8ToCp1251(line);
    path_.send([&](link::Driver & d) -> auto& { return link::PrintText(d, pwd, wire); });
  }
}

// A refused card payment is said, whichever way the transaction came. The
// reply is kept to be reported again after the signature lines.
app::Sent FiscalReceiptDialog::cardPayment(const std::string& pwd, int type, int64_t kopecks,
                                           const std::string& transaction) {
  const app::Sent sent = path_.direct(
      kCardTimeout, kCardError, [&](link::Driver & d) -> auto& {
        return link::CardPayment(d, pwd, type, kopecks, transaction);
      });
  if (sent.reply) {
    cardReply_ = *sent.reply;
    ctx_.state.lastReply = &cardReply_;
  }
  return sent;
}

// The terminal charged the card but the registrar did not take the
// payment: the transaction is put where a second payment can use it
// without charging the card again.
void FiscalReceiptDialog::keepTransaction(const std::string& transaction) {
  const QString id = app::FromWire(transaction);
  transaction_->setText(id);
  ctx_.prompt.showMessage(
      QString(Tesmar::mark("Банковский терминал провел оплату, идентификатор транзакции %1, но "
              "регистратор оплату не принял. Идентификатор записан в поле транзакции: чтобы "
              "завершить оплату без повторного списания с карты, отметьте \"Использовать "
              "указанный идентификатор транзакций\" и нажмите \"Оплатить\"."))
          .arg(id));
}

// The card payment's reply is what the window shows last: the error box,
// `LastReply` and the status button, over the signature lines' replies.
void FiscalReceiptDialog::showCardReply() {
  ctx_.state.lastReply = &cardReply_;
  error_->setText(app::FromWire(cardReply_.errorCode.View()));
  statusButton_->setEnabled(true);
}

}  // namespace tesmar::sales
