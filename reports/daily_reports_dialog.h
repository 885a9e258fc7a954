// "Печать дневных отчетов": X and Z reports, the control tape printed inside
// a service document, and its zeroing.
#pragma once

#include "app/command_dialog.h"

namespace tesmar::reports {

class DailyReportsDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  DailyReportsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                     QWidget* parent = nullptr);

  void xReport();      // "X-отчет"
  void zReport();      // "Z-отчет"
  void printTape();    // "Печать контрольной ленты"
  void zeroTape();     // "Обнуления контрольной ленты"
  void closeWindow();  // "Закрыть"

 private:
  void dailyReport(int kind);
};

}  // namespace tesmar::reports
