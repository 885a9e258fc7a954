// "Нефискальный чек": prints lines of free text as a non-fiscal receipt:
// 60h, one 61h per line, 65h.
#pragma once

#include <QStringList>

#include "app/command_dialog.h"

class QPlainTextEdit;

namespace tesmar::sales {

// The registrar's text line: the first 39 characters of `line`, without
// the ";" among them.
QString NonFiscalLineText(const QString& line);
// The lines of a multi-line text as the memo holds them: a line end after
// the last line adds no empty line.
QStringList MemoLines(const QString& text);

class NonFiscalReceiptDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  NonFiscalReceiptDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                         QWidget* parent = nullptr);

  void printReceipt();  // "Печать чека:"

  QPlainTextEdit* text() const { return text_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* e) override;

 private:
  bool wireLines(std::vector<std::string>& out);

  QPlainTextEdit* text_;
};

}  // namespace tesmar::sales
