#include "reports/periodic_report_dialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "reports/service_document.h"
#include "app/date_edit.h"
#include "app/wire_text.h"

namespace tesmar::reports {

namespace {
constexpr const char* kTitle = Tesmar::mark("Печать периодического отчета ");  // the blank is the window's
constexpr const char* kFirstNumber = Tesmar::mark("Номер первого отчета:");
constexpr const char* kLastNumber = Tesmar::mark("Номер последнего отчета:");
constexpr int kByNumber = 1;
}  // namespace

std::string ReportDate(const QString& shown) {
  return app::ToWire(QString(shown).remove('.'));
}

PeriodicReportDialog::PeriodicReportDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                           QWidget* parent)
    : CommandDialog(ctx, status, kTitle, parent) {
  byDateOrNumber_ = new QComboBox;
  byDateOrNumber_->addItems({Tesmar::mark("По дате"), Tesmar::mark("По номеру")});
  fullness_ = new QComboBox;
  fullness_->addItems({Tesmar::mark("Сокращенный"), Tesmar::mark("Полный")});
  auto* kind = new QGroupBox(Tesmar::mark("Тип отчета"));
  auto* kf = new QFormLayout(kind);
  kf->addRow(Tesmar::mark("По дате/номеру"), byDateOrNumber_);
  kf->addRow(Tesmar::mark("Полный/сокращенный"), fullness_);

  firstDate_ = app::TwoDigitYearDateEdit();
  lastDate_ = app::TwoDigitYearDateEdit();
  dateGroup_ = new QGroupBox(Tesmar::mark("Дата"));
  auto* df = new QFormLayout(dateGroup_);
  df->addRow(Tesmar::mark("Дата первого отчета:"), firstDate_);
  df->addRow(Tesmar::mark("Дата последнего отчета:"), lastDate_);

  firstNumber_ = new QLineEdit;
  lastNumber_ = new QLineEdit;
  numberGroup_ = new QGroupBox(Tesmar::mark("Номер"));
  auto* nf = new QFormLayout(numberGroup_);
  nf->addRow(kFirstNumber, firstNumber_);
  nf->addRow(kLastNumber, lastNumber_);

  auto* form = new QFormLayout;
  addPasswordRows(form);
  auto* report = new QPushButton(Tesmar::mark("Сделать отчет"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(report, &QPushButton::clicked, this, &PeriodicReportDialog::makeReport);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  connect(byDateOrNumber_, &QComboBox::currentIndexChanged, this,
          &PeriodicReportDialog::showRangeGroup);
  auto* buttons = app::ButtonRow({report, statusButton_}, quit);
  auto* root = new QVBoxLayout(this);
  root->addWidget(kind);
  root->addWidget(dateGroup_);
  root->addWidget(numberGroup_);
  root->addLayout(form);
  root->addLayout(buttons);
  showRangeGroup();
}

void PeriodicReportDialog::showEvent(QShowEvent* e) {
  statusButton_->setEnabled(false);
  firstDate_->setDate(QDate::currentDate());
  lastDate_->setDate(QDate::currentDate());
  CommandDialog::showEvent(e);
}

void PeriodicReportDialog::showRangeGroup() {
  const bool byNumber = byDateOrNumber_->currentIndex() == kByNumber;
  dateGroup_->setVisible(!byNumber);
  numberGroup_->setVisible(byNumber);
}

const link::ReplyRecord& PeriodicReportDialog::sendReport(link::Driver& d, const std::string& pwd,
                                                          int first, int last) {
  const int full = fullness_->currentIndex();  // 0 short, 1 full
  if (byDateOrNumber_->currentIndex() == kByNumber)
    return link::PrintPeriodicReport(d, pwd, first, last, full);
  return link::FindReportByDate(d, pwd, ReportDate(firstDate_->text()),
                                ReportDate(lastDate_->text()), full);
}

void PeriodicReportDialog::makeReport() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  int first = 0, last = 0;
  // Numbers are checked before the service document is opened.
  if (byDateOrNumber_->currentIndex() == kByNumber &&
      (!typedNumber(kFirstNumber, firstNumber_, first) ||
       !typedNumber(kLastNumber, lastNumber_, last)))
    return;
  statusButton_->setEnabled(true);
  clearError();
  PrintInServiceDocument(
      path_,
      {kTitle, kTitle}, [&](link::Driver & d) -> auto& { return sendReport(d, pwd, first, last); });
}

}  // namespace tesmar::reports
