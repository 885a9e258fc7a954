#include "sales/non_fiscal_receipt_dialog.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "app/wire_text.h"

namespace tesmar::sales {

namespace {
constexpr int kLineWidth = 39;
constexpr const char* kTextCaption = Tesmar::mark("Строки для печати в нефискальном чеке:");
}  // namespace

QString NonFiscalLineText(const QString& line) {
  return line.left(kLineWidth).remove(';');
}

QStringList MemoLines(const QString& text) {
  if (text.isEmpty()) return {};
  QStringList lines = text.split('\n');
  if (lines.last().isEmpty()) lines.removeLast();
  return lines;
}

NonFiscalReceiptDialog::NonFiscalReceiptDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                               QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Нефискальный чек"), parent) {
  text_ = new QPlainTextEdit;
  text_->setObjectName("text");
  text_->installEventFilter(this);
  auto* form = new QFormLayout;
  addPasswordRows(form);
  auto* print = new QPushButton(Tesmar::mark("Печать чека:"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(print, &QPushButton::clicked, this, &NonFiscalReceiptDialog::printReceipt);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(new QLabel(kTextCaption));
  root->addWidget(text_);
  root->addLayout(app::ButtonRow({print, statusButton_}, quit));
}

void NonFiscalReceiptDialog::showEvent(QShowEvent* e) {
  statusButton_->setEnabled(false);
  CommandDialog::showEvent(e);
}

// A ";" typed into the text is refused at once: the registrar would split
// the line at it.
bool NonFiscalReceiptDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->text() == ";") {
    ctx_.prompt.showMessage(Tesmar::mark("; - недопустимый символ, \n   будет удален при печати чека!"),
                            Tesmar::mark("Ввод текста"));
    return true;
  }
  return CommandDialog::eventFilter(watched, event);
}

// Every line as it will be printed, in Windows-1251; false (said to the
// user) when a line holds a character the registrar cannot print.
bool NonFiscalReceiptDialog::wireLines(std::vector<std::string>& out) {
  out.clear();
  for (const QString& line : MemoLines(text_->toPlainText())) {
    std::string wire;
    if (!app::WireField(ctx_.prompt, kTextCaption, NonFiscalLineText(line), wire)) return false;
    out.push_back(std::move(wire));
  }
  return true;
}

void NonFiscalReceiptDialog::printReceipt() {
  std::string pwd;
  std::vector<std::string> lines;
  // Everything typed is checked before the document is opened.
  if (!typedPassword(pwd) || !wireLines(lines)) return;
  statusButton_->setEnabled(true);
  clearError();
  if (!path_.decoded(
          {}, [&](link::Driver & d) -> auto& { return link::OpenNonFiscalReceipt(d, pwd); }))
    return;
  // A refused line stops the receipt and leaves it open; the void and
  // close window closes it.
  for (const std::string& line : lines)
    if (!path_.decoded(
            {}, [&](link::Driver & d) -> auto& { return link::PrintNonFiscalLine(d, pwd, line); }))
      return;
  path_.decoded(
      {}, [&](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, pwd); });
}

}  // namespace tesmar::sales
