#include "reports/goods_report_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "reports/service_document.h"
#include "app/status_bytes_dialog.h"

namespace tesmar::reports {

namespace {
constexpr const char* kTitle = Tesmar::mark("Отчет по реализованным товарам");
constexpr const char* kFirstCaption = Tesmar::mark("Код первого товара:");
constexpr const char* kLastCaption = Tesmar::mark("Код последнего товара:");
}  // namespace

QString DefaultLastGoodsCode(const app::AppState& s) {
  return s.profile.longGoodsCodes ? "99999999999999" : "999999999";
}

GoodsReportDialog::GoodsReportDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                     QWidget* parent)
    : CommandDialog(ctx, status, kTitle, parent) {
  first_ = new QLineEdit("0");
  first_->setMaxLength(9);
  last_ = new QLineEdit;
  auto* form = new QFormLayout;
  form->addRow(kFirstCaption, first_);
  form->addRow(kLastCaption, last_);
  addPasswordRows(form);
  auto* report = new QPushButton(Tesmar::mark("Сделать отчет"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  disconnect(statusButton_, nullptr, this, nullptr);
  connect(statusButton_, &QPushButton::clicked, this, &GoodsReportDialog::checkStatus);
  connect(report, &QPushButton::clicked, this, &GoodsReportDialog::makeReport);
  connect(close, &QPushButton::clicked, this, [this] {
    statusButton_->setEnabled(false);
    accept();
  });
  auto* buttons = app::ButtonRow({report, statusButton_}, close);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(buttons);
}

void GoodsReportDialog::showEvent(QShowEvent* e) {
  last_->setText(DefaultLastGoodsCode(ctx_.state));
  clearError();
  statusButton_->setEnabled(false);
  CommandDialog::showEvent(e);
}

void GoodsReportDialog::makeReport() {
  std::string pwd;
  long long first = 0, last = 0;
  // Checked before the service document is opened, so that bad input never
  // leaves one open on the registrar.
  if (!typedPassword(pwd) || !typedNumber(kLastCaption, last_, last) ||
      !typedNumber(kFirstCaption, first_, first))
    return;
  statusButton_->setEnabled(true);
  clearError();
  PrintInServiceDocument(
      path_, {kTitle, kTitle}, [&](link::Driver & d) -> auto& {
        return link::PrintGoodsReport(d, pwd, first, last);
      });
}

void GoodsReportDialog::checkStatus() {
  const app::Sent sent = path_.decoded(
      Tesmar::mark("Проверка состояния регистратора"),
      [](link::Driver & d) -> auto& { return link::Identify(d, app::kDefaultPassword); });
  if (!sent) return;
  ctx_.state.paymentTypeCount = app::PaymentTypesFrom(*sent.reply);
  ctx_.showStatus(app::ModelStatusLine(*sent.reply));
  statusDialog_.exec();
}

}  // namespace tesmar::reports
