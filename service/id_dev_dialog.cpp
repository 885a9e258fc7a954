#include "service/id_dev_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "service/network_fields.h"
#include "link/network_formatters.h"
#include "app/wire_text.h"

namespace tesmar::service {

IdDevDialog::IdDevDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Установить и прочитать ID_DEV"), parent) {
  idDev_ = new QLineEdit;
  idDev_->setObjectName("idDev");
  hex_ = new QLabel(kIdDevLabel);
  fromMemory_ = new QRadioButton(Tesmar::mark("Из фискальной памяти"));
  fromCard_ = new QRadioButton(Tesmar::mark("Из карточки"));
  fromMemory_->setChecked(true);
  auto* form = new QFormLayout;
  form->addRow("ID_DEV:", idDev_);
  form->addRow(hex_);
  form->addRow(fromMemory_);
  form->addRow(fromCard_);
  addPasswordRows(form);
  auto* set = new QPushButton(Tesmar::mark("Установить ID_DEV"));
  auto* read = new QPushButton(Tesmar::mark("Прочитать ID_DEV"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(set, &QPushButton::clicked, this, &IdDevDialog::setIdDev);
  connect(read, &QPushButton::clicked, this, &IdDevDialog::readIdDev);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({set, read, statusButton_}, close));
}

void IdDevDialog::setIdDev() {
  if (idDev_->text().isEmpty()) {
    ctx_.prompt.showMessage(Tesmar::mark("Не введён ID_DEV. Ошибка!"));
    return;
  }
  std::string pwd, id;
  if (!typedPassword(pwd) || !app::WireField(ctx_.prompt, "ID_DEV:", idDev_->text(), id)) return;
  const app::Sent s =
      path_.send([&](link::Driver & d) -> auto& { return link::SetIdDev(d, pwd, id); });
  if (JudgeReply(path_, s, Tesmar::mark("Ошибка выполнения команды установка ID_DEV. Таймаут"),
                 kRegistrarStateTitle))
    ctx_.prompt.showSuccess(kSuccessMessage);
}

void IdDevDialog::readIdDev() {
  idDev_->clear();
  hex_->setText(kIdDevLabel);
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const bool card = fromCard_->isChecked();
  const app::Sent s = path_.send([&](link::Driver & d) -> auto& {
    return card ? link::ReadIdDevFromCard(d, pwd) : link::ReadIdDevFromFiscalMemory(d, pwd);
  });
  if (!JudgeReply(path_, s, kTimeoutMessage, Tesmar::mark("Чтение ID_DEV, код ошибки"))) return;
  const QString value = app::FromWire(s.reply->Field(0));
  const QString hex = s.reply->fieldCount > 0 ? IdDevHex(value) : QString();
  if (hex.isEmpty()) {
    ctx_.prompt.showMessage(kWrongDataMessage);
    return;
  }
  idDev_->setText(value);
  hex_->setText(kIdDevLabel + hex);
  ctx_.prompt.showSuccess(kSuccessMessage);
}

}  // namespace tesmar::service
