// "Техническое обслуживание": the registrar's maintenance reminder (its
// message, event date, days ahead, mask and password), read back, and its
// report.
#pragma once

#include <array>

#include "app/command_dialog.h"

class QCheckBox;
class QDateEdit;
class QPlainTextEdit;

namespace tesmar::service {

// The reminder mask of the five check boxes, bit 01h first.
int ReminderMask(const std::array<bool, 5>& boxes);

class MaintenanceDialog : public app::CommandDialog {
  Q_OBJECT
 public:
  MaintenanceDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                    QWidget* parent = nullptr);

  void program();  // "Установить"
  void read();     // "Прочитать"
  void report();   // "Отчет"

  QPlainTextEdit* message() const { return message_; }
  QLineEdit* oldPassword() const { return oldPassword_; }
  QLineEdit* newPassword() const { return newPassword_; }
  QLineEdit* repeatPassword() const { return repeatPassword_; }
  QDateEdit* eventDate() const { return eventDate_; }
  QLineEdit* days() const { return days_; }
  QCheckBox* maskBox(int bit) const { return mask_[bit]; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool sendMessage();

  QPlainTextEdit* message_;
  QLineEdit* oldPassword_;
  QLineEdit* newPassword_;
  QLineEdit* repeatPassword_;
  QDateEdit* eventDate_;
  QLineEdit* days_;
  std::array<QCheckBox*, 5> mask_{};
};

}  // namespace tesmar::service
