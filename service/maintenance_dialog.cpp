#include "service/maintenance_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "app/wire_text.h"

namespace tesmar::service {

using app::kDefaultPassword;

namespace {

constexpr const char* kMaskCaptions[5] = {
    Tesmar::mark("напоминание сделается один раз после включения регистратора"),
    Tesmar::mark("вывести сообщение на дисплей "),
    Tesmar::mark("вывести сообщение на принтер"),
    Tesmar::mark("дождаться нажатия клавиши регистратора"),
    Tesmar::mark("звуковой сигнал"),
};
constexpr const char* kMessageHint =
    Tesmar::mark("Введенное сообщение будет использовано при напоминании о ТО, если \r\nВы не ввели текст, то "
    "сообщения не будет перезаписано в РРО.");
constexpr int kHintShowMs = 10000;

QLineEdit* SecretField(const char* name) {
  auto* f = new QLineEdit;
  f->setObjectName(name);
  f->setMaxLength(6);
  f->setEchoMode(QLineEdit::Password);
  return f;
}

// DDMMYY as a date of this century; invalid when it is not one.
QDate DateFromWire(const QString& ddmmyy) {
  bool ok = false;
  const int v = ddmmyy.toInt(&ok);
  if (!ok || ddmmyy.size() != 6) return {};
  return QDate(2000 + v % 100, v / 100 % 100, v / 10000);
}

}  // namespace

int ReminderMask(const std::array<bool, 5>& boxes) {
  int mask = 0;
  for (int bit = 0; bit < 5; ++bit)
    if (boxes[bit]) mask |= 1 << bit;
  return mask;
}

MaintenanceDialog::MaintenanceDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                     QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Техническое обслуживание"), parent) {
  message_ = new QPlainTextEdit;
  message_->setObjectName("message");
  message_->setToolTip(kMessageHint);
  message_->setToolTipDuration(kHintShowMs);
  message_->setStyleSheet("QToolTip { background-color: #00FFFF; color: black; }");
  auto* messageGroup = new QGroupBox(Tesmar::mark("Установить сообщение о техническом обслуживании"));
  (new QVBoxLayout(messageGroup))->addWidget(message_);

  oldPassword_ = SecretField("oldPassword");
  newPassword_ = SecretField("newPassword");
  repeatPassword_ = SecretField("repeatPassword");
  eventDate_ = new QDateEdit;
  eventDate_->setObjectName("eventDate");
  eventDate_->setCalendarPopup(true);
  eventDate_->setDisplayFormat("dd.MM.yy");
  days_ = new QLineEdit("0");
  days_->setObjectName("days");
  auto* daysRow = new QHBoxLayout;
  daysRow->addWidget(new QLabel(Tesmar::mark("Напоминать за ")));
  daysRow->addWidget(days_);
  daysRow->addWidget(new QLabel(Tesmar::mark("дней.")));
  auto* maskGroup = new QGroupBox(Tesmar::mark("Маска события"));
  auto* maskLayout = new QVBoxLayout(maskGroup);
  for (int bit = 0; bit < 5; ++bit)
    maskLayout->addWidget(mask_[bit] = new QCheckBox(kMaskCaptions[bit]));
  auto* reminderGroup = new QGroupBox(Tesmar::mark("Напоминание о техническом обслуживании"));
  auto* form = new QFormLayout(reminderGroup);
  form->addRow(Tesmar::mark("Старый пароль:"), oldPassword_);
  form->addRow(Tesmar::mark("Новый пароль:"), newPassword_);
  form->addRow(Tesmar::mark("Повторить новый пароль:"), repeatPassword_);
  form->addRow(Tesmar::mark("Дата события:"), eventDate_);
  form->addRow(daysRow);
  form->addRow(maskGroup);

