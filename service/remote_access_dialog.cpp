#include "service/remote_access_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesmar::service {

RemoteAccessDialog::RemoteAccessDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Параметры удаленного доступа"), parent),
      fields_(Tesmar::mark("Адрес сервера удаленного доступа:")) {
  // Only the server and its port are set here; the rest is for reading.
  fields_.dhcp->setEnabled(false);
  for (QLineEdit* e : {fields_.ip, fields_.mask, fields_.gateway, fields_.period, fields_.retry})
    e->setReadOnly(true);
  auto* form = new QFormLayout;
  fields_.addRows(form);
  addPasswordRows(form);
  auto* read = new QPushButton(Tesmar::mark("Прочитать настройки сети"));
  auto* set = new QPushButton(Tesmar::mark("Установить настройки сети"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(read, &QPushButton::clicked, this, &RemoteAccessDialog::readSettings);
  connect(set, &QPushButton::clicked, this, &RemoteAccessDialog::setSettings);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({read, set, statusButton_}, close));
}

void RemoteAccessDialog::showEvent(QShowEvent* e) {
  CommandDialog::showEvent(e);
  readSettings();
}

void RemoteAccessDialog::readSettings() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s =
      path_.send([&](link::Driver & d) -> auto& { return link::ReadNetworkSettings(d, pwd); });
  if (JudgeReply(path_, s, kTimeoutMessage, kReadSettingsTitle))
    fields_.fill(*s.reply, ctx_.prompt);
}

void RemoteAccessDialog::setSettings() {
  uint32_t server = 0;
  uint16_t port = 0;
  if (!ParseDottedAddress(fields_.server->text(), server)) {
    ctx_.prompt.showMessage(kBadAddress);
    return;
  }
  if (!ParseWord(fields_.port->text(), port)) {
    ctx_.prompt.showMessage(kBadPort);
    return;
  }
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s = path_.send([&](link::Driver & d) -> auto& {
    return link::SetRemoteAccess(d, pwd, server, port);
  });
  if (JudgeReply(path_, s, kTimeoutMessage, kRegistrarStateTitle))
    ctx_.prompt.showSuccess(kSuccessMessage);
}

}  // namespace tesmar::service
