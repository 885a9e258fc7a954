#include "service/payment_types_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "service/config_rules.h"
#include "service/config_support.h"
#include "link/formatters.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr int kTerminalColumn = 5;

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  grid->setItem(row, column, item);
}
}  // namespace

PaymentTypesDialog::PaymentTypesDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Параметры оплаты"), parent) {
  grid_ = new QTableWidget(0, 6);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  int column = 0;
  for (int w : {60, 174, 71, 74, 105, 141}) grid_->setColumnWidth(column++, w);

  name_ = new QLineEdit;
  name_->setMaxLength(20);
  number_ = new QLineEdit;
  number_->setMaxLength(1);
  sale_ = new QCheckBox(Tesmar::mark("Разрешение использования при продаже"));
  refund_ = new QCheckBox(Tesmar::mark("Разрешение использования при возврате"));
  change_ = new QCheckBox(Tesmar::mark("Разрешение начисления сдачи наличными"));
  terminal_ = new QCheckBox(Tesmar::mark("Работа с терминалом"));
  auto* group = new QGroupBox(Tesmar::mark("Добавить форму оплаты"));
  auto* gf = new QFormLayout(group);
  gf->addRow(Tesmar::mark("Наименование:"), name_);
  gf->addRow(Tesmar::mark("Номер:"), number_);
  for (QCheckBox* b : {sale_, refund_, change_, terminal_}) gf->addRow(b);

  add_ = new QPushButton(Tesmar::mark("Добавить"));
  read_ = new QPushButton(Tesmar::mark("Прочитать"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(add_, &QPushButton::clicked, this, &PaymentTypesDialog::add);
  connect(read_, &QPushButton::clicked, this, &PaymentTypesDialog::read);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  connect(name_, &QLineEdit::textChanged, this, &PaymentTypesDialog::updateAdd);
  connect(number_, &QLineEdit::textChanged, this, &PaymentTypesDialog::updateAdd);
  auto* root = new QVBoxLayout(this);
  root->addWidget(grid_);
  root->addWidget(group);
  root->addLayout(app::ButtonRow({add_, read_}, quit));
  updateAdd();
}

bool PaymentTypesDialog::terminalModel() const {
  return ctx_.state.profile.paymentTerminal;
}

void PaymentTypesDialog::updateAdd() {
  add_->setEnabled(!name_->text().isEmpty() && !number_->text().isEmpty());
}

void PaymentTypesDialog::rebuild() {
  const int p = ctx_.state.paymentTypeCount;
  grid_->clearContents();
  grid_->setRowCount(p + 1);
  const QStringList headers = {Tesmar::mark("Номер"),   Tesmar::mark("Название"),        Tesmar::mark("Продажа"),
                               Tesmar::mark("Возврат"), Tesmar::mark("Сдача наличными"), Tesmar::mark("Работа с терминалом")};
  for (int c = 0; c < headers.size(); ++c) SetCell(grid_, 0, c, headers[c]);
  for (int i = 0; i < p; ++i) SetCell(grid_, i + 1, 0, QString::number(i));
  grid_->setColumnHidden(kTerminalColumn, !terminalModel());
  FitGridToContents(grid_);
  terminal_->setEnabled(terminalModel());
  name_->clear();
  number_->clear();
  for (QCheckBox* b : {sale_, refund_, change_}) b->setChecked(false);
}

void PaymentTypesDialog::showEvent(QShowEvent* e) {
  if (!readOnce_) rebuild();
  CommandDialog::showEvent(e);
}

// The number is checked here too: after a read the button is enabled
// whatever the fields hold.
void PaymentTypesDialog::add() {
  int number = 0;
  if (!typedNumber(Tesmar::mark("Номер:"), number_, number, 0, 9)) return;
  std::string name;
  if (!app::WireField(ctx_.prompt, Tesmar::mark("Наименование:"), name_->text(), name)) return;
  const int mask = PaymentMask(sale_->isChecked(), refund_->isChecked(), change_->isChecked(),
                               terminal_->isChecked(), number_->text().trimmed());
  const app::Sent sent = path_.send([&](link::Driver & d) -> auto& {
    return link::SetPaymentType(d, app::kDefaultPassword, number, mask, name);
  });
  if (JudgePrefixed(ctx_, sent, Tesmar::mark("Добавление формы оплаты:\n  ")))
    ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

bool PaymentTypesDialog::readForm(int i) {
  const app::Sent sent = path_.send([&](link::Driver & d) -> auto& {
    return link::ReadPaymentType(d, app::kDefaultPassword, i);
  });
  if (!JudgePrefixed(ctx_, sent, Tesmar::mark("Чтение форм оплаты:\n  "))) return false;
  const link::ReplyRecord& r = *sent.reply;
  SetCell(grid_, i + 1, 1, ResultField(r, 2));
  bool ok = false;
  const int mask = ResultField(r, 1).toInt(&ok, 16);
  SetCell(grid_, i + 1, 2, Permission(mask, kSaleAllowed));
  SetCell(grid_, i + 1, 3, Permission(mask, kRefundAllowed));
  SetCell(grid_, i + 1, 4, Permission(mask, kChangeAllowed));
  if (terminalModel()) SetCell(grid_, i + 1, kTerminalColumn, Permission(mask, kTerminalAllowed));
  grid_->viewport()->repaint();
  return true;
}

void PaymentTypesDialog::read() {
  readOnce_ = true;
  add_->setEnabled(false);
  read_->setEnabled(false);
  for (int row = 1; row < grid_->rowCount(); ++row)
    for (int c = 1; c < 6; ++c) SetCell(grid_, row, c, QString());
  for (int i = 0; i < ctx_.state.paymentTypeCount; ++i)
    if (!readForm(i)) break;
  add_->setEnabled(true);
  read_->setEnabled(true);
}

}  // namespace tesmar::service
