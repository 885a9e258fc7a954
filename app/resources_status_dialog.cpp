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
const char* const kPermissions[6] = {"Разрешение фискализации",
                                     "Разрешение записи заводского номера ",
                                     "Разрешение записи фискального номера ",
                                     "Разрешение записи налогового номера",
                                     "Разрешение записи комплекта налоговых ставок",
                                     "Разрешение записи пароля доступа к ФП"};
const char* const kValues[6] = {
    "Количество аварийных обнулений:", "Свободно фискальных отчетов:",     "Дата открытия смены:",
    "Время открытия смены:",           "Свободно записей в базе товаров:", "Свободно чеков:"};
}  // namespace

ResourcesStatusDialog::ResourcesStatusDialog(AppContext& ctx, StatusBytesDialog& status,
                                             QWidget* parent)
    : QDialog(parent), ctx_(ctx), statusDialog_(status) {
  setWindowTitle("Информация о свободных ресурсах и статусе");
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
  top->addRow("Пароль:", password_);
  top->addRow("Код ошибки:", error_);
  auto* report = new QPushButton("Сделать отчет");
  statusButton_ = new QPushButton("Состояние регистратора");
  auto* close = new QPushButton("Закрыть");
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
  if (!WireField(ctx_.prompt, "Пароль:", password_->text(), password)) return;
  CommandPath path(ctx_, error_);
  const Sent sent = path.decoded("Информация о свободных ресурсах и статусе",
                                 [&](link::Driver& d) -> auto& {
                                   return link::ReadResources(d, password);
                                 });
  if (!sent || !path.requireFields(*sent.reply, 12)) return;
  const link::ReplyRecord& r = *sent.reply;
  for (int i = 0; i < 6; ++i) permissions_[i]->setChecked(FieldNumber(r, i + 1) == 1);
  for (int i = 0; i < 6; ++i) values_[i]->setText(FromWire(r.Field(6 + i)));
  ctx_.prompt.showSuccess("Информация о свободных ресурсах и статусе - Успешно!");
}

}  // namespace tesmar::app
