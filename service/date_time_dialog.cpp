#include "service/date_time_dialog.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/config_rules.h"
#include "service/config_support.h"
#include "link/formatters.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kTimeout = Tesmar::mark("Таймаут устройства! Ошибка!");
const QString kUnshownDate =
    Tesmar::mark("Дата регистратора \"%1\" не может быть показана. Дата и время не прочитаны!");
}  // namespace

DateTimeDialog::DateTimeDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                               QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Дата и время"), parent) {
  date_ = new QDateEdit;
  date_->setDisplayFormat("dd.MM.yy");
  date_->setCalendarPopup(true);
  date_->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));  // two-digit years
  time_ = new QLineEdit;
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Дата (DDMMYY): "), date_);
  form->addRow(Tesmar::mark("Время (HHMM):"), time_);
  form->addRow(Tesmar::mark("Пароль:"), password_);
  auto* set = new QPushButton(Tesmar::mark("Установить дату и время"));
  auto* read = new QPushButton(Tesmar::mark("Прочитать дату и время"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(set, &QPushButton::clicked, this, &DateTimeDialog::setClock);
  connect(read, &QPushButton::clicked, this, &DateTimeDialog::readClock);
  connect(quit, &QPushButton::clicked, this, [this] {
    statusButton_->setEnabled(false);
    accept();
  });
  statusButton_->setEnabled(false);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({set, read, statusButton_}, quit));
}

void DateTimeDialog::showEvent(QShowEvent* e) {
  const QDateTime now = QDateTime::currentDateTime();
  date_->setDate(now.date());
  time_->setText(now.toString("HHmm"));
  CommandDialog::showEvent(e);
}

void DateTimeDialog::setClock() {
  std::string pwd, time;
  if (!typedPassword(pwd) || !app::WireField(ctx_.prompt, Tesmar::mark("Время (HHMM):"), time_->text(), time))
    return;
  const std::string date = app::ToWire(WireDate(date_->text()));
  const app::Sent sent = path_.direct(
      kTimeout, Tesmar::mark("Ошибка установки времени!"), [&](link::Driver & d) -> auto& {
        return link::SetDateTime(d, pwd, date, time);
      });
  if (!sent) return;
  statusButton_->setEnabled(true);
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

void DateTimeDialog::readClock() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent sent = path_.direct(
      kTimeout, Tesmar::mark("Ошибка чтения времени!"), [&](link::Driver & d) -> auto& {
        return link::ReadDateTime(d, pwd);
      });
  if (!sent) return;
  statusButton_->setEnabled(true);
  if (!path_.requireFields(*sent.reply, 2)) return;
  // A date that is none (a clock never set answers zeros) is said, and the
  // fields keep the computer's date and time, which must not pass for the
  // registrar's.
  const QString wire = ResultField(*sent.reply, 1);
  const QDate shown = QDate::fromString(ShownDate(wire), "dd.MM.yy");
  if (!shown.isValid()) {
    ctx_.prompt.showMessage(kUnshownDate.arg(wire));
    return;
  }
  // "yy" reads as 19yy; the registrar's years are this century's.
  date_->setDate(shown.year() < 2000 ? shown.addYears(100) : shown);
  time_->setText(ResultField(*sent.reply, 2));
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

}  // namespace tesmar::service
