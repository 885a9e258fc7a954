#include "service/modem_report_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/network_fields.h"
#include "link/network_formatters.h"
#include "service/network_text.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
QLineEdit* Shown(const char* name) {
  auto* e = new QLineEdit;
  e->setObjectName(name);
  e->setReadOnly(true);
  return e;
}
}  // namespace

ModemReportDialog::ModemReportDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                     QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Состояние модема для "), parent),
      number_(Shown("modemNumber")),
      personalised_(Shown("personalised")),
      end_(Shown("hoursEnd")),
      first_(Shown("firstUnsent")),
      count_(Shown("unsentCount")) {
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Номер (ID_DEV) модема:"), number_);
  form->addRow(Tesmar::mark("Дата персонализации::"), personalised_);
  form->addRow(Tesmar::mark("Ожидаемое время \r\nистечения 72 часов:"), end_);
  form->addRow(Tesmar::mark("Время первого не переданного \r\nчека в модеме:"), first_);
  form->addRow(Tesmar::mark("Количество чеков не \r\nпереданных модему:"), count_);
  addPasswordRows(form);
  auto* report = new QPushButton(Tesmar::mark("Получить отчет"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(report, &QPushButton::clicked, this, &ModemReportDialog::getReport);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({report, statusButton_}, close));
}

void ModemReportDialog::showEvent(QShowEvent* e) {
  setWindowTitle(Tesmar::mark("Состояние модема для ") + ctx_.state.model);
  CommandDialog::showEvent(e);
}

void ModemReportDialog::getReport() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s = path_.direct(
      kDeviceTimeout,
      kModemError, [&](link::Driver & d) -> auto& { return link::ReadModemReport(d, pwd); });
  if (!s) return;
  const QStringList f = PlainFields(*s.reply);
  auto field = [&](int i) { return f.value(i); };
  number_->setText(field(0));
  personalised_->setText(ModemDate(field(1)));
  end_->setText(ModemDate(field(2)));
  first_->setText(ModemDate(field(3)));
  count_->setText(field(4));
}

}  // namespace tesmar::service
