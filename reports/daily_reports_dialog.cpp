#include "reports/daily_reports_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "reports/report_kinds.h"
#include "app/wire_text.h"

namespace tesmar::reports {

using app::kDefaultPassword;

DailyReportsDialog::DailyReportsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Печать дневных отчетов"), parent) {
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* form = new QFormLayout;
  addPasswordRows(form);
  auto* x = new QPushButton(Tesmar::mark("X-отчет"));
  auto* z = new QPushButton(Tesmar::mark("Z-отчет"));
  auto* tape = new QPushButton(Tesmar::mark("Печать контрольной ленты"));
  auto* zero = new QPushButton(Tesmar::mark("Обнуления контрольной ленты"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(x, &QPushButton::clicked, this, &DailyReportsDialog::xReport);
  connect(z, &QPushButton::clicked, this, &DailyReportsDialog::zReport);
  connect(tape, &QPushButton::clicked, this, &DailyReportsDialog::printTape);
  connect(zero, &QPushButton::clicked, this, &DailyReportsDialog::zeroTape);
  connect(close, &QPushButton::clicked, this, &DailyReportsDialog::closeWindow);
  auto* buttons = new QGridLayout;
  buttons->addWidget(x, 0, 0);
  buttons->addWidget(z, 0, 1);
  buttons->addWidget(tape, 1, 0);
  buttons->addWidget(zero, 1, 1);
  buttons->addWidget(statusButton_, 2, 0);
  buttons->addWidget(close, 2, 1);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(buttons);
}

void DailyReportsDialog::dailyReport(int kind) {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  clearError();
  if (path_.decoded(
          kDailyReportsTitle, [&](link::Driver & d) -> auto& {
            return link::PrintReport(d, pwd, kind);
          }))
    setConnected();
}

void DailyReportsDialog::xReport() {
  statusButton_->setEnabled(true);
  dailyReport(kXReport);
}

void DailyReportsDialog::zReport() {
  if (!app::ConfirmIrreversible(ctx_.prompt, kZReportQuestion)) return;
  statusButton_->setEnabled(true);
  setConnected();
  dailyReport(kZReport);
}

void DailyReportsDialog::zeroTape() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  if (!app::ConfirmIrreversible(ctx_.prompt, Tesmar::mark("Контрольная лента будет обнулена."))) return;
  if (path_.decoded(
          Tesmar::mark("Обнуление контрольной ленты"), [&](link::Driver & d) -> auto& {
            return link::PrintReport(d, pwd, kControlTapeZeroing);
          })) {
    statusButton_->setEnabled(true);
    setConnected();
  }
}

void DailyReportsDialog::printTape() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  statusButton_->setEnabled(true);
  // The error code field stays as it is through these four steps.
  app::CommandPath path(ctx_);
  const std::string heading = app::ToWire(kControlTapeHeading);
  if (!path.decoded(
          {}, [&](link::Driver & d) -> auto& { return link::OpenNonFiscalReceipt(d, pwd); }))
    return;
  if (!path.decoded(
          {}, [&](link::Driver & d) -> auto& {
            return link::PrintText(d, kDefaultPassword, heading);
          }))
    return;
  if (!path.decoded(
          Tesmar::mark("Проверка состояния регистратора"), [&](link::Driver & d) -> auto& {
            return link::PrintAdditionalReport(d, pwd, kControlTapeOutput);
          }))
    return;
  if (path.decoded(
          {}, [&](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, pwd); })) {
    statusButton_->setEnabled(true);
    setConnected();
  }
}

void DailyReportsDialog::closeWindow() {
  clearError();
  statusButton_->setEnabled(false);
  setConnected();
  accept();
}

}  // namespace tesmar::reports
