#include "service/modem_state_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "service/modem_report_dialog.h"
#include "service/network_fields.h"
#include "link/network_formatters.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {

constexpr const char* kBoxCaptions[8] = {
    Tesmar::mark("МБ_SAM неисправен"),
    Tesmar::mark("Карта памяти неисправна"),
    Tesmar::mark("Блокировка по неотправке док. 72 час"),
    Tesmar::mark("ID_DEV установлен"),
    Tesmar::mark("Техническая регистрация выполнена"),
    Tesmar::mark("ЭККР персонализирован"),
    Tesmar::mark("Кабель Ethernet подключен"),
    Tesmar::mark("Есть данные для отправки"),
};
constexpr int kSendNowParameter = 21;

// Two upper-case hexadecimal digits; -1 for anything else.
int StateByte(const QString& text) {
  static const QString kDigits = "0123456789ABCDEF";
  if (text.size() != 2) return -1;
  const int high = kDigits.indexOf(text[0]), low = kDigits.indexOf(text[1]);
  return high < 0 || low < 0 ? -1 : high * 16 + low;
}

QLineEdit* Shown() {
  auto* e = new QLineEdit;
  e->setReadOnly(true);
  return e;
}

}  // namespace

ModemStateDialog::ModemStateDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                   QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Состояние модема"), parent),
      print_(new QCheckBox(Tesmar::mark("Печатать"))),
      undeliveredDate_(Shown()),
      undeliveredTime_(Shown()),
      personalisedDate_(Shown()),
      personalisedTime_(Shown()) {
  auto* form = new QFormLayout;
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = new QCheckBox(kBoxCaptions[i]);
    // The boxes show the modem's state; a click does not change them.
    boxes_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    boxes_[i]->setFocusPolicy(Qt::NoFocus);
    form->addRow(boxes_[i]);
  }
  form->addRow(Tesmar::mark("Дата формирования  первого \r\nнедоставленного документа:"), undeliveredDate_);
  form->addRow(Tesmar::mark("Время формирования  первого \r\nнедоставленного документа:"), undeliveredTime_);
  form->addRow(Tesmar::mark("Дата персонализации:"), personalisedDate_);
  form->addRow(Tesmar::mark("Время персонализации:"), personalisedTime_);
  form->addRow(print_);
  addPasswordRows(form);
  auto* report = new QPushButton(Tesmar::mark("Получить отчет"));
  auto* send = new QPushButton(Tesmar::mark("Отправить данные на эквайер"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(report, &QPushButton::clicked, this, &ModemStateDialog::getReport);
  connect(send, &QPushButton::clicked, this, &ModemStateDialog::sendToAcquirer);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({report, send, statusButton_}, close));
}

void ModemStateDialog::getReport() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const bool print = print_->isChecked();
  const app::Sent s = path_.direct(
      kDeviceTimeout,
      kModemError, [&](link::Driver & d) -> auto& { return link::ReadModemState(d, pwd, print); });
  if (!s) return;
  const QStringList f = PlainFields(*s.reply);
  const int state = f.isEmpty() ? -1 : StateByte(f[0]);
  if (f.size() < 5 || state < 0) {
    ctx_.prompt.showMessage(kWrongDataMessage);
    return;
  }
  undeliveredDate_->setText(f[1]);
  undeliveredTime_->setText(f[2]);
  personalisedDate_->setText(f[3]);
  personalisedTime_->setText(f[4]);
  for (size_t bit = 0; bit < boxes_.size(); ++bit) boxes_[bit]->setChecked(state & (1 << bit));
}

// A fixed string: the access password "731942", parameter 21 set to 1.
void ModemStateDialog::sendToAcquirer() {
  path_.direct(
      kDeviceTimeout, kModemError, [](link::Driver & d) -> auto& {
        return link::SetServiceParameter(d, app::kDefaultPassword, kSendNowParameter, 1);
      });
}

}  // namespace tesmar::service
