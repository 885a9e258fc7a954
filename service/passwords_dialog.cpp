#include "service/passwords_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/config_support.h"
#include "link/formatters.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
QLineEdit* PasswordField() {
  auto* e = new QLineEdit(app::kDefaultPassword);
  e->setMaxLength(6);
  return e;
}
}  // namespace

PasswordsDialog::PasswordsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                 QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Пароли"), parent) {
  password_->setMaxLength(6);
  programming_ = PasswordField();
  reports_ = PasswordField();
  newAdmin_ = PasswordField();
  newAdmin_->setEchoMode(QLineEdit::Password);
  auto* modes = new QGroupBox(Tesmar::mark("Пароли режимов"));
  auto* mf = new QFormLayout(modes);
  mf->addRow(Tesmar::mark("Новый пароль программирования:"), programming_);
  mf->addRow(Tesmar::mark("Новый пароль отчетов:"), reports_);
  mf->addRow(Tesmar::mark("Новый пароль администратора:"), newAdmin_);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Пароль администратора:"), password_);
  auto* run = new QPushButton(Tesmar::mark("Выполнить"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(run, &QPushButton::clicked, this, &PasswordsDialog::execute);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(modes);
  root->addLayout(app::ButtonRow({run}, close));
}

// The fields go as typed: the registrar judges them.
void PasswordsDialog::execute() {
  std::string admin, programming, reports, newAdmin;
  if (!app::WireField(ctx_.prompt, Tesmar::mark("Пароль администратора:"), password_->text(), admin) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Новый пароль программирования:"), programming_->text(),
                      programming) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Новый пароль отчетов:"), reports_->text(), reports) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Новый пароль администратора:"), newAdmin_->text(), newAdmin))
    return;
  const app::Sent sent = path_.send([&](link::Driver & d) -> auto& {
    return link::SetModePasswords(d, admin, programming, reports, newAdmin);
  });
  if (JudgePrefixed(ctx_, sent, Tesmar::mark("Ошибка установки паролей: \n  ")))
    ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

}  // namespace tesmar::service
