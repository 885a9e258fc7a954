// "FKP101 дневные отчеты": X and Z reports, and the control tape unloaded
// and zeroed, optionally with the goods base.
#pragma once

#include "app/command_dialog.h"

class QCheckBox;

namespace tesmar::reports {

class Fkp101DailyReportsDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  Fkp101DailyReportsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                           QWidget* parent = nullptr);

  void xReport();
  void zReport();
  void unloadTape();   // "Выгрузка и обнуления контрольной ленты"
  void checkAccess();  // "Состояние регистратора" of this window
  void closeWindow();

  QCheckBox* zeroGoodsBase() const { return zeroGoods_; }
  QPushButton* unloadButton() const { return unload_; }

 private:
  bool dailyReport(int kind);
  // Sets the connected flag; the status button, which disables itself when
  // pressed, comes back with it.
  void markConnected();

  QCheckBox* zeroGoods_;
  QPushButton* unload_;
};

}  // namespace tesmar::reports
