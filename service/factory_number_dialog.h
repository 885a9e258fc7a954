// "Установить заводской номер": sets the clock, restarts the registrar,
// then programs its factory number.
#pragma once

#include "app/command_dialog.h"

class QLabel;

namespace tesmar::service {

class FactoryNumberDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  FactoryNumberDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                      QWidget* parent = nullptr);

  void setDateTime();       // "Установить дату и время"
  void setFactoryNumber();  // "Установить"

  QLineEdit* date() const { return date_; }
  QLineEdit* time() const { return time_; }
  QLineEdit* factoryNumber() const { return number_; }
  QLabel* notice() const { return notice_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QLineEdit *date_, *time_, *number_;
  QLabel* notice_;
};

}  // namespace tesmar::service
