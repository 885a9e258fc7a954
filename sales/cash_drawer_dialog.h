// "Тест денежного ящика": opens the cash drawer (83h) or the second drawer
// with the solenoid's times (87h).
#pragma once

#include "app/command_dialog.h"

namespace tesmar::sales {

class CashDrawerDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  CashDrawerDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void openDrawer();        // "Открыть ящик"
  void openSecondDrawer();  // "Открыть доп. ящик"

  QLineEdit* switchOnTime() const { return switchOn_; }
  QLineEdit* delay() const { return delay_; }

 private:
  template <class Send>
  void sendAndJudge(Send&& send);

  QLineEdit *switchOn_, *delay_;
};

}  // namespace tesmar::sales
