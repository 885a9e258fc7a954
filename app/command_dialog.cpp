#include "app/command_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/status_bytes_dialog.h"
#include "app/wire_text.h"

namespace tesmar::app {

QString NotANumberMessage(const QString& caption, long long min, long long max) {
  return Tesmar::mark("В поле \"") + caption + Tesmar::mark("\" должно быть целое число от ") + QString::number(min) + Tesmar::mark(" до ") +
         QString::number(max) + Tesmar::mark(". Команда не отправлена!");
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> left, QWidget* right) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : left) row->addWidget(w);
  row->addStretch();
  row->addWidget(right);
  return row;
}

CommandDialog::CommandDialog(AppContext& ctx, StatusBytesDialog& status, const QString& title,
                             QWidget* parent)
    : QDialog(parent), ctx_(ctx), statusDialog_(status), path_(ctx) {
  setWindowTitle(title);
  password_ = new QLineEdit(kDefaultPassword);
  password_->setObjectName("password");
  error_ = new QLineEdit;
  error_->setObjectName("errorCode");
  error_->setReadOnly(true);
  statusButton_ = new QPushButton(Tesmar::mark("Состояние регистратора"));
  statusButton_->setObjectName("statusButton");
  statusButton_->setAutoDefault(false);
  path_.setErrorBox(error_);
  connect(statusButton_, &QPushButton::clicked, this, [this] { statusDialog_.exec(); });
}

// A window that shows no password, error box or status button never gives
// them a parent; the ones in its layout are deleted with it as children.
CommandDialog::~CommandDialog() {
  for (QWidget* w : std::initializer_list<QWidget*>{password_, error_, statusButton_})
    if (!w->parent()) delete w;
}

void CommandDialog::addPasswordRows(QFormLayout* form) {
  form->addRow(Tesmar::mark("Пароль:"), password_);
  form->addRow(Tesmar::mark("Код ошибки:"), error_);
}

bool CommandDialog::typedPassword(std::string& out) {
  return WireField(ctx_.prompt, Tesmar::mark("Пароль:"), password_->text(), out);
}

bool CommandDialog::typedNumber(const QString& caption, QLineEdit* field, long long& out,
                                long long min, long long max) {
  bool ok = false;
  const long long v = field->text().trimmed().toLongLong(&ok);
  if (!ok || v < min || v > max) {
    ctx_.prompt.showMessage(NotANumberMessage(caption, min, max));
    return false;
  }
  out = v;
  return true;
}

bool CommandDialog::typedNumber(const QString& caption, QLineEdit* field, int& out, int min,
                                int max) {
  long long v = 0;
  if (!typedNumber(caption, field, v, min, max)) return false;
  out = static_cast<int>(v);
  return true;
}

void CommandDialog::clearError() {
  error_->clear();
}

}  // namespace tesmar::app
