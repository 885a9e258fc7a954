// "Отчет по реализованным товарам": goods sold, by a range of goods codes,
// printed inside a service document.
#pragma once

#include "app/command_dialog.h"

namespace tesmar::reports {

class GoodsReportDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  GoodsReportDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                    QWidget* parent = nullptr);

  void makeReport();   // "Сделать отчет"
  void checkStatus();  // "Состояние регистратора"

  QLineEdit* firstCode() const { return first_; }
  QLineEdit* lastCode() const { return last_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QLineEdit *first_, *last_;
};

// The last code the window offers: 14 nines where the registrar takes
// 14-digit codes (versions 2.02, 2.03, 3.00, or the "high" access level),
// 9 nines otherwise.
QString DefaultLastGoodsCode(const app::AppState& state);

}  // namespace tesmar::reports
