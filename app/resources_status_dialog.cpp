#include "app/resources_status_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "app/command_dialog.h"
#include "app/command_path.h"
#include "link/formatters.h"
#include "app/status_bytes_dialog.h"
#include "app/wire_text.h"

namespace tesmar::app {

namespace {
const char* const kPermissions[6] = {Tesmar::mark("Разрешение фискализации"),
                                     Tesmar::mark("Разрешение записи заводского номера "),
                                     Tesmar::mark("Разрешение записи фискального номера "),
                                     Tesmar::mark("Разрешение записи налогового номера"),
                                     Tesmar::mark("Разрешение записи комплекта налоговых ставок"),
                                     Tesmar::mark("Разрешение записи пароля доступа к ФП")};
const char* const kValues[6] = {
    Tesmar::mark("Количество аварийных обнулений:"), Tesmar::mark("Свободно фискальных отчетов:"),     Tesmar::mark("Дата открытия смены:"),
    Tesmar::mark("Время открытия смены:"),           Tesmar::mark("Свободно записей в базе товаров:"), Tesmar::mark("Свободно чеков:")};
}  // namespace

ResourcesStatusDialog::ResourcesStatusDialog(AppContext& ctx, StatusBytesDialog& status,
                                             QWidget* parent)
    : QDialog(parent), ctx_(ctx), statusDialog_(status) {
  setWindowTitle(Tesmar::mark("Информация о свободных ресурсах и статусе"));
  auto* panel = new QWidget;
  panel->setEnabled(false);  // display only
  auto* form = new QFormLayout(panel);
  for (int i = 0; i < 6; ++i) {
    permissions_[i] = new QCheckBox(kPermissions[i]);
    form->addRow(permissions_[i]);
  }
  for (int i = 0; i < 6; ++i) {
    values_[i] = new QLineEdit;
    form->addRow(kValues[i], values_[i]);
  }
  password_ = new QLineEdit("731942");
  error_ = new QLineEdit;
  error_->setReadOnly(true);
  auto* top = new QFormLayout;
  top->addRow(Tesmar::mark("Пароль:"), password_);
  top->addRow(Tesmar::mark("Код ошибки:"), error_);
  auto* report = new QPushButton(Tesmar::mark("Сделать отчет"));
  statusButton_ = new QPushButton(Tesmar::mark("Состояние регистратора"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(report, &QPushButton::clicked, this, &ResourcesStatusDialog::makeReport);
  connect(statusButton_, &QPushButton::clicked, &statusDialog_, [this] { statusDialog_.exec(); });
  connect(close, &QPushButton::clicked, this, [this] {
    statusButton_->setEnabled(false);
    accept();
  });
  auto* buttons = ButtonRow({report, statusButton_}, close);
  auto* root = new QVBoxLayout(this);
  root->addLayout(top);
  root->addWidget(panel);
  root->addLayout(buttons);
}

void ResourcesStatusDialog::showEvent(QShowEvent* e) {
  error_->clear();
  statusButton_->setEnabled(false);
  QDialog::showEvent(e);
}

void ResourcesStatusDialog::makeReport() {
  statusButton_->setEnabled(true);
  error_->clear();
  std::string password;
  if (!WireField(ctx_.prompt, Tesmar::mark("Пароль:"), password_->text(), password)) return;
  CommandPath path(ctx_, error_);
  const Sent sent = path.decoded(Tesmar::mark("Информация о свободных ресурсах и статусе"),
                                 [&](link::Driver& d) -> auto& {
                                   return link::ReadResources(d, password);
                                 });
  if (!sent || !path.requireFields(*sent.reply, 12)) return;
  const link::ReplyRecord& r = *sent.reply;
  for (int i = 0; i < 6; ++i) permissions_[i]->setChecked(FieldNumber(r, i + 1) == 1);
  for (int i = 0; i < 6; ++i) values_[i]->setText(FromWire(r.Field(6 + i)));
  ctx_.prompt.showSuccess(Tesmar::mark("Информация о свободных ресурсах и статусе - Успешно!"));
}

}  // namespace tesmar::app
