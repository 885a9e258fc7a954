#include "reports/extra_daily_reports_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "reports/service_document.h"

namespace tesmar::reports {

namespace {
// The document steps carry a blank before the colon, the report step none.
constexpr const char* kDocumentTitle = Tesmar::mark("Печать дополнительных дневных отчетов ");
constexpr const char* kReportTitle = Tesmar::mark("Печать дополнительных дневных отчетов");
}  // namespace

ExtraDailyReportsDialog::ExtraDailyReportsDialog(app::AppContext& ctx,
                                                 app::StatusBytesDialog& status, QWidget* parent)
    : CommandDialog(ctx, status, kReportTitle, parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);  // no close box
  type_ = new QComboBox;
  type_->addItems({Tesmar::mark("Отчет по отделам"), Tesmar::mark("Отчет по операторам"), Tesmar::mark("Вывести контрольную ленту")});
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Тип отчета:"), type_);
  addPasswordRows(form);
  auto* report = new QPushButton(Tesmar::mark("Отчет"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(report, &QPushButton::clicked, this, &ExtraDailyReportsDialog::makeReport);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = app::ButtonRow({report, statusButton_}, close);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(buttons);
}

void ExtraDailyReportsDialog::showEvent(QShowEvent* e) {
  type_->setCurrentIndex(0);
  CommandDialog::showEvent(e);
}

void ExtraDailyReportsDialog::makeReport() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const int type = type_->currentIndex();  // 0, 1, 2 as the registrar numbers them
  // A refused report leaves the document open: the void and close window
  // closes it.
  PrintInServiceDocument(
      path_, {kDocumentTitle, kReportTitle, false}, [&](link::Driver & d) -> auto& {
        return link::PrintAdditionalReport(d, pwd, type);
      });
}

}  // namespace tesmar::reports
