#include "sales/receipt_copy_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"

namespace tesmar::sales {

namespace {
constexpr const char* kFirst = Tesmar::mark("Первый сквозной номер чека:");
constexpr const char* kLast = Tesmar::mark("Последний сквозной номер чека:");
// The opening and closing steps' title has a blank before its colon.
constexpr const char* kDocumentTitle = Tesmar::mark("Печать копии чека ");
constexpr const char* kCopyTitle = Tesmar::mark("Печать копии чека");
}  // namespace

ReceiptCopyDialog::ReceiptCopyDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                     QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Копия чека"), parent) {
  first_ = new QLineEdit("1");
  last_ = new QLineEdit("1");
  auto* form = new QFormLayout;
  addPasswordRows(form);
  form->insertRow(1, kFirst, first_);
  form->insertRow(2, kLast, last_);
  auto* copy = new QPushButton(Tesmar::mark("Копия чека"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(copy, &QPushButton::clicked, this, &ReceiptCopyDialog::printCopies);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({copy, statusButton_}, quit));
}

void ReceiptCopyDialog::showEvent(QShowEvent* e) {
  statusButton_->setEnabled(false);
  CommandDialog::showEvent(e);
}

void ReceiptCopyDialog::printCopies() {
  std::string pwd;
  int first = 0, last = 0;
  if (!typedPassword(pwd) || !typedNumber(kFirst, first_, first, 1) ||
      !typedNumber(kLast, last_, last, 1))
    return;
  statusButton_->setEnabled(true);
  clearError();
  // A refused copy leaves the document open: the void and close window
  // closes it.
  if (!path_.decoded(
          kDocumentTitle, [](link::Driver & d) -> auto& {
            return link::OpenNonFiscalReceipt(d, app::kDefaultPassword);
          }))
    return;
  if (!path_.decoded(
          kCopyTitle, [&](link::Driver & d) -> auto& {
            return link::PrintReceiptCopies(d, pwd, first, last);
          }))
    return;
  path_.decoded(
      kDocumentTitle,
      [](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, app::kDefaultPassword); });
}

}  // namespace tesmar::sales
