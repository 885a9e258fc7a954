#include "service/operators_dialog.h"

#include <QCheckBox>
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
constexpr int kNameLength = 20, kPasswordLength = 6;

QLineEdit* Limited(int length, const QString& text = {}) {
  auto* e = new QLineEdit(text);
  e->setMaxLength(length);
  return e;
}
}  // namespace

OperatorsDialog::OperatorsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                 QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Параметры операторов"), parent) {
  number_ = new QLineEdit;
  name_ = Limited(kNameLength);
  operatorPassword_ = Limited(kPasswordLength, app::kDefaultPassword);
  readName_ = Limited(kNameLength);
  hasSold_ = new QCheckBox(Tesmar::mark("Выполнялись продажи"));
  hasSold_->setAttribute(Qt::WA_TransparentForMouseEvents);
  hasSold_->setFocusPolicy(Qt::NoFocus);

  auto* set = new QPushButton(Tesmar::mark("Установить"));
  auto* setGroup = new QGroupBox(Tesmar::mark("Установить параметры оператора"));
  auto* sf = new QFormLayout(setGroup);
  sf->addRow(Tesmar::mark("Имя:"), name_);
  sf->addRow(Tesmar::mark("Пароль оператора:"), operatorPassword_);
  sf->addRow(set);

  auto* read = new QPushButton(Tesmar::mark("Прочитать"));
  auto* readGroup = new QGroupBox(Tesmar::mark("Прочитать параметры оператора"));
  auto* rf = new QFormLayout(readGroup);
  rf->addRow(Tesmar::mark("Имя:"), readName_);
  rf->addRow(hasSold_);
  rf->addRow(read);

  auto* remove = new QPushButton(Tesmar::mark("Удалить оператора"));
  remove->setToolTip(Tesmar::mark("Если номер оператора \"-1\", то удаляются все опреаторы."));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(set, &QPushButton::clicked, this, &OperatorsDialog::setOperator);
  connect(read, &QPushButton::clicked, this, &OperatorsDialog::readOperator);
  connect(remove, &QPushButton::clicked, this, &OperatorsDialog::deleteOperator);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Пароль:"), password_);
  form->addRow(Tesmar::mark("Номер оператора:"), number_);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(setGroup);
  root->addWidget(readGroup);
  root->addLayout(app::ButtonRow({remove}, close));
}

bool OperatorsDialog::typedCommon(std::string& pwd, int& number) {
  bool ok = false;
  number = number_->text().trimmed().toInt(&ok);
  if (!ok) {
    ctx_.prompt.showMessage(Tesmar::mark("Ошибка! Номер оператора неверный."));
    return false;
  }
  return typedPassword(pwd);
}

void OperatorsDialog::report(const app::Sent& sent, int number) {
  if (JudgePrefixed(ctx_, sent, Tesmar::mark("Оператор ") + QString::number(number) + " \n  "))
    ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

void OperatorsDialog::setOperator() {
  std::string pwd, password, name;
  int number = 0;
  if (!typedCommon(pwd, number) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Пароль оператора:"), operatorPassword_->text(), password) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Имя:"), name_->text(), name))
    return;
  report(path_.send([&](link::Driver & d) -> auto& {
    return link::SetOperator(d, pwd, number, password, name);
  }),
         number);
}

void OperatorsDialog::readOperator() {
  std::string pwd;
  int number = 0;
  if (!typedCommon(pwd, number)) return;
  const app::Sent sent =
      path_.send([&](link::Driver & d) -> auto& { return link::ReadOperator(d, pwd, number); });
  if (!JudgePrefixed(ctx_, sent, Tesmar::mark("Оператор ") + QString::number(number) + " \n  ")) return;
  readName_->setText(ResultField(*sent.reply, 2));
  hasSold_->setChecked(ResultField(*sent.reply, 1) == "1");
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

void OperatorsDialog::deleteOperator() {
  std::string pwd;
  int number = 0;
  if (!typedCommon(pwd, number)) return;
  report(path_.send([&](link::Driver & d) -> auto& {
    return link::ResetOperatorPassword(d, pwd, number);
  }),
         number);
}

}  // namespace tesmar::service
