// "Копия чека": copies of receipts by their sequential numbers, printed
// inside a non-fiscal receipt (60h, A5h, 65h).
#pragma once

#include "app/command_dialog.h"

namespace tesmar::sales {

class ReceiptCopyDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  ReceiptCopyDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                    QWidget* parent = nullptr);

  void printCopies();  // "Копия чека"

  QLineEdit* firstNumber() const { return first_; }
  QLineEdit* lastNumber() const { return last_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QLineEdit *first_, *last_;
};

}  // namespace tesmar::sales
