// "Состояние модема": the modem's state byte as eight boxes and the dates of
// the first undelivered document and of the personalisation (EAh, printed
// when asked), and "Отправить данные на эквайер" (service parameter 21).
#pragma once

#include <array>

#include "app/command_dialog.h"

class QCheckBox;

namespace tesmar::service {

class ModemStateDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  ModemStateDialog(app::AppContext& ctx, app::StatusBytesDialog& status, QWidget* parent = nullptr);

  void getReport();       // "Получить отчет"
  void sendToAcquirer();  // "Отправить данные на эквайер"
  QCheckBox* print() const { return print_; }
  // Bit n of the state byte.
  QCheckBox* stateBox(int bit) const { return boxes_[static_cast<size_t>(bit)]; }
  QLineEdit* undeliveredDate() const { return undeliveredDate_; }
  QLineEdit* undeliveredTime() const { return undeliveredTime_; }
  QLineEdit* personalisedDate() const { return personalisedDate_; }
  QLineEdit* personalisedTime() const { return personalisedTime_; }

 private:
  QCheckBox* print_;
  std::array<QCheckBox*, 8> boxes_;
  QLineEdit* undeliveredDate_;
  QLineEdit* undeliveredTime_;
  QLineEdit* personalisedDate_;
  QLineEdit* personalisedTime_;
};

}  // namespace tesmar::service