  auto* set = new QPushButton(Tesmar::mark("Установить"));
  set->setToolTip(Tesmar::mark("Установить напоминание ТО"));
  auto* readButton = new QPushButton(Tesmar::mark("Прочитать"));
  readButton->setToolTip(Tesmar::mark("Прочитать информацию об напоминании ТО"));
  auto* reportButton = new QPushButton(Tesmar::mark("Отчет"));
  reportButton->setToolTip(Tesmar::mark("Отчет ТО"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  for (QPushButton* b : {set, readButton, reportButton, close}) b->setAutoDefault(false);
  connect(set, &QPushButton::clicked, this, &MaintenanceDialog::program);
  connect(readButton, &QPushButton::clicked, this, &MaintenanceDialog::read);
  connect(reportButton, &QPushButton::clicked, this, &MaintenanceDialog::report);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addWidget(messageGroup);
  root->addWidget(reminderGroup);
  root->addLayout(app::ButtonRow({set, readButton, reportButton}, close));
}

void MaintenanceDialog::showEvent(QShowEvent* e) {
  eventDate_->setDate(QDate::currentDate());
  CommandDialog::showEvent(e);
}

// 34h line by line: the first starts the message (sent even when empty),
// empty further lines are left out. False when a line was refused.
bool MaintenanceDialog::sendMessage() {
  const QStringList lines = message_->toPlainText().split('\n');
  std::vector<std::string> wire(lines.size());
  for (int i = 0; i < lines.size(); ++i)
    if (!app::WireField(ctx_.prompt, Tesmar::mark("Установить сообщение о техническом обслуживании"), lines[i],
                        wire[i]))
      return false;
  const QString title = Tesmar::mark("Добавить строку во временный буфер");
  for (size_t i = 0; i < wire.size(); ++i) {
    if (i > 0 && wire[i].empty()) continue;
    if (!path_.decoded(
            title, [&](link::Driver & d) -> auto& {
              return link::AddMessageLine(d, kDefaultPassword, i == 0 ? 0 : 1, wire[i]);
            }))
      return false;
  }
  return true;
}

void MaintenanceDialog::program() {
  if (newPassword_->text() != repeatPassword_->text()) {
    ctx_.prompt.showMessage(Tesmar::mark("Неверный пароль. Попробуйте ещё раз!"));
    return;
  }
  std::string oldPwd, newPwd;
  int days = 0;
  if (!app::WireField(ctx_.prompt, Tesmar::mark("Старый пароль:"), oldPassword_->text(), oldPwd) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Новый пароль:"), newPassword_->text(), newPwd) ||
      !typedNumber(Tesmar::mark("Напоминать за"), days_, days, 0, 999))
    return;
  if (!message_->toPlainText().isEmpty() && !sendMessage()) return;
  const std::string date = eventDate_->date().toString("ddMMyy").toStdString();
  std::array<bool, 5> boxes{};
  for (int bit = 0; bit < 5; ++bit) boxes[bit] = mask_[bit]->isChecked();
  if (path_.decoded(
          Tesmar::mark("Установить информацию о сервисном обслуживании"), [&](link::Driver & d) -> auto& {
            return link::SetMaintenanceReminder(d, oldPwd, newPwd, date, days, ReminderMask(boxes));
          }))
    ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

void MaintenanceDialog::read() {
  const app::Sent s = path_.decoded(
      Tesmar::mark("Чтение информации о напоминании сервисного обслуживания"),
      [](link::Driver & d) -> auto& { return link::ReadMaintenanceReminder(d, kDefaultPassword); });
  if (!s || !path_.requireFields(*s.reply, 3)) return;
  const link::ReplyRecord& r = *s.reply;
  const QDate date = DateFromWire(app::FromWire(r.Field(0)));
  if (date.isValid()) eventDate_->setDate(date);
  days_->setText(app::FromWire(r.Field(1)));
  const int mask = app::FromWire(r.Field(2)).toInt(nullptr, 16);
  for (int bit = 0; bit < 5; ++bit) mask_[bit]->setChecked(mask & (1 << bit));
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

void MaintenanceDialog::report() {
  if (!path_.decoded(
          {}, [](link::Driver & d) -> auto& {
            return link::OpenNonFiscalReceipt(d, kDefaultPassword);
          }))
    return;
  if (!path_.decoded(
          Tesmar::mark("Отчет об напоминании ТО"), [](link::Driver & d) -> auto& {
            return link::PrintServiceReport(d, kDefaultPassword, 3);
          }))
    return;  // the receipt stays open, as the registrar left it
  path_.decoded(
      {}, [](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, kDefaultPassword); });
}

}  // namespace tesmar::service
