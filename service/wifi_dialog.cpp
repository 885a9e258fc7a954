#include "service/wifi_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/network_fields.h"
#include "link/network_formatters.h"
#include "service/network_text.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kSettingsTitle = Tesmar::mark("Ошибка команды настройки WiFi");
constexpr const char* kRouterTitle = Tesmar::mark("Ошибка команды связи с роутером");
constexpr const char* kRouterCaption = Tesmar::mark("Соединение с роутером: ");

// A choice index sent as one decimal digit; -1 when it is none of `count`.
int ChoiceIndex(const QString& field, int count) {
  if (field.size() != 1 || field[0] < '0' || field[0].unicode() - '0' >= count) return -1;
  return field[0].unicode() - '0';
}
}  // namespace

WifiDialog::WifiDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Параметры настройки WiFi"), parent),
      ssid_(new QLineEdit),
      auth_(new QComboBox),
      encryption_(new QComboBox),
      networkPassword_(new QLineEdit),
      commandLine_(new QLineEdit),
      router_(new QLabel(kRouterCaption)) {
  auth_->addItems({"0 - OPEN", "1 - SHARED", "2 - WPAPSK", "3- WPA2PSK"});
  encryption_->addItems({"0 - NONE", "1 - WEP_H", "2 - WEP_A", "3 - TKIP", "4 - AES"});
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Наименование сети WiFi (SSID):"), ssid_);
  form->addRow(Tesmar::mark("Режим авторизации:"), auth_);
  form->addRow(Tesmar::mark("Алгоритм шифрования:"), encryption_);
  form->addRow(Tesmar::mark("Пароль:"), networkPassword_);
  form->addRow(Tesmar::mark("Командная строка:"), commandLine_);
  form->addRow(Tesmar::mark("Код ошибки:"), error_);
  form->addRow(Tesmar::mark("Пароль команды:"), password_);
  form->addRow(router_);
  connect(ssid_, &QLineEdit::textChanged, this, &WifiDialog::rebuildCommandLine);
  connect(networkPassword_, &QLineEdit::textChanged, this, &WifiDialog::rebuildCommandLine);
  connect(auth_, &QComboBox::currentIndexChanged, this, &WifiDialog::rebuildCommandLine);
  connect(encryption_, &QComboBox::currentIndexChanged, this, &WifiDialog::rebuildCommandLine);
  rebuildCommandLine();
  auto* write = new QPushButton(Tesmar::mark("Записать"));
  auto* read = new QPushButton(Tesmar::mark("Прочитать"));
  auto* router = new QPushButton(Tesmar::mark("Связь с роутером"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(write, &QPushButton::clicked, this, &WifiDialog::write);
  connect(read, &QPushButton::clicked, this, &WifiDialog::read);
  connect(router, &QPushButton::clicked, this, &WifiDialog::routerLink);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({write, read, router, statusButton_}, close));
}

void WifiDialog::rebuildCommandLine() {
  commandLine_->setText(WifiCommandLine(ssid_->text(), auth_->currentIndex(),
                                        encryption_->currentIndex(), networkPassword_->text()));
}

bool WifiDialog::judged(const app::Sent& s, const QString& title) {
  return s.reply && path_.judgeDecoded(*s.reply, title, kTimeoutMessage);
}

// The command line goes out as it stands, edited by hand or not; a ";"
// typed into the name or the password, which the line built from them
// would carry as a field separator, is refused.
void WifiDialog::write() {
  const QString ssid = ssid_->text(), password = networkPassword_->text();
  const bool built = commandLine_->text() == WifiCommandLine(ssid, auth_->currentIndex(),
                                                             encryption_->currentIndex(), password);
  if (built && WifiFieldsHoldSemicolon(ssid, password)) {
    ctx_.prompt.showMessage(kWifiSemicolon);
    return;
  }
  std::string pwd, line;
  if (!typedPassword(pwd) ||
      !app::WireField(ctx_.prompt, Tesmar::mark("Командная строка:"), commandLine_->text(), line))
    return;
  const app::Sent s =
      path_.send([&](link::Driver & d) -> auto& { return link::WriteWifi(d, pwd, line); });
  if (judged(s, kSettingsTitle)) ctx_.prompt.showSuccess(kSuccessMessage);
}

void WifiDialog::read() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s = path_.send([&](link::Driver & d) -> auto& { return link::ReadWifi(d, pwd); });
  if (!judged(s, kSettingsTitle)) return;
  const QStringList f = PlainFields(*s.reply);
  const int auth = ChoiceIndex(f.value(1), auth_->count());
  const int encryption = ChoiceIndex(f.value(2), encryption_->count());
  if (f.size() < 4 || auth < 0 || encryption < 0) {
    ctx_.prompt.showMessage(kWrongDataMessage);
    return;
  }
  ssid_->setText(f[0]);
  auth_->setCurrentIndex(auth);
  encryption_->setCurrentIndex(encryption);
  networkPassword_->setText(f[3]);
  rebuildCommandLine();
}

void WifiDialog::routerLink() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s =
      path_.send([&](link::Driver & d) -> auto& { return link::ReadRouterLink(d, pwd); });
  if (!judged(s, kRouterTitle)) return;
  const QString info = PlainFields(*s.reply).value(0);
  router_->setText(info.isEmpty() ? QString(kRouterCaption) + Tesmar::mark("Нет соединения")
                                  : QString(kRouterCaption) + Tesmar::mark("Установлено: ") + info);
}

}  // namespace tesmar::service
