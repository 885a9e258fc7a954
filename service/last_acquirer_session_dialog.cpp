#include "service/last_acquirer_session_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/modem_report_dialog.h"
#include "service/network_fields.h"
#include "link/network_formatters.h"
#include "app/wire_text.h"

namespace tesmar::service {

LastAcquirerSessionDialog::LastAcquirerSessionDialog(app::AppContext& ctx,
                                                     app::StatusBytesDialog& status,
                                                     QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Последний успешный сеанс связи с эквайером"), parent),
      date_(new QLineEdit),
      time_(new QLineEdit) {
  date_->setReadOnly(true);
  time_->setReadOnly(true);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Дата:"), date_);
  form->addRow(Tesmar::mark("Время:"), time_);
  addPasswordRows(form);
  auto* run = new QPushButton(Tesmar::mark("Выполнить"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(run, &QPushButton::clicked, this, &LastAcquirerSessionDialog::run);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({run, statusButton_}, close));
}

void LastAcquirerSessionDialog::run() {
  date_->clear();
  time_->clear();
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s = path_.direct(
      kDeviceTimeout, kModemError, [&](link::Driver & d) -> auto& {
        return link::ReadLastAcquirerSession(d, pwd);
      });
  // A refusal carries no fields: the boxes stay empty rather than show what
  // an earlier reply left.
  const QStringList f = s ? PlainFields(*s.reply) : QStringList();
  if (f.size() < 2) return;
  date_->setText(f[0]);
  time_->setText(f[1]);
}

}  // namespace tesmar::service
