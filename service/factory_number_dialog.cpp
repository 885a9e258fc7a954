#include "service/factory_number_dialog.h"

#include <QDateTime>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kTimeout = Tesmar::mark("Таймаут устройства! Ошибка!");
constexpr int kMinFactoryNumber = 7, kMaxFactoryNumber = 11;
}  // namespace

FactoryNumberDialog::FactoryNumberDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                         QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Установить заводской номер"), parent) {
  date_ = new QLineEdit;
  time_ = new QLineEdit;
  number_ = new QLineEdit;
  number_->setMaxLength(kMaxFactoryNumber);
  notice_ = new QLabel(Tesmar::mark("Подождите пока ККМ перезагрузиться, затем продолжайте"));
  notice_->setStyleSheet("color: red");
  notice_->hide();
  auto* statusBar = new QLabel(Tesmar::mark("Установка текущего времени и заводского номера"));
  statusBar->setFrameShape(QFrame::StyledPanel);

  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Дата (DDMMYY): "), date_);
  form->addRow(Tesmar::mark("Время (HHMM):"), time_);
  form->addRow(Tesmar::mark("Заводской номер:"), number_);
  form->addRow(Tesmar::mark("Пароль:"), password_);
  auto* clock = new QPushButton(Tesmar::mark("Установить дату и время"));
  auto* set = new QPushButton(Tesmar::mark("Установить"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(clock, &QPushButton::clicked, this, &FactoryNumberDialog::setDateTime);
  connect(set, &QPushButton::clicked, this, &FactoryNumberDialog::setFactoryNumber);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(notice_);
  root->addLayout(app::ButtonRow({clock, set}, close));
  root->addWidget(statusBar);
}

void FactoryNumberDialog::showEvent(QShowEvent* e) {
  const QDateTime now = QDateTime::currentDateTime();
  date_->setText(now.toString("ddMMyy"));
  time_->setText(now.toString("HHmm"));
  CommandDialog::showEvent(e);
}

// Date and time go as typed; the registrar judges them. The restart's
// reply is not looked at: the registrar may go before it answers.
void FactoryNumberDialog::setDateTime() {
  std::string pwd, date, time;
  if (!typedPassword(pwd) || !app::WireField(ctx_.prompt, Tesmar::mark("Дата (DDMMYY): "), date_->text(), date) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Время (HHMM):"), time_->text(), time))
    return;
  const app::Sent set = path_.direct(
      kTimeout, Tesmar::mark("Ошибка установки времени!"), [&](link::Driver & d) -> auto& {
        return link::SetDateTime(d, pwd, date, time);
      });
  if (!set) return;
  path_.send([&](link::Driver & d) -> auto& { return link::RestartRegistrar(d, pwd); });
  notice_->show();
}

void FactoryNumberDialog::setFactoryNumber() {
  notice_->hide();
  if (number_->text().size() < kMinFactoryNumber) {
    ctx_.prompt.showMessage(
        Tesmar::mark("Неверное количество символов в номере! \n Заводской номер не установлен!"));
    return;
  }
  std::string pwd, number;
  if (!typedPassword(pwd) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Заводской номер:"), number_->text(), number))
    return;
  const app::Sent sent = path_.direct(
      kTimeout, Tesmar::mark("Заводской номер не установлен!"), [&](link::Driver & d) -> auto& {
        return link::ProgramSerialNumber(d, pwd, number);
      });
  if (sent) ctx_.prompt.showSuccess(Tesmar::mark("Успешно. Заводской номер установлен!"));
}

}  // namespace tesmar::service
