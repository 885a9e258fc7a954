// "Дата и время": sets and reads the registrar's clock.
#pragma once

#include "app/command_dialog.h"

class QDateEdit;

namespace tesmar::service {

class DateTimeDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  DateTimeDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void setClock();   // "Установить дату и время"
  void readClock();  // "Прочитать дату и время"

  QDateEdit* date() const { return date_; }
  QLineEdit* time() const { return time_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QDateEdit* date_;
  QLineEdit* time_;
};

}  // namespace tesmar::service
