#include "service/network_fields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {

QLineEdit* Field(const char* name, int maxLength) {
  auto* e = new QLineEdit;
  e->setObjectName(name);
  e->setMaxLength(maxLength);
  return e;
}

}  // namespace

NetworkFields::NetworkFields(const QString& serverCaption)
    : dhcp(new QCheckBox("DHCP")),
      ip(Field("ip", 15)),
      mask(Field("mask", 15)),
      gateway(Field("gateway", 15)),
      server(Field("server", 15)),
      port(Field("port", 5)),
      period(Field("period", 5)),
      retry(Field("retry", 5)),
      serverCaption_(serverCaption) {}

void NetworkFields::addRows(QFormLayout* form) {
  form->addRow(dhcp);
  form->addRow(Tesmar::mark("Статический IP-адрес:"), ip);
  form->addRow(Tesmar::mark("Маска подсети:"), mask);
  form->addRow(Tesmar::mark("Шлюз:"), gateway);
  form->addRow(serverCaption_, server);
  form->addRow(Tesmar::mark("Порт:"), port);
  form->addRow(Tesmar::mark("Периодичность связи (мин):"), period);
  form->addRow(Tesmar::mark("Повторная попытка (сек):"), retry);
}

LinkTexts NetworkFields::texts() const {
  return {dhcp->isChecked(), ip->text(),   mask->text(),   gateway->text(),
          server->text(),    port->text(), period->text(), retry->text()};
}

void NetworkFields::show(const LinkTexts& t) {
  dhcp->setChecked(t.dhcp);
  ip->setText(t.ip);
  mask->setText(t.mask);
  gateway->setText(t.gateway);
  server->setText(t.server);
  port->setText(t.port);
  period->setText(t.period);
  retry->setText(t.retry);
}

bool NetworkFields::fill(const link::ReplyRecord& r, app::Prompt& prompt) {
  auto bad = [&] {
    prompt.showMessage(kWrongDataMessage);
    return false;
  };
  if (r.fieldCount < 1) return bad();
  dhcp->setChecked(r.Field(0) != "0");
  QLineEdit* addresses[] = {ip, mask, gateway, server};
  for (int i = 0; i < 4; ++i) {
    uint32_t a = 0;
    if (r.fieldCount <= 1 + i || !link::ParseHexAddress(r.Field(1 + i), a)) return bad();
    addresses[i]->setText(DottedAddress(a));
  }
  QLineEdit* words[] = {port, period, retry};
  for (int i = 0; i < 3; ++i) {
    uint16_t w = 0;
    if (r.fieldCount <= 5 + i || !link::ParseHexWord(r.Field(5 + i), w)) return bad();
    words[i]->setText(QString::number(w));
  }
  return true;
}

QStringList PlainFields(const link::ReplyRecord& r) {
  std::string_view data = r.dataText.View();
  if (data.empty()) return {};
  if (data.back() == ';') data.remove_suffix(1);
  return app::FromWire(data).split(';');
}

bool JudgeReply(app::CommandPath& path, const app::Sent& sent, const QString& timeout,
                const QString& title) {
  return sent.reply && path.judgeDecoded(*sent.reply, title, timeout);
}

}  // namespace tesmar::service
