#include "sales/void_close_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"

namespace tesmar::sales {

namespace {
constexpr const char* kNoReceipt = Tesmar::mark("Нет открытых чеков");
constexpr uint8_t kStateBits = 0x0F;
constexpr uint8_t kFreeText = 5;
constexpr uint8_t kReturnBit = 0x10;
// Set in the receipt states 4 to 7 and 12 to 15: the receipt can be closed.
constexpr uint8_t kClosableBit = 0x04;
}  // namespace

OpenReceiptView ViewOfReceiptState(uint8_t s2) {
  const uint8_t state = s2 & kStateBits;
  if (state == 0) return {kNoReceipt, false, false};
  if (state == kFreeText) return {Tesmar::mark("Открыт нефискальный чек"), true, false};
  const QString text = (s2 & kReturnBit) ? Tesmar::mark("Открыт чек возврата") : Tesmar::mark("Открыт фискальный чек");
  return {text, (s2 & kClosableBit) != 0, true};
}

VoidCloseDialog::VoidCloseDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                 QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Аннулирование и закрытие чека"), parent) {
  // This window always sends the default password and has no field for it,
  // and its "Состояние регистратора" asks the registrar instead of showing
  // the status bytes.
  password_->setParent(this);
  password_->hide();
  statusButton_->setParent(this);
  statusButton_->hide();
  statusLine_ = new QLabel;
  statusLine_->setObjectName("statusLine");
  close_ = new QPushButton(Tesmar::mark("Закрыть чек"));
  void_ = new QPushButton(Tesmar::mark("Аннулировать чек"));
  state_ = new QPushButton(Tesmar::mark("Состояние регистратора"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(close_, &QPushButton::clicked, this, &VoidCloseDialog::closeReceipt);
  connect(void_, &QPushButton::clicked, this, &VoidCloseDialog::voidReceipt);
  connect(state_, &QPushButton::clicked, this, &VoidCloseDialog::registrarState);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Код ошибки:"), error_);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(statusLine_);
  root->addLayout(app::ButtonRow({close_, void_, state_}, quit));
  close_->setEnabled(false);
  void_->setEnabled(false);
}

void VoidCloseDialog::showEvent(QShowEvent* e) {
  CommandDialog::showEvent(e);
  readReceiptState();
}

// 80h with the default password; the model line on success.
const link::ReplyRecord* VoidCloseDialog::identify() {
  const app::Sent s = path_.decoded(
      Tesmar::mark("Проверка состояния регистратора"),
      [](link::Driver & d) -> auto& { return link::Identify(d, app::kDefaultPassword); });
  if (!s) return nullptr;
  ctx_.state.paymentTypeCount = app::PaymentTypesFrom(*s.reply);
  statusLine_->setText(app::ModelStatusLine(*s.reply));
  return s.reply;
}

void VoidCloseDialog::readReceiptState() {
  close_->setEnabled(false);
  void_->setEnabled(false);
  const link::ReplyRecord* r = identify();
  if (!r) return;
  const OpenReceiptView view = ViewOfReceiptState(r->status[2]);
  statusLine_->setText(view.text);
  close_->setEnabled(view.closeEnabled);
  void_->setEnabled(view.voidEnabled);
}

void VoidCloseDialog::registrarState() {
  identify();
}

void VoidCloseDialog::showClosed() {
  error_->setText("0000");
  statusLine_->setText(kNoReceipt);
  close_->setEnabled(false);
  void_->setEnabled(false);
}

void VoidCloseDialog::voidReceipt() {
  if (path_.direct(
          Tesmar::mark("Таймаут устройства! Ошибка аннулирования!"), Tesmar::mark("Ошибка аннулирования"),
          [](link::Driver & d) -> auto& {
            return link::VoidOperation(d, app::kDefaultPassword, 0);
          }))
    showClosed();
}

void VoidCloseDialog::closeReceipt() {
  if (path_.direct(
          Tesmar::mark("Таймаут устройства! Ошибка закрыиия чека!"), Tesmar::mark("Ошибка закрытия чека"),
          [](link::Driver & d) -> auto& {
            return link::CloseFiscalReceipt(d, app::kDefaultPassword);
          }))
    showClosed();
}

}  // namespace tesmar::sales
