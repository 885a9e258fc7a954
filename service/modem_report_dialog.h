// "Состояние модема для <model>": the report of the older modems (EAh):
// its number, the personalisation date, the end of the 72 hours, the first
// receipt not sent, and how many receipts wait.
#pragma once

#include "app/command_dialog.h"

namespace tesmar::service {

inline constexpr const char* kDeviceTimeout = Tesmar::mark("Таймаут устройства! Ошибка!");
inline constexpr const char* kModemError = Tesmar::mark("Состояние модема. Ошибка!");

class ModemReportDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  ModemReportDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                    QWidget* parent = nullptr);

  void getReport();  // "Получить отчет"
  QLineEdit* modemNumber() const { return number_; }
  QLineEdit* personalised() const { return personalised_; }
  QLineEdit* hoursEnd() const { return end_; }
  QLineEdit* firstUnsent() const { return first_; }
  QLineEdit* unsentCount() const { return count_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QLineEdit* number_;
  QLineEdit* personalised_;
  QLineEdit* end_;
  QLineEdit* first_;
  QLineEdit* count_;
};

}  // namespace tesmar::service
