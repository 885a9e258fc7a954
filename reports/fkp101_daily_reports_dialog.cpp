#include "reports/fkp101_daily_reports_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "link/reply_decoder.h"
#include "reports/report_kinds.h"

namespace tesmar::reports {

Fkp101DailyReportsDialog::Fkp101DailyReportsDialog(app::AppContext& ctx,
                                                   app::StatusBytesDialog& status, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("FKP101 дневные отчеты"), parent) {
  auto* form = new QFormLayout;
  addPasswordRows(form);
  auto* x = new QPushButton(Tesmar::mark("X-отчет"));
  auto* z = new QPushButton(Tesmar::mark("Z-отчет"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  zeroGoods_ = new QCheckBox(Tesmar::mark("Обнулить базу товаров"));
  unload_ = new QPushButton(Tesmar::mark("Выгрузка и обнуления контрольной ленты"));
  // This window's status button checks the access instead of showing bytes.
  disconnect(statusButton_, nullptr, this, nullptr);
  connect(statusButton_, &QPushButton::clicked, this, &Fkp101DailyReportsDialog::checkAccess);
  connect(x, &QPushButton::clicked, this, &Fkp101DailyReportsDialog::xReport);
  connect(z, &QPushButton::clicked, this, &Fkp101DailyReportsDialog::zReport);
  connect(unload_, &QPushButton::clicked, this, &Fkp101DailyReportsDialog::unloadTape);
  connect(close, &QPushButton::clicked, this, &Fkp101DailyReportsDialog::closeWindow);
  auto* panel = new QGroupBox;
  auto* pv = new QVBoxLayout(panel);
  pv->addWidget(zeroGoods_);
  pv->addWidget(unload_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(x);
  buttons->addWidget(z);
  buttons->addWidget(statusButton_);
  buttons->addWidget(close);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(buttons);
  root->addWidget(panel);
}

void Fkp101DailyReportsDialog::markConnected() {
  setConnected();
  statusButton_->setEnabled(true);
}

bool Fkp101DailyReportsDialog::dailyReport(int kind) {
  std::string pwd;
  if (!typedPassword(pwd)) return false;
  clearError();
  const bool ok = bool(path_.decoded(
      kDailyReportsTitle, [&](link::Driver & d) -> auto& {
        return link::PrintReport(d, pwd, kind);
      }));
  if (ok) markConnected();
  return ok;
}

void Fkp101DailyReportsDialog::xReport() {
  statusButton_->setEnabled(true);
  dailyReport(kXReport);
}

void Fkp101DailyReportsDialog::zReport() {
  if (!app::ConfirmIrreversible(ctx_.prompt, kZReportQuestion)) return;
  statusButton_->setEnabled(true);
  setConnected();
  dailyReport(kZReport);
}

void Fkp101DailyReportsDialog::unloadTape() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  if (!app::ConfirmIrreversible(ctx_.prompt, zeroGoods_->isChecked()
                                                 ? Tesmar::mark("Контрольная лента будет выгружена и обнулена, "
                                                   "база товаров - обнулена.")
                                                 : Tesmar::mark("Контрольная лента будет выгружена и обнулена.")))
    return;
  markConnected();
  clearError();
  for (int kind : {kControlTapeUnload, kControlTapeZeroing})
    if (!path_.decoded(
            kDailyReportsTitle, [&](link::Driver & d) -> auto& {
              return link::PrintReport(d, pwd, kind);
            }))
      return;
  if (zeroGoods_->isChecked() && !path_.direct(
                                     link::kTimeoutText, Tesmar::mark("Ошибка "), [](link::Driver & d) -> auto& {
                                       return link::ZeroGoodsBase(d, app::kDefaultPassword);
                                     }))
    return;
  markConnected();
}

void Fkp101DailyReportsDialog::checkAccess() {
  statusButton_->setEnabled(false);
  clearError();
  unload_->setVisible(ctx_.state.profile.controlTapeUnload);
}

void Fkp101DailyReportsDialog::closeWindow() {
  clearError();
  statusButton_->setEnabled(false);
  setConnected();
  accept();
}

}  // namespace tesmar::reports
