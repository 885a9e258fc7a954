// "Печать дополнительных дневных отчетов": by departments, by operators, or
// the control tape, printed inside a service document.
#pragma once

#include "app/command_dialog.h"

class QComboBox;

namespace tesmar::reports {

class ExtraDailyReportsDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  ExtraDailyReportsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                          QWidget* parent = nullptr);

  void makeReport();  // "Отчет"
  QComboBox* reportType() const { return type_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QComboBox* type_;
};

}  // namespace tesmar::reports
